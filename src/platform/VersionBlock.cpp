#include "platform/VersionBlock.h"

#include <algorithm>
#include <cstdio>

namespace
{
void PutU16(std::vector<uint8_t>& out, size_t at, uint32_t v)
{
    out[at] = static_cast<uint8_t>(v & 0xFF);
    out[at + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}

void PadTo4(std::vector<uint8_t>& out)
{
    while (out.size() % 4 != 0)
        out.push_back(0);
}

bool ValidNode(const VersionNode& node)
{
    if (node.Key.empty() || node.Key.find('\0') != std::string::npos)
        return false;
    if (node.Type == kVersionValueText && !node.Value.empty())
    {
        // Readers hand a text value out as a C string: exactly one NUL, at its end.
        const auto firstNul = std::find(node.Value.begin(), node.Value.end(), uint8_t{0});
        if (firstNul != node.Value.end() - 1)
            return false;
    }
    return node.Value.size() <= kVersionBlockMax;
}

// Appends `node` at the end of `out`, which must be at a multiple of 4 from the root's start.
bool AppendNode(const VersionNode& node, std::vector<uint8_t>& out)
{
    if (!ValidNode(node))
        return false;
    const size_t start = out.size();
    out.resize(start + kVersionHeaderSize, 0);
    out.insert(out.end(), node.Key.begin(), node.Key.end());
    out.push_back(0);
    PadTo4(out);
    out.insert(out.end(), node.Value.begin(), node.Value.end());
    for (const VersionNode& child : node.Children)
    {
        PadTo4(out);
        if (!AppendNode(child, out))
            return false;
    }
    const size_t length = out.size() - start;
    if (length > kVersionBlockMax)
        return false;
    PutU16(out, start, static_cast<uint32_t>(length));
    PutU16(out, start + 2, static_cast<uint32_t>(node.Value.size()));
    PutU16(out, start + 4, node.Type);
    return true;
}
} // namespace

VersionNode MakeVersionText(const std::string& key, const std::string& text)
{
    VersionNode node{key, kVersionValueText, {text.begin(), text.end()}, {}};
    node.Value.push_back(0);
    return node;
}

VersionNode MakeVersionBinary(const std::string& key, const std::vector<uint8_t>& bytes)
{
    return VersionNode{key, kVersionValueBinary, bytes, {}};
}

std::string VersionTableName(uint16_t language, uint16_t codePage)
{
    char name[9];
    std::snprintf(name, sizeof name, "%04x%04x", static_cast<unsigned>(language),
                  static_cast<unsigned>(codePage));
    return name;
}

uint32_t VersionTranslationEntry(uint16_t language, uint16_t codePage)
{
    return static_cast<uint32_t>(language) | (static_cast<uint32_t>(codePage) << 16);
}

VersionNode MakeVersionTree(const std::vector<VersionStringTable>& tables)
{
    VersionNode stringInfo{"StringFileInfo", kVersionValueText, {}, {}};
    std::vector<uint8_t> translation;
    for (const VersionStringTable& table : tables)
    {
        VersionNode strings{
            VersionTableName(table.Language, table.CodePage), kVersionValueText, {}, {}};
        for (const auto& [key, text] : table.Strings)
            strings.Children.push_back(MakeVersionText(key, text));
        stringInfo.Children.push_back(std::move(strings));

        const uint32_t entry = VersionTranslationEntry(table.Language, table.CodePage);
        for (int shift = 0; shift < 32; shift += 8)
            translation.push_back(static_cast<uint8_t>((entry >> shift) & 0xFF));
    }

    VersionNode varInfo{
        "VarFileInfo", kVersionValueText, {}, {MakeVersionBinary("Translation", translation)}};
    return VersionNode{kVersionRootKey, kVersionValueBinary, {}, {std::move(stringInfo), varInfo}};
}

bool SerializeVersionNode(const VersionNode& node, std::vector<uint8_t>& out)
{
    out.clear();
    if (AppendNode(node, out))
        return true;
    out.clear();
    return false;
}

bool BuildVersionBlock(const std::vector<VersionStringTable>& tables, std::vector<uint8_t>& out)
{
    return SerializeVersionNode(MakeVersionTree(tables), out);
}
