#include "model/NumFormat.h"

#include <gtest/gtest.h>

namespace
{
struct NumCase
{
    double num;
    uint8_t ndig;
    bool exp;
    const char* text;
};

TEST(NumToStr, FormatsTheWorkedExamplesAndEdges)
{
    const NumCase cases[] = {
        {149.6, 2, false, "149.6"},
        {3.0, 4, false, "3"},
        {0.5, 2, false, "0.5"},
        {123456, 2, true, "1.23 E+5"},
        {0.000123, 2, true, "1.23 E-4"},
        {250, 2, true, "250"},
        {0.05, 4, true, "0.05"},
        {1000, 2, true, "1 E+3"},
        {999, 2, true, "999"},
        {0.01, 4, true, "0.01"},
        {0.001, 4, true, "1 E-3"},
        {12.50, 2, false, "12.5"},
        {7.00, 2, false, "7"},
        {100.00, 2, false, "100"},
        {0.1, 8, false, "0.1"},
        {5.0, 6, false, "5"},
        {1.5, 3, false, "1.5"}, // any other count means 2 decimals
        {1.0 / 3.0, 7, false, "0.33"},
        {57909.05, 4, false, "57909.0508"}, // single precision shows in the fourth decimal
        // The small exponent is undone in double precision before rounding to single: the
        // quotient 2.5 (of 0.025f / 10^-2) times 0.01 lands above 0.025 and rounds up.
        {0.025, 2, true, "0.03"},
        {0.485, 2, true, "0.49"},
        {0.115, 2, true, "0.11"},
        // A value in [1, 10) with the exponent allowed goes to 78.74 and back: 7.8739996 at 8
        // decimals, where without the exponent the single-precision 7.874 prints 7.87400007.
        {7.874, 8, true, "7.8739996"},
        {7.874, 8, false, "7.87400007"},
    };
    for (const NumCase& c : cases)
        EXPECT_EQ(NumToStr(c.num, c.ndig, c.exp), c.text) << c.num << " " << int(c.ndig);
}

TEST(NumToStr, ZeroAndNegativeValuesWithExponentReturn)
{
    EXPECT_EQ(NumToStr(0.0, 2, true), "0");
    EXPECT_EQ(NumToStr(-123456.0, 2, true), "-1.23 E+5");
    EXPECT_EQ(NumToStr(-0.5, 2, true), "-0.5");
}

TEST(NumToStr, WritesHugeValuesWithoutTheExponentInFull)
{
    EXPECT_EQ(NumToStr(1.0e30, 8, false).substr(0, 4), "1000");
    EXPECT_GT(NumToStr(1.0e38, 8, false).size(), 30u);
}

TEST(AdjustString, TurnsUnderscoresIntoBlanksAndSpacesCommas)
{
    EXPECT_EQ(AdjustString("Alpha_Centauri"), "Alpha Centauri");
    EXPECT_EQ(AdjustString("a,b"), "a, b");
    EXPECT_EQ(AdjustString(""), "");
    EXPECT_EQ(AdjustString(",,"), ", , ");
    EXPECT_EQ(AdjustString("a,b,c"), "a, b, c");
}
} // namespace
