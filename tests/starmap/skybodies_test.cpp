// The Sun, the Moon and the planets on the sky globe: the Moon's phase disc, the planets'
// elements, marks and cards, the Sun and the Moon turning with the stars, the compass, and the
// search for the planets and Pluto.
#include "starmap/Globe.h"
#include "starmap/SMSetupDlg.h"
#include "starmap/SkyBodies.h"
#include "starmap/SmallCard.h"
#include "starmap/StarMapApp.h"

#include <QCheckBox>
#include <QTest>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
using testing_support::DialogAnswer;

// ---- pure parts ----

TEST(MoonDisc, LitPartFollowsTheIlluminatedFractionAndFacesTheBrightLimb)
{
    // The lit area is k of the disc (Meeus, ch. 48): the outline's area over pi.
    struct Case
    {
        double k;
        double limbX, limbY;
    };
    const Case cases[] = {{0.0, 1, 0},  {0.5, 1, 0}, {0.5, 0, -1}, {1.0, 0, 1},
                          {0.1, -1, 0}, {0.8, 1, 1}, {0.3, -2, 5}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.k << " " << c.limbX << "," << c.limbY);
        const auto outline = skybodies::LitOutline(c.k, c.limbX, c.limbY, 200);
        double area = 0, side = 0;
        for (size_t i = 0; i < outline.size(); ++i)
        {
            const auto& a = outline[i];
            const auto& b = outline[(i + 1) % outline.size()];
            area += a.x * b.y - b.x * a.y;
            side += a.x * c.limbX + a.y * c.limbY;
        }
        EXPECT_NEAR(std::fabs(area) / 2 / 3.14159265358979, c.k, 1e-3);
        // Every point of the outline lies on the disc, and the lit part toward the limb.
        for (const auto& p : outline)
            EXPECT_LE(std::hypot(p.x, p.y), 1.0 + 1e-9);
        EXPECT_GE(side, 0.0);
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
        View().Stop();
    }

    // Where a body at (ra hours, dec degrees) stands on the globe as it is now.
    globe::ScreenPoint PlaceOf(double raHours, double decDeg) const
    {
        return globe::PlaceOnGlobe(Map().View(true),
                                   globe::Direction(raHours * 15.0, decDeg * sky::kDegToRad))
            .at;
    }
};

TEST_F(SkyBodies, SunAndMoonTurnAndTiltWithTheStarsOnTheReviewGlobe)
{
    wnd->Values.SMValues.Check[4] = 1; // both drawn wherever they are
    Trigger(wnd, "reviewGlobe");
    Trigger(wnd, "stop");
    // Where the sky of date puts the Sun and the Moon (as seen from the observer's place) at the
    // globe's instant, through the globe's present turn and tilt.
    const auto expectOnTheirPlaces = [this](const char* after)
    {
        sky::SkySnapshot snapshot;
        ASSERT_TRUE(sky::UpdateSky(snapshot, Map().Bodies().julianDate));
        const LocationSetup& here = wnd->Values.LocValues;
        const sky::OfDatePlace sun = snapshot.SunOfDate;
        const sky::OfDatePlace moon =
            sky::TopocentricPlace(snapshot, snapshot.MoonOfDate.Position, globe::Latitude(here),
                                  globe::EastLongitude(here));
        ASSERT_TRUE(Places().sun.drawn && Places().moon.drawn) << after;
        const globe::ScreenPoint s = PlaceOf(sun.RightAscension, sun.Declination);
        const globe::ScreenPoint m = PlaceOf(moon.RightAscension, moon.Declination);
        EXPECT_NEAR(Places().sun.at.x, s.x, 1e-6) << after;
        EXPECT_NEAR(Places().sun.at.y, s.y, 1e-6) << after;
        EXPECT_NEAR(Places().moon.at.x, m.x, 1e-6) << after;
        EXPECT_NEAR(Places().moon.at.y, m.y, 1e-6) << after;
    };
    expectOnTheirPlaces("the switch");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&View(), Qt::Key_Right);
    expectOnTheirPlaces("three turns by Right");
    QTest::keyClick(&View(), Qt::Key_Up);
    expectOnTheirPlaces("a tilt by Up");
    const QPoint middle(static_cast<int>(Map().XCenter()), static_cast<int>(Map().YCenter()));
    QTest::mousePress(&View(), Qt::LeftButton, {}, middle);
    QTest::mouseMove(&View(), middle + QPoint(60, 40));
    QTest::mouseRelease(&View(), Qt::LeftButton, {}, middle + QPoint(60, 40));
    expectOnTheirPlaces("a drag");
}

