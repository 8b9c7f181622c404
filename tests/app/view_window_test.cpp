// The views as the window shows and keeps them: the picture after a cover, the configuration
// written as soon as it changes, the mouse and the keys on the globe, and the picture saved.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "platform/PictureExport.h"
#include "resources/CommandIds.h"
#include "starmap/Globe.h"
#include "starmap/StarMapApp.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace
{
using testing_support::DialogAnswer;

// The whole application with its runtime files, in a scratch working directory, with message
// boxes, sounds and help recorded and the computer's clock fixed.
class ViewWindow : public StarMapApp
{
protected:
    // Enters a view (301 or 302), the Review Globe when asked, and stops it.
    void EnterStopped(int view, bool reviewGlobe = false)
    {
        wnd->DispatchCommand(view);
        if (reviewGlobe)
            wnd->DispatchCommand(cmd::kReviewGlobe);
        wnd->DispatchCommand(view == cmd::kStarMap ? cmd::kStStop : cmd::kStop);
    }

    // Where the point of the sky that stood in the middle of the globe's front at `t0` is
    // drawn now: right ascension -90 - t0 on the celestial equator.
    QPointF FrontPointNow(double t0) const
    {
        const StarMap& s = wnd->starmap;
        const globe::View view{s.XCenter, s.YCenter, s.r, s.lat, s.latCos, s.latSin};
        const globe::ScreenPoint p = globe::Project(view, s.t + (-90.0 - t0), 1.0, 0.0);
        return QPointF(p.x, p.y);
    }

    void SendMouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, wnd->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(wnd, &event);
    }

    void SendWheel(int eighths)
    {
        const QPointF at(100, 100);
        QWheelEvent event(at, wnd->mapToGlobal(at), QPoint(), QPoint(0, eighths), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(wnd, &event);
    }
};

TEST_F(ViewWindow, StoppedViewShowsItsWholePictureAgainAfterHelpOrAboutCoveredIt)
{
    DialogAnswer answer([](platform::Dialog&) { return platform::IDOK; });
    for (int view : {cmd::kSolarSystem, cmd::kStarMap})
        for (int cover : {cmd::kHelpContents, cmd::kHelpOnHelp, cmd::kAbout})
        {
            EnterStopped(view);
            const QImage before = wnd->canvas.Image().copy();
            ASSERT_NE(before.pixel(wnd->width() / 2, wnd->height() / 2) & 0xFFFFFF, 0u)
                << "the view draws in the middle";
            wnd->DispatchCommand(cover);
            EXPECT_EQ(wnd->canvas.Image(), before) << view << " after " << cover;
            EXPECT_EQ(wnd->grab().toImage().convertToFormat(before.format()), before);
            wnd->DispatchCommand(cmd::kReturn);
        }
}

TEST_F(ViewWindow, BackgroundPictureStaysWholeWhileHelpOrAboutIsOverIt)
{
    DialogAnswer answer([](platform::Dialog&) { return platform::IDOK; });
    for (int screen : {0, cmd::kDataBase})
        for (int cover : {cmd::kHelpContents, cmd::kHelpOnHelp, cmd::kAbout})
        {
            if (screen)
                wnd->DispatchCommand(screen);
            wnd->EvTimer(kTimerBackground);
            const QImage before = wnd->canvas.Image().copy();
            ASSERT_NE(before.pixel(wnd->width() / 2, wnd->height() / 2), before.pixel(0, 0))
                << "the picture stands in the middle";
            // No timer runs here: what the window shows after the command is what stays on
            // the screen while the help viewer is open.
            wnd->DispatchCommand(cover);
            EXPECT_EQ(wnd->canvas.Image(), before) << screen << " after " << cover;
            EXPECT_EQ(wnd->grab().toImage().convertToFormat(before.format()), before);
            if (screen)
                wnd->DispatchCommand(cmd::kReturn);
        }
}

TEST_F(ViewWindow, SetupThatStoresNewValuesWritesTheConfigurationAtOnce)
{
    const struct
    {
        int view;
        int setup;
        bool accept;
    } cases[] = {{cmd::kSolarSystem, cmd::kSolarSetup, true},
                 {cmd::kStarMap, cmd::kStarMapSetup, true},
                 {cmd::kStarMap, cmd::kStarMapSetup, false}};
    for (const auto& c : cases)
    {
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                d.findChild<QCheckBox*>()->toggle();
                if (!c.accept)
                    return platform::IDCANCEL;
                d.ControlAs<QPushButton>(platform::IDOK)->click();
                return platform::IDOK;
            });
        wnd->DispatchCommand(c.view);
        struct stat before;
        ASSERT_EQ(stat((dir.Path() + "/Velmoria.cfg").c_str(), &before), 0);
        wnd->DispatchCommand(c.setup);
        struct stat after;
        ASSERT_EQ(stat((dir.Path() + "/Velmoria.cfg").c_str(), &after), 0);
        // A written file is a new file that took the old one's name.
        EXPECT_EQ(after.st_ino != before.st_ino, c.accept) << c.setup;
        EXPECT_EQ(dir.Read("Velmoria.cfg"),
                  std::string(reinterpret_cast<const char*>(&wnd->Values), sizeof(::Setup)));
        wnd->DispatchCommand(cmd::kReturn);
    }
}

