// The object cards: right ascension and declination texts, the values each card shows, where
// a card opens, how it closes, and the Star Map's launchers.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "platform/Bitmaps.h"
#include "starmap/NumToHM.h"
#include "starmap/SmallCard.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{
using testing_support::DialogAnswer;
using testing_support::ScratchDir;

constexpr double kPi = 3.14159265358979323846;

TEST(NumToHM, WritesWholeUnitsAndDecimalMinutes)
{
    struct Case
    {
        float num;
        bool ra;
        const char* text;
    };
    const Case cases[] = {
        {5.5f, true, "5h 30.0m"},
        {-12.25f, false, "-12\xB0 15.0'"},
        {1.9999f, true, "1h 60.0m"}, // rounds up to 60.0, nothing carried
        {-0.5f, false, "-0\xB0 30.0'"},
        {0.0f, true, "0h 0.0m"},
        {23.999f, true, "23h 59.9m"},
        {89.75f, false, "89\xB0 45.0'"},
        {NAN, true, "---"},
        {INFINITY, false, "---"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.num);
        EXPECT_EQ(NumToHM(c.num, c.ra), c.text);
    }
}

StarDB Star(uint8_t numConst, const char* name, const char* design, unsigned size, unsigned color)
{
    StarDB s{};
    s.NumConst = numConst;
    std::memcpy(s.StarName, name, std::min(std::strlen(name), sizeof s.StarName));
    std::memcpy(s.Design, design, std::min(std::strlen(design), sizeof s.Design));
    s.RA = 5.9195f;
    s.Dec = 7.407f;
    s.Magnitude = 0.5f;
    std::memcpy(s.SpectType, "M2", 3);
    s.Propert.size = size & 15;
    s.Propert.color = color & 15;
    return s;
}

// Runs `card` through its set-up and returns the text of value control `id`.
class Cards : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wnd = std::make_unique<VelmoriaWnd>();
        wnd->resize(800, 600);
    }
    ScratchDir dir;
    std::unique_ptr<VelmoriaWnd> wnd;
    QPoint click{100, 100};
};

TEST_F(Cards, AStarCardShowsTheRecordsValues)
{
    StarDB s = Star(11, "Betel_geuse", "Alpha", 3, 2);
    StarSmDlg card(wnd.get(), &click, s);
    card.SetupWindow();
    EXPECT_EQ(card.Value(4001), QStringLiteral("Betel geuse"));
    EXPECT_EQ(card.Value(4015), QStringLiteral("IAU"));
    EXPECT_EQ(card.Value(4002), QStringLiteral("Alpha  ORI"));
    EXPECT_EQ(card.Value(4003), QStringLiteral("0.5"));
    EXPECT_EQ(card.Value(4004), QStringLiteral("M2"));
    EXPECT_EQ(card.Value(4005), QStringLiteral("Orange  supergiant"));
    EXPECT_EQ(card.Value(4006), QStringLiteral("5h 55.2m"));
    EXPECT_EQ(card.Value(4007), QString::fromUtf8("7\u00B0 24.4'"));
    EXPECT_EQ(card.Value(4008), QStringLiteral("Orion"));
    EXPECT_EQ(card.ResId(), 23);
    EXPECT_EQ(card.Bitmap.width(), 120);
}

TEST_F(Cards, StarPropertiesShowWhatTheCodesKnow)
{
    struct Case
    {
        unsigned size, color;
        const char* text;
    };
    const Case cases[] = {
        {0, 3, "---"}, // no class given, whatever the colour
        {1, 1, "Red  dwarf"},
        {4, 5, "White  main - sequence"},
        {5, 8, "Yellow - orange  superhot"},
        {6, 3, "Yellow"}, // unknown class: the colour alone
        {15, 7, "Blue"},
        {3, 0, "supergiant"}, // unknown colour: the class alone
        {2, 9, "giant"},
        {9, 0, "---"}, // neither known
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        StarDB s = Star(1, "N/A", "Alp", c.size, c.color);
        StarSmDlg card(wnd.get(), &click, s);
        card.SetupWindow();
        EXPECT_EQ(card.Value(4005), QString::fromLatin1(c.text));
    }
}

