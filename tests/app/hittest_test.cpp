// The right-click hit test of the stopped views: which objects open their cards, in which
// order, and when the view is redrawn.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "solar/SolarReader.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

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
        wnd = std::make_unique<VelmoriaWnd>();
        wnd->resize(400, 300);
        wnd->canvas = platform::Canvas(400, 300, kPattern);
        for (float* centre : {&wnd->solar.XCenter, &wnd->starmap.XCenter})
            *centre = 200;
        for (float* centre : {&wnd->solar.YCenter, &wnd->starmap.YCenter})
            *centre = 150;
    }
    void TearDown() override
    {
        wnd.reset();
    }

    // Right-clicks at `p` and returns the cards opened, in order. The window is painted with
    // a pattern first, so that a redraw shows as a black corner.
    std::vector<int> Click(QPoint p)
    {
        std::vector<int> cards;
        DialogAnswer answer([&](platform::Dialog& d) {
            cards.push_back(d.ResId());
            return platform::IDOK;
        });
        wnd->canvas.Clear(kPattern);
        wnd->EvRButtonDown(p);
        return cards;
    }
    bool Redrawn() const { return wnd->canvas.Pixel(399, 299) != kPattern; }

    void EnterSolarSystem(int records)
    {
        wnd->Subject = model::Mode::SolarSystem;
        wnd->solar.Playing = false;
        wnd->solar.CreateSolarSprites();
        SolarObjects r{};
        for (int k = 0; k < records; ++k)
        {
            r.ID = k == 9 || k == 10 ? 'C' : 'P';
            r.SemiAxis = 1.0;
            r.Period = 365.25f;
            solar::ConvertSolarRecord(r, wnd->solar.SolObj[k]);
            wnd->solar.SolObj[k].X = static_cast<uint16_t>(40 + 25 * k);
            wnd->solar.SolObj[k].Y = 200;
        }
    }

    void EnterStarMap()
    {
        wnd->Subject = model::Mode::StarMap;
        wnd->starmap.StPlaying = false;
        ASSERT_TRUE(wnd->starmap.ReadStarData());
        ASSERT_TRUE(wnd->starmap.ReadNGCMessData());
        wnd->starmap.CreateStarMapSprites();
        wnd->starmap.r = 100;
        wnd->starmap.ClearGlobeFlags();
    }

    ScratchDir dir;
    MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    std::unique_ptr<VelmoriaWnd> wnd;
};

TEST_F(HitTest, StarMapOpensTheSunTheMoonDeepSkyObjectsThenStars)
{
    EnterStarMap();
    // Listed against their order, all within the 17 x 17 square of the click.
    wnd->starmap.Star[5].Flag = true;
    wnd->starmap.Star[5].X = 108, wnd->starmap.Star[5].Y = 92;
    wnd->starmap.NgcMess[3].Flag = true;
    wnd->starmap.NgcMess[3].X = 92, wnd->starmap.NgcMess[3].Y = 108;
    wnd->starmap.FlagSol[1] = true;
    wnd->starmap.XSol[1] = 100, wnd->starmap.YSol[1] = 100;
    wnd->starmap.FlagSol[0] = true;
    wnd->starmap.XSol[0] = 101, wnd->starmap.YSol[0] = 99;
    EXPECT_EQ(Click({100, 100}), (std::vector<int>{25, 26, 28, 23}));
    EXPECT_TRUE(Redrawn());
    // An object whose mark is not on the globe is not hit.
    wnd->starmap.ClearGlobeFlags();
    wnd->starmap.FlagSol[1] = true;
    wnd->starmap.XSol[1] = 100, wnd->starmap.YSol[1] = 100;
    wnd->starmap.NgcMess[3].Flag = true;
    wnd->starmap.NgcMess[3].X = 92, wnd->starmap.NgcMess[3].Y = 108;
    wnd->starmap.Star[6].X = 100, wnd->starmap.Star[6].Y = 100;
    EXPECT_EQ(Click({100, 100}), (std::vector<int>{26, 28}));
}

TEST_F(HitTest, RunningViewsOpenNoCardAndRedrawNothing)
{
    EnterStarMap();
    wnd->starmap.FlagSol[0] = true;
    wnd->starmap.XSol[0] = 100, wnd->starmap.YSol[0] = 100;
    wnd->starmap.StPlaying = true;
    EXPECT_TRUE(Click({100, 100}).empty());
    EXPECT_FALSE(Redrawn());

    EnterSolarSystem(2);
    wnd->solar.Playing = true;
    EXPECT_TRUE(Click({40, 200}).empty());
    EXPECT_FALSE(Redrawn());
}

TEST_F(HitTest, OverlappingBodiesOpenTheirCardsInSlotOrder)
{
    EnterSolarSystem(11);
    wnd->solar.SolObj[9].X = wnd->solar.SolObj[2].X;  // a comet over a planet
    EXPECT_EQ(Click({wnd->solar.SolObj[2].X, 200}), (std::vector<int>{24, 27}));
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
    wnd->starmap.Star[0].Flag = true;
    wnd->starmap.Star[0].X = 100, wnd->starmap.Star[0].Y = 100;
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
