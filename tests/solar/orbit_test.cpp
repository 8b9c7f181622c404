// True places of the Solar System model, their screen points, orbit outlines, distances and zoom
// steps. Reference places: astronomy-engine 2.1.19 (npm), an independent ephemeris:
// HelioVector(body) rotated by Rotation_EQJ_ECL (tools/reference/ephemeris_reference.js shows
// how to run it); the comets' perihelion distances from the JPL small-body database.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "solar/Orbit.h"
#include "solar/SolarReader.h"
#include "solar/SolarSystem.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>

namespace
{
constexpr double kAu = solar::kAuInMkm;

// The table as the view reads it from the program's own elements file.
struct ElementsFile
{
    ElementsFile()
    {
        std::FILE* f = std::fopen(VELMORIA_RUNTIME_DIR "/Data/Solobj.dat", "rb");
        SolarObjects buffer{};
        ok = f && solar::ReadSolarRecords(f, 11 * sizeof(SolarObjects), table, buffer) ==
                      solar::SolarReadResult::Ok;
        if (f)
            std::fclose(f);
    }
    bool ok = false;
    SolObjects table[kSolarSlots]{};
};

SolObjects Body(double a, double e, double inc, double node, double argPer)
{
    SolObjects body{};
    body.ID = 'P';
    body.Elements = {a, e, inc, node, argPer, sky::kJulianDateJ2000, 365.25};
    return body;
}

// Heliocentric ecliptic longitude in degrees of a screen point seen from the Sun at (Ox, Oy).
double ScreenLongitude(double x, double y, double Ox, double Oy)
{
    const double degrees = std::atan2(Oy - y, x - Ox) * sky::kRadToDeg;
    return degrees < 0 ? degrees + 360 : degrees;
}

TEST(ProjectPoint, PutsLongitudeZeroRightAndNinetyUpAtAScaleThatGrowsWithTheHeight)
{
    const struct
    {
        sky::Vec3 p; // AU
        float S;
        double height; // of the view, logical pixels; 480 draws S pixels per million km
        double dx, dy; // pixels from the Sun
    } cases[] = {
        {{1, 0, 0}, 1.0f, 480, kAu, 0},
        {{0, 1, 0}, 1.0f, 480, 0, -kAu},
        {{-1, 0, 0}, 1.0f, 480, -kAu, 0},
        {{0, -1, 0.5}, 1.0f, 480, 0, kAu}, // seen from the north: z does not move the point
        {{1, 0, 0}, 2.0f, 480, 2 * kAu, 0},
        {{1, 0, 0}, 1.0f, 960, 2 * kAu, 0},
        {{1, 0, 0}, 1.0f, 240, kAu / 2, 0},
        {{0.5, 0.5, 0}, 0.04f, 480, 0.02 * kAu, -0.02 * kAu},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message()
                     << c.p.x << " " << c.p.y << " S " << c.S << " h " << c.height);
        const solar::Projection projection = solar::CentredProjection(1000, c.height, c.S);
        EXPECT_DOUBLE_EQ(projection.sun.x, 500);
        EXPECT_DOUBLE_EQ(projection.sun.y, c.height / 2);
        const solar::Point at = solar::ProjectPoint(projection, c.p);
        EXPECT_NEAR(at.x, 500 + c.dx, 1e-4);
        EXPECT_NEAR(at.y, c.height / 2 + c.dy, 1e-4);
    }
}

TEST(OrbitOutline, StartsAtThePerihelionPassesTheAphelionHalfwayRoundAndCloses)
{
    // a = 1 AU, e = 0.5: perihelion 0.5 AU from the Sun toward longitude node + argument in
    // the orbit's plane, aphelion 1.5 AU opposite; worked by hand, seen from the north.
    const struct
    {
        double inc, node, argPer; // degrees
        double px, py, ax, ay;    // perihelion and aphelion, ecliptic x and y in AU
    } cases[] = {
        {0, 0, 0, 0.5, 0, -1.5, 0},     {0, 90, 0, 0, 0.5, 0, -1.5},
        {0, 30, 60, 0, 0.5, 0, -1.5},   // the longitude of perihelion is node + argument
        {60, 0, 90, 0, 0.25, 0, -0.75}, // foreshortened by cos 60 degrees
        {180, 0, 90, 0, -0.5, 0, 1.5},  // retrograde: the argument runs clockwise
    };
    constexpr size_t kHalf = (solar::kOutlinePoints - 1) / 2;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message()
                     << "i " << c.inc << ", node " << c.node << ", w " << c.argPer);
        const std::vector<sky::Vec3> points =
            solar::OrbitOutlinePoints(Body(1.0, 0.5, c.inc, c.node, c.argPer).Elements);
        ASSERT_EQ(points.size(), static_cast<size_t>(solar::kOutlinePoints));
        EXPECT_NEAR(points[0].x, c.px, 1e-9);
        EXPECT_NEAR(points[0].y, c.py, 1e-9);
        EXPECT_NEAR(points[kHalf].x, c.ax, 1e-9);
        EXPECT_NEAR(points[kHalf].y, c.ay, 1e-9);
        EXPECT_EQ(points.back().x, points[0].x);
        EXPECT_EQ(points.back().y, points[0].y);
    }
}

