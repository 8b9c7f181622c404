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
#include <gtest/gtest.h>
#include <memory>

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
std::vector<int> ToolbarIds()
{
    std::vector<int> ids;
    for (QAction* a : cb->actions())
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
        Subject = 0;
        PreviousSubject = 0;
        app = std::make_unique<VelmoriaApp>();
        app->InitMainWindow(false);
        frame->resize(800, 600);
        frame->show();
        wnd = frame->Client();
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
    EXPECT_EQ(Subject, 1);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Velmoria - [Main]");
    EXPECT_EQ(frame->MenuId(), 201);
    EXPECT_EQ(ToolbarIds(), (std::vector<int>{301, 302, 0, 303, 0, 305}));
    EXPECT_EQ(cb->windowTitle().toStdString(), "Main Toolbar");
    EXPECT_EQ(sb->HintText(), "Choose subject for viewing");
    EXPECT_EQ(sounds.played.back(), "Sound\\Main.wav");
    EXPECT_TRUE(wnd->Timers().IsRunning(kTimerBackground));
    EXPECT_NE(wnd->BGBitmap, nullptr);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(GetMenuState(GetMenu(), 378), MF_CHECKED);
    EXPECT_EQ(frame->toolBarArea(cb), Qt::TopToolBarArea);
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
    frame->Command(303);
    EXPECT_EQ(Subject, 4);
    EXPECT_EQ(PreviousSubject, 1);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Velmoria - [Astronomical Database]");
    EXPECT_EQ(frame->MenuId(), 204);
    EXPECT_EQ(ToolbarIds(), ExpectedIds(4));
    EXPECT_EQ(ToolbarIds().size(), 21u);
    EXPECT_EQ(cb->windowTitle().toStdString(), "Astronomical Database Toolbar");
    EXPECT_EQ(sb->HintText(), "Viewing Astronomical Database");
    EXPECT_EQ(sounds.played.back(), "Sound\\DataBase.wav");
    EXPECT_TRUE(wnd->Timers().IsRunning(kTimerBackground));

    // Commands of the main screen and Exit do nothing here.
    frame->Command(301);
    frame->Command(305);
    EXPECT_EQ(Subject, 4);

    frame->Command(400);
    EXPECT_EQ(Subject, 1);
    EXPECT_EQ(ToolbarIds(), ExpectedIds(1));
    EXPECT_EQ(frame->MenuId(), 201);
    EXPECT_EQ(sb->HintText(), "Choose subject for viewing");
    // Return on the main screen does nothing.
    frame->Command(400);
    EXPECT_EQ(Subject, 1);
}

TEST_F(Shell, SolarSystemAndStarMapEnterWithTheirToolbarsAndReturn)
{
    frame->Command(301);
    ASSERT_EQ(Subject, 2) << (messages.boxes.empty() ? "" : messages.boxes[0].text);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Velmoria - [Solar System]");
    EXPECT_EQ(frame->MenuId(), 202);
    EXPECT_EQ(ToolbarIds(), ExpectedIds(2));
    EXPECT_EQ(ToolbarIds().size(), 16u);
    EXPECT_EQ(cb->windowTitle().toStdString(), "Solar System Toolbar");
    EXPECT_EQ(sb->HintText(), "Viewing Solar System model");
    EXPECT_EQ(sbCoord->Text(), "Center : Sun");
    EXPECT_EQ(sounds.played.back(), "Sound\\SolarSystem.wav");
    EXPECT_TRUE(wnd->Timers().IsRunning(kTimerRealTime));
    EXPECT_FALSE(wnd->Timers().IsRunning(kTimerBackground));
    EXPECT_EQ(wnd->BGBitmap, nullptr);
    EXPECT_EQ(GetMenuState(GetMenu(), 601), MF_CHECKED);

    frame->Command(400);
    EXPECT_EQ(Subject, 1);
    EXPECT_FALSE(wnd->Timers().IsRunning(kTimerRealTime));
    EXPECT_EQ(sbCoord->Text(), "");
    EXPECT_EQ(sbDate->Text(), "");

    frame->Command(302);
    ASSERT_EQ(Subject, 3) << (messages.boxes.empty() ? "" : messages.boxes[0].text);
    EXPECT_EQ(frame->windowTitle().toStdString(), "Velmoria - [Star Map]");
    EXPECT_EQ(frame->MenuId(), 203);
    EXPECT_EQ(ToolbarIds(), ExpectedIds(3));
    EXPECT_EQ(ToolbarIds().size(), 23u);
    EXPECT_EQ(cb->windowTitle().toStdString(), "Star Map Toolbar");
    EXPECT_EQ(sb->HintText(), "Viewing Star Map");
    EXPECT_EQ(sbCoord->Text(), "Really Sky Globe");
    EXPECT_EQ(sounds.played.back(), "Sound\\StarMap.wav");
    EXPECT_EQ(wnd->r, static_cast<int>(wnd->YCenter) / 2);
    EXPECT_FLOAT_EQ(wnd->ust, -90.0f); // the meridian of the default place, longitude 0
    EXPECT_EQ(GetMenuState(GetMenu(), 501), MF_CHECKED);
    frame->Command(400);
    EXPECT_EQ(Subject, 1);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ShellWithoutData, MissingCataloguesAreReportedAndTheMainScreenStays)
{
    frame->Command(301);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file DATA\\SOLOBJ.DAT");
    EXPECT_EQ(messages.boxes[0].caption, "Velmoria - [Error]");
    EXPECT_EQ(messages.boxes[0].flags, 0x10u);
    EXPECT_EQ(messages.boxes[1].text, "Unable to show Solar System");
    EXPECT_EQ(messages.boxes[1].caption, "Velmoria - [Error]");
    EXPECT_EQ(Subject, 1);
    EXPECT_EQ(ToolbarIds(), ExpectedIds(1));
    EXPECT_EQ(frame->MenuId(), 201);
    EXPECT_TRUE(wnd->Timers().IsRunning(kTimerBackground));
    EXPECT_FALSE(wnd->Timers().IsRunning(kTimerRealTime));
    EXPECT_NE(wnd->BGBitmap, nullptr);
    // The entry had already set the clock to real time, forward, rate 1.
    EXPECT_EQ(wnd->TimeUpdateMode, kRealTime);
    EXPECT_TRUE(wnd->TimeForward);

    messages.boxes.clear();
    frame->Command(302);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file DATA\\STARS.DAT");
    EXPECT_EQ(messages.boxes[1].text, "Unable to show Star Map");
    EXPECT_EQ(Subject, 1);
    EXPECT_EQ(ToolbarIds(), ExpectedIds(1));
    EXPECT_FALSE(wnd->VScrollBar()->isVisible());
}

