// The right-click hit test of the stopped Star Map: which objects open their cards, in which
// order, and when the view is redrawn. The Solar System's are in tests/solar.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "starmap/StarMapView.h"
#include "common/TestSupport.h"

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
        starView.Window()->resize(400, 300);
        starView.canvas = platform::Canvas(400, 300, kPattern);
        starView.starmap.XCenter = 200;
        starView.starmap.YCenter = 150;
    }
    platform::Canvas& Picture() { return starView.canvas; }
    const platform::Canvas& Picture() const { return starView.canvas; }

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
        starView.OpenCardsAt(p);
        return cards;
    }
    bool Redrawn() const { return Picture().Pixel(399, 299) != kPattern; }

    void EnterStarMap()
    {
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
    StarMapView starView{values, clock};
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
}

TEST_F(HitTest, AClickBesideEveryObjectOpensNothingAndRedrawsNothing)
{
    EnterStarMap();
    starView.starmap.Star[0].Flag = true;
    starView.starmap.Star[0].X = 100, starView.starmap.Star[0].Y = 100;
    EXPECT_TRUE(Click({109, 100}).empty());
    EXPECT_FALSE(Redrawn());
}

} // namespace
