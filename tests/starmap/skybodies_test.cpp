// The Sun, the Moon and the planets on the sky globe, and the names layer: true places, the
// Moon's phase disc, the planets' marks and cards, the search, and labels that leave nothing
// behind when the sky turns.
#include "resources/CommandIds.h"
#include "starmap/Globe.h"
#include "starmap/SMSetupDlg.h"
#include "starmap/SkyBodies.h"
#include "starmap/SmallCard.h"
#include "starmap/StarMapApp.h"
#include "time/ClockInstant.h"

#include <QCheckBox>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "common/AppSupport.h"

using testing_support::IsEnabled;
using testing_support::Trigger;
using testing_support::ViewCanvas;

namespace
{
using skybodies::DiscPixel;
using testing_support::DialogAnswer;

// ---- pure parts ----

TEST(MoonDisc, LitPartFollowsTheIlluminatedFractionAndFacesTheBrightLimb)
{
    struct Case
    {
        double k;
        double limbX, limbY;
        double litShare; // of the disc's pixels, within 0.1
        int litSide;     // +1: lit pixels lie on the limb's side; 0: no side
    };
    const Case cases[] = {{0.0, 1, 0, 0.0, 0}, {0.5, 1, 0, 0.5, +1},  {0.5, 0, -1, 0.5, +1},
                          {1.0, 0, 1, 1.0, 0}, {0.1, -1, 0, 0.1, +1}, {0.8, 1, 1, 0.8, +1}};
    for (const Case& c : cases)
    {
        const skybodies::MoonDisc disc = skybodies::ComputeMoonDisc(c.k, c.limbX, c.limbY);
        int lit = 0, dark = 0;
        double side = 0;
        for (int row = 0; row < skybodies::kMoonDiscSize; ++row)
            for (int col = 0; col < skybodies::kMoonDiscSize; ++col)
            {
                const DiscPixel p = disc[static_cast<size_t>(row * skybodies::kMoonDiscSize + col)];
                lit += p == DiscPixel::Lit;
                dark += p == DiscPixel::Dark;
                if (p == DiscPixel::Lit)
                    side += (col - 4) * c.limbX + (row - 4) * c.limbY;
            }
        EXPECT_GE(lit + dark, 60) << c.k; // a round disc of about 9 pixels across
        EXPECT_NEAR(static_cast<double>(lit) / (lit + dark), c.litShare, 0.1) << c.k;
        if (c.litSide)
        {
            EXPECT_GT(side, 0.0) << c.k << " " << c.limbX << " " << c.limbY;
        }
    }
}

TEST(SkyPlanets, ElementsAreReadFromTheHeadOfTheFileAndDamageLeavesSlotsUnusable)
{
    // Records of 54 bytes: kind, name, a, e, i, node, argument, perihelion date, period.
    const auto record = [](char kind, double a, float e)
    {
        std::string r(54, '\0');
        r[0] = kind;
        std::memcpy(r.data() + 18, &a, 8);
        std::memcpy(r.data() + 26, &e, 4);
        const double peri = 2451545.0;
        const float period = 365.25f;
        std::memcpy(r.data() + 42, &peri, 8);
        std::memcpy(r.data() + 50, &period, 4);
        return r;
    };
    struct Case
    {
        std::string bytes;
        std::vector<bool> usable; // slots 0..8
    };
    const std::string good = record('P', 1.0, 0.1f);
    const Case cases[] = {
        {good + good + good, {true, true, true, false, false, false, false, false, false}},
        {good + record('C', 1.0, 0.1f) + good,
         {true, false, false, false, false, false, false, false, false}},
        {good + record('P', -1.0, 0.1f) + good.substr(0, 20),
         {true, false, false, false, false, false, false, false, false}},
        {"", std::vector<bool>(9, false)},
    };
    for (const Case& c : cases)
    {
        std::FILE* f = std::tmpfile();
        std::fwrite(c.bytes.data(), 1, c.bytes.size(), f);
        const skybodies::PlanetElements table = skybodies::ReadPlanetElements(f);
        std::fclose(f);
        for (size_t slot = 0; slot < 9; ++slot)
            EXPECT_EQ(table.usable[slot], c.usable[slot]) << c.bytes.size() << " slot " << slot;
    }
}

// ---- on the window ----

class SkyBodies : public StarMapApp
{
protected:
    void SetUp() override
    {
        StarMapApp::SetUp();
        Open(50, true);
        wnd->starmap.CmStStop();
    }