TEST_F(ViewWindow, WheelZoomsTheGlobeOneStepPerNotch)
{
    // The globe's zoom step is 20 pixels of radius; a notch is 120 eighths of a degree.
    const struct
    {
        std::vector<int> turns;
        int radiusChange;
    } cases[] = {{{120}, 20}, {{360}, 60}, {{-240}, -40}, {{60, 60}, 20}, {{60}, 0}};
    for (const auto& c : cases)
    {
        EnterStopped(cmd::kStarMap, true);
        const int r0 = wnd->starmap.r;
        for (int eighths : c.turns)
            SendWheel(eighths);
        EXPECT_EQ(wnd->starmap.r - r0, c.radiusChange) << c.turns.front();
        wnd->DispatchCommand(cmd::kReturn);
    }
}

TEST_F(ViewWindow, WheelZoomsTheSolarSystemAsItsZoomCommandsDo)
{
    EnterStopped(cmd::kSolarSystem);
    const float start = wnd->solar.Scale;
    wnd->DispatchCommand(cmd::kZoomIn);
    const float zoomedIn = wnd->solar.Scale;
    wnd->DispatchCommand(cmd::kZoomOut);
    ASSERT_FLOAT_EQ(wnd->solar.Scale, start);
    SendWheel(120);
    EXPECT_FLOAT_EQ(wnd->solar.Scale, zoomedIn);
    SendWheel(-120);
    EXPECT_FLOAT_EQ(wnd->solar.Scale, start);
}