TEST(OrbitOutline, FollowsTheEllipseOfItsElementsAllRound)
{
    // Every point on the ellipse r = a (1 - e^2) / (1 + e cos v) of its own true anomaly v
    // (Meeus, eq. 30.3), the points a turn of eccentric anomaly in order.
    for (const double e : {0.0, 0.2, 0.967})
    {
        const std::vector<sky::Vec3> points =
            solar::OrbitOutlinePoints(Body(2.0, e, 0, 0, 0).Elements);
        ASSERT_FALSE(points.empty());
        for (const sky::Vec3& p : points)
        {
            const double v = std::atan2(p.y, p.x);
            EXPECT_NEAR(std::hypot(p.x, p.y), 2.0 * (1 - e * e) / (1 + e * std::cos(v)), 1e-9)
                << "e " << e;
        }
        // A quarter turn of eccentric anomaly on: x = a (cos E - e), y = b sin E.
        const sky::Vec3& q = points[(solar::kOutlinePoints - 1) / 4];
        EXPECT_NEAR(q.x, -2.0 * e, 1e-9);
        EXPECT_NEAR(q.y, 2.0 * std::sqrt(1 - e * e), 1e-9);
    }
}

TEST(OrbitOutline, KeepsItsChordsWithinAQuarterPixelWithAsFewPointsAsThatAllows)
{
    // A circle of radius r drawn with n chords strays r (1 - cos(pi / n)) from its arc.
    const auto sag = [](double r, int stride)
    { return r * (1 - std::cos(sky::kPi * stride / (solar::kOutlinePoints - 1))); };
    for (const double r : {0.0, 5.0, 58.0, 150.0, 337.0, 1750.0, 4500.0, 20000.0, 80000.0})
    {
        const int stride = solar::OutlineStride(r);
        SCOPED_TRACE(r);
        EXPECT_TRUE(stride == 1 || stride == 2 || stride == 4 || stride == 8 || stride == 16);
        if (r <= 20000)
        {
            EXPECT_LE(sag(r, stride), 0.25);
        }
        if (stride < 16)
        {
            EXPECT_GT(sag(r, stride * 2), 0.25);
        }
    }
}