TEST_F(Cards, AStarCardSaysWhetherItsNameIsTheIausOrTraditional)
{
    struct Case
    {
        const char* name;
        unsigned traditional;
        const char* kind;
    };
    const Case cases[] = {
        {"Sirius", 0, "IAU"},
        {"Labrum", 1, "traditional"},
        {"N/A", 0, "---"},
        {"N/A", 1, "---"}, // a damaged record: no kind without a name
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        StarDB s = Star(27, c.name, "Del", 4, 3);
        s.Propert.traditionalName = c.traditional & 1;
        StarSmDlg card(wnd.get(), &click, s);
        card.SetupWindow();
        EXPECT_EQ(card.Value(4015), QString::fromLatin1(c.kind));
    }
}

TEST_F(Cards, TheConstellationStandsInTheValueColumnBesideItsLabel)
{
    StarDB star = Star(27, "Labrum", "Del", 4, 3);
    NGCMessDB galaxy{};
    galaxy.NumConst = 43;
    galaxy.NGC = 224;
    std::vector<std::unique_ptr<SmallCardDlg>> cards;
    cards.push_back(std::make_unique<StarSmDlg>(wnd.get(), &click, star));
    cards.push_back(std::make_unique<NGCMessSmDlg>(wnd.get(), &click, galaxy));
    cards.push_back(std::make_unique<SkyPlanetSmDlg>(wnd.get(), &click, "Mars", 1.0f, 1.5, "Leo"));
    const QString names[] = {QStringLiteral("Crater"), QStringLiteral("Andromeda"),
                             QStringLiteral("Leo")};
    for (size_t i = 0; i < cards.size(); ++i)
    {
        SmallCardDlg& card = *cards[i];
        SCOPED_TRACE(names[i].toStdString());
        card.SetupWindow();
        card.show();
        EXPECT_EQ(card.Value(4008), names[i]);
        const QLabel* caption = nullptr;
        const QLabel* value = nullptr;
        for (const QLabel* l : card.findChildren<QLabel*>())
        {
            if (l->text() == QStringLiteral("Constellation"))
                caption = l;
            else if (l->text() == names[i])
                value = l;
        }
        ASSERT_NE(caption, nullptr);
        ASSERT_NE(value, nullptr);
        EXPECT_GT(value->geometry().left(), caption->geometry().right());
        EXPECT_EQ(value->geometry().center().y(), caption->geometry().center().y());
        card.hide();
    }
}

TEST_F(Cards, AStarWithADamagedRecordShowsBoundedTexts)
{
    StarDB s = Star(0, "", "", 1, 1);
    std::memset(s.StarName, 'A', sizeof s.StarName); // no terminator anywhere
    std::memset(s.Design, 'B', sizeof s.Design);
    std::memset(s.SpectType, 'C', sizeof s.SpectType);
    StarSmDlg card(wnd.get(), &click, s);
    card.SetupWindow();
    EXPECT_EQ(card.Value(4001), QString(21, QLatin1Char('A')));
    EXPECT_EQ(card.Value(4002), QString(8, QLatin1Char('B')) + QStringLiteral("  ---"));
    EXPECT_EQ(card.Value(4004), QStringLiteral("CCC"));
    EXPECT_EQ(card.Value(4008), QStringLiteral("---"));
}

