#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>

#include "app/AboutDlg.h"
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "platform/Bitmaps.h"
#include "common/TestSupport.h"

#include "common/AppSupport.h"

using testing_support::IsEnabled;
using testing_support::Trigger;

namespace
{
using testing_support::DialogAnswer;
using testing_support::HelpRecorder;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;
using testing_support::SoundRecorder;

// The buttons of the toolbar by command name, "|" for a separator.
std::vector<std::string> ToolbarNames(const DecFrame& frame)
{
    std::vector<std::string> names;
    for (QAction* a : frame.Toolbar()->actions())
        names.push_back(a->isSeparator() ? "|" : a->objectName().toStdString());
    return names;
}

// The toolbar of each view, as documented.
std::vector<std::string> ExpectedToolbar(model::Mode subject)
{
    switch (subject)
    {
    case model::Mode::Main: return {"solarSystem", "starMap", "|", "dataBase", "|", "exit"};
    case model::Mode::SolarSystem:
        return {"zoomOut", "zoomIn", "|", "timeBack", "timeForward", "|", "go", "stop", "|",
                "timeUpdate", "|", "solarSetup", "|", "normal", "|", "return"};
    case model::Mode::StarMap:
        return {"realSkyGlobe", "reviewGlobe", "|", "zoomOut", "zoomIn", "|", "timeBack",
                "timeForward", "|", "go", "stop", "|", "find", "findNext", "|", "timeUpdate",
                "location", "|", "starMapSetup", "|", "normal", "|", "return"};
    case model::Mode::DataBase:
        return {"sunData", "|", "mercuryData", "venusData", "earthData", "marsData",
                "jupiterData", "saturnData", "uranusData", "neptuneData", "plutoData", "|",
                "moonData", "|", "comparison", "|", "solarObjectsView", "galaxiesView",
                "nebulasView", "|", "return"};
    case model::Mode::Almanac: // the menus test checks its toolbar
    case model::Mode::None: break;
    }
    return {};
}

// The titles of the menu bar's popups.
std::vector<std::string> MenuTitles(const DecFrame& frame)
{
    std::vector<std::string> titles;
    for (const QAction* top : frame.menuBar()->actions())
        titles.push_back(top->text().toStdString());
    return titles;
}
const std::vector<std::string> kMainMenus = {"&Subject", "&Setup", "&Help"};

// The colour at the middle of the widget's picture as it paints it now.
QRgb MiddlePixel(QWidget& w)
{
    const QImage image = w.grab().toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

// The whole application on its main screen, in a scratch working directory.
class Shell : public ::testing::Test
{
protected:
    explicit Shell(bool withData = true) : data(withData) {}

    void SetUp() override
    {
        for (const char* name : {"Bitmap", "Sound", "Velmoria.hlp"})
            dir.LinkRuntime(name);
        if (data)
            dir.LinkRuntime("Data");
        app = std::make_unique<VelmoriaApp>();
        app->InitMainWindow(false);
        app->Frame()->resize(800, 600);
        app->Frame()->show();
        wnd = app->Frame()->Client();
    }

    void TearDown() override { app.reset(); }

    bool data;
    ScratchDir dir;
    MessageRecorder messages;
    SoundRecorder sounds;
    HelpRecorder help;
    std::unique_ptr<VelmoriaApp> app;
    VelmoriaWnd* wnd = nullptr;
};

class ShellWithoutData : public Shell
{
protected:
    ShellWithoutData() : Shell(false) {}
};

TEST_F(Shell, StartsOnTheMainScreenWithItsMenuToolbarMusicAndPicture)
{
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    EXPECT_EQ(app->Frame()->windowTitle().toStdString(), "Velmoria - [Main]");
    EXPECT_EQ(MenuTitles(*app->Frame()), kMainMenus);
    EXPECT_EQ(ToolbarNames(*app->Frame()), ExpectedToolbar(model::Mode::Main));
    EXPECT_EQ(app->Frame()->Toolbar()->windowTitle().toStdString(), "Main Toolbar");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Choose subject for viewing");
    EXPECT_EQ(sounds.played.back(), "Sound\\Main.wav");
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_TRUE(testing_support::ViewAction(wnd, "sound")->isChecked());
    EXPECT_EQ(app->Frame()->toolBarArea(app->Frame()->Toolbar()), Qt::TopToolBarArea);
}

TEST_F(Shell, TheBackgroundPictureFillsTheMiddleOfTheWindowAtAnySize)
{
    const QImage picture = platform::ReadPicture("Bitmap\\BackGnd.bmp");
    ASSERT_FALSE(picture.isNull());
    const QRgb middle = picture.pixel(picture.width() / 2, picture.height() / 2);
    const QRgb grey = qRgb(192, 192, 192);
    for (QSize size : {QSize(800, 600), QSize(1600, 1000), QSize(300, 200)})
    {
        app->Frame()->resize(size);
        QWidget& screen = wnd->Main();
        const QImage shown = screen.grab().toImage();
        // Scaled to fit, its shape kept: as wide as the window or as tall, centred, grey around.
        const QSize fitted = picture.size().scaled(screen.size(), Qt::KeepAspectRatio);
        EXPECT_TRUE(fitted.width() == screen.width() || fitted.height() == screen.height());
        EXPECT_LE(qAbs(qRed(shown.pixel(shown.width() / 2, shown.height() / 2)) - qRed(middle)), 40)
            << size.width();
        if (fitted.width() < screen.width())
        {
            EXPECT_EQ(shown.pixel(1, shown.height() / 2), grey) << size.width();
        }
        if (fitted.height() < screen.height())
        {
            EXPECT_EQ(shown.pixel(shown.width() / 2, 1), grey) << size.width();
        }
    }
    // The database view shows the same picture.
    Trigger(wnd, "dataBase");
    EXPECT_LE(qAbs(qRed(MiddlePixel(*wnd->CurrentView())) - qRed(middle)), 40);
}

TEST_F(Shell, DatabaseModeHasItsOwnToolbarMenuCaptionAndHint)
{
    Trigger(wnd, "dataBase");
    EXPECT_EQ(wnd->Subject(), model::Mode::DataBase);
    EXPECT_EQ(app->Frame()->windowTitle().toStdString(), "Velmoria - [Astronomical Database]");
    EXPECT_EQ(MenuTitles(*app->Frame()), (std::vector<std::string>{"Astronomical &DB", "&Object", "&Setup", "&Help"}));
    EXPECT_EQ(ToolbarNames(*app->Frame()), ExpectedToolbar(model::Mode::DataBase));
        EXPECT_EQ(app->Frame()->Toolbar()->windowTitle().toStdString(), "Astronomical Database Toolbar");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Astronomical Database");
    EXPECT_EQ(sounds.played.back(), "Sound\\DataBase.wav");

    // The main screen's commands and Exit are not offered here.
    EXPECT_FALSE(Trigger(wnd, "solarSystem"));
    EXPECT_FALSE(Trigger(wnd, "exit"));
    EXPECT_EQ(wnd->Subject(), model::Mode::DataBase);

    Trigger(wnd, "return");
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    EXPECT_EQ(ToolbarNames(*app->Frame()), ExpectedToolbar(model::Mode::Main));
    EXPECT_EQ(MenuTitles(*app->Frame()), kMainMenus);
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Choose subject for viewing");
    // Return on the main screen does nothing.
    Trigger(wnd, "return");
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
}

TEST_F(Shell, SolarSystemAndStarMapEnterWithTheirToolbarsAndReturn)
{
    Trigger(wnd, "solarSystem");
    ASSERT_EQ(wnd->Subject(), model::Mode::SolarSystem) << (messages.boxes.empty() ? "" : messages.boxes[0].text);
    EXPECT_EQ(app->Frame()->windowTitle().toStdString(), "Velmoria - [Solar System]");
    EXPECT_EQ(MenuTitles(*app->Frame()), (std::vector<std::string>{"S&olar System", "&Action", "&Setup", "&Help"}));
    EXPECT_EQ(ToolbarNames(*app->Frame()), ExpectedToolbar(model::Mode::SolarSystem));
        EXPECT_EQ(app->Frame()->Toolbar()->windowTitle().toStdString(), "Solar System Toolbar");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Solar System model");
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Center : Sun");
    EXPECT_EQ(sounds.played.back(), "Sound\\SolarSystem.wav");
    EXPECT_TRUE(wnd->Timers().IsRunning(kTimerRealTime));
    EXPECT_TRUE(testing_support::ViewAction(wnd, "centreSun")->isChecked());

    Trigger(wnd, "return");
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    EXPECT_FALSE(wnd->Timers().IsRunning(kTimerRealTime));
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "");
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Date)->Text(), "");

    Trigger(wnd, "starMap");
    ASSERT_EQ(wnd->Subject(), model::Mode::StarMap) << (messages.boxes.empty() ? "" : messages.boxes[0].text);
    EXPECT_EQ(app->Frame()->windowTitle().toStdString(), "Velmoria - [Star Map]");
    EXPECT_EQ(MenuTitles(*app->Frame()), (std::vector<std::string>{"Star &Map", "&Action", "&Search", "&Setup", "&Help"}));
    EXPECT_EQ(ToolbarNames(*app->Frame()), ExpectedToolbar(model::Mode::StarMap));
        EXPECT_EQ(app->Frame()->Toolbar()->windowTitle().toStdString(), "Star Map Toolbar");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Star Map");
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Real Sky Globe");
    EXPECT_EQ(sounds.played.back(), "Sound\\StarMap.wav");
    EXPECT_DOUBLE_EQ(wnd->StarView().Map().Radius(), wnd->StarView().Map().YCenter() / 2);
    EXPECT_TRUE(testing_support::ViewAction(wnd, "realSkyGlobe")->isChecked());
    Trigger(wnd, "return");
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ShellWithoutData, MissingCataloguesAreReportedAndTheMainScreenStays)
{
    Trigger(wnd, "solarSystem");
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file DATA\\SOLOBJ.DAT");
    EXPECT_EQ(messages.boxes[0].caption, "Velmoria - [Error]");
    EXPECT_EQ(messages.boxes[0].flags, 0x10u);
    EXPECT_EQ(messages.boxes[1].text, "Unable to show Solar System");
    EXPECT_EQ(messages.boxes[1].caption, "Velmoria - [Error]");
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    EXPECT_EQ(ToolbarNames(*app->Frame()), ExpectedToolbar(model::Mode::Main));
    EXPECT_EQ(MenuTitles(*app->Frame()), kMainMenus);
    EXPECT_FALSE(wnd->Timers().IsRunning(kTimerRealTime));
    EXPECT_EQ(wnd->CurrentView(), &wnd->Main());
    // The entry had already set the clock to real time, forward, rate 1.
    EXPECT_EQ(wnd->clock.Mode(), kRealTime);
    EXPECT_TRUE(wnd->clock.Forward());

    messages.boxes.clear();
    Trigger(wnd, "starMap");
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file DATA\\STARS.DAT");
    EXPECT_EQ(messages.boxes[1].text, "Unable to show Star Map");
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    EXPECT_EQ(ToolbarNames(*app->Frame()), ExpectedToolbar(model::Mode::Main));
    EXPECT_FALSE(wnd->StarView().TiltBar()->isVisible());
}

