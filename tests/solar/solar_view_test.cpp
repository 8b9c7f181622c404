// The Solar System view on the window's picture: sprites at the bodies' true places, erasing
// and trails, orbit outlines, the centre body, names, and the view's commands, cards and
// options. Reference places: astronomy-engine 2.1.19 (npm), an independent ephemeris.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "platform/Bitmaps.h"
#include "sky/Ephemeris.h"
#include "solar/Orbit.h"
#include "solar/SSSetupDlg.h"
#include "solar/SolarSystemView.h"
#include "solar/SolarReader.h"
#include "model/SmallCard.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "common/AppSupport.h"

using testing_support::IsEnabled;
using testing_support::Trigger;
using testing_support::ViewCanvas;

namespace
{
using platform::Canvas;
using testing_support::DialogAnswer;
using testing_support::HelpRecorder;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;

constexpr double kAu = solar::kAuInMkm;
constexpr platform::Rgb kGrey75 = platform::RGB(75, 75, 75);
constexpr platform::Rgb kWhite = platform::RGB(255, 255, 255);

SolObjects Body(char id, const char* name, double aAu, float e, float argPerDeg)
{
    SolarObjects r{};
    r.ID = id;
    std::snprintf(r.Name, sizeof r.Name, "%s", name);
    r.SemiAxis = aAu;
    r.Eccentr = e;
    r.ArgPer = argPerDeg;
    r.Period = 365.25f;
    SolObjects body{};
    solar::ConvertSolarRecord(r, body);
    return body;
}

// Puts `body` at the heliocentric ecliptic point (x, y, 0), in AU.
void Put(SolObjects& body, double x, double y)
{
    body.Place.Position = {x, y, 0};
    body.Place.Distance = std::hypot(x, y);
}

// The program's elements file, read as the view reads it.
bool ReadElements(SolObjects (&table)[kSolarSlots])
{
    std::FILE* f = std::fopen(VELMORIA_RUNTIME_DIR "/Data/Solobj.dat", "rb");
    if (!f)
        return false;
    SolarObjects buffer{};
    const bool ok = solar::ReadSolarRecords(f, 11 * sizeof(SolarObjects), table, buffer) ==
                    solar::SolarReadResult::Ok;
    std::fclose(f);
    return ok;
}

// True when the w x h block of `canvas` at (x, y) equals `sprite` pixel for pixel.
bool BlockIs(const Canvas& canvas, int x, int y, const Canvas& sprite)
{
    for (int j = 0; j < sprite.Height(); ++j)
        for (int i = 0; i < sprite.Width(); ++i)
            if (canvas.Pixel(x + i, y + j) != sprite.Pixel(i, j))
                return false;
    return true;
}

// True when the opaque pixels of `sprite` (black in `mask`) show in the block at (x, y).
bool SpriteShows(const Canvas& canvas, int x, int y, const Canvas& sprite, const Canvas& mask)
{
    for (int j = 0; j < sprite.Height(); ++j)
        for (int i = 0; i < sprite.Width(); ++i)
            if (mask.Pixel(i, j) == 0 && canvas.Pixel(x + i, y + j) != sprite.Pixel(i, j))
                return false;
    return true;
}

bool BlockIsBlack(const Canvas& canvas, int x, int y, int w, int h)
{
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (canvas.Pixel(x + i, y + j) != 0)
                return false;
    return true;
}

// A window in the Solar System mode, 400 x 300, Sun at (200, 150.5) (half a pixel down so
// that points on the Sun's row do not truncate to the row above), sprites loaded, Earth in
// slot 2 on a circle of 1 AU and Venus in slot 1 on one of 0.5 AU, both at longitude 180
// degrees, every option on but orbits, trails and names.
class SolarView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view = std::make_unique<SolarSystemView>(values, clock);
        view->resize(400, 300);
        view->canvas = Canvas(400, 300, 0);
        view->solar.XCenter = 200;
        view->solar.YCenter = 150.5f;
        view->solar.Scale = 1.0f;
        view->solar.Playing = false;
        for (auto& flag : values.SSValues)
            flag = 1;
        values.SSValues[11] = 0;
        values.SSValues[12] = 0;
        values.Names = 0;
        view->solar.CreateSolarSprites();
        view->solar.SolObj[1] = Body('P', "Venus", 0.5, 0, 0);
        view->solar.SolObj[2] = Body('P', "Earth", 1.0, 0, 0);
        Put(view->solar.SolObj[1], -0.5, 0);
        Put(view->solar.SolObj[2], -1, 0);
    }
    void TearDown() override { view.reset(); }
    const Canvas& Earth() const { return *view->solar.PlBitmap[2]; }

    ScratchDir dir;
    MessageRecorder messages;
    ::Setup values = DefaultSetup();
    SimClock clock;
    std::unique_ptr<SolarSystemView> view;
};

