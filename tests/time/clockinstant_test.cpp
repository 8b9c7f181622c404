#include "time/ClockInstant.h"

#include <gtest/gtest.h>
#include <tuple>

namespace
{
struct InstantCase
{
    Date date;
    Time time;
    uint64_t seconds;
};

// Expected counts from Unix time: 1901-01-01 00:00 UTC is -2177452800 s from the Unix epoch.
TEST(ClockInstant, MatchesKnownCountsFromTheStartOf1901)
{
    const InstantCase cases[] = {
        {{1, 1, 1901}, {0, 0, 0}, 0},
        {{1, 1, 1901}, {0, 0, 1}, 1},
        {{2, 1, 1901}, {0, 0, 0}, 86400},
        {{1, 1, 1970}, {0, 0, 0}, 2177452800ull},
        {{1, 1, 2000}, {0, 0, 0}, 3124137600ull},
        {{29, 2, 2000}, {12, 30, 15}, 3124137600ull + 59ull * 86400 + 12 * 3600 + 30 * 60 + 15},
        {{31, 12, 2036}, {23, 59, 59}, 2177452800ull + 2114380799ull},
    };
    for (const InstantCase& c : cases)
    {
        EXPECT_EQ(ClockInstant(c.date, c.time), c.seconds)
            << c.date.Day << "/" << c.date.Month << "/" << c.date.Year;
        // And back: the instant's date and time.
        Date date{};
        Time time{};
        DateTimeOfInstant(c.seconds, date, time);
        EXPECT_EQ(std::tie(date.Day, date.Month, date.Year, time.Hour, time.Minute, time.Second),
                  std::tie(c.date.Day, c.date.Month, c.date.Year, c.time.Hour, c.time.Minute,
                           c.time.Second))
            << c.seconds;
    }
}

TEST(ClockInstant, EveryDayFrom1901To2999ComesBackFromItsInstant)
{
    Date date{1, 1, 1901};
    for (uint64_t day = 0; date.Year <= 2999; ++day)
    {
        Date back{};
        Time time{};
        DateTimeOfInstant(day * 86400 + 86399, back, time);
        ASSERT_EQ(std::tie(back.Day, back.Month, back.Year),
                  std::tie(date.Day, date.Month, date.Year))
            << day;
        ASSERT_EQ(time.Hour, 23u);
        date.Day += 1;
        if (!DayWithinMonth(date.Day, date.Month, date.Year))
        {
            date.Day = 1;
            if (++date.Month > 12)
            {
                date.Month = 1;
                ++date.Year;
            }
        }
    }
}

TEST(ClockInstant, DoesNotWrapAfterFebruary2037)
{
    // 2^32 seconds after 1901 is 2037-02-06 06:28:16: the 32-bit count wrapped to 0 there.
    EXPECT_EQ(ClockInstant({6, 2, 2037}, {6, 28, 15}), 4294967295ull);
    EXPECT_EQ(ClockInstant({6, 2, 2037}, {6, 28, 16}), 4294967296ull);
    EXPECT_GT(ClockInstant({31, 12, 2999}, {23, 59, 59}), ClockInstant({1, 1, 2999}, {0, 0, 0}));
    // 1098 years of 365.2425 days on average, give or take the 1901..2000 part.
    EXPECT_NEAR(static_cast<double>(ClockInstant({1, 1, 2999}, {0, 0, 0})),
                1098.0 * 365.2425 * 86400.0, 2.0 * 86400.0);
}

TEST(ClockInstant, DayBeyondTheMonthCountsIntoTheNext)
{
    EXPECT_EQ(ClockInstant({31, 2, 1999}, {0, 0, 0}), ClockInstant({3, 3, 1999}, {0, 0, 0}));
    EXPECT_EQ(ClockInstant({29, 2, 2001}, {0, 0, 0}), ClockInstant({1, 3, 2001}, {0, 0, 0}));
    EXPECT_EQ(ClockInstant({29, 2, 2000}, {0, 0, 0}) + 86400,
              ClockInstant({1, 3, 2000}, {0, 0, 0}));
}

TEST(ClockInstant, GregorianMonthLengths)
{
    EXPECT_TRUE(DayWithinMonth(29, 2, 2000));
    EXPECT_FALSE(DayWithinMonth(29, 2, 2100));
    EXPECT_TRUE(DayWithinMonth(29, 2, 2004));
    EXPECT_TRUE(DayWithinMonth(29, 2, 1904));
    EXPECT_FALSE(DayWithinMonth(29, 2, 1999));
    EXPECT_FALSE(DayWithinMonth(31, 4, 2000));
    EXPECT_TRUE(DayWithinMonth(31, 12, 2999));
    EXPECT_FALSE(DayWithinMonth(0, 1, 2000));
    EXPECT_FALSE(DayWithinMonth(1, 13, 2000));
}
} // namespace