TEST_F(Shell, SoundSwitchStopsAndRestartsTheModesMusic)
{
    Trigger(wnd, "sound");
    EXPECT_FALSE(wnd->Sound);
    EXPECT_EQ(sounds.played.back(), "");
    EXPECT_FALSE(testing_support::ViewAction(wnd, "sound")->isChecked());

    // With sound off every mode change plays nothing and leaves the item unchecked.
    const size_t before = sounds.played.size();
    Trigger(wnd, "dataBase");
    EXPECT_EQ(sounds.played.size(), before);
    EXPECT_FALSE(testing_support::ViewAction(wnd, "sound")->isChecked());

    Trigger(wnd, "sound");
    EXPECT_TRUE(wnd->Sound);
    EXPECT_EQ(sounds.played.back(), "Sound\\DataBase.wav");
    EXPECT_TRUE(testing_support::ViewAction(wnd, "sound")->isChecked());
}

TEST_F(Shell, EnablingRulesFollowTheViewsState)
{
    Trigger(wnd, "solarSystem");
    ASSERT_EQ(wnd->Subject(), model::Mode::SolarSystem);
    // Zoom is offered up to 4 and down to 0.04 (just below it in double precision).
    const auto zoomTo = [&](const char* command, int steps)
    {
        Trigger(wnd, "normal");
        for (int n = 0; n < steps; ++n)
            Trigger(wnd, command);
    };
    zoomTo("zoomIn", 74);
    EXPECT_TRUE(IsEnabled(wnd, "zoomIn"));
    zoomTo("zoomIn", 76);
    EXPECT_FALSE(IsEnabled(wnd, "zoomIn"));
    EXPECT_TRUE(IsEnabled(wnd, "zoomOut"));
    zoomTo("zoomOut", 23);
    EXPECT_TRUE(IsEnabled(wnd, "zoomOut"));
    zoomTo("zoomOut", 24);
    EXPECT_FALSE(IsEnabled(wnd, "zoomOut"));
    EXPECT_TRUE(IsEnabled(wnd, "zoomIn"));
    // The direction commands follow the clock as it changes, with no help from the view.
    wnd->clock.SetMode(kRealTime);
    wnd->clock.SetTimeDirection(true);
    EXPECT_FALSE(IsEnabled(wnd, "timeForward"));
    EXPECT_FALSE(IsEnabled(wnd, "timeBack"));
    wnd->clock.SetMode(kByDays);
    EXPECT_FALSE(IsEnabled(wnd, "timeForward"));
    EXPECT_TRUE(IsEnabled(wnd, "timeBack"));
    wnd->clock.SetTimeDirection(false);
    EXPECT_TRUE(IsEnabled(wnd, "timeForward"));
    EXPECT_FALSE(IsEnabled(wnd, "timeBack"));
    EXPECT_FALSE(IsEnabled(wnd, "go"));
    EXPECT_TRUE(IsEnabled(wnd, "stop"));
    Trigger(wnd, "stop");
    EXPECT_TRUE(IsEnabled(wnd, "go"));
    EXPECT_FALSE(IsEnabled(wnd, "stop"));
    Trigger(wnd, "return");

    Trigger(wnd, "starMap");
    ASSERT_EQ(wnd->Subject(), model::Mode::StarMap);
    // Zoomed in as far as it goes, then out.
    for (const char* command : {"zoomIn", "zoomOut"})
    {
        const char* other = command == std::string("zoomIn") ? "zoomOut" : "zoomIn";
        for (int steps = 0; IsEnabled(wnd, command) && steps < 100; ++steps)
            Trigger(wnd, command);
        EXPECT_FALSE(IsEnabled(wnd, command));
        EXPECT_TRUE(IsEnabled(wnd, other));
    }
    EXPECT_FALSE(IsEnabled(wnd, "findNext"));
    EXPECT_TRUE(IsEnabled(wnd, "location"));
    Trigger(wnd, "reviewGlobe");
    EXPECT_FALSE(IsEnabled(wnd, "location"));
    Trigger(wnd, "return");
}

