// The Solar System view as a user sees it: the frame it paints (the bodies at their places at
// any size, zoom and centre, orbits, trails, names that never collide), and what a right click,
// a command or the options dialog does. The bodies of the test's own elements file run on
// circles in the ecliptic, so that their places on the screen are worked out by hand.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/AppSupport.h"
#include "common/TestSupport.h"
#include "model/SmallCard.h"
#include "platform/Bitmaps.h"
#include "solar/SSSetupDlg.h"
#include "solar/SolarSystemView.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QSignalSpy>
#include <cmath>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace
{
using testing_support::DialogAnswer;
using testing_support::HelpRecorder;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;
using testing_support::Trigger;

constexpr double kAu = solar::kAuInMkm;
constexpr int kOrbits = 11;
constexpr int kTrails = 12;
// The test's bodies pass their perihelia on this Julian date (UT); the clock instant of that
// moment, with the computer's clock on UT.
constexpr double kJd = 2461000.5;
constexpr uint64_t kInstant = static_cast<uint64_t>((kJd - sky::kJulianDate1901) * 86400);

// A body of the test's file: kind ('P', 'C', or 0 for an empty slot), name, and the circle of
// radius `a` AU it runs anticlockwise, at ecliptic longitude `longitude` degrees on kJd.
struct Circle
{
    char id;
    const char* name;
    double a;
    double longitude;
};

std::string ElementsFile(const std::vector<Circle>& bodies)
{
    std::string bytes;
    for (const Circle& b : bodies)
    {
        SolarObjects r{};
        r.ID = b.id;
        std::snprintf(r.Name, sizeof r.Name, "%s", b.name);
        r.SemiAxis = b.a;
        r.ArgPer = static_cast<float>(b.longitude);
        r.PeriDate = kJd;
        r.Period = static_cast<float>(365.25 * std::pow(b.a, 1.5)); // Kepler's third law
        bytes.append(reinterpret_cast<const char*>(&r), sizeof r);
    }
    return bytes;
}

const Circle kEmpty{0, "", 1, 0};
// Slots 0..7 hold Mercury to Neptune, which stand where ERFA puts them: the test's bodies
// are Pluto and comets.
std::vector<Circle> InSlots(std::initializer_list<Circle> from8)
{
    std::vector<Circle> bodies(8, kEmpty);
    bodies.insert(bodies.end(), from8);
    return bodies;
}
// Pluto and Halley's comet both at longitude 180 degrees, left of the Sun.
const std::vector<Circle> kPlutoAndHalley =
    InSlots({{'P', "Pluto", 1, 180}, {'C', "Halley", 0.5, 180}});

// Bitmap resource `id` where its mask `id + 100` is black: what a user sees of a sprite.
struct Sprite
{
    explicit Sprite(int id)
        : picture(platform::LoadBitmapResource(id).convertToFormat(QImage::Format_RGB32)),
          mask(platform::LoadBitmapResource(id + 100).convertToFormat(QImage::Format_RGB32))
    {
    }
    bool Opaque(int i, int j) const { return qGray(mask.pixel(i, j)) < 128; }
    QImage picture;
    QImage mask;
};

// Whether `image` (device pixels, `dpr` to a logical pixel) shows `sprite` with its left column
// at floor(x) - w/2 and its top row at floor(y) - h/2, logical pixels.
bool ShowsExactly(const QImage& image, const Sprite& sprite, double x, double y, int dpr = 1)
{
    const int left = static_cast<int>(std::floor(x)) - sprite.picture.width() / 2;
    const int top = static_cast<int>(std::floor(y)) - sprite.picture.height() / 2;
    for (int j = 0; j < sprite.picture.height() * dpr; ++j)
        for (int i = 0; i < sprite.picture.width() * dpr; ++i)
            if (sprite.Opaque(i / dpr, j / dpr) && image.pixel(left * dpr + i, top * dpr + j) !=
                                                       sprite.picture.pixel(i / dpr, j / dpr))
                return false;
    return true;
}

// The same within a pixel of (x, y): a place worked out by hand on a pixel's edge may fall on
// either side of it after the rounding of sines and cosines.
bool Shows(const QImage& image, const Sprite& sprite, double x, double y, int dpr = 1)
{
    for (const double dy : {0.0, -0.5, 0.5})
        for (const double dx : {0.0, -0.5, 0.5})
            if (ShowsExactly(image, sprite, x + dx, y + dy, dpr))
                return true;
    return false;
}

// How many places of `image` show `sprite`.
int CountShown(const QImage& image, const Sprite& sprite)
{
    const int w = sprite.picture.width(), h = sprite.picture.height();
    int found = 0;
    for (int y = h / 2; y + h <= image.height(); ++y)
        for (int x = w / 2; x + w <= image.width(); ++x)
            found += ShowsExactly(image, sprite, x, y);
    return found;
}

// The view of a test, 640 x 480 unless resized (one pixel per million km at zoom 1), every
// body shown, no orbits, trails or names unless a test asks for them.
class SolarView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (auto& flag : values.SSValues)
            flag = 1;
        values.SSValues[kOrbits] = values.SSValues[kTrails] = 0;
        values.Names = 0;
    }

    // The view entered with `bodies` as its elements file, stopped, showing kJd.
    void Open(const std::vector<Circle>& bodies = kPlutoAndHalley, int w = 640, int h = 480)
    {
        dir.Write("Data/Solobj.dat", ElementsFile(bodies));
        view->resize(w, h);
        ASSERT_TRUE(view->Enter());
        view->Stop();
        ShowDays(0);
    }
    void ShowDays(double days)
    {
        view->ShowInstant(kInstant + static_cast<uint64_t>(days * 86400), std::nullopt);
    }
    void Press(const char* command, int times = 1)
    {
        for (int n = 0; n < times; ++n)
            view->Action(command)->trigger();
    }
    QImage Picture(int dpr = 1)
    {
        QImage image(view->size() * dpr, QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
        view->render(&image);
        image.setDevicePixelRatio(1);
        return image;
    }
    // Right-clicks at `at` and returns the cards opened: their dialog ids and name lines.
    std::vector<std::pair<int, QString>> Click(QPoint at)
    {
        std::vector<std::pair<int, QString>> cards;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                cards.emplace_back(d.ResId(), dynamic_cast<SmallCardDlg&>(d).Value(4101));
                return QDialog::Accepted;
            });
        view->OpenCardsAt(at);
        return cards;
    }

    ScratchDir dir;
    MessageRecorder messages;
    testing_support::ScopedTimeZone zone{"UTC0"};
    ::Setup values = DefaultSetup();
    SimClock clock;
    std::unique_ptr<SolarSystemView> view = std::make_unique<SolarSystemView>(values, clock);
    const Sprite sun{1001}, pluto{1010}, comet{1011};
};

