// The views as the window shows and keeps them: the picture after a cover, the configuration
// written as soon as it changes, the mouse and the keys on the globe, and the picture saved.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "platform/PictureExport.h"
#include "starmap/Globe.h"
#include "starmap/StarMapApp.h"

#include <QDialogButtonBox>
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

#include "common/AppSupport.h"

using testing_support::IsEnabled;
using testing_support::Trigger;
using testing_support::ViewPicture;

namespace
{
using testing_support::DialogAnswer;

// The whole application with its runtime files, in a scratch working directory, with message
// boxes, sounds and help recorded and the computer's clock fixed.
class ViewWindow : public StarMapApp
{
protected:
    // Enters a view ("solarSystem" or "starMap"), the Review Globe when asked, and stops it.
    void EnterStopped(const char* view, bool reviewGlobe = false)
    {
        Trigger(wnd, view);
        if (reviewGlobe)
            Trigger(wnd, "reviewGlobe");
        Trigger(wnd, "stop");
    }

    // Where the point of the sky that stood in the middle of the globe's front at `t0` is
    // drawn now: right ascension -90 - t0 on the celestial equator.
    QPointF FrontPointNow(double t0) const
    {
        const StarMap& s = wnd->StarView().Map();
        const globe::ScreenPoint p =
            globe::PlaceOnGlobe(s.View(false), globe::Direction(-90.0 - t0, 0.0)).at;
        return QPointF(p.x, p.y);
    }
    void SendMouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QWidget* view = wnd->CurrentView();
        QMouseEvent event(type, at, view->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }

    void SendWheel(int eighths)
    {
        const QPointF at(100, 100);
        QWidget* view = wnd->CurrentView();
        QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, eighths), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &event);
    }
};

TEST_F(ViewWindow, StoppedViewShowsItsWholePictureAgainAfterHelpOrAboutCoveredIt)
{
    DialogAnswer answer([](platform::Dialog&) { return QDialog::Accepted; });
    for (const char* view : {"solarSystem", "starMap"})
        for (const char* cover : {"helpContents", "usingHelp", "about"})
        {
            EnterStopped(view);
            const QImage before = ViewPicture(wnd);
            ASSERT_NE(before.pixel(wnd->width() / 2, wnd->height() / 2) & 0xFFFFFF, 0u)
                << "the view draws in the middle";
            Trigger(wnd, cover);
            EXPECT_EQ(ViewPicture(wnd), before) << view << " after " << cover;
            EXPECT_EQ(wnd->grab().toImage().convertToFormat(before.format()), before);
            Trigger(wnd, "return");
        }
}

TEST_F(ViewWindow, BackgroundPictureStaysWholeWhileHelpOrAboutIsOverIt)
{
    DialogAnswer answer([](platform::Dialog&) { return QDialog::Accepted; });
    for (const char* screen : {"", "dataBase"})
        for (const char* cover : {"helpContents", "usingHelp", "about"})
        {
            if (*screen)
                Trigger(wnd, screen);
            QWidget* view = wnd->CurrentView();
            const QImage before = view->grab().toImage();
            ASSERT_NE(before.pixel(before.width() / 2, before.height() / 2), before.pixel(0, 0))
                << "the picture stands in the middle";
            // What the window shows after the command is what stays on the screen while the
            // help viewer is open.
            Trigger(wnd, cover);
            EXPECT_EQ(view->grab().toImage(), before) << screen << " after " << cover;
            if (*screen)
                Trigger(wnd, "return");
        }
}

TEST_F(ViewWindow, SetupThatStoresNewValuesWritesTheConfigurationAtOnce)
{
    const struct
    {
        const char* view;
        const char* setup;
        bool accept;
    } cases[] = {{"solarSystem", "solarSetup", true},
                 {"starMap", "starMapSetup", true},
                 {"starMap", "starMapSetup", false}};
    for (const auto& c : cases)
    {
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                d.findChild<QCheckBox*>()->toggle();
                if (!c.accept)
                    return QDialog::Rejected;
                d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
                return QDialog::Accepted;
            });
        Trigger(wnd, c.view);
        struct stat before;
        ASSERT_EQ(stat((dir.Path() + "/Velmoria.cfg").c_str(), &before), 0);
        Trigger(wnd, c.setup);
        struct stat after;
        ASSERT_EQ(stat((dir.Path() + "/Velmoria.cfg").c_str(), &after), 0);
        // A written file is a new file that took the old one's name.
        EXPECT_EQ(after.st_ino != before.st_ino, c.accept) << c.setup;
        EXPECT_EQ(dir.Read("Velmoria.cfg"),
                  std::string(reinterpret_cast<const char*>(&wnd->Values), sizeof(::Setup)));
        Trigger(wnd, "return");
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
        EnterStopped("starMap", true);
        const double r0 = wnd->StarView().Map().Radius();
        for (int eighths : c.turns)
            SendWheel(eighths);
        EXPECT_EQ(wnd->StarView().Map().Radius() - r0, c.radiusChange) << c.turns.front();
        Trigger(wnd, "return");
    }
}

TEST_F(ViewWindow, WheelZoomsTheSolarSystemAsItsZoomCommandsDo)
{
    EnterStopped("solarSystem");
    const float start = wnd->solar.Scale();
    Trigger(wnd, "zoomIn");
    const float zoomedIn = wnd->solar.Scale();
    Trigger(wnd, "zoomOut");
    ASSERT_FLOAT_EQ(wnd->solar.Scale(), start);
    SendWheel(120);
    EXPECT_FLOAT_EQ(wnd->solar.Scale(), zoomedIn);
    SendWheel(-120);
    EXPECT_FLOAT_EQ(wnd->solar.Scale(), start);
}