    // The sky of the local instant `date` `time` (the computer's offset taken as 0).
    void Show(const Date& date, const Time& time)
    {
        S = ClockInstant(date, time);
        wnd->starmap.UpdateStarAngles(S, 0);
        wnd->starmap.ShowStarMap();
    }

    // Where a catalogue star at (ra hours, dec degrees) would stand now.
    QPoint StarPlace(double raHours, double decDeg) const
    {
        const StarMap& m = wnd->starmap;
        const globe::View view{m.XCenter, m.YCenter, m.r, m.lat, m.latCos, m.latSin};
        const float ra = static_cast<float>(raHours * 15.0);
        const float dec = static_cast<float>(decDeg * sky::kDegToRad);
        const globe::ScreenPoint p =
            globe::Project(view, m.t + ra, std::cos(dec), std::sin(static_cast<double>(dec)));
        return {p.x, p.y};
    }

    uint64_t S = 0;
};

TEST_F(SkyBodies, SunAndMoonStandWhereTheEphemerisPutsThem)
{
    wnd->Values.SMValues.Check[4] = 1; // both drawn wherever they are
    struct Case
    {
        Date date;
        Time time;
    };
    const Case cases[] = {{{7, 12, 2026}, {18, 0, 0}},
                          {{24, 12, 2026}, {20, 0, 0}},
                          {{1, 1, 1901}, {0, 0, 0}},
                          {{21, 6, 2099}, {12, 30, 0}}};
    for (const Case& c : cases)
    {
        Show(c.date, c.time);
        const double jd = sky::JulianDateFromInstant(wnd->starmap.SkyUt(S, 0));
        const sky::SunPlace sun = sky::SunPlaceAt(jd);
        const sky::MoonPlace moon = sky::MoonPlaceAt(jd);
        const StarMap& m = wnd->starmap;
        EXPECT_EQ(QPoint(globe::DrawCoord(m.XSol[0]), globe::DrawCoord(m.YSol[0])),
                  StarPlace(sun.RightAscension, sun.Declination))
            << c.date.Year;
        EXPECT_EQ(QPoint(globe::DrawCoord(m.XSol[1]), globe::DrawCoord(m.YSol[1])),
                  StarPlace(moon.RightAscension, moon.Declination))
            << c.date.Year;
        EXPECT_DOUBLE_EQ(m.MoonPlace.IlluminatedFraction, moon.IlluminatedFraction);
    }
}

TEST_F(SkyBodies, SunAndMoonTurnAndTiltWithTheStarsOnTheReviewGlobe)
{
    wnd->Values.SMValues.Check[4] = 1; // both drawn wherever they are
    Trigger(wnd, "reviewGlobe");
    Trigger(wnd, "stop");
    ASSERT_FALSE(wnd->starmap.StPlaying);
    // Where the ephemeris puts the Sun and the Moon at the globe's instant, through the globe's
    // present turn and tilt.
    const auto expectOnTheirPlaces = [this](const char* after)
    {
        const StarMap& m = wnd->starmap;
        const sky::SunPlace sun = sky::SunPlaceAt(m.SkyJulianDate);
        const sky::MoonPlace moon = sky::MoonPlaceAt(m.SkyJulianDate);
        ASSERT_TRUE(m.FlagSol[0] && m.FlagSol[1]) << after;
        EXPECT_EQ(QPoint(globe::DrawCoord(m.XSol[0]), globe::DrawCoord(m.YSol[0])),
                  StarPlace(sun.RightAscension, sun.Declination))
            << after;
        EXPECT_EQ(QPoint(globe::DrawCoord(m.XSol[1]), globe::DrawCoord(m.YSol[1])),
                  StarPlace(moon.RightAscension, moon.Declination))
            << after;
    };
    wnd->starmap.ShowStarMap();
    expectOnTheirPlaces("the switch");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(wnd, Qt::Key_Right);
    expectOnTheirPlaces("three turns by Right");
    QTest::keyClick(wnd, Qt::Key_Up);
    expectOnTheirPlaces("a tilt by Up");
    const QPoint middle(static_cast<int>(wnd->starmap.XCenter),
                        static_cast<int>(wnd->starmap.YCenter));
    QTest::mousePress(wnd, Qt::LeftButton, {}, middle);
    QTest::mouseMove(wnd, middle + QPoint(60, 40));
    QTest::mouseRelease(wnd, Qt::LeftButton, {}, middle + QPoint(60, 40));
    expectOnTheirPlaces("a drag");
}

TEST_F(SkyBodies, MarksAndLabelsLeaveNothingBehindWhenTheSkyTurnsAFullCircle)
{
    // Every layer, the names and the planets on; the sky turned by 10-minute steps for a
    // sidereal day, then compared with the same sky drawn once on a black window.
    for (bool8& layer : wnd->Values.SMValues.Check)
        layer = 1;
    wnd->Values.SMValues.Check[4] = 0;
    wnd->Values.SMValues.SelectMagn = 6.0f;
    wnd->Values.Planets = 1;
    wnd->Values.Names = 1;
    for (bool transparent : {false, true})
    {
        wnd->Values.SMValues.Check[4] = transparent;
        ViewCanvas(wnd).Clear(0);
        wnd->starmap.ClearGlobeFlags();
        const uint64_t start = ClockInstant(Date{7, 12, 2026}, Time{18, 0, 0});
        for (uint64_t s = start; s <= start + 86164; s += 600)
        {
            wnd->starmap.UpdateStarAngles(s, 0);
            wnd->starmap.ShowStarMap();
        }
        const platform::Canvas turned = ViewCanvas(wnd);
        EXPECT_FALSE(wnd->starmap.LabelRects.empty());
        ViewCanvas(wnd).Clear(0);
        wnd->starmap.ClearGlobeFlags();
        wnd->starmap.FlagLat = false;
        wnd->starmap.ShowStarMap();
        // A pixel lit after the turns must be lit in the fresh frame too. (The reverse need
        // not hold: erasing a star's old mark may nick a line drawn before it in the frame.)
        int residue = 0;
        for (int y = 0; y < turned.Height(); ++y)
            for (int x = 0; x < turned.Width(); ++x)
                residue += turned.Pixel(x, y) != 0 && ViewCanvas(wnd).Pixel(x, y) == 0;
        EXPECT_EQ(residue, 0) << transparent;
    }
}

TEST_F(SkyBodies, EveryPlanetIsDrawnInItsColourTheFaintOnesSmallerAndFollowsItsLayer)
{
    // The stars' limit stays at 4: Uranus (5.6) and Neptune (7.9) are drawn all the same, with
    // a smaller mark, and a right click on them opens their card.
    wnd->Values.SMValues.Check[4] = 1;
    wnd->Values.SMValues.SelectMagn = 4.0f;
    wnd->Values.Names = 0;
    Show(Date{7, 12, 2026}, Time{18, 0, 0});
    for (int k = 0; k < skybodies::kSkyPlanetCount; ++k)
    {
        const SkyPlanet& p = wnd->starmap.Planet[k];
        const skybodies::SkyPlanetKind& kind = skybodies::kSkyPlanets[static_cast<size_t>(k)];
        ASSERT_TRUE(p.Drawn) << kind.name;
        const int x = globe::DrawCoord(p.X), y = globe::DrawCoord(p.Y);
        EXPECT_EQ(ViewCanvas(wnd).Pixel(x, y), kind.color) << kind.name;
        int lit = 0;
        for (int dy = -2; dy <= 3; ++dy)
            for (int dx = -2; dx <= 3; ++dx)
                lit += ViewCanvas(wnd).Pixel(x + dx, y + dy) == kind.color;
        EXPECT_EQ(lit, p.Magnitude > 4.0f ? 4 : 12) << kind.name << " " << p.Magnitude;
    }
    for (const char* faint : {"Uranus", "Neptune"})
    {
        const SkyPlanet& p =
            wnd->starmap.Planet[skybodies::SkyPlanetOf(QByteArray(faint).toUpper().constData())];
        // Stars near the planet open their cards too (Uranus stands by the Pleiades).
        QStringList names;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                if (auto* card = dynamic_cast<SmallCardDlg*>(&d))
                    names << card->Value(4101);
                return QDialog::Accepted;
            });
        wnd->StarView().OpenCardsAt(QPoint(globe::DrawCoord(p.X), globe::DrawCoord(p.Y)));
        EXPECT_TRUE(names.contains(QString::fromLatin1(faint))) << names.join(',').toStdString();
    }
    // The layer off (as the Setup dialog leaves it): a fresh frame has no planet's colour.
    wnd->Values.Planets = 0;
    wnd->starmap.ForgetHiddenLayers();
    ViewCanvas(wnd).Clear(0);
    wnd->starmap.ShowStarMap();
    for (const skybodies::SkyPlanetKind& kind : skybodies::kSkyPlanets)
        EXPECT_EQ(CountColour(kind.color), 0) << kind.name;
}

