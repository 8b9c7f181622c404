// Test material for the version resource: a version block laid out by hand, a writer of small
// ELF-64 images, and temporary files. Written from the layouts themselves, not from the code
// under test, so that the tests compare two independent readings of each format.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace versiontest
{
// Little-endian writer of a fixed-size block, usable at compile time so that the block can be
// placed in the test program's own ".velmoria_version" section.
template <size_t N> struct HandWriter
{
    std::array<unsigned char, N> Bytes{};
    size_t At = 0;
    constexpr void U16(unsigned v)
    {
        Bytes[At++] = static_cast<unsigned char>(v & 0xFF);
        Bytes[At++] = static_cast<unsigned char>(v >> 8);
    }
    constexpr void Byte(unsigned v) { Bytes[At++] = static_cast<unsigned char>(v); }
    constexpr void Str(const char* s) // with its NUL
    {
        while (*s != '\0')
            Bytes[At++] = static_cast<unsigned char>(*s++);
        Bytes[At++] = 0;
    }
    constexpr void Pad()
    {
        while (At % 4 != 0)
            Bytes[At++] = 0;
    }
};

// The smallest useful block: ProductName "Velmoria" in table 040904e4 and one translation
// entry 0x0409 / 0x04E4. Offsets and lengths counted by hand:
//   0  root "VS_VERSION_INFO"   header 6 + key 16 = 22, pad to 24            Length 140
//  24  "StringFileInfo"         header 6 + key 15 = 21, pad to 24 -> 48      Length  69
//  48  "040904e4"               header 6 + key 9 = 15, pad to 16 -> 64       Length  45
//  64  "ProductName"            header 6 + key 12 = 18, pad -> 84, value 9   Length  29
//  93  pad to 96
//  96  "VarFileInfo"            header 6 + key 12 = 18, pad -> 116           Length  44
// 116  "Translation"            header 6 + key 12 = 18, pad -> 136, value 4  Length  24
constexpr size_t kHandBlockSize = 140;
constexpr std::array<unsigned char, kHandBlockSize> MakeHandBlock()
{
    HandWriter<kHandBlockSize> w;
    w.U16(140), w.U16(0), w.U16(0), w.Str("VS_VERSION_INFO"), w.Pad();
    w.U16(69), w.U16(0), w.U16(1), w.Str("StringFileInfo"), w.Pad();
    w.U16(45), w.U16(0), w.U16(1), w.Str("040904e4"), w.Pad();
    w.U16(29), w.U16(9), w.U16(1), w.Str("ProductName"), w.Pad(), w.Str("Velmoria"), w.Pad();
    w.U16(44), w.U16(0), w.U16(1), w.Str("VarFileInfo"), w.Pad();
    w.U16(24), w.U16(4), w.U16(0), w.Str("Translation"), w.Pad();
    w.Byte(0x09), w.Byte(0x04), w.Byte(0xE4), w.Byte(0x04);
    return w.Bytes;
}

inline std::vector<uint8_t> HandBlock()
{
    constexpr auto bytes = MakeHandBlock();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// One section of a hand-made ELF image.
struct ElfSection
{
    std::string Name;
    uint32_t Type = 1; // SHT_PROGBITS
    std::vector<uint8_t> Data;
};

// Where the writer put things, for tests that spoil one field.
struct ElfLayout
{
    size_t SectionTable = 0;            // e_shoff
    std::vector<size_t> SectionHeaders; // file offset of each entry, the null entry first
    std::vector<size_t> SectionData;    // file offset of each section's contents
};

inline void PutLe(std::vector<uint8_t>& b, size_t at, uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b[at + i] = static_cast<uint8_t>((v >> (8 * i)) & 0xFF);
}

// A relocatable ELF-64 little-endian x86-64 image: header, the sections' contents, the
// section-name table, then the section header table (null entry, `sections`, ".shstrtab").
// Field offsets from the System V ABI's ELF-64 object file format.
inline std::vector<uint8_t> MakeElfImage(const std::vector<ElfSection>& sections,
                                         ElfLayout* layout = nullptr)
{
    std::vector<uint8_t> image(64, 0);
    auto align8 = [&image]
    {
        while (image.size() % 8 != 0)
            image.push_back(0);
    };
    std::vector<size_t> offsets;
    for (const ElfSection& s : sections)
    {
        align8();
        offsets.push_back(image.size());
        image.insert(image.end(), s.Data.begin(), s.Data.end());
    }
    std::vector<uint8_t> names(1, 0);
    std::vector<size_t> nameAt;
    auto addName = [&names, &nameAt](const std::string& n)
    {
        nameAt.push_back(names.size());
        names.insert(names.end(), n.begin(), n.end());
        names.push_back(0);
    };
    for (const ElfSection& s : sections)
        addName(s.Name);
    addName(".shstrtab");
    const size_t namesOffset = image.size();
    image.insert(image.end(), names.begin(), names.end());
    align8();

    const size_t table = image.size();
    const size_t count = sections.size() + 2;
    image.resize(table + 64 * count, 0);
    ElfLayout where;
    where.SectionTable = table;
    where.SectionHeaders.push_back(table);
    where.SectionData = offsets;
    for (size_t i = 0; i <= sections.size(); ++i)
    {
        const size_t h = table + 64 * (i + 1);
        where.SectionHeaders.push_back(h);
        const bool isNames = i == sections.size();
        PutLe(image, h + 0, nameAt[i], 4);                                         // sh_name
        PutLe(image, h + 4, isNames ? 3 : sections[i].Type, 4);                    // sh_type
        PutLe(image, h + 24, isNames ? namesOffset : offsets[i], 8);               // sh_offset
        PutLe(image, h + 32, isNames ? names.size() : sections[i].Data.size(), 8); // sh_size
        PutLe(image, h + 48, 1, 8);                                                // sh_addralign
    }

    const uint8_t ident[16] = {0x7F, 'E', 'L', 'F', 2, 1, 1, 0};
    std::memcpy(image.data(), ident, sizeof ident);
    PutLe(image, 16, 1, 2);         // e_type: ET_REL
    PutLe(image, 18, 62, 2);        // e_machine: EM_X86_64
    PutLe(image, 20, 1, 4);         // e_version
    PutLe(image, 40, table, 8);     // e_shoff
    PutLe(image, 52, 64, 2);        // e_ehsize
    PutLe(image, 58, 64, 2);        // e_shentsize
    PutLe(image, 60, count, 2);     // e_shnum
    PutLe(image, 62, count - 1, 2); // e_shstrndx
    if (layout != nullptr)
        *layout = where;
    return image;
}

// A file in the temporary directory, removed with the object.
class TempFile
{
public:
    explicit TempFile(const std::vector<uint8_t>& bytes)
    {
        static int serial = 0;
        Path = (std::filesystem::temp_directory_path() /
                ("velmoria_version_" + std::to_string(::getpid()) + "_" + std::to_string(serial++) +
                 ".bin"))
                   .string();
        std::ofstream out(Path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile()
    {
        std::error_code ignored;
        std::filesystem::remove(Path, ignored);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string Path;
};
} // namespace versiontest
