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
#include "app/TitleDlg.h"
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "resources/Resources.h"

namespace
{
using testing_support::DialogAnswer;
using testing_support::HelpRecorder;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;
using testing_support::SoundRecorder;

// The gadgets of the toolbar as command ids, 0 for a separator.
std::vector<int> ToolbarIds(const DecFrame& frame)
{
    std::vector<int> ids;
    for (QAction* a : frame.Toolbar()->actions())
        ids.push_back(a->isSeparator() ? 0 : a->objectName().toInt());
    return ids;
}

// The toolbar of each mode, as documented (0 for a separator).
std::vector<int> ExpectedIds(int subject)
{
    switch (subject)
    {
    case 1: return {301, 302, 0, 303, 0, 305};
    case 2: return {404, 403, 0, 406, 405, 0, 407, 408, 0, 375, 0, 373, 0, 409, 0, 400};
    case 3:
        return {501, 502, 0, 504, 503, 0, 506, 505, 0, 507, 508, 0,
                509, 510, 0, 375, 376, 0, 374, 0, 409, 0, 400};
    case 4:
        return {701, 0, 801, 802, 803, 804, 805, 806, 807, 808, 809,
                0,   810, 0, 814, 0, 811, 812, 813, 0, 400};
    default: return {};
    }
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
    EXPECT_EQ(wnd->Subject, model::Mode::Main);
    EXPECT_EQ(app->Frame()->windowTitle().toStdString(), "Velmoria - [Main]");
    EXPECT_EQ(app->Frame()->MenuId(), 201);
    EXPECT_EQ(ToolbarIds(*app->Frame()), (std::vector<int>{301, 302, 0, 303, 0, 305}));
    EXPECT_EQ(app->Frame()->Toolbar()->windowTitle().toStdString(), "Main Toolbar");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Choose subject for viewing");
    EXPECT_EQ(sounds.played.back(), "Sound\\Main.wav");
    EXPECT_TRUE(wnd->Timers().IsRunning(kTimerBackground));
    EXPECT_NE(wnd->BGBitmap, nullptr);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_TRUE(app->Frame()->MenuAction(378)->isChecked());
    EXPECT_EQ(app->Frame()->toolBarArea(app->Frame()->Toolbar()), Qt::TopToolBarArea);
}

TEST_F(Shell, BackgroundPictureIsCopiedToTheMiddleOfTheWindow)
{
    wnd->resize(800, 600);
    wnd->canvas.Clear(platform::RGB(192, 192, 192));
    wnd->EvTimer(kTimerBackground);
    const platform::Bitmap& pic = *wnd->BGBitmap;
    const QRect rc = wnd->GetClientRect();
    const int left = rc.width() / 2 - pic.Width() / 2;
    const int top = rc.height() / 2 - pic.Height() / 2;
    EXPECT_EQ(wnd->canvas.Pixel(left, top), pic.Pixel(0, 0));
    EXPECT_EQ(wnd->canvas.Pixel(left + pic.Width() - 1, top + pic.Height() - 1),
              pic.Pixel(pic.Width() - 1, pic.Height() - 1));
    EXPECT_EQ(wnd->canvas.Pixel(left - 1, top), platform::RGB(192, 192, 192));

    // Whatever later draws over the picture, through the canvas or a painter, the next tick
    // mends it; a tick with nothing drawn changes nothing.
    wnd->EvTimer(kTimerBackground);
    wnd->canvas.FillRect(left, top, left + 4, top + 4, platform::RGB(1, 2, 3));
    wnd->EvTimer(kTimerBackground);
    EXPECT_EQ(wnd->canvas.Pixel(left, top), pic.Pixel(0, 0));
    {
        QPainter painter(&wnd->canvas.Image());
        painter.fillRect(left + pic.Width() - 3, top + pic.Height() - 3, 3, 3, Qt::red);
    }
    wnd->EvTimer(kTimerBackground);
    EXPECT_EQ(wnd->canvas.Pixel(left + pic.Width() - 1, top + pic.Height() - 1),
              pic.Pixel(pic.Width() - 1, pic.Height() - 1));
}

TEST_F(Shell, DatabaseModeHasItsOwnToolbarMenuCaptionAndHint)
{
    app->Frame()->Command(303);
    EXPECT_EQ(wnd->Subject, model::Mode::DataBase);
    EXPECT_EQ(app->Frame()->windowTitle().toStdString(), "Velmoria - [Astronomical Database]");
    EXPECT_EQ(app->Frame()->MenuId(), 204);
    EXPECT_EQ(ToolbarIds(*app->Frame()), ExpectedIds(4));
    EXPECT_EQ(ToolbarIds(*app->Frame()).size(), 21u);
    EXPECT_EQ(app->Frame()->Toolbar()->windowTitle().toStdString(), "Astronomical Database Toolbar");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Astronomical Database");
    EXPECT_EQ(sounds.played.back(), "Sound\\DataBase.wav");
    EXPECT_TRUE(wnd->Timers().IsRunning(kTimerBackground));

    // Commands of the main screen and Exit do nothing here.
    app->Frame()->Command(301);
    app->Frame()->Command(305);
    EXPECT_EQ(wnd->Subject, model::Mode::DataBase);

    app->Frame()->Command(400);
    EXPECT_EQ(wnd->Subject, model::Mode::Main);
    EXPECT_EQ(ToolbarIds(*app->Frame()), ExpectedIds(1));
    EXPECT_EQ(app->Frame()->MenuId(), 201);
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Choose subject for viewing");
    // Return on the main screen does nothing.
    app->Frame()->Command(400);
    EXPECT_EQ(wnd->Subject, model::Mode::Main);
}

TEST_F(Shell, SolarSystemAndStarMapEnterWithTheirToolbarsAndReturn)
{
    app->Frame()->Command(301);
    ASSERT_EQ(wnd->Subject, model::Mode::SolarSystem) << (messages.boxes.empty() ? "" : messages.boxes[0].text);
    EXPECT_EQ(app->Frame()->windowTitle().toStdString(), "Velmoria - [Solar System]");
    EXPECT_EQ(app->Frame()->MenuId(), 202);
    EXPECT_EQ(ToolbarIds(*app->Frame()), ExpectedIds(2));
    EXPECT_EQ(ToolbarIds(*app->Frame()).size(), 16u);
    EXPECT_EQ(app->Frame()->Toolbar()->windowTitle().toStdString(), "Solar System Toolbar");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Solar System model");
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Center : Sun");
    EXPECT_EQ(sounds.played.back(), "Sound\\SolarSystem.wav");
    EXPECT_TRUE(wnd->Timers().IsRunning(kTimerRealTime));
    EXPECT_FALSE(wnd->Timers().IsRunning(kTimerBackground));
    EXPECT_EQ(wnd->BGBitmap, nullptr);
    EXPECT_TRUE(app->Frame()->MenuAction(601)->isChecked());

    app->Frame()->Command(400);
    EXPECT_EQ(wnd->Subject, model::Mode::Main);
    EXPECT_FALSE(wnd->Timers().IsRunning(kTimerRealTime));
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "");
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Date)->Text(), "");

    app->Frame()->Command(302);
    ASSERT_EQ(wnd->Subject, model::Mode::StarMap) << (messages.boxes.empty() ? "" : messages.boxes[0].text);
    EXPECT_EQ(app->Frame()->windowTitle().toStdString(), "Velmoria - [Star Map]");
    EXPECT_EQ(app->Frame()->MenuId(), 203);
    EXPECT_EQ(ToolbarIds(*app->Frame()), ExpectedIds(3));
    EXPECT_EQ(ToolbarIds(*app->Frame()).size(), 23u);
    EXPECT_EQ(app->Frame()->Toolbar()->windowTitle().toStdString(), "Star Map Toolbar");
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Star Map");
    EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Coord)->Text(), "Real Sky Globe");
    EXPECT_EQ(sounds.played.back(), "Sound\\StarMap.wav");
    EXPECT_EQ(wnd->starmap.r, static_cast<int>(wnd->starmap.YCenter) / 2);
    EXPECT_FLOAT_EQ(wnd->starmap.ust, -90.0f); // the meridian of the default place, longitude 0
    EXPECT_TRUE(app->Frame()->MenuAction(501)->isChecked());
    app->Frame()->Command(400);
    EXPECT_EQ(wnd->Subject, model::Mode::Main);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ShellWithoutData, MissingCataloguesAreReportedAndTheMainScreenStays)
{
    app->Frame()->Command(301);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file DATA\\SOLOBJ.DAT");
    EXPECT_EQ(messages.boxes[0].caption, "Velmoria - [Error]");
    EXPECT_EQ(messages.boxes[0].flags, 0x10u);
    EXPECT_EQ(messages.boxes[1].text, "Unable to show Solar System");
    EXPECT_EQ(messages.boxes[1].caption, "Velmoria - [Error]");
    EXPECT_EQ(wnd->Subject, model::Mode::Main);
    EXPECT_EQ(ToolbarIds(*app->Frame()), ExpectedIds(1));
    EXPECT_EQ(app->Frame()->MenuId(), 201);
    EXPECT_TRUE(wnd->Timers().IsRunning(kTimerBackground));
    EXPECT_FALSE(wnd->Timers().IsRunning(kTimerRealTime));
    EXPECT_NE(wnd->BGBitmap, nullptr);
    // The entry had already set the clock to real time, forward, rate 1.
    EXPECT_EQ(wnd->clock.TimeUpdateMode, kRealTime);
    EXPECT_TRUE(wnd->clock.TimeForward);

    messages.boxes.clear();
    app->Frame()->Command(302);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file DATA\\STARS.DAT");
    EXPECT_EQ(messages.boxes[1].text, "Unable to show Star Map");
    EXPECT_EQ(wnd->Subject, model::Mode::Main);
    EXPECT_EQ(ToolbarIds(*app->Frame()), ExpectedIds(1));
    EXPECT_FALSE(wnd->VScrollBar()->isVisible());
}

