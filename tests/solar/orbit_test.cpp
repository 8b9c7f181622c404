// True places of the Solar System model, their screen points, orbit outlines, distances and zoom
// steps. Reference places: astronomy-engine 2.1.19 (npm), an independent ephemeris:
// HelioVector(body) rotated by Rotation_EQJ_ECL (tools/reference/ephemeris_reference.js shows
// how to run it); the comets' perihelion distances from the JPL small-body database.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "solar/Orbit.h"
#include "solar/SolarReader.h"

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

TEST(ScreenPoint, PutsLongitudeZeroRightAndNinetyUpAtScalePixelsPerMillionKm)
{
    const struct
    {
        sky::Vec3 p; // AU
        float S;
        double dx, dy; // pixels from the origin
    } cases[] = {
        {{1, 0, 0}, 1.0f, kAu, 0},
        {{0, 1, 0}, 1.0f, 0, -kAu},
        {{-1, 0, 0}, 1.0f, -kAu, 0},
        {{0, -1, 0.5}, 1.0f, 0, kAu}, // seen from the north: z does not move the point
        {{1, 0, 0}, 2.0f, 2 * kAu, 0},
        {{0.5, 0.5, 0}, 0.04f, 0.02 * kAu, -0.02 * kAu},
    };
    for (const auto& c : cases)
    {
        double x = 0, y = 0;
        solar::ScreenPoint(c.p, c.S, 500, 300, x, y);
        EXPECT_NEAR(x, 500 + c.dx, 1e-4) << c.p.x << " " << c.p.y << " S " << c.S;
        EXPECT_NEAR(y, 300 + c.dy, 1e-4) << c.p.x << " " << c.p.y << " S " << c.S;
    }
}

TEST(OrbitOutline, StartsAtThePerihelionAndPassesTheAphelionHalfwayRound)
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
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message()
                     << "i " << c.inc << ", node " << c.node << ", w " << c.argPer);
        uint16_t xs[solar::kOutlinePoints], ys[solar::kOutlinePoints];
        solar::OrbitOutline(Body(1.0, 0.5, c.inc, c.node, c.argPer), 1.0f, 500.5, 500.5, xs, ys);
        EXPECT_EQ(xs[0], static_cast<int>(500.5 + c.px * kAu));
        EXPECT_EQ(ys[0], static_cast<int>(500.5 - c.py * kAu));
        EXPECT_EQ(xs[36], static_cast<int>(500.5 + c.ax * kAu));
        EXPECT_EQ(ys[36], static_cast<int>(500.5 - c.ay * kAu));
        EXPECT_EQ(xs[72], xs[0]);
        EXPECT_EQ(ys[72], ys[0]);
    }
}

TEST(OrbitOutline, IsACircleTurnedAnticlockwiseForACircularOrbit)
{
    const SolObjects body = Body(1.0, 0, 0, 0, 0);
    uint16_t xs[solar::kOutlinePoints], ys[solar::kOutlinePoints];
    solar::OrbitOutline(body, 1.0f, 300, 300, xs, ys);
    for (int n = 0; n < solar::kOutlinePoints; ++n)
        EXPECT_NEAR(std::hypot(xs[n] - 300.0, ys[n] - 300.0), 149.6, 1.5) << n;
    // Every 5 degrees: point 18 is a quarter turn on, above the Sun.
    EXPECT_EQ(xs[0], 449);
    EXPECT_EQ(ys[0], 300);
    EXPECT_EQ(xs[18], 300);
    EXPECT_EQ(ys[18], 150);
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
    // Fixed J2000 elements: within 0.2 degrees and 0.2 percent over these decades.
    for (const auto& c : cases)
    {
        solar::PlaceBodiesAt(file.table, sky::JulianDateFromInstant(c.instant));
        for (int k = 0; k < 6; ++k)
        {
            SCOPED_TRACE(testing::Message() << c.date << " " << file.table[bodyOf[k]].Name);
            double x = 0, y = 0;
            solar::BodyPoint(file.table[bodyOf[k]], 1.0f, 0, 0, x, y);
            EXPECT_LE(
                std::fabs(std::remainder(ScreenLongitude(x, y, 0, 0) - c.longitude[k], 360.0)),
                0.2);
            EXPECT_NEAR(solar::SunDistance(file.table[bodyOf[k]]) / (c.r[k] * kAu), 1.0, 0.002);
        }
    }
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

TEST(PlaceBodies, ElementsNoOrbitCanHavePutTheBodyOutsideEveryWindow)
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
        double x = 0, y = 0;
        solar::BodyPoint(table[0], 1.0f, 400, 300, x, y);
        EXPECT_EQ(solar::ScreenCoord(x), 32768) << c.what;
        EXPECT_EQ(solar::ScreenCoord(y), 32768) << c.what;
    }
}

TEST(ScreenCoord, TruncatesTowardZeroAndKeepsNegativesModulo65536)
{
    struct Case
    {
        double v;
        uint16_t stored;
    };
    const Case cases[] = {{149.99, 149}, {-3.0, 65533},     {-3.7, 65533},
                          {-0.5, 0},     {65536.5, 0},      {70000.0, 4464},
                          {NAN, 32768},  {INFINITY, 32768}, {-1e300, 32768}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(solar::ScreenCoord(c.v), c.stored);
    }
    EXPECT_EQ(solar::SignedCoord(65533), -3);
    EXPECT_EQ(solar::SignedCoord(149), 149);
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
        std::copy(std::begin(file.table), std::end(file.table), std::begin(wnd.solar.SolObj));
    }
    // Every body stands at its place at the UT instant `ut` (seconds since 1901 UT).
    void ExpectPlacesAt(int64_t ut) const
    {
        const double jd = sky::JulianDateFromInstant(ut);
        for (int k = 0; k < 11; ++k)
        {
            const sky::HeliocentricPlace place =
                sky::HeliocentricPlaceAt(file.table[k].Elements, jd);
            EXPECT_DOUBLE_EQ(wnd.solar.SolObj[k].Place.Longitude, place.Longitude) << k;
            EXPECT_DOUBLE_EQ(wnd.solar.SolObj[k].Place.Distance, place.Distance) << k;
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
    wnd.solar.Playing = true;
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
