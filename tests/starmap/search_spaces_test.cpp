// Every kind of search takes its text however the student spaced and cased it: "NGC 224",
// "ngc224", "m 31", " jupiter ", "U Ma".
#include "starmap/Search.h"

#include <cstring>
#include <gtest/gtest.h>

namespace
{
TEST(SearchSpaces, EveryKindOfSearchFindsItsObjectWhateverTheSpacingAndCase)
{
    // Independent facts: Andromeda is M31 and NGC 224; Ursa Major is constellation 2 and Orion
    // 11 of the program's table.
    NGCMessDB andromeda{};
    andromeda.Messier = 31;
    andromeda.NGC = 224;
    StarDB alula{};
    std::strcpy(alula.StarName, "Alula Borealis");
    enum Kind
    {
        Object,
        Constellation,
        Solar,
        Star
    };
    const struct
    {
        Kind kind;
        const char* typed;
        int found; // object or star: 1 found, 0 not; constellation number; Solar object
    } cases[] = {{Object, "NGC 224", 1},
                 {Object, " n g c 2 2 4 ", 1},
                 {Object, "m 31", 1},
                 {Object, "M31 ", 1},
                 {Object, "NGC 2 24x", 0},
                 {Object, "M 0", 0},
                 {Constellation, "U Ma", 2},
                 {Constellation, " o r i ", 11},
                 {Constellation, "Orion", search::kWrongLength},
                 {Constellation, "   ", search::kWrongLength},
                 {Solar, " moon ", 1},
                 {Solar, "S U N", 0},
                 {Solar, " jupiter ", search::kNoSolObject},
                 {Star, "alula b", 1},
                 {Star, " ALULABOREALIS ", 1},
                 {Star, "alula x", 0},
                 {Star, "  ", 0}};
    for (const auto& c : cases)
    {
        int found = 0;
        switch (c.kind)
        {
        case Object:
            found = search::ObjectMatches(search::ParseObjectQuery(c.typed), andromeda) ? 1 : 0;
            break;
        case Constellation:
            found = search::ConstellationOf(c.typed);
            break;
        case Solar:
            found = search::SolObjectOf(c.typed);
            break;
        case Star:
            found = search::StarNameMatches(alula, c.typed) ? 1 : 0;
            break;
        }
        EXPECT_EQ(found, c.found) << '"' << c.typed << '"';
    }
    EXPECT_EQ(search::SearchKey(" ngc\t 224 "), "NGC224");
}
} // namespace