TEST_F(SolarView, BodiesStandAtTheirPlacesAtAnySizeZoomAndCentre)
{
    const struct
    {
        int w, h, dpr;
        int zoomIns;                  // steps of 0.04 from zoom 1
        const char* centre;           // the centre command
        double sunX, halleyX, plutoX; // all on the middle row
    } cases[] = {
        {640, 480, 1, 0, "centreSun", 320, 320 - kAu / 2, 320 - kAu},
        {1280, 960, 1, 0, "centreSun", 640, 640 - kAu, 640 - 2 * kAu},
        {640, 480, 2, 0, "centreSun", 320, 320 - kAu / 2, 320 - kAu},
        {640, 480, 1, 25, "centreSun", 320, 320 - kAu, 320 - 2 * kAu},
        {640, 480, 1, 0, "centrePluto", 320 + kAu, 320 + kAu / 2, 320},
        {400, 300, 1, 0, "centreHalley", 200 + kAu * 0.3125, 200, 200 - kAu * 0.3125},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " dpr " << c.dpr << " zoom +"
                                        << c.zoomIns << " " << c.centre);
        Open(kPlutoAndHalley, c.w, c.h);
        Press("zoomIn", c.zoomIns);
        Press(c.centre);
        const QImage image = Picture(c.dpr);
        const double y = c.h / 2.0;
        EXPECT_TRUE(Shows(image, sun, c.sunX, y, c.dpr));
        EXPECT_TRUE(Shows(image, comet, c.halleyX, y, c.dpr));
        EXPECT_TRUE(Shows(image, pluto, c.plutoX, y, c.dpr));
    }
}

