// The sky globe's geometry: tilt, rotation angles, projection, horizon test and grid. Expected
// positions were computed by hand (Python's math module, declinations rounded to single
// precision as the catalogue holds them), not with the code under test.
#include "starmap/Globe.h"
#include "time/ClockInstant.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace
{
constexpr double kDeg = 0.017453292519943295;

globe::View ViewAt(float lat, uint16_t r = 100)
{
    const globe::Tilt tilt = globe::MakeTilt(lat);
    return globe::View{400.0f, 300.0f, r, tilt.lat, tilt.latCos, tilt.latSin};
}

// Declination in degrees as a star holds it: single-precision radians.
struct Dec
{
    explicit Dec(double degrees) : rad(static_cast<float>(degrees * kDeg)) {}
    double Cos() const { return std::cos(static_cast<double>(rad)); }
    double Sin() const { return std::sin(static_cast<double>(rad)); }
    float rad;
};

struct ProjectionCase
{
    float lat;
    double dec;
    double H;
    int x, y;
    bool visible;
};

TEST(Globe, ProjectsAndHidesPointsAtTheEquatorAndAtTheNorthPole)
{
    const ProjectionCase cases[] = {
        // Latitude 0 (L = 0): H = -90 is on the centre line, H = 90 behind the globe, H = 0
        // on the east rim (left), +-180 on the west rim (right).
        {0, 30, -90, 400, 249, true},
        {0, 30, 90, 400, 249, false},
        {0, 30, 0, 313, 249, true},
        {0, 30, -180, 486, 249, true},
        {0, 30, 180, 486, 249, true},
        {0, 30, 179, 486, 249, false},
        {0, 30, -179, 486, 249, true},
        // Observer at 90 N (L = -90): northern stars circle the centre and are always up,
        // southern ones are never up.
        {-90, 30, -90, 400, 386, true},
        {-90, 30, 0, 313, 300, true},
        {-90, 30, 90, 400, 213, true},
        {-90, 30, 180, 486, 300, true},
        {-90, -30, -90, 400, 386, false},
        {-90, -30, 90, 400, 213, false},
        // Observer at 90 S (L = 90): the other way round.
        {90, -30, 0, 313, 300, true},
        {90, 30, 0, 313, 300, false},
    };
    for (const ProjectionCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "lat " << c.lat << " dec " << c.dec << " H " << c.H);
        const globe::View v = ViewAt(c.lat);
        const Dec dec(c.dec);
        const globe::ScreenPoint p = globe::Project(v, c.H, dec.Cos(), dec.Sin());
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(globe::IsVisible(v, dec.Sin(), c.H, p.y), c.visible);
    }
}

TEST(Globe, DecidesTheHorizonOnTheTruncatedRow)
{
    // 50 N, sin(dec) = 0.3: the horizon row there is T = 253.33. At H = 21.5 the exact
    // position (row 253.93) is just above the horizon, but the row drawn is 253, below T,
    // so the point is hidden; at H = 21 the row is 254 and the point shows.
    const globe::View v = ViewAt(-50);
    const Dec dec(std::asin(0.3) / kDeg);
    const globe::ScreenPoint above = globe::Project(v, 21.0, dec.Cos(), dec.Sin());
    const globe::ScreenPoint rim = globe::Project(v, 21.5, dec.Cos(), dec.Sin());
    const globe::ScreenPoint below = globe::Project(v, 23.0, dec.Cos(), dec.Sin());
    EXPECT_EQ(above.y, 254);
    EXPECT_EQ(rim.y, 253);
    EXPECT_EQ(below.y, 252);
    EXPECT_TRUE(globe::IsVisible(v, dec.Sin(), 21.0, above.y));
    EXPECT_FALSE(globe::IsVisible(v, dec.Sin(), 21.5, rim.y));
    EXPECT_FALSE(globe::IsVisible(v, dec.Sin(), 23.0, below.y));
    // A point exactly on the horizon row counts as visible.
    EXPECT_TRUE(globe::IsVisible(v, 0.0, 0.0, 300));
}

TEST(Globe, HiddenPointAboveTheTopOfAZoomedWindowStaysHidden)
{
    // 50 N zoomed to r = 1000: a star at dec -20 with H = 90 is below the horizon (its
    // horizon row is 832) and projects to row -200, above the window. Stored in 16 bits that
    // row reads 65336, which would pass the row test; the test must use the row itself.
    const globe::View v = ViewAt(-50, 1000);
    const Dec dec(-20);
    const globe::ScreenPoint p = globe::Project(v, 90.0, dec.Cos(), dec.Sin());
    EXPECT_LT(p.y, 0);
    EXPECT_GT(p.y, -210);
    EXPECT_GE(globe::StoreCoord(p.y), 832);
    EXPECT_FALSE(globe::IsVisible(v, dec.Sin(), 90.0, p.y));
}