TEST_F(ViewWindow, DraggingTheReviewGlobeCarriesTheSkyWithThePointer)
{
    const struct
    {
        QPoint drag;
    } cases[] = {{{30, 0}}, {{-30, 0}}, {{0, 30}}, {{0, -30}}, {{25, 20}}};
    for (const auto& c : cases)
    {
        EnterStopped(cmd::kStarMap, true);
        const double t0 = wnd->starmap.t;
        const QPointF from = FrontPointNow(t0);
        SendMouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        SendMouse(QEvent::MouseMove, from + c.drag / 2, Qt::NoButton, Qt::LeftButton);
        SendMouse(QEvent::MouseMove, from + c.drag, Qt::NoButton, Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, from + c.drag, Qt::LeftButton, Qt::NoButton);
        // The tilt goes by whole degrees: within 3 pixels at this radius.
        const QPointF now = FrontPointNow(t0);
        EXPECT_NEAR(now.x(), from.x() + c.drag.x(), 3.0) << c.drag.x() << "," << c.drag.y();
        EXPECT_NEAR(now.y(), from.y() + c.drag.y(), 3.0) << c.drag.x() << "," << c.drag.y();
        EXPECT_EQ(wnd->VScrollBar()->value(), wnd->starmap.VPos);
        // A move with the button up turns nothing.
        SendMouse(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
        EXPECT_NEAR(FrontPointNow(t0).x(), now.x(), 0.5);
        wnd->DispatchCommand(cmd::kReturn);
    }
}

TEST_F(ViewWindow, ArrowKeysTurnAndTiltTheReviewGlobe)
{
    const struct
    {
        Qt::Key key;
        int dxSign;
        int dySign;
    } cases[] = {
        {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};
    for (const auto& c : cases)
    {
        EnterStopped(cmd::kStarMap, true);
        const double t0 = wnd->starmap.t;
        const QPointF from = FrontPointNow(t0);
        QTest::keyClick(wnd, c.key);
        const QPointF moved = FrontPointNow(t0) - from;
        const auto sign = [](double v) { return std::abs(v) < 1.0 ? 0 : (v > 0 ? 1 : -1); };
        EXPECT_EQ(sign(moved.x()), c.dxSign) << c.key;
        EXPECT_EQ(sign(moved.y()), c.dySign) << c.key;
        wnd->DispatchCommand(cmd::kReturn);
    }
}

TEST_F(ViewWindow, SavePictureWritesAPngOfTheViewsOwnSize)
{
    const struct
    {
        int view;
        bool reviewGlobe; // its scroll bar takes width from the view
        const char* name;
    } cases[] = {{cmd::kSolarSystem, false, "Solar System"},
                 {cmd::kStarMap, false, "Star Map"},
                 {cmd::kStarMap, true, "Star Map"}};
    for (const auto& c : cases)
    {
        QString suggested;
        const QString path = QString::fromStdString(dir.Path() + "/picture");
        platform::SetSaveFileChooser(
            [&](QWidget*, const QString&, const QString& s)
            {
                suggested = s;
                return path;
            });
        EnterStopped(c.view, c.reviewGlobe);
        app->Frame()->Command(cmd::kSavePicture);
        platform::SetSaveFileChooser({});
        const QImage saved(path + QStringLiteral(".png"), "PNG");
        const QRect client = wnd->GetClientRect();
        EXPECT_EQ(saved.size(), client.size()) << c.name;
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
                  wnd->canvas.Image().copy(client).convertToFormat(QImage::Format_RGB32));
        EXPECT_TRUE(QFileInfo(suggested).fileName().startsWith(QString::fromLatin1(c.name)));
        EXPECT_TRUE(messages.boxes.empty());
        wnd->DispatchCommand(cmd::kReturn);
    }
}

TEST_F(ViewWindow, SaveAndPrintNameTheirFilesAfterTheViewAndItsClockWithoutSlashes)
{
    const struct
    {
        int view;
        const char* name;
    } cases[] = {{cmd::kSolarSystem, "Solar System 2026-12-07 21-20-50"},
                 {cmd::kStarMap, "Star Map 2026-12-07 21-20-50"}};
    for (const auto& c : cases)
    {
        EnterStopped(c.view);
        wnd->clock.CurDate = Date{7, 12, 2026};
        wnd->clock.CurTime = Time{21, 20, 50};
        QString saved;
        const platform::SaveFileChooser previous = platform::SetSaveFileChooser(
            [&](QWidget*, const QString&, const QString& suggested)
            {
                saved = QFileInfo(suggested).fileName();
                return QString();
            });
        app->Frame()->Command(cmd::kSavePicture);
        platform::SetSaveFileChooser(previous);
        EXPECT_EQ(saved.toStdString(), std::string(c.name) + ".png");
        EXPECT_EQ(
            testing_support::AnswerPrintPreview([&] { app->Frame()->Command(cmd::kPrintPicture); })
                .toStdString(),
            c.name);
        wnd->DispatchCommand(cmd::kReturn);
    }
}
TEST_F(ViewWindow, PrintedTitleLineNamesTheViewTheClockAndThePlace)
{
    const struct
    {
        int view;
        LocationSetup place;
        const char* title;
    } cases[] = {
        {cmd::kStarMap,
         {{2, 21, 0}, {48, 51, 0}, 1, 0, 0},
         "Star Map \u2014 21/06/2001 \u2014 22:05:09 \u2014 48\u00B0 51' N 2\u00B0 21' E"},
        {cmd::kSolarSystem,
         {{74, 5, 0}, {33, 9, 0}, 0, 1, 0},
         "Solar System \u2014 21/06/2001 \u2014 22:05:09 \u2014 33\u00B0 09' S 74\u00B0 05' W"},
    };
    for (const auto& c : cases)
    {
        EnterStopped(c.view);
        wnd->Values.LocValues = c.place;
        wnd->clock.CurDate = Date{21, 6, 2001};
        wnd->clock.CurTime = Time{22, 5, 9};
        EXPECT_EQ(wnd->PictureTitle().toStdString(), c.title);
        wnd->DispatchCommand(cmd::kReturn);
    }
}
} // namespace
