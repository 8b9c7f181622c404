// Delta T, the calendar wrappers and the sky's answers to dates it cannot compute. Reference
// values: NASA's table of observed Delta T (Espenak and Meeus, "Historical Values of Delta T"),
// Meeus, Astronomical Algorithms, 2nd ed., ch. 7, and round trips.
#include "sky/MeanElements.h"
#include "sky/Sky.h"
#include "sky/TimeScales.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{
// The Julian date of the decimal year y as the polynomials count it.
double JulianDateOfYear(double y)
{
    return 2451544.5 + (y - 2000.0) * 365.2425;
}

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
} // namespace

TEST(DeltaT, FollowsNasasTableOfObservedValues)
{
    const struct
    {
        int year;       // 1 January
        double seconds; // observed
    } cases[] = {{1900, -2.79}, {1910, 10.38}, {1920, 21.16}, {1930, 24.02},
                 {1940, 24.33}, {1950, 29.15}, {1960, 33.07}, {1970, 40.18},
                 {1980, 50.54}, {1990, 56.86}, {2000, 63.83}, {2005, 64.69}};
    for (const auto& c : cases)
    {
        const std::optional<double> jd = sky::JulianDateFromCalendar({c.year, 1, 1, 0.0});
        ASSERT_TRUE(jd);
        EXPECT_NEAR(sky::DeltaTSeconds(*jd), c.seconds, 0.5) << c.year;
    }
}

TEST(DeltaT, IsContinuousWithinOneSecondAcrossEveryPolynomialsBoundary)
{
    for (const double year :
         {1800.0, 1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0, 2150.0})
    {
        const double before = sky::DeltaTSeconds(JulianDateOfYear(year) - 1e-6);
        const double after = sky::DeltaTSeconds(JulianDateOfYear(year) + 1e-6);
        EXPECT_NEAR(before, after, 1.0) << year;
    }
}

TEST(DeltaT, CoversTheClocksRangeAndTheMarginBeyondIt)
{
    // Two days beyond each end of the clock: astronomy-engine's -1.405 s at 1901-01-01 (the
    // first row of sky_reference.csv), and the long-term parabola at 3000.
    EXPECT_NEAR(sky::DeltaTSeconds(sky::kFirstValidJulianDate), -1.405, 0.05);
    const double last = sky::DeltaTSeconds(sky::kLastValidJulianDate);
    EXPECT_NEAR(last, -20.0 + 32.0 * std::pow((3000.0 - 1820.0) / 100.0, 2), 10.0);
    EXPECT_NEAR(sky::TerrestrialFromUniversal(2451545.0) - 2451545.0, 63.86 / 86400.0, 1e-5);
    EXPECT_TRUE(std::isnan(sky::DeltaTSeconds(kNan)));
}

TEST(Calendar, JulianDatesOfKnownDates)
{
    const struct
    {
        sky::CalendarDate date;
        double jd;
    } cases[] = {
        {{2000, 1, 1, 0.5}, 2451545.0},    // J2000.0
        {{1901, 1, 1, 0.0}, 2415385.5},    // the clock's origin
        {{3000, 1, 1, 0.0}, 2816787.5},    // the clock's end
        {{1957, 10, 4, 0.81}, 2436116.31}, // Meeus, example 7.a
        {{1600, 12, 31, 0.0}, 2305812.5},  // Meeus, table 7.a
        {{1988, 6, 19, 0.5}, 2447332.0},   // Meeus, table 7.a
        {{1900, 1, 1, 0.0}, 2415020.5},    // Meeus, table 7.a
    };
    for (const auto& c : cases)
    {
        const std::optional<double> jd = sky::JulianDateFromCalendar(c.date);
        ASSERT_TRUE(jd) << c.date.Year;
        EXPECT_NEAR(*jd, c.jd, 1e-9) << c.date.Year;
        const std::optional<sky::CalendarDate> back = sky::CalendarFromJulianDate(c.jd);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->Year, c.date.Year);
        EXPECT_EQ(back->Month, c.date.Month);
        EXPECT_EQ(back->Day, c.date.Day);
        EXPECT_NEAR(back->DayFraction, c.date.DayFraction, 1e-9);
    }
}

TEST(Calendar, RefusesDatesThatDoNotExist)
{
    for (const sky::CalendarDate& d :
         {sky::CalendarDate{2026, 13, 1, 0.0}, sky::CalendarDate{2026, 2, 30, 0.0},
          sky::CalendarDate{-5000, 1, 1, 0.0}, sky::CalendarDate{2026, 1, 1, 1.0},
          sky::CalendarDate{2026, 1, 1, kNan}})
        EXPECT_FALSE(sky::JulianDateFromCalendar(d)) << d.Year << "-" << d.Month << "-" << d.Day;
    for (const double jd : {kNan, kInf, -kInf, -1e6, 2e9})
        EXPECT_FALSE(sky::CalendarFromJulianDate(jd)) << jd;
}

