// The Star Map's search rules: how the typed text is copied, and how it matches a star name, a
// constellation abbreviation, a Messier or NGC number, or the Sun and the Moon. Pure text and
// record operations; the window opens the cards and tells the user.
#pragma once

#include "starmap/StarRecord.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace search
{
// The longest search text, in characters (the window's buffer holds one more for the NUL).
constexpr size_t kMaxSearchText = 254;

// The search dialog's copy of the typed text: at most kMaxSearchText characters, every run of
// spaces reduced to one. A text that is then a single space counts as nothing typed: "".
std::string CollapseSpaces(std::string_view text);

// Upper-cases the ASCII letters of the NUL-terminated `text` in place.
void UpperCase(char* text);

// Whether the record's name begins with `upperText` (already upper-cased), ignoring letter
// case. Stars without a proper name ("N/A...") never match; an empty text never matches.
bool StarNameMatches(const StarDB& record, std::string_view upperText);

// Reads StarDB records from `f`, starting with record `start` and ending before record `limit`,
// and returns the index of the first whose name matches `upperText`; -1 when none does or the
// records cannot be read.
int FindStarRecord(std::FILE* f, int start, int limit, std::string_view upperText);

// Constellation numbers for an abbreviation.
constexpr int kWrongLength = -1; // the text is not three characters long
constexpr int kNoConstellation = 0;

// The first constellation number c >= `first` whose abbreviation equals `text`, compared
// without letter case after leading and trailing spaces are dropped; kWrongLength when what is
// left is not three characters long, kNoConstellation when no abbreviation matches.
int ConstellationOf(std::string_view text, int first = 1);

// Index of the first record of `f` (read from its start, at most `limit` records) with
// constellation number `c`; -1 when there is none.
int FirstRecordOf(std::FILE* f, int c, int limit);

// A deep-sky search: a Messier number ("M31", "m31") or an NGC number ("NGC224", any case).
struct ObjectQuery
{
    enum class Kind
    {
        None,
        Messier,
        NGC
    };
    Kind kind = Kind::None;
    uint16_t number = 0;
};

// Reads "M" or "m" followed by digits only, or "NGC" (any case) followed by digits only. A
// number of 0 (the catalogue's "none") or one above 65535 matches no object.
ObjectQuery ParseObjectQuery(std::string_view text);

// Whether the record has the queried Messier or NGC number.
bool ObjectMatches(const ObjectQuery& query, const NGCMessDB& record);

// The Solar object named by `text`: 0 for exactly "SUN", 1 for exactly "MOON" (any case), -1
// for anything else.
int SolObjectOf(std::string_view text);
} // namespace search