TEST_F(SolarView, SpritesHaveTheSizesOfTheirBodies)
{
    const int planets[] = {4, 6, 7, 5, 9, 9, 8, 8, 4};
    for (int i = 0; i < 9; ++i)
    {
        EXPECT_EQ(view->solar.PlBitmap[i]->Width(), planets[i]) << i;
        EXPECT_EQ(view->solar.MPlanetdc[i]->Height(), planets[i]) << i;
    }
    EXPECT_EQ(view->solar.bmSol->Width(), 11);
    EXPECT_EQ(view->solar.bmCom->Width(), 3);
    view->solar.DeleteSolarSprites();
    EXPECT_EQ(view->solar.bmSol, nullptr);
    EXPECT_EQ(view->solar.PlBitmap[8], nullptr);
}

TEST_F(SolarView, DrawsABodyCentredOnItsPointAndErasesItsOldPlace)
{
    // Longitude 180 degrees, 1 AU: (200 - 149.6, 150) -> (50, 150).
    view->solar.ShowSolSyst();
    EXPECT_EQ(view->solar.SolObj[2].X, 50);
    EXPECT_EQ(view->solar.SolObj[2].Y, 150);
    EXPECT_TRUE(BlockIs(view->canvas, 50 - 3, 150 - 3, Earth()));
    // The Sun is a plain copy at the centre.
    EXPECT_TRUE(BlockIs(view->canvas, 200 - 5, 150 - 5, *view->solar.bmSol));

    // Half a turn later: (349, 150); the old place is black again.
    Put(view->solar.SolObj[2], 1, 0);
    view->solar.ShowSolSyst();
    EXPECT_EQ(view->solar.SolObj[2].X, 349);
    EXPECT_TRUE(BlockIs(view->canvas, 349 - 3, 150 - 3, Earth()));
    EXPECT_TRUE(BlockIsBlack(view->canvas, 47, 147, 7, 7));
}

TEST_F(SolarView, TrailsKeepTheOldSprites)
{
    values.SSValues[12] = 1;
    view->solar.ShowSolSyst();
    Put(view->solar.SolObj[2], 1, 0);
    view->solar.ShowSolSyst();
    EXPECT_TRUE(BlockIs(view->canvas, 47, 147, Earth()));
    EXPECT_TRUE(BlockIs(view->canvas, 346, 147, Earth()));
}

TEST_F(SolarView, AHiddenPlanetKeepsItsPlaceWhichIsBlackedOnEveryPass)
{
    view->solar.ShowSolSyst();
    values.SSValues[3] = 0; // Earth hidden
    Put(view->solar.SolObj[2], 1, 0);
    view->canvas.FillRect(40, 140, 60, 160, kWhite);
    view->solar.ShowSolSyst();
    EXPECT_EQ(view->solar.SolObj[2].X, 50);
    EXPECT_TRUE(BlockIsBlack(view->canvas, 47, 147, 7, 7));
    EXPECT_EQ(view->canvas.Pixel(44, 150), kWhite); // only the sprite's square is erased
    EXPECT_TRUE(BlockIsBlack(view->canvas, 346, 147, 7, 7));
}