TEST_F(Shell, SoundSwitchStopsAndRestartsTheModesMusic)
{
    app->Frame()->Command(378);
    EXPECT_FALSE(wnd->Sound);
    EXPECT_EQ(sounds.played.back(), "");
    EXPECT_FALSE(app->Frame()->MenuAction(378)->isChecked());

    // With sound off every mode change plays nothing and leaves the item unchecked.
    const size_t before = sounds.played.size();
    app->Frame()->Command(303);
    EXPECT_EQ(sounds.played.size(), before);
    EXPECT_FALSE(app->Frame()->MenuAction(378)->isChecked());

    app->Frame()->Command(378);
    EXPECT_TRUE(wnd->Sound);
    EXPECT_EQ(sounds.played.back(), "Sound\\DataBase.wav");
    EXPECT_TRUE(app->Frame()->MenuAction(378)->isChecked());
}

TEST_F(Shell, EnablingRulesFollowTheViewsState)
{
    // The rules are consulted only in their own mode.
    wnd->solar.Scale = 5.0f;
    wnd->solar.Playing = true;
    EXPECT_TRUE(wnd->ButtonEnabler(403));
    EXPECT_TRUE(wnd->ButtonEnabler(407));

    wnd->Subject = model::Mode::SolarSystem;
    wnd->solar.Scale = 3.99f;
    EXPECT_TRUE(wnd->ButtonEnabler(403));
    wnd->solar.Scale = 4.0f;
    EXPECT_FALSE(wnd->ButtonEnabler(403));
    wnd->solar.Scale = 0.04f;  // just below 0.04 in double precision
    EXPECT_FALSE(wnd->ButtonEnabler(404));
    wnd->solar.Scale = 0.08f;
    EXPECT_TRUE(wnd->ButtonEnabler(404));
    wnd->clock.TimeUpdateMode = kRealTime;
    wnd->clock.TimeForward = true;
    EXPECT_FALSE(wnd->ButtonEnabler(405));
    EXPECT_FALSE(wnd->ButtonEnabler(406));
    wnd->clock.TimeUpdateMode = kByDays;
    EXPECT_FALSE(wnd->ButtonEnabler(405));
    EXPECT_TRUE(wnd->ButtonEnabler(406));
    wnd->clock.TimeForward = false;
    EXPECT_TRUE(wnd->ButtonEnabler(405));
    EXPECT_FALSE(wnd->ButtonEnabler(406));
    wnd->solar.Playing = true;
    EXPECT_FALSE(wnd->ButtonEnabler(407));
    EXPECT_TRUE(wnd->ButtonEnabler(408));

    wnd->Subject = model::Mode::StarMap;
    wnd->starmap.YCenter = 200.7f;
    wnd->starmap.r = 1299;
    EXPECT_TRUE(wnd->ButtonEnabler(503));
    wnd->starmap.r = 1300;
    EXPECT_FALSE(wnd->ButtonEnabler(503));
    wnd->starmap.r = 34;
    EXPECT_TRUE(wnd->ButtonEnabler(504));
    wnd->starmap.r = 33;
    EXPECT_FALSE(wnd->ButtonEnabler(504));
    wnd->starmap.StPlaying = false;
    EXPECT_TRUE(wnd->ButtonEnabler(507));
    EXPECT_FALSE(wnd->ButtonEnabler(508));
    wnd->starmap.Search = false;
    wnd->starmap.NoMore = false;
    EXPECT_FALSE(wnd->ButtonEnabler(510));
    wnd->starmap.Search = true;
    EXPECT_TRUE(wnd->ButtonEnabler(510));
    wnd->starmap.NoMore = true;
    EXPECT_FALSE(wnd->ButtonEnabler(510));
    wnd->starmap.GlobeSystem = false;
    EXPECT_FALSE(wnd->ButtonEnabler(376));
    wnd->Subject = model::Mode::Main;
    wnd->solar.Playing = false;
}