TEST_F(Shell, AcceleratorsReachTheirCommandsInEveryMode)
{
    QApplication::setActiveWindow(app->Frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->Frame()));
    QTest::keyClick(app->Frame(), Qt::Key_F4);
    EXPECT_EQ(wnd->Subject(), model::Mode::DataBase);
    QTest::keyClick(app->Frame(), Qt::Key_Backspace);
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    QTest::keyClick(app->Frame(), Qt::Key_F1);
    ASSERT_FALSE(help.requests.empty());
    EXPECT_EQ(help.requests.back().file, "Velmoria.hlp");
    EXPECT_EQ(help.requests.back().page, platform::HelpPage::Contents);
    QTest::keyClick(app->Frame(), Qt::Key_F5);
    EXPECT_FALSE(wnd->Sound);
    QTest::keyClick(app->Frame(), Qt::Key_F5);
    EXPECT_TRUE(wnd->Sound);
    // Keys of the views do nothing on the main screen.
    QTest::keyClick(app->Frame(), Qt::Key_Home);
    QTest::keyClick(app->Frame(), Qt::Key_F7);
    QTest::keyClick(app->Frame(), Qt::Key_Enter);
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    // F10 puts the clock back to normal on the main screen too.
    wnd->clock.SetMode(kByDays);
    QTest::keyClick(app->Frame(), Qt::Key_F10);
    EXPECT_EQ(wnd->clock.Mode(), kRealTime);
}