TEST(ClipSegment, KeepsThePartInsideTheAreaAndRefusesTheRest)
{
    const double area[4] = {0, 0, 100, 50};
    const struct
    {
        solar::Point a, b;
        bool inside;
        solar::Point ca, cb; // the clipped ends
    } cases[] = {
        {{10, 10}, {20, 20}, true, {10, 10}, {20, 20}},
        {{-50, 25}, {150, 25}, true, {0, 25}, {100, 25}},
        {{50, -50}, {50, 10}, true, {50, 0}, {50, 10}},
        {{-10, -10}, {10, 10}, true, {0, 0}, {10, 10}},
        {{-10, 60}, {110, 60}, false, {}, {}},
        {{-20, 0}, {0, -20}, false, {}, {}},
        {{-1e6, -1e6}, {1e6, 1e6}, true, {0, 0}, {50, 50}},
        {{NAN, 10}, {20, 20}, false, {}, {}},
        {{INFINITY, 10}, {20, 20}, false, {}, {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.a.x << "," << c.a.y << " - " << c.b.x << "," << c.b.y);
        solar::Point a = c.a, b = c.b;
        ASSERT_EQ(solar::ClipSegment(a, b, area), c.inside);
        if (!c.inside)
            continue;
        EXPECT_NEAR(a.x, c.ca.x, 1e-6);
        EXPECT_NEAR(a.y, c.ca.y, 1e-6);
        EXPECT_NEAR(b.x, c.cb.x, 1e-6);
        EXPECT_NEAR(b.y, c.cb.y, 1e-6);
    }
}

TEST(PlaceBodies, ScreenPointsAndDistancesFollowTheReferencePlaces)
{
    ElementsFile file;
    ASSERT_TRUE(file.ok);
    const int bodyOf[] = {0, 1, 2, 3, 4, 5}; // Mercury .. Saturn (Earth: the Earth-Moon barycentre)
    const struct
    {
        const char* date;    // UT
        int64_t instant;     // seconds since 1901-01-01 00:00 UT
        double longitude[6]; // heliocentric ecliptic J2000, degrees
        double r[6];         // AU
    } cases[] = {
        {"1975-06-15T00:00",
         2349475200,
         {271.3351, 217.3041, 263.6439, 336.8606, 8.9391, 111.7080},
         {0.463067, 0.722936, 1.015751, 1.381450, 4.953582, 9.042745}},
        {"2000-01-01T12:00",
         3124180800,
         {253.7848, 182.6042, 100.3800, 359.4485, 36.2953, 45.7228},
         {0.466479, 0.720213, 0.983296, 1.391202, 4.965489, 9.183636}},
        {"2026-12-07T00:00",
         3974054400,
         {206.8208, 100.9061, 74.5060, 117.2022, 136.4512, 13.0947},
         {0.426081, 0.719127, 0.985283, 1.628785, 5.328249, 9.414276}},
    };
    // ERFA: within 0.04 degrees and 0.05 percent.
    for (const auto& c : cases)
    {
        solar::PlaceBodiesAt(file.table, sky::JulianDateFromInstant(c.instant));
        for (int k = 0; k < 6; ++k)
        {
            SCOPED_TRACE(testing::Message() << c.date << " " << file.table[bodyOf[k]].Name);
            const solar::Point at =
                solar::ProjectPoint({{0, 0}, 1.0}, file.table[bodyOf[k]].Place.Position);
            EXPECT_LE(std::fabs(std::remainder(ScreenLongitude(at.x, at.y, 0, 0) - c.longitude[k],
                                               360.0)),
                      0.04);
            EXPECT_NEAR(solar::SunDistance(file.table[bodyOf[k]]) / (c.r[k] * kAu), 1.0, 0.0005);
        }
    }
}

// The distance from `p` to the nearest of the polylines `runs`, pixels.
double DistanceToRuns(const solar::Point& p, const std::vector<std::vector<solar::Point>>& runs)
{
    double nearest = INFINITY;
    for (const std::vector<solar::Point>& run : runs)
        for (size_t n = 1; n < run.size(); ++n)
        {
            const solar::Point& a = run[n - 1];
            const solar::Point& b = run[n];
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double t =
                std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
            nearest = std::min(nearest, std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y));
        }
    return nearest;
}

// Mercury to Neptune at every tenth instant of tests/sky's table of astronomy-engine (1901 to
// 2999): their heliocentric longitudes within 0.04 degrees, and each planet within two pixels
// of its orbit as the view draws it at the opening zoom in a window 1080 pixels high.
TEST(PlaceBodies, PlanetsStandOnTheirOrbitsAtTheirReferenceLongitudes)
{
    testing_support::ScopedTimeZone zone("UTC0");
    testing_support::ScratchDir dir;
    dir.LinkRuntime("Data");
    const testing_support::ReferenceTable table =
        testing_support::ReadReferenceTable("tests/sky/sky_reference.csv");
    ASSERT_EQ(table.rows.size(), 2000u);
    const ::Setup values = DefaultSetup();
    SolarSystem model(values);
    ASSERT_EQ(model.ReadSolData(), solar::SolarReadResult::Ok);
    const char* const columns[] = {"helio_mercury", "helio_venus",   "helio_emb",
                                   "helio_mars",    "helio_jupiter", "helio_saturn",
                                   "helio_uranus",  "helio_neptune"};
    const double everywhere[4] = {-1e6, -1e6, 1e6, 1e6};
    double worstLongitude = 0, worstPixels = 0;
    for (size_t i = 0; i < table.rows.size(); i += 10)
    {
        model.UpdateSolAngles(static_cast<uint64_t>(table.At(i, "seconds")));
        const solar::Frame frame = model.LayoutFrame(1920, 1080);
        for (int k = 0; k < 8; ++k)
        {
            SCOPED_TRACE(testing::Message() << columns[k] << " at " << table.At(i, "seconds"));
            const double longitude = std::fabs(
                std::remainder(model.SolObj(k).Place.Longitude - table.At(i, columns[k]), 360.0));
            const solar::OrbitOutline& orbit = model.Outline(k);
            const solar::Point at =
                solar::ProjectPoint(frame.projection, model.SolObj(k).Place.Position);
            const double pixels = DistanceToRuns(
                at, solar::OutlineRuns(orbit.points, orbit.elements, frame.projection, everywhere));
            EXPECT_LE(longitude, 0.04);
            EXPECT_LE(pixels, 2.0);
            worstLongitude = std::max(worstLongitude, longitude);
            worstPixels = std::max(worstPixels, pixels);
        }
    }
    RecordProperty("worst_longitude", std::to_string(worstLongitude));
    RecordProperty("worst_pixels", std::to_string(worstPixels));
}

