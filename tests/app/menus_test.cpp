// The menus, hints and toolbars of the four modes as the frame shows them, written out here
// item by item from the program's documented command table.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/AppSupport.h"
#include "common/TestSupport.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{
using testing_support::MessageRecorder;
using testing_support::ScratchDir;
using testing_support::SoundRecorder;
using testing_support::Trigger;

// One line per item: the text as shown (access letter marked, key after a tab written "|"),
// its command, its hint, "*" when checked; "--" for a separator; a submenu's items indented.
void Dump(const QMenu* menu, const std::string& indent, std::string& out)
{
    for (const QAction* a : menu->actions())
    {
        if (a->isSeparator())
        {
            out += indent + "--\n";
            continue;
        }
        std::string text = a->text().toStdString();
        for (char& c : text)
            if (c == '\t')
                c = '|';
        out += indent + text;
        if (a->menu())
        {
            out += " >\n";
            Dump(a->menu(), indent + "  ", out);
            continue;
        }
        out += " #" + a->objectName().toStdString() + " [" + a->statusTip().toStdString() + "]";
        if (a->isChecked())
            out += " *";
        out += "\n";
    }
}

std::string MenuBarText(const DecFrame& frame)
{
    std::string out;
    for (const QAction* top : frame.menuBar()->actions())
    {
        out += top->text().toStdString() + "\n";
        Dump(top->menu(), "  ", out);
    }
    return out;
}

const char* const kHelp = R"(&Help
  &Contents|F1 #helpContents [Contents of help]
  &Using Help #usingHelp [Help on using help]
  --
  &About ... #about [About 'Velmoria']
)";

const char* const kAlmanac =
    "  &Almanac|F6 #almanac [Rising and setting, the Moon's phases and the year's events for your place]\n  --\n";

const char* const kSetup = R"(&Setup
  Show &Toolbar #showToolbar [Show Toolbar window]
  &Sound|F5 #sound [Sound On/Off] *
)";

class Menus : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.LinkAllRuntime();
        app = std::make_unique<VelmoriaApp>();
        app->InitMainWindow(false);
    }
    void TearDown() override { app.reset(); }

    ScratchDir dir;
    MessageRecorder messages;
    SoundRecorder sounds;
    std::unique_ptr<VelmoriaApp> app;
};