TEST_F(Cards, ADeepSkyCardNamesItsTypeAndComment)
{
    struct Case
    {
        uint8_t type;
        const char* typeText;
        const char* comment;
    };
    const Case cases[] = {
        {0, "Spiral Galaxy", "Type Sb, bright"},      {1, "Elliptical Galaxy", "Type Sb, bright"},
        {2, "Irregular Galaxy", "Type Sb, bright"},   {3, "Planetary Nebula", "Sb, bright"},
        {4, "Diffuse Nebula", "Sb, bright"},          {5, "Open Cluster", "Number Sb, bright"},
        {6, "Globular Cluster", "Number Sb, bright"}, {7, "", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.type);
        NGCMessDB o{};
        o.Messier = 0;
        o.NGC = 224;
        o.Type = c.type;
        std::strcpy(o.Size, "178x63'");
        std::strcpy(o.Comments, "Sb,bright");
        o.RA = 0.7123f;
        o.Dec = 41.27f;
        o.Magnitude = 3.44f;
        NGCMessSmDlg card(wnd.get(), &click, o);
        card.SetupWindow();
        EXPECT_EQ(card.Value(4204), QString::fromLatin1(c.typeText));
        EXPECT_EQ(card.Value(4205), QString::fromLatin1(c.comment));
        EXPECT_EQ(card.Value(4201), QStringLiteral("NGC224"));
        EXPECT_EQ(card.Value(4202), QStringLiteral("---")); // no Messier number
        EXPECT_EQ(card.Value(4203), QStringLiteral("178x63'"));
        EXPECT_EQ(card.Value(4003), QStringLiteral("3.44"));
        EXPECT_EQ(card.Value(4006), QStringLiteral("0h 42.7m"));
    }
}

TEST_F(Cards, SunAndMoonCardsConvertDegreesToHoursAndRadiansToDegrees)
{
    const float dec = static_cast<float>(-12.25 * kPi / 180);
    SunSmDlg sun(wnd.get(), &click, 82.5f, dec);
    sun.SetupWindow();
    EXPECT_EQ(sun.Value(4003), QStringLiteral("-26.8"));
    EXPECT_EQ(sun.Value(4005), QStringLiteral("Center of Solar System"));
    EXPECT_EQ(sun.Value(4006), QStringLiteral("5h 30.0m"));
    EXPECT_EQ(sun.Value(4007), QString::fromUtf8("-12\u00B0 15.0'"));
    MoonSmDlg moon(wnd.get(), &click, 180.0f, 0.0f);
    moon.SetupWindow();
    EXPECT_EQ(moon.Value(4003), QStringLiteral("---")); // no phase, no magnitude
    EXPECT_EQ(moon.Value(4005), QStringLiteral("Satellite of Earth"));
    EXPECT_EQ(moon.Value(4006), QStringLiteral("12h 0.0m"));
    EXPECT_EQ(moon.ResId(), 26);
}

TEST_F(Cards, TheMoonsMagnitudeFollowsItsPhase)
{
    // Magnitudes worked by hand from m = -12.73 + 0.026 |i| + 4e-9 i^4, i the phase angle.
    struct Case
    {
        double phaseAngle;
        double lit;
        const char* magnitude;
    };
    const Case cases[] = {
        {0.0, 1.0, "-12.73"},
        {90.0, 0.5, "-10.13"},
        {141.26, 0.11, "-7.46"},
        {180.0, 0.0, "-3.85"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.magnitude);
        sky::MoonPlace place{};
        place.PhaseAngle = c.phaseAngle;
        place.IlluminatedFraction = c.lit;
        MoonSmDlg moon(wnd.get(), &click, 0.0f, 0.0f, MoonOfInstant{place, 69.0});
        moon.SetupWindow();
        EXPECT_EQ(moon.Value(4003), QString::fromLatin1(c.magnitude));
    }
}