TEST_F(SolarView, OrbitsAreGreyOutlinesOfTheirEllipses)
{
    values.SSValues[11] = 1;
    view->solar.SolObj[1] = SolObjects{}; // Earth alone
    Put(view->solar.SolObj[2], std::sqrt(0.5), std::sqrt(0.5));
    view->solar.ShowSolSyst();
    int grey = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            if (view->canvas.Pixel(x, y) == kGrey75)
            {
                ++grey;
                EXPECT_NEAR(std::hypot(x - 200.0, y - 150.0), 149.6, 2.0) << x << "," << y;
            }
    // A circle of radius 149.6 has about 2 pi r = 940 pixels of outline; more than 3/4 of
    // them survive the window's edges and the sprites.
    EXPECT_GT(grey, 700);
    // The body is drawn over its orbit, which shows through its transparent corners.
    EXPECT_TRUE(SpriteShows(view->canvas, view->solar.SolObj[2].X - 3, view->solar.SolObj[2].Y - 3,
                            Earth(), *view->solar.MPlanetdc[2]));
}

TEST_F(SolarView, OrbitsFollowTheElementsWhenTheyChange)
{
    values.SSValues[11] = 1;
    view->solar.SolObj[1] = SolObjects{};
    for (const double a : {1.0, 0.6, 1.0})
    {
        view->solar.SolObj[2] = Body('P', "Earth", a, 0, 0);
        Put(view->solar.SolObj[2], -a, 0);
        view->canvas.Clear(0);
        view->solar.ShowSolSyst();
        int grey = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x)
                if (view->canvas.Pixel(x, y) == kGrey75)
                {
                    ++grey;
                    EXPECT_NEAR(std::hypot(x - 200.0, y - 150.0), a * kAu, 2.0) << a;
                }
        EXPECT_GT(grey, 300) << a;
    }
}

TEST_F(SolarView, AnOrbitPastTheLeftEdgeDrawsNoLineAcrossTheWindow)
{
    values.SSValues[11] = 1;
    view->solar.SolObj[1] = SolObjects{};
    view->solar.SolObj[2] = Body('P', "Far", 1.5, 0, 0); // radius 224 about x = 200
    view->solar.ShowSolSyst();
    // Row 150 crosses the circle only near x = -24 and x = 424, both outside: nothing grey.
    for (int x = 0; x < 400; ++x)
        EXPECT_NE(view->canvas.Pixel(x, 150), kGrey75) << x;
}

TEST_F(SolarView, TheCentreBodyIsDrawnPlainAtTheMiddleAndTheSunAtItsOffset)
{
    view->canvas.Clear(kWhite);
    values.SSValues[3] = 0; // even hidden, the centre body is drawn
    view->solar.SystemCenter = 3; // Earth, slot 2
    view->solar.ShowSolSyst();
    EXPECT_EQ(view->solar.SolObj[2].X, 200);
    EXPECT_EQ(view->solar.SolObj[2].Y, 150);
    // A plain copy: the sprite's transparent black corners replace the white background.
    EXPECT_TRUE(BlockIs(view->canvas, 197, 147, Earth()));
    // Earth is at longitude 180 degrees from the Sun, so the Sun is seen from the Earth at
    // longitude 0, to the right: (349.6, 150.5).
    EXPECT_NEAR(view->solar.XSun, 200 + kAu, 1e-3);
    EXPECT_NEAR(view->solar.YSun, 150.5, 1e-3);
    // Venus keeps its offset from the Sun: 0.5 AU toward -x of it, x = 274.8.
    EXPECT_EQ(view->solar.SolObj[1].X, 274);
    EXPECT_EQ(view->solar.SolObj[1].Y, 150);
    // The Sun was drawn through its mask: its transparent corner keeps the white background.
    EXPECT_EQ(view->solar.MSolardc->Pixel(0, 0), kWhite);
    EXPECT_EQ(view->canvas.Pixel(344, 145), kWhite);
    EXPECT_NE(view->canvas.Pixel(349, 150), kWhite);
}

TEST_F(SolarView, WithABodyAtTheCentreNoOrbitsAreDrawn)
{
    values.SSValues[11] = 1;
    view->solar.SystemCenter = 3;
    view->solar.ShowSolSyst();
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            ASSERT_NE(view->canvas.Pixel(x, y), kGrey75);
}

