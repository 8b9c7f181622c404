#include "time/Calendar.h"

#include <algorithm>
#include <cstdio>

namespace
{
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
    if (mode < 3202 || mode > 3207)
        return false;
    unit = static_cast<ClockUnit>(mode - 3202);
    return true;
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
    // One unit's step within [low, high]; false when it wrapped round, and the next unit up
    // then takes the carry (borrow).
    const auto step = [forward](uint32_t& field, uint32_t low, uint32_t high)
    {
        if (forward ? field < high : field > low)
        {
            field = forward ? field + 1 : field - 1;
            return true;
        }
        field = forward ? low : high;
        return false;
    };
    // A month or year step lands on a month that may be shorter than the day: the day becomes
    // that month's last, so that the clock never shows a date that does not exist (31
    // February) and the views draw the date the status bar shows. A day borrowed from the
    // month before is its last for the same reason.
    const auto keepDayWithinMonth = [&date](bool stepped)
    {
        date.Day = std::min<uint32_t>(date.Day, MonthLength(date.Month, date.Year));
        return stepped;
    };
    switch (unit)
    {
    case ClockUnit::Second:
        if (step(time.Second, 0, 59))
            return true;
        [[fallthrough]];
    case ClockUnit::Minute:
        if (step(time.Minute, 0, 59))
            return true;
        [[fallthrough]];
    case ClockUnit::Hour:
        if (step(time.Hour, 0, 23))
            return true;
        [[fallthrough]];
    case ClockUnit::Day:
        if (step(date.Day, 1, forward ? MonthLength(date.Month, date.Year) : 31))
            return true;
        [[fallthrough]];
    case ClockUnit::Month:
        if (step(date.Month, 1, 12))
            return keepDayWithinMonth(true);
        [[fallthrough]];
    case ClockUnit::Year:
        break;
    }
    // Only the year can fail: that is the date bound, and the year then keeps its value.
    const bool within = forward ? date.Year < kLastClockYear : date.Year > kFirstClockYear;
    if (within)
        date.Year = forward ? date.Year + 1 : date.Year - 1;
    return keepDayWithinMonth(within);
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
    if (mode == 3201)
        return " Real Time";
    ClockUnit unit;
    if (!UnitOfMode(mode, unit))
        return std::string();
    constexpr const char* kUnits[] = {"Seconds", "Minutes", "Hours", "Days", "Months", "Years"};
    char buf[64];
    // The timer never runs faster than its floor, so a smaller rate would name a speed the
    // animation does not have.
    std::snprintf(buf, sizeof buf, " by %s ( %u%s", kUnits[static_cast<int>(unit)],
                  StepPeriodMs(rateMs), unit == ClockUnit::Day ? " msec.)" : " msec. )");
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
