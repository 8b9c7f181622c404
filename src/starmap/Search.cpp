#include "starmap/Search.h"

#include "starmap/ConstName.h"

#include <algorithm>
#include <cstring>

namespace search
{
namespace
{
char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

// A number made of digits only, at most 65535; false for anything else (an empty text, a
// sign, a blank, a letter, or a value that 16 bits cannot hold).
bool ParseNumber(std::string_view digits, uint16_t& value)
{
    if (digits.empty())
        return false;
    unsigned long v = 0;
    for (char c : digits)
    {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + static_cast<unsigned long>(c - '0');
        if (v > 0xFFFF)
            return false;
    }
    value = static_cast<uint16_t>(v);
    return true;
}
} // namespace

std::string CollapseSpaces(std::string_view text)
{
    text = text.substr(0, std::min(text.size(), kMaxSearchText));
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] != ' ' || i + 1 == text.size() || text[i + 1] != ' ')
            out += text[i];
    return out == " " ? std::string() : out;
}

std::string SearchKey(std::string_view text)
{
    std::string key;
    key.reserve(text.size());
    for (char c : text)
        if (!IsBlank(c))
            key += Upper(c);
    return key;
}

bool StarNameMatches(const StarDB& record, std::string_view text)
{
    const std::string_view name(record.StarName, strnlen(record.StarName, sizeof record.StarName));
    if (EqualNoCase(name.substr(0, std::min<size_t>(name.size(), 3)), "N/A"))
        return false;
    const std::string key = SearchKey(text);
    const std::string nameKey = SearchKey(name);
    return !key.empty() && nameKey.compare(0, key.size(), key) == 0;
}

int FindStarRecord(const std::vector<StarDB>& records, int start, std::string_view text)
{
    for (size_t i = static_cast<size_t>(std::max(start, 0)); i < records.size(); ++i)
        if (StarNameMatches(records[i], text))
            return static_cast<int>(i);
    return -1;
}

int ConstellationOf(std::string_view text, int first)
{
    const std::string key = SearchKey(text);
    if (key.size() != 3)
        return kWrongLength;
    for (int c = std::max(first, 1); c <= kConstellationCount; ++c)
        if (EqualNoCase(ConstName[2 * c - 1], key))
            return c;
    return kNoConstellation;
}

int FirstRecordOf(const std::vector<StarDB>& records, int c)
{
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].NumConst == c)
            return static_cast<int>(i);
    return -1;
}

ObjectQuery ParseObjectQuery(std::string_view typed)
{
    const std::string key = SearchKey(typed);
    const std::string_view text = key;
    ObjectQuery q;
    uint16_t number = 0;
    if (text.size() > 1 && text[0] == 'M')
    {
        if (ParseNumber(text.substr(1), number) && number != 0)
            q = ObjectQuery{ObjectQuery::Kind::Messier, number};
    }
    else if (text.size() > 3 && text.substr(0, 3) == "NGC")
    {
        if (ParseNumber(text.substr(3), number) && number != 0)
            q = ObjectQuery{ObjectQuery::Kind::NGC, number};
    }
    return q;
}

bool ObjectMatches(const ObjectQuery& query, const NGCMessDB& record)
{
    switch (query.kind)
    {
    case ObjectQuery::Kind::Messier:
        return record.Messier == query.number;
    case ObjectQuery::Kind::NGC:
        return record.NGC == query.number;
    case ObjectQuery::Kind::None:
        break;
    }
    return false;
}

int SolObjectOf(std::string_view text)
{
    const std::string key = SearchKey(text);
    if (key == "SUN")
        return 0;
    if (key == "MOON")
        return 1;
    return kNoSolObject;
}
} // namespace search