TEST(Globe, HidesEveryPointWhenTheTiltIsOutsideItsRange)
{
    for (float lat : {181.5f, -190.0f, 200.0f})
    {
        const globe::View v = ViewAt(lat);
        for (double H : {-180.0, -90.0, 0.0, 90.0, 180.0})
            EXPECT_FALSE(globe::IsVisible(v, 0.5, H, 250)) << lat << " " << H;
    }
    // |L| whose whole part is 180 is the globe seen upside down.
    const globe::View flipped = ViewAt(180.0f);
    EXPECT_TRUE(globe::IsVisible(flipped, 0.5, 90.0, 0));
    EXPECT_FALSE(globe::IsVisible(flipped, 0.5, -90.0, 0));
}

TEST(Globe, ReducesARotationThatLeftItsUsualRangeBeforeTheEquatorOnRule)
{
    // After many reversals the rotation can exceed 360 degrees; 500 is the same place as 140,
    // which is behind the equator-on globe.
    const globe::View v = ViewAt(0.0f);
    EXPECT_FALSE(globe::IsVisible(v, 0.0, 500.0, 300));
    EXPECT_TRUE(globe::IsVisible(v, 0.0, 500.0 - 180.0, 300));
    EXPECT_TRUE(globe::IsVisible(v, 0.0, -450.0, 300)); // -90
}

TEST(Globe, TiltFollowsTheSignRuleWithWholeDegrees)
{
    LocationSetup north{};
    north.Lat = Coordinate{50, 30, 59};
    north.North = 1;
    const globe::Tilt n = globe::TiltFromLocation(north);
    EXPECT_EQ(n.lat, -50.0f);
    EXPECT_FLOAT_EQ(n.latCos, 0.6427876f);
    EXPECT_FLOAT_EQ(n.latSin, -0.7660444f);

    LocationSetup south = north;
    south.North = 0;
    EXPECT_EQ(globe::TiltFromLocation(south).lat, 50.0f);

    // At the pole the cosine is tiny but never zero: the horizon test divides by it.
    const globe::Tilt pole = globe::MakeTilt(-90.0f);
    EXPECT_GT(pole.latCos, 0.0f);
    EXPECT_LT(pole.latCos, 1e-16f);
}

