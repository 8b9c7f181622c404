// Feeds arbitrary bytes to the version-resource readers, once as a version block and once as a
// program file image. Every value handed back is read in full, so that the sanitizers see any
// answer that points outside the input.
#include "platform/VersionInfo.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
const char* const kPaths[] = {
    "\\",
    "\\VarFileInfo\\Translation",
    "\\StringFileInfo",
    "\\StringFileInfo\\040904e4\\CompanyName",
    "\\StringFileInfo\\040904e4\\ProductName",
    "\\STRINGFILEINFO\\040904E4\\PRODUCTVERSION",
    "\\StringFileInfo\\040904e4\\LegalCopyright",
    "\\StringFileInfo\\040904e4\\SpecialBuild",
    "\\a\\b\\c\\d",
};

volatile uint8_t gSink;

void Touch(const void* value, uint32_t length)
{
    const auto* bytes = static_cast<const uint8_t*>(value);
    uint8_t sum = 0;
    for (uint32_t i = 0; i < length; ++i)
        sum = static_cast<uint8_t>(sum + bytes[i]);
    gSink = sum;
}

void QueryAll(const uint8_t* block, size_t size, bool classicEntry)
{
    for (const char* path : kPaths)
    {
        const void* value = nullptr;
        uint32_t length = 0;
        if (QueryVersionValue(block, size, path, &value, &length))
            Touch(value, length);
        // The classic entry trusts the root's length, which GetFileVersionInfo vouches for.
        if (classicEntry && VerQueryValue(block, path, &value, &length))
            Touch(value, length);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy: reads past the input land in the allocator's red zone.
    std::vector<uint8_t> input(data, data + size);
    const uint8_t* bytes = input.empty() ? nullptr : input.data();

    const bool rootFits = size >= 2 && static_cast<size_t>(bytes[0] | (bytes[1] << 8)) <= size;
    QueryAll(bytes, size, rootFits);

    uint64_t offset = 0;
    uint64_t length = 0;
    if (FindElfSection(bytes, size, ".velmoria_version", &offset, &length))
        Touch(bytes + offset, static_cast<uint32_t>(length > 0xFFFF ? 0xFFFF : length));

    std::vector<uint8_t> block;
    if (ExtractVersionBlock(bytes, size, block))
    {
        std::vector<uint8_t> exact(block);
        QueryAll(exact.data(), exact.size(), true);
    }
    return 0;
}
