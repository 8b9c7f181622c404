// Calendar stepping, month lengths and pane texts of the simulated clock.
#include "time/Calendar.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace
{
struct Moment
{
    Date date;
    Time time;
};

bool operator==(const Moment& a, const Moment& b)
{
    return std::tie(a.date.Day, a.date.Month, a.date.Year, a.time.Hour, a.time.Minute,
                    a.time.Second) == std::tie(b.date.Day, b.date.Month, b.date.Year, b.time.Hour,
                                               b.time.Minute, b.time.Second);
}

std::ostream& operator<<(std::ostream& os, const Moment& m)
{
    return os << m.date.Day << "/" << m.date.Month << "/" << m.date.Year << " " << m.time.Hour
              << ":" << m.time.Minute << ":" << m.time.Second;
}

Moment At(uint32_t d, uint32_t mo, uint32_t y, uint32_t h = 12, uint32_t mi = 30, uint32_t s = 15)
{
    return Moment{Date{d, mo, y}, Time{h, mi, s}};
}

const char* UnitName(ClockUnit u)
{
    switch (u)
    {
    case ClockUnit::Second:
        return "seconds";
    case ClockUnit::Minute:
        return "minutes";
    case ClockUnit::Hour:
        return "hours";
    case ClockUnit::Day:
        return "days";
    case ClockUnit::Month:
        return "months";
    case ClockUnit::Year:
        return "years";
    }
    return "?";
}

struct StepCase
{
    Moment start;
    ClockUnit unit;
    bool forward;
    Moment expected;
    bool inBounds;
};

constexpr ClockUnit S = ClockUnit::Second;
constexpr ClockUnit Mi = ClockUnit::Minute;
constexpr ClockUnit H = ClockUnit::Hour;
constexpr ClockUnit D = ClockUnit::Day;
constexpr ClockUnit Mo = ClockUnit::Month;
constexpr ClockUnit Y = ClockUnit::Year;
constexpr bool Fwd = true;
constexpr bool Back = false;
} // namespace

TEST(Calendar, MonthLengthFollowsTheGregorianRules)
{
    const struct
    {
        uint32_t month, year;
        int days;
    } cases[] = {
        {2, 2000, 29},  {2, 2100, 28},  {2, 2004, 29}, {2, 1904, 29}, {2, 1900, 28}, {2, 1901, 28},
        {2, 2400, 29},  {2, 2999, 28},  {1, 1999, 31}, {4, 1999, 30}, {6, 2000, 30}, {9, 2000, 30},
        {11, 2000, 30}, {12, 2999, 31}, {7, 1901, 31}, {8, 1901, 31}, {0, 2000, 28}, {13, 2000, 28},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MonthLength(c.month, c.year), c.days) << c.month << "/" << c.year;
}