TEST_F(Shell, SoundSwitchStopsAndRestartsTheModesMusic)
{
    frame->Command(378);
    EXPECT_FALSE(Sound);
    EXPECT_EQ(sounds.played.back(), "");
    EXPECT_EQ(GetMenuState(GetMenu(), 378), 0u);

    // With sound off every mode change plays nothing and leaves the item unchecked.
    const size_t before = sounds.played.size();
    frame->Command(303);
    EXPECT_EQ(sounds.played.size(), before);
    EXPECT_EQ(GetMenuState(GetMenu(), 378), 0u);

    frame->Command(378);
    EXPECT_TRUE(Sound);
    EXPECT_EQ(sounds.played.back(), "Sound\\DataBase.wav");
    EXPECT_EQ(GetMenuState(GetMenu(), 378), MF_CHECKED);
}

TEST_F(Shell, EnablingRulesFollowTheViewsState)
{
    // The rules are consulted only in their own mode.
    wnd->Scale = 5.0f;
    wnd->Playing = true;
    EXPECT_TRUE(wnd->ButtonEnabler(403));
    EXPECT_TRUE(wnd->ButtonEnabler(407));

    Subject = 2;
    wnd->Scale = 3.99f;
    EXPECT_TRUE(wnd->ButtonEnabler(403));
    wnd->Scale = 4.0f;
    EXPECT_FALSE(wnd->ButtonEnabler(403));
    wnd->Scale = 0.04f;  // just below 0.04 in double precision
    EXPECT_FALSE(wnd->ButtonEnabler(404));
    wnd->Scale = 0.08f;
    EXPECT_TRUE(wnd->ButtonEnabler(404));
    wnd->TimeUpdateMode = kRealTime;
    wnd->TimeForward = true;
    EXPECT_FALSE(wnd->ButtonEnabler(405));
    EXPECT_FALSE(wnd->ButtonEnabler(406));
    wnd->TimeUpdateMode = kByDays;
    EXPECT_FALSE(wnd->ButtonEnabler(405));
    EXPECT_TRUE(wnd->ButtonEnabler(406));
    wnd->TimeForward = false;
    EXPECT_TRUE(wnd->ButtonEnabler(405));
    EXPECT_FALSE(wnd->ButtonEnabler(406));
    wnd->Playing = true;
    EXPECT_FALSE(wnd->ButtonEnabler(407));
    EXPECT_TRUE(wnd->ButtonEnabler(408));

    Subject = 3;
    wnd->YCenter = 200.7f;
    wnd->r = 1299;
    EXPECT_TRUE(wnd->ButtonEnabler(503));
    wnd->r = 1300;
    EXPECT_FALSE(wnd->ButtonEnabler(503));
    wnd->r = 34;
    EXPECT_TRUE(wnd->ButtonEnabler(504));
    wnd->r = 33;
    EXPECT_FALSE(wnd->ButtonEnabler(504));
    wnd->StPlaying = false;
    EXPECT_TRUE(wnd->ButtonEnabler(507));
    EXPECT_FALSE(wnd->ButtonEnabler(508));
    wnd->Search = false;
    wnd->NoMore = false;
    EXPECT_FALSE(wnd->ButtonEnabler(510));
    wnd->Search = true;
    EXPECT_TRUE(wnd->ButtonEnabler(510));
    wnd->NoMore = true;
    EXPECT_FALSE(wnd->ButtonEnabler(510));
    wnd->GlobeSystem = false;
    EXPECT_FALSE(wnd->ButtonEnabler(376));
    Subject = 1;
    wnd->Playing = false;
}

