// The right-click hit test of the stopped views: which objects open their cards, in which
// order, and when the view is redrawn.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "solar/SolarSystemView.h"
#include "starmap/StarMapView.h"
#include "common/TestSupport.h"
#include "solar/SolarReader.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "common/AppSupport.h"

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
        for (model::ViewHost* view : {static_cast<model::ViewHost*>(&solarView),
                                      static_cast<model::ViewHost*>(&starView)})
        {
            view->Window()->resize(400, 300);
            view->canvas = platform::Canvas(400, 300, kPattern);
        }
        for (float* centre : {&solarView.solar.XCenter, &starView.starmap.XCenter})
            *centre = 200;
        for (float* centre : {&solarView.solar.YCenter, &starView.starmap.YCenter})
            *centre = 150;
    }
    platform::Canvas& Picture() { return solarShown ? solarView.canvas : starView.canvas; }
    const platform::Canvas& Picture() const
    {
        return solarShown ? solarView.canvas : starView.canvas;
    }

    // Right-clicks at `p` and returns the cards opened, in order. The window is painted with
    // a pattern first, so that a redraw shows as a black corner.
    std::vector<int> Click(QPoint p)
    {
        std::vector<int> cards;
        DialogAnswer answer([&](platform::Dialog& d) {
            cards.push_back(d.ResId());
            return QDialog::Accepted;
        });
        Picture().Clear(kPattern);
        if (solarShown)
            solarView.OpenCardsAt(p);
        else
            starView.OpenCardsAt(p);
        return cards;
    }
    bool Redrawn() const { return Picture().Pixel(399, 299) != kPattern; }

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

    void EnterStarMap()
    {
        solarShown = false;
        starView.starmap.StPlaying = false;
        ASSERT_TRUE(starView.starmap.ReadStarData());
        ASSERT_TRUE(starView.starmap.ReadNGCMessData());
        starView.starmap.CreateStarMapSprites();
        starView.starmap.r = 100;
        starView.starmap.ClearGlobeFlags();
    }

    ScratchDir dir;
    MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    ::Setup values = DefaultSetup();
    SimClock clock;
    SolarSystemView solarView{values, clock};
    StarMapView starView{values, clock};
    bool solarShown = false;
};

TEST_F(HitTest, StarMapOpensTheSunTheMoonDeepSkyObjectsThenStars)
{
    EnterStarMap();
    // Listed against their order, all within the 17 x 17 square of the click.
    starView.starmap.Star[5].Flag = true;
    starView.starmap.Star[5].X = 108, starView.starmap.Star[5].Y = 92;
    starView.starmap.NgcMess[3].Flag = true;
    starView.starmap.NgcMess[3].X = 92, starView.starmap.NgcMess[3].Y = 108;
    starView.starmap.FlagSol[1] = true;
    starView.starmap.XSol[1] = 100, starView.starmap.YSol[1] = 100;
    starView.starmap.FlagSol[0] = true;
    starView.starmap.XSol[0] = 101, starView.starmap.YSol[0] = 99;
    EXPECT_EQ(Click({100, 100}), (std::vector<int>{25, 26, 28, 23}));
    EXPECT_TRUE(Redrawn());
    // An object whose mark is not on the globe is not hit.
    starView.starmap.ClearGlobeFlags();
    starView.starmap.FlagSol[1] = true;
    starView.starmap.XSol[1] = 100, starView.starmap.YSol[1] = 100;
    starView.starmap.NgcMess[3].Flag = true;
    starView.starmap.NgcMess[3].X = 92, starView.starmap.NgcMess[3].Y = 108;
    starView.starmap.Star[6].X = 100, starView.starmap.Star[6].Y = 100;
    EXPECT_EQ(Click({100, 100}), (std::vector<int>{26, 28}));
}

TEST_F(HitTest, RunningViewsOpenNoCardAndRedrawNothing)
{
    EnterStarMap();
    starView.starmap.FlagSol[0] = true;
    starView.starmap.XSol[0] = 100, starView.starmap.YSol[0] = 100;
    starView.starmap.StPlaying = true;
    EXPECT_TRUE(Click({100, 100}).empty());
    EXPECT_FALSE(Redrawn());

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

    EnterStarMap();
    starView.starmap.Star[0].Flag = true;
    starView.starmap.Star[0].X = 100, starView.starmap.Star[0].Y = 100;
    EXPECT_TRUE(Click({109, 100}).empty());
    EXPECT_FALSE(Redrawn());
}

TEST_F(HitTest, EmptySlotsAtTheTopLeftCornerAreNeverHit)
{
    // Eleven records: slots 11 and 12 are empty and keep the position (0, 0).
    EnterSolarSystem(11);
    EXPECT_TRUE(Click({4, 4}).empty());
    EXPECT_FALSE(Redrawn());
}
} // namespace
