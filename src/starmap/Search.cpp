#include "starmap/Search.h"

#include "app/ConstName.h"

#include <cstring>

namespace search
{
namespace
{
char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
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

void UpperCase(char* text)
{
    for (; *text; ++text)
        *text = Upper(*text);
}

bool StarNameMatches(const StarDB& record, std::string_view upperText)
{
    const std::string_view name(record.StarName, strnlen(record.StarName, sizeof record.StarName));
    if (EqualNoCase(name.substr(0, std::min<size_t>(name.size(), 3)), "N/A"))
        return false;
    if (upperText.empty() || upperText.size() > name.size())
        return false;
    return EqualNoCase(name.substr(0, upperText.size()), upperText);
}

int FindStarRecord(std::FILE* f, int start, int limit, std::string_view upperText)
{
    if (start < 0 || start >= limit ||
        std::fseek(f, static_cast<long>(start) * static_cast<long>(sizeof(StarDB)), SEEK_SET) != 0)
        return -1;
    StarDB record;
    for (int i = start; i < limit && std::fread(&record, sizeof record, 1, f) == 1; ++i)
        if (StarNameMatches(record, upperText))
            return i;
    return -1;
}

int ConstellationOf(std::string_view text, int first)
{
    const size_t from = text.find_first_not_of(' ');
    if (from == std::string_view::npos)
        return kWrongLength;
    text = text.substr(from, text.find_last_not_of(' ') - from + 1);
    if (text.size() != 3)
        return kWrongLength;
    for (int c = std::max(first, 1); c <= kConstellationCount; ++c)
        if (EqualNoCase(ConstName[2 * c - 1], text))
            return c;
    return kNoConstellation;
}

int FirstRecordOf(std::FILE* f, int c, int limit)
{
    if (std::fseek(f, 0, SEEK_SET) != 0)
        return -1;
    StarDB record;
    for (int i = 0; i < limit && std::fread(&record, sizeof record, 1, f) == 1; ++i)
        if (record.NumConst == c)
            return i;
    return -1;
}

ObjectQuery ParseObjectQuery(std::string_view text)
{
    ObjectQuery q;
    uint16_t number = 0;
    if (text.size() > 1 && (text[0] == 'M' || text[0] == 'm'))
    {
        if (ParseNumber(text.substr(1), number) && number != 0)
            q = ObjectQuery{ObjectQuery::Kind::Messier, number};
    }
    else if (text.size() > 3 && EqualNoCase(text.substr(0, 3), "NGC"))
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
    if (EqualNoCase(text, "SUN"))
        return 0;
    if (EqualNoCase(text, "MOON"))
        return 1;
    return -1;
}
} // namespace search