TEST_F(Shell, AcceleratorsReachTheirCommandsInEveryMode)
{
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QTest::keyClick(frame, Qt::Key_F4);
    EXPECT_EQ(Subject, 4);
    QTest::keyClick(frame, Qt::Key_Backspace);
    EXPECT_EQ(Subject, 1);
    QTest::keyClick(frame, Qt::Key_F1);
    ASSERT_FALSE(help.requests.empty());
    EXPECT_EQ(help.requests.back().file, "Velmoria.hlp");
    EXPECT_EQ(help.requests.back().command, 11u);
    QTest::keyClick(frame, Qt::Key_F5);
    EXPECT_FALSE(Sound);
    QTest::keyClick(frame, Qt::Key_F5);
    EXPECT_TRUE(Sound);
    // Keys of the views do nothing on the main screen.
    QTest::keyClick(frame, Qt::Key_Home);
    QTest::keyClick(frame, Qt::Key_F7);
    QTest::keyClick(frame, Qt::Key_Enter);
    EXPECT_EQ(Subject, 1);
}

TEST_F(Shell, ModeChangesLeaveNoMenusOrItemsBehind)
{
    const auto count = [this] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return std::make_pair(frame->findChildren<QMenu*>().size(),
                              frame->findChildren<QAction*>().size());
    };
    frame->Command(303);
    frame->Command(400);
    const auto once = count();
    for (int trip = 0; trip < 50; ++trip)
    {
        frame->Command(303);
        frame->Command(400);
    }
    EXPECT_EQ(count(), once);
    EXPECT_EQ(frame->menuBar()->actions().size(), 3);  // Subject, Setup, Help
}

TEST_F(Shell, ShowToolbarDocksAClosedToolbarAtTheTopAgain)
{
    cb->hide();
    frame->removeToolBar(cb);
    frame->Command(377);
    EXPECT_FALSE(cb->isHidden());
    EXPECT_EQ(frame->toolBarArea(cb), Qt::TopToolBarArea);
    EXPECT_EQ(ToolbarIds(), ExpectedIds(1));
}

TEST_F(Shell, ExitWritesTheConfigurationBeforeTheFrameGoes)
{
    wnd->Values.LocValues.Lat.Degree = 51;
    frame->Command(305);
    bool exists = false;
    const std::string bytes = dir.Read("Velmoria.cfg", &exists);
    ASSERT_TRUE(exists);
    ASSERT_EQ(bytes.size(), 31u);
    EXPECT_EQ(static_cast<uint8_t>(bytes[25]), 51);
    EXPECT_FALSE(frame->isVisible());
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
        {"read-only directory", false, 0, 31},
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
                EXPECT_TRUE(frame && frame->isVisible() && frame->Client() == wnd) << c.what;
                seen.push_back(r.text + " | " + r.caption);
            });
        frame->Command(305);
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
    frame->Command(302);
    ASSERT_EQ(Subject, 3);
    frame->Command(502);
    ASSERT_TRUE(wnd->VScrollBar()->isVisible());
    frame->Command(400);
    EXPECT_EQ(Subject, 1);
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
        wnd->VPos = c.vpos;
        wnd->lat = 180.0f - c.vpos;
        wnd->EvVScroll(c.code, c.thumb);
        EXPECT_FLOAT_EQ(wnd->lat, c.lat) << c.code << " at " << c.vpos;
        EXPECT_EQ(wnd->VPos, c.vposAfter) << c.code << " at " << c.vpos;
        EXPECT_FLOAT_EQ(wnd->latCos, static_cast<float>(std::cos(c.lat * 0.017453292519943295)));
    }
}

TEST_F(Shell, HelpCommandsOpenTheirFiles)
{
    frame->Command(350);
    frame->Command(352);
    ASSERT_EQ(help.requests.size(), 2u);
    EXPECT_EQ(help.requests[0].file, "Velmoria.hlp");
    EXPECT_EQ(help.requests[0].command, 11u);
    EXPECT_EQ(help.requests[1].file, "Winhlp32.hlp");
    EXPECT_EQ(help.requests[1].command, 4u);
}

