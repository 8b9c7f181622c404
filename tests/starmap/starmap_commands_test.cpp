// The Star Map in the whole application: entry with the generated catalogues, the first
// frames, the globe modes, zoom and the window's size, run controls and the constellation index.
#include "StarMapApp.h"
#include "starmap/Globe.h"

#include <QScrollBar>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace
{
using StarMapCommands = StarMapApp;

TEST_F(StarMapCommands, EntryReadsBothCataloguesAndShowsTheRealSkyOfThePlace)
{
    Open(50, true);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(View().Catalogue().StarCount(), 690);
    EXPECT_EQ(View().Catalogue().DeepSkyCount(), 33);
    EXPECT_EQ(Map().Tilt().lat, -50.0);
    EXPECT_TRUE(Map().RealSky());
    EXPECT_TRUE(View().Playing());
    EXPECT_GT(CountLit(), 500);
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Real Sky Globe");

    Trigger(wnd, "return");
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    EXPECT_FALSE(View().Playing());
}

TEST_F(StarMapCommands, RealSkyShowsExactlyTheStarsAboveTheHorizon)
{
    Open(50, true);
    wnd->Values.SMValues.Check[4] = 0;
    wnd->EvTimer(kTimerRealTime);
    int shown = 0;
    const double L = -50 * globe::kDegToRad;
    for (int i = 0; i < View().Catalogue().StarCount(); ++i)
    {
        const Stars& s = View().Catalogue().stars[static_cast<size_t>(i)];
        const skyframe::Place& at = Places().stars[static_cast<size_t>(i)];
        // Altitude rule of the celestial sphere for an observer at 50 N (L = -latitude):
        // above the horizon when sin(dec) sin L + cos(dec) cos L sin H <= 0.
        const double H = (Map().Rotation() + s.RA) * globe::kDegToRad;
        const double below =
            std::sin(s.Dec) * std::sin(L) + std::cos(s.Dec) * std::cos(L) * std::sin(H);
        if (std::fabs(below) > 0.02) // a pixel or two from the rim the truncated row decides
        {
            EXPECT_EQ(at.visible, below <= 0) << i;
        }
        if (at.visible)
        {
            ++shown;
            const double d = std::hypot(at.at.x - Map().XCenter(), at.at.y - Map().YCenter());
            EXPECT_LE(d, Map().Radius() + 1e-9) << i;
        }
    }
    // About half of the sky is up.
    EXPECT_GT(shown, 200);
    EXPECT_LT(shown, 490);
}

TEST_F(StarMapCommands, ReviewGlobeAndBack)
{
    Enter(50, true);
    Trigger(wnd, "reviewGlobe");
    EXPECT_FALSE(Map().RealSky());
    EXPECT_TRUE(testing_support::ViewAction(wnd, "reviewGlobe")->isChecked());
    EXPECT_FALSE(testing_support::ViewAction(wnd, "realSkyGlobe")->isChecked());
    EXPECT_TRUE(View().TiltBar()->isVisibleTo(wnd));
    EXPECT_EQ(Map().TiltPosition(), 180);
    EXPECT_EQ(Map().Tilt().lat, 0.0);
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Review Globe");
    // The globe is centred in what the scroll bar leaves of the client area.
    EXPECT_DOUBLE_EQ(Map().XCenter(), View().ClientRect().width() * 0.5);
    EXPECT_LT(View().ClientRect().width(), wnd->width());
    EXPECT_GT(CountLit(), 500);

    // Equator-on: the north celestial pole is at the top of the disc.
    const int polaris = 0; // the catalogue starts with Ursa Minor's alpha
    ASSERT_GT(View().Catalogue().stars[polaris].Dec, 1.5f);
    EXPECT_NEAR(Places().stars[polaris].at.y, Map().YCenter() - Map().Radius(), 2.0);

    Trigger(wnd, "realSkyGlobe");
    EXPECT_TRUE(Map().RealSky());
    EXPECT_TRUE(testing_support::ViewAction(wnd, "realSkyGlobe")->isChecked());
    EXPECT_FALSE(testing_support::ViewAction(wnd, "reviewGlobe")->isChecked());
    EXPECT_FALSE(View().TiltBar()->isVisibleTo(wnd));
    EXPECT_EQ(Map().Tilt().lat, -50.0);
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Real Sky Globe");
    EXPECT_DOUBLE_EQ(Map().XCenter(), wnd->width() * 0.5);
}

TEST_F(StarMapCommands, ZoomStopsAtItsBounds)
{
    Open(50, true);
    // A view 400 pixels high: the centre row 200, the opening radius 100.
    app->Frame()->resize(800, app->Frame()->height() + 400 - View().height());
    ASSERT_EQ(View().height(), 400);
    Trigger(wnd, "normal");
    ASSERT_EQ(Map().Radius(), 100.0);
    for (double expected : {80, 60, 40, 20})
    {
        EXPECT_TRUE(IsEnabled(wnd, "zoomOut"));
        Trigger(wnd, "zoomOut");
        EXPECT_EQ(Map().Radius(), expected);
    }
    EXPECT_FALSE(IsEnabled(wnd, "zoomOut")); // 200 div 6 = 33 is not below 20
    int steps = 0;
    while (IsEnabled(wnd, "zoomIn") && steps < 100)
    {
        Trigger(wnd, "zoomIn");
        ++steps;
    }
    EXPECT_EQ(Map().Radius(), 1300.0); // 200 x 0.5 + 1200
    EXPECT_EQ(steps, 64);
}

TEST_F(StarMapCommands, TheGlobeKeepsItsProportionsWhenTheWindowIsResized)
{
    Open(50, true);
    Trigger(wnd, "stop");
    // The opening radius is half the centre height, whatever the window's size.
    EXPECT_DOUBLE_EQ(Map().Radius(), Map().YCenter() / 2);
    const struct
    {
        int zoomSteps;
        QSize window;
    } cases[] = {{0, {1200, 900}}, {3, {640, 520}}, {-2, {1000, 1000}}, {5, {800, 600}}};
    for (const auto& c : cases)
    {
        Trigger(wnd, "normal");
        Trigger(wnd, "stop");
        for (int i = 0; i < std::abs(c.zoomSteps); ++i)
            Trigger(wnd, c.zoomSteps > 0 ? "zoomIn" : "zoomOut");
        const double proportion = Map().Radius() / Map().YCenter();
        app->Frame()->resize(c.window);
        EXPECT_NEAR(Map().Radius() / Map().YCenter(), proportion, 1e-12) << c.zoomSteps;
        EXPECT_DOUBLE_EQ(Map().YCenter(), View().ClientRect().height() * 0.5);
        EXPECT_DOUBLE_EQ(Map().XCenter(), View().ClientRect().width() * 0.5);
        // Stopped, it is there at once in the new size.
        EXPECT_GT(CountLit(), 500) << c.zoomSteps;
    }
}

TEST_F(StarMapCommands, ZoomOutInATinyViewStopsAtZero)
{
    ::Setup values = DefaultSetup();
    SimClock clock;
    StarMapView view(values, clock);
    view.resize(30, 30);
    ASSERT_TRUE(view.Enter());
    ASSERT_EQ(view.Map().Radius(), 7.5);
    QAction* zoomOut = view.Action("zoomOut");
    EXPECT_TRUE(zoomOut->isEnabled());
    zoomOut->trigger();
    EXPECT_EQ(view.Map().Radius(), 0.0);
    EXPECT_FALSE(zoomOut->isEnabled());
    view.grab();
    view.Leave();
}

TEST_F(StarMapCommands, StopGoAndTheDateBound)
{
    Open(50, true);
    Trigger(wnd, "stop");
    EXPECT_FALSE(View().Playing());
    EXPECT_TRUE(View().testAttribute(Qt::WA_SetCursor)); // cursor 103
    Trigger(wnd, "go");
    EXPECT_TRUE(View().Playing());
    EXPECT_FALSE(View().testAttribute(Qt::WA_SetCursor)); // the arrow

    Trigger(wnd, "stop");
    wnd->clock.SetTimedOut(true);
    Trigger(wnd, "go");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Out from date bound !!!");
    EXPECT_EQ(messages.boxes[0].caption, std::string("Velmoria - [Info]"));
    EXPECT_EQ(messages.boxes[0].flags, 0x40u);
    EXPECT_FALSE(View().Playing());

    wnd->clock.SetMode(kByDays); // the direction is offered only while the clock steps
    Trigger(wnd, "timeBack");
    EXPECT_FALSE(wnd->clock.Forward());
    EXPECT_FALSE(wnd->clock.TimedOut());
    wnd->clock.SetTimedOut(true);
    Trigger(wnd, "timeForward");
    EXPECT_TRUE(wnd->clock.Forward());
    EXPECT_FALSE(wnd->clock.TimedOut());
    Trigger(wnd, "go");
    EXPECT_TRUE(View().Playing());
    EXPECT_EQ(messages.boxes.size(), 1u);
}

TEST_F(StarMapCommands, ConstellationIndexOpensItsHelpPage)
{
    Enter(50, true);
    Trigger(wnd, "constellationIndex");
    ASSERT_EQ(help.requests.size(), 1u);
    EXPECT_EQ(help.requests[0].file, "Velmoria.hlp");
    EXPECT_EQ(help.requests[0].page, platform::HelpPage::Topic);
    EXPECT_EQ(help.requests[0].topic, 9016u);
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
        return std::pair<uint64_t, double>{S, Map().Rotation()};
    };
    std::vector<std::pair<uint64_t, double>> forward, back;
    for (int i = 0; i < 3; ++i)
        forward.push_back(tick());
    Trigger(wnd, "timeBack");
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