TEST_F(SolarView, OrbitsAreGreyEllipsesDrawnOnlyAboutTheSunAndOnlyInsideTheWindow)
{
    const struct
    {
        bool orbits;
        const char* centre;
        double a;    // AU, the only body's circle
        int zoomIns; // from zoom 1
        int least;   // lit pixels of the ring at least; 0: none at all
    } cases[] = {
        {true, "centreSun", 1, 0, 900}, // 2 pi 149.6 pixels of circle
        {false, "centreSun", 1, 0, 0},   {true, "centrePluto", 1, 0, 0},
        {true, "centreSun", 2, 0, 1000}, // past the top and bottom edges
        {true, "centreSun", 30, 75, 0},  // 18000 pixels round the window
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.orbits << " " << c.centre << " a " << c.a);
        values.SSValues[kOrbits] = c.orbits;
        Open(InSlots({{'P', "Pluto", c.a, 90}}));
        Press("zoomIn", c.zoomIns);
        Press(c.centre);
        const QImage image = Picture();
        const QPointF middle(320, 240);
        const double radius = c.a * kAu * view->solar.Scale();
        int ring = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
            {
                const QRgb p = image.pixel(x, y);
                const QPointF at(x + 0.5, y + 0.5);
                bool inSprite = false;
                for (const solar::Mark& mark : view->LastFrame().marks)
                    inSprite |=
                        std::fabs(at.x() - mark.at.x) < 7 && std::fabs(at.y() - mark.at.y) < 7;
                if ((p & 0xffffff) == 0 || inSprite)
                    continue;
                ++ring;
                ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) <= 75)
                    << x << "," << y;
                ASSERT_NEAR(QLineF(at, middle).length(), radius, 1.2) << x << "," << y;
            }
        if (c.least == 0)
            EXPECT_EQ(ring, 0);
        else
            EXPECT_GE(ring, c.least);
    }
}

TEST_F(SolarView, TrailsKeepEarlierPlacesUntilThePictureChangesAsAWhole)
{
    const struct
    {
        const char* what;
        bool trails;
        std::function<void(SolarSystemView&)> change;
        int plutos; // Plutos on the picture after the change
    } cases[] = {
        {"trails off", false, [](SolarSystemView&) {}, 1},
        {"nothing", true, [](SolarSystemView&) {}, 2},
        {"a card", true,
         [](SolarSystemView& v) {
             v.OpenCardsAt({320, 389});
         },
         2},
        {"zoom in", true, [](SolarSystemView& v) { v.Action("zoomIn")->trigger(); }, 1},
        {"zoom out", true, [](SolarSystemView& v) { v.Action("zoomOut")->trigger(); }, 1},
        {"a new centre", true, [](SolarSystemView& v) { v.Action("centreHalley")->trigger(); }, 1},
        {"options", true, [](SolarSystemView& v) { v.Action("solarSetup")->trigger(); }, 1},
        {"a new size", true, [](SolarSystemView& v) { v.resize(700, 500); }, 1},
        {"the clock set", true, [](SolarSystemView& v) { v.Redraw(); }, 1},
        {"normal conditions", true, [](SolarSystemView& v) { v.Normal(); }, 1},
    };
    DialogAnswer answer([](platform::Dialog&) { return QDialog::Accepted; });
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        values.SSValues[kTrails] = c.trails;
        Open();
        // A quarter turn on, Pluto stands below the Sun at (320, 389.6).
        ShowDays(365.25 / 4);
        ASSERT_TRUE(Shows(Picture(), pluto, 320, 240 + kAu));
        c.change(*view);
        EXPECT_EQ(CountShown(Picture(), pluto), c.plutos);
    }
}