TEST(Calendar, OneStepCarriesBorrowsAndKeepsDaysAsTheCalendarRulesSay)
{
    const StepCase cases[] = {
        // Days across February in leap and common years, and across the year end.
        {At(28, 2, 2000), D, Fwd, At(29, 2, 2000), true},
        {At(28, 2, 2100), D, Fwd, At(1, 3, 2100), true},
        {At(28, 2, 2004), D, Fwd, At(29, 2, 2004), true},
        {At(28, 2, 1904), D, Fwd, At(29, 2, 1904), true},
        {At(29, 2, 1904), D, Fwd, At(1, 3, 1904), true},
        {At(31, 12, 1999), D, Fwd, At(1, 1, 2000), true},
        {At(30, 4, 1999), D, Fwd, At(1, 5, 1999), true},
        {At(1, 3, 2004), D, Back, At(29, 2, 2004), true},
        {At(1, 3, 2100), D, Back, At(28, 2, 2100), true},
        {At(1, 3, 2000), D, Back, At(29, 2, 2000), true},
        {At(1, 1, 1950), D, Back, At(31, 12, 1949), true},
        {At(1, 5, 1999), D, Back, At(30, 4, 1999), true},
        // Months and years keep the day when the new month has it, else take its last day:
        // no month is skipped and no date that does not exist is shown.
        {At(31, 1, 1999), Mo, Fwd, At(28, 2, 1999), true},
        {At(31, 1, 2000), Mo, Fwd, At(29, 2, 2000), true},
        {At(28, 2, 1999), Mo, Fwd, At(28, 3, 1999), true},
        {At(29, 1, 2000), Mo, Fwd, At(29, 2, 2000), true},
        {At(15, 1, 1999), Mo, Fwd, At(15, 2, 1999), true},
        {At(30, 11, 1999), Mo, Fwd, At(30, 12, 1999), true},
        {At(31, 12, 1999), Mo, Fwd, At(31, 1, 2000), true},
        {At(31, 3, 1999), Mo, Back, At(28, 2, 1999), true},
        {At(31, 12, 1999), Mo, Back, At(30, 11, 1999), true},
        {At(15, 1, 2000), Mo, Back, At(15, 12, 1999), true},
        {At(29, 2, 2000), Y, Fwd, At(28, 2, 2001), true},
        {At(29, 2, 2004), Y, Back, At(28, 2, 2003), true},
        {At(29, 2, 1996), Y, Fwd, At(28, 2, 1997), true},
        {At(28, 2, 1999), Y, Fwd, At(28, 2, 2000), true},
        // Time units and their carries up to the year.
        {At(31, 12, 1999, 23, 59, 59), S, Fwd, At(1, 1, 2000, 0, 0, 0), true},
        {At(28, 2, 2000, 23, 59, 59), S, Fwd, At(29, 2, 2000, 0, 0, 0), true},
        {At(1, 1, 2000, 0, 0, 0), S, Back, At(31, 12, 1999, 23, 59, 59), true},
        {At(1, 3, 2100, 0, 0, 0), S, Back, At(28, 2, 2100, 23, 59, 59), true},
        {At(10, 6, 2000, 10, 59, 7), Mi, Fwd, At(10, 6, 2000, 11, 0, 7), true},
        {At(10, 6, 2000, 11, 0, 7), Mi, Back, At(10, 6, 2000, 10, 59, 7), true},
        {At(30, 6, 2000, 23, 5, 7), H, Fwd, At(1, 7, 2000, 0, 5, 7), true},
        {At(1, 7, 2000, 0, 5, 7), H, Back, At(30, 6, 2000, 23, 5, 7), true},
        // A day beyond its month (no step makes one, but a hand-set clock might) wraps at the
        // next day step.
        {At(31, 2, 1999), D, Fwd, At(1, 3, 1999), true},
        // Upper bound: the year stays, the lower units keep what the carry gave them.
        {At(31, 12, 2999, 23, 59, 59), S, Fwd, At(1, 1, 2999, 0, 0, 0), false},
        {At(31, 12, 2999, 23, 59, 0), Mi, Fwd, At(1, 1, 2999, 0, 0, 0), false},
        {At(31, 12, 2999, 23, 0, 0), H, Fwd, At(1, 1, 2999, 0, 0, 0), false},
        {At(31, 12, 2999), D, Fwd, At(1, 1, 2999), false},
        {At(15, 12, 2999), Mo, Fwd, At(15, 1, 2999), false},
        {At(30, 11, 2999), Mo, Fwd, At(30, 12, 2999), true},
        {At(30, 12, 2999), Mo, Fwd, At(30, 1, 2999), false},
        {At(10, 5, 2999), Y, Fwd, At(10, 5, 2999), false},
        {At(30, 12, 2999, 23, 59, 59), S, Fwd, At(31, 12, 2999, 0, 0, 0), true},
        {At(10, 5, 2998), Y, Fwd, At(10, 5, 2999), true},
        // Lower bound, the same way.
        {At(1, 1, 1901, 0, 0, 0), S, Back, At(31, 12, 1901, 23, 59, 59), false},
        {At(1, 1, 1901, 0, 0, 0), Mi, Back, At(31, 12, 1901, 23, 59, 0), false},
        {At(1, 1, 1901, 0, 0, 0), H, Back, At(31, 12, 1901, 23, 0, 0), false},
        {At(1, 1, 1901), D, Back, At(31, 12, 1901), false},
        {At(20, 1, 1901), Mo, Back, At(20, 12, 1901), false},
        {At(10, 5, 1901), Y, Back, At(10, 5, 1901), false},
        {At(1, 1, 1901, 0, 0, 1), S, Back, At(1, 1, 1901, 0, 0, 0), true},
        {At(10, 5, 1902), Y, Back, At(10, 5, 1901), true},
    };
    for (const StepCase& c : cases)
    {
        Moment m = c.start;
        const bool ok = StepClock(m.time, m.date, c.unit, c.forward);
        EXPECT_EQ(m, c.expected) << "from " << c.start << " by " << UnitName(c.unit)
                                 << (c.forward ? " forward" : " backward");
        EXPECT_EQ(ok, c.inBounds) << "from " << c.start << " by " << UnitName(c.unit);
    }
}

