// The Star Map in the whole application: entry with the generated catalogues, the first
// frames, the globe modes, zoom, run controls and the constellation index.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "starmap/Globe.h"
#include "StarMapApp.h"

#include <QScrollBar>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace
{

using StarMapView = StarMapApp;

TEST_F(StarMapView, EntryReadsBothCataloguesAndCreatesTheSprites)
{
    Open(50, true);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(wnd->starmap.StarCount, 690);
    EXPECT_EQ(wnd->starmap.NgcMessCount, 33);
    ASSERT_NE(wnd->starmap.Stardc, nullptr);
    EXPECT_EQ(wnd->starmap.Stardc->Width(), 4);
    EXPECT_EQ(wnd->starmap.Stardc->Height(), 1);
    ASSERT_NE(wnd->starmap.Soldc[0], nullptr);
    EXPECT_EQ(wnd->starmap.Soldc[0]->Width(), 5);
    ASSERT_NE(wnd->starmap.Soldc[1], nullptr);
    ASSERT_NE(wnd->starmap.NgcMessdc, nullptr);
    EXPECT_EQ(wnd->starmap.NgcMessdc->Width(), 5);
    EXPECT_EQ(wnd->starmap.NgcMessdc->Height(), 4);
    EXPECT_EQ(wnd->starmap.lat, -50.0f);
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Real Sky Globe");

    wnd->DispatchCommand(400);
    EXPECT_EQ(wnd->Subject, model::Mode::Main);
    EXPECT_EQ(wnd->starmap.Stardc, nullptr);
    EXPECT_EQ(wnd->starmap.Soldc[0], nullptr);
    EXPECT_EQ(wnd->starmap.Soldc[1], nullptr);
    EXPECT_EQ(wnd->starmap.NgcMessdc, nullptr);
}

TEST_F(StarMapView, RealSkyShowsExactlyTheStarsAboveTheHorizon)
{
    Open(50, true);
    wnd->Values.SMValues.Check[4] = 0;
    wnd->EvTimer(kTimerRealTime);
    EXPECT_GT(wnd->canvas.Width(), 700);
    EXPECT_GT(CountLit(), 100);
    int shown = 0;
    const double L = -50 * globe::kDegToRad;
    for (int i = 0; i < wnd->starmap.StarCount; ++i)
    {
        const Stars& s = wnd->starmap.Star[i];
        // Altitude rule of the celestial sphere for an observer at 50 N (L = -latitude):
        // above the horizon when sin(dec) sin L + cos(dec) cos L sin H <= 0.
        const double H = (wnd->starmap.t + s.RA) * globe::kDegToRad;
        const double below =
            std::sin(s.Dec) * std::sin(L) + std::cos(s.Dec) * std::cos(L) * std::sin(H);
        if (std::fabs(below) > 0.02) // a pixel or two from the rim the truncated row decides
        {
            EXPECT_EQ(s.Flag, below <= 0) << i;
        }
        if (s.Flag)
        {
            ++shown;
            const double d = std::hypot(s.X - wnd->starmap.XCenter, s.Y - wnd->starmap.YCenter);
            EXPECT_LE(d, wnd->starmap.r + 1.5) << i;
        }
    }
    // About half of the sky is up.
    EXPECT_GT(shown, 200);
    EXPECT_LT(shown, 490);
}

TEST_F(StarMapView, ReviewGlobeAndBack)
{
    Open(50, true);
    wnd->EvTimer(kTimerRealTime);
    wnd->DispatchCommand(502);
    EXPECT_FALSE(wnd->starmap.GlobeSystem);
    EXPECT_TRUE(app->Frame()->MenuAction(502)->isChecked());
    EXPECT_FALSE(app->Frame()->MenuAction(501)->isChecked());
    EXPECT_TRUE(wnd->VScrollBar()->isVisibleTo(wnd));
    EXPECT_EQ(wnd->starmap.VPos, 180);
    EXPECT_EQ(wnd->starmap.lat, 0.0f);
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Review Globe");
    // The globe is centred in what the scroll bar leaves of the client area.
    EXPECT_FLOAT_EQ(wnd->starmap.XCenter, wnd->GetClientRect().width() * 0.5f);
    EXPECT_LT(wnd->GetClientRect().width(), wnd->width());
    // A clean picture with the new globe on it at once: no star is marked drawn off the disc.
    EXPECT_GT(CountLit(), 0);
    for (int i = 0; i < kStarCount; ++i)
        if (wnd->starmap.Star[i].Flag)
        {
            EXPECT_LE(std::hypot(wnd->starmap.Star[i].X - wnd->starmap.XCenter, wnd->starmap.Star[i].Y - wnd->starmap.YCenter),
                      wnd->starmap.r + 2.0) << i;
        }

    // Equator-on: the north celestial pole is at the top of the disc.
    wnd->EvTimer(kTimerRealTime);
    const int polaris = 0; // the catalogue starts with Ursa Minor's alpha
    ASSERT_GT(wnd->starmap.Star[polaris].Dec, 1.5f);
    EXPECT_NEAR(wnd->starmap.Star[polaris].Y, wnd->starmap.YCenter - wnd->starmap.r, 2.0);

    wnd->DispatchCommand(501);
    EXPECT_TRUE(wnd->starmap.GlobeSystem);
    EXPECT_TRUE(app->Frame()->MenuAction(501)->isChecked());
    EXPECT_FALSE(app->Frame()->MenuAction(502)->isChecked());
    EXPECT_FALSE(wnd->VScrollBar()->isVisibleTo(wnd));
    EXPECT_EQ(wnd->starmap.lat, -50.0f);
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Real Sky Globe");
    EXPECT_FLOAT_EQ(wnd->starmap.XCenter, wnd->width() * 0.5f);
}

TEST_F(StarMapView, ZoomStopsAtItsBounds)
{
    Open(50, true);
    wnd->starmap.YCenter = 200;
    wnd->starmap.r = 100;
    for (int expected : {80, 60, 40, 20})
    {
        EXPECT_TRUE(wnd->ButtonEnabler(504));
        wnd->DispatchCommand(504);
        EXPECT_EQ(wnd->starmap.r, expected);
    }
    EXPECT_FALSE(wnd->ButtonEnabler(504)); // 200 div 6 = 33 is not below 20
    wnd->DispatchCommand(504);
    EXPECT_EQ(wnd->starmap.r, 20);
    int steps = 0;
    while (wnd->ButtonEnabler(503) && steps < 100)
    {
        wnd->DispatchCommand(503);
        ++steps;
    }
    EXPECT_EQ(wnd->starmap.r, 1300); // 200 x 0.5 + 1200
    EXPECT_EQ(steps, 64);
    wnd->DispatchCommand(503);
    EXPECT_EQ(wnd->starmap.r, 1300);
}

TEST_F(StarMapView, AStoppedGlobeIsDrawnWholeAfterAZoomAndAResize)
{
    Open(50, true);
    wnd->DispatchCommand(508);  // stop
    wnd->EvTimer(kTimerRealTime);
    ASSERT_FALSE(wnd->starmap.StPlaying);
    // What a frame drawn on a clean black window shows at the globe's present state.
    const auto clean = [this] {
        VelmoriaWnd& w = *wnd;
        const platform::Canvas saved = w.canvas;
        w.BlackOut();
        w.starmap.ClearGlobeFlags();
        w.starmap.ShowStarMap();
        const QImage image = w.canvas.Image().copy();
        w.canvas = saved;
        return image;
    };
    wnd->starmap.ShowStarMap();
    for (int command : {503, 503, 504})
    {
        wnd->DispatchCommand(command);
        EXPECT_TRUE(wnd->canvas.Image() == clean()) << command;
    }
    // A resize blacks the window out; stopped, the globe comes back at once, centred anew.
    app->Frame()->resize(700, 500);
    EXPECT_GT(CountLit(), 500);
    EXPECT_TRUE(wnd->canvas.Image() == clean());
}

TEST_F(StarMapView, ZoomOutInATinyWindowStopsAtZeroInsteadOfWrapping)
{
    Open(50, true);
    wnd->starmap.YCenter = 15;
    wnd->starmap.r = 7;
    EXPECT_TRUE(wnd->ButtonEnabler(504));
    wnd->DispatchCommand(504);
    EXPECT_EQ(wnd->starmap.r, 0);
    EXPECT_FALSE(wnd->ButtonEnabler(504));
}

TEST_F(StarMapView, StopGoAndTheDateBound)
{
    Open(50, true);
    wnd->DispatchCommand(508);
    EXPECT_FALSE(wnd->starmap.StPlaying);
    EXPECT_TRUE(wnd->testAttribute(Qt::WA_SetCursor)); // cursor 103
    wnd->DispatchCommand(507);
    EXPECT_TRUE(wnd->starmap.StPlaying);
    EXPECT_FALSE(wnd->testAttribute(Qt::WA_SetCursor)); // the arrow

    wnd->DispatchCommand(508);
    wnd->clock.TimeOut = true;
    wnd->DispatchCommand(507);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Out from date bound !!!");
    EXPECT_EQ(messages.boxes[0].caption, std::string("Velmoria - [Info]"));
    EXPECT_EQ(messages.boxes[0].flags, 0x40u);
    EXPECT_FALSE(wnd->starmap.StPlaying);

    wnd->DispatchCommand(506);
    EXPECT_FALSE(wnd->clock.TimeForward);
    EXPECT_FALSE(wnd->clock.TimeOut);
    wnd->clock.TimeOut = true;
    wnd->DispatchCommand(505);
    EXPECT_TRUE(wnd->clock.TimeForward);
    EXPECT_FALSE(wnd->clock.TimeOut);
    wnd->DispatchCommand(507);
    EXPECT_TRUE(wnd->starmap.StPlaying);
    EXPECT_EQ(messages.boxes.size(), 1u);
}

TEST_F(StarMapView, ConstellationIndexOpensItsHelpPageAndClearsThePicture)
{
    Open(50, true);
    wnd->EvTimer(kTimerRealTime);
    ASSERT_GT(CountLit(), 0);
    wnd->DispatchCommand(353);
    ASSERT_EQ(help.requests.size(), 1u);
    EXPECT_EQ(help.requests[0].file, "Velmoria.hlp");
    EXPECT_EQ(help.requests[0].command, 1u);
    EXPECT_EQ(help.requests[0].data, 9016u);
    EXPECT_EQ(CountLit(), 0);
}

TEST_F(StarMapView, CommandsDoNothingOnTheMainScreen)
{
    ASSERT_EQ(wnd->Subject, model::Mode::Main);
    wnd->starmap.r = 100;
    wnd->starmap.YCenter = 200;
    wnd->starmap.StPlaying = false;
    for (int id : {501, 502, 503, 504, 507, 353})
        wnd->DispatchCommand(id);
    EXPECT_EQ(wnd->starmap.r, 100);
    EXPECT_FALSE(wnd->starmap.StPlaying);
    EXPECT_TRUE(help.requests.empty());
    EXPECT_FALSE(wnd->VScrollBar()->isVisibleTo(wnd));
}

TEST_F(StarMapView, ReversedClockRetracesTheSkyOfEachInstant)
{
    Open(50, true);
    wnd->clock.TimeUpdateMode = kByHours;
    auto tick = [this]
    {
        const uint64_t S = ClockInstant(wnd->clock.CurDate, wnd->clock.CurTime);
        wnd->EvTimer(kTimerStarMap);
        return std::pair<uint64_t, double>{S, wnd->starmap.t};
    };
    std::vector<std::pair<uint64_t, double>> forward, back;
    for (int i = 0; i < 3; ++i)
        forward.push_back(tick());
    wnd->DispatchCommand(506); // Time Back
    for (int i = 0; i < 4; ++i)
        back.push_back(tick());
    // The reversal's tick draws the instant the clock had stepped to, an hour after the last
    // frame: the sky moves on by one hour's turn, no more.
    EXPECT_EQ(back[0].first, forward[2].first + 3600);
    EXPECT_NEAR(std::remainder(forward[2].second - back[0].second, 360.0),
                3600 * 360.0 / 86164.0989, 1e-4);
    // Then every frame on the way back is the frame the forward pass drew at the same instant.
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(back[i + 1].first, forward[2 - i].first);
        EXPECT_NEAR(back[i + 1].second, forward[2 - i].second, 1e-9) << i;
    }
}
} // namespace