TEST_F(Shell, AcceleratorsReachTheirCommandsInEveryMode)
{
    QApplication::setActiveWindow(app->Frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->Frame()));
    QTest::keyClick(app->Frame(), Qt::Key_F4);
    EXPECT_EQ(wnd->Subject, model::Mode::DataBase);
    QTest::keyClick(app->Frame(), Qt::Key_Backspace);
    EXPECT_EQ(wnd->Subject, model::Mode::Main);
    QTest::keyClick(app->Frame(), Qt::Key_F1);
    ASSERT_FALSE(help.requests.empty());
    EXPECT_EQ(help.requests.back().file, "Velmoria.hlp");
    EXPECT_EQ(help.requests.back().command, 11u);
    QTest::keyClick(app->Frame(), Qt::Key_F5);
    EXPECT_FALSE(wnd->Sound);
    QTest::keyClick(app->Frame(), Qt::Key_F5);
    EXPECT_TRUE(wnd->Sound);
    // Keys of the views do nothing on the main screen.
    QTest::keyClick(app->Frame(), Qt::Key_Home);
    QTest::keyClick(app->Frame(), Qt::Key_F7);
    QTest::keyClick(app->Frame(), Qt::Key_Enter);
    EXPECT_EQ(wnd->Subject, model::Mode::Main);
}