TEST_F(SolarView, BodiesOfUnknownKindAndPlanetsBeyondTheNinthSlotAreNotDrawn)
{
    view->solar.SolObj[1] = Body('X', "Odd", 0.5, 0, 0);
    view->solar.SolObj[11] = Body('P', "Tenth", 0.3, 0, 0);
    Put(view->solar.SolObj[1], -0.5, 0);
    Put(view->solar.SolObj[11], -0.3, 0);
    view->solar.ShowSolSyst();
    EXPECT_EQ(view->solar.SolObj[1].X, 0);
    EXPECT_EQ(view->solar.SolObj[11].X, 0);
    EXPECT_TRUE(BlockIsBlack(view->canvas, 200 - 76, 147, 7, 7));
}

TEST_F(SolarView, DamagedElementsDrawNothingWrongAndOpenNoWrongCard)
{
    // Values no sound file holds: not-a-number, infinite and huge axes, an eccentricity of 1
    // and more, a zero period. Every pass, outline and card must still stay inside the window.
    const double axes[] = {NAN, INFINITY, 1e30, -5.0, 2.0};
    const float eccentricities[] = {0.5f, 1.0f, 7.0f, NAN, -1.0f};
    for (int k = 0; k < kSolarSlots; ++k)
    {
        SolarObjects r{};
        r.ID = k < 9 ? 'P' : 'C';
        r.SemiAxis = axes[k % 5];
        r.Eccentr = eccentricities[(k + 2) % 5];
        r.Inclin = k == 3 ? NAN : 400.0f;
        r.ArgPer = k == 4 ? INFINITY : 10.0f;
        r.Period = k % 2 ? 0.0f : NAN;
        solar::ConvertSolarRecord(r, view->solar.SolObj[k]);
    }
    view->solar.UpdateSolAngles(1000000);
    values.SSValues[11] = 1;
    view->solar.ShowSolSyst();
    view->solar.SystemCenter = 1;
    view->solar.ShowSolSyst();
    int cards = 0;
    DialogAnswer answer(
        [&](platform::Dialog&)
        {
            ++cards;
            return QDialog::Accepted;
        });
    for (int k = 0; k < kSolarSlots; ++k)
        view->solar.SmSolObjCard(QPoint(10, 10), k);
    EXPECT_EQ(cards, kSolarSlots);
}

TEST_F(SolarView, BodiesStandAtTheirTruePlacesAboutTheCentreBody)
{
    testing_support::ScopedTimeZone zone("UTC0");
    ASSERT_TRUE(ReadElements(view->solar.SolObj));
    const struct
    {
        uint64_t instant; // UT, seconds since 1901-01-01 00:00
        float scale;
        int centre; // 0 the Sun, 3 the Earth, 5 Jupiter
    } cases[] = {
        {2349475200, 1.0f, 0}, {3124180800, 0.1f, 0},  {3974054400, 1.0f, 0},
        {3974054400, 0.5f, 3}, {3124180800, 0.04f, 5},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.instant << " S " << c.scale << " centre " << c.centre);
        view->solar.Scale = c.scale;
        view->solar.SystemCenter = static_cast<uint8_t>(c.centre);
        view->solar.UpdateSolAngles(c.instant);
        view->solar.ShowSolSyst();
        const double jd = sky::JulianDateFromInstant(static_cast<int64_t>(c.instant));
        const sky::Vec3 origin =
            c.centre
                ? sky::HeliocentricPlaceAt(view->solar.SolObj[c.centre - 1].Elements, jd).Position
                : sky::Vec3{0, 0, 0};
        for (int k = 0; k < 11; ++k)
        {
            const sky::Vec3 p =
                sky::HeliocentricPlaceAt(view->solar.SolObj[k].Elements, jd).Position;
            const double x = 200 + c.scale * kAu * (p.x - origin.x);
            const double y = 150.5 - c.scale * kAu * (p.y - origin.y);
            EXPECT_NEAR(solar::SignedCoord(view->solar.SolObj[k].X), x, 1.0) << k;
            EXPECT_NEAR(solar::SignedCoord(view->solar.SolObj[k].Y), y, 1.0) << k;
        }
    }
}

