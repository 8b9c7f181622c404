// Frames of the sky globe drawn on the window's canvas: star marks, erasing, constellation
// lines, grid colours, Sun, Moon and deep-sky sprites. The globe is 100 pixels in radius,
// centred at (400, 300) of an 800 x 600 canvas, seen equator-on (latitude 0) unless a test
// says otherwise; positions were computed by hand.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "starmap/StarMapView.h"
#include "common/TestSupport.h"
#include "starmap/Globe.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace
{
constexpr platform::Rgb kWhite = 0xFFFFFF;
constexpr platform::Rgb kGreen = platform::RGB(0, 128, 0);
constexpr platform::Rgb kBlue = platform::RGB(0, 0, 200);
constexpr platform::Rgb kGrey = platform::RGB(75, 75, 75);
constexpr platform::Rgb kYellow = platform::RGB(255, 255, 0);
constexpr double kDeg = 0.017453292519943295;

class GlobeFrame : public testing::Test
{
protected:
    void SetUp() override
    {
        w.canvas = platform::Canvas(800, 600, 0);
        w.starmap.XCenter = 400;
        w.starmap.YCenter = 300;
        w.starmap.r = 100;
        SetTilt(0);
        w.starmap.t = 0;
        w.starmap.StarCount = 0;
        w.starmap.NgcMessCount = 0;
        values.SMValues = SMSetup{{0, 0, 0, 0, 0}, 4.0f};
        w.starmap.Stardc = std::make_unique<platform::MemoryDC>(4, 1, kWhite);
        w.starmap.Soldc[0] = std::make_unique<platform::MemoryDC>(5, 5, kYellow);
        w.starmap.Soldc[1] = std::make_unique<platform::MemoryDC>(5, 5, kWhite);
        w.starmap.NgcMessdc = std::make_unique<platform::MemoryDC>(5, 4, kWhite);
    }
    void TearDown() override
    {
        w.starmap.DeleteStarMapSprites();
    }

    void SetTilt(float lat)
    {
        const globe::Tilt tilt = globe::MakeTilt(lat);
        w.starmap.lat = tilt.lat;
        w.starmap.latCos = tilt.latCos;
        w.starmap.latSin = tilt.latSin;
    }

    // A star at right ascension `ra` and declination `dec` (degrees).
    int AddStar(double ra, double dec, float mag, uint8_t link1 = 0, uint8_t link2 = 0)
    {
        Stars& s = w.starmap.Star[w.starmap.StarCount];
        s = Stars{};
        s.RA = static_cast<float>(ra);
        s.Dec = static_cast<float>(dec * kDeg);
        s.Magnitude = mag;
        s.NumConst = 1;
        s.NLink1 = link1;
        s.NLink2 = link2;
        return w.starmap.StarCount++;
    }

    int Count(platform::Rgb color) const
    {
        int n = 0;
        for (int y = 0; y < w.canvas.Height(); ++y)
            for (int x = 0; x < w.canvas.Width(); ++x)
                n += w.canvas.Pixel(x, y) == color;
        return n;
    }

    // Pixels [x0, x1] of row y.
    void ExpectRow(int y, int x0, int x1, platform::Rgb color)
    {
        for (int x = x0; x <= x1; ++x)
            EXPECT_EQ(w.canvas.Pixel(x, y), color) << "(" << x << ", " << y << ")";
    }

    testing_support::ScratchDir dir;
    testing_support::MessageRecorder messages;
    ::Setup values = DefaultSetup();
    SimClock clock;
    StarMapView w{values, clock};
};

TEST_F(GlobeFrame, StarMarksSitAtTheirPointsWithTheSizeOfTheirMagnitude)
{
    // t = 0, RA 270: H = 270, the meridian facing the viewer, x = 400.
    AddStar(270, 0, 0.5f);   // (400, 300): 4 pixels from 399
    AddStar(270, 30, 1.5f);  // (400, 249): 3 pixels
    AddStar(270, -30, 2.5f); // (400, 350): 2 pixels
    AddStar(270, 60, 3.5f);  // (400, 213): 1 pixel at x
    AddStar(90, 45, 0.5f);   // behind the globe
    AddStar(270, -60, 5.0f); // in front but fainter than the limit 4
    w.starmap.DrawGlob();

    EXPECT_EQ(w.starmap.Star[0].X, 400);
    EXPECT_EQ(w.starmap.Star[0].Y, 300);
    EXPECT_EQ(w.starmap.Star[1].Y, 249);
    EXPECT_EQ(w.starmap.Star[2].Y, 350);
    EXPECT_EQ(w.starmap.Star[3].Y, 213);
    ExpectRow(300, 399, 402, kWhite);
    ExpectRow(249, 399, 401, kWhite);
    ExpectRow(350, 399, 400, kWhite);
    ExpectRow(213, 400, 400, kWhite);
    for (int y : {300, 249, 350, 213})
        EXPECT_EQ(w.canvas.Pixel(398, y), 0u) << y;
    EXPECT_EQ(w.canvas.Pixel(403, 300), 0u);
    EXPECT_EQ(w.canvas.Pixel(402, 249), 0u);
    EXPECT_EQ(w.canvas.Pixel(401, 350), 0u);
    EXPECT_EQ(w.canvas.Pixel(399, 213), 0u);
    EXPECT_EQ(Count(kWhite), 10);

    EXPECT_TRUE(w.starmap.Star[0].Flag);
    EXPECT_FALSE(w.starmap.Star[4].Flag); // hidden: no flag, no mark
    EXPECT_TRUE(w.starmap.Star[5].Flag);  // faint but up: flagged, not drawn
    // Stars beyond the count read are not touched.
    EXPECT_FALSE(w.starmap.Star[6].Flag);
    EXPECT_EQ(w.starmap.Star[6].X, 0);
}

TEST_F(GlobeFrame, NextFrameErasesTheOldMarks)
{
    AddStar(270, 0, 0.5f);
    AddStar(270, 30, 1.5f);
    AddStar(270, -30, 2.5f);
    AddStar(270, 60, 3.5f);
    w.starmap.DrawGlob();
    w.starmap.t = 10; // H = 280: the marks move left to x = 400 - 17.4 cos(dec)
    w.starmap.DrawGlob();
    EXPECT_EQ(w.starmap.Star[0].X, 382);
    ExpectRow(300, 396, 403, 0);
    ExpectRow(249, 396, 403, 0);
    ExpectRow(300, 381, 384, kWhite);
    EXPECT_EQ(Count(kWhite), 10);
}

TEST_F(GlobeFrame, TransparentGlobeDrawsBothHemispheres)
{
    values.SMValues.Check[4] = 1;
    AddStar(90, 45, 0.5f); // behind: (400, 229)
    w.starmap.DrawGlob();
    EXPECT_TRUE(w.starmap.Star[0].Flag);
    EXPECT_EQ(w.starmap.Star[0].Y, 229);
    ExpectRow(229, 399, 402, kWhite);
}

TEST_F(GlobeFrame, ConstellationLinesJoinVisibleStarsOnly)
{
    values.SMValues.Check[0] = 1;
    AddStar(300, 0, 5.0f, 2); // (350, 300), faint: anchors a line without a mark
    AddStar(240, 0, 0.5f, 3); // (450, 300), linked to a star behind the globe
    AddStar(60, 20, 0.5f, 1); // behind
    w.starmap.DrawGlob();
    w.starmap.DrawConst();
    EXPECT_EQ(w.starmap.Star[0].X, 350);
    EXPECT_EQ(w.starmap.Star[1].X, 450);
    ExpectRow(300, 350, 448, kGreen);
    ExpectRow(300, 449, 452, kWhite); // the mark is drawn again over the line's end
    EXPECT_EQ(Count(kGreen), 99);
    EXPECT_TRUE(w.starmap.Star[0].FConst);
    EXPECT_EQ(w.starmap.Star[0].XConst, 350);
    EXPECT_FALSE(w.starmap.Star[2].FConst);

    // Next frame: the sky turned 10 degrees; the old line is drawn again in black.
    w.starmap.t = 10; // A at 335, B at 434
    w.starmap.DrawGlob();
    w.starmap.DrawConst();
    ExpectRow(300, 335, 432, kGreen);
    ExpectRow(300, 437, 452, 0);
    EXPECT_EQ(Count(kGreen), 98);
}

TEST_F(GlobeFrame, LineToAPointJustOffTheWindowStaysOnItsSide)
{
    // A zoomed globe: one end lies 50 pixels left of the window, stored as 65486.
    values.SMValues.SelectMagn = -10;
    AddStar(0, 0, 1.0f, 2);
    AddStar(0, 0, 1.0f);
    for (int i = 0; i < 2; ++i)
        w.starmap.Star[i].Flag = true;
    w.starmap.Star[0].X = 100;
    w.starmap.Star[0].Y = 100;
    w.starmap.Star[1].X = globe::StoreCoord(-50);
    w.starmap.Star[1].Y = 100;
    w.starmap.DrawConst();
    ExpectRow(100, 0, 100, kGreen);
    ExpectRow(100, 101, 799, 0);
    EXPECT_EQ(w.starmap.Star[1].XConst, 65486); // the stored value is unchanged
}

TEST_F(GlobeFrame, GridHasBlueEquatorAndPrimeMeridiansAndGreyLines)
{
    values.SMValues.Check[1] = 1;
    w.starmap.DrawGrid();
    EXPECT_EQ(w.canvas.Pixel(420, 300), kBlue); // equator, drawn from a = 180 to 360
    EXPECT_EQ(w.canvas.Pixel(320, 300), kBlue);
    EXPECT_EQ(w.canvas.Pixel(420, 265), kGrey); // parallel +20
    EXPECT_EQ(w.canvas.Pixel(301, 317), kBlue); // meridian 0 h at dec -10
    EXPECT_TRUE(w.starmap.FlagLat);
    EXPECT_EQ(w.starmap.rOld, 100);

    // Turned by 15 degrees: meridian 0 h goes behind the globe and is erased with the
    // angles it was drawn with; the parallels stay.
    w.starmap.t = 15;
    w.starmap.DrawGrid();
    EXPECT_EQ(w.canvas.Pixel(301, 317), 0u);
    EXPECT_EQ(w.canvas.Pixel(420, 300), kBlue);
    EXPECT_EQ(w.canvas.Pixel(420, 265), kGrey);
    EXPECT_EQ(w.starmap.tOld, 15.0);
}

TEST_F(GlobeFrame, GridFrameLeavesExactlyTheNewGridAfterZoomAndTilt)
{
    // Erasing redraws the old grid in black with its own radius, tilt and rotation, so
    // after any change the picture is the new grid alone.
    w.starmap.DrawGrid();
    w.starmap.r = 120;
    SetTilt(-50);
    w.starmap.t = 33;
    w.starmap.DrawGrid();
    const QImage after = w.canvas.Image().copy();
    w.canvas.Clear(0);
    w.starmap.FlagLat = false;
    w.starmap.DrawGrid();
    EXPECT_TRUE(after == w.canvas.Image());
    EXPECT_GT(Count(kBlue), 0);
    EXPECT_GT(Count(kGrey), 0);
}

TEST_F(GlobeFrame, GridAtTheNorthPoleIsConcentricCirclesAndRadii)
{
    SetTilt(-90);
    w.starmap.DrawGrid();
    // The equator is the horizon: a blue circle of radius 100 starting at a = 0, (300, 300).
    EXPECT_EQ(w.canvas.Pixel(300, 300), kBlue);
    EXPECT_EQ(w.canvas.Pixel(400, 200), kBlue); // a = 90
    // Parallel 60 (drawn as its mirror -60): radius 50; at a = 10 (350.8, 291.3).
    EXPECT_EQ(w.canvas.Pixel(350, 291), kGrey);
    // Meridian 0 h: the radius to the left along row 300, blue.
    EXPECT_EQ(w.canvas.Pixel(350, 300), kBlue);
    // Nothing outside the horizon.
    for (int x = 0; x < 800; ++x)
        for (int y : {150, 450})
            EXPECT_EQ(w.canvas.Pixel(x, y), 0u);
}

TEST_F(GlobeFrame, SunAndMoonMoveTheirSpritesAndHideBehindTheGlobe)
{
    w.starmap.tSol[0] = 0;    // Sun on the equator at right ascension 0
    w.starmap.tSol[1] = -180; // Moon on the equator at right ascension 180
    w.starmap.t = -90;        // Sun at H = -90: facing the viewer; Moon at H = 90: behind
    w.starmap.DrawSolObj();
    EXPECT_TRUE(w.starmap.FlagSol[0]);
    EXPECT_FALSE(w.starmap.FlagSol[1]);
    EXPECT_EQ(w.starmap.XSol[0], 400);
    EXPECT_EQ(w.starmap.YSol[0], 300);
    EXPECT_NEAR(w.starmap.Dec[0], 0.0, 1e-12);
    for (int y = 298; y <= 302; ++y)
        ExpectRow(y, 398, 402, kYellow);
    EXPECT_EQ(Count(kYellow), 25);
    EXPECT_EQ(Count(kWhite), 0);

    w.starmap.t = -80; // the Sun moves to x = 400 - 100 cos 80 = 382
    w.starmap.DrawSolObj();
    EXPECT_EQ(w.starmap.XSol[0], 382);
    EXPECT_EQ(w.canvas.Pixel(402, 302), 0u);
    EXPECT_EQ(w.canvas.Pixel(380, 298), kYellow);
    EXPECT_EQ(Count(kYellow), 25);

    // No brightness limit for the Sun and the Moon; the transparent globe shows the Moon, here
    // a new Moon: its 9 x 9 phase disc all dim grey.
    values.SMValues.SelectMagn = -30;
    values.SMValues.Check[4] = 1;
    w.starmap.DrawSolObj();
    EXPECT_TRUE(w.starmap.FlagSol[1]);
    EXPECT_EQ(Count(kYellow), 25);
    EXPECT_EQ(Count(platform::RGB(70, 70, 70)), 69);
}

TEST_F(GlobeFrame, FaintDeepSkyObjectIsLeftUntouched)
{
    w.starmap.NgcMessCount = 2;
    w.starmap.NgcMess[0] = NgcMessObj{270.0f, 0.0f, 3.0f, false, 0, 0};
    w.starmap.NgcMess[1] = NgcMessObj{90.0f, 0.0f, 3.0f, false, 0, 0}; // behind
    w.starmap.DrawNGCMess();
    EXPECT_TRUE(w.starmap.NgcMess[0].Flag);
    EXPECT_FALSE(w.starmap.NgcMess[1].Flag);
    EXPECT_EQ(w.starmap.NgcMess[0].X, 400);
    EXPECT_EQ(w.starmap.NgcMess[0].Y, 300);
    for (int y = 298; y <= 301; ++y)
        ExpectRow(y, 398, 402, kWhite);
    EXPECT_EQ(Count(kWhite), 20);

    // The limit drops below the object: it keeps its mark, position and flag.
    values.SMValues.SelectMagn = 2.0f;
    w.starmap.t = 30;
    w.starmap.DrawNGCMess();
    EXPECT_TRUE(w.starmap.NgcMess[0].Flag);
    EXPECT_EQ(w.starmap.NgcMess[0].X, 400);
    EXPECT_EQ(Count(kWhite), 20);

    // Bright enough again: the old ring is erased and the new one drawn.
    values.SMValues.SelectMagn = 3.0f;
    w.starmap.DrawNGCMess();
    EXPECT_EQ(w.starmap.NgcMess[0].X, 350); // 400 - 100 cos 300
    EXPECT_EQ(w.canvas.Pixel(402, 301), 0u);
    EXPECT_EQ(w.canvas.Pixel(348, 298), kWhite);
    EXPECT_EQ(Count(kWhite), 20);
}

TEST_F(GlobeFrame, ShowStarMapDrawsOnlyTheLayersThatAreOn)
{
    AddStar(270, 0, 0.5f);
    w.starmap.NgcMessCount = 1;
    w.starmap.NgcMess[0] = NgcMessObj{300.0f, 0.0f, 3.0f, false, 0, 0};
    w.starmap.tSol[0] = 60;
    w.starmap.tSol[1] = 60;
    w.starmap.ShowStarMap();
    EXPECT_EQ(Count(kWhite), 4); // the star alone
    EXPECT_EQ(Count(kBlue), 0);
    EXPECT_FALSE(w.starmap.FlagLat);
    EXPECT_FALSE(w.starmap.NgcMess[0].Flag);
    EXPECT_FALSE(w.starmap.FlagSol[0]);

    for (int i = 0; i < 4; ++i)
        values.SMValues.Check[i] = 1;
    w.starmap.ShowStarMap();
    EXPECT_TRUE(w.starmap.FlagLat);
    EXPECT_GT(Count(kBlue), 0);
    EXPECT_TRUE(w.starmap.NgcMess[0].Flag);
    EXPECT_TRUE(w.starmap.FlagSol[0]);
    EXPECT_TRUE(w.starmap.Star[0].FConst);
}
TEST_F(GlobeFrame, CatalogueOfRandomBytesDrawsEveryLayerWithoutFault)
{
    // NaN and infinite angles, constellation numbers out of range and links anywhere: every
    // layer draws, nothing is read or written outside the tables or the picture, and a
    // star without a finite position is never taken as visible.
    std::mt19937 random(20261207);
    auto bytes = [&](size_t n)
    {
        std::string b(n, '\0');
        for (char& c : b)
            c = static_cast<char>(random());
        return b;
    };
    dir.Write("Data/Stars.dat", bytes(49 * 700));
    dir.Write("Data/NGCMess.dat", bytes(50 * 33));
    ASSERT_TRUE(w.starmap.ReadStarData());
    ASSERT_TRUE(w.starmap.ReadNGCMessData());
    ASSERT_EQ(w.starmap.StarCount, 690);
    values.SMValues = SMSetup{{1, 1, 1, 1, 0}, 1e30f};
    for (uint16_t r : {100, 1470, 0})
        for (float lat : {-50.0f, 0.0f, -90.0f, 180.0f})
        {
            w.starmap.r = r;
            SetTilt(lat);
            w.starmap.t += 17.5;
            w.starmap.ShowStarMap();
        }
    for (int i = 0; i < w.starmap.StarCount; ++i)
    {
        const Stars& s = w.starmap.Star[i];
        if (!std::isfinite(s.RA) || !std::isfinite(s.Dec))
        {
            EXPECT_FALSE(s.Flag) << i;
        }
    }
    values.SMValues.Check[4] = 1;
    w.starmap.ShowStarMap();
    EXPECT_TRUE(w.starmap.Star[0].Flag);
}
} // namespace
