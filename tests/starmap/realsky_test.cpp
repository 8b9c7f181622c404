// The real sky in the whole application: the globe drawn for the observer's place and the
// computer's time zone, compared with an independent ephemeris (astronomy-engine 2.1.19, npm:
// the values were computed with it once and are written out below with the call that gave them).
#include "StarMapApp.h"
#include "sky/Sky.h"
#include "starmap/Globe.h"
#include "starmap/LocationDlg.h"
#include "time/TimeUpdateDlg.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace
{
using testing_support::ScopedTimeZone;

constexpr double kDeg = 0.017453292519943295;
constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

// Berlin: 52 deg 31' N (the globe takes the whole degrees), 13 deg 24' E.
LocationSetup Berlin()
{
    LocationSetup place{};
    place.Lat = Coordinate{52, 31, 0};
    place.North = 1;
    place.Lon = Coordinate{13, 24, 0};
    place.West = 0;
    return place;
}

class RealSky : public StarMapApp
{
protected:
    // Enters the Star Map at `place` with the computer's clock showing the local date and time.
    void Enter(const LocationSetup& place, Date date, Time time)
    {
        clock.Set(date, time);
        wnd->Values.LocValues = place;
        Trigger(wnd, "starMap");
        ASSERT_EQ(wnd->Subject(), model::Mode::StarMap);
    }

    // The index of the catalogue star at right ascension `raHours`, declination `decDeg`.
    int StarAt(double raHours, double decDeg) const
    {
        const std::vector<Stars>& stars = View().Catalogue().stars;
        for (size_t i = 0; i < stars.size(); ++i)
            if (std::fabs(stars[i].RA - raHours * 15) < 0.01 &&
                std::fabs(stars[i].Dec - decDeg * kDeg) < 1e-4)
                return static_cast<int>(i);
        return -1;
    }
    // The globe zoomed in as far as it goes: a large disc reads directions back closely.
    void ZoomInFully()
    {
        while (IsEnabled(wnd, "zoomIn"))
            Trigger(wnd, "zoomIn");
    }
};

// The direction a star is drawn in, read back from the picture: the disc is the sky seen from
// above the zenith, north up and east left, so a point at altitude a and azimuth A (from north
// through east) lies r cos a from the centre, at -sin A across and -cos A down.
struct Horizontal
{
    double alt, az; // degrees
};

Horizontal DrawnDirection(const StarMap& map, const skyframe::Place& at)
{
    const double dx = at.at.x - map.XCenter();
    const double dy = at.at.y - map.YCenter();
    const double rho = std::min(std::hypot(dx, dy) / map.Radius(), 1.0);
    return Horizontal{std::acos(rho) / kDeg, std::atan2(-dx, -dy) / kDeg};
}

double AngleBetween(Horizontal a, Horizontal b)
{
    const double c =
        std::sin(a.alt * kDeg) * std::sin(b.alt * kDeg) +
        std::cos(a.alt * kDeg) * std::cos(b.alt * kDeg) * std::cos((a.az - b.az) * kDeg);
    return std::acos(std::clamp(c, -1.0, 1.0)) / kDeg;
}

TEST_F(RealSky, EnteringTheStarMapDrawsTheFirstFrameAtOnceAndTheFirstTickDrawsTheSame)
{
    ScopedTimeZone zone(kCentralEurope);
    Enter(Berlin(), Date{20, 3, 2026}, Time{21, 0, 0});
    EXPECT_GT(CountLit(), 500);
    const QImage first = Picture();
    wnd->EvTimer(kTimerRealTime);
    EXPECT_TRUE(first == Picture());
}

// Normal conditions and either globe black the window out and show the sky again at once.
TEST_F(RealSky, NormalConditionsAndAChangeOfGlobeDrawAtOnce)
{
    ScopedTimeZone zone(kCentralEurope);
    Enter(Berlin(), Date{20, 3, 2026}, Time{21, 0, 0});
    for (const char* command : {"normal", "reviewGlobe", "normal", "realSkyGlobe"})
    {
        Trigger(wnd, command);
        EXPECT_GT(CountLit(), 500) << command;
    }
}

TEST_F(RealSky, SiriusCrossesTheMeridianAtItsTransitTime)
{
    // Sirius (catalogue place 6.752480 h, -16.71610 deg) at 52 N 13 deg 24' E crosses the
    // meridian on 2026-02-10 at 20:29:01 UT, 21:29:01 CET: astronomy-engine
    // SearchHourAngle(Star1, Observer(52, 13.4, 0), 0, 2026-02-10T00:00Z).
    ScopedTimeZone zone(kCentralEurope);
    Enter(Berlin(), Date{10, 2, 2026}, Time{21, 29, 1});
    // On a disc of radius 1000 two minutes of time move Sirius 8 pixels across the meridian.
    ZoomInFully();
    ASSERT_GT(Map().Radius(), 1000);
    const int sirius = StarAt(6.752480, -16.71610);
    ASSERT_GE(sirius, 0);
    struct
    {
        Time time;
        int side; // -1 east of the meridian (left), 0 on it, +1 west (right)
    } cases[] = {{{21, 27, 1}, -1}, {{21, 29, 1}, 0}, {{21, 31, 1}, 1}};
    for (const auto& c : cases)
    {
        clock.Set(Date{10, 2, 2026}, c.time);
        wnd->EvTimer(kTimerRealTime);
        const skyframe::Place& at = Places().stars[static_cast<size_t>(sirius)];
        ASSERT_TRUE(at.visible);
        const double dx = at.at.x - Map().XCenter();
        if (c.side == 0)
        {
            EXPECT_LE(std::fabs(dx), 2.0);
        }
        else
        {
            EXPECT_GT(dx * c.side, 6.0) << c.time.Minute;
        }
    }
}

TEST_F(RealSky, BrightStarsStandAtTheAltitudeAndAzimuthOfTheReference)
{
    // 2026-03-20 21:00 CET = 20:00 UT at 52 deg 00' N 13 deg 24' E, the whole-degree latitude the
    // globe draws; astronomy-engine: DefineStar(Star1, ra, dec, 1000), Equator(Star1, t,
    // observer, true, true), Horizon(t, observer, ra, dec, null) (no refraction). The globe
    // leaves out the aberration (20") and the reference the proper motion (Procyon's 33" since
    // 2000).
    const struct
    {
        const char* name;
        double raHours, decDeg; // catalogue place
        Horizontal reference;
    } cases[] = {
        {"Sirius", 6.752480, -16.71610, {16.414, 210.124}},
        {"Betelgeuse", 5.919527, 7.40710, {33.431, 233.564}},
        {"Capella", 5.278153, 45.99800, {56.064, 281.057}},
        {"Procyon", 7.655033, 5.22500, {41.191, 202.198}},
        {"Regulus", 10.139533, 11.96720, {46.499, 149.851}},
    };
    ScopedTimeZone zone(kCentralEurope);
    Enter(Berlin(), Date{20, 3, 2026}, Time{21, 0, 0});
    for (const auto& c : cases)
    {
        const int i = StarAt(c.raHours, c.decDeg);
        ASSERT_GE(i, 0) << c.name;
        const skyframe::Place& at = Places().stars[static_cast<size_t>(i)];
        EXPECT_TRUE(at.visible) << c.name;
        EXPECT_LE(AngleBetween(DrawnDirection(Map(), at), c.reference), 0.02) << c.name;
    }
}

TEST_F(RealSky, StarsStandWhereTheirProperMotionsTakeThem)
{
    // Arcturus (catalogue place 14.261020 h, +19.18240 deg) moves -1093.39 and -2000.06 mas a
    // year (Hipparcos, van Leeuwen 2007): 0.63 degrees by 2999, 12 pixels on a disc of 1000.
    wnd->Values.SMValues.Check[4] = 1;
    Enter(Berlin(), Date{20, 3, 2026}, Time{21, 0, 0});
    ZoomInFully();
    Show(Date{1, 1, 2999}, Time{0, 0, 0});
    const int arcturus = StarAt(14.261020, 19.18240);
    ASSERT_GE(arcturus, 0);
    sky::SkySnapshot snapshot;
    ASSERT_TRUE(sky::UpdateSky(snapshot, Map().Bodies().julianDate));
    const auto drawnAt = [&](double pmRa, double pmDec)
    {
        const sky::CatalogueStar star = sky::MakeCatalogueStar(14.261020, 19.18240, pmRa, pmDec);
        return globe::PlaceOnGlobe(Map().View(true), sky::StarDirectionOfDate(snapshot, star)).at;
    };
    const globe::ScreenPoint at = Places().stars[static_cast<size_t>(arcturus)].at;
    const globe::ScreenPoint moved = drawnAt(-1093.39, -2000.06);
    const globe::ScreenPoint still = drawnAt(0, 0);
    EXPECT_LT(std::hypot(at.x - moved.x, at.y - moved.y), 0.5);
    EXPECT_GT(std::hypot(at.x - still.x, at.y - still.y), 8.0);
}

TEST_F(RealSky, TheSameInstantDrawsTheSameSkyInEveryTimeZoneWhileTheClockShowsLocalTime)
{
    const struct
    {
        const char* zone;
        bool gmtOption;
        Date date;
        Time time;
        const char* timePane;
    } cases[] = {
        // 2026-07-15 20:00 UT and 2026-01-15 20:00 UT.
        {"UTC0", false, {15, 7, 2026}, {20, 0, 0}, "   20:00:00"},
        {kCentralEurope, false, {15, 7, 2026}, {22, 0, 0}, "   22:00:00"},
        {"EST5EDT,M3.2.0,M11.1.0", false, {15, 7, 2026}, {16, 0, 0}, "   16:00:00"},
        // With "Greenwich mean time" the clock is UT whatever the computer's zone.
        {kCentralEurope, true, {15, 7, 2026}, {20, 0, 0}, "   20:00:00"},
        {"UTC0", false, {15, 1, 2026}, {20, 0, 0}, "   20:00:00"},
        {kCentralEurope, false, {15, 1, 2026}, {21, 0, 0}, "   21:00:00"},
        {"EST5EDT,M3.2.0,M11.1.0", false, {15, 1, 2026}, {15, 0, 0}, "   15:00:00"},
    };
    struct Sky
    {
        double t, sun, moon;
    };
    std::vector<Sky> skies;
    for (const auto& c : cases)
    {
        ScopedTimeZone zone(c.zone);
        LocationSetup place = Berlin();
        place.GMT = c.gmtOption;
        Enter(place, c.date, c.time);
        EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Time)->Text(), c.timePane) << c.zone;
        skies.push_back({Map().Rotation(), Map().Bodies().sun.ra, Map().Bodies().moon.ra});
        Trigger(wnd, "return");
    }
    for (size_t k = 1; k < skies.size(); ++k)
    {
        const Sky& ref = skies[k < 4 ? 0 : 4];
        EXPECT_NEAR(skies[k].t, ref.t, 1e-9) << cases[k].zone;
        EXPECT_NEAR(skies[k].sun, ref.sun, 1e-9) << cases[k].zone;
        EXPECT_NEAR(skies[k].moon, ref.moon, 1e-9) << cases[k].zone;
    }
    // From 15 January to 15 July, 181 days, at the same hour of UT the stars stand further on
    // by 0.985612 degrees a day (the Earth's rotation angle gains 0.00273781191135448 of a turn
    // a day on the UT day): 178.396 degrees, so t is that much smaller.
    EXPECT_NEAR(std::remainder(skies[0].t - skies[4].t, 360.0), -178.396, 0.01);
}