TEST_F(SolarView, TheCardGivesTheTrueDistanceFromTheSun)
{
    testing_support::ScopedTimeZone zone("UTC0");
    ASSERT_TRUE(ReadElements(view->solar.SolObj));
    const struct
    {
        int slot;
        uint64_t instant; // UT, seconds since 1901-01-01 00:00
        double r;         // AU
        double tolerance; // relative
    } cases[] = {
        {2, 3974054400, 0.985283, 0.003}, // the Earth-Moon barycentre on 2026-12-07
        {3, 3974054400, 1.628785, 0.003}, // Mars
        {4, 3124180800, 4.965489, 0.003}, // Jupiter on 2000-01-01 12:00
        // Halley at perihelion, 1986-02-09 (JPL: q = 0.586 AU); the file's e = 0.967, to three
        // places, holds q to about one percent.
        {9, 2685783600, 0.586, 0.012},
    };
    for (const auto& c : cases)
    {
        view->solar.UpdateSolAngles(c.instant);
        double shown = 0;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                shown = dynamic_cast<SmallCardDlg&>(d).Value(4102).toDouble();
                return QDialog::Accepted;
            });
        view->solar.SmSolObjCard(QPoint(10, 10), c.slot);
        EXPECT_NEAR(shown / (c.r * kAu), 1.0, c.tolerance) << view->solar.SolObj[c.slot].Name;
    }
}

TEST_F(SolarView, NamesStandBesideTheBodiesOnlyWhenTheLayerIsOn)
{
    for (const bool names : {true, false})
    {
        view->canvas.Clear(0);
        view->solar.ForgetDrawnPlaces();
        values.Names = names;
        view->solar.ShowSolSyst(); // Earth at (50, 150), Venus at (125, 150), the Sun at (200, 150)
        // Right of each sprite (half widths 3, 3 and 5 pixels), within half a line of its row.
        for (const int left : {50 + 3, 125 + 3, 200 + 5})
        {
            int lit = 0;
            for (int y = 144; y < 157; ++y)
                for (int x = left + 1; x < left + 30; ++x)
                    lit += view->canvas.Pixel(x, y) != 0;
            EXPECT_EQ(lit > 10, names) << left;
        }
    }
}

TEST_F(SolarView, NamesLeaveNoMarksWhileTheBodiesGoRound)
{
    values.Names = 1;
    for (const int centre : {0, 3})
    {
        SCOPED_TRACE(centre);
        view->canvas.Clear(0);
        view->solar.ForgetDrawnPlaces();
        view->solar.SystemCenter = static_cast<uint8_t>(centre);
        for (int step = 0; step <= 36; ++step)
        {
            const double a = step * 10 * sky::kDegToRad;
            Put(view->solar.SolObj[2], std::cos(a), std::sin(a));
            Put(view->solar.SolObj[1], 0.5 * std::cos(-2 * a), 0.5 * std::sin(-2 * a));
            view->solar.ShowSolSyst();
        }
        // Whatever is lit belongs to a sprite or a name of the last pass.
        std::vector<QRect> drawn(std::begin(view->solar.NameBox), std::end(view->solar.NameBox));
        drawn.push_back(view->solar.SunNameBox);
        drawn.emplace_back(static_cast<int>(view->solar.XSun) - 6,
                           static_cast<int>(view->solar.YSun) - 6, 13, 13);
        for (int k : {1, 2})
            drawn.emplace_back(solar::SignedCoord(view->solar.SolObj[k].X) - 4,
                               solar::SignedCoord(view->solar.SolObj[k].Y) - 4, 9, 9);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x)
            {
                if (view->canvas.Pixel(x, y) != 0)
                {
                    ASSERT_TRUE(std::any_of(drawn.begin(), drawn.end(),
                                            [&](const QRect& r) { return r.contains(x, y); }))
                        << x << "," << y;
                }
            }
    }
}

TEST_F(SolarView, ZoomStopsBeingOfferedAtItsBounds)
{
    int steps = 0;
    view->UpdateActions();
    while (view->Action("zoomIn")->isEnabled() && steps < 200)
    {
        view->Action("zoomIn")->trigger();
        ++steps;
    }
    EXPECT_EQ(steps, 76);
    EXPECT_GE(view->solar.Scale, 4.0f);
    view->solar.Scale = 1.0f;
    view->UpdateActions();
    steps = 0;
    while (view->Action("zoomOut")->isEnabled() && steps < 200)
    {
        view->Action("zoomOut")->trigger();
        ++steps;
    }
    EXPECT_EQ(steps, 24);
    EXPECT_NEAR(view->solar.Scale, 0.04f, 1e-5);
}

