// The sky globe's geometry: tilt, the observer's place, projection, horizon test and grid. Expected
// positions were computed by hand (Python's math module, declinations rounded to single
// precision as the catalogue holds them), not with the code under test.
#include "starmap/Globe.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace
{
constexpr double kDeg = 0.017453292519943295;
constexpr double kPi = 3.14159265358979323846;

globe::View ViewAt(double lat, double r = 100, double t = 0, bool transparent = false)
{
    return globe::MakeView(400.0, 300.0, r, globe::MakeTilt(lat), t, transparent);
}

// The place of a point at angle H (the rotation 0 plus its right ascension) and declination
// `dec` degrees, the declination held in single precision as the catalogue holds it.
globe::GlobePlace At(const globe::View& v, double H, double dec)
{
    return globe::PlaceOnGlobe(v, globe::Direction(H, static_cast<float>(dec * kDeg)));
}

TEST(Globe, ProjectsAndHidesPointsAtTheEquatorAndAtTheNorthPole)
{
    const struct
    {
        double lat, dec, H;
        int x, y; // the pixel of the point
        bool visible;
    } cases[] = {
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
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "lat " << c.lat << " dec " << c.dec << " H " << c.H);
        const globe::GlobePlace p = At(ViewAt(c.lat), c.H, c.dec);
        EXPECT_EQ(globe::Pixel(p.at.x), c.x);
        EXPECT_EQ(globe::Pixel(p.at.y), c.y);
        EXPECT_EQ(p.visible, c.visible);
    }
}

TEST(Globe, ScreenPointsKeepTheirFractionsAndTheRotationTurnsTheSky)
{
    // dec 30, H = -90 + 10: x = 400 - 100 cos 30 cos 80 = 384.962; the same point at RA -90
    // with the rotation t = 10.
    const globe::GlobePlace p = At(ViewAt(0), -80, 30);
    EXPECT_NEAR(p.at.x, 384.962, 1e-3);
    const globe::GlobePlace turned = At(ViewAt(0, 100, 10), -90, 30);
    EXPECT_NEAR(turned.at.x, p.at.x, 1e-9);
    EXPECT_NEAR(turned.at.y, p.at.y, 1e-9);
}

TEST(Globe, DecidesTheHorizonOnTheTruncatedRow)
{
    // 50 N, sin(dec) = 0.3: the horizon row there is T = 253.33. At H = 21.5 the exact
    // position (row 253.93) is just above the horizon, but the row drawn is 253, below T,
    // so the point is hidden; at H = 21 the row is 254 and the point shows.
    const globe::View v = ViewAt(-50);
    const double dec = std::asin(0.3) / kDeg;
    const struct
    {
        double H;
        int row;
        bool visible;
    } cases[] = {{21.0, 254, true}, {21.5, 253, false}, {23.0, 252, false}};
    for (const auto& c : cases)
    {
        const globe::GlobePlace p = At(v, c.H, dec);
        EXPECT_EQ(static_cast<int>(p.at.y), c.row) << c.H;
        EXPECT_EQ(p.visible, c.visible) << c.H;
    }
}

TEST(Globe, HiddenPointAboveTheTopOfAZoomedWindowStaysHidden)
{
    // 50 N zoomed to r = 1000: a star at dec -20 with H = 90 is below the horizon (its
    // horizon row is 832) and projects to row -200, above the window.
    const globe::GlobePlace p = At(ViewAt(-50, 1000), 90.0, -20);
    EXPECT_LT(p.at.y, 0);
    EXPECT_GT(p.at.y, -210);
    EXPECT_FALSE(p.visible);
}

TEST(Globe, HidesEveryPointWhenTheTiltIsOutsideItsRange)
{
    for (double lat : {181.5, -190.0, 200.0})
        for (double H : {-180.0, -90.0, 0.0, 90.0, 180.0})
            EXPECT_FALSE(At(ViewAt(lat), H, 30).visible) << lat << " " << H;
    // |L| whose whole part is 180 is the globe seen upside down.
    EXPECT_TRUE(At(ViewAt(180.0), 90.0, 30).visible);
    EXPECT_FALSE(At(ViewAt(180.0), -90.0, 30).visible);
}