TEST_F(SolarView, NamesStandBesideTheirBodiesOnlyWhenTheLayerIsOn)
{
    for (const bool names : {true, false})
    {
        values.Names = names;
        Open();
        const QImage image = Picture();
        // Grey text pixels outside the marks of the Sun (320), Halley (245) and Pluto (170).
        int text = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
            {
                const QRgb p = image.pixel(x, y);
                const bool inMark =
                    std::abs(y - 240) < 7 &&
                    (std::abs(x - 320) < 7 || std::abs(x - 245) < 5 || std::abs(x - 170) < 5);
                text += !inMark && qRed(p) > 60 && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
            }
        EXPECT_EQ(text > 30, names);
        EXPECT_EQ(view->NameBoxes().size(), names ? 3u : 0u);
        for (const labels::Box& box : view->NameBoxes())
            EXPECT_LT(std::fabs(box.top + box.height / 2 - 240), box.height) << box.left;
    }
}

TEST_F(SolarView, NamesNeverOverlapEachOtherOrTheSunAtAnyZoom)
{
    values.Names = 1;
    values.SSValues[kOrbits] = 1;
    const auto expectNamesApart = [this]
    {
        Picture();
        const std::vector<labels::Box>& boxes = view->NameBoxes();
        ASSERT_FALSE(boxes.empty());
        const solar::Point sunAt = view->LastFrame().marks.at(0).at;
        const labels::Box sunDisc{std::floor(sunAt.x) - 5, std::floor(sunAt.y) - 5, 11, 11};
        for (size_t i = 0; i < boxes.size(); ++i)
        {
            EXPECT_FALSE(labels::Overlaps(boxes[i], sunDisc)) << i;
            EXPECT_TRUE(boxes[i].left >= 0 && boxes[i].top >= 0 && boxes[i].Right() <= 640 &&
                        boxes[i].Bottom() <= 480)
                << i;
            for (size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(labels::Overlaps(boxes[i], boxes[j])) << i << " " << j;
        }
    };
    // Eight bodies crowded round the Sun, 6 to 27 pixels from it in every direction.
    std::vector<Circle> crowd;
    for (int k = 0; k < 8; ++k)
        crowd.push_back({'C', "Crowded", (6 + 3 * k) / kAu, 45.0 * k});
    Open(crowd);
    expectNamesApart();
    // The program's own bodies on 7 December 2026 from the smallest zoom to the largest.
    std::ifstream in(VELMORIA_RUNTIME_DIR "/Data/Solobj.dat", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 11 * sizeof(SolarObjects));
    dir.Write("Data/Solobj.dat", bytes);
    ASSERT_TRUE(view->Enter());
    view->ShowInstant(ClockInstant(Date{7, 12, 2026}, Time{0, 0, 0}), std::nullopt);
    Press("zoomOut", 24);
    for (int step = 0; step <= 76; step += 4)
    {
        SCOPED_TRACE(view->solar.Scale());
        expectNamesApart();
        Press("zoomIn", 4);
    }
}

TEST_F(SolarView, ARightClickOpensTheCardsOfTheBodiesUnderItBesideAMarker)
{
    // Encke's comet stands on Pluto, at (170.4, 240); Halley's at (245.2, 240).
    const std::vector<Circle> bodies =
        InSlots({{'P', "Pluto", 1, 180}, {'C', "Halley", 0.5, 180}, {'C', "Encke", 1, 180}});
    const struct
    {
        QPoint click;
        bool running;
        std::vector<std::pair<int, QString>> cards; // planet 24, comet 27
    } cases[] = {
        {{170, 240}, false, {{24, "Pluto"}, {27, "Encke"}}},
        {{245, 240}, false, {{27, "Halley"}}},
        {{253, 232}, false, {{27, "Halley"}}}, // 8 pixels away is inside the square
        {{254, 240}, false, {}},               // 9 is outside
        {{320, 240}, false, {}},               // the Sun has no card
        {{4, 4}, false, {}},                   // nor has an empty slot a place
        {{245, 240}, true, {}},                // nor does a running view open one
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.click.x() << "," << c.click.y());
        Open(bodies);
        if (c.running)
            view->Go();
        Picture();
        EXPECT_EQ(Click(c.click), c.cards);
    }
    // The card tells the distance from the Sun; the marker's orange ring stands round the click
    // while the card is open, and goes with it.
    Open(bodies);
    const auto orange = [this]
    {
        const QImage image = Picture();
        int n = 0;
        for (int y = 240 - 16; y < 240 + 16; ++y)
            for (int x = 245 - 16; x < 245 + 16; ++x)
                n += qRed(image.pixel(x, y)) > 200 && qBlue(image.pixel(x, y)) < 120;
        return n;
    };
    const int without = orange();
    QString distance;
    int with = 0;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            distance = dynamic_cast<SmallCardDlg&>(d).Value(4102);
            with = orange();
            return QDialog::Accepted;
        });
    view->OpenCardsAt({245, 240});
    EXPECT_EQ(distance, QStringLiteral("74.7989")); // half an AU, millions of km
    EXPECT_GT(with, without + 30);
    EXPECT_EQ(orange(), without);
}

