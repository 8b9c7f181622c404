// The Star Map's search rules: how the typed text is copied, and how it matches a star name, a
// constellation abbreviation, a Messier or NGC number, or the Sun and the Moon. Every kind of
// search ignores blanks and letter case ("NGC 224" is "ngc224", " jupiter " is "JUPITER"). Pure
// text and record operations; the window opens the cards and tells the user.
#pragma once

#include "starmap/StarRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace search
{
// The longest search text, in characters (the window's buffer holds one more for the NUL).
constexpr size_t kMaxSearchText = 254;

// The search dialog's copy of the typed text: at most kMaxSearchText characters, every run of
// spaces reduced to one. A text that is then a single space counts as nothing typed: "".
std::string CollapseSpaces(std::string_view text);

// The form in which every search compares a text: blanks (spaces and tabs) dropped, ASCII
// letters upper-cased. " ngc  224 " gives "NGC224"; a text of blanks gives "".
std::string SearchKey(std::string_view text);

// Whether the record's name begins with `text`, both compared as SearchKey forms: letter case
// and blanks do not count ("alula b", "ALULAB" and " Alula  Borealis " all match "Alula
// Borealis"). Stars without a proper name ("N/A...") never match, nor does an empty or
// all-blank text.
bool StarNameMatches(const StarDB& record, std::string_view text);

// The index of the first record from `start` on whose name matches `text`; -1 when none does.
int FindStarRecord(const std::vector<StarDB>& records, int start, std::string_view text);

// Constellation numbers for an abbreviation.
constexpr int kWrongLength = -1; // the text is not three characters long
constexpr int kNoConstellation = 0;

// The first constellation number c >= `first` whose abbreviation equals the SearchKey form of
// `text` ("uma", " U Ma "); kWrongLength when that form is not three characters long,
// kNoConstellation when no abbreviation matches.
int ConstellationOf(std::string_view text, int first = 1);

// The index of the first record of constellation number `c`; -1 when there is none.
int FirstRecordOf(const std::vector<StarDB>& records, int c);

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

// What the Find dialog asks for.
enum class Kind : uint8_t
{
    None, // cancelled, or no name typed
    Star,
    Constellation,
    DeepSky,
    SolarObject
};

// The Find dialog's answer: the kind of object and the name typed, runs of spaces made one.
struct Query
{
    Kind kind = Kind::None;
    std::string text;
};

// The search the Find dialog started and Find Next continues.
struct SearchState
{
    Kind kind = Kind::None;
    std::string text;    // as typed, runs of spaces made one
    int lastIndex = -1;  // the last star found; past the stars: the planets (StarCount + k)
    bool active = false; // a search was started and not ended
    bool more = false;   // Find Next may find another star
};
} // namespace search
