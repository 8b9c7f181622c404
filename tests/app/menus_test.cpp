// The menus, hints and toolbars of the four modes as the frame shows them, written out here
// item by item from the program's documented command table.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
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
  &Contents|F1 #350 [Contents of help]
  &Using Help #352 [Help on using help]
  --
  &About ... #354 [About 'Velmoria']
)";

const char* const kSetup = R"(&Setup
  Show &Toolbar #377 [Show Toolbar window]
  &Sound|F5 #378 [Sound On/Off] *
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
    app->Frame()->AssignMenu(201);
    EXPECT_EQ(MenuBarText(*app->Frame()), std::string(R"(&Subject
  &Solar System|F2 #301 [Show Solar System Model]
  Star &Map|F3 #302 [Show Star Map ]
  So&lar System DB|F4 #303 [Data base of objects of Solar System]
  --
  E&xit|Alt+X #305 [Exit from 'Velmoria']
)") + kSetup + kHelp);
}

TEST_F(Menus, SolarSystemMenu)
{
    app->Frame()->AssignMenu(202);
    EXPECT_EQ(MenuBarText(*app->Frame()), std::string(R"(S&olar System
  &Center of System >
    &Sun #601 [Heliocentric System] *
    &Mercury #602 [Mercury in the center]
    &Venus #603 [Venus in the center]
    &Earth #604 [Geocentric System]
    M&ars #605 [Mars in the center]
    &Jupiter #606 [Jupiter in the center]
    Sa&turn #607 [Saturn in the center]
    &Uranus #608 [Uranus in the center]
    &Neptune #609 [Neptune in the center]
    &Pluto #610 [Pluto in the center]
    &Halley #611 [Comet Halley in the center]
    &Encke #612 [Comet Encke in the center]
  --
  Save &Picture…|Ctrl+S #390 [Save the picture of the view as a PNG file]
  C&opy Picture|Ctrl+C #391 [Copy the picture of the view to the clipboard]
  Pr&int…|Ctrl+P #392 [Print the picture of the view with its date, time and place]
  --
  R&eturn|BackSpace #400 [Return to Main Window]
&Action
  &Zoom In|Home #403 [Zooming In of View]
  Zoo&m Out|End #404 [Zooming Out of View]
  --
  &Time Forward|Insert #405 [Time direction : forward]
  Time &Back|Delete #406 [Time direction : back]
  --
  &Go|Enter #407 [Beginning / Continue animation]
  &Stop|Pause #408 [Stopping animation]
  --
  &Normal Conditions|F10 #409 [Normalization all conditions]
&Setup
  So&lar System Setup #373 [Setup Solar System Model's objects]
  Time &Update #375 [Updating time and date]
  --
  Show &Toolbar #377 [Show Toolbar window]
  &Sound|F5 #378 [Sound On/Off] *
)") + kHelp);
}

TEST_F(Menus, StarMapMenu)
{
    app->Frame()->AssignMenu(203);
    EXPECT_EQ(MenuBarText(*app->Frame()), std::string(R"(Star &Map
  Real &Sky Globe  #501 [Show real sky globe] *
  &Review Globe #502 [Free review of star globe]
  --
  Save &Picture…|Ctrl+S #390 [Save the picture of the view as a PNG file]
  C&opy Picture|Ctrl+C #391 [Copy the picture of the view to the clipboard]
  Pr&int…|Ctrl+P #392 [Print the picture of the view with its date, time and place]
  --
  R&eturn|BackSpace #400 [Return to Main Window]
&Action
  Zoom &In|Shift+Home #503 [Zooming In of View]
  Zoom &Out|Shift+End #504 [Zooming Out of View]
  --
  Time &Forward|Shift+Insert #505 [Time direction : forward]
  Time &Back|Shift+Delete #506 [Time direction : back]
  --
  &Go|Shift+Enter #507 [Starting / Continue process]
  &Stop|Shift+Pause #508 [Stopping process]
  --
  &Normal Conditions|F10 #409 [Normalization all conditions]
&Search
  &Find #509 [Find star by name]
  Find &Next|F7 #510 [Find next star by name]
&Setup
  Star &Map Setup #374 [Setup Star Map Window]
  Time &Update #375 [Updating time and date]
  &Location Choice #376 [Choice to your location]
  --
  Show &Toolbar #377 [Show Toolbar window]
  &Sound|F5 #378 [Sound On/Off] *
&Help
  &Contents|F1 #350 [Contents of help]
  &Using Help #352 [Help on using help]
  --
  Constellations &Index #353 [List of constellations abbreviations]
  --
  &About #354 [About 'Velmoria']
)"));
}

TEST_F(Menus, DatabaseMenu)
{
    app->Frame()->AssignMenu(204);
    EXPECT_EQ(MenuBarText(*app->Frame()), std::string(R"(Astronomical &DB
  &Return|BackSpace #400 [Return to Main Window]
&Object
  &Sun #701 [Sun data]
  &Planets ... >
    Me&rcury #801 [Mercury data]
    &Venus #802 [Venus data]
    &Earth #803 [Earth data]
    &Mars #804 [Mars data]
    &Jupiter #805 [Jupiter data]
    &Saturn #806 [Saturn data]
    &Uranus #807 [Uranus data]
    &Neptune #808 [Neptune data]
    &Pluto #809 [Pluto data]
  &Moon #810 [Moon data]
  --
  Planets Co&mparison #814 [Planet Comparison]
  --
  S&olar Objects View #811 [Show views of Solar System objects]
  &Galaxies View #812 [Show views of galaxies objects]
  &Nebulas View #813 [Show views of nebulas objects]
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
    for (int menu : {201, 202, 203, 204})
    {
        app->Frame()->AssignMenu(menu);
        for (const QAction* top : app->Frame()->menuBar()->actions())
            CollectClashes(top->menu(), clashes);
    }
    EXPECT_EQ(clashes, kKept);
}

TEST_F(Menus, ToolbarsCarryTheirButtonsInOrderWithTheirHints)
{
    struct Case
    {
        int subject;
        const char* caption;
        const char* buttons;  // command [hint], "|" for a separator
    };
    const Case cases[] = {
        {1, "Main Toolbar",
         "301 [Show Solar System Model], 302 [Show Star Map ], |, "
         "303 [Data base of objects of Solar System], |, 305 [Exit from 'Velmoria']"},
        {2, "Solar System Toolbar",
         "404 [Zooming Out of View], 403 [Zooming In of View], |, "
         "406 [Time direction : back], 405 [Time direction : forward], |, "
         "407 [Beginning / Continue animation], 408 [Stopping animation], |, "
         "375 [Updating time and date], |, 373 [Setup Solar System Model's objects], |, "
         "409 [Normalization all conditions], |, 400 [Return to Main Window]"},
        {3, "Star Map Toolbar",
         "501 [Show real sky globe], 502 [Free review of star globe], |, "
         "504 [Zooming Out of View], 503 [Zooming In of View], |, "
         "506 [Time direction : back], 505 [Time direction : forward], |, "
         "507 [Starting / Continue process], 508 [Stopping process], |, "
         "509 [Find star by name], 510 [Find next star by name], |, "
         "375 [Updating time and date], 376 [Choice to your location], |, "
         "374 [Setup Star Map Window], |, 409 [Normalization all conditions], |, "
         "400 [Return to Main Window]"},
        {4, "Astronomical Database Toolbar",
         "701 [Sun data], |, 801 [Mercury data], 802 [Venus data], 803 [Earth data], "
         "804 [Mars data], 805 [Jupiter data], 806 [Saturn data], 807 [Uranus data], "
         "808 [Neptune data], 809 [Pluto data], |, 810 [Moon data], |, "
         "814 [Planet Comparison], |, 811 [Show views of Solar System objects], "
         "812 [Show views of galaxies objects], 813 [Show views of nebulas objects], |, "
         "400 [Return to Main Window]"},
    };
    for (const Case& c : cases)
    {
        app->Frame()->Client()->Subject = static_cast<model::Mode>(c.subject);
        app->Frame()->SetupSpeedBar();
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
    app->Frame()->Client()->Subject = model::Mode::Main;
    app->Frame()->SetupSpeedBar();
}
} // namespace