TEST_F(SolarView, DamagedElementsPaintAndAnswerClicksWithoutHarm)
{
    // Values no sound file holds: not-a-number, infinite and huge axes, an eccentricity of 1
    // and more, a zero period.
    const double axes[] = {NAN, INFINITY, 1e30, -5.0, 2.0};
    const float eccentricities[] = {0.5f, 1.0f, 7.0f, NAN, -1.0f};
    std::string bytes;
    for (int k = 0; k < kSolarSlots; ++k)
    {
        SolarObjects r{};
        r.ID = k < 9 ? 'P' : 'C';
        r.SemiAxis = axes[k % 5];
        r.Eccentr = eccentricities[(k + 2) % 5];
        r.Inclin = k == 3 ? NAN : 400.0f;
        r.ArgPer = k == 4 ? INFINITY : 10.0f;
        r.Period = k % 2 ? 0.0f : NAN;
        bytes.append(reinterpret_cast<const char*>(&r), sizeof r);
    }
    dir.Write("Data/Solobj.dat", bytes);
    values.SSValues[kOrbits] = values.SSValues[kTrails] = values.Names = 1;
    view->resize(640, 480);
    ASSERT_TRUE(view->Enter());
    view->Stop();
    DialogAnswer answer([](platform::Dialog&) { return QDialog::Accepted; });
    for (const char* centre : {"centreSun", "centreMercury", "centreEncke"})
        for (const char* zoom : {"zoomIn", "zoomOut"})
        {
            Press(centre);
            Press(zoom, 80);
            ShowDays(0);
            ShowDays(1);
            Picture();
            for (const solar::Mark& mark : view->LastFrame().marks)
            {
                ASSERT_TRUE(std::isfinite(mark.at.x) && std::isfinite(mark.at.y));
                view->OpenCardsAt({static_cast<int>(std::clamp(mark.at.x, -1e6, 1e6)),
                                   static_cast<int>(std::clamp(mark.at.y, -1e6, 1e6))});
            }
        }
}

