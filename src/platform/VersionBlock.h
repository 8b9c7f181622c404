// The program's version-information block: its layout and a builder for it.
//
// The layout follows the classic nested version resource (VS_VERSIONINFO with StringFileInfo
// and VarFileInfo), with two simplifications: keys and text values are stored as UTF-8 instead
// of UTF-16, and every value length counts bytes. All integers are little-endian.
//
// A block is
//     uint16  Length       bytes from the start of the header to the end of the block's last
//                          child (or of its value when it has no children); the padding that
//                          may follow the block is not counted
//     uint16  ValueLength  bytes of the value; a text value counts its terminating NUL
//     uint16  Type         1 text value, 0 binary value
//     char    Key[]        UTF-8, NUL-terminated
//     padding              zero bytes up to a multiple of 4 from the start of the root block
//     Value[ValueLength]
//     padding              up to a multiple of 4, when children follow
//     Children             blocks, each starting at a multiple of 4 from the start of the root,
//                          zero padding between them
//
// The tree of the program's block:
//     "VS_VERSION_INFO"                          no value
//       "StringFileInfo"                         no value
//         "040904e4"                             one string table per language and code page:
//                                                8 lower-case hex digits, language then code page
//           "CompanyName" = "..."                text values
//           "ProductName", "ProductVersion", "LegalCopyright", optional "SpecialBuild"
//       "VarFileInfo"                            no value
//         "Translation"                          binary: uint32 entries, language in the low
//                                                half, code page in the high half
//
// The 16-bit lengths limit a block to 65535 bytes, as in the classic format.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

constexpr uint16_t kVersionValueBinary = 0;
constexpr uint16_t kVersionValueText = 1;
constexpr uint32_t kVersionHeaderSize = 6;   // Length, ValueLength, Type
constexpr uint32_t kVersionBlockMax = 65535; // largest Length a header can hold

// Name of the section of the program file that holds the block.
constexpr const char* kVersionSectionName = ".velmoria_version";

// Key of the root block.
constexpr const char* kVersionRootKey = "VS_VERSION_INFO";

// One block of the tree before it is serialised.
struct VersionNode
{
    std::string Key;                   // UTF-8, no NUL inside
    uint16_t Type = kVersionValueText; // kVersionValueText or kVersionValueBinary
    std::vector<uint8_t> Value;        // stored bytes; a text value ends with its NUL
    std::vector<VersionNode> Children;
};

// The string values of one language and code page, in the order they are stored.
struct VersionStringTable
{
    uint16_t Language = 0x0409; // Windows language identifier (0x0409: U.S. English)
    uint16_t CodePage = 0x04E4; // code page (0x04E4 = 1252: Western European)
    std::vector<std::pair<std::string, std::string>> Strings; // key, UTF-8 text
};

// A text leaf: `key` with the UTF-8 `text` and its terminating NUL as value.
VersionNode MakeVersionText(const std::string& key, const std::string& text);

// A binary leaf: `key` with `bytes` as value.
VersionNode MakeVersionBinary(const std::string& key, const std::vector<uint8_t>& bytes);

// Name of the string table of a language and code page: 8 lower-case hex digits, language
// first ("040904e4" for 0x0409, 0x04E4).
std::string VersionTableName(uint16_t language, uint16_t codePage);

// Translation entry as stored: language in the low 16 bits, code page in the high 16 bits.
uint32_t VersionTranslationEntry(uint16_t language, uint16_t codePage);

// The whole tree: root, StringFileInfo with one table per element of `tables`, and
// VarFileInfo\Translation with one entry per table in the same order.
VersionNode MakeVersionTree(const std::vector<VersionStringTable>& tables);

// Serialises `node` with its children into `out` (replaced). False, with `out` emptied, when a
// key is empty or holds a NUL, a text value does not end with its only NUL, or a block would
// exceed 65535 bytes.
bool SerializeVersionNode(const VersionNode& node, std::vector<uint8_t>& out);

// MakeVersionTree then SerializeVersionNode.
bool BuildVersionBlock(const std::vector<VersionStringTable>& tables, std::vector<uint8_t>& out);
