// A calendar date and a time of day as the program's clocks hold them: plain records, no time
// zone.
#pragma once

#include <cstdint>

struct Time
{
    uint32_t Hour;   // 0..23
    uint32_t Minute; // 0..59
    uint32_t Second; // 0..59
};

struct Date
{
    uint32_t Day;   // 1..31, day of the month
    uint32_t Month; // 1..12
    uint32_t Year;  // 1901..2999 while the clock is stepped
};