TEST_F(Shell, ModeChangesLeaveNoMenusOrItemsBehind)
{
    const auto count = [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return std::make_pair(app->Frame()->findChildren<QMenu*>().size(),
                              app->Frame()->findChildren<QAction*>().size());
    };
    app->Frame()->Command(303);
    app->Frame()->Command(400);
    const auto once = count();
    for (int trip = 0; trip < 50; ++trip)
    {
        app->Frame()->Command(303);
        app->Frame()->Command(400);
    }
    EXPECT_EQ(count(), once);
    EXPECT_EQ(app->Frame()->menuBar()->actions().size(), 3);  // Subject, Setup, Help
}

TEST_F(Shell, ShowToolbarDocksAClosedToolbarAtTheTopAgain)
{
    app->Frame()->Toolbar()->hide();
    app->Frame()->removeToolBar(app->Frame()->Toolbar());
    app->Frame()->Command(377);
    EXPECT_FALSE(app->Frame()->Toolbar()->isHidden());
    EXPECT_EQ(app->Frame()->toolBarArea(app->Frame()->Toolbar()), Qt::TopToolBarArea);
    EXPECT_EQ(ToolbarIds(*app->Frame()), ExpectedIds(1));
}

TEST_F(Shell, ExitWritesTheConfigurationBeforeTheFrameGoes)
{
    wnd->Values.LocValues.Lat.Degree = 51;
    app->Frame()->Command(305);
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
        app->Frame()->Command(305);
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
    app->Frame()->Command(302);
    ASSERT_EQ(wnd->Subject, model::Mode::StarMap);
    app->Frame()->Command(502);
    ASSERT_TRUE(wnd->VScrollBar()->isVisible());
    app->Frame()->Command(400);
    EXPECT_EQ(wnd->Subject, model::Mode::Main);
    EXPECT_EQ(wnd->canvas.Pixel(2, 2), platform::RGB(192, 192, 192));
    const QRect rc = wnd->GetClientRect();
    EXPECT_EQ(wnd->canvas.Pixel(rc.width() - 3, rc.height() - 3), platform::RGB(192, 192, 192));
}

