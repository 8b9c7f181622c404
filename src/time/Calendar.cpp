#include "time/Calendar.h"

#include <cstdio>

namespace
{
// Each helper performs its unit's step and, when the unit wraps, the carry (borrow) into the
// next unit up. Only the year can fail: that is the date bound.

// A month or year step lands on a month that may be shorter than the day: the day becomes that
// month's last, so that the clock never shows a date that does not exist (31 February) and the
// views draw the date the status bar shows.
bool KeepDayWithinMonth(Date& d, bool stepped)
{
    const uint8_t last = MonthLength(d.Month, d.Year);
    if (d.Day > last)
        d.Day = last;
    return stepped;
}

bool YearForward(Date& d)
{
    if (d.Year < kLastClockYear)
    {
        ++d.Year;
        return true;
    }
    return false;
}

bool MonthForward(Date& d)
{
    if (d.Month < 12)
    {
        ++d.Month;
        return true;
    }
    d.Month = 1;
    return YearForward(d);
}

bool DayForward(Date& d)
{
    if (d.Day < MonthLength(d.Month, d.Year))
    {
        ++d.Day;
        return true;
    }
    d.Day = 1;
    return MonthForward(d);
}

bool HourForward(Time& t, Date& d)
{
    if (t.Hour < 23)
    {
        ++t.Hour;
        return true;
    }
    t.Hour = 0;
    return DayForward(d);
}

bool MinuteForward(Time& t, Date& d)
{
    if (t.Minute < 59)
    {
        ++t.Minute;
        return true;
    }
    t.Minute = 0;
    return HourForward(t, d);
}

bool SecondForward(Time& t, Date& d)
{
    if (t.Second < 59)
    {
        ++t.Second;
        return true;
    }
    t.Second = 0;
    return MinuteForward(t, d);
}

bool YearBack(Date& d)
{
    if (d.Year > kFirstClockYear)
    {
        --d.Year;
        return true;
    }
    return false;
}

bool MonthBack(Date& d)
{
    if (d.Month > 1)
    {
        --d.Month;
        return true;
    }
    d.Month = 12;
    return YearBack(d);
}

bool DayBack(Date& d)
{
    if (d.Day > 1)
    {
        --d.Day;
        return true;
    }
    if (d.Month > 1)
    {
        --d.Month;
        d.Day = MonthLength(d.Month, d.Year);
        return true;
    }
    d.Month = 12;
    d.Day = MonthLength(12, d.Year);
    return YearBack(d);
}

bool HourBack(Time& t, Date& d)
{
    if (t.Hour > 0)
    {
        --t.Hour;
        return true;
    }
    t.Hour = 23;
    return DayBack(d);
}

bool MinuteBack(Time& t, Date& d)
{
    if (t.Minute > 0)
    {
        --t.Minute;
        return true;
    }
    t.Minute = 59;
    return HourBack(t, d);
}

bool SecondBack(Time& t, Date& d)
{
    if (t.Second > 0)
    {
        --t.Second;
        return true;
    }
    t.Second = 59;
    return MinuteBack(t, d);
}

// One part of a pane text: at least two digits.
std::string TwoDigits(unsigned v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, v > 9 ? "%2u" : "0%u", v);
    return buf;
}
} // namespace

bool UnitOfMode(int mode, ClockUnit& unit)
{
    switch (mode)
    {
    case 3202:
        unit = ClockUnit::Second;
        return true;
    case 3203:
        unit = ClockUnit::Minute;
        return true;
    case 3204:
        unit = ClockUnit::Hour;
        return true;
    case 3205:
        unit = ClockUnit::Day;
        return true;
    case 3206:
        unit = ClockUnit::Month;
        return true;
    case 3207:
        unit = ClockUnit::Year;
        return true;
    default:
        return false;
    }
}

uint8_t MonthLength(uint32_t month, uint32_t year)
{
    for (uint8_t days : {31, 30, 29})
        if (DayWithinMonth(days, month, year))
            return days;
    return 28;
}

bool StepClock(Time& time, Date& date, ClockUnit unit, bool forward)
{
    if (forward)
    {
        switch (unit)
        {
        case ClockUnit::Second:
            return SecondForward(time, date);
        case ClockUnit::Minute:
            return MinuteForward(time, date);
        case ClockUnit::Hour:
            return HourForward(time, date);
        case ClockUnit::Day:
            return DayForward(date);
        case ClockUnit::Month:
            return KeepDayWithinMonth(date, MonthForward(date));
        case ClockUnit::Year:
            return KeepDayWithinMonth(date, YearForward(date));
        }
        return true;
    }
    switch (unit)
    {
    case ClockUnit::Second:
        return SecondBack(time, date);
    case ClockUnit::Minute:
        return MinuteBack(time, date);
    case ClockUnit::Hour:
        return HourBack(time, date);
    case ClockUnit::Day:
        return DayBack(date);
    case ClockUnit::Month:
        return KeepDayWithinMonth(date, MonthBack(date));
    case ClockUnit::Year:
        return KeepDayWithinMonth(date, YearBack(date));
    }
    return true;
}

std::string TimePaneText(unsigned hh, unsigned mm, unsigned ss)
{
    return "   " + TwoDigits(hh) + ":" + TwoDigits(mm) + ":" + TwoDigits(ss);
}

std::string DatePaneText(unsigned dd, unsigned mm, unsigned yy)
{
    char year[16];
    std::snprintf(year, sizeof year, "%4u", yy);
    return "   " + TwoDigits(dd) + "/" + TwoDigits(mm) + "/" + year;
}

std::string ModePaneText(int mode, unsigned rateMs)
{
    const char* prefix = nullptr;
    const char* suffix = " msec. )";
    switch (mode)
    {
    case 3201:
        return " Real Time";
    case 3202:
        prefix = " by Seconds ( ";
        break;
    case 3203:
        prefix = " by Minutes ( ";
        break;
    case 3204:
        prefix = " by Hours ( ";
        break;
    case 3205:
        prefix = " by Days ( ";
        suffix = " msec.)";
        break;
    case 3206:
        prefix = " by Months ( ";
        break;
    case 3207:
        prefix = " by Years ( ";
        break;
    default:
        return std::string();
    }
    char buf[64];
    // The timer never runs faster than its floor, so a smaller rate would name a speed the
    // animation does not have.
    std::snprintf(buf, sizeof buf, "%s%u%s", prefix, StepPeriodMs(rateMs), suffix);
    return buf;
}

unsigned StepPeriodMs(unsigned rateMs)
{
    return rateMs < kMinStepPeriodMs ? kMinStepPeriodMs : rateMs;
}

std::string StepPeriodText(unsigned rateMs)
{
    return std::to_string(StepPeriodMs(rateMs)) + " msec.";
}
