// The one client window of the main frame. It owns the whole state of the program: the
// configuration, the simulated clock, the Solar System, the Star Map and the database view,
// each a type of its own that it holds by value, and it handles every command but Show
// Toolbar by delegating to them. The views reach the window only through model::ViewHost.
#pragma once

#include "database/DataBaseView.h"
#include "model/Config.h"
#include "model/ViewHost.h"
#include "platform/Bitmaps.h"
#include "platform/Canvas.h"
#include "platform/Timers.h"
#include "solar/SolarSystem.h"
#include "starmap/StarMap.h"
#include "time/SimClock.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <cstring>
#include <memory>

class QScrollBar;

class VelmoriaWnd : public QWidget, public model::ViewHost
{
    Q_OBJECT
public:
    explicit VelmoriaWnd(QWidget* parent = nullptr);
    ~VelmoriaWnd() override;
    // Starts the main screen's music and background picture.
    void SetupWindow();
    // The end of the program, run once while the frame is whole: tears down the current mode,
    // writes the configuration (its messages shown over the window) and stops the sound.
    void ShutDown();

    // Runs the handler of command `id` (menus, toolbar and accelerators all come here).
    void DispatchCommand(int id);
    // The enabling rule of command `id` in the current mode.
    bool ButtonEnabler(int id) const;

    // ---- the main screen and the change of subject ----
    void CmSolarSystem();
    void CmStarMap();
    void CmDBSolar();
    void CmExit(int id);
    void CmSound();
    void CmContentsHelp();
    void CmUsingHelp();
    void CmAbout();
    // Makes the main screen current: its toolbar, caption, menu, music and hint.
    void RestoreMain();
    void DestroyMain();
    // Tears down whatever mode is current (`exit`: at program end, the panes are left as
    // they are).
    void DestroyMode(bool exit);
    void DestroySolarSystem(bool exit);
    void DestroyStarMap(bool exit);
    void DestroyDataBase();
    void SetBckGndPicture();
    // Copies the background picture to the middle of the window (timer 4).
    void ShowBckGndPicture();

    // ---- the clock as the views run it ----
    void EvTimer(unsigned timerId);
    // The real-time frame of the view on screen while it plays: the clock := the computer's,
    // then the view drawn for it (each tick of timer 2, and at once on entering a view).
    void ShowRealTimeFrame();
    void CmTimeUpdate();
    // The panes and the view's angles from the clock as it stands (in Real Time, the
    // computer's clock), for a stopped view whose clock was just set.
    void ShowClockNow();
    void CmNormal();
    // Starts the clock timer that fits the mode and view: timer 2 every 1000 ms in Real Time,
    // else timer 1 (Star Map) or 3 (Solar System) every TimeRate ms, at least 30.
    void StartClockTimer();
    // Stops the clock timer that the mode and view run (timer 2, 1 or 3).
    void StopClockTimer();
    // Real sky (501) or review globe (502).
    void ChangeSystem(int id);

    void EvSize();
    void EvVScroll(int scrollCode, int thumbPos);
    void EvRButtonDown(QPoint point);
    // The Review Globe turned about its axis by `turnDegrees` (positive moves the stars in
    // front to the left) and tilted to scroll position `vpos` (0..360), then drawn.
    void TurnReviewGlobe(double turnDegrees, int vpos);

    // ---- the view on paper ----
    // The picture of the view on screen: the canvas at the size of the client area.
    QImage ViewPicture() const;
    // The printed title line: the view's name, the clock's date and time, the observer's
    // place.
    QString PictureTitle() const;
    void CmSavePicture();
    void CmCopyPicture();
    void CmPrintPicture();

    void ReadCFG();
    void StoreCFG();
    // Runs a setup command's dialog (`run`) and writes the configuration at once when it
    // stored new values, so that they outlive a program that does not reach its exit.
    template <typename Run> void StoreCFGAfter(Run run)
    {
        const Setup before = Values;
        run();
        if (std::memcmp(&before, &Values, sizeof before) != 0)
            StoreCFG();
    }

    void SetTimer(unsigned id, unsigned periodMs) { timers.SetTimer(id, periodMs); }
    void KillTimer(unsigned id) { timers.KillTimer(id); }
    const platform::WindowTimers& Timers() const { return timers; }
    // Caption, menu and music of the mode just entered (the sound item unchecked when off).
    void ShowModeFrame(const char* caption, int menuId);

    // ---- state (names as designed) ----
    Setup Values{};
    model::Mode Subject = model::Mode::None;
    bool Sound = true; // background music on
    SimClock clock{*this};
    SolarSystem solar{*this, Values, clock};
    StarMap starmap{*this, Values, clock};
    DataBaseView database{*this};
    std::unique_ptr<platform::Bitmap> BGBitmap;

signals:
    // What the frame shows: the caption and menu of the mode entered, the toolbar of the
    // subject, a status-bar pane, a menu check mark; and the end of the program.
    void FrameChanged(const QString& caption, int menuId);
    void SubjectChanged();
    void PaneTextChanged(model::Pane pane, const QString& text);
    void CommandChecked(int id, bool checked);
    void ExitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // The window after a dialog or the help covered it: a view's canvas is whole and is only
    // shown again; the main screen and the database are erased for their picture's timer.
    void ShowAgainAfterCover();
    bool InReviewGlobe() const;
    // The view on screen cannot go on: torn down, and the main screen comes back.
    void LeaveCurrentView();

    platform::WindowTimers timers{this};
    // The canvas and picture as the background timer last found them whole, and where.
    qint64 bgCheckedKey = 0;
    qint64 bgSourceKey = 0;
    QPoint bgCheckedAt;
    bool shutDown = false;
    // The wheel's turn not yet worth a whole zoom step, in eighths of a degree.
    int wheelRest = 0;
    // A left-button drag on the Review Globe: where it began, and the scroll position then.
    bool dragging = false;
    QPoint dragFrom;
    QPoint dragLast;
    int dragVPos = 180;
};