TEST_F(ViewWindow, DraggingTheReviewGlobeCarriesTheSkyWithThePointer)
{
    const struct
    {
        QPoint drag;
    } cases[] = {{{30, 0}}, {{-30, 0}}, {{0, 30}}, {{0, -30}}, {{25, 20}}};
    for (const auto& c : cases)
    {
        EnterStopped("starMap", true);
        const double t0 = wnd->StarView().Map().Rotation();
        const QPointF from = FrontPointNow(t0);
        SendMouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        SendMouse(QEvent::MouseMove, from + c.drag / 2, Qt::NoButton, Qt::LeftButton);
        SendMouse(QEvent::MouseMove, from + c.drag, Qt::NoButton, Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, from + c.drag, Qt::LeftButton, Qt::NoButton);
        // The tilt goes by whole degrees: within 3 pixels at this radius.
        const QPointF now = FrontPointNow(t0);
        EXPECT_NEAR(now.x(), from.x() + c.drag.x(), 3.0) << c.drag.x() << "," << c.drag.y();
        EXPECT_NEAR(now.y(), from.y() + c.drag.y(), 3.0) << c.drag.x() << "," << c.drag.y();
        EXPECT_EQ(wnd->StarView().TiltBar()->value(), wnd->StarView().Map().TiltPosition());
        // A move with the button up turns nothing.
        SendMouse(QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
        EXPECT_NEAR(FrontPointNow(t0).x(), now.x(), 0.5);
        Trigger(wnd, "return");
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
        EnterStopped("starMap", true);
        const double t0 = wnd->StarView().Map().Rotation();
        const QPointF from = FrontPointNow(t0);
        QTest::keyClick(&wnd->StarView(), c.key);
        const QPointF moved = FrontPointNow(t0) - from;
        const auto sign = [](double v) { return std::abs(v) < 1.0 ? 0 : (v > 0 ? 1 : -1); };
        EXPECT_EQ(sign(moved.x()), c.dxSign) << c.key;
        EXPECT_EQ(sign(moved.y()), c.dySign) << c.key;
        Trigger(wnd, "return");
    }
}

TEST_F(ViewWindow, SavePictureWritesAPngOfTheViewsOwnSize)
{
    const struct
    {
        const char* view;
        bool reviewGlobe; // its scroll bar takes width from the view
        const char* name;
    } cases[] = {{"solarSystem", false, "Solar System"},
                 {"starMap", false, "Star Map"},
                 {"starMap", true, "Star Map"}};
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
        Trigger(wnd, "savePicture");
        platform::SetSaveFileChooser({});
        const QImage saved(path + QStringLiteral(".png"), "PNG");
        const QRect client = c.view == std::string("starMap") ? wnd->StarView().ClientRect()
                                                              : wnd->SolarView().rect();
        EXPECT_EQ(saved.size(), client.size()) << c.name;
        EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), ViewPicture(wnd).copy(client));
        EXPECT_TRUE(QFileInfo(suggested).fileName().startsWith(QString::fromLatin1(c.name)));
        EXPECT_TRUE(messages.boxes.empty());
        Trigger(wnd, "return");
    }
}

TEST_F(ViewWindow, SaveAndPrintNameTheirFilesAfterTheViewAndItsClockWithoutSlashes)
{
    const struct
    {
        const char* view;
        const char* name;
    } cases[] = {{"solarSystem", "Solar System 2026-12-07 21-20-50"},
                 {"starMap", "Star Map 2026-12-07 21-20-50"}};
    for (const auto& c : cases)
    {
        EnterStopped(c.view);
        wnd->clock.SetDateTime(Date{7, 12, 2026}, Time{21, 20, 50});
        QString saved;
        const platform::SaveFileChooser previous = platform::SetSaveFileChooser(
            [&](QWidget*, const QString&, const QString& suggested)
            {
                saved = QFileInfo(suggested).fileName();
                return QString();
            });
        Trigger(wnd, "savePicture");
        platform::SetSaveFileChooser(previous);
        EXPECT_EQ(saved.toStdString(), std::string(c.name) + ".png");
        EXPECT_EQ(
            testing_support::AnswerPrintPreview([&] { Trigger(wnd, "printPicture"); })
                .toStdString(),
            c.name);
        Trigger(wnd, "return");
    }
}
TEST_F(ViewWindow, PrintedTitleLineNamesTheViewTheClockAndThePlace)
{
    const struct
    {
        const char* view;
        const char* caption;
        LocationSetup place;
        const char* title;
    } cases[] = {
        {"starMap", "Star Map",
         {{2, 21, 0}, {48, 51, 0}, 1, 0, 0},
         "Star Map \u2014 21/06/2001 \u2014 22:05:09 \u2014 48\u00B0 51' N 2\u00B0 21' E"},
        {"solarSystem", "Solar System",
         {{74, 5, 0}, {33, 9, 0}, 0, 1, 0},
         "Solar System \u2014 21/06/2001 \u2014 22:05:09 \u2014 33\u00B0 09' S 74\u00B0 05' W"},
    };
    for (const auto& c : cases)
    {
        EnterStopped(c.view);
        wnd->Values.LocValues = c.place;
        wnd->clock.SetDateTime(Date{21, 6, 2001}, wnd->clock.CurrentTime());
        wnd->clock.SetDateTime(wnd->clock.CurrentDate(), Time{22, 5, 9});
        EXPECT_EQ(wnd->clock.PictureTitle(QString::fromLatin1(c.caption), wnd->Values).toStdString(),
                  c.title);
        Trigger(wnd, "return");
    }
}
} // namespace