TEST_F(Shell, ScrollBarTiltsTheGlobeWithinItsBounds)
{
    struct Case
    {
        int vpos;
        int code;
        int thumb;
        float lat;
        int vposAfter;
    };
    const Case cases[] = {
        {0, SB_LINEUP, 0, 180.0f, 0},       {180, SB_LINEUP, 0, 10.0f, 170},
        {360, SB_LINEDOWN, 0, -180.0f, 360}, {180, SB_LINEDOWN, 0, -10.0f, 190},
        {20, SB_PAGEUP, 0, 180.0f, 0},       {180, SB_PAGEUP, 0, 30.0f, 150},
        {340, SB_PAGEDOWN, 0, -180.0f, 360}, {180, SB_PAGEDOWN, 0, -30.0f, 210},
        {180, SB_THUMBPOSITION, 45, 135.0f, 45},
        {180, SB_ENDSCROLL, 0, 0.0f, 180},
    };
    for (const Case& c : cases)
    {
        wnd->starmap.VPos = c.vpos;
        wnd->starmap.lat = 180.0f - c.vpos;
        wnd->EvVScroll(c.code, c.thumb);
        EXPECT_FLOAT_EQ(wnd->starmap.lat, c.lat) << c.code << " at " << c.vpos;
        EXPECT_EQ(wnd->starmap.VPos, c.vposAfter) << c.code << " at " << c.vpos;
        EXPECT_FLOAT_EQ(wnd->starmap.latCos, static_cast<float>(std::cos(c.lat * 0.017453292519943295)));
    }
}

