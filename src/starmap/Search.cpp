#include "starmap/Search.h"

#include "starmap/ConstName.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace search
{
namespace
{
// A number made of digits only, at most 65535; false for anything else (an empty text, a
// sign, a blank, a letter, or a value that 16 bits cannot hold).
bool ParseNumber(std::string_view digits, uint16_t& value)
{
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    return error == std::errc{} && stop == end;
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
        if (c != ' ' && c != '\t')
            key += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return key;
}

bool StarNameMatches(const StarDB& record, std::string_view text)
{
    const std::string_view name(record.StarName, strnlen(record.StarName, sizeof record.StarName));
    if (SearchKey(name.substr(0, 3)) == "N/A")
        return false;
    const std::string key = SearchKey(text);
    return !key.empty() && SearchKey(name).starts_with(key);
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
        if (ConstName[2 * c - 1] == key)
            return c;
    return kNoConstellation;
}

int FirstRecordOf(const std::vector<StarDB>& records, int c)
{
    const auto first = std::ranges::find(records, c, &StarDB::NumConst);
    return first == records.end() ? -1 : static_cast<int>(first - records.begin());
}

ObjectQuery ParseObjectQuery(std::string_view typed)
{
    const std::string key = SearchKey(typed);
    const std::string_view text = key;
    const std::string_view prefix = text.starts_with('M') ? "M" : "NGC";
    uint16_t number = 0;
    if (text.size() > prefix.size() && text.starts_with(prefix) &&
        ParseNumber(text.substr(prefix.size()), number) && number != 0)
        return {prefix == "M" ? ObjectQuery::Kind::Messier : ObjectQuery::Kind::NGC, number};
    return {};
}

bool ObjectMatches(const ObjectQuery& query, const NGCMessDB& record)
{
    if (query.kind == ObjectQuery::Kind::Messier)
        return record.Messier == query.number;
    return query.kind == ObjectQuery::Kind::NGC && record.NGC == query.number;
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
