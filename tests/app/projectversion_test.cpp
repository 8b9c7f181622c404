#include "../platform/VersionTestFiles.h"
#include "app/ProjectRCVersion.h"
#include "platform/VersionBlock.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace versiontest;

namespace
{
// The test program's own version block, read by a reader built with the default module.
__attribute__((used, section(".velmoria_version"))) constexpr auto kEmbeddedBlock = MakeHandBlock();

using Strings = std::vector<std::pair<std::string, std::string>>;

const Strings kAllKeys = {
    {"CompanyName", "The Velmoria developers"},
    {"ProductName", "Velmoria"},
    {"ProductVersion", "1.0.0"},
    {"LegalCopyright", "Copyright (C) 2026 The Velmoria developers"},
    {"SpecialBuild", "Test build"},
};

// A program file whose version section holds `tree`.
TempFile ProgramWith(const VersionNode& tree)
{
    std::vector<uint8_t> block;
    EXPECT_TRUE(SerializeVersionNode(tree, block));
    return TempFile(MakeElfImage({{".text", 1, {0xC3}}, {".velmoria_version", 1, block}}));
}

struct Texts
{
    std::string Company, Product, Version, Copyright, Debug;
    bool operator==(const Texts&) const = default;
};

// What each lookup gives, "-" for a failed one.
Texts ReadAll(const TProjectRCVersion& reader)
{
    auto text = [&reader](const char* key)
    {
        const char* value = nullptr;
        return reader.GetValue(key, value) ? std::string(value) : std::string("-");
    };
    return {text("CompanyName"), text("ProductName"), text("ProductVersion"),
            text("LegalCopyright"), text("SpecialBuild")};
}

// Exposes the translation entry for the test of its swapped halves.
class TranslationProbe : public TProjectRCVersion
{
public:
    using TProjectRCVersion::TProjectRCVersion;
    const uint8_t* Translation() const { return TransBlock; }
    const uint8_t* Data() const { return FVData.get(); }
};

const Texts kNothing = {"-", "-", "-", "-", "-"};
} // namespace

TEST(ProjectRCVersion, ReadsEveryKeyOfTheProgramFile)
{
    const TempFile file = ProgramWith(MakeVersionTree({{0x0409, 0x04E4, kAllKeys}}));
    const TProjectRCVersion reader(file.Path);
    const Texts expected = {"The Velmoria developers", "Velmoria", "1.0.0",
                            "Copyright (C) 2026 The Velmoria developers", "Test build"};
    EXPECT_EQ(ReadAll(reader), expected);
}

TEST(ProjectRCVersion, TranslationEntryIsSwappedSoTheLanguageIsTheHighHalf)
{
    const TempFile file = ProgramWith(MakeVersionTree({{0x0409, 0x04E4, kAllKeys}}));
    const TranslationProbe reader(file.Path);
    ASSERT_NE(reader.Translation(), nullptr);
    // Stored as 09 04 E4 04 (language low); after the swap E4 04 09 04, i.e. 0x040904E4.
    const uint8_t swapped[4] = {0xE4, 0x04, 0x09, 0x04};
    EXPECT_EQ(std::memcmp(reader.Translation(), swapped, 4), 0);
    EXPECT_GE(reader.Translation(), reader.Data());
}

TEST(ProjectRCVersion, LooksUpTheTableNamedByTheFirstTranslationEntry)
{
    const Strings english = {{"ProductName", "Velmoria"}, {"ProductVersion", "1.0.0"}};
    const Strings spanish = {{"ProductName", "Velmoria ES"}, {"ProductVersion", "1.0.0-es"}};

    // The table name is spelled out by hand; the tree's own naming is not used.
    auto withTable =
        [](const std::string& name, const Strings& strings, uint16_t language, uint16_t codePage)
    {
        VersionNode tree = MakeVersionTree({{language, codePage, strings}});
        tree.Children[0].Children[0].Key = name;
        return tree;
    };
    struct Case
    {
        const char* What;
        VersionNode Tree;
        const char* Product;
    };
    const Case cases[] = {
        {"0x0409/0x04E4 reads table 040904e4", withTable("040904e4", english, 0x0409, 0x04E4),
         "Velmoria"},
        {"table names compare without case", withTable("040904E4", english, 0x0409, 0x04E4),
         "Velmoria"},
        {"halves left unswapped would name 04e40409",
         withTable("04e40409", english, 0x0409, 0x04E4), "-"},
        {"0x0C0A/0x04B0 reads table 0c0a04b0", withTable("0c0a04b0", spanish, 0x0C0A, 0x04B0),
         "Velmoria ES"},
        {"first of two translations wins",
         MakeVersionTree({{0x0C0A, 0x04B0, spanish}, {0x0409, 0x04E4, english}}), "Velmoria ES"},
    };
    for (const Case& c : cases)
    {
        const TempFile file = ProgramWith(c.Tree);
        const char* v = nullptr;
        const TProjectRCVersion reader(file.Path);
        EXPECT_EQ(reader.GetValue("ProductName", v) ? std::string(v) : "-", c.Product) << c.What;
    }
}

