// The Star Map's search rules: how the typed text is copied, and how it matches a star name, a
// constellation abbreviation, a Messier or NGC number, or the Sun and the Moon. Every kind of
// search ignores blanks and letter case ("NGC 224" is "ngc224", " jupiter " is "JUPITER"). Pure
// text and record operations; the window opens the cards and tells the user.
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

// The form in which every search compares a text: blanks (spaces and tabs) dropped, ASCII
// letters upper-cased. " ngc  224 " gives "NGC224"; a text of blanks gives "".
std::string SearchKey(std::string_view text);

// Whether the record's name begins with `text`, both compared as SearchKey forms: letter case
// and blanks do not count ("alula b", "ALULAB" and " Alula  Borealis " all match "Alula
// Borealis"). Stars without a proper name ("N/A...") never match, nor does an empty or
// all-blank text.
bool StarNameMatches(const StarDB& record, std::string_view text);

// Reads StarDB records from `f`, starting with record `start` and ending before record `limit`,
// and returns the index of the first whose name matches `text`; -1 when none does or the
// records cannot be read.
int FindStarRecord(std::FILE* f, int start, int limit, std::string_view text);

// Constellation numbers for an abbreviation.
constexpr int kWrongLength = -1; // the text is not three characters long
constexpr int kNoConstellation = 0;

// The first constellation number c >= `first` whose abbreviation equals the SearchKey form of
// `text` ("uma", " U Ma "); kWrongLength when that form is not three characters long,
// kNoConstellation when no abbreviation matches.
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

// Reads the SearchKey form of `text`: "M" followed by digits only, or "NGC" followed by digits
// only ("M31", "m 31", "NGC 224", "ngc224"). A number of 0 (the catalogue's "none") or one
// above 65535 matches no object.
ObjectQuery ParseObjectQuery(std::string_view text);

// Whether the record has the queried Messier or NGC number.
bool ObjectMatches(const ObjectQuery& query, const NGCMessDB& record);

// The Solar object named by `text`: 0 for the Sun, 1 for the Moon (the SearchKey form is "SUN"
// or "MOON": " moon ", "Sun"), kNoSolObject for anything else, which the window reports as not
// found.
constexpr int kNoSolObject = -1;
int SolObjectOf(std::string_view text);
} // namespace search