TEST(Globe, ARotationBeyondAWholeTurnIsTheSameTurn)
{
    // After many turns the rotation can exceed 360 degrees; 500 is the same place as 140,
    // which is behind the equator-on globe.
    EXPECT_FALSE(At(ViewAt(0.0, 100, 500.0), 0.0, 0).visible);
    EXPECT_TRUE(At(ViewAt(0.0, 100, 500.0 - 180.0), 0.0, 0).visible);
    EXPECT_TRUE(At(ViewAt(0.0, 100, -450.0), 0.0, 0).visible); // -90
    EXPECT_DOUBLE_EQ(globe::ReduceRotation(500.0), -220.0);
    EXPECT_DOUBLE_EQ(globe::ReduceRotation(0.0), 0.0);
    EXPECT_DOUBLE_EQ(globe::ReduceRotation(-360.0), 0.0);
}

TEST(Globe, TransparentSphereShowsTheBackButNeverAPointWithoutAPlace)
{
    EXPECT_TRUE(At(ViewAt(0, 100, 0, true), 90, 45).visible);
    const globe::GlobePlace nowhere =
        globe::PlaceOnGlobe(ViewAt(-50, 100, 0, true), globe::Direction(NAN, 0.0));
    EXPECT_FALSE(nowhere.visible);
    EXPECT_FALSE(globe::PlaceOnGlobe(ViewAt(-50), globe::Direction(NAN, 0.0)).visible);
    // A place that is not finite lands on no pixel of any window.
    EXPECT_EQ(globe::Pixel(nowhere.at.x), -32768);
    EXPECT_EQ(globe::Pixel(1e12), -32768);
    EXPECT_EQ(globe::Pixel(-0.5), -1);
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

TEST(Globe, LongitudeIsEastAndLatitudeNorthPositiveInDegreesMinutesAndSeconds)
{
    const struct
    {
        Coordinate c;
        bool westOrSouth;
        double degrees;
    } cases[] = {
        {{13, 24, 0}, false, 13.4},  {{0, 7, 39}, true, -0.1275}, {{151, 12, 36}, false, 151.21},
        {{180, 0, 0}, true, -180.0}, {{0, 0, 0}, true, 0.0},
    };
    for (const auto& c : cases)
    {
        LocationSetup location{};
        location.Lon = location.Lat = c.c;
        location.West = c.westOrSouth;
        location.North = !c.westOrSouth;
        EXPECT_NEAR(globe::EastLongitude(location), c.degrees, 1e-9) << c.degrees;
        EXPECT_NEAR(globe::Latitude(location), c.degrees, 1e-9) << c.degrees;
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

// ---- grid ----

// The visible pieces of grid line `index` (0..8 the parallels -80..80, 9..20 the meridians
// 0..330) on a globe of radius 100 at (400, 300).
std::vector<std::vector<globe::ScreenPoint>> Pieces(double lat, int index, double t = 0)
{
    const std::vector<globe::GridLine> grid = globe::MakeGrid(36);
    std::vector<std::vector<globe::ScreenPoint>> pieces;
    globe::AppendVisiblePieces(ViewAt(lat, 100, t), grid[static_cast<size_t>(index)].points,
                               pieces);
    return pieces;
}

TEST(GlobeGrid, EquatorAndPrimeMeridiansAreBlueTheOtherLinesGrey)
{
    const std::vector<globe::GridLine> grid = globe::MakeGrid(36);
    ASSERT_EQ(grid.size(), 21u);
    for (size_t i = 0; i < grid.size(); ++i)
    {
        const bool blue = i == 4 || i == 9 || i == 15; // the equator, 0 h and 12 h
        EXPECT_EQ(grid[i].color, blue ? globe::kGridBlue : globe::kGridGrey) << i;
    }
}

TEST(GlobeGrid, EquatorIsTheHorizontalDiameterAtLatitudeZero)
{
    const auto equator = Pieces(0.0, 4);
    ASSERT_EQ(equator.size(), 1u);
    double left = 1e9, right = -1e9;
    for (const globe::ScreenPoint& p : equator[0])
    {
        EXPECT_NEAR(p.y, 300.0, 1e-9);
        left = std::min(left, p.x);
        right = std::max(right, p.x);
    }
    EXPECT_NEAR(left, 300.0, 1e-9);
    EXPECT_NEAR(right, 500.0, 1e-9);
    // Parallel +20 at row 300 - 100 sin 20 = 265.8.
    const auto north20 = Pieces(0.0, 5);
    ASSERT_EQ(north20.size(), 1u);
    EXPECT_NEAR(north20[0][0].y, 265.798, 1e-3);
}

TEST(GlobeGrid, MeridiansAtLatitudeZeroAreWhollyShownOrHidden)
{
    // t = 0: the meridians at 180..330 are in front, 30..150 behind, 0 on the rim.
    for (int i = 1; i < 12; ++i)
        EXPECT_EQ(Pieces(0.0, 9 + i).size(), 30 * i >= 180 ? 1u : 0u) << 30 * i;
    // Turned by 15 degrees, meridian 0 h goes behind the globe and 12 h stays in front.
    EXPECT_EQ(Pieces(0.0, 9, 15.0).size(), 0u);
    EXPECT_EQ(Pieces(0.0, 15, 15.0).size(), 1u);
}

TEST(GlobeGrid, AtThePoleTheEquatorIsTheHorizonAndMeridiansAreRadii)
{
    const auto equator = Pieces(-90.0, 4);
    ASSERT_EQ(equator.size(), 1u);
    for (const globe::ScreenPoint& p : equator[0])
        EXPECT_NEAR(std::hypot(p.x - 400.0, p.y - 300.0), 100.0, 1e-6);
    // The northern parallels are circles about the centre, the southern ones are down.
    const auto north40 = Pieces(-90.0, 6);
    ASSERT_EQ(north40.size(), 1u);
    for (const globe::ScreenPoint& p : north40[0]) // radius 100 cos 40
        EXPECT_NEAR(std::hypot(p.x - 400.0, p.y - 300.0), 76.604, 1e-3);
    EXPECT_TRUE(Pieces(-90.0, 2).empty()); // -40
    const auto meridian = Pieces(-90.0, 12);
    ASSERT_EQ(meridian.size(), 1u);
    EXPECT_NEAR(std::hypot(meridian[0].front().x - 400.0, meridian[0].front().y - 300.0), 100.0,
                1e-6);
    EXPECT_NEAR(std::hypot(meridian[0].back().x - 400.0, meridian[0].back().y - 300.0), 0.0, 1e-6);
}

TEST(GlobeGrid, ALineEndsWhereItCrossesTheHorizon)
{
    // 50 N: meridian 0 h at t = -90 is the observer's meridian; it rises from the southern
    // point of the horizon, on the rim, to the celestial pole at altitude 50, r cos 50 from the
    // centre.
    const auto pieces = Pieces(-50.0, 9, -90.0);
    ASSERT_EQ(pieces.size(), 1u);
    const auto distance = [](const globe::ScreenPoint& p)
    { return std::hypot(p.x - 400.0, p.y - 300.0); };
    EXPECT_NEAR(distance(pieces[0].front()), 100.0, 0.5);
    EXPECT_GT(pieces[0].front().y, 300.0); // south is down
    EXPECT_NEAR(distance(pieces[0].back()), 64.279, 1e-3);
}

TEST(GlobeGrid, ALineStaysWithinAQuarterPixelOfItsCircleAtEveryRadius)
{
    // A chord over 360 / n degrees lies r (1 - cos(180 / n)) inside the circle.
    for (double r : {10.0, 150.0, 540.0, 1470.0, 3000.0})
    {
        const int n = globe::GridSamplesFor(r);
        EXPECT_LE(r * (1 - std::cos(kPi / n)), 0.25) << r;
        EXPECT_EQ(n % 4, 0) << r;
        EXPECT_GE(n, 36) << r;
    }
    for (double r : {0.0, -5.0, static_cast<double>(NAN)})
        EXPECT_EQ(globe::GridSamplesFor(r), 36) << r;
    EXPECT_EQ(globe::GridSamplesFor(1e9), 720);
}
} // namespace
