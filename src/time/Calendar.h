// Calendar stepping of the simulated clock and the texts of its status-bar panes. Pure
// computations: no windowing code, so the tests and benchmarks call them directly.
#pragma once

#include "time/ClockInstant.h"

#include <cstdint>
#include <string>

// Years the stepped clock may reach.
constexpr uint32_t kFirstClockYear = 1901;
constexpr uint32_t kLastClockYear = 2999;

// Shortest stepping period in milliseconds, whatever the rate asks for.
constexpr unsigned kMinStepPeriodMs = 30;

// The unit of one clock step.
enum class ClockUnit
{
    Second,
    Minute,
    Hour,
    Day,
    Month,
    Year
};

// The unit that clock mode `mode` steps by (3202 seconds .. 3207 years); false for Real Time
// (3201) and for any value that is not a clock mode.
bool UnitOfMode(int mode, ClockUnit& unit);

// Days in `month` (1..12) of `year` in the Gregorian calendar: 31, 30, 29 or 28. A month outside
// 1..12 gives 28.
uint8_t MonthLength(uint32_t month, uint32_t year);

// Moves `time` and `date` one `unit` forward or backward, carrying into (borrowing from) the
// higher units. Stepping by months or years keeps the day of the month when the new month has
// it and otherwise takes the month's last day (31/01 -> 28/02 -> 28/03), in both directions, so
// every step gives a date that exists. Returns false when the step would take the year out of
// 1901..2999: the year then keeps its value and the lower units keep what the carry already gave
// them.
bool StepClock(Time& time, Date& date, ClockUnit unit, bool forward);

// Text of the time pane: three spaces, then hh:mm:ss, each part at least two digits.
std::string TimePaneText(unsigned hh, unsigned mm, unsigned ss);

// Text of the date pane: three spaces, then dd/mm/yyyy (year right-aligned in four places).
std::string DatePaneText(unsigned dd, unsigned mm, unsigned yy);

// Text of the mode pane for clock mode `mode` (3201..3207) and the rate `rateMs`: the stepping
// modes show the period the clock really steps at, StepPeriodMs(rateMs) (" by Days ( 30 msec.)"
// for a rate of 1); empty for a value that is not a clock mode (the pane is then left as it is).
std::string ModePaneText(int mode, unsigned rateMs);

// Period in milliseconds of the stepping timer for a rate of `rateMs`: the rate, at least 30.
unsigned StepPeriodMs(unsigned rateMs);

// The rate setting as the Time Update dialog shows it: the period the clock will step at,
// "30 msec." for any rate up to 30, "250 msec." for 250.
std::string StepPeriodText(unsigned rateMs);
