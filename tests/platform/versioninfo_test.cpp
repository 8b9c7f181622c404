#include "VersionTestFiles.h"
#include "platform/VersionBlock.h"
#include "platform/VersionInfo.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace versiontest;

namespace
{
// This test program carries the hand-made block in its own version section, as the real
// program carries the generated one.
__attribute__((used, section(".velmoria_version"))) constexpr auto kEmbeddedBlock = MakeHandBlock();

const std::vector<std::pair<std::string, std::string>> kFullStrings = {
    {"CompanyName", "The Velmoria developers"},
    {"ProductName", "Velmoria"},
    {"ProductVersion", "1.0.0"},
    {"LegalCopyright", "Copyright (C) 2026 The Velmoria developers"},
    {"SpecialBuild", "Nightly \xC3\xA9"
                     "dition"}, // UTF-8 passes through untouched
};

std::vector<uint8_t> FullBlock()
{
    std::vector<uint8_t> block;
    EXPECT_TRUE(BuildVersionBlock({{0x0409, 0x04E4, kFullStrings}}, block));
    return block;
}

// The block in a heap buffer of exactly its size, so that the sanitizer sees any read past it.
std::unique_ptr<uint8_t[]> ExactCopy(const std::vector<uint8_t>& bytes)
{
    auto copy = std::make_unique<uint8_t[]>(bytes.size());
    if (!bytes.empty())
        std::memcpy(copy.get(), bytes.data(), bytes.size());
    return copy;
}

std::string TextAt(const std::vector<uint8_t>& block, const char* path)
{
    const void* value = nullptr;
    uint32_t length = 0;
    if (!VerQueryValue(block.data(), path, &value, &length))
        return "<absent>";
    return std::string(static_cast<const char*>(value));
}

const char* const kProbePaths[] = {
    "\\",
    "\\VarFileInfo\\Translation",
    "\\StringFileInfo\\040904e4\\CompanyName",
    "\\StringFileInfo\\040904e4\\ProductName",
    "\\StringFileInfo\\040904e4\\ProductVersion",
    "\\StringFileInfo\\040904e4\\LegalCopyright",
    "\\StringFileInfo\\040904e4\\SpecialBuild",
    "\\StringFileInfo\\040904e4\\Missing",
};

// Every answer of a query on a spoiled block must lie inside it, a text one NUL-terminated.
void ExpectAnswersInside(const uint8_t* block, size_t size)
{
    for (const char* path : kProbePaths)
    {
        const void* value = nullptr;
        uint32_t length = 0;
        if (!QueryVersionValue(block, size, path, &value, &length))
            continue;
        const auto* v = static_cast<const uint8_t*>(value);
        ASSERT_GE(v, block) << path;
        ASSERT_LE(v + length, block + size) << path;
        if (std::strstr(path, "StringFileInfo") != nullptr && length != 0)
        {
            EXPECT_NE(std::memchr(v, 0, length), nullptr) << path;
        }
    }
}
} // namespace

TEST(VersionBlock, BuilderLaysOutTheBlockByteForByteAsCountedByHand)
{
    std::vector<uint8_t> built;
    ASSERT_TRUE(BuildVersionBlock({{0x0409, 0x04E4, {{"ProductName", "Velmoria"}}}}, built));
    EXPECT_EQ(built, HandBlock());
}

TEST(VersionBlock, TableNamesAreEightLowerCaseHexDigitsLanguageFirst)
{
    struct Case
    {
        uint16_t Language, CodePage;
        const char* Name;
    };
    const Case cases[] = {
        {0x0409, 0x04E4, "040904e4"},
        {0x0C0A, 0x04B0, "0c0a04b0"},
        {0x0000, 0xFFFF, "0000ffff"},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(VersionTableName(c.Language, c.CodePage), c.Name);
        EXPECT_EQ(VersionTranslationEntry(c.Language, c.CodePage),
                  static_cast<uint32_t>(c.Language) + 65536u * c.CodePage);
    }
}