TEST_F(Shell, AboutShowsTheProgramFilesVersionTextsEachTimeItOpens)
{
    std::vector<QString> seen;
    std::string hintWhileOpen;
    DialogAnswer answer([&](platform::Dialog& d) {
        auto& about = static_cast<AboutDlg&>(d);
        seen.push_back(about.Line(10002) + "|" + about.Line(10005) + "|" + about.Line(10003) +
                       "|" + about.Line(10004));
        hintWhileOpen = sb->HintText();
        EXPECT_FALSE(about.Bitmap.isNull());
        return platform::IDOK;
    });
    frame->Command(354);
    frame->Command(354);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], seen[1]);
    // The test program carries a version block with a product name and no product version
    // (tests/app/projectversion_test.cpp): the version and author lines keep their texts.
    EXPECT_EQ(seen[0].toStdString(), "Version|Written by ||");
    EXPECT_EQ(hintWhileOpen, "About 'Velmoria' program");
    EXPECT_EQ(sb->HintText(), "Choose subject for viewing");
    frame->Command(303);
    frame->Command(354);
    EXPECT_EQ(sb->HintText(), "Viewing Solar System Data Base");
}

TEST(TitleScreen, ContinueExitAndInfo)
{
    ScratchDir dir;
    dir.LinkAllRuntime();
    MessageRecorder messages;
    SoundRecorder sounds;
    HelpRecorder help;
    Continue = false;
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
    }
    EXPECT_FALSE(Continue);
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
    }
    EXPECT_TRUE(Continue);
    ASSERT_EQ(help.requests.size(), 1u);
    EXPECT_EQ(help.requests[0].command, 1u);
    EXPECT_EQ(help.requests[0].data, 9018u);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists("Velmoria.cfg"));
    Continue = false;
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
    Continue = false;
}

TEST(MainWindow, MaximizedFrameKeepsItsRestoreSizeInTheMiddleOfTheScreen)
{
    ScratchDir dir;
    dir.LinkAllRuntime();
    MessageRecorder messages;
    SoundRecorder sounds;
    Subject = 0;
    PreviousSubject = 0;
    VelmoriaApp app;
    app.InitMainWindow(true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    QCoreApplication::processEvents();
    ASSERT_TRUE(frame->isMaximized());
    const QRect area = frame->screen()->availableGeometry();
    EXPECT_GT(frame->width(), 690);
    const QRect restore = frame->normalGeometry();
    EXPECT_EQ(restore.size(), QSize(690, 490));
    EXPECT_LE((restore.center() - area.center()).manhattanLength(), 4);
    // Maximized by the platform, or restored by the user: the frame is left as it stands.
    const QRect maximized = frame->geometry();
    frame->FillScreenUnlessMaximized();
    EXPECT_EQ(frame->geometry(), maximized);
    frame->showNormal();
    QCoreApplication::processEvents();
    frame->FillScreenUnlessMaximized();
    EXPECT_EQ(frame->size(), QSize(690, 490));
}

TEST(MainWindow, MissingBackgroundPictureLeavesAPlainGreyScreen)
{
    ScratchDir dir;
    MessageRecorder messages;
    SoundRecorder sounds;
    Subject = 0;
    PreviousSubject = 0;
    {
        VelmoriaApp app;
        app.InitMainWindow(false);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, "Unable to open file BITMAP\\BACKGND.BMP");
        EXPECT_FALSE(frame->Client()->Timers().IsRunning(kTimerBackground));
        EXPECT_EQ(Subject, 1);
    }
    EXPECT_TRUE(std::filesystem::exists("Velmoria.cfg"));
}

TEST(MainWindow, ResizingAViewMovesItsCentreAndBlacksItOut)
{
    ScratchDir dir;
    SoundRecorder sounds;
    MessageRecorder messages;
    const uint8_t saved = Subject;
    VelmoriaWnd wnd;
    wnd.show();
    Subject = 2;
    wnd.resize(400, 300);
    EXPECT_FLOAT_EQ(wnd.XCenter, 200.0f);
    EXPECT_FLOAT_EQ(wnd.YCenter, 150.0f);
    EXPECT_EQ(wnd.canvas.Pixel(10, 10), 0u);
    wnd.resize(301, 201);
    EXPECT_FLOAT_EQ(wnd.XCenter, 150.5f);
    EXPECT_FLOAT_EQ(wnd.YCenter, 100.5f);
    Subject = 1;
    wnd.resize(200, 100);
    EXPECT_EQ(wnd.canvas.Pixel(10, 10), platform::RGB(192, 192, 192));
    Subject = saved;
}
} // namespace