TEST_F(SolarView, ZoomRedrawsOnABlackWindow)
{
    view->canvas.Clear(kWhite);
    view->solar.CmZoomIn();
    EXPECT_EQ(view->canvas.Pixel(0, 0), 0u);
    // 1.04 px per million km: Earth at 200 - 155.58.
    EXPECT_EQ(view->solar.SolObj[2].X, 44);
}

TEST_F(SolarView, GoAndStopRunTheViewAndDirectionCommandsClearTheBoundFlag)
{
    clock.SetMode(kByDays);
    view->solar.CmStop();
    EXPECT_FALSE(view->solar.Playing);
    view->solar.CmGo();
    EXPECT_TRUE(view->solar.Playing);
    view->solar.CmStop();
    clock.SetTimedOut(true);
    view->solar.CmGo();
    EXPECT_FALSE(view->solar.Playing);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Out from date bound !!!");
    EXPECT_EQ(messages.boxes[0].caption, std::string("Velmoria - [Info]"));
    EXPECT_EQ(messages.boxes[0].flags, 0x40u);
    view->Action("timeBack")->trigger(); // Time Back
    EXPECT_FALSE(clock.Forward());
    EXPECT_FALSE(clock.TimedOut());
    clock.SetTimedOut(true);
    view->Action("timeForward")->trigger(); // Time Forward
    EXPECT_TRUE(clock.Forward());
    EXPECT_FALSE(clock.TimedOut());
    view->solar.CmGo();
    EXPECT_TRUE(view->solar.Playing);
}

TEST_F(SolarView, ARightClickedPlanetShowsItsNameAndDistanceBesideAMarker)
{
    view->solar.ShowSolSyst(); // Earth at (50, 150), Venus at (125, 150)
    QString name, dist, label;
    int cards = 0;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            ++cards;
            auto& card = dynamic_cast<SmallCardDlg&>(d);
            name = card.Value(4101);
            dist = card.Value(4102);
            EXPECT_EQ(d.ResId(), 24);
            return QDialog::Accepted;
        });
    view->OpenCardsAt(QPoint(52, 148));
    EXPECT_EQ(cards, 1);
    EXPECT_EQ(name, QStringLiteral("Earth"));
    EXPECT_EQ(dist, QStringLiteral("149.5979")); // millions of km, 4 decimals
}

TEST_F(SolarView, TheMarkerIsOredAtTheClickBeforeTheCard)
{
    const platform::Bitmap label(platform::LoadBitmapResource("SkyLabel"));
    ASSERT_EQ(label.Width(), 32);
    bool marked = false;
    DialogAnswer answer(
        [&](platform::Dialog&)
        {
            marked = BlockIs(view->canvas, 100 - 15, 100 - 15, label);
            return QDialog::Accepted;
        });
    view->solar.SolObj[9] = Body('C', "Halley", 1.0, 0, 0);
    view->solar.SolObj[9].X = 100;
    view->solar.SolObj[9].Y = 100;
    view->solar.SmSolObjCard(QPoint(100, 100), 9);
    EXPECT_TRUE(marked);
}

TEST_F(SolarView, ACometGetsTheCometCardAndAnEmptySlotNone)
{
    std::vector<int> shown;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            shown.push_back(d.ResId());
            return QDialog::Accepted;
        });
    view->solar.SolObj[10] = Body('C', "Encke", 2.2, 0.85f, 0);
    view->solar.SmSolObjCard(QPoint(0, 0), 10);
    view->solar.SmSolObjCard(QPoint(0, 0), 12); // no body
    view->solar.SolObj[11] = Body('P', "Tenth", 0.3, 0, 0);
    view->solar.SmSolObjCard(QPoint(0, 0), 11); // a planet where no planet sprite exists
    EXPECT_EQ(shown, std::vector<int>{27});
}

