// Body angles, screen points, orbit outlines, distances and zoom steps of the Solar System
// model, against values worked out by hand.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "solar/Orbit.h"
#include "solar/SolarReader.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
constexpr double kPi = 3.14159265358979323846;
constexpr double kAu = 149.59787;

// A body as the reader stores it, from file values (AU, degrees).
SolObjects Body(double aAu, float e, float incDeg, float argPerDeg, float periodDays = 365.25f)
{
    SolarObjects r{};
    r.ID = 'P';
    r.SemiAxis = aAu;
    r.Eccentr = e;
    r.Inclin = incDeg;
    r.ArgPer = argPerDeg;
    r.Period = periodDays;
    SolObjects body{};
    solar::ConvertSolarRecord(r, body);
    return body;
}

TEST(BodyPhase, TurnsOnceClockwisePerPeriodFromTheStartOf1901)
{
    const float day = 1.0f; // period of one day: 86400 s
    struct Case
    {
        uint64_t T;
        double degrees;
    };
    const Case cases[] = {
        {0, 0.0},        {21600, -90.0}, {43200, -180.0},
        {64800, -270.0}, {86400, 0.0},   {86400 * 1000 + 43200, -180.0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.T);
        EXPECT_NEAR(solar::BodyPhase(day, c.T), c.degrees * kPi / 180, 1e-9);
    }
    // A year of 365.25 days later the body is back where it was.
    EXPECT_NEAR(solar::BodyPhase(365.25f, 31557600), 0.0, 1e-9);
}

TEST(BodyPhase, APeriodThatIsNotPositiveGivesAFixedAngle)
{
    for (float period : {0.0f, -10.0f, NAN, INFINITY})
        EXPECT_EQ(solar::BodyPhase(period, 123456), 0.0);
}

TEST(BodyPoint, StartsAtAphelionOppositeThePerihelionDirection)
{
    // Perihelion argument 0: perihelion toward +x, so the aphelion (E = 0) lies at -x,
    // a(1 + e) = 1.5 AU from the Sun.
    const SolObjects body = Body(1.0, 0.5f, 0, 0);
    double x = 0, y = 0;
    solar::BodyPoint(body, 0.0, 1.0f, 500, 300, x, y);
    EXPECT_NEAR(x, 500 - 1.5 * kAu, 1e-4);
    EXPECT_NEAR(y, 300, 1e-4);
    EXPECT_EQ(solar::ScreenCoord(x), 275);
    // Perihelion argument 90 degrees: perihelion upward on the screen (anticlockwise as seen),
    // aphelion downward.
    solar::BodyPoint(Body(1.0, 0.5f, 0, 90), 0.0, 1.0f, 500, 300, x, y);
    EXPECT_NEAR(x, 500, 1e-4);
    EXPECT_NEAR(y, 300 + 1.5 * kAu, 1e-4);
    solar::BodyPoint(Body(1.0, 0.5f, 0, 90), kPi, 1.0f, 500, 300, x, y);
    EXPECT_NEAR(y, 300 - 0.5 * kAu, 1e-4);
}

TEST(BodyPoint, InclinationForeshortensTheFocusOffsetOfAnEccentricOrbit)
{
    // a = 1 AU, e = 0.5, i = 60 degrees (cos i = 1/2, sqrt(1 - e^2) = 0.8660254), by hand:
    // perihelion argument 0 (stored angle 180 degrees):
    //   x = Ox - a (cos E + e) / 2, y = Oy - 0.8660254 a sin E;
    // perihelion argument 90 (stored angle 90 degrees):
    //   x = Ox - 0.8660254 a sin E, y = Oy + a (cos E + e) / 2.
    struct Case
    {
        float argPerDeg;
        double E;
        double dx, dy;  // in AU
    };
    const Case cases[] = {
        {0, 0, -0.75, 0},
        {0, kPi / 2, -0.25, -0.8660254},
        {0, kPi, 0.25, 0},
        {90, kPi / 2, -0.8660254, 0.25},
        {90, kPi, 0, -0.25},
    };
    for (const Case& c : cases)
    {
        double x = 0, y = 0;
        solar::BodyPoint(Body(1.0, 0.5f, 60, c.argPerDeg), c.E, 1.0f, 500, 300, x, y);
        EXPECT_NEAR(x, 500 + c.dx * kAu, 1e-4) << c.argPerDeg << " " << c.E;
        EXPECT_NEAR(y, 300 + c.dy * kAu, 1e-4) << c.argPerDeg << " " << c.E;
    }
}

