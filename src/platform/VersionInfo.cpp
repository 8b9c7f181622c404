#include "platform/VersionInfo.h"

#include "platform/VersionBlock.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
uint16_t LoadU16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t LoadU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint64_t LoadU64(const uint8_t* p)
{
    return static_cast<uint64_t>(LoadU32(p)) | (static_cast<uint64_t>(LoadU32(p + 4)) << 32);
}

size_t AlignUp4(size_t n)
{
    return (n + 3) & ~static_cast<size_t>(3);
}

// ---- Version blocks -------------------------------------------------------------------------

// One parsed block header; all offsets from the start of the root and inside [Start, End).
struct BlockView
{
    size_t Start = 0;
    size_t End = 0;    // Start + Length
    size_t KeyEnd = 0; // offset of the key's NUL
    size_t Value = 0;  // offset of the value (the key's NUL when the value is empty)
    size_t ValueLength = 0;
    uint16_t Type = 0;
    size_t Children = 0; // offset of the first child, End when there is none
};

// Parses the block at `start`, which must lie inside its parent's extent [start, limit).
bool ParseBlock(const uint8_t* base, size_t limit, size_t start, BlockView& view)
{
    if (start > limit || limit - start < kVersionHeaderSize)
        return false;
    const size_t length = LoadU16(base + start);
    if (length < kVersionHeaderSize + 1 || length > limit - start)
        return false;
    view.Start = start;
    view.End = start + length;
    view.ValueLength = LoadU16(base + start + 2);
    view.Type = LoadU16(base + start + 4);

    const void* nul =
        std::memchr(base + start + kVersionHeaderSize, 0, length - kVersionHeaderSize);
    if (nul == nullptr)
        return false;
    view.KeyEnd = static_cast<size_t>(static_cast<const uint8_t*>(nul) - base);

    if (view.ValueLength == 0)
    {
        // The key's NUL doubles as an empty text inside the block.
        view.Value = view.KeyEnd;
        view.Children = std::min(AlignUp4(view.KeyEnd + 1), view.End);
        return true;
    }
    view.Value = AlignUp4(view.KeyEnd + 1);
    if (view.Value > view.End || view.ValueLength > view.End - view.Value)
        return false;
    view.Children = std::min(AlignUp4(view.Value + view.ValueLength), view.End);
    return true;
}

// ASCII case only: the C library's case rules follow the locale.
bool KeyEquals(const uint8_t* key, size_t keyLength, const char* name, size_t nameLength)
{
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return keyLength == nameLength &&
           std::equal(key, key + keyLength, name,
                      [&](uint8_t a, char b)
                      { return lower(a) == lower(static_cast<unsigned char>(b)); });
}

// Finds the child of `parent` named `name`. A malformed child before it ends the search.
bool FindChild(const uint8_t* base, const BlockView& parent, const char* name, size_t nameLength,
               BlockView& child)
{
    size_t at = parent.Children;
    while (at < parent.End && parent.End - at >= kVersionHeaderSize)
    {
        if (!ParseBlock(base, parent.End, at, child))
            return false;
        const size_t keyStart = at + kVersionHeaderSize;
        if (KeyEquals(base + keyStart, child.KeyEnd - keyStart, name, nameLength))
            return true;
        at = AlignUp4(child.End); // Length >= 7, so every step moves on
    }
    return false;
}

bool QueryBlock(const uint8_t* base, size_t blockSize, const char* subBlock, const void** value,
                uint32_t* length)
{
    if (base == nullptr || subBlock == nullptr || value == nullptr || length == nullptr)
        return false;
    BlockView node;
    if (!ParseBlock(base, blockSize, 0, node))
        return false;
    const char* p = subBlock;
    while (*p != '\0')
    {
        if (*p == '\\')
        {
            ++p;
            continue;
        }
        const size_t nameLength = std::strcspn(p, "\\");
        BlockView child;
        if (!FindChild(base, node, p, nameLength, child))
            return false;
        node = child;
        p += nameLength;
    }
    if (node.Type == kVersionValueText && node.ValueLength != 0 &&
        std::memchr(base + node.Value, 0, node.ValueLength) == nullptr)
        return false;
    *value = base + node.Value;
    *length = static_cast<uint32_t>(node.ValueLength);
    return true;
}