TEST_F(Shell, ModeChangesLeaveNoMenusOrItemsBehind)
{
    const auto count = [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return std::make_pair(app->Frame()->findChildren<QMenu*>().size(),
                              app->Frame()->findChildren<QAction*>().size());
    };
    Trigger(wnd, "dataBase");
    Trigger(wnd, "return");
    const auto once = count();
    for (int trip = 0; trip < 50; ++trip)
    {
        Trigger(wnd, "dataBase");
        Trigger(wnd, "return");
    }
    EXPECT_EQ(count(), once);
    EXPECT_EQ(app->Frame()->menuBar()->actions().size(), 3);  // Subject, Setup, Help
}

TEST_F(Shell, ShowToolbarDocksAClosedToolbarAtTheTopAgain)
{
    app->Frame()->Toolbar()->hide();
    app->Frame()->removeToolBar(app->Frame()->Toolbar());
    Trigger(wnd, "showToolbar");
    EXPECT_FALSE(app->Frame()->Toolbar()->isHidden());
    EXPECT_EQ(app->Frame()->toolBarArea(app->Frame()->Toolbar()), Qt::TopToolBarArea);
    EXPECT_EQ(ToolbarNames(*app->Frame()), ExpectedToolbar(model::Mode::Main));
}

TEST_F(Shell, ExitWritesTheConfigurationBeforeTheFrameGoes)
{
    wnd->Values.LocValues.Lat.Degree = 51;
    Trigger(wnd, "exit");
    bool exists = false;
    const std::string bytes = dir.Read("Velmoria.cfg", &exists);
    ASSERT_TRUE(exists);
    ASSERT_EQ(bytes.size(), sizeof(::Setup));
    EXPECT_EQ(static_cast<uint8_t>(bytes[25]), 51);
    EXPECT_FALSE(app->Frame()->isVisible());
}

