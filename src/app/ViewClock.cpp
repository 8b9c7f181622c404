// The simulated clock of the main window: stepping, the status-bar panes, the animation timers
// and the run-control commands Time Update and Normal Conditions.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "time/Calendar.h"
#include "time/TimeUpdateDlg.h"

#include <QScrollBar>
#include <cmath>

static_assert(kBySeconds == 3202 && kByYears == 3207, "clock modes are the dialog's button ids");

namespace
{
constexpr double kDegToRad = 0.017453292519943295;
constexpr const char* kDateBoundMessage = "Out from date bound !!!";
} // namespace

void VelmoriaWnd::TimeCalculate()
{
    ClockUnit unit;
    if (UnitOfMode(TimeUpdateMode, unit) && !StepClock(CurTime, CurDate, unit, TimeForward))
    {
        TimeOut = true;
        // Stop first: timer events keep arriving while the message box is open.
        if (Subject == 2)
            CmStop();
        else if (Subject == 3)
            CmStStop();
        platform::InfoBox(this, kDateBoundMessage);
    }
    ShowTime(CurTime.Hour, CurTime.Minute, CurTime.Second);
    ShowDate(CurDate.Day, CurDate.Month, CurDate.Year);
}

uint8_t VelmoriaWnd::GetMaxDays(uint8_t mm, uint16_t yy) const
{
    return MonthLength(mm, yy);
}

void VelmoriaWnd::ShowTime(unsigned hh, unsigned mm, unsigned ss)
{
    CurTime = Time{hh, mm, ss};
    if (sbTime)
        sbTime->SetText(TimePaneText(hh, mm, ss).c_str());
}

void VelmoriaWnd::ShowDate(unsigned dd, unsigned mm, unsigned yy)
{
    CurDate = Date{dd, mm, yy};
    if (sbDate)
        sbDate->SetText(DatePaneText(dd, mm, yy).c_str());
}

void VelmoriaWnd::ShowMode()
{
    const std::string text = ModePaneText(TimeUpdateMode, TimeRate);
    if (!text.empty() && sbMode)
        sbMode->SetText(text.c_str());
}

void VelmoriaWnd::SetupStatusBar()
{
    const platform::LocalDateTime now = platform::CurrentLocalDateTime();
    ShowTime(now.time.Hour, now.time.Minute, now.time.Second);
    ShowDate(now.date.Day, now.date.Month, now.date.Year);
    ShowMode();
    TimeOut = false;
}

void VelmoriaWnd::StartClockTimer()
{
    if (TimeUpdateMode == kRealTime)
        SetTimer(kTimerRealTime, 1000);
    else if (Subject == 3)
        SetTimer(kTimerStarMap, StepPeriodMs(TimeRate));
    else if (Subject == 2)
        SetTimer(kTimerSolar, StepPeriodMs(TimeRate));
}

void VelmoriaWnd::StopClockTimer()
{
    if (TimeUpdateMode == kRealTime)
        KillTimer(kTimerRealTime);
    else if (Subject == 3)
        KillTimer(kTimerStarMap);
    else if (Subject == 2)
        KillTimer(kTimerSolar);
}