TEST(Globe, SunAngleFollowsItsUniformCircle)
{
    // -360 frac(S k) + offset, plus 360 once when <= -360 (hand computed), S in UT seconds.
    const struct
    {
        int64_t S;
        double sun;
    } cases[] = {
        {0, -281.50048828125},
        {43082, -281.99194670},
        // About three quarters of a year: -360 x 0.7500012 - 281.5 -> -191.5049
        {23669000, -191.50488337},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(globe::RotationAngle(c.S, globe::kSunRate, globe::kSunOffset), c.sun, 1e-6)
            << c.S;
}

TEST(Globe, SunAndMoonStandAtTheirMeanLongitudesAtJ2000)
{
    // The body's right ascension on the globe is minus its angle. Meeus, Astronomical
    // Algorithms: the Sun's mean longitude 280.46646 degrees (eq. 25.2), the Moon's 218.3164477
    // (eq. 47.1), at 2000-01-01 12:00 UT.
    const double sun = globe::RotationAngle(skytime::kJ2000, globe::kSunRate, globe::kSunOffset);
    const double moon = globe::RotationAngle(skytime::kJ2000, globe::kMoonRate, globe::kMoonOffset);
    // The Sun's offset, calibrated long ago, stands 0.16 degrees (four hours of its motion) ahead.
    EXPECT_NEAR(std::remainder(-sun - 280.46646, 360.0), 0.0, 0.2);
    EXPECT_NEAR(std::remainder(-moon - 218.3164477, 360.0), 0.0, 1e-4);
    // The Moon comes back among the same stars after a sidereal month of 27.321661 days.
    const int64_t later = skytime::kJ2000 + static_cast<int64_t>(27.321661 * 86400 * 100);
    EXPECT_NEAR(
        std::remainder(globe::RotationAngle(later, globe::kMoonRate, globe::kMoonOffset) - moon,
                       360.0),
        0.0, 1e-3);
}

// The angle between the Sun and the Moon as the globe places them.
double Elongation(int64_t ut)
{
    const double tSun = globe::RotationAngle(ut, globe::kSunRate, globe::kSunOffset);
    const double tMoon = globe::RotationAngle(ut, globe::kMoonRate, globe::kMoonOffset);
    const double d1 = globe::SolDeclination(tSun, globe::kSunInclination);
    const double d2 = globe::SolDeclination(tMoon, globe::kMoonInclination);
    const double c =
        std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos((tSun - tMoon) * kDeg);
    return std::acos(std::clamp(c, -1.0, 1.0)) / kDeg;
}

TEST(Globe, MoonIsOppositeTheSunWhenFullAndBesideItWhenNew)
{
    // Instants (UT) of full and new Moon and the Moon's elongation then, from astronomy-engine
    // 2.1.19: SearchMoonPhase(180 or 0, ...) and AngleFromSun(Body.Moon, ...).
    const struct
    {
        Date date;
        Time time;
        double elongation;
    } cases[] = {
        {{11, 6, 1911}, {21, 51, 6}, 176.656}, // full
        {{3, 3, 2026}, {11, 38, 32}, 179.638}, // full
        {{8, 4, 2024}, {18, 21, 25}, 0.350},   // new
        {{14, 9, 2987}, {9, 20, 37}, 4.700},   // new
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Elongation(static_cast<int64_t>(ClockInstant(c.date, c.time))), c.elongation,
                    15.0)
            << c.date.Year;
}

TEST(Globe, LongitudeIsEastPositiveInDegreesMinutesAndSeconds)
{
    const struct
    {
        Coordinate lon;
        bool west;
        double degrees;
    } cases[] = {
        {{13, 24, 0}, false, 13.4},  {{0, 7, 39}, true, -0.1275}, {{151, 12, 36}, false, 151.21},
        {{180, 0, 0}, true, -180.0}, {{0, 0, 0}, true, 0.0},
    };
    for (const auto& c : cases)
    {
        LocationSetup location{};
        location.Lon = c.lon;
        location.West = c.west;
        EXPECT_NEAR(globe::EastLongitude(location), c.degrees, 1e-9) << c.degrees;
    }
}

TEST(Globe, StarMarkSizeFollowsMagnitude)
{
    const struct
    {
        float m;
        int width, dx;
    } cases[] = {{-1.5f, 4, -1}, {1.0f, 4, -1}, {1.01f, 3, -1}, {2.0f, 3, -1},
                 {2.5f, 2, -1},  {3.0f, 2, -1}, {3.01f, 1, 0},  {6.0f, 1, 0}};
    for (const auto& c : cases)
    {
        const globe::StarMark mark = globe::StarMarkFor(c.m);
        EXPECT_EQ(mark.width, c.width) << c.m;
        EXPECT_EQ(mark.dx, c.dx) << c.m;
    }
}

TEST(Globe, SunDeclinationFollowsTheEcliptic)
{
    const double eps = 23.443888888 * kDeg;
    EXPECT_NEAR(globe::SolDeclination(0.0, globe::kSunInclination), 0.0, 1e-12);
    EXPECT_NEAR(globe::SolDeclination(-180.0, globe::kSunInclination), 0.0, 1e-12);
    EXPECT_NEAR(globe::SolDeclination(-90.0, globe::kSunInclination), eps, 1e-9);
    EXPECT_NEAR(globe::SolDeclination(-270.0, globe::kSunInclination), -eps, 1e-9);
    EXPECT_NEAR(globe::SolDeclination(90.0, globe::kSunInclination), -eps, 1e-9);
    EXPECT_NEAR(globe::SolDeclination(-90.0, globe::kMoonInclination), 18.2985 * kDeg, 1e-9);
}

TEST(Globe, StoredCoordinatesWrapAndDrawAsSigned)
{
    EXPECT_EQ(globe::StoreCoord(-5), 65531);
    EXPECT_EQ(globe::DrawCoord(globe::StoreCoord(-5)), -5);
    EXPECT_EQ(globe::DrawCoord(globe::StoreCoord(1919)), 1919);
    // A non-finite position (a corrupt catalogue) lands far off the window.
    const globe::ScreenPoint p = globe::Project(ViewAt(-50), NAN, 1.0, 0.0);
    EXPECT_EQ(p.x, -32768);
    EXPECT_FALSE(globe::IsVisible(ViewAt(-50), NAN, NAN, p.y));
}

// ---- grid ----

globe::GridAngles GridAt(float lat, double t = 0.0)
{
    const globe::Tilt tilt = globe::MakeTilt(lat);
    return globe::GridAngles{400.0f, 300.0f, 100, tilt.lat, tilt.latCos, tilt.latSin, t};
}

TEST(GlobeGrid, EquatorIsTheHorizontalDiameterAtLatitudeZero)
{
    const auto lines = globe::ComputeGrid(GridAt(0.0f));
    const globe::GridLine& equator = lines[4];
    EXPECT_EQ(equator.color, globe::kGridBlue);
    EXPECT_EQ(equator.count, 37);
    for (int j = 0; j < 37; ++j)
    {
        SCOPED_TRACE(j);
        EXPECT_EQ(equator.points[j].y, 300);
        EXPECT_EQ(equator.points[j].visible, j >= 18); // a = 180..360
    }
    EXPECT_EQ(equator.points[18].x, 500);
    EXPECT_EQ(equator.points[36].x, 300);
    // Other parallels: grey segments at row 300 - 100 sin(dec).
    EXPECT_EQ(lines[5].color, globe::kGridGrey);
    EXPECT_EQ(lines[5].points[27].y, 265); // dec 20: 300 - 34.2
    EXPECT_EQ(lines[0].points[27].y, 398); // dec -80: 300 + 98.48
}

TEST(GlobeGrid, MeridiansAtLatitudeZeroAreWhollyShownOrHidden)
{
    // t = 0: meridian H = 0 and H = 180..330 are in front, 30..150 behind.
    const auto lines = globe::ComputeGrid(GridAt(0.0f));
    for (int i = 0; i < 12; ++i)
    {
        const globe::GridLine& m = lines[9 + i];
        const int ra = 30 * i;
        EXPECT_EQ(m.color, (ra == 0 || ra == 180) ? globe::kGridBlue : globe::kGridGrey);
        const bool front = ra == 0 || ra >= 180;
        for (int j = 0; j < m.count; ++j)
            EXPECT_EQ(m.points[j].visible, front) << ra << " " << j;
    }
    // Meridian 0 at dec -10: (400 - 98.48, 300 + 17.36).
    EXPECT_EQ(lines[9].points[8].x, 301);
    EXPECT_EQ(lines[9].points[8].y, 317);
}

TEST(GlobeGrid, EquatorIsTheHorizonCircleAtTheNorthPole)
{
    const auto lines = globe::ComputeGrid(GridAt(-90.0f));
    const globe::GridLine& equator = lines[4];
    for (int j = 0; j < 37; ++j)
    {
        const globe::GridPoint& p = equator.points[j];
        EXPECT_TRUE(p.visible) << j;
        const double dx = p.x - 400.0, dy = p.y - 300.0;
        EXPECT_NEAR(std::hypot(dx, dy), 100.0, 1.5) << j;
    }
    // Parallel -40 (and its mirror +40) is a circle of radius 100 cos 40 = 76.6; one half
    // of the pair is drawn.
    for (const globe::GridPoint& p : lines[2].points)
    {
        EXPECT_TRUE(p.visible);
        EXPECT_NEAR(std::hypot(p.x - 400.0, p.y - 300.0), 76.6, 1.5);
    }
    for (const globe::GridPoint& p : lines[6].points)
        EXPECT_FALSE(p.visible);
    // Meridians are radii: the southern half (dec -90..0) from the centre to the rim.
    const globe::GridLine& m = lines[9 + 3];
    for (int j = 0; j < 19; ++j)
        EXPECT_EQ(m.points[j].visible, j <= 9) << j;
    EXPECT_EQ(m.points[0].x, 400);
    EXPECT_EQ(m.points[0].y, 300);
    EXPECT_NEAR(std::hypot(m.points[9].x - 400.0, m.points[9].y - 300.0), 100.0, 1.5);
}

TEST(GlobeGrid, GridPointOnTheHorizonRowIsVisible)
{
    // 50 N: a point whose row equals T exactly is visible for every row of the table that
    // compares rows.
    for (float lat : {-50.0f, 50.0f, -130.0f, 130.0f})
    {
        const globe::GridAngles g = GridAt(lat);
        EXPECT_TRUE(globe::IsGridPointVisible(false, g, 0.0, 0.0, 45.0, 300)) << lat;
    }
}
} // namespace
