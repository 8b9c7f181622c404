#include "time/SimClock.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "time/Calendar.h"

static_assert(kBySeconds == 3202 && kByYears == 3207, "clock modes are the dialog's button ids");

bool SimClock::Step()
{
    ClockUnit unit;
    if (!UnitOfMode(TimeUpdateMode, unit))
        return true;
    // The calendar's carry is taken only when the whole step stays within the years: a step
    // that would pass a bound leaves the clock where it stood, which is also the instant the
    // view has just drawn, so the date shown and the picture agree.
    Time time = CurTime;
    Date date = CurDate;
    if (!StepClock(time, date, unit, TimeForward))
    {
        TimeOut = true;
        return false;
    }
    CurTime = time;
    CurDate = date;
    return true;
}

void SimClock::ShowClock()
{
    ShowTime(CurTime.Hour, CurTime.Minute, CurTime.Second);
    ShowDate(CurDate.Day, CurDate.Month, CurDate.Year);
}

void SimClock::ShowTime(unsigned hh, unsigned mm, unsigned ss)
{
    CurTime = Time{hh, mm, ss};
    host.SetPane(model::Pane::Time, TimePaneText(hh, mm, ss).c_str());
}

void SimClock::ShowDate(unsigned dd, unsigned mm, unsigned yy)
{
    CurDate = Date{dd, mm, yy};
    host.SetPane(model::Pane::Date, DatePaneText(dd, mm, yy).c_str());
}

void SimClock::ShowMode()
{
    const std::string text = ModePaneText(TimeUpdateMode, TimeRate);
    if (!text.empty())
        host.SetPane(model::Pane::Mode, text.c_str());
}

void SimClock::SetupStatusBar()
{
    const platform::LocalDateTime now = platform::CurrentLocalDateTime();
    ShowTime(now.time.Hour, now.time.Minute, now.time.Second);
    ShowDate(now.date.Day, now.date.Month, now.date.Year);
    ShowMode();
    TimeOut = false;
}

void SimClock::SetNormal()
{
    TimeForward = true;
    TimeRate = 1;
    timeStep = 0;
    TimeUpdateMode = kRealTime;
    TimeOut = false;
}

unsigned SimClock::TimerFor(model::Mode view) const
{
    if (TimeUpdateMode == kRealTime)
        return kTimerRealTime;
    return view == model::Mode::StarMap ? kTimerStarMap : kTimerSolar;
}

unsigned SimClock::TimerPeriodMs() const
{
    return TimeUpdateMode == kRealTime ? 1000 : StepPeriodMs(TimeRate);
}

void SimClock::StartAnimation(bool& playing)
{
    if (TimeOut)
    {
        platform::InfoBox(host.Window(), kDateBoundMessage);
        return;
    }
    playing = true;
    if (TimeUpdateMode == kRealTime)
        SetupStatusBar();
    host.SetCursorResource(0);
}

void SimClock::StopAnimation(bool& playing)
{
    playing = false;
    host.SetCursorResource(103);
}

void SimClock::SetTimeDirection(bool forward)
{
    TimeForward = forward;
    TimeOut = false;
}