TEST_F(Shell, ExitReportsAnUnwritableConfigurationOverTheWholeFrame)
{
    namespace fs = std::filesystem;
    struct Case
    {
        const char* what;
        bool readOnlyFile; // else a writable file in a read-only directory
        size_t boxes;
        size_t sizeAfter;
    };
    const Case cases[] = {
        {"read-only file", true, 1, 40},
        {"read-only directory", false, 0, sizeof(::Setup)},
    };
    for (const Case& c : cases)
    {
        TearDown();
        dir.Write("Velmoria.cfg", std::string(40, '\x01'));
        SetUp();
        if (c.readOnlyFile)
            fs::permissions("Velmoria.cfg", fs::perms::owner_read);
        else
            fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        std::vector<std::string> seen;
        platform::MessageBoxHook previous = platform::SetMessageBoxHook(
            [&](const platform::MessageRecord& r)
            {
                // The box belongs to a frame that is still whole and shown.
                EXPECT_TRUE(app->Frame()->isVisible() && app->Frame()->Client() == wnd) << c.what;
                seen.push_back(r.text + " | " + r.caption);
            });
        Trigger(wnd, "exit");
        platform::SetMessageBoxHook(previous);
        fs::permissions(dir.Path(), fs::perms::owner_all);
        fs::permissions("Velmoria.cfg", fs::perms::owner_read | fs::perms::owner_write);
        ASSERT_EQ(seen.size(), c.boxes) << c.what;
        if (c.boxes)
        {
            EXPECT_EQ(seen[0], "Unable to open file VELMORIA.CFG | Velmoria - [Error]");
            EXPECT_EQ(dir.Read("Velmoria.cfg"), std::string(40, '\x01'));
        }
        EXPECT_EQ(dir.Read("Velmoria.cfg").size(), c.sizeAfter) << c.what;
    }
}