TEST_F(SkyBodies, EveryPlanetIsDrawnInItsColourTheFaintOnesSmallerAndFollowsItsLayer)
{
    // The stars' limit stays at 4: Uranus (5.6) and Neptune (7.9) are drawn all the same, with
    // a smaller disc, and a right click on them opens their card.
    wnd->Values.SMValues = SMSetup{{0, 0, 0, 0, 1}, 4.0f};
    wnd->Values.Names = 0;
    Show(Date{7, 12, 2026}, Time{18, 0, 0});
    const QImage picture = Picture();
    for (size_t k = 0; k < skybodies::kSkyPlanetCount; ++k)
    {
        const skyframe::Place& at = Places().planets[k];
        const skybodies::SkyPlanetKind& kind = skybodies::kSkyPlanets[k];
        ASSERT_TRUE(at.drawn) << kind.name;
        const bool faint = Map().Bodies().planets[k].magnitude > 4.0f;
        // The disc of a bright planet covers its pixel whole; a faint one's only in part.
        const QRgb centre = picture.pixel(at.X(), at.Y()) & 0xFFFFFF;
        if (faint)
        {
            EXPECT_NE(centre, kind.color) << kind.name;
            EXPECT_GT(qRed(centre) + qGreen(centre) + qBlue(centre), 100) << kind.name;
        }
        else
        {
            EXPECT_EQ(centre, kind.color) << kind.name;
        }
    }
    for (const char* faint : {"Uranus", "Neptune"})
    {
        const skyframe::Place& at = Places().planets[static_cast<size_t>(
            skybodies::SkyPlanetOf(QByteArray(faint).toUpper().constData()))];
        // Stars near the planet open their cards too (Uranus stands by the Pleiades).
        QStringList names;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                if (auto* card = dynamic_cast<SmallCardDlg*>(&d))
                    names << card->Value(4101);
                return QDialog::Accepted;
            });
        View().OpenCardsAt(QPoint(at.X(), at.Y()));
        EXPECT_TRUE(names.contains(QString::fromLatin1(faint))) << names.join(',').toStdString();
    }
    // The layer off: no planet's colour, nothing to right-click.
    wnd->Values.Planets = 0;
    for (const skybodies::SkyPlanetKind& kind : skybodies::kSkyPlanets)
        EXPECT_EQ(CountColour(kind.color), 0) << kind.name;
    for (const skyframe::Place& at : Places().planets)
        EXPECT_FALSE(at.drawn);
}

TEST_F(SkyBodies, FindingPlutoSaysItIsTooFaintToDrawAndNamesItsConstellation)
{
    // Pluto on 2026-12-07: magnitude 14.6 in Capricornus (astronomy-engine 2.1.19).
    Show(Date{7, 12, 2026}, Time{18, 0, 0});
    const auto shown = Find(kSolar, " pluto");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("box Pluto is too faint to be drawn on the sky (magnitude 14.", 0), 0u)
        << shown[0];
    EXPECT_NE(shown[0].find("It stands in Capricornus."), std::string::npos) << shown[0];
}