TEST(Calendar, StepsForwardThenAsManyBackReturnToTheStartInEveryMode)
{
    // Months and years start on a day every month has: from day 29..31 a step may take the
    // month's last day, which the way back does not give up.
    const struct
    {
        ClockUnit unit;
        Moment start;
        int steps;
    } cases[] = {
        {S, At(28, 2, 2000, 23, 0, 0), 200000},
        {S, At(31, 12, 1999, 23, 59, 0), 90},
        {Mi, At(27, 2, 2100, 22, 0, 0), 10000},
        {H, At(20, 2, 1904, 5, 6, 7), 2000},
        {D, At(1, 1, 1999), 1000},
        {D, At(15, 2, 2096), 3000},
        {Mo, At(28, 1, 1999), 50},
        {Mo, At(1, 12, 1950), 13},
        {Y, At(28, 2, 2000), 500},
        {Y, At(31, 12, 1901), 1098},
    };
    for (const auto& c : cases)
    {
        Moment m = c.start;
        for (int i = 0; i < c.steps; ++i)
            ASSERT_TRUE(StepClock(m.time, m.date, c.unit, true)) << UnitName(c.unit) << i;
        for (int i = 0; i < c.steps; ++i)
            ASSERT_TRUE(StepClock(m.time, m.date, c.unit, false)) << UnitName(c.unit) << i;
        EXPECT_EQ(m, c.start) << UnitName(c.unit);
    }
}

TEST(Calendar, FixedLengthStepsAdvanceTheClockInstantByTheirLength)
{
    // The instant is an independent count of seconds: n steps of a fixed unit must move it by
    // exactly n units, through leap days and century years alike.
    const struct
    {
        ClockUnit unit;
        uint64_t seconds;
        Moment start;
        int steps;
    } cases[] = {
        {S, 1, At(28, 2, 2000, 23, 58, 0), 5000}, {Mi, 60, At(28, 2, 2100, 20, 0, 0), 5000},
        {H, 3600, At(1, 2, 1904, 0, 0, 0), 2000}, {D, 86400, At(1, 1, 1901, 6, 0, 0), 40000},
        {D, 86400, At(1, 1, 2399, 0, 0, 0), 800},
    };
    for (const auto& c : cases)
    {
        for (bool forward : {true, false})
        {
            Moment m = c.start;
            const uint64_t before = ClockInstant(m.date, m.time);
            for (int i = 0; i < c.steps; ++i)
                StepClock(m.time, m.date, c.unit, forward);
            const uint64_t after = ClockInstant(m.date, m.time);
            const uint64_t span = c.seconds * static_cast<uint64_t>(c.steps);
            if (forward)
            {
                EXPECT_EQ(after - before, span) << UnitName(c.unit);
            }
            else if (before >= span)
            {
                EXPECT_EQ(before - after, span) << UnitName(c.unit);
            }
        }
    }
}