TEST_F(Shell, HelpCommandsOpenTheirFiles)
{
    app->Frame()->Command(350);
    app->Frame()->Command(352);
    ASSERT_EQ(help.requests.size(), 2u);
    EXPECT_EQ(help.requests[0].file, "Velmoria.hlp");
    EXPECT_EQ(help.requests[0].command, 11u);
    EXPECT_EQ(help.requests[1].file, "Winhlp32.hlp");
    EXPECT_EQ(help.requests[1].command, 4u);
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
        return platform::IDOK;
    });
    app->Frame()->Command(354);
    app->Frame()->Command(354);
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
    app->Frame()->Command(303);
    app->Frame()->Command(354);
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Solar System Data Base");
}

TEST(TitleScreen, ContinueExitAndInfo)
{
    ScratchDir dir;
    dir.LinkAllRuntime();
    MessageRecorder messages;
    SoundRecorder sounds;
    HelpRecorder help;
    {
        TitleDlg title;
        DialogAnswer exit([](platform::Dialog& d) {
            EXPECT_NE(d.Control(2), nullptr);  // the Exit button
            return platform::IDCANCEL;
        });
        EXPECT_EQ(title.Execute(), platform::IDCANCEL);
        EXPECT_EQ(title.windowTitle().toStdString(), "Velmoria - [Title]");
        EXPECT_NE(title.Bitmap, nullptr);
        EXPECT_EQ(sounds.played.back(), "Sound\\Title.wav");
        EXPECT_FALSE(title.Continued());
    }
    EXPECT_EQ(sounds.played.back(), "");  // the music ends with the title screen
    {
        TitleDlg title;
        DialogAnswer info([](platform::Dialog& d) {
            static_cast<TitleDlg&>(d).CmHelp();
            EXPECT_FALSE(d.result() == platform::IDOK);
            static_cast<TitleDlg&>(d).CmOk();
            return d.result();
        });
        EXPECT_EQ(title.Execute(), platform::IDOK);
        EXPECT_TRUE(title.Continued());
    }
    ASSERT_EQ(help.requests.size(), 1u);
    EXPECT_EQ(help.requests[0].command, 1u);
    EXPECT_EQ(help.requests[0].data, 9018u);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists("Velmoria.cfg"));
}

TEST(TitleScreen, MissingPictureIsReportedAndTheButtonsStillWork)
{
    ScratchDir dir;
    MessageRecorder messages;
    SoundRecorder sounds;
    TitleDlg title;
    DialogAnswer ok([](platform::Dialog& d) {
        static_cast<TitleDlg&>(d).CmOk();
        return d.result();
    });
    EXPECT_EQ(title.Execute(), platform::IDOK);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file BITMAP\\TITLE.BMP");
    EXPECT_EQ(messages.boxes[0].caption, "Velmoria - [Error]");
    EXPECT_EQ(title.Bitmap, nullptr);
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
        EXPECT_FALSE(app->Frame()->Client()->Timers().IsRunning(kTimerBackground));
        EXPECT_EQ(app->Frame()->Client()->Subject, model::Mode::Main);
    }
    EXPECT_TRUE(std::filesystem::exists("Velmoria.cfg"));
}

TEST(MainWindow, ResizingAViewMovesItsCentreAndBlacksItOut)
{
    ScratchDir dir;
    SoundRecorder sounds;
    MessageRecorder messages;
    VelmoriaWnd wnd;
    wnd.show();
    wnd.Subject = model::Mode::SolarSystem;
    wnd.resize(400, 300);
    EXPECT_FLOAT_EQ(wnd.solar.XCenter, 200.0f);
    EXPECT_FLOAT_EQ(wnd.solar.YCenter, 150.0f);
    EXPECT_EQ(wnd.canvas.Pixel(10, 10), 0u);
    wnd.resize(301, 201);
    EXPECT_FLOAT_EQ(wnd.solar.XCenter, 150.5f);
    EXPECT_FLOAT_EQ(wnd.solar.YCenter, 100.5f);
    wnd.Subject = model::Mode::Main;
    wnd.resize(200, 100);
    EXPECT_EQ(wnd.canvas.Pixel(10, 10), platform::RGB(192, 192, 192));
}
} // namespace
