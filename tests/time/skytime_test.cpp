// Universal Time from the local clock and the sidereal time of the real sky. Reference values
// come from astronomy-engine 2.1.19 (npm), an independent ephemeris, and from the worked
// examples of Meeus, Astronomical Algorithms.
#include "time/ClockInstant.h"
#include "time/SkyTime.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
int64_t Ut(Date date, Time time)
{
    return static_cast<int64_t>(ClockInstant(date, time));
}

struct SiderealCase
{
    Date date;
    Time time;   // UT
    double gmst; // degrees
};

TEST(SkyTime, GreenwichMeanSiderealTimeMatchesTheReferenceFrom1901To2999)
{
    const SiderealCase cases[] = {
        // astronomy-engine 2.1.19: SiderealTime(t) - e_tilt(t).ee / 3600, hours x 15.
        {{15, 3, 1901}, {6, 30, 0}, 269.664338},
        {{20, 3, 2026}, {12, 0, 0}, 358.034161},
        {{2, 10, 2999}, {21, 45, 0}, 338.255922},
        // Meeus, example 12.a: 1987 April 10, 0h UT: 13h 10m 46.3668s.
        {{10, 4, 1987}, {0, 0, 0}, 197.693195},
    };
    // The expression of 1982 (Meeus) and the reference's of 2006 part by a few arcseconds over
    // ten centuries: 0.002 degrees is 7".
    for (const SiderealCase& c : cases)
        EXPECT_NEAR(skytime::GreenwichMeanSiderealTime(Ut(c.date, c.time)), c.gmst, 0.002)
            << c.date.Year;
}

TEST(SkyTime, SiderealTimeOfTheCatalogueGainsOneTurnPerStellarDay)
{
    // The Earth turns once against the stars in 86164.0989 s (the rate 1.00273781191135448
    // turns per UT day of the IERS Earth rotation angle); the equinox of date turns a little
    // faster, in 86164.0905 s. Stars at their J2000 places must keep the first period.
    for (const int64_t ut : {Ut({1, 6, 1901}, {0, 0, 0}), Ut({1, 6, 2999}, {0, 0, 0})})
    {
        const double a = skytime::CatalogueSiderealTime(ut, 0.0);
        const double b = skytime::CatalogueSiderealTime(ut + 86164, 0.0);
        EXPECT_NEAR(std::remainder(a - b, 360.0), 0.0989 * 360.0 / 86164.0989, 2e-5) << ut;
    }
    // A place 15 degrees east has an hour more on its meridian.
    const int64_t now = Ut({7, 12, 2026}, {22, 0, 0});
    EXPECT_NEAR(std::remainder(skytime::CatalogueSiderealTime(now, 15.0) -
                                   skytime::CatalogueSiderealTime(now, 0.0),
                               360.0),
                15.0, 1e-9);
}

// A zone that runs UTC+1 and changes to UTC+2 at the UT instant `change` (clocks forward), or
// from UTC+2 back to UTC+1 (clocks back).
struct ZoneCase
{
    const char* what;
    int32_t beforeOffset, afterOffset;
    Time local;     // on 29 March 2026; the change is at 01:00 UT
    int32_t offset; // expected
};

TEST(SkyTime, LocalTimesAroundAChangeOfTheClocksTakeTheOffsetThatShowedThem)
{
    const int64_t change = Ut({29, 3, 2026}, {1, 0, 0});
    const ZoneCase cases[] = {
        {"forward: before the gap", 3600, 7200, {1, 59, 59}, 3600},
        {"forward: the gap's first second is the change", 3600, 7200, {2, 0, 0}, 3600},
        {"forward: half an hour into the gap is still the change", 3600, 7200, {2, 30, 0}, 5400},
        {"forward: the end of the gap", 3600, 7200, {3, 0, 0}, 7200},
        {"back: before the repeated hour", 7200, 3600, {1, 59, 59}, 7200},
        {"back: the repeated hour is read the first time", 7200, 3600, {2, 30, 0}, 7200},
        {"back: after the repeated hour", 7200, 3600, {3, 0, 0}, 3600},
    };
    for (const ZoneCase& c : cases)
    {
        const skytime::ZoneOffsetAt zone = [&c, change](int64_t ut)
        { return ut < change ? c.beforeOffset : c.afterOffset; };
        EXPECT_EQ(skytime::UtcOffsetAtLocal(ClockInstant({29, 3, 2026}, c.local), zone), c.offset)
            << c.what;
    }
}

TEST(SkyTime, UniversalTimeIsTheLocalClockLessItsOffset)
{
    // 1 January 1901, 00:30 in UTC+1 is 23:30 UT on the last day of 1900: before the count.
    EXPECT_EQ(skytime::UtFromLocal(1800, 3600), -1800);
    // 21:00 in UTC-5 is 02:00 UT the next day.
    EXPECT_EQ(skytime::UtFromLocal(ClockInstant({4, 7, 2026}, {21, 0, 0}), -18000),
              Ut({5, 7, 2026}, {2, 0, 0}));
}
} // namespace