TEST_F(SkyBodies, FindingPlutoSaysItIsTooFaintToDrawAndNamesItsConstellation)
{
    // Pluto on 2026-12-07: magnitude 14.6 in Capricornus (astronomy-engine 2.1.19).
    Show(Date{7, 12, 2026}, Time{18, 0, 0});
    StarMap& m = wnd->starmap;
    std::snprintf(m.SearchString, sizeof m.SearchString, "%s", " pluto");
    m.SearchItem = 4;
    m.FindSolObj();
    ASSERT_EQ(messages.boxes.size(), 1u);
    const std::string& text = messages.boxes[0].text;
    EXPECT_EQ(text.rfind("Pluto is too faint to be drawn on the sky (magnitude 14.", 0), 0u)
        << text;
    EXPECT_NE(text.find("It stands in Capricornus."), std::string::npos) << text;
}

TEST_F(SkyBodies, CompassPointsShowTheRealSkysOrientationWithOrWithoutNames)
{
    // The compass letters are orange, (255, 140, 0) and its antialiased shades: no blue in them,
    // unlike every other label and mark of the sky.
    const auto compassPixels = [this]
    {
        int n = 0;
        for (int y = 0; y < ViewCanvas(wnd).Height(); ++y)
            for (int x = 0; x < ViewCanvas(wnd).Width(); ++x)
            {
                const platform::Rgb c = ViewCanvas(wnd).Pixel(x, y);
                const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
                n += b == 0 && g > 0 && r > g;
            }
        return n;
    };
    wnd->Values.Planets = 0;
    for (bool8 names : {0, 1})
    {
        wnd->Values.Names = names;
        ViewCanvas(wnd).Clear(0);
        wnd->starmap.ClearGlobeFlags();
        Show(Date{7, 12, 2026}, Time{18, 0, 0});
        EXPECT_GT(compassPixels(), 20) << "names " << int{names};
    }
    Trigger(wnd, "reviewGlobe");
    Trigger(wnd, "stop");
    ViewCanvas(wnd).Clear(0);
    wnd->starmap.ClearGlobeFlags();
    wnd->starmap.ShowStarMap();
    EXPECT_EQ(compassPixels(), 0);
}