TEST_F(Shell, ReturnFromTheReviewGlobeGivesTheGreyMainScreen)
{
    Trigger(wnd, "starMap");
    ASSERT_EQ(wnd->Subject(), model::Mode::StarMap);
    Trigger(wnd, "reviewGlobe");
    ASSERT_TRUE(wnd->StarView().TiltBar()->isVisible());
    Trigger(wnd, "return");
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    const QImage shown = wnd->Main().grab().toImage();
    EXPECT_EQ(shown.pixel(2, 2), qRgb(192, 192, 192));
    EXPECT_EQ(shown.width(), wnd->width()); // no room is kept for the globe's scroll bar
}

TEST_F(Shell, ScrollBarTiltsTheGlobeWithinItsBounds)
{
    using Action = QAbstractSlider::SliderAction;
    struct Case
    {
        int vpos;
        Action action;
        int thumb;
        float lat;
        int vposAfter;
    };
    const Case cases[] = {
        {0, Action::SliderSingleStepSub, 0, 180.0f, 0},
        {180, Action::SliderSingleStepSub, 0, 10.0f, 170},
        {360, Action::SliderSingleStepAdd, 0, -180.0f, 360},
        {180, Action::SliderSingleStepAdd, 0, -10.0f, 190},
        {20, Action::SliderPageStepSub, 0, 180.0f, 0},
        {180, Action::SliderPageStepSub, 0, 30.0f, 150},
        {340, Action::SliderPageStepAdd, 0, -180.0f, 360},
        {180, Action::SliderPageStepAdd, 0, -30.0f, 210},
        {180, Action::SliderMove, 45, 135.0f, 45},
    };
    Trigger(wnd, "starMap");
    Trigger(wnd, "reviewGlobe");
    QScrollBar* bar = wnd->StarView().TiltBar();
    ASSERT_TRUE(bar->isVisible());
    const StarMap& map = wnd->StarView().Map();
    for (const Case& c : cases)
    {
        bar->setSliderPosition(c.vpos);
        bar->triggerAction(Action::SliderMove);
        ASSERT_EQ(map.TiltPosition(), c.vpos);
        bar->setSliderPosition(c.action == Action::SliderMove ? c.thumb : c.vpos);
        bar->triggerAction(c.action);
        EXPECT_FLOAT_EQ(map.Tilt().lat, c.lat) << c.action << " at " << c.vpos;
        EXPECT_EQ(map.TiltPosition(), c.vposAfter) << c.action << " at " << c.vpos;
        EXPECT_EQ(bar->sliderPosition(), c.vposAfter) << c.action << " at " << c.vpos;
        EXPECT_DOUBLE_EQ(map.Tilt().latCos, std::cos(c.lat * 0.017453292519943295));
    }
}

TEST_F(Shell, HelpCommandsOpenTheirFiles)
{
    Trigger(wnd, "helpContents");
    Trigger(wnd, "usingHelp");
    ASSERT_EQ(help.requests.size(), 2u);
    EXPECT_EQ(help.requests[0].file, "Velmoria.hlp");
    EXPECT_EQ(help.requests[0].page, platform::HelpPage::Contents);
    EXPECT_EQ(help.requests[1].file, "Velmoria.hlp"); // help on help is a page of our own
    EXPECT_EQ(help.requests[1].page, platform::HelpPage::UsingHelp);
}

