#include "time/ClockInstant.h"

namespace
{
bool IsLeapYear(int64_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Days from 1 January 1901 to 1 January of `year` (year >= 1901).
int64_t DaysBeforeYear(int64_t year)
{
    const int64_t y = year - 1;
    const int64_t base = 1900;
    auto leapsUpTo = [](int64_t n) { return n / 4 - n / 100 + n / 400; };
    return (y - base) * 365 + (leapsUpTo(y) - leapsUpTo(base));
}
} // namespace

bool DayWithinMonth(uint32_t day, uint32_t month, uint32_t year)
{
    static const uint8_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return false;
    uint32_t max = kDays[month - 1];
    if (month == 2 && IsLeapYear(year))
        max = 29;
    return day <= max;
}

void DateTimeOfInstant(uint64_t instant, Date& date, Time& time)
{
    const int64_t days = static_cast<int64_t>(instant / 86400);
    const uint64_t second = instant % 86400;
    time = Time{static_cast<unsigned>(second / 3600), static_cast<unsigned>(second / 60 % 60),
                static_cast<unsigned>(second % 60)};
    int64_t year = 1901 + days / 366;
    while (DaysBeforeYear(year + 1) <= days)
        ++year;
    int64_t day = days - DaysBeforeYear(year);
    uint32_t month = 1;
    for (;; ++month)
    {
        uint32_t length = 31;
        while (!DayWithinMonth(length, month, static_cast<uint32_t>(year)))
            --length;
        if (day < length || month == 12)
            break;
        day -= length;
    }
    date = Date{static_cast<unsigned>(day + 1), month, static_cast<unsigned>(year)};
}

uint64_t ClockInstant(const Date& date, const Time& time)
{
    static const int kCumulative[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    if (date.Year < 1901 || date.Month < 1 || date.Month > 12)
        return 0;
    int64_t days = DaysBeforeYear(date.Year) + kCumulative[date.Month - 1];
    if (date.Month > 2 && IsLeapYear(date.Year))
        days += 1;
    days += static_cast<int64_t>(date.Day) - 1;
    const int64_t seconds = days * 86400 + static_cast<int64_t>(time.Hour) * 3600 +
                            static_cast<int64_t>(time.Minute) * 60 + time.Second;
    return seconds < 0 ? 0 : static_cast<uint64_t>(seconds);
}