TEST_F(SkyBodies, FindOpensThePlanetsCardByNameInAnyCase)
{
    // Find > Solar object, and Find Next after the last star of a star search.
    wnd->Values.SMValues.Check[4] = 1;
    Show(Date{7, 12, 2026}, Time{18, 0, 0});
    struct Case
    {
        uint8_t item;
        const char* text;
    };
    const Case cases[] = {{4, "jupiter"}, {4, " JUPITER "}, {1, "Jupiter"}};
    for (const Case& c : cases)
    {
        std::vector<QString> shown;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                auto& card = dynamic_cast<SmallCardDlg&>(d);
                shown = {card.Value(4101), card.Value(4105), card.Value(4008)};
                return QDialog::Accepted;
            });
        StarMap& m = wnd->starmap;
        std::snprintf(m.SearchString, sizeof m.SearchString, "%s", c.text);
        m.SearchItem = c.item;
        if (c.item == 4)
            m.FindSolObj();
        else
        {
            m.Search = true;
            m.NoMore = false;
            m.LastIndex = static_cast<uint16_t>(m.StarCount - 1);
            m.CmFindNext();
        }
        ASSERT_EQ(shown.size(), 3u) << c.text;
        EXPECT_EQ(shown[0], QStringLiteral("Jupiter")) << c.text;
        EXPECT_EQ(shown[1], QString::number(m.Planet[3].Distance, 'f', 3)) << c.text;
        EXPECT_FALSE(shown[2].isEmpty() || shown[2] == QStringLiteral("---")) << c.text;
    }
}

