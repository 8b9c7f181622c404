// The views as the simulated clock runs them: the real-time and stepping ticks, the run
// controls both views share, Time Update and Normal Conditions. The clock and each view keep
// their own state; this is where the window puts them together.
#include "app/VelmoriaWnd.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "resources/CommandIds.h"
#include "time/TimeUpdateDlg.h"

#include <QScrollBar>

using model::Mode;

void VelmoriaWnd::StartClockTimer()
{
    if (Subject == Mode::SolarSystem || Subject == Mode::StarMap)
        SetTimer(clock.TimerFor(Subject), clock.TimerPeriodMs());
}

void VelmoriaWnd::StopClockTimer()
{
    if (Subject == Mode::SolarSystem || Subject == Mode::StarMap)
        KillTimer(clock.TimerFor(Subject));
}

void VelmoriaWnd::ShowRealTimeFrame()
{
    // Only the view on screen may move: a playing flag left over from another view (an entry
    // that failed while reading its data) must not wake a stopped one.
    const bool solarView = Subject == Mode::SolarSystem && solar.Playing;
    const bool starView = Subject == Mode::StarMap && starmap.StPlaying;
    if (!solarView && !starView)
        return;
    const platform::LocalDateTime now = platform::CurrentLocalDateTime();
    const uint64_t instant = ClockInstant(now.date, now.time);
    clock.ShowTime(now.time.Hour, now.time.Minute, now.time.Second);
    clock.ShowDate(now.date.Day, now.date.Month, now.date.Year);
    if (starView)
    {
        starmap.UpdateStarAngles(instant, now.utcOffset);
        starmap.ShowStarMap();
    }
    else
    {
        solar.UpdateSolAngles(instant);
        solar.ShowSolSyst();
    }
}

void VelmoriaWnd::EvTimer(unsigned timerId)
{
    switch (timerId)
    {
    case kTimerRealTime:
        ShowRealTimeFrame();
        return;
    case kTimerStarMap:
    case kTimerSolar:
    {
        const bool starView = timerId == kTimerStarMap;
        if (starView ? !(Subject == Mode::StarMap && starmap.StPlaying)
                     : !(Subject == Mode::SolarSystem && solar.Playing))
            return;
        // Draw the clock as it stands, then step it: the first tick after a start shows the
        // starting moment.
        const uint64_t instant = clock.Instant();
        const bool reversed = (clock.TimeForward && instant < clock.timeStep) ||
                              (!clock.TimeForward && instant > clock.timeStep);
        if (starView)
        {
            if (reversed)
                starmap.RebaseStarAngles();
            starmap.UpdateStarAngles(instant);
            starmap.ShowStarMap();
        }
        else
        {
            solar.UpdateSolAngles(instant);
            solar.ShowSolSyst();
        }
        if (!clock.Step())
        {
            // Stop first: timer events keep arriving while the message box is open.
            if (starView)
                starmap.CmStStop();
            else
                solar.CmStop();
            platform::InfoBox(this, kDateBoundMessage);
        }
        clock.ShowClock();
        clock.timeStep = instant;
        return;
    }
    case kTimerBackground:
        ShowBckGndPicture();
        return;
    default:
        return;
    }
}

void VelmoriaWnd::CmTimeUpdate()
{
    if (Subject != Mode::SolarSystem && Subject != Mode::StarMap)
        return;
    SetHint("Updating time mode and time value");
    bool wasPlaying;
    if (Subject == Mode::SolarSystem)
    {
        wasPlaying = solar.Playing;
        solar.CmStop();
    }
    else
    {
        wasPlaying = starmap.StPlaying;
        starmap.CmStStop();
    }
    StopClockTimer();
    Present();
    bool set = false;
    {
        TimeUpdateDlg dlg(this, &clock.CurTime, &clock.CurDate, &clock.TimeUpdateMode,
                          &clock.TimeRate);
        set = dlg.Execute() == platform::IDOK;
    }
    // A clock set anew stands within the date bounds (the dialog takes the years 1901 to
    // 2999, or the computer's clock), so Go may start again. The real-time clock cannot
    // stand beyond a bound either, and in Real Time no direction command is enabled that
    // could clear the flag: Go would refuse for good.
    if (set || clock.TimeUpdateMode == kRealTime)
        clock.TimeOut = false;
    clock.ShowMode();
    BlackOut();
    // A stopped view shows the clock just set at once: no tick comes to show it.
    if (set && !wasPlaying)
        ShowClockNow();
    if (Subject == Mode::SolarSystem)
    {
        if (wasPlaying)
            solar.CmGo();
        else
            solar.ShowSolSyst();
        SetHint("Viewing Solar System model");
    }
    else
    {
        if (wasPlaying)
            starmap.CmStGo();
        else
        {
            starmap.ClearGlobeFlags();
            starmap.ShowStarMap();
        }
        SetHint("Viewing Star Map");
    }
    StartClockTimer();
}

void VelmoriaWnd::ShowClockNow()
{
    if (clock.TimeUpdateMode == kRealTime)
        clock.SetupStatusBar();
    else
        clock.ShowClock();
    const uint64_t instant = clock.Instant();
    if (Subject == Mode::StarMap)
        starmap.UpdateStarAngles(instant);
    else if (Subject == Mode::SolarSystem)
        solar.UpdateSolAngles(instant);
}

void VelmoriaWnd::CmNormal()
{
    if (Subject != Mode::SolarSystem && Subject != Mode::StarMap)
    {
        // Main screen and database: nothing animates here and no clock timer belongs here,
        // so only the clock is put back to Real Time, forward, rate 1. The picture is left
        // alone (a black fill would leave the margins of the background picture black).
        clock.SetNormal();
        return;
    }
    BlackOut();
    // Back to the computer's clock, forward: neither can stand beyond a date bound, and in
    // Real Time no direction command could clear the flag afterwards.
    clock.TimeOut = false;
    if (clock.TimeUpdateMode != kRealTime)
        KillTimer(clock.TimerFor(Subject));
    if (Subject == Mode::SolarSystem)
    {
        solar.CmGo();
        solar.Normal();
    }
    else
    {
        starmap.Normal();
        if (!starmap.GlobeSystem)
        {
            VScrollBar()->setRange(0, 360);
            VScrollBar()->setValue(starmap.VPos);
        }
        starmap.CmStGo();
    }
    const bool wasRealTime = clock.TimeUpdateMode == kRealTime;
    clock.SetNormal();
    if (!wasRealTime)
        SetTimer(kTimerRealTime, 1000);
    clock.ShowMode();
    // The view was blacked out: show the present moment now rather than with the next tick.
    ShowRealTimeFrame();
}

void VelmoriaWnd::ChangeSystem(int id)
{
    if (Subject != Mode::StarMap)
        return;
    const bool realSky = id != cmd::kReviewGlobe;
    starmap.SetGlobeSystem(realSky);
    CmNormal();
    SetPane(model::Pane::Coord, realSky ? "Real Sky Globe" : "Review Globe");
    InvalidateErase();
    // The window is clean: the next frame must erase nothing, and it comes now.
    starmap.ClearGlobeFlags();
    ShowRealTimeFrame();
}
