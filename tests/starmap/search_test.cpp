// The Star Map's search: the rules for the typed text, and the Search menu in the whole
// application against the generated catalogue, with the observer at a pole so that what is
// above the horizon follows from the declination alone (at 90 N everything north of the
// celestial equator is up, everything south of it is down).
#include "StarMapApp.h"
#include "starmap/FindDlg.h"
#include "starmap/Search.h"
#include "starmap/SmallCard.h"

#include <QLineEdit>
#include <QRadioButton>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{

// ---- the rules ----

TEST(SearchText, RunsOfSpacesBecomeOneAndABlankTextIsNothing)
{
    const struct
    {
        std::string typed;
        std::string copied;
    } cases[] = {
        {"Sirius", "Sirius"},
        {"Alula   Borealis", "Alula Borealis"},
        {"  uma  ", " uma "},
        {"moon ", "moon "},
        {" ", ""},
        {"     ", ""},
        {"", ""},
        {std::string(300, 'a'), std::string(254, 'a')},
        {std::string(253, 'a') + "  b", std::string(253, 'a') + " "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(search::CollapseSpaces(c.typed), c.copied) << '"' << c.typed << '"';
}

StarDB Named(const char* name, size_t length)
{
    StarDB s{};
    std::memcpy(s.StarName, name, length);
    return s;
}

TEST(SearchText, AStarNameMatchesByItsBeginningInAnyCase)
{
    const StarDB sirius = Named("Sirius", 7);
    const StarDB unnamed = Named("N/A", 4);
    const StarDB lower = Named("n/a-ish", 8);
    // A damaged record without its terminating NUL: all 21 bytes are the name.
    const StarDB full = Named("AAAAAAAAAAAAAAAAAAAAA", 21);
    const struct
    {
        const StarDB* star;
        const char* text;
        bool match;
    } cases[] = {
        {&sirius, "SIR", true},
        {&sirius, "SIRIUS", true},
        {&sirius, "sir", true},
        {&sirius, "SIRIUSX", false},
        {&sirius, "IRI", false},
        {&sirius, "", false},
        {&unnamed, "N", false},
        {&unnamed, "N/A", false},
        {&lower, "N/A-ISH", false},
        {&full, "AAAAAAAAAAAAAAAAAAAAA", true},
        {&full, "AAAAAAAAAAAAAAAAAAAAAA", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(search::StarNameMatches(*c.star, c.text), c.match) << c.text;
}

TEST(SearchText, AnAbbreviationNamesItsConstellationWhateverItsCaseAndSpaces)
{
    // Numbers of the program's constellation table: Ursa Major 2, Crux 4, Orion 11,
    // Serpens (Cauda) 79 and Serpens (Caput) 80.
    const struct
    {
        const char* text;
        int first;
        int number;
    } cases[] = {
        {"uma", 1, 2},
        {"UMa", 1, 2},
        {"UMA", 1, 2},
        {" ori ", 1, 11},
        {"SER", 1, 79},
        {"ser", 80, 80},
        {"cru", 5, 0},
        {"XYZ", 1, search::kNoConstellation},
        {"Orion", 1, search::kWrongLength},
        {"UM", 1, search::kWrongLength},
        {"U MA", 1, 2},
        {"   ", 1, search::kWrongLength},
    };
    for (const auto& c : cases)
        EXPECT_EQ(search::ConstellationOf(c.text, c.first), c.number) << '"' << c.text << '"';
}

TEST(SearchText, MessierAndNgcNumbersAreDigitsRightAfterTheirPrefix)
{
    NGCMessDB andromeda{};
    andromeda.Messier = 31;
    andromeda.NGC = 224;
    NGCMessDB tucanae{}; // 47 Tucanae has no Messier number
    tucanae.NGC = 104;
    const struct
    {
        const char* text;
        bool andromedaMatches;
        bool tucanaeMatches;
    } cases[] = {
        {"M31", true, false},    {"m31", true, false},     {"M031", true, false},
        {"NGC224", true, false}, {"ngc224", true, false},  {"NGC104", false, true},
        {"M 31", true, false},   {"M31a", false, false},   {"NGC 224", true, false},
        {"M", false, false},     {"NGC", false, false},    {"M0", false, false},
        {"M-31", false, false},  {"M65567", false, false}, {"NGC65760", false, false},
        {"224", false, false},   {"MOON", false, false},   {"MNGC224", false, false},
    };
    for (const auto& c : cases)
    {
        const search::ObjectQuery q = search::ParseObjectQuery(c.text);
        EXPECT_EQ(search::ObjectMatches(q, andromeda), c.andromedaMatches) << c.text;
        EXPECT_EQ(search::ObjectMatches(q, tucanae), c.tucanaeMatches) << c.text;
    }
}

// ---- the Search menu ----

// What the searches showed, in order: "card <title> <value>" or "box <text>".
class StarMapSearch : public StarMapApp
{
protected:
    void SetUp() override
    {
        StarMapApp::SetUp();
        clock.Set(Date{21, 6, 2001}, Time{12, 0, 0});
    }

    // Enters the Star Map for an observer at the given pole.
    void EnterAtPole(bool north) { Enter(90, north); }
    // The pixels of Find's red: red without blue, over the green lines too (a planet's
    // faintest edge may be a trace of red alone).
    int RedPixels() const
    {
        return Count(Picture(), [](QRgb c)
                     { return qRed(c) > 40 && qRed(c) > 2 * qGreen(c) && qBlue(c) == 0; });
    }
};

using Shown = std::vector<std::string>;

TEST_F(StarMapSearch, AStarIsFoundByTheBeginningOfItsNameInCatalogueOrder)
{
    const struct
    {
        bool north;
        const char* text;
        Shown shown;
    } cases[] = {
        {true, "alu", {"card Star Alula Borealis"}},
        {false, "sIr", {"card Star Sirius"}},
        {true, "sirius", {"box The Star is below the horizon"}},
        {true, "Tania   Bor", {"card Star Tania Borealis"}},
        {true, "xyzzy", {"box The Star was not found"}},
        {true, "n/a", {"box The Star was not found"}},
        {true, "polaris ", {"card Star Polaris"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        EnterAtPole(c.north);
        EXPECT_EQ(Find(kStar, c.text), c.shown);
        EXPECT_FALSE(View().Playing());
        Trigger(wnd, "return");
    }
}

TEST_F(StarMapSearch, AFoundObjectsCardOpensAtItsPlaceWithTheMarkerThere)
{
    EnterAtPole(true);
    const skyframe::Place polaris = Places().stars[0];
    // The marker's 32 x 32 picture stands about the star while its card is open.
    const QRect marker(polaris.X() - 15, polaris.Y() - 15, 32, 32);
    const auto litInMarker = [&](const QImage& image)
    { return Count(image.copy(marker), [](QRgb c) { return (c & 0xFFFFFF) != 0; }); };
    QPoint placed;
    int litWhileOpen = 0;
    answer = std::make_unique<testing_support::DialogAnswer>(
        [&](platform::Dialog& d)
        {
            if (auto* find = dynamic_cast<FindDlg*>(&d))
            {
                find->Name->setText(QStringLiteral("Polaris"));
                find->CmOk();
            }
            else if (auto* card = dynamic_cast<SmallCardDlg*>(&d))
            {
                placed = card->Placed();
                litWhileOpen = litInMarker(Picture());
            }
            return QDialog::Accepted;
        });
    Trigger(wnd, "stop");
    const QImage before = Picture();
    Trigger(wnd, "find");
    EXPECT_GT(litWhileOpen, litInMarker(before) + 20);
    EXPECT_EQ(placed, QPoint(polaris.X() + 20, polaris.Y()));
    // Gone with the card.
    EXPECT_TRUE(before == Picture());
}

TEST_F(StarMapSearch, FindNextStepsThroughEveryMatchAndThenSaysThereAreNoMore)
{
    EnterAtPole(true);
    EXPECT_FALSE(IsEnabled(wnd, "findNext"));
    // Alula Borealis and Alula Australis are in Ursa Major, Aludra in Canis Major (south).
    EXPECT_EQ(Find(kStar, "ALU"), Shown{"card Star Alula Borealis"});
    EXPECT_TRUE(IsEnabled(wnd, "findNext"));
    EXPECT_EQ(Run("findNext"), Shown{"card Star Alula Australis"});
    EXPECT_EQ(Run("findNext"), Shown{"box The Star is below the horizon"});
    EXPECT_TRUE(IsEnabled(wnd, "findNext"));
    EXPECT_EQ(Run("findNext"), Shown{"box No more stars with search name"});
    EXPECT_FALSE(IsEnabled(wnd, "findNext"));
    EXPECT_EQ(Run("findNext"), Shown{}); // disabled: nothing happens
}

TEST_F(StarMapSearch, AConstellationIsDrawnInRedOrReportedBelowTheHorizon)
{
    const struct
    {
        const char* text;
        bool north; // at the north pole, else the south pole
        bool transparent;
        Shown shown;
        bool red;
    } cases[] = {
        {"uma", true, false, {}, true},
        {" UMa ", true, false, {}, true},
        {"cru", true, false, {"box The Constellation is below the horizon"}, false},
        // From the south pole only Orion's belt, sword and feet are up: most of the figure is
        // below the horizon, which is said, not shown by a line or two at the rim.
        {"ORI", false, false, {"box The Constellation is below the horizon"}, false},
        {"SER", true, true, {}, true}, // Serpens (Cauda), never (Caput)
        {"Orion", true, false, {"box The name of Constellation must content 3 symbols !!!"}, false},
        {"xyz", true, false, {"box The Constellation was not found"}, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        EnterAtPole(c.north);
        wnd->Values.SMValues.Check[4] = c.transparent;
        EXPECT_EQ(Find(kConstel, c.text), c.shown);
        EXPECT_EQ(RedPixels() > 0, c.red);
        EXPECT_FALSE(IsEnabled(wnd, "findNext"));
        Trigger(wnd, "return");
    }
    ASSERT_GE(messages.boxes.size(), 3u);
    EXPECT_EQ(messages.boxes[2].caption, "Velmoria - [Info]");
    EXPECT_EQ(messages.boxes[2].flags, 0x10u); // the 3-symbol message has the stop icon
}

TEST_F(StarMapSearch, TheRedLinesStayUntilTheSkyNextChanges)
{
    EnterAtPole(true);
    Find(kConstel, "UMA");
    const int red = RedPixels();
    ASSERT_GT(red, 0);
    // Painted again (uncovered) the frame keeps them; the next instant draws the lines green.
    EXPECT_EQ(RedPixels(), red);
    View().ShowInstant(wnd->clock.Instant(), 0);
    EXPECT_EQ(RedPixels(), 0);
}

TEST_F(StarMapSearch, DeepSkyObjectsAreFoundByMessierOrNgcNumber)
{
    // Andromeda (M31, NGC 224) and M51 are northern, M83 and 47 Tucanae (NGC 104) southern.
    // M51 is fainter than the limiting magnitude 4.0, so it is not drawn, but it is up.
    const struct
    {
        const char* text;
        Shown shown;
    } cases[] = {
        {"m31", {"card NGC / Messier NGC224 M31"}},
        {"NGC224", {"card NGC / Messier NGC224 M31"}},
        {"ngc 224", {"card NGC / Messier NGC224 M31"}},
        {"M51", {"card NGC / Messier NGC5194 M51"}},
        {"M83", {"box The Messier Object is below the horizon"}},
        {"ngc104", {"box The NGC Object is below the horizon"}},
        {"M 31", {"card NGC / Messier NGC224 M31"}},
        {"M31a", {"box The Object was not found"}},
        {"M", {"box The Object was not found"}},
        {"M0", {"box The Object was not found"}},
    };
    EnterAtPole(true);
    for (const auto& c : cases)
        EXPECT_EQ(Find(kObject, c.text), c.shown) << c.text;
}

TEST_F(StarMapSearch, TheSunIsUpAtTheNorthPoleInJuneAndDownInDecember)
{
    EnterAtPole(true);
    EXPECT_EQ(Find(kSolar, "sun"), Shown{"card Sun"});
    // With the layer hidden the Sun is still found where it is now, but it has no mark to
    // right-click.
    wnd->Values.SMValues.Check[3] = 0;
    EXPECT_EQ(Find(kSolar, "SUN"), Shown{"card Sun"});
    EXPECT_FALSE(Places().sun.drawn);
    wnd->Values.SMValues.Check[3] = 1;
    Trigger(wnd, "return");

    clock.Set(Date{21, 12, 2001}, Time{12, 0, 0});
    EnterAtPole(true);
    EXPECT_EQ(Find(kSolar, "Sun"), Shown{"box The Sun is below the horizon"});
}

TEST_F(StarMapSearch, TheMoonIsFoundByItsExactName)
{
    EnterAtPole(true);
    wnd->Values.SMValues.Check[4] = 1; // transparent sphere: the Moon is on the globe
    EXPECT_EQ(Find(kSolar, "moon"), Shown{"card Moon"});
    EXPECT_EQ(Find(kSolar, "Moon"), Shown{"card Moon"});
    EXPECT_EQ(Find(kSolar, "moon "), Shown{"card Moon"});
    EXPECT_EQ(Find(kSolar, "Mars"), Shown{"card Planet"});
    EXPECT_EQ(Find(kSolar, "Vulcan"), Shown{"box The Object was not found"});
}

TEST_F(StarMapSearch, CancelOrABlankNameEndsTheSearchAndDisablesFindNext)
{
    EnterAtPole(true);
    for (const auto& [kind, text] : {std::pair{0, "alu"}, {kStar, ""}, {kStar, "    "}})
    {
        Find(kStar, "alu");
        ASSERT_TRUE(IsEnabled(wnd, "findNext"));
        Trigger(wnd, "go");
        EXPECT_EQ(Find(kind, text), Shown{});
        EXPECT_FALSE(IsEnabled(wnd, "findNext"));
        EXPECT_TRUE(View().Playing()); // nothing else changed
    }
}

TEST_F(StarMapSearch, HelpOpensTheSearchPage)
{
    FindDlg dlg(nullptr);
    EXPECT_EQ(dlg.Result().kind, search::Kind::None);
    dlg.SetupWindow();
    EXPECT_TRUE(dlg.Star->isChecked());
    EXPECT_TRUE(dlg.Name->text().isEmpty());
    PressHelp(dlg);
    ASSERT_EQ(help.requests.size(), 1u);
    EXPECT_EQ(help.requests[0].topic, 9015u);
}
} // namespace