TEST(PlaceBodies, CometsAreAtTheirPerihelionDistanceOnTheirPerihelionDate)
{
    ElementsFile file;
    ASSERT_TRUE(file.ok);
    // JPL small-body database: 1P/Halley q = 0.586 AU (1986), 2P/Encke q = 0.336 AU.
    const struct
    {
        int slot;
        double q; // AU
    } cases[] = {{9, 0.586}, {10, 0.336}};
    for (const auto& c : cases)
    {
        solar::PlaceBodiesAt(file.table, file.table[c.slot].Elements.PerihelionDate);
        EXPECT_NEAR(solar::SunDistance(file.table[c.slot]), c.q * kAu, 0.005 * kAu) << c.slot;
    }
}

TEST(PlaceBodies, ElementsNoOrbitCanHaveGiveNoPointAndNoOutline)
{
    const struct
    {
        const char* what;
        sky::OrbitalElements elements;
    } cases[] = {
        {"empty slot", {}},
        {"zero period", {1, 0.1, 0, 0, 0, 2451545, 0}},
        {"period not a number", {1, 0.1, 0, 0, 0, 2451545, NAN}},
        {"parabola", {1, 1.0, 0, 0, 0, 2451545, 365}},
        {"negative axis", {-5, 0.1, 0, 0, 0, 2451545, 365}},
        {"infinite inclination", {1, 0.1, INFINITY, 0, 0, 2451545, 365}},
    };
    for (const auto& c : cases)
    {
        SolObjects table[kSolarSlots]{};
        table[0].Elements = c.elements;
        solar::PlaceBodiesAt(table, 2461000.5);
        const solar::Point at =
            solar::ProjectPoint(solar::CentredProjection(800, 600, 1.0f), table[0].Place.Position);
        EXPECT_FALSE(std::isfinite(at.x) || std::isfinite(at.y)) << c.what;
        EXPECT_TRUE(solar::OrbitOutlinePoints(c.elements).empty()) << c.what;
    }
}

TEST(Zoom, InStopsAboveFourAndFallsBackToThree)
{
    float s = 1.0f;
    for (int i = 0; i < 75; ++i)
        s = solar::ZoomInScale(s);
    EXPECT_LT(s, 4.0f);
    s = solar::ZoomInScale(s);
    EXPECT_GT(s, 4.0f);
    EXPECT_NEAR(s, 4.04f, 1e-3);
    EXPECT_EQ(solar::ZoomInScale(s), 3.0f);
    EXPECT_NEAR(solar::ZoomInScale(4.0f), 4.04f, 1e-6);
}

TEST(Zoom, OutReachesPointZeroFourInTwentyFourStepsAndNeverGoesBelow)
{
    float s = 1.0f;
    for (int i = 0; i < 23; ++i)
        s = solar::ZoomOutScale(s);
    EXPECT_GT(s, 0.05f);
    s = solar::ZoomOutScale(s);
    EXPECT_NEAR(s, 0.04f, 1e-5);
    // Below 0.05 the scale is set to exactly 0.04 (as float), which is not above 0.04.
    for (float below : {0.049f, 0.045f, 0.04f, 0.001f})
        EXPECT_EQ(solar::ZoomOutScale(below), 0.04f);
    EXPECT_FALSE(solar::ZoomOutScale(0.045f) > 0.04);
}