// A block is taken from a section only when its root is well formed and is the root of a
// version resource.
bool IsVersionRoot(const uint8_t* block, size_t size)
{
    BlockView root;
    if (!ParseBlock(block, size, 0, root) || root.End != size)
        return false;
    const size_t keyLength = root.KeyEnd - kVersionHeaderSize;
    return KeyEquals(block + kVersionHeaderSize, keyLength, kVersionRootKey,
                     std::strlen(kVersionRootKey));
}

// ---- ELF files --------------------------------------------------------------------------

// The bytes of an image in memory or of a file mapped into it.
struct ByteSource
{
    const uint8_t* Data = nullptr;
    uint64_t Size = 0;

    // The `count` bytes at `offset`; null unless all of them lie inside the source.
    const uint8_t* At(uint64_t offset, uint64_t count) const
    {
        return Data != nullptr && offset <= Size && count <= Size - offset ? Data + offset
                                                                           : nullptr;
    }
};

// A file mapped read-only; no bytes for anything that is not a readable regular file. A
// running program's file cannot be written (ETXTBSY), so it cannot shrink under the mapping.
class MappedFile
{
public:
    explicit MappedFile(const char* path)
    {
        const int fd = path != nullptr && *path != '\0' ? ::open(path, O_RDONLY | O_CLOEXEC) : -1;
        struct stat st;
        if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        {
            void* at =
                ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
            if (at != MAP_FAILED)
                Bytes = {static_cast<const uint8_t*>(at), static_cast<uint64_t>(st.st_size)};
        }
        if (fd >= 0)
            ::close(fd);
    }
    ~MappedFile()
    {
        if (Bytes.Data != nullptr)
            ::munmap(const_cast<uint8_t*>(Bytes.Data), Bytes.Size);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    ByteSource Bytes;
};

// ELF-64 layout (System V ABI, "ELF-64 Object File Format", version 1.5).
constexpr size_t kElfHeaderSize = 64;
// e_ident: magic, ELFCLASS64 (2), ELFDATA2LSB (1), EV_CURRENT (1).
constexpr uint8_t kElfIdent[] = {0x7F, 'E', 'L', 'F', 2, 1, 1};
constexpr size_t kSectionHeaderSize = 64;
constexpr uint32_t kSectionNoBits = 8;           // SHT_NOBITS: occupies no file space
constexpr uint32_t kSectionIndexEscape = 0xFFFF; // SHN_XINDEX: real index in section 0

struct SectionHeader
{
    uint32_t Name = 0;
    uint32_t Type = 0;
    uint64_t Offset = 0;
    uint64_t Size = 0;
    uint32_t Link = 0;
};

bool ReadSectionHeader(const ByteSource& src, uint64_t tableOffset, uint64_t entrySize,
                       uint64_t index, SectionHeader& header)
{
    const uint8_t* raw = src.At(tableOffset + index * entrySize, kSectionHeaderSize);
    if (raw == nullptr)
        return false;
    header.Name = LoadU32(raw + 0);
    header.Type = LoadU32(raw + 4);
    header.Offset = LoadU64(raw + 24);
    header.Size = LoadU64(raw + 32);
    header.Link = LoadU32(raw + 40);
    return true;
}

// True when the file contents of `header` lie inside the source.
bool ContentsInside(const ByteSource& src, const SectionHeader& header)
{
    return header.Type != kSectionNoBits && header.Offset <= src.Size &&
           header.Size <= src.Size - header.Offset;
}

bool FindSection(const ByteSource& src, const char* name, uint64_t& offset, uint64_t& size)
{
    if (name == nullptr)
        return false;
    const uint8_t* elfHeader = src.At(0, kElfHeaderSize);
    if (elfHeader == nullptr || std::memcmp(elfHeader, kElfIdent, sizeof kElfIdent) != 0)
        return false;
    const uint64_t tableOffset = LoadU64(elfHeader + 0x28); // e_shoff
    const uint64_t entrySize = LoadU16(elfHeader + 0x3A);   // e_shentsize
    uint64_t count = LoadU16(elfHeader + 0x3C);             // e_shnum
    uint64_t namesIndex = LoadU16(elfHeader + 0x3E);        // e_shstrndx
    if (tableOffset == 0 || entrySize < kSectionHeaderSize || tableOffset > src.Size)
        return false;

    // With 0xFF00 sections or more the counts live in section 0 (extended numbering).
    SectionHeader first;
    if (!ReadSectionHeader(src, tableOffset, entrySize, 0, first))
        return false;
    if (count == 0)
        count = first.Size;
    if (namesIndex == kSectionIndexEscape)
        namesIndex = first.Link;
    if (count == 0 || count > (src.Size - tableOffset) / entrySize || namesIndex >= count)
        return false;

    SectionHeader names;
    if (!ReadSectionHeader(src, tableOffset, entrySize, namesIndex, names) ||
        !ContentsInside(src, names))
        return false;

    const size_t nameLength = std::strlen(name);
    for (uint64_t i = 0; i < count; ++i)
    {
        SectionHeader header;
        if (!ReadSectionHeader(src, tableOffset, entrySize, i, header))
            return false;
        // The name with its NUL must lie inside the section-name table.
        if (header.Name > names.Size || nameLength + 1 > names.Size - header.Name)
            continue;
        const uint8_t* candidate = src.At(names.Offset + header.Name, nameLength + 1);
        if (candidate == nullptr)
            return false;
        if (std::memcmp(candidate, name, nameLength + 1) != 0)
            continue;
        if (!ContentsInside(src, header))
            return false;
        offset = header.Offset;
        size = header.Size;
        return true;
    }
    return false;
}

// The well-formed version block at the start of the version section of `src`.
bool ReadVersionBlock(const ByteSource& src, std::vector<uint8_t>& block)
{
    block.clear();
    uint64_t offset = 0;
    uint64_t size = 0;
    if (!FindSection(src, kVersionSectionName, offset, size) || size < kVersionHeaderSize)
        return false;
    const uint8_t* header = src.At(offset, kVersionHeaderSize);
    if (header == nullptr)
        return false;
    // The section may carry padding (alignment, sanitizer red zones) after the block.
    const size_t length = LoadU16(header);
    if (length < kVersionHeaderSize || length > size || !IsVersionRoot(header, length))
        return false;
    block.assign(header, header + length);
    return true;
}
} // namespace