TEST_F(SolarView, ZoomStopsBeingOfferedAtItsBounds)
{
    Open();
    int steps = 0;
    for (; view->Action("zoomIn")->isEnabled() && steps < 200; ++steps)
        Press("zoomIn");
    EXPECT_EQ(steps, 76);
    EXPECT_GE(view->solar.Scale(), 4.0f);
    view->Normal();
    view->UpdateActions();
    for (steps = 0; view->Action("zoomOut")->isEnabled() && steps < 200; ++steps)
        Press("zoomOut");
    EXPECT_EQ(steps, 24);
    EXPECT_NEAR(view->solar.Scale(), 0.04f, 1e-5);
}

TEST_F(SolarView, GoAndStopRunTheViewAndDirectionCommandsClearTheBoundFlag)
{
    Open();
    clock.SetMode(kByDays);
    EXPECT_FALSE(view->Playing());
    Press("go");
    EXPECT_TRUE(view->Playing());
    Press("stop");
    clock.SetTimedOut(true);
    Press("go");
    EXPECT_FALSE(view->Playing());
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Out from date bound !!!");
    EXPECT_EQ(messages.boxes[0].caption, std::string("Velmoria - [Info]"));
    EXPECT_EQ(messages.boxes[0].flags, 0x40u);
    Press("timeBack");
    EXPECT_FALSE(clock.Forward());
    EXPECT_FALSE(clock.TimedOut());
    clock.SetTimedOut(true);
    Press("timeForward");
    EXPECT_TRUE(clock.Forward());
    EXPECT_FALSE(clock.TimedOut());
    Press("go");
    EXPECT_TRUE(view->Playing());
}

TEST_F(SolarView, SetupWithAPlanetAtTheCentreLeavesTheOrbitsOptionAlone)
{
    values.SSValues[kOrbits] = 1;
    Open();
    Press("centrePluto");
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
    Press("solarSetup");
    EXPECT_FALSE(shownChecked);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(values.SSValues[kOrbits], 1); // orbits come back with the Sun at the centre
    EXPECT_EQ(values.SSValues[4], 0);       // Mars hidden
}

TEST_F(SolarView, SetupStoresEveryBoxOnOkAndNothingOnCancelAndRunsOnAsBefore)
{
    Open();
    QSignalSpy stored(view.get(), &model::View::ConfigChanged);
    const bool8 names = values.Names;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            auto& dlg = dynamic_cast<SSSetupDlg&>(d);
            EXPECT_TRUE(dlg.chbSwOrbits->isEnabled());
            dlg.chbSwOrbits->setChecked(true);
            dlg.chbSwTrails->setChecked(true);
            dlg.chbSun->setChecked(false);
            dlg.chbNames->setChecked(!dlg.chbNames->isChecked());
            dlg.CmOk();
            return QDialog::Accepted;
        });
    Press("solarSetup");
    EXPECT_EQ(values.SSValues[kOrbits], 1);
    EXPECT_EQ(values.SSValues[kTrails], 1);
    EXPECT_EQ(values.SSValues[0], 0);
    EXPECT_EQ(values.Names, names ? 0 : 1); // the Star Map's names byte, shared
    EXPECT_EQ(stored.count(), 1);

    DialogAnswer cancel(
        [&](platform::Dialog& d)
        {
            dynamic_cast<SSSetupDlg&>(d).chbSun->setChecked(true);
            return QDialog::Rejected;
        });
    clock.SetMode(kByDays);
    view->Go();
    Press("solarSetup");
    EXPECT_EQ(values.SSValues[0], 0);
    EXPECT_EQ(stored.count(), 1);
    EXPECT_TRUE(view->Playing()); // restarted
}

