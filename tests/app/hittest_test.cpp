// The right-click hit test of the stopped Star Map: which objects open their cards, in which
// order. The Solar System's are in tests/solar.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/AppSupport.h"
#include "common/TestSupport.h"
#include "starmap/SkyFrame.h"
#include "starmap/StarMapView.h"
#include "time/ClockInstant.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using testing_support::IsEnabled;
using testing_support::Trigger;

namespace
{
using testing_support::DialogAnswer;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;

// Card dialogs: Sun 25, Moon 26, planet 24, deep-sky object 28, star 23.
class HitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.LinkAllRuntime();
        starView.resize(400, 300);
    }
    // Right-clicks at `p` and returns the cards opened, in order; the view's picture is taken
    // while each card is open.
    std::vector<int> Click(QPoint p)
    {
        std::vector<int> cards;
        shownWithCard.clear();
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                cards.push_back(d.ResId());
                shownWithCard.push_back(starView.grab().toImage());
                return QDialog::Accepted;
            });
        starView.OpenCardsAt(p);
        return cards;
    }

    // The Star Map stopped on the sky of 7 December 2026, 22:00, the Sun and the Moon on the
    // transparent sphere.
    void EnterStarMap()
    {
        values.SMValues.Check[4] = 1;
        ASSERT_TRUE(starView.Enter());
        starView.ShowInstant(ClockInstant(Date{7, 12, 2026}, Time{22, 0, 0}), 0);
        starView.Stop();
    }
    // A point of the Star Map's view whose 17 x 17 square holds no mark.
    QPoint EmptySky()
    {
        for (int y = 20; y < 280; y += 3)
            for (int x = 20; x < 380; x += 3)
            {
                const QPoint p(x, y);
                if (skyframe::HitsAt(starView.Frame(), x, y).empty())
                    return p;
            }
        return {};
    }

    ScratchDir dir;
    MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    ::Setup values = DefaultSetup();
    SimClock clock;
    StarMapView starView{values, clock};
    std::vector<QImage> shownWithCard;
};

TEST_F(HitTest, StarMapOpensTheCardsOfWhatTheClickHitsWithTheMarkerAtTheClick)
{
    EnterStarMap();
    const skyframe::Place sun = starView.Frame().sun;
    ASSERT_TRUE(sun.drawn);
    const QPoint click(sun.X() + 3, sun.Y() - 2);
    const std::vector<int> cards = Click(click);
    ASSERT_FALSE(cards.empty());
    EXPECT_EQ(cards[0], 25); // the Sun first
    // Each card opened with the marker about the click, gone again when they closed.
    const QImage after = starView.grab().toImage();
    for (const QImage& shown : shownWithCard)
    {
        int marked = 0;
        for (int y = click.y() - 15; y < click.y() + 17; ++y)
            for (int x = click.x() - 15; x < click.x() + 17; ++x)
                marked += shown.pixel(x, y) != after.pixel(x, y);
        EXPECT_GT(marked, 20);
    }
    // A click on empty sky opens nothing.
    const QPoint empty = EmptySky();
    ASSERT_NE(empty, QPoint());
    EXPECT_TRUE(Click(empty).empty());
}

TEST_F(HitTest, RunningStarMapOpensNoCard)
{
    EnterStarMap();
    const QPoint sun(starView.Frame().sun.X(), starView.Frame().sun.Y());
    ASSERT_EQ(Click(sun).front(), 25);
    starView.Go();
    EXPECT_TRUE(Click(sun).empty());
}

} // namespace