TEST(BodyPoint, ACircleOfOneAuIsDrawnAtThatManyPixelsAtUnitScale)
{
    const SolObjects body = Body(1.0, 0, 0, 0);
    for (double E = 0; E < 2 * kPi; E += 0.3)
    {
        double x = 0, y = 0;
        solar::BodyPoint(body, E, 1.0f, 400, 400, x, y);
        EXPECT_NEAR(std::hypot(x - 400, y - 400), 149.59787, 1e-6);
        double x2 = 0, y2 = 0;
        solar::BodyPoint(body, E, 2.0f, 400, 400, x2, y2);
        EXPECT_NEAR(std::hypot(x2 - 400, y2 - 400), 2 * 149.59787, 1e-6);
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

TEST(OrbitOutline, IsAClosedCircleForACircularOrbit)
{
    const SolObjects body = Body(1.0, 0, 0, 0);
    uint16_t xs[solar::kOutlinePoints], ys[solar::kOutlinePoints];
    solar::OrbitOutline(body, 1.0f, 300, 300, xs, ys);
    for (int n = 0; n < solar::kOutlinePoints; ++n)
        EXPECT_NEAR(std::hypot(xs[n] - 300.0, ys[n] - 300.0), 149.6, 1.5) << n;
    EXPECT_EQ(xs[0], xs[72]);
    EXPECT_EQ(ys[0], ys[72]);
    // Every 5 degrees: point 18 is a quarter turn from point 0.
    EXPECT_EQ(xs[0], 150); // 300 - 149.6
    EXPECT_NEAR(ys[18], 300 - 149.6, 1.0);
}

TEST(OrbitOutline, InclinationShortensTheAxisAlongThePerihelionDirection)
{
    // i = 60 degrees, perihelion toward x: the x extent is a cos i, the y extent stays a.
    const SolObjects body = Body(1.0, 0, 60, 0);
    uint16_t xs[solar::kOutlinePoints], ys[solar::kOutlinePoints];
    solar::OrbitOutline(body, 1.0f, 500, 500, xs, ys);
    int minX = 10000, maxX = 0, minY = 10000, maxY = 0;
    for (int n = 0; n < solar::kOutlinePoints; ++n)
    {
        minX = std::min<int>(minX, xs[n]);
        maxX = std::max<int>(maxX, xs[n]);
        minY = std::min<int>(minY, ys[n]);
        maxY = std::max<int>(maxY, ys[n]);
    }
    EXPECT_NEAR((maxX - minX) / 2.0, 149.59787 * 0.5, 1.0);
    EXPECT_NEAR((maxY - minY) / 2.0, 149.59787, 1.0);
}

TEST(SunDistance, RunsFromAphelionToPerihelion)
{
    SolObjects body = Body(1.0, 0.5f, 0, 0);
    body.tAng = 0;
    EXPECT_NEAR(solar::SunDistance(body), 1.5 * kAu, 1e-3);
    body.tAng = kPi;
    EXPECT_NEAR(solar::SunDistance(body), 0.5 * kAu, 1e-3);
    body.tAng = kPi / 2;
    EXPECT_NEAR(solar::SunDistance(body), kAu, 1e-3);
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

// The stepping tick's angle update as the clock helper runs it: re-base when the clock moved
// against the running direction, then the angles for T.
class RebaseRule : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wnd.Subject = model::Mode::SolarSystem;
        wnd.solar.SolObj[0] = Body(1.0, 0, 0, 0, 1.0f); // one turn per day
        wnd.clock.timeStep = 0;
    }
    void TearDown() override { wnd.Subject = model::Mode::None; }
    void Tick(uint64_t T)
    {
        if ((wnd.clock.TimeForward && T < wnd.clock.timeStep) || (!wnd.clock.TimeForward && T > wnd.clock.timeStep))
            wnd.solar.RebaseSolAngles(T);
        wnd.solar.UpdateSolAngles(T);
        wnd.clock.timeStep = T;
    }
    double Degrees() const { return wnd.solar.SolObj[0].tAng * 180 / kPi; }
    testing_support::ScratchDir dir; // the window reads and writes its configuration here
    VelmoriaWnd wnd;
};

TEST_F(RebaseRule, ReversingTheDirectionHoldsTheBodyOneTickThenRunsItBack)
{
    Tick(0);
    Tick(3600);
    Tick(7200);
    EXPECT_NEAR(Degrees(), -30.0, 1e-9); // two hours of a one-day turn
    wnd.clock.TimeForward = false;
    Tick(10800); // the clock was stepped once more after the last drawing
    EXPECT_NEAR(Degrees(), -30.0, 1e-9);
    Tick(7200);
    EXPECT_NEAR(Degrees(), -15.0, 1e-9);
    Tick(3600);
    EXPECT_NEAR(Degrees(), 0.0, 1e-9);
}

TEST_F(RebaseRule, AnEarlierDateWhileRunningForwardKeepsTheBodyInPlace)
{
    Tick(0);
    Tick(21600);
    EXPECT_NEAR(Degrees(), -90.0, 1e-9);
    Tick(3600); // the user set an earlier time
    EXPECT_NEAR(Degrees(), -90.0, 1e-9);
    Tick(7200);
    EXPECT_NEAR(Degrees(), -105.0, 1e-9);
}

TEST_F(RebaseRule, RunningBackwardFromTheOpeningStartsWhereTheBodyStands)
{
    wnd.clock.TimeForward = false;
    Tick(43200); // timeStep is 0 after the view opened
    EXPECT_NEAR(Degrees(), 0.0, 1e-9);
    Tick(39600);
    EXPECT_NEAR(Degrees(), 15.0, 1e-9);
}

TEST_F(RebaseRule, TheRealTimeTickAddsTheOffsetInRadians)
{
    wnd.solar.SolObj[0].ust = kPi / 2;
    wnd.solar.UpdateSolAngles(21600);
    EXPECT_NEAR(Degrees(), 0.0, 1e-9); // -90 degrees of phase plus a quarter turn
}
} // namespace