TEST_F(SolarView, SetupWithAPlanetAtTheCentreLeavesTheOrbitsOptionAlone)
{
    view->solar.SystemCenter = 3;
    values.SSValues[11] = 1;
    bool shownChecked = true, enabled = true;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            auto& dlg = dynamic_cast<SSSetupDlg&>(d);
            shownChecked = dlg.chbSwOrbits->isChecked();
            enabled = dlg.chbSwOrbits->isEnabled();
            dlg.chbMars->setChecked(false);
            dlg.CmOk();
            return QDialog::Accepted;
        });
    view->solar.CmSSSetup();
    EXPECT_FALSE(shownChecked);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(values.SSValues[11], 1); // orbits come back with the Sun at the centre
    EXPECT_EQ(values.SSValues[4], 0);  // Mars hidden
}

TEST_F(SolarView, SetupInTheHeliocentricViewStoresEveryBoxAndCancelStoresNothing)
{
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            auto& dlg = dynamic_cast<SSSetupDlg&>(d);
            EXPECT_TRUE(dlg.chbSwOrbits->isEnabled());
            dlg.chbSwOrbits->setChecked(true);
            dlg.chbSwTrails->setChecked(true);
            dlg.chbSun->setChecked(false);
            EXPECT_TRUE(dlg.chbNames->isVisibleTo(&dlg));
            dlg.chbNames->setChecked(!dlg.chbNames->isChecked());
            dlg.CmOk();
            return QDialog::Accepted;
        });
    const bool8 names = values.Names;
    view->solar.CmSSSetup();
    EXPECT_EQ(values.SSValues[11], 1);
    EXPECT_EQ(values.SSValues[12], 1);
    EXPECT_EQ(values.SSValues[0], 0);
    EXPECT_EQ(values.Names, names ? 0 : 1); // the Star Map's names byte, shared

    DialogAnswer cancel(
        [&](platform::Dialog& d)
        {
            auto& dlg = dynamic_cast<SSSetupDlg&>(d);
            dlg.chbSun->setChecked(true);
            return QDialog::Rejected;
        });
    view->solar.Playing = true;
    clock.SetMode(kByDays);
    view->solar.CmSSSetup();
    EXPECT_EQ(values.SSValues[0], 0);
    EXPECT_TRUE(view->solar.Playing); // restarted
}

TEST_F(SolarView, SetupBoxesCarryTheirIdsTextsAndHelp)
{
    HelpRecorder help;
    SSSetupDlg dlg(view.get(), values.SSValues, 1);
    const char* const texts[] = {"Sun",     "Mercury",     "Venus",      "Earth",   "Mars",
                                 "Jupiter", "Saturn",      "Uranus",     "Neptune", "Pluto",
                                 "Comets",  "Show orbits", "Show trails"};
    for (int i = 0; i < 13; ++i)
    {
        auto* box = dlg.ControlAs<QCheckBox>(3000 + i);
        ASSERT_NE(box, nullptr) << i;
        EXPECT_EQ(box->text(), QString::fromLatin1(texts[i]));
    }
    auto* group = dlg.findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), QStringLiteral("Show Objects : "));
    dlg.CmHelp();
    ASSERT_EQ(help.requests.size(), 1u);
    EXPECT_EQ(help.requests[0].file, "Velmoria.hlp");
    EXPECT_EQ(help.requests[0].topic, 9001u);
    EXPECT_EQ(help.requests[0].page, platform::HelpPage::Topic);
}