TEST(SkyBadInput, DatesThatCannotBeComputedLeaveTheLastSkyAndGiveNoPlace)
{
    sky::SkySnapshot snapshot;
    ASSERT_TRUE(sky::UpdateSky(snapshot, 2451545.0));
    for (const double jd : {kNan, kInf, -kInf, 0.0, 1e12, -1e12})
    {
        EXPECT_FALSE(sky::UpdateSky(snapshot, jd)) << jd;
        EXPECT_EQ(snapshot.JulianDateUt, 2451545.0) << jd;
        EXPECT_FALSE(sky::PlanetPlaceAt(sky::Planet::Mars, jd)) << jd;
        EXPECT_FALSE(sky::HeliocentricPlaceAt(sky::Planet::Mars, jd)) << jd;
        EXPECT_FALSE(sky::OutlineElementsAt(sky::Planet::Mars, jd)) << jd;
        EXPECT_TRUE(std::isnan(sky::SunPlaceAt(jd).RightAscension)) << jd;
        EXPECT_TRUE(std::isnan(sky::MoonPlaceAt(jd).IlluminatedFraction)) << jd;
    }
    sky::SkySnapshot fresh;
    EXPECT_FALSE(sky::UpdateSky(fresh, kNan));
    EXPECT_FALSE(fresh.Known);
}

TEST(SkyBadInput, OnlyMercuryToNeptuneComeFromErfa)
{
    EXPECT_FALSE(sky::PlanetPlaceAt(sky::Planet::Earth, 2451545.0));
    EXPECT_FALSE(sky::PlanetPlaceAt(sky::Planet::Pluto, 2451545.0));
    EXPECT_FALSE(sky::PlanetPlaceAt(static_cast<sky::Planet>(42), 2451545.0));
    EXPECT_FALSE(sky::HeliocentricPlaceAt(static_cast<sky::Planet>(-1), 2451545.0));
    EXPECT_FALSE(sky::ElementsAreUsable(sky::MeanElementsAt(static_cast<sky::Planet>(9), 0.0)));
    sky::SkySnapshot snapshot;
    ASSERT_TRUE(sky::UpdateSky(snapshot, 2451545.0));
    EXPECT_FALSE(snapshot.Planets[static_cast<size_t>(sky::Planet::Earth)].Known);
    EXPECT_FALSE(snapshot.Planets[static_cast<size_t>(sky::Planet::Pluto)].Known);
    EXPECT_TRUE(snapshot.Planets[static_cast<size_t>(sky::Planet::Neptune)].Known);
}

TEST(SkyTopocentric, TheMoonIsDisplacedByItsParallaxAndNotAtTheSubLunarPoint)
{
    sky::SkySnapshot snapshot;
    ASSERT_TRUE(sky::UpdateSky(snapshot, 2461382.5));
    const sky::OfDatePlace& moon = snapshot.MoonOfDate;
    const double distance = snapshot.Moon.Distance; // km
    // The observer under the Moon: the local sidereal time is the Moon's right ascension.
    const double subLongitude =
        std::remainder(moon.RightAscension * 15.0 - snapshot.SiderealTime, 360.0);
    const sky::OfDatePlace below =
        sky::TopocentricPlace(snapshot, moon.Position, moon.Declination, subLongitude);
    EXPECT_NEAR(below.RightAscension, moon.RightAscension, 0.01 / 15.0);
    EXPECT_NEAR(below.Declination, moon.Declination, 0.01);
    // On the equator 90 degrees east of that meridian the Moon sets: shifted by its
    // horizontal parallax, atan(6378.137 km / distance) for an observer at right angles to it.
    const sky::OfDatePlace setting =
        sky::TopocentricPlace(snapshot, moon.Position, 0.0, subLongitude + 90.0);
    const sky::Vec3& a = setting.Position;
    const sky::Vec3& b = moon.Position;
    const double shift = std::acos(
        (a.x * b.x + a.y * b.y + a.z * b.z) /
        std::sqrt((a.x * a.x + a.y * a.y + a.z * a.z) * (b.x * b.x + b.y * b.y + b.z * b.z)));
    EXPECT_NEAR(shift * sky::kRadToDeg, std::atan(6378.137 / distance) * sky::kRadToDeg, 0.005);
}