TEST_F(SolarView, SetupBoxesCarryTheirIdsTextsAndHelp)
{
    HelpRecorder help;
    SSSetupDlg dlg(view.get(), SolarOptions{}, true);
    const char* const texts[] = {"Sun",     "Mercury",     "Venus",       "Earth",   "Mars",
                                 "Jupiter", "Saturn",      "Uranus",      "Neptune", "Pluto",
                                 "Comets",  "Show orbits", "Show trails", "Names"};
    for (int i = 0; i < 14; ++i)
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

// The whole application with the program's own files.
class SolarApplication : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.LinkAllRuntime();
        app->InitMainWindow(false);
        app->Frame()->resize(800, 600);
        app->Frame()->show();
        wnd = app->Frame()->Client();
    }
    void TearDown() override { app.reset(); }

    ScratchDir dir;
    MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    testing_support::FixedClock fixed{Date{20, 3, 2026}, Time{12, 0, 0}};
    std::unique_ptr<VelmoriaApp> app = std::make_unique<VelmoriaApp>();
    VelmoriaWnd* wnd = nullptr;
};

TEST_F(SolarApplication, CentreCommandsMoveTheCheckMarkAndNameTheCentre)
{
    // The view's commands are offered only while it is on screen.
    EXPECT_EQ(testing_support::ViewAction(wnd, "centreEarth"), nullptr);
    wnd->EnterSubject(model::Mode::SolarSystem);
    ASSERT_EQ(wnd->Subject(), model::Mode::SolarSystem);
    EXPECT_STREQ(wnd->solar.SolObj(2).Name, "Earth");
    Trigger(wnd, "stop");
    const auto pane = [this] { return app->Frame()->PaneGadget(model::Pane::Coord)->Text(); };
    Trigger(wnd, "centreEarth");
    EXPECT_EQ(wnd->solar.SystemCenter(), 3);
    EXPECT_EQ(pane(), "Center : Earth");
    EXPECT_TRUE(testing_support::ViewAction(wnd, "centreEarth")->isChecked());
    EXPECT_FALSE(testing_support::ViewAction(wnd, "centreSun")->isChecked());
    Trigger(wnd, "centreEncke");
    EXPECT_EQ(pane(), "Center : Encke");
    EXPECT_FALSE(testing_support::ViewAction(wnd, "centreEarth")->isChecked());
    // Normal Conditions puts the Sun back at the centre: the pane and the marks follow.
    Trigger(wnd, "normal");
    EXPECT_EQ(wnd->solar.SystemCenter(), 0);
    EXPECT_EQ(pane(), "Center : Sun");
    EXPECT_TRUE(testing_support::ViewAction(wnd, "centreSun")->isChecked());
    EXPECT_FALSE(testing_support::ViewAction(wnd, "centreEncke")->isChecked());
    Trigger(wnd, "return");
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    EXPECT_TRUE(messages.boxes.empty());
}

// The first frame shows the model at once; the first tick, in the same second, shows the same.
TEST_F(SolarApplication, EnteringShowsTheModelAtOnceAndTheFirstTickTheSame)
{
    wnd->EnterSubject(model::Mode::SolarSystem);
    ASSERT_EQ(wnd->Subject(), model::Mode::SolarSystem);
    const QImage first = testing_support::ViewPicture(wnd);
    int lit = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            lit += (first.pixel(x, y) & 0xffffff) != 0;
    EXPECT_GT(lit, 100);
    wnd->EvTimer(kTimerRealTime);
    EXPECT_EQ(testing_support::ViewPicture(wnd), first);
}

TEST_F(SolarApplication, AResizedViewKeepsTheSunInItsMiddle)
{
    wnd->EnterSubject(model::Mode::SolarSystem);
    Trigger(wnd, "stop");
    for (const QSize size : {QSize(700, 500), QSize(1000, 900)})
    {
        app->Frame()->resize(size);
        const QImage image = testing_support::ViewPicture(wnd);
        EXPECT_TRUE(Shows(image, Sprite(1001), image.width() / 2.0, image.height() / 2.0))
            << size.width();
    }
}
} // namespace