TEST_F(RealSky, SteppingAcrossAChangeOfDaylightSavingTurnsTheSkyByTheTimeThatPassed)
{
    // Central Europe, 2026: the clocks go forward at 01:00 UT on 29 March (02:00 -> 03:00) and
    // back at 01:00 UT on 25 October (03:00 -> 02:00). Each row is a run of stepping ticks from
    // a local start and, for each tick, the UT that the wall clocks showed that local time (the
    // skipped hour held at the change, the repeated hour read the first time).
    const struct
    {
        const char* what;
        int mode;
        Date date;
        Time start;
        std::vector<int> utMinutes; // minutes of UT after 00:00 UT of the start's date
    } cases[] = {
        {"forward by minutes", kByMinutes, {29, 3, 2026}, {1, 58, 0}, {58, 59, 60, 60, 60}},
        {"forward by hours", kByHours, {29, 3, 2026}, {0, 0, 0}, {-60, 0, 60, 60, 120}},
        {"back by hours", kByHours, {25, 10, 2026}, {0, 0, 0}, {-120, -60, 0, 120, 180}},
    };
    ScopedTimeZone zone(kCentralEurope);
    for (const auto& c : cases)
    {
        Enter(Berlin(), c.date, c.start);
        wnd->clock.SetMode(c.mode);
        std::vector<double> t;
        for (size_t k = 0; k < c.utMinutes.size(); ++k)
        {
            wnd->EvTimer(kTimerStarMap);
            t.push_back(Map().Rotation());
        }
        // The sky turns westward (t decreasing) by 360.98565 degrees a day of UT.
        for (size_t k = 1; k < t.size(); ++k)
        {
            const double minutes = c.utMinutes[k] - c.utMinutes[0];
            EXPECT_NEAR(std::remainder(t[0] - t[k], 360.0), minutes * 360.98565 / 1440, 1e-3)
                << c.what << ", tick " << k;
        }
        Trigger(wnd, "return");
    }
}

TEST_F(RealSky, ALocationFurtherEastShowsTheSkyFurtherOnAtOnce)
{
    ScopedTimeZone zone("UTC0");
    Enter(Berlin(), Date{20, 3, 2026}, Time{21, 0, 0});
    Trigger(wnd, "stop");
    const double before = Map().Rotation();
    // 15 degrees further east and 10 degrees further north, chosen in the location dialog.
    testing_support::DialogAnswer answer(
        [](platform::Dialog& d)
        {
            auto& dlg = static_cast<LocationDlg&>(d);
            dlg.LonDegree->SetNumber(28);
            dlg.LatDegree->SetNumber(62);
            dlg.CmOk();
            return dlg.result();
        });
    Trigger(wnd, "location");
    EXPECT_NEAR(std::remainder(before - Map().Rotation(), 360.0), 15.0, 1e-4);
    EXPECT_EQ(Map().Tilt().lat, -62.0);
}
} // namespace