void VelmoriaWnd::ShowRealTimeFrame()
{
    // Only the view on screen may move: a playing flag left over from another view (an entry
    // that failed while reading its data) must not wake a stopped one.
    const bool solar = Subject == 2 && Playing;
    const bool starMap = Subject == 3 && StPlaying;
    if (!solar && !starMap)
        return;
    const platform::LocalDateTime now = platform::CurrentLocalDateTime();
    const uint64_t instant = ClockInstant(now.date, now.time);
    ShowTime(now.time.Hour, now.time.Minute, now.time.Second);
    ShowDate(now.date.Day, now.date.Month, now.date.Year);
    if (starMap)
    {
        UpdateStarAngles(instant, now.utcOffset);
        ShowStarMap();
    }
    else
    {
        UpdateSolAngles(instant);
        ShowSolSyst();
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
        const bool starMap = timerId == kTimerStarMap;
        if (starMap ? !(Subject == 3 && StPlaying) : !(Subject == 2 && Playing))
            return;
        // Draw the clock as it stands, then step it: the first tick after a start shows the
        // starting moment.
        const uint64_t instant = ClockInstant(CurDate, CurTime);
        const bool reversed =
            (TimeForward && instant < timeStep) || (!TimeForward && instant > timeStep);
        if (starMap)
        {
            if (reversed)
                RebaseStarAngles();
            UpdateStarAngles(instant);
            ShowStarMap();
        }
        else
        {
            if (reversed)
                RebaseSolAngles(instant);
            UpdateSolAngles(instant);
            ShowSolSyst();
        }
        TimeCalculate();
        timeStep = instant;
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
    if (Subject != 2 && Subject != 3)
        return;
    SetHint("Updating time mode and time value");
    bool wasPlaying;
    if (Subject == 2)
    {
        wasPlaying = Playing;
        CmStop();
    }
    else
    {
        wasPlaying = StPlaying;
        CmStStop();
    }
    StopClockTimer();
    Present();
    bool set = false;
    {
        TimeUpdateDlg dlg(this, &CurTime, &CurDate, &TimeUpdateMode, &TimeRate);
        set = dlg.Execute() == platform::IDOK;
    }
    // A clock set anew stands within the date bounds (the dialog takes the years 1901 to
    // 2999, or the computer's clock), so Go may start again. The real-time clock cannot
    // stand beyond a bound either, and in Real Time no direction command is enabled that
    // could clear the flag: Go would refuse for good.
    if (set || TimeUpdateMode == kRealTime)
        TimeOut = false;
    ShowMode();
    BlackOut();
    // A stopped view shows the clock just set at once: no tick comes to show it.
    if (set && !wasPlaying)
        ShowClockNow();
    if (Subject == 2)
    {
        if (wasPlaying)
            CmGo();
        else
            ShowSolSyst();
        SetHint("Viewing Solar System model");
    }
    else
    {
        if (wasPlaying)
            CmStGo();
        else
        {
            ClearGlobeFlags();
            ShowStarMap();
        }
        SetHint("Viewing Star Map");
    }
    StartClockTimer();
}

void VelmoriaWnd::ShowClockNow()
{
    if (TimeUpdateMode == kRealTime)
        SetupStatusBar();
    else
    {
        ShowTime(CurTime.Hour, CurTime.Minute, CurTime.Second);
        ShowDate(CurDate.Day, CurDate.Month, CurDate.Year);
    }
    const uint64_t instant = ClockInstant(CurDate, CurTime);
    if (Subject == 3)
        UpdateStarAngles(instant);
    else if (Subject == 2)
        UpdateSolAngles(instant);
}

void VelmoriaWnd::CmNormal()
{
    if (Subject != 2 && Subject != 3)
    {
        // Main screen and database: nothing animates here and no clock timer belongs here,
        // so only the clock is put back to Real Time, forward, rate 1. The picture is left
        // alone (a black fill would leave the margins of the background picture black).
        TimeForward = true;
        TimeRate = 1;
        timeStep = 0;
        TimeUpdateMode = kRealTime;
        TimeOut = false;
        return;
    }
    BlackOut();
    // Back to the computer's clock, forward: neither can stand beyond a date bound, and in
    // Real Time no direction command could clear the flag afterwards.
    TimeOut = false;
    if (Subject == 2)
    {
        Scale = 1.0f;
        if (TimeUpdateMode != kRealTime)
            KillTimer(kTimerSolar);
        CmGo();
        SystemCenter = 0;
        ShowSystemCenter();
        for (SolObjects& body : SolObj)
        {
            body.X = body.Y = 0;
            body.tAng = body.ust = 0;
        }
    }
    else
    {
        SetLatitudeFromSetup();
        SetSkyOffsets();
        if (!GlobeSystem)
        {
            VPos = 180;
            if (QScrollBar* bar = VScrollBar())
            {
                bar->setRange(0, 360);
                bar->setValue(180);
            }
            lat = 0;
        }
        const QRect rc = GetClientRect();
        r = static_cast<uint16_t>(static_cast<int>((rc.top() + rc.top() + rc.height()) * 0.25));
        latCos = static_cast<float>(std::cos(lat * kDegToRad));
        latSin = static_cast<float>(std::sin(lat * kDegToRad));
        if (TimeUpdateMode != kRealTime)
            KillTimer(kTimerStarMap);
        CmStGo();
    }
    TimeForward = true;
    TimeRate = 1;
    timeStep = 0;
    if (TimeUpdateMode != kRealTime)
    {
        TimeUpdateMode = kRealTime;
        SetTimer(kTimerRealTime, 1000);
    }
    ShowMode();
    // The view was blacked out: show the present moment now rather than with the next tick.
    ShowRealTimeFrame();
}

void VelmoriaWnd::StartAnimation(bool& playing)
{
    if (TimeOut)
    {
        platform::InfoBox(this, "Out from date bound !!!");
        return;
    }
    playing = true;
    if (TimeUpdateMode == kRealTime)
        SetupStatusBar();
    SetCursorResource(0);
}

void VelmoriaWnd::StopAnimation(bool& playing)
{
    playing = false;
    SetCursorResource(103);
}

void VelmoriaWnd::SetTimeDirection(bool forward)
{
    TimeForward = forward;
    TimeOut = false;
}
