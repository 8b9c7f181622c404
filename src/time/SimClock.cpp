#include "time/SimClock.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/PictureExport.h"
#include "time/Calendar.h"

static_assert(kBySeconds == 3202 && kByYears == 3207, "clock modes are the dialog's button ids");

bool SimClock::Step()
{
    ClockUnit unit;
    if (!UnitOfMode(mode, unit))
        return true;
    // The calendar's carry is taken only when the whole step stays within the years: a step
    // that would pass a bound leaves the clock where it stood, which is also the instant the
    // view has just drawn, so the date shown and the picture agree.
    Time time = curTime;
    Date date = curDate;
    if (!StepClock(time, date, unit, forward))
    {
        SetTimedOut(true);
        return false;
    }
    curTime = time;
    curDate = date;
    return true;
}

void SimClock::ShowClock()
{
    SetDateTime(curDate, curTime);
}

void SimClock::SetDateTime(const Date& date, const Time& time)
{
    ShowTime(time.Hour, time.Minute, time.Second);
    ShowDate(date.Day, date.Month, date.Year);
}

void SimClock::SetMode(int newMode, uint16_t newRate)
{
    mode = newMode;
    rate = newRate;
    ShowMode();
    emit Changed();
}

void SimClock::Apply(const ClockSetting& setting)
{
    curTime = setting.time;
    curDate = setting.date;
    timeOut = false;
    SetMode(setting.mode, setting.rate);
}

void SimClock::SetTimedOut(bool out)
{
    timeOut = out;
    emit Changed();
}

void SimClock::SetRealTimeForward()
{
    mode = kRealTime;
    forward = true;
    rate = 1;
    emit Changed();
}

bool SimClock::RanAgainstDirection(uint64_t instant) const
{
    return (forward && instant < lastStep) || (!forward && instant > lastStep);
}

void SimClock::ShowTime(unsigned hh, unsigned mm, unsigned ss)
{
    curTime = Time{hh, mm, ss};
    emit PaneChanged(model::Pane::Time, QString::fromStdString(TimePaneText(hh, mm, ss)));
}

void SimClock::ShowDate(unsigned dd, unsigned mm, unsigned yy)
{
    curDate = Date{dd, mm, yy};
    emit PaneChanged(model::Pane::Date, QString::fromStdString(DatePaneText(dd, mm, yy)));
}

void SimClock::ShowMode()
{
    const std::string text = ModePaneText(mode, rate);
    if (!text.empty())
        emit PaneChanged(model::Pane::Mode, QString::fromStdString(text));
}

void SimClock::SetupStatusBar()
{
    const platform::LocalDateTime now = platform::CurrentLocalDateTime();
    SetDateTime(now.date, now.time);
    ShowMode();
    timeOut = false;
    emit Changed();
}

void SimClock::SetNormal()
{
    lastStep = 0;
    timeOut = false;
    SetRealTimeForward();
}

unsigned SimClock::TimerFor(model::Mode view) const
{
    if (mode == kRealTime)
        return kTimerRealTime;
    return view == model::Mode::StarMap ? kTimerStarMap : kTimerSolar;
}

unsigned SimClock::TimerPeriodMs() const
{
    return mode == kRealTime ? 1000 : StepPeriodMs(rate);
}

bool SimClock::StartAnimation(bool& playing, QWidget* parent)
{
    if (timeOut)
    {
        platform::InfoBox(parent, kDateBoundMessage);
        return false;
    }
    playing = true;
    if (mode == kRealTime)
        SetupStatusBar();
    emit AnimationChanged();
    return true;
}

void SimClock::StopAnimation(bool& playing)
{
    playing = false;
    emit AnimationChanged();
}

void SimClock::SetTimeDirection(bool forwardInTime)
{
    forward = forwardInTime;
    timeOut = false;
    emit Changed();
}

namespace
{
// "48° 51' N 2° 21' E": the observer's place as the location dialog stores it.
QString PlaceText(const LocationSetup& loc)
{
    const auto angle = [](const Coordinate& c, char hemisphere)
    {
        return QStringLiteral("%1\u00B0 %2' %3")
            .arg(c.Degree)
            .arg(c.Minute, 2, 10, QLatin1Char('0'))
            .arg(QLatin1Char(hemisphere));
    };
    return angle(loc.Lat, loc.North ? 'N' : 'S') + QLatin1Char(' ') +
           angle(loc.Lon, loc.West ? 'W' : 'E');
}
} // namespace

QString SimClock::PictureTitle(const QString& caption, const Setup& values) const
{
    return platform::PictureTitleLine(
        caption,
        QString::fromStdString(DatePaneText(curDate.Day, curDate.Month, curDate.Year)).trimmed(),
        QString::fromStdString(TimePaneText(curTime.Hour, curTime.Minute, curTime.Second))
            .trimmed(),
        PlaceText(values.LocValues));
}