std::string GetModuleFileName()
{
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    if (n <= 0 || static_cast<size_t>(n) > kModulePathMax)
        return std::string();
    return std::string(path, static_cast<size_t>(n));
}

uint32_t GetFileVersionInfoSize(const char* path)
{
    std::vector<uint8_t> block;
    ReadVersionBlock(MappedFile(path).Bytes, block);
    return static_cast<uint32_t>(block.size());
}

bool GetFileVersionInfo(const char* path, uint32_t size, void* data)
{
    std::vector<uint8_t> block;
    if (data == nullptr || !ReadVersionBlock(MappedFile(path).Bytes, block) || block.size() > size)
        return false;
    std::memcpy(data, block.data(), block.size());
    return true;
}

bool VerQueryValue(const void* block, const char* subBlock, const void** value, uint32_t* length)
{
    return block != nullptr && QueryVersionValue(block, LoadU16(static_cast<const uint8_t*>(block)),
                                                 subBlock, value, length);
}

bool QueryVersionValue(const void* block, size_t blockSize, const char* subBlock,
                       const void** value, uint32_t* length)
{
    if (block == nullptr || blockSize < kVersionHeaderSize)
        return false;
    return QueryBlock(static_cast<const uint8_t*>(block), blockSize, subBlock, value, length);
}

bool FindElfSection(const void* image, size_t imageSize, const char* name, uint64_t* offset,
                    uint64_t* size)
{
    return offset != nullptr && size != nullptr &&
           FindSection(ByteSource{static_cast<const uint8_t*>(image), imageSize}, name, *offset,
                       *size);
}

bool ExtractVersionBlock(const void* image, size_t imageSize, std::vector<uint8_t>& block)
{
    return ReadVersionBlock(ByteSource{static_cast<const uint8_t*>(image), imageSize}, block);
}
