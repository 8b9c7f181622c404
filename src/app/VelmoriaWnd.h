// The one client window of the main frame. It holds the configuration and the simulated clock
// and composes the views (the main screen, the Solar System, the Star Map, the database), one of
// which is on screen at a time. It carries out the commands that every view shows (Return, Time
// Update, Normal Conditions, Sound, Help, About) and runs the clock's ticks for the view on
// screen; each view owns its own commands and state.
#pragma once

#include "almanac/AlmanacView.h"
#include "app/ClockRunner.h"
#include "app/MainScreen.h"
#include "database/DataBaseView.h"
#include "model/Config.h"
#include "model/View.h"
#include "solar/SolarSystemView.h"
#include "starmap/StarMapView.h"
#include "time/SimClock.h"

#include <QString>
#include <QWidget>
#include <cstdint>
#include <cstring>
#include <vector>

class QStackedLayout;

class VelmoriaWnd : public QWidget
{
    Q_OBJECT
public:
    explicit VelmoriaWnd(QWidget* parent = nullptr);
    ~VelmoriaWnd() override;
    // Starts the main screen's music.
    void SetupWindow();
    // The end of the program, run once while the frame is whole: tears down the current mode,
    // writes the configuration (its messages shown over the window) and stops the sound.
    void ShutDown();

    // The subject on screen and its view.
    model::Mode Subject() const { return subject; }
    model::View* CurrentView() const;
    // The commands that every view shows and the window carries out.
    const model::SharedActions& Shared() const { return shared; }

    // ---- the main screen and the change of subject ----
    // Opens the view of `subject` from the main screen (nothing happens elsewhere).
    void EnterSubject(model::Mode subject);
    // F6: the Almanac over the main screen or a view; from a view that a row of the Almanac
    // opened, back to the Almanac.
    void OpenAlmanac();
    // A row of the Almanac: its moment (UT Julian date) in `where`, the clock stopped there;
    // Return comes back to the Almanac.
    void ShowAlmanacRow(double julianDateUt, almanac::SkyView where);
    // Return: the screen on top closes (its view is torn down unless it stays open below) and
    // the screen it was opened from comes back.
    void CmReturn();
    void CmSound();
    void CmContentsHelp();
    void CmUsingHelp();
    void CmAbout();
    // Makes the main screen current: its picture, caption, menus, music and hint.
    void RestoreMain();

    // ---- the clock as the views run it ----
    void EvTimer(unsigned timerId) { runner.Tick(timerId); }
    void ShowRealTimeFrame() { runner.ShowRealTimeFrame(); }
    void CmTimeUpdate();
    void ShowClockNow() { runner.ShowClockNow(); }
    void CmNormal();
    void StartClockTimer() { runner.Start(); }
    void StopClockTimer() { runner.Stop(); }

    void ReadCFG();
    void StoreCFG();

    void SetTimer(unsigned id, unsigned periodMs) { runner.Timers().SetTimer(id, periodMs); }
    void KillTimer(unsigned id) { runner.Timers().KillTimer(id); }
    const platform::WindowTimers& Timers() const { return runner.Timers(); }

    // ---- state ----
    Setup Values{};
    bool Sound = true; // background music on
    SimClock clock;

private:
    MainScreen* mainScreen;
    SolarSystemView* solarView;
    StarMapView* starMapView;
    DataBaseView* dataBaseView;
    AlmanacView* almanacView;

public:
    // The views' own subsystems.
    SolarSystem& solar;

    // Every view the window composes.
    std::vector<model::View*> Views() const
    {
        return {mainScreen, solarView, starMapView, dataBaseView, almanacView};
    }
    AlmanacView& Almanac() const { return *almanacView; }
    SolarSystemView& SolarView() const { return *solarView; }
    StarMapView& StarView() const { return *starMapView; }
    MainScreen& Main() const { return *mainScreen; }

signals:
    // What the frame shows: the caption, menus and toolbar of the view on screen, a pane of the
    // status bar; and the end of the program.
    void FrameChanged();
    void PaneTextChanged(model::Pane pane, const QString& text);
    void ExitRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateSharedActions();
    // The view of `subject`, or null for none.
    model::View* ViewOf(model::Mode subject) const;
    // The animated view of `which` (the Solar System or the Star Map), or null.
    model::ClockView* AsClockView(model::Mode which) const;
    // The animated view on screen, or null.
    model::ClockView* ClockViewOnScreen() const;
    // Opens the view of `which` over the screen on top; false (the screen left as it was) when
    // it cannot be shown.
    bool OpenView(model::Mode which);
    // The screen on top closes: its clock timer stops and, unless it stays open below, its
    // view is torn down (`exit`: at program end, the panes are left as they are).
    void CloseTopScreen(bool exit);
    // The screen now on top comes back as it stood.
    void ShowTopScreen();
    // Location Choice from the Almanac: the observer's place, the pages worked out again.
    void ChooseAlmanacLocation();
    // Puts the view of `subject` on screen with its frame and music.
    void ShowSubject(model::Mode subject);
    void DestroyMode(bool exit);

    model::Mode subject = model::Mode::None;
    // The screens opened over each other, the main screen at the bottom, the one shown on top.
    std::vector<model::Mode> screens;
    QStackedLayout* stack;
    model::SharedActions shared{};
    ClockRunner runner{clock, this};
    bool shutDown = false;
};