TEST(Calendar, TwelveMonthStepsEqualOneYearStepWhenTheDayExistsEverywhere)
{
    for (uint32_t year : {1901u, 1999u, 2000u, 2100u, 2998u})
        for (uint32_t month = 1; month <= 12; ++month)
        {
            Moment byMonths = At(28, month, year);
            Moment byYear = byMonths;
            for (int i = 0; i < 12; ++i)
                ASSERT_TRUE(StepClock(byMonths.time, byMonths.date, Mo, true));
            ASSERT_TRUE(StepClock(byYear.time, byYear.date, Y, true));
            EXPECT_EQ(byMonths, byYear);
        }
}

TEST(Calendar, DayStepsVisitEveryDayOfALeapAndACommonYear)
{
    const struct
    {
        uint32_t year;
        int days;
    } years[] = {{2000, 366}, {2100, 365}, {2004, 366}, {1904, 366}, {1999, 365}};
    for (const auto& y : years)
    {
        Moment m = At(1, 1, y.year);
        int count = 0;
        while (m.date.Year == y.year)
        {
            ++count;
            ASSERT_TRUE(StepClock(m.time, m.date, D, true));
        }
        EXPECT_EQ(count, y.days) << y.year;
        EXPECT_EQ(m, At(1, 1, y.year + 1));
    }
}

TEST(Calendar, OnlyTheSixSteppingModesHaveAUnit)
{
    const struct
    {
        int mode;
        bool has;
        ClockUnit unit;
    } cases[] = {{3201, false, S}, {3202, true, S},  {3203, true, Mi}, {3204, true, H},
                 {3205, true, D},  {3206, true, Mo}, {3207, true, Y},  {3208, false, S},
                 {0, false, S},    {-3202, false, S}};
    for (const auto& c : cases)
    {
        ClockUnit u = ClockUnit::Second;
        EXPECT_EQ(UnitOfMode(c.mode, u), c.has) << c.mode;
        if (c.has)
        {
            EXPECT_EQ(u, c.unit) << c.mode;
        }
    }
}

TEST(Calendar, PaneTextsHaveThreeLeadingSpacesAndTwoDigitParts)
{
    EXPECT_EQ(TimePaneText(0, 0, 0), "   00:00:00");
    EXPECT_EQ(TimePaneText(9, 5, 0), "   09:05:00");
    EXPECT_EQ(TimePaneText(23, 59, 59), "   23:59:59");
    EXPECT_EQ(TimePaneText(10, 9, 10), "   10:09:10");
    EXPECT_EQ(DatePaneText(1, 1, 2000), "   01/01/2000");
    EXPECT_EQ(DatePaneText(31, 12, 1999), "   31/12/1999");
    EXPECT_EQ(DatePaneText(29, 2, 2999), "   29/02/2999");
    EXPECT_EQ(DatePaneText(5, 10, 999), "   05/10/ 999");
}

TEST(Calendar, ModePaneNamesTheModeAndRateWithTheDaysModeLackingASpace)
{
    EXPECT_EQ(ModePaneText(3201, 100), " Real Time");
    EXPECT_EQ(ModePaneText(3202, 100), " by Seconds ( 100 msec. )");
    EXPECT_EQ(ModePaneText(3203, 1), " by Minutes ( 30 msec. )");
    EXPECT_EQ(ModePaneText(3204, 1000), " by Hours ( 1000 msec. )");
    EXPECT_EQ(ModePaneText(3205, 100), " by Days ( 100 msec.)");
    EXPECT_EQ(ModePaneText(3206, 30), " by Months ( 30 msec. )");
    EXPECT_EQ(ModePaneText(3207, 65535), " by Years ( 65535 msec. )");
    EXPECT_EQ(ModePaneText(3200, 100), "");
    EXPECT_EQ(ModePaneText(3208, 100), "");
}

TEST(Calendar, StepPeriodIsTheRateButNeverBelowThirtyMilliseconds)
{
    const struct
    {
        unsigned rate, period;
    } cases[] = {{0, 30}, {1, 30}, {29, 30}, {30, 30}, {31, 31}, {500, 500}, {1000, 1000}};
    for (const auto& c : cases)
        EXPECT_EQ(StepPeriodMs(c.rate), c.period) << c.rate;
}