// The whole application: entering the view, putting a body at the centre, returning.
TEST(SolarApplication, CentreCommandsMoveTheCheckMarkAndNameTheCentre)
{
    ScratchDir dir;
    dir.LinkAllRuntime();
    MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    auto app = std::make_unique<VelmoriaApp>();
    app->InitMainWindow(false);
    app->Frame()->resize(800, 600);
    VelmoriaWnd* wnd = app->Frame()->Client();
    // The view's commands are offered only while it is on screen.
    EXPECT_EQ(testing_support::ViewAction(wnd, "centreEarth"), nullptr);
    wnd->EnterSubject(model::Mode::SolarSystem);
    ASSERT_EQ(wnd->Subject(), model::Mode::SolarSystem);
    EXPECT_STREQ(wnd->solar.SolObj[2].Name, "Earth");
    EXPECT_NE(wnd->solar.PlBitmap[0], nullptr);
    wnd->solar.CmStop();
    wnd->solar.ChangeCenter(604);
    EXPECT_EQ(wnd->solar.SystemCenter, 3);
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Center : Earth");
    EXPECT_TRUE(testing_support::ViewAction(wnd, "centreEarth")->isChecked());
    EXPECT_FALSE(testing_support::ViewAction(wnd, "centreSun")->isChecked());
    wnd->solar.ChangeCenter(612);
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Center : Encke");
    EXPECT_FALSE(testing_support::ViewAction(wnd, "centreEarth")->isChecked());
    // Normal Conditions puts the Sun back at the centre: the pane and the marks follow.
    wnd->CmNormal();
    EXPECT_EQ(wnd->solar.SystemCenter, 0);
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Center : Sun");
    EXPECT_TRUE(testing_support::ViewAction(wnd, "centreSun")->isChecked());
    EXPECT_FALSE(testing_support::ViewAction(wnd, "centreEncke")->isChecked());
    wnd->CmReturn();
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    EXPECT_EQ(wnd->solar.bmSol, nullptr);
    EXPECT_TRUE(messages.boxes.empty());
    app.reset();
}
// Entering the view shows the model at once, not a second later with the first tick, which
// then draws every body where the entry did.
TEST(SolarApplication, EnteringDrawsTheFirstFrameAtOnce)
{
    ScratchDir dir;
    dir.LinkAllRuntime();
    MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    testing_support::FixedClock clock(Date{20, 3, 2026}, Time{12, 0, 0});
    auto app = std::make_unique<VelmoriaApp>();
    app->InitMainWindow(false);
    app->Frame()->resize(800, 600);
    app->Frame()->show();
    VelmoriaWnd* wnd = app->Frame()->Client();
    wnd->EnterSubject(model::Mode::SolarSystem);
    ASSERT_EQ(wnd->Subject(), model::Mode::SolarSystem);
    int lit = 0;
    for (int y = 0; y < ViewCanvas(wnd).Height(); ++y)
        for (int x = 0; x < ViewCanvas(wnd).Width(); ++x)
            lit += ViewCanvas(wnd).Pixel(x, y) != 0;
    EXPECT_GT(lit, 100);
    uint16_t x[kSolarSlots], y[kSolarSlots];
    for (int k = 0; k < kSolarSlots; ++k)
    {
        x[k] = wnd->solar.SolObj[k].X;
        y[k] = wnd->solar.SolObj[k].Y;
    }
    EXPECT_NE(x[3], 0); // the Earth has a place on screen
    wnd->EvTimer(kTimerRealTime);
    for (int k = 0; k < kSolarSlots; ++k)
    {
        EXPECT_EQ(wnd->solar.SolObj[k].X, x[k]) << k;
        EXPECT_EQ(wnd->solar.SolObj[k].Y, y[k]) << k;
    }
    app.reset();
}
TEST(SolarApplication, AStoppedViewIsDrawnAgainAtOnceAfterAResize)
{
    ScratchDir dir;
    dir.LinkAllRuntime();
    MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    auto app = std::make_unique<VelmoriaApp>();
    app->InitMainWindow(false);
    app->Frame()->resize(800, 600);
    app->Frame()->show();
    VelmoriaWnd* wnd = app->Frame()->Client();
    wnd->EnterSubject(model::Mode::SolarSystem);
    ASSERT_EQ(wnd->Subject(), model::Mode::SolarSystem);
    wnd->solar.CmStop();
    app->Frame()->resize(700, 500);
    const QRect rc = wnd->SolarView().GetClientRect();
    ASSERT_FLOAT_EQ(wnd->solar.XCenter, rc.width() * 0.5f);
    // The Sun stands in the middle of the new client area at once, with no tick to come.
    EXPECT_NE(ViewCanvas(wnd).Pixel(static_cast<int>(wnd->solar.XCenter),
                                static_cast<int>(wnd->solar.YCenter)),
              0u);
    app.reset();
}
} // namespace