TEST_F(Cards, PlanetAndCometCardsShowNameAndDistance)
{
    PlanetSmDlg planet(wnd.get(), &click, "Mars", 227.9392f);
    planet.SetupWindow();
    EXPECT_EQ(planet.Value(4101), QStringLiteral("Mars"));
    EXPECT_EQ(planet.Value(4102), QStringLiteral("227.9392"));
    // The distance is in millions of kilometres, and its label says so.
    QStringList labels;
    for (const QLabel* l : planet.findChildren<QLabel*>())
        labels << l->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Distance from Sun (10^6 km)")));
    EXPECT_FALSE(labels.contains(QStringLiteral("Distance from Sun (km)")));
    char name[17];
    std::memset(name, 'H', sizeof name); // a name that fills its field without a NUL
    CometSmDlg comet(wnd.get(), &click, name, 5250.0f);
    comet.SetupWindow();
    EXPECT_EQ(comet.Value(4101), QString(17, QLatin1Char('H')));
    EXPECT_EQ(comet.Value(4102), QStringLiteral("5250"));
}

TEST(CardPlacement, OpensBesideTheClickAndMovesInsideNearTheEdges)
{
    struct Case
    {
        QPoint click;
        QPoint expected;
    };
    // A 200 x 100 card in a window 800 wide whose client area ends at row 600.
    const Case cases[] = {
        {{100, 100}, {120, 100}}, // right of the click, level with it
        {{650, 100}, {430, 100}}, // 650 + 200 passes 800: to the left, 20 px away
        {{599, 100}, {619, 100}}, // 599 + 200 < 800 still fits
        {{600, 100}, {380, 100}},
        {{100, 550}, {120, 500}}, // 550 + 100 passes 600: raised to end at the bottom
        {{700, 590}, {480, 500}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.click.x() * 1000 + c.click.y());
        EXPECT_EQ(PlaceCard(c.click, 200, 100, 800, 600), c.expected);
    }
}

TEST_F(Cards, ACardNearTheRightEdgeOpensToTheLeftOfTheClick)
{
    QPoint nearEdge(790, 590);
    PlanetSmDlg card(wnd.get(), &nearEdge, "Mars", 1.0f);
    card.SetupWindow();
    EXPECT_LT(card.Placed().x() + card.width(), 790);
    EXPECT_LE(card.Placed().y() + card.height(), 600);
    EXPECT_EQ(card.pos(), wnd->mapToGlobal(card.Placed()));
}

TEST_F(Cards, ACardNearTheScreensBottomEdgeStaysWhollyOnTheScreen)
{
    // The window's client area ends at the bottom of the screen; the card opened by a click
    // near it has a title bar above its client area, which must stay on the screen too.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    wnd->setGeometry(area.left() + 50, area.bottom() + 1 - 300, 600, 300);
    wnd->show();
    QPoint nearBottom(100, 295);
    PlanetSmDlg card(wnd.get(), &nearBottom, "Mars", 1.0f);
    testing_support::DialogAnswer answer([](platform::Dialog&) { return QDialog::Accepted; });
    card.Execute();
    card.show();
    EXPECT_TRUE(area.contains(card.frameGeometry()));
    EXPECT_GT(card.frameGeometry().top(), wnd->geometry().top()); // still beside the click
    card.hide();
}

TEST_F(Cards, ALeftClickAnywhereClosesTheCard)
{
    MoonSmDlg card(wnd.get(), &click, 0.0f, 0.0f);
    card.SetupWindow();
    card.show();
    ASSERT_TRUE(card.isVisible());
    QTest::mouseClick(&card, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(card.isVisible());
    EXPECT_EQ(card.result(), QDialog::Accepted);
}

TEST_F(Cards, TheTitlePictureIsCentredInItsStrip)
{
    SunSmDlg card(wnd.get(), &click, 0.0f, 0.0f);
    card.SetupWindow();
    const QImage shot = card.grab().toImage();
    const QRect strip = card.frame->geometry();
    const QImage& title = card.Bitmap;
    const int left = strip.x() + strip.width() / 2 - title.width() / 2;
    const int top = strip.y() + strip.height() / 2 - title.height() / 2;
    int same = 0;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x)
            same += (shot.pixel(left + x, top + y) & 0xFFFFFF) == (title.pixel(x, y) & 0xFFFFFF);
    EXPECT_GT(same, title.width() * title.height() * 9 / 10);
}

} // namespace