TEST_F(SkyBodies, MoonCardTellsThePhase)
{
    struct Case
    {
        Date date;
        const char* phase;
    };
    // Full Moon 2026-12-24 01:28 UT, new Moon 2026-12-09 00:52 UT (published tables of the
    // Moon's phases).
    const Case cases[] = {{{24, 12, 2026}, "Full Moon"}, {{9, 12, 2026}, "New Moon"}};
    for (const Case& c : cases)
    {
        wnd->starmap.UpdateStarAngles(ClockInstant(c.date, Time{0, 0, 0}), 0);
        QString phase;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                phase = dynamic_cast<SmallCardDlg&>(d).Value(4012);
                return QDialog::Accepted;
            });
        wnd->starmap.SmMoonCard(QPoint(50, 50));
        EXPECT_EQ(phase, QString::fromLatin1(c.phase));
    }
}

TEST_F(SkyBodies, SetupDialogStoresThePlanetsAndNamesLayers)
{
    struct Case
    {
        bool planets, names;
    };
    for (const Case& c : {Case{false, true}, Case{true, false}})
    {
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                auto& dlg = dynamic_cast<SMSetupDlg&>(d);
                dlg.chbPlanets->setChecked(c.planets);
                dlg.chbNames->setChecked(c.names);
                dlg.CmOk();
                return QDialog::Accepted;
            });
        wnd->starmap.CmSMSetup();
        EXPECT_EQ(wnd->Values.Planets, c.planets);
        EXPECT_EQ(wnd->Values.Names, c.names);
    }
}

TEST(NgcCard, MessierNameIsDashesWithoutAMessierNumber)
{
    struct Case
    {
        uint8_t messier;
        const char* shown;
    };
    for (const Case& c : {Case{0, "---"}, Case{31, "M31"}})
    {
        NGCMessDB o{};
        o.NGC = 104;
        o.Messier = c.messier;
        QPoint click(10, 10);
        NGCMessSmDlg card(nullptr, &click, &o);
        card.SetupWindow();
        EXPECT_EQ(card.Value(4202), QString::fromLatin1(c.shown));
    }
}
} // namespace
