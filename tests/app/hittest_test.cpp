// The right-click hit test of the stopped views: which objects open their cards, in which
// order, and when the view is redrawn.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/AppSupport.h"
#include "common/TestSupport.h"
#include "solar/SolarReader.h"
#include "solar/SolarSystemView.h"
#include "starmap/SkyFrame.h"
#include "starmap/StarMapView.h"
#include "time/ClockInstant.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using testing_support::IsEnabled;
using testing_support::Trigger;
using testing_support::ViewCanvas;

namespace
{
using testing_support::DialogAnswer;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;

constexpr platform::Rgb kPattern = platform::RGB(10, 20, 30);

// Card dialogs: planet 24, comet 27, Sun 25, Moon 26, deep-sky object 28, star 23.
class HitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.LinkAllRuntime();
        solarView.Window()->resize(400, 300);
        solarView.canvas = platform::Canvas(400, 300, kPattern);
        solarView.solar.XCenter = 200;
        solarView.solar.YCenter = 150;
        starView.resize(400, 300);
    }
    // Right-clicks at `p` and returns the cards opened, in order. The Solar System's window is
    // painted with a pattern first, so that a redraw shows as a black corner; the Star Map's
    // picture is taken while each card is open.
    std::vector<int> Click(QPoint p)
    {
        std::vector<int> cards;
        shownWithCard.clear();
        DialogAnswer answer([&](platform::Dialog& d) {
            cards.push_back(d.ResId());
            if (!solarShown)
                shownWithCard.push_back(starView.grab().toImage());
            return QDialog::Accepted;
        });
        solarView.canvas.Clear(kPattern);
        if (solarShown)
            solarView.OpenCardsAt(p);
        else
            starView.OpenCardsAt(p);
        return cards;
    }
    bool Redrawn() const { return solarView.canvas.Pixel(399, 299) != kPattern; }

    void EnterSolarSystem(int records)
    {
        solarShown = true;
        solarView.solar.Playing = false;
        solarView.solar.CreateSolarSprites();
        SolarObjects r{};
        for (int k = 0; k < records; ++k)
        {
            r.ID = k == 9 || k == 10 ? 'C' : 'P';
            r.SemiAxis = 1.0;
            r.Period = 365.25f;
            solar::ConvertSolarRecord(r, solarView.solar.SolObj[k]);
            solarView.solar.SolObj[k].X = static_cast<uint16_t>(40 + 25 * k);
            solarView.solar.SolObj[k].Y = 200;
        }
    }

    // The Star Map stopped on the sky of 7 December 2026, 22:00, the Sun and the Moon on the
    // transparent sphere.
    void EnterStarMap()
    {
        solarShown = false;
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
    SolarSystemView solarView{values, clock};
    StarMapView starView{values, clock};
    bool solarShown = false;
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

TEST_F(HitTest, RunningViewsOpenNoCardAndRedrawNothing)
{
    EnterStarMap();
    const QPoint sun(starView.Frame().sun.X(), starView.Frame().sun.Y());
    starView.Go();
    EXPECT_TRUE(Click(sun).empty());

    EnterSolarSystem(2);
    solarView.solar.Playing = true;
    EXPECT_TRUE(Click({40, 200}).empty());
    EXPECT_FALSE(Redrawn());
}

TEST_F(HitTest, OverlappingBodiesOpenTheirCardsInSlotOrder)
{
    EnterSolarSystem(11);
    solarView.solar.SolObj[9].X = solarView.solar.SolObj[2].X;  // a comet over a planet
    EXPECT_EQ(Click({solarView.solar.SolObj[2].X, 200}), (std::vector<int>{24, 27}));
    EXPECT_TRUE(Redrawn());
}

TEST_F(HitTest, AClickBesideEveryBodyOpensNothingAndRedrawsNothing)
{
    EnterSolarSystem(11);
    // 8 pixels away is still inside the square, 9 is outside.
    EXPECT_EQ(Click({40 + 8, 200 - 8}).size(), 1u);
    for (QPoint p : {QPoint(40 - 9, 200), QPoint(40, 200 + 9), QPoint(200, 100)})
    {
        EXPECT_TRUE(Click(p).empty()) << p.x() << "," << p.y();
        EXPECT_FALSE(Redrawn()) << p.x() << "," << p.y();
    }
}

TEST_F(HitTest, EmptySlotsAtTheTopLeftCornerAreNeverHit)
{
    // Eleven records: slots 11 and 12 are empty and keep the position (0, 0).
    EnterSolarSystem(11);
    EXPECT_TRUE(Click({4, 4}).empty());
    EXPECT_FALSE(Redrawn());
}
} // namespace