TEST(VersionBlock, BuilderRefusesWhatTheFormatCannotHold)
{
    std::vector<uint8_t> out{1, 2, 3};
    EXPECT_FALSE(BuildVersionBlock({{0x0409, 0x04E4, {{"", "empty key"}}}}, out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(BuildVersionBlock({{0x0409, 0x04E4, {{"Key", std::string("a\0b", 3)}}}}, out));
    EXPECT_FALSE(BuildVersionBlock({{0x0409, 0x04E4, {{"Key", std::string(70000, 'x')}}}}, out));
    // Many values of modest size together overflow the root's 16-bit length.
    std::vector<std::pair<std::string, std::string>> many;
    for (int i = 0; i < 40; ++i)
        many.emplace_back("Key" + std::to_string(i), std::string(2000, 'y'));
    EXPECT_FALSE(BuildVersionBlock({{0x0409, 0x04E4, many}}, out));
}

TEST(VerQueryValue, ReadsTheHandMadeBlock)
{
    const std::vector<uint8_t> block = HandBlock();
    const void* value = nullptr;
    uint32_t length = 0;
    ASSERT_TRUE(
        VerQueryValue(block.data(), "\\StringFileInfo\\040904e4\\ProductName", &value, &length));
    EXPECT_STREQ(static_cast<const char*>(value), "Velmoria");
    EXPECT_EQ(length, 9u);
    EXPECT_EQ(static_cast<const uint8_t*>(value) - block.data(), 84);

    ASSERT_TRUE(VerQueryValue(block.data(), "\\VarFileInfo\\Translation", &value, &length));
    EXPECT_EQ(length, 4u);
    const auto* entry = static_cast<const uint8_t*>(value);
    EXPECT_EQ(entry[0] | entry[1] << 8, 0x0409);
    EXPECT_EQ(entry[2] | entry[3] << 8, 0x04E4);
}

TEST(VerQueryValue, FindsEveryValueOfABuiltBlockWhateverTheCaseOfThePath)
{
    const std::vector<uint8_t> block = FullBlock();
    struct Case
    {
        const char* Path;
        const char* Expected;
    };
    const Case cases[] = {
        {"\\StringFileInfo\\040904e4\\CompanyName", "The Velmoria developers"},
        {"\\StringFileInfo\\040904e4\\ProductName", "Velmoria"},
        {"\\StringFileInfo\\040904e4\\ProductVersion", "1.0.0"},
        {"\\StringFileInfo\\040904e4\\LegalCopyright",
         "Copyright (C) 2026 The Velmoria developers"},
        {"\\StringFileInfo\\040904e4\\SpecialBuild", "Nightly \xC3\xA9"
                                                     "dition"},
        {"\\STRINGFILEINFO\\040904E4\\productversion", "1.0.0"},
        {"\\stringfileinfo\\040904e4\\legalCOPYRIGHT",
         "Copyright (C) 2026 The Velmoria developers"},
        {"StringFileInfo\\040904e4\\ProductName", "Velmoria"},       // no leading backslash
        {"\\StringFileInfo\\\\040904e4\\ProductName\\", "Velmoria"}, // empty parts skipped
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextAt(block, c.Path), c.Expected) << c.Path;
}

TEST(VerQueryValue, AnswersFalseForAbsentPaths)
{
    const std::vector<uint8_t> block = FullBlock();
    const char* const absent[] = {
        "\\StringFileInfo\\040904e4\\Comments",
        "\\StringFileInfo\\040904e4\\ProductNam",
        "\\StringFileInfo\\040904e4\\ProductNameX",
        "\\StringFileInfo\\040904e5\\ProductName",
        "\\StringFileInfo\\04e40409\\ProductName",
        "\\VarFileInfo\\Translation\\Deeper",
        "\\FileInfo",
    };
    for (const char* path : absent)
        EXPECT_EQ(TextAt(block, path), "<absent>") << path;

    const void* value = nullptr;
    uint32_t length = 0;
    EXPECT_FALSE(VerQueryValue(nullptr, "\\", &value, &length));
    EXPECT_FALSE(VerQueryValue(block.data(), nullptr, &value, &length));
    EXPECT_FALSE(VerQueryValue(block.data(), "\\", nullptr, &length));
    EXPECT_FALSE(VerQueryValue(block.data(), "\\", &value, nullptr));
}

TEST(VerQueryValue, BlockWithoutVarFileInfoHasNoTranslation)
{
    VersionNode tree = MakeVersionTree({{0x0409, 0x04E4, kFullStrings}});
    tree.Children.pop_back(); // VarFileInfo
    std::vector<uint8_t> block;
    ASSERT_TRUE(SerializeVersionNode(tree, block));
    const void* value = nullptr;
    uint32_t length = 0;
    EXPECT_FALSE(VerQueryValue(block.data(), "\\VarFileInfo\\Translation", &value, &length));
    EXPECT_EQ(TextAt(block, "\\StringFileInfo\\040904e4\\ProductName"), "Velmoria");
}

TEST(VerQueryValue, RefusesMalformedBlocks)
{
    const std::vector<uint8_t> hand = HandBlock();
    const char* const productName = "\\StringFileInfo\\040904e4\\ProductName";
    struct Case
    {
        const char* What;
        size_t At;     // byte to overwrite
        uint8_t Value; // its new value
        const char* Path;
    };
    const Case cases[] = {
        {"root shorter than its header", 0, 5, "\\"},
        {"root key without NUL inside the root", 0, 8, "\\"}, // Length 8 ends at "VS"
        {"child of length 0", 24, 0, productName},
        {"child longer than its parent", 24, 200, productName},
        {"string table longer than StringFileInfo", 48, 70, productName},
        {"text value without its NUL", 92, 'X', productName},
        {"value running past its block", 66, 30, productName},
        {"key without NUL inside its block", 64, 8, productName}, // Length 8 ends at "Pr"
    };
    for (const Case& c : cases)
    {
        std::vector<uint8_t> bad = hand;
        bad[c.At] = c.Value;
        const auto exact = ExactCopy(bad);
        const void* value = nullptr;
        uint32_t length = 0;
        EXPECT_FALSE(QueryVersionValue(exact.get(), bad.size(), c.Path, &value, &length)) << c.What;
    }
}

TEST(VerQueryValue, StaysInsideEveryTruncatedOrSpoiledBlock)
{
    const std::vector<uint8_t> full = FullBlock();
    for (size_t size = 0; size < full.size(); ++size)
    {
        const std::vector<uint8_t> prefix(full.begin(), full.begin() + size);
        const auto exact = ExactCopy(prefix);
        const void* value = nullptr;
        uint32_t length = 0;
        // The root claims more bytes than there are: nothing can be trusted.
        EXPECT_FALSE(
            QueryVersionValue(exact.get(), size, "\\VarFileInfo\\Translation", &value, &length))
            << size;
    }
    const uint8_t spoilers[] = {0x00, 0x01, 0x05, 0x07, 0x80, 0xFF};
    for (size_t at = 0; at < full.size(); ++at)
        for (uint8_t v : spoilers)
        {
            std::vector<uint8_t> bad = full;
            bad[at] = v;
            const auto exact = ExactCopy(bad);
            ExpectAnswersInside(exact.get(), bad.size());
            if (::testing::Test::HasFatalFailure())
                return;
        }
}

TEST(ElfSection, FindsTheVersionSectionOfAHandMadeImage)
{
    const std::vector<uint8_t> block = FullBlock();
    std::vector<uint8_t> padded = block;
    padded.resize(block.size() + 13, 0xCC); // the linker may pad a section
    const std::vector<uint8_t> image = MakeElfImage(
        {{".text", 1, {0x90, 0xC3}}, {".velmoria_version", 1, padded}, {".comment", 1, {'x', 0}}});
    uint64_t offset = 0;
    uint64_t size = 0;
    ASSERT_TRUE(FindElfSection(image.data(), image.size(), ".velmoria_version", &offset, &size));
    EXPECT_EQ(size, padded.size());
    EXPECT_EQ(std::memcmp(image.data() + offset, padded.data(), padded.size()), 0);
    EXPECT_FALSE(FindElfSection(image.data(), image.size(), ".velmoria", &offset, &size));

    const TempFile file(image);
    ASSERT_EQ(GetFileVersionInfoSize(file.Path.c_str()), block.size());
    std::vector<uint8_t> copy(block.size() + 4, 0xAB);
    ASSERT_TRUE(
        GetFileVersionInfo(file.Path.c_str(), static_cast<uint32_t>(copy.size()), copy.data()));
    EXPECT_TRUE(std::equal(block.begin(), block.end(), copy.begin()));
    EXPECT_EQ(copy.back(), 0xAB);
}

TEST(ElfSection, FilesWithoutAUsableVersionSectionGiveSizeZero)
{
    const std::vector<uint8_t> block = FullBlock();
    auto withSection = [&block](const std::string& name, uint32_t type) {
        return MakeElfImage({{".text", 1, {0xC3}}, {name, type, block}});
    };
    ElfLayout layout;
    const std::vector<uint8_t> good =
        MakeElfImage({{".text", 1, {0xC3}}, {".velmoria_version", 1, block}}, &layout);
    const size_t versionHeader = layout.SectionHeaders[2];

    std::vector<uint8_t> class32 = good;
    class32[4] = 1;
    std::vector<uint8_t> bigEndian = good;
    bigEndian[5] = 2;
    std::vector<uint8_t> offsetOutside = good;
    PutLe(offsetOutside, versionHeader + 24, good.size() - 10, 8);
    std::vector<uint8_t> sizeOverflow = good;
    PutLe(sizeOverflow, versionHeader + 32, ~uint64_t{0} - 8, 8);
    std::vector<uint8_t> tableOutside = good;
    PutLe(tableOutside, 40, good.size() - 32, 8);
    std::vector<uint8_t> tooManySections = good;
    PutLe(tooManySections, 60, 0xFF00, 2);
    std::vector<uint8_t> namesIndexOutside = good;
    PutLe(namesIndexOutside, 62, 9, 2);
    std::vector<uint8_t> nameOutsideTable = good;
    PutLe(nameOutsideTable, versionHeader, 0xFFFFFFF0u, 4);
    std::vector<uint8_t> otherRoot = good;
    otherRoot[layout.SectionData[1] + 6] = 'X'; // "XS_VERSION_INFO"
    std::vector<uint8_t> shortSection = good;
    PutLe(shortSection, versionHeader + 32, 5, 8);
    std::vector<uint8_t> namesPastTheirTable = good; // only the leading NUL is left inside
    PutLe(namesPastTheirTable, layout.SectionHeaders.back() + 32, 1, 8);
    std::vector<uint8_t> rootLongerThanSection = good;
    PutLe(rootLongerThanSection, versionHeader + 32, block.size() - 1, 8);

    struct Case
    {
        const char* What;
        std::vector<uint8_t> Bytes;
    };
    const Case cases[] = {
        {"empty file", {}},
        {"text file", {'h', 'e', 'l', 'l', 'o', '\n'}},
        {"no version section", MakeElfImage({{".text", 1, {0xC3}}})},
        {"section name only a prefix", withSection(".velmoria_versio", 1)},
        {"section name longer", withSection(".velmoria_version2", 1)},
        {"section without file contents", withSection(".velmoria_version", 8)},
        {"32-bit class", class32},
        {"big-endian data", bigEndian},
        {"section contents past the end", offsetOutside},
        {"section size wrapping around", sizeOverflow},
        {"section table past the end", tableOutside},
        {"more sections than the file holds", tooManySections},
        {"section-name table index outside", namesIndexOutside},
        {"section name offset outside its table", nameOutsideTable},
        {"section names past the end of their table", namesPastTheirTable},
        {"block whose root is not the version root", otherRoot},
        {"section shorter than a block header", shortSection},
        {"root longer than its section", rootLongerThanSection},
    };
    for (const Case& c : cases)
    {
        const TempFile file(c.Bytes);
        EXPECT_EQ(GetFileVersionInfoSize(file.Path.c_str()), 0u) << c.What;
        uint8_t data[8] = {};
        EXPECT_FALSE(GetFileVersionInfo(file.Path.c_str(), sizeof data, data)) << c.What;
    }
}

TEST(ElfSection, OddPathsGiveSizeZero)
{
    const std::string directory = std::filesystem::temp_directory_path().string();
    const char* const paths[] = {nullptr, "", "/nonexistent/velmoria", directory.c_str(),
                                 "/proc/self/status"};
    for (const char* path : paths)
    {
        EXPECT_EQ(GetFileVersionInfoSize(path), 0u) << (path ? path : "null");
        uint8_t data[64] = {};
        EXPECT_FALSE(GetFileVersionInfo(path, sizeof data, data)) << (path ? path : "null");
    }
}

TEST(ElfSection, GetFileVersionInfoRefusesABufferTooSmall)
{
    const std::vector<uint8_t> block = FullBlock();
    const TempFile file(MakeElfImage({{".velmoria_version", 1, block}}));
    std::vector<uint8_t> data(block.size() - 1, 0x5A);
    EXPECT_FALSE(
        GetFileVersionInfo(file.Path.c_str(), static_cast<uint32_t>(data.size()), data.data()));
    EXPECT_EQ(data, std::vector<uint8_t>(block.size() - 1, 0x5A));
    EXPECT_FALSE(
        GetFileVersionInfo(file.Path.c_str(), static_cast<uint32_t>(block.size()), nullptr));
}

TEST(ElfSection, EveryTruncationOrSpoilingOfAnImageIsRefusedOrReadInside)
{
    const std::vector<uint8_t> block = HandBlock();
    const std::vector<uint8_t> image =
        MakeElfImage({{".text", 1, {0xC3}}, {".velmoria_version", 1, block}});
    for (size_t size = 0; size < image.size(); ++size)
    {
        const auto exact = ExactCopy(std::vector<uint8_t>(image.begin(), image.begin() + size));
        std::vector<uint8_t> found;
        // The section header table is at the end: any cut loses it.
        EXPECT_FALSE(ExtractVersionBlock(exact.get(), size, found)) << size;
    }
    const uint8_t spoilers[] = {0x00, 0x01, 0x40, 0x7F, 0xFF};
    for (size_t at = 0; at < image.size(); ++at)
        for (uint8_t v : spoilers)
        {
            std::vector<uint8_t> bad = image;
            bad[at] = v;
            const auto exact = ExactCopy(bad);
            std::vector<uint8_t> found;
            if (ExtractVersionBlock(exact.get(), bad.size(), found))
            {
                ASSERT_LE(found.size(), bad.size());
                ExpectAnswersInside(found.data(), found.size());
            }
        }
}

TEST(ElfSection, GarbageImagesAreRefusedWithoutCrashing)
{
    uint32_t state = 12345;
    for (int round = 0; round < 200; ++round)
    {
        std::vector<uint8_t> bytes(64 + round * 7);
        for (uint8_t& b : bytes)
        {
            state = state * 1103515245u + 12345u; // ANSI C's example rand()
            b = static_cast<uint8_t>(state >> 16);
        }
        if (round % 2 == 0)
        {
            const uint8_t elf64[] = {0x7F, 'E', 'L', 'F', 2, 1, 1};
            std::memcpy(bytes.data(), elf64, sizeof elf64);
        }
        const auto exact = ExactCopy(bytes);
        std::vector<uint8_t> found;
        EXPECT_FALSE(ExtractVersionBlock(exact.get(), bytes.size(), found)) << round;
    }
}

TEST(ModuleFile, TheRunningTestProgramIsFoundAndCarriesItsBlock)
{
    const std::string path = GetModuleFileName();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_LE(path.size(), kModulePathMax);
    struct stat self, named;
    ASSERT_EQ(::stat("/proc/self/exe", &self), 0);
    ASSERT_EQ(::stat(path.c_str(), &named), 0);
    EXPECT_EQ(self.st_ino, named.st_ino);

    ASSERT_EQ(GetFileVersionInfoSize(path.c_str()), kHandBlockSize);
    std::vector<uint8_t> data(kHandBlockSize);
    ASSERT_TRUE(GetFileVersionInfo(path.c_str(), kHandBlockSize, data.data()));
    EXPECT_EQ(data, std::vector<uint8_t>(kEmbeddedBlock.begin(), kEmbeddedBlock.end()));
    EXPECT_EQ(TextAt(data, "\\StringFileInfo\\040904e4\\ProductName"), "Velmoria");
}