// The window's clock ticks with the real elements file, in a zone the test chooses.
class SolarClock : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(file.ok);
        dir.LinkAllRuntime();
        wnd.RestoreMain();
        wnd.EnterSubject(model::Mode::SolarSystem);
        ASSERT_EQ(wnd.Subject(), model::Mode::SolarSystem);
    }
    // Every body stands at its place at the UT instant `ut` (seconds since 1901 UT).
    void ExpectPlacesAt(int64_t ut) const
    {
        SolObjects expected[kSolarSlots];
        std::copy(std::begin(file.table), std::end(file.table), std::begin(expected));
        solar::PlaceBodiesAt(expected, sky::JulianDateFromInstant(ut));
        for (int k = 0; k < 11; ++k)
        {
            EXPECT_DOUBLE_EQ(wnd.solar.SolObj(k).Place.Longitude, expected[k].Place.Longitude) << k;
            EXPECT_DOUBLE_EQ(wnd.solar.SolObj(k).Place.Distance, expected[k].Place.Distance) << k;
        }
    }
    ElementsFile file;
    testing_support::ScratchDir dir; // the window reads and writes its configuration here
    testing_support::SoundRecorder sounds;
    testing_support::MessageRecorder messages;
    VelmoriaWnd wnd;
};

TEST_F(SolarClock, TheLocalClockInstantIsTakenToUniversalTimeWithTheComputersZone)
{
    const struct
    {
        const char* zone;
        Date date;
        Time time;  // local
        int64_t ut; // the same moment, seconds since 1901-01-01 00:00 UT
    } cases[] = {
        {"UTC0", {7, 12, 2026}, {0, 0, 0}, 3974054400},
        {"CET-1CEST,M3.5.0,M10.5.0/3", {7, 12, 2026}, {1, 0, 0}, 3974054400},
        {"CET-1CEST,M3.5.0,M10.5.0/3", {1, 7, 2000}, {14, 0, 0}, 3139905600},
        {"EST5EDT,M3.2.0,M11.1.0", {6, 12, 2026}, {19, 0, 0}, 3974054400},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.zone);
        testing_support::ScopedTimeZone zone(c.zone);
        wnd.solar.UpdateSolAngles(ClockInstant(c.date, c.time));
        ExpectPlacesAt(c.ut);
    }
}

TEST_F(SolarClock, EveryTickShowsTheBodiesAtTheInstantWhicheverWayTheClockRan)
{
    testing_support::ScopedTimeZone zone("UTC0");
    wnd.SolarView().Go();
    wnd.clock.SetMode(kByDays);
    wnd.clock.SetDateTime(Date{1, 12, 2026}, wnd.clock.CurrentTime());
    wnd.clock.NoteStep(0);
    // Forward, reversed, forward again, then a date set by hand that lies behind the clock.
    const struct
    {
        bool forward;
        Date set; // Day 0: the clock as it stands
    } ticks[] = {{true, {}},  {true, {}}, {true, {}}, {false, {}},          {false, {}},
                 {false, {}}, {true, {}}, {true, {}}, {true, {3, 5, 1950}}, {true, {}}};
    for (const auto& tick : ticks)
    {
        wnd.clock.SetTimeDirection(tick.forward);
        if (tick.set.Day != 0)
            wnd.clock.SetDateTime(tick.set, wnd.clock.CurrentTime());
        const uint64_t shown = wnd.clock.Instant();
        wnd.EvTimer(kTimerSolar);
        SCOPED_TRACE(shown);
        ExpectPlacesAt(static_cast<int64_t>(shown));
    }
}
} // namespace

namespace
{
TEST(Trails, KeepAPointForEachPixelMovedAndNoMoreThanTheirBound)
{
    const ::Setup values = DefaultSetup();
    const struct
    {
        double step; // pixels a frame
        int frames;
        size_t kept;
    } cases[] = {{0.25, 100, 25}, {1.0, 100, 100}, {0, 50, 1}};
    for (const auto& c : cases)
    {
        SolarSystem model(values);
        for (int n = 0; n < c.frames; ++n)
            model.ExtendTrails({{}, {{2, {10 + n * c.step, 20}}}});
        EXPECT_EQ(model.Trail(2).size(), c.kept) << c.step;
        EXPECT_TRUE(model.Trail(solar::kSunMark).empty());
    }
    // A view left running: the newest points stay, the oldest go, a pixel apart.
    SolarSystem model(values);
    for (int n = 0; n < 10000; ++n)
        model.ExtendTrails({{}, {{solar::kSunMark, {static_cast<double>(n), 0}}}});
    const std::vector<solar::Point>& trail = model.Trail(solar::kSunMark);
    EXPECT_LE(trail.size(), solar::kTrailPoints);
    EXPECT_GE(trail.size(), solar::kTrailPoints / 2);
    for (size_t k = 0; k < trail.size(); ++k)
        ASSERT_EQ(trail[k].x, 10000.0 - trail.size() + k);
    model.WipeTrails();
    EXPECT_TRUE(model.Trail(solar::kSunMark).empty());
}
} // namespace