TEST_F(SkyBodies, CompassPointsShowTheRealSkysOrientationWithOrWithoutNames)
{
    // N above the disc, E left of it, S below, W right, each beyond the rim.
    const auto compass = [this]
    {
        Picture();
        std::string letters;
        for (const StarMapView::Name& name : View().Names())
        {
            if (name.text.size() != 1)
                continue;
            const double dx = name.box.left + name.box.width / 2 - Map().XCenter();
            const double dy = name.box.top + name.box.height / 2 - Map().YCenter();
            EXPECT_GT(std::hypot(dx, dy), Map().Radius()) << name.text.toStdString();
            letters += name.text.toStdString() + (dy < -Map().Radius()  ? "^"
                                                  : dy > Map().Radius() ? "v"
                                                  : dx < 0              ? "<"
                                                                        : ">");
        }
        return letters;
    };
    for (bool8 names : {0, 1})
    {
        wnd->Values.Names = names;
        Show(Date{7, 12, 2026}, Time{18, 0, 0});
        EXPECT_EQ(compass(), "N^E<SvW>") << "names " << int{names};
    }
    Trigger(wnd, "reviewGlobe");
    EXPECT_EQ(compass(), "");
}

TEST_F(SkyBodies, FindOpensThePlanetsCardByNameInAnyCase)
{
    wnd->Values.SMValues.Check[4] = 1;
    Show(Date{7, 12, 2026}, Time{18, 0, 0});
    struct Case
    {
        int kind;
        const char* text;
    };
    // A star search that finds no star goes on to the planets.
    for (const Case& c :
         {Case{kSolar, "jupiter"}, Case{kSolar, " JUPITER "}, Case{kStar, "Jupiter"}})
    {
        std::vector<QString> shown;
        answer.reset();
        answer = std::make_unique<DialogAnswer>(
            [&](platform::Dialog& d)
            {
                if (auto* find = dynamic_cast<FindDlg*>(&d))
                {
                    find->ControlAs<QRadioButton>(c.kind)->setChecked(true);
                    find->Name->setText(QString::fromLatin1(c.text));
                    find->CmOk();
                }
                else if (auto* card = dynamic_cast<SmallCardDlg*>(&d))
                    shown = {card->Value(4101), card->Value(4105), card->Value(4008)};
                return QDialog::Accepted;
            });
        Trigger(wnd, "find");
        ASSERT_EQ(shown.size(), 3u) << c.text;
        EXPECT_EQ(shown[0], QStringLiteral("Jupiter")) << c.text;
        EXPECT_EQ(shown[1], QString::number(Map().Bodies().planets[3].distance, 'f', 3)) << c.text;
        EXPECT_FALSE(shown[2].isEmpty() || shown[2] == QStringLiteral("---")) << c.text;
    }
}

TEST_F(SkyBodies, MoonCardTellsThePhaseAndTheDeltaTOfItsPlace)
{
    // Full Moon 2026-12-24 01:28 UT, new Moon 2026-12-09 00:52 UT (published tables of the
    // Moon's phases). Delta T from Espenak and Meeus's polynomial for 2005 to 2050,
    // 62.92 + 0.32217 t + 0.005589 t^2 s with t = y - 2000: 75.7 s at y = 2026.94 and 2026.98.
    wnd->Values.SMValues.Check[4] = 1;
    const struct
    {
        Date date;
        const char* phase;
    } cases[] = {{{24, 12, 2026}, "Full Moon"}, {{9, 12, 2026}, "New Moon"}};
    for (const auto& c : cases)
    {
        Show(c.date, Time{0, 0, 0});
        QString phase, deltaT;
        answer.reset();
        answer = std::make_unique<DialogAnswer>(
            [&](platform::Dialog& d)
            {
                if (auto* moon = dynamic_cast<MoonSmDlg*>(&d))
                {
                    phase = moon->Value(4012);
                    deltaT = moon->Value(4016);
                }
                return QDialog::Accepted;
            });
        View().OpenCardsAt(QPoint(Places().moon.X(), Places().moon.Y()));
        EXPECT_EQ(phase, QString::fromLatin1(c.phase));
        EXPECT_EQ(deltaT, QStringLiteral("76 s"));
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
        Trigger(wnd, "starMapSetup");
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
        NGCMessSmDlg card(nullptr, &click, o);
        card.SetupWindow();
        EXPECT_EQ(card.Value(4202), QString::fromLatin1(c.shown));
    }
}
} // namespace
