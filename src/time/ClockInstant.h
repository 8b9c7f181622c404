// The simulated clock's records and the clock instant: plain calendar arithmetic, no
// time zone and no daylight saving.
#pragma once

#include "platform/DateTime.h"

#include <cstdint>

// True when `day` exists in `month` of `year` (Gregorian: February has 29 days when the year
// is divisible by 4 and not by 100, or divisible by 400). Month outside 1..12 or day 0: false.
bool DayWithinMonth(uint32_t day, uint32_t month, uint32_t year);

// Seconds from 1 January 1901 00:00:00 to the given local date and time, as a 64-bit count
// so that dates after 6 February 2037 do not wrap. A day beyond its month's length (31
// February) counts on into the next month, as do hours, minutes and seconds beyond their
// ranges. Dates before 1901 give 0. For every date before 2037-02-06 06:28:16 the value
// equals the classic unsigned 32-bit count.
uint64_t ClockInstant(const Date& date, const Time& time);

// The date and time of the clock instant `instant` (seconds from 1 January 1901 00:00:00): the
// inverse of ClockInstant for every date from 1901 on.
void DateTimeOfInstant(uint64_t instant, Date& date, Time& time);
