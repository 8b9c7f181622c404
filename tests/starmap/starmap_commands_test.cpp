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

#include "common/AppSupport.h"

using testing_support::IsEnabled;
using testing_support::Trigger;
using testing_support::ViewCanvas;

namespace
{

using StarMapCommands = StarMapApp;

TEST_F(StarMapCommands, EntryReadsBothCataloguesAndCreatesTheSprites)
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

    Trigger(wnd, "return");
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    EXPECT_EQ(wnd->starmap.Stardc, nullptr);
    EXPECT_EQ(wnd->starmap.Soldc[0], nullptr);
    EXPECT_EQ(wnd->starmap.Soldc[1], nullptr);
    EXPECT_EQ(wnd->starmap.NgcMessdc, nullptr);
}

TEST_F(StarMapCommands, RealSkyShowsExactlyTheStarsAboveTheHorizon)
{
    Open(50, true);
    wnd->Values.SMValues.Check[4] = 0;
    wnd->EvTimer(kTimerRealTime);
    EXPECT_GT(ViewCanvas(wnd).Width(), 700);
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

TEST_F(StarMapCommands, ReviewGlobeAndBack)
{
    Open(50, true);
    wnd->EvTimer(kTimerRealTime);
    Trigger(wnd, "reviewGlobe");
    EXPECT_FALSE(wnd->starmap.GlobeSystem);
    EXPECT_TRUE(testing_support::ViewAction(wnd, "reviewGlobe")->isChecked());
    EXPECT_FALSE(testing_support::ViewAction(wnd, "realSkyGlobe")->isChecked());
    EXPECT_TRUE(wnd->StarView().VScrollBar()->isVisibleTo(wnd));
    EXPECT_EQ(wnd->starmap.VPos, 180);
    EXPECT_EQ(wnd->starmap.lat, 0.0f);
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Review Globe");
    // The globe is centred in what the scroll bar leaves of the client area.
    EXPECT_FLOAT_EQ(wnd->starmap.XCenter, wnd->StarView().GetClientRect().width() * 0.5f);
    EXPECT_LT(wnd->StarView().GetClientRect().width(), wnd->width());
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

    Trigger(wnd, "realSkyGlobe");
    EXPECT_TRUE(wnd->starmap.GlobeSystem);
    EXPECT_TRUE(testing_support::ViewAction(wnd, "realSkyGlobe")->isChecked());
    EXPECT_FALSE(testing_support::ViewAction(wnd, "reviewGlobe")->isChecked());
    EXPECT_FALSE(wnd->StarView().VScrollBar()->isVisibleTo(wnd));
    EXPECT_EQ(wnd->starmap.lat, -50.0f);
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Real Sky Globe");
    EXPECT_FLOAT_EQ(wnd->starmap.XCenter, wnd->width() * 0.5f);
}

TEST_F(StarMapCommands, ZoomStopsAtItsBounds)
{
    Open(50, true);
    wnd->starmap.YCenter = 200;
    wnd->starmap.r = 100;
    wnd->StarView().UpdateActions();
    for (int expected : {80, 60, 40, 20})
    {
        EXPECT_TRUE(IsEnabled(wnd, "zoomOut"));
        Trigger(wnd, "zoomOut");
        EXPECT_EQ(wnd->starmap.r, expected);
    }
    EXPECT_FALSE(IsEnabled(wnd, "zoomOut")); // 200 div 6 = 33 is not below 20
    Trigger(wnd, "zoomOut");
    EXPECT_EQ(wnd->starmap.r, 20);
    int steps = 0;
    while (IsEnabled(wnd, "zoomIn") && steps < 100)
    {
        Trigger(wnd, "zoomIn");
        ++steps;
    }
    EXPECT_EQ(wnd->starmap.r, 1300); // 200 x 0.5 + 1200
    EXPECT_EQ(steps, 64);
    Trigger(wnd, "zoomIn");
    EXPECT_EQ(wnd->starmap.r, 1300);
}

TEST_F(StarMapCommands, AStoppedGlobeIsDrawnWholeAfterAZoomAndAResize)
{
    Open(50, true);
    Trigger(wnd, "stop");  // stop
    wnd->EvTimer(kTimerRealTime);
    ASSERT_FALSE(wnd->starmap.StPlaying);
    // What a frame drawn on a clean black window shows at the globe's present state.
    const auto clean = [this] {
        StarMapView& w = wnd->StarView();
        const platform::Canvas saved = w.canvas;
        w.BlackOut();
        w.starmap.ClearGlobeFlags();
        w.starmap.ShowStarMap();
        const QImage image = w.canvas.Image().copy();
        w.canvas = saved;
        return image;
    };
    wnd->starmap.ShowStarMap();
    for (const char* command : {"zoomIn", "zoomIn", "zoomOut"})
    {
        Trigger(wnd, command);
        EXPECT_TRUE(ViewCanvas(wnd).Image() == clean()) << command;
    }
    // A resize blacks the window out; stopped, the globe comes back at once, centred anew.
    app->Frame()->resize(700, 500);
    EXPECT_GT(CountLit(), 500);
    EXPECT_TRUE(ViewCanvas(wnd).Image() == clean());
}

TEST_F(StarMapCommands, ZoomOutInATinyWindowStopsAtZeroInsteadOfWrapping)
{
    Open(50, true);
    wnd->starmap.YCenter = 15;
    wnd->starmap.r = 7;
    wnd->StarView().UpdateActions();
    EXPECT_TRUE(IsEnabled(wnd, "zoomOut"));
    Trigger(wnd, "zoomOut");
    EXPECT_EQ(wnd->starmap.r, 0);
    EXPECT_FALSE(IsEnabled(wnd, "zoomOut"));
}

TEST_F(StarMapCommands, StopGoAndTheDateBound)
{
    Open(50, true);
    Trigger(wnd, "stop");
    EXPECT_FALSE(wnd->starmap.StPlaying);
    EXPECT_TRUE(wnd->StarView().testAttribute(Qt::WA_SetCursor)); // cursor 103
    Trigger(wnd, "go");
    EXPECT_TRUE(wnd->starmap.StPlaying);
    EXPECT_FALSE(wnd->StarView().testAttribute(Qt::WA_SetCursor)); // the arrow

    Trigger(wnd, "stop");
    wnd->clock.SetTimedOut(true);
    Trigger(wnd, "go");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Out from date bound !!!");
    EXPECT_EQ(messages.boxes[0].caption, std::string("Velmoria - [Info]"));
    EXPECT_EQ(messages.boxes[0].flags, 0x40u);
    EXPECT_FALSE(wnd->starmap.StPlaying);

    wnd->clock.SetMode(kByDays); // the direction is offered only while the clock steps
    Trigger(wnd, "timeBack");
    EXPECT_FALSE(wnd->clock.Forward());
    EXPECT_FALSE(wnd->clock.TimedOut());
    wnd->clock.SetTimedOut(true);
    Trigger(wnd, "timeForward");
    EXPECT_TRUE(wnd->clock.Forward());
    EXPECT_FALSE(wnd->clock.TimedOut());
    Trigger(wnd, "go");
    EXPECT_TRUE(wnd->starmap.StPlaying);
    EXPECT_EQ(messages.boxes.size(), 1u);
}

TEST_F(StarMapCommands, ConstellationIndexOpensItsHelpPageAndClearsThePicture)
{
    Open(50, true);
    wnd->EvTimer(kTimerRealTime);
    ASSERT_GT(CountLit(), 0);
    Trigger(wnd, "constellationIndex");
    ASSERT_EQ(help.requests.size(), 1u);
    EXPECT_EQ(help.requests[0].file, "Velmoria.hlp");
    EXPECT_EQ(help.requests[0].page, platform::HelpPage::Topic);
    EXPECT_EQ(help.requests[0].topic, 9016u);
    EXPECT_EQ(CountLit(), 0);
}

TEST_F(StarMapCommands, ItsCommandsAreNotOfferedOnTheMainScreen)
{
    ASSERT_EQ(wnd->Subject(), model::Mode::Main);
    for (const char* command : {"realSkyGlobe", "reviewGlobe", "go", "find", "constellationIndex"})
        EXPECT_EQ(testing_support::ViewAction(wnd, command), nullptr) << command;
}

TEST_F(StarMapCommands, ReversedClockRetracesTheSkyOfEachInstant)
{
    Open(50, true);
    wnd->clock.SetMode(kByHours);
    auto tick = [this]
    {
        const uint64_t S = ClockInstant(wnd->clock.CurrentDate(), wnd->clock.CurrentTime());
        wnd->EvTimer(kTimerStarMap);
        return std::pair<uint64_t, double>{S, wnd->starmap.t};
    };
    std::vector<std::pair<uint64_t, double>> forward, back;
    for (int i = 0; i < 3; ++i)
        forward.push_back(tick());
    Trigger(wnd, "timeBack"); // Time Back
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