TEST_F(Shell, AboutShowsTheProgramFilesVersionTextsEachTimeItOpens)
{
    std::vector<QString> seen;
    QString licence;
    std::string hintWhileOpen;
    DialogAnswer answer([&](platform::Dialog& d) {
        auto& about = static_cast<AboutDlg&>(d);
        seen.push_back(about.Line(10002) + "|" + about.Line(10005) + "|" + about.Line(10003) +
                       "|" + about.Line(10004));
        licence = about.Line(10008);
        hintWhileOpen = app->Frame()->Status()->HintText();
        EXPECT_FALSE(about.Bitmap.isNull());
        return QDialog::Accepted;
    });
    Trigger(wnd, "about");
    Trigger(wnd, "about");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], seen[1]);
    // The test program carries a version block with a product name and no product version
    // (tests/app/projectversion_test.cpp): the version and author lines keep their texts.
    EXPECT_EQ(seen[0].toStdString(), "Version|Written by ||");
    // The licence it names is the one shipped beside the credits.
    EXPECT_TRUE(licence.contains(QStringLiteral("MIT licence"))) << licence.toStdString();
    EXPECT_TRUE(licence.contains(QStringLiteral("licenses/Velmoria-MIT.txt")));
    std::ifstream shipped(VELMORIA_RUNTIME_DIR "/licenses/Velmoria-MIT.txt");
    const std::string text{std::istreambuf_iterator<char>(shipped),
                           std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("Permission is hereby granted, free of charge"), std::string::npos);
    EXPECT_EQ(hintWhileOpen, "About 'Velmoria' program");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Choose subject for viewing");
    Trigger(wnd, "dataBase");
    Trigger(wnd, "about");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Solar System Data Base");
}

TEST(MainWindow, MaximizedFrameKeepsItsRestoreSizeInTheMiddleOfTheScreen)
{
    ScratchDir dir;
    dir.LinkAllRuntime();
    MessageRecorder messages;
    SoundRecorder sounds;
    auto app = std::make_unique<VelmoriaApp>();
    app->InitMainWindow(true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app->Frame()));
    QCoreApplication::processEvents();
    ASSERT_TRUE(app->Frame()->isMaximized());
    const QRect area = app->Frame()->screen()->availableGeometry();
    EXPECT_GT(app->Frame()->width(), 690);
    const QRect restore = app->Frame()->normalGeometry();
    EXPECT_EQ(restore.size(), QSize(690, 490));
    EXPECT_LE((restore.center() - area.center()).manhattanLength(), 4);
    // Maximized by the platform, or restored by the user: the frame is left as it stands.
    const QRect maximized = app->Frame()->geometry();
    app->Frame()->FillScreenUnlessMaximized();
    EXPECT_EQ(app->Frame()->geometry(), maximized);
    app->Frame()->showNormal();
    QCoreApplication::processEvents();
    app->Frame()->FillScreenUnlessMaximized();
    EXPECT_EQ(app->Frame()->size(), QSize(690, 490));
}

TEST(MainWindow, MissingBackgroundPictureLeavesAPlainGreyScreen)
{
    ScratchDir dir;
    MessageRecorder messages;
    SoundRecorder sounds;
    {
        auto app = std::make_unique<VelmoriaApp>();
        app->InitMainWindow(false);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, "Unable to open file BITMAP\\BACKGND.BMP");
        EXPECT_EQ(app->Frame()->Client()->Subject(), model::Mode::Main);
        // Plain grey where the picture would stand.
        EXPECT_EQ(MiddlePixel(app->Frame()->Client()->Main()), qRgb(192, 192, 192));
    }
    EXPECT_TRUE(std::filesystem::exists("Velmoria.cfg"));
}

} // namespace