TEST(ProjectRCVersion, AbsentKeysAnswerFalseAndLeaveTheTextAlone)
{
    const Strings some = {{"ProductName", "Velmoria"}, {"ProductVersion", "1.0.0"}};
    const TempFile file = ProgramWith(MakeVersionTree({{0x0409, 0x04E4, some}}));
    const TProjectRCVersion reader(file.Path);
    const char* const untouched = "keep";
    const char* v = untouched;
    EXPECT_FALSE(reader.GetValue("SpecialBuild", v));
    EXPECT_FALSE(reader.GetValue("CompanyName", v));
    EXPECT_FALSE(reader.GetValue("LegalCopyright", v));
    EXPECT_EQ(v, untouched);
    EXPECT_EQ(ReadAll(reader), (Texts{"-", "Velmoria", "1.0.0", "-", "-"}));
}

TEST(ProjectRCVersion, HoldsNoDataWithoutAUsableTranslationTable)
{
    VersionNode noVarInfo = MakeVersionTree({{0x0409, 0x04E4, kAllKeys}});
    noVarInfo.Children.pop_back();
    VersionNode shortTranslation = MakeVersionTree({{0x0409, 0x04E4, kAllKeys}});
    shortTranslation.Children[1].Children[0].Value = {0x09, 0x04}; // half an entry
    VersionNode emptyTranslation = MakeVersionTree({{0x0409, 0x04E4, kAllKeys}});
    emptyTranslation.Children[1].Children[0].Value.clear();
    // A string key stored as binary bytes without a NUL is no text to hand out.
    VersionNode binaryValue = MakeVersionTree({{0x0409, 0x04E4, kAllKeys}});
    binaryValue.Children[0].Children[0].Children[1] = MakeVersionBinary("ProductName", {'V', 'e'});

    struct Case
    {
        const char* What;
        VersionNode Tree;
        Texts Expected;
    };
    const Case cases[] = {
        {"no VarFileInfo", noVarInfo, kNothing},
        {"translation shorter than one entry", shortTranslation, kNothing},
        {"empty translation", emptyTranslation, kNothing},
        {"unterminated binary value",
         binaryValue,
         {"The Velmoria developers", "-", "1.0.0", "Copyright (C) 2026 The Velmoria developers",
          "Test build"}},
    };
    for (const Case& c : cases)
    {
        const TempFile file = ProgramWith(c.Tree);
        EXPECT_EQ(ReadAll(TProjectRCVersion(file.Path)), c.Expected) << c.What;
    }
}

TEST(ProjectRCVersion, FilesWithoutAVersionBlockGiveNothing)
{
    const TempFile noSection(MakeElfImage({{".text", 1, {0xC3}}}));
    const TempFile notElf(std::vector<uint8_t>{'#', '!', '/', 'b', 'i', 'n'});
    const char* const paths[] = {noSection.Path.c_str(), notElf.Path.c_str(),
                                 "/nonexistent/velmoria", ""};
    for (const char* path : paths)
        EXPECT_EQ(ReadAll(TProjectRCVersion(path)), kNothing) << path;
}

TEST(ProjectRCVersion, TwoReadersReadTheResourceTwiceAndShowTheSameText)
{
    const TempFile file = ProgramWith(MakeVersionTree({{0x0409, 0x04E4, kAllKeys}}));
    const TProjectRCVersion first(file.Path);
    const TProjectRCVersion second(file.Path);
    EXPECT_EQ(ReadAll(first), ReadAll(second));
    const char* a = nullptr;
    const char* b = nullptr;
    ASSERT_TRUE(first.GetValue("ProductVersion", a));
    ASSERT_TRUE(second.GetValue("ProductVersion", b));
    EXPECT_NE(a, b); // each reader holds its own copy of the block
    EXPECT_STREQ(a, "1.0.0");
    EXPECT_STREQ(b, "1.0.0");
}

TEST(ProjectRCVersion, DefaultReaderReadsTheRunningProgram)
{
    ASSERT_EQ(kEmbeddedBlock.size(), kHandBlockSize);
    const TProjectRCVersion reader;
    EXPECT_EQ(ReadAll(reader), (Texts{"-", "Velmoria", "-", "-", "-"}));
}