TEST_F(Menus, MainScreenMenu)
{
    std::string setup = kSetup;
    setup.insert(setup.find('\n') + 1, kAlmanac);
    EXPECT_EQ(MenuBarText(*app->Frame()), std::string(R"(&Subject
  &Solar System|F2 #solarSystem [Show Solar System Model]
  Star &Map|F3 #starMap [Show Star Map ]
  So&lar System DB|F4 #dataBase [Data base of objects of Solar System]
  --
  E&xit|Alt+X #exit [Exit from 'Velmoria']
)") + setup + kHelp);
}

TEST_F(Menus, SolarSystemMenu)
{
    Trigger(app->Frame()->Client(), "solarSystem");
    EXPECT_EQ(MenuBarText(*app->Frame()), std::string(R"(S&olar System
  &Center of System >
    &Sun #centreSun [Heliocentric System] *
    &Mercury #centreMercury [Mercury in the center]
    &Venus #centreVenus [Venus in the center]
    &Earth #centreEarth [Geocentric System]
    M&ars #centreMars [Mars in the center]
    &Jupiter #centreJupiter [Jupiter in the center]
    Sa&turn #centreSaturn [Saturn in the center]
    &Uranus #centreUranus [Uranus in the center]
    &Neptune #centreNeptune [Neptune in the center]
    &Pluto #centrePluto [Pluto in the center]
    &Halley #centreHalley [Comet Halley in the center]
    &Encke #centreEncke [Comet Encke in the center]
  --
  Save &Picture…|Ctrl+S #savePicture [Save the picture of the view as a PNG file]
  C&opy Picture|Ctrl+C #copyPicture [Copy the picture of the view to the clipboard]
  Pr&int…|Ctrl+P #printPicture [Print the picture of the view with its date, time and place]
  --
  R&eturn|BackSpace #return [Return to Main Window]
&Action
  &Zoom In|Home #zoomIn [Zooming In of View]
  Zoo&m Out|End #zoomOut [Zooming Out of View]
  --
  &Time Forward|Insert #timeForward [Time direction : forward]
  Time &Back|Delete #timeBack [Time direction : back]
  --
  &Go|Enter #go [Beginning / Continue animation]
  &Stop|Pause #stop [Stopping animation]
  --
  &Normal Conditions|F10 #normal [Normalization all conditions]
&Setup
  So&lar System Setup #solarSetup [Setup Solar System Model's objects]
  Time &Update #timeUpdate [Updating time and date]
  &Almanac|F6 #almanac [Rising and setting, the Moon's phases and the year's events for your place]
  --
  Show &Toolbar #showToolbar [Show Toolbar window]
  &Sound|F5 #sound [Sound On/Off] *
)") + kHelp);
}

TEST_F(Menus, StarMapMenu)
{
    Trigger(app->Frame()->Client(), "starMap");
    EXPECT_EQ(MenuBarText(*app->Frame()), std::string(R"(Star &Map
  Real &Sky Globe  #realSkyGlobe [Show real sky globe] *
  &Review Globe #reviewGlobe [Free review of star globe]
  --
  Save &Picture…|Ctrl+S #savePicture [Save the picture of the view as a PNG file]
  C&opy Picture|Ctrl+C #copyPicture [Copy the picture of the view to the clipboard]
  Pr&int…|Ctrl+P #printPicture [Print the picture of the view with its date, time and place]
  --
  R&eturn|BackSpace #return [Return to Main Window]
&Action
  Zoom &In|Shift+Home #zoomIn [Zooming In of View]
  Zoom &Out|Shift+End #zoomOut [Zooming Out of View]
  --
  Time &Forward|Shift+Insert #timeForward [Time direction : forward]
  Time &Back|Shift+Delete #timeBack [Time direction : back]
  --
  &Go|Shift+Enter #go [Starting / Continue process]
  &Stop|Shift+Pause #stop [Stopping process]
  --
  &Normal Conditions|F10 #normal [Normalization all conditions]
&Search
  &Find #find [Find star by name]
  Find &Next|F7 #findNext [Find next star by name]
&Setup
  Star &Map Setup #starMapSetup [Setup Star Map Window]
  Time &Update #timeUpdate [Updating time and date]
  &Location Choice #location [Choice to your location]
  &Almanac|F6 #almanac [Rising and setting, the Moon's phases and the year's events for your place]
  --
  Show &Toolbar #showToolbar [Show Toolbar window]
  &Sound|F5 #sound [Sound On/Off] *
&Help
  &Contents|F1 #helpContents [Contents of help]
  &Using Help #usingHelp [Help on using help]
  --
  Constellations &Index #constellationIndex [List of constellations abbreviations]
  --
  &About #about [About 'Velmoria']
)"));
}

TEST_F(Menus, DatabaseMenu)
{
    Trigger(app->Frame()->Client(), "dataBase");
    EXPECT_EQ(MenuBarText(*app->Frame()), std::string(R"(Astronomical &DB
  &Return|BackSpace #databaseReturn [Return to Main Window]
&Object
  &Sun #sunData [Sun data]
  &Planets ... >
    Me&rcury #mercuryData [Mercury data]
    &Venus #venusData [Venus data]
    &Earth #earthData [Earth data]
    &Mars #marsData [Mars data]
    &Jupiter #jupiterData [Jupiter data]
    &Saturn #saturnData [Saturn data]
    &Uranus #uranusData [Uranus data]
    &Neptune #neptuneData [Neptune data]
    &Pluto #plutoData [Pluto data]
  &Moon #moonData [Moon data]
  --
  Planets Co&mparison #comparison [Planet Comparison]
  --
  S&olar Objects View #solarObjectsView [Show views of Solar System objects]
  &Galaxies View #galaxiesView [Show views of galaxies objects]
  &Nebulas View #nebulasView [Show views of nebulas objects]
)") + kSetup + kHelp);
}

// The letter after '&' in an item's text, lower case; 0 when it has none.
QChar AccessKey(const QAction* a)
{
    const QString text = a->text().section(QLatin1Char('\t'), 0, 0);
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char('&'))
        {
            if (text[i + 1] != QLatin1Char('&'))
                return text[i + 1].toLower();
            ++i;
        }
    return QChar();
}

// Every pair of items of one menu (or submenu) that share an access key, as "a / b".
void CollectClashes(const QMenu* menu, std::vector<std::string>& clashes)
{
    const QList<QAction*> items = menu->actions();
    for (qsizetype i = 0; i < items.size(); ++i)
    {
        if (items[i]->menu())
            CollectClashes(items[i]->menu(), clashes);
        for (qsizetype j = i + 1; j < items.size(); ++j)
            if (!AccessKey(items[i]).isNull() && AccessKey(items[i]) == AccessKey(items[j]))
                clashes.push_back(items[i]->text().section(QLatin1Char('\t'), 0, 0).toStdString() +
                                  " / " +
                                  items[j]->text().section(QLatin1Char('\t'), 0, 0).toStdString());
    }
}

TEST_F(Menus, NoTwoItemsOfAMenuShareAnAccessKeyButTheTwoPairsOfTheOriginalMenus)
{
    // Alt+M, R must open the Review Globe, Alt+O, C the centre's submenu: a letter shared in
    // one menu only selects the first item. The two pairs below have always been so.
    const std::vector<std::string> kKept = {"&Earth / &Encke", "&Moon / Planets Co&mparison"};
    std::vector<std::string> clashes;
    VelmoriaWnd* wnd = app->Frame()->Client();
    for (const char* view : {"", "solarSystem", "starMap", "dataBase"})
    {
        if (*view)
        {
            Trigger(wnd, "return");
            ASSERT_TRUE(Trigger(wnd, view));
        }
        for (const QAction* top : app->Frame()->menuBar()->actions())
            CollectClashes(top->menu(), clashes);
    }
    EXPECT_EQ(clashes, kKept);
}

TEST_F(Menus, ToolbarsCarryTheirButtonsInOrderWithTheirHints)
{
    struct Case
    {
        const char* view;
        const char* caption;
        const char* buttons;  // command [hint], "|" for a separator
    };
    const Case cases[] = {
        {"", "Main Toolbar",
         "solarSystem [Show Solar System Model], starMap [Show Star Map ], |, "
         "dataBase [Data base of objects of Solar System], |, exit [Exit from 'Velmoria']"},
        {"solarSystem", "Solar System Toolbar",
         "zoomOut [Zooming Out of View], zoomIn [Zooming In of View], |, "
         "timeBack [Time direction : back], timeForward [Time direction : forward], |, "
         "go [Beginning / Continue animation], stop [Stopping animation], |, "
         "timeUpdate [Updating time and date], |, solarSetup [Setup Solar System Model's objects], |, "
         "normal [Normalization all conditions], |, return [Return to Main Window]"},
        {"starMap", "Star Map Toolbar",
         "realSkyGlobe [Show real sky globe], reviewGlobe [Free review of star globe], |, "
         "zoomOut [Zooming Out of View], zoomIn [Zooming In of View], |, "
         "timeBack [Time direction : back], timeForward [Time direction : forward], |, "
         "go [Starting / Continue process], stop [Stopping process], |, "
         "find [Find star by name], findNext [Find next star by name], |, "
         "timeUpdate [Updating time and date], location [Choice to your location], |, "
         "starMapSetup [Setup Star Map Window], |, normal [Normalization all conditions], |, "
         "return [Return to Main Window]"},
        {"dataBase", "Astronomical Database Toolbar",
         "sunData [Sun data], |, mercuryData [Mercury data], venusData [Venus data], earthData [Earth data], "
         "marsData [Mars data], jupiterData [Jupiter data], saturnData [Saturn data], uranusData [Uranus data], "
         "neptuneData [Neptune data], plutoData [Pluto data], |, moonData [Moon data], |, "
         "comparison [Planet Comparison], |, solarObjectsView [Show views of Solar System objects], "
         "galaxiesView [Show views of galaxies objects], nebulasView [Show views of nebulas objects], |, "
         "return [Return to Main Window]"},
        {"almanac", "Almanac Toolbar",
         "almanacLocation [Choice to your location], timeUpdate [Updating time and date], |, "
         "return [Return to Main Window]"},
    };
    for (const Case& c : cases)
    {
        Trigger(app->Frame()->Client(), "return");
        if (*c.view)
        {
            ASSERT_TRUE(Trigger(app->Frame()->Client(), c.view));
        }
        std::string buttons;
        for (const QAction* a : app->Frame()->Toolbar()->actions())
        {
            if (!buttons.empty())
                buttons += ", ";
            if (a->isSeparator())
            {
                buttons += "|";
                continue;
            }
            buttons += a->objectName().toStdString() + " [" + a->statusTip().toStdString() + "]";
            EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
        }
        EXPECT_EQ(app->Frame()->Toolbar()->windowTitle().toStdString(), c.caption);
        EXPECT_EQ(buttons, c.buttons) << c.caption;
    }
}
} // namespace
