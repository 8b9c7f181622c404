// The computer's UTC offset at a local date and time, from the system time zone. Most zones are
// POSIX rules, so the expected offsets follow from the rule's text alone (the C library applies
// such a rule from 1970 on); one is a zone of the system's time zone database.
#include "common/TestSupport.h"
#include "time/ClockInstant.h"
#include "time/LocalZone.h"

#include <gtest/gtest.h>

namespace
{
constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr const char* kSydney = "AEST-10AEDT,M10.1.0,M4.1.0/3";
constexpr const char* kNewYork = "EST5EDT,M3.2.0,M11.1.0";

struct OffsetCase
{
    const char* zone;
    Date date;
    Time time;
    int32_t offset;
};

TEST(TimeZone, OffsetFollowsTheZoneAndItsDaylightSavingInAnyYear)
{
    const OffsetCase cases[] = {
        {"UTC0", {1, 7, 2026}, {12, 0, 0}, 0},
        {kCentralEurope, {15, 1, 2026}, {12, 0, 0}, 3600},
        {kCentralEurope, {15, 7, 2026}, {12, 0, 0}, 7200},
        // A zone of the system's database keeps its history: no summer time in Berlin in 1901,
        // the first in 1916, double summer time in 1945.
        {"Europe/Berlin", {1, 7, 1901}, {12, 0, 0}, 3600},
        {"Europe/Berlin", {1, 7, 1916}, {12, 0, 0}, 7200},
        {"Europe/Berlin", {1, 7, 1945}, {12, 0, 0}, 10800},
        {"Europe/Berlin", {1, 7, 2999}, {12, 0, 0}, 7200},
        {kCentralEurope, {15, 1, 2999}, {12, 0, 0}, 3600},
        {kCentralEurope, {15, 7, 2999}, {12, 0, 0}, 7200},
        // 29 March 2026: 02:00 becomes 03:00 at 01:00 UT; 02:30 never shows, and is read as the
        // moment of the change, 01:00 UT.
        {kCentralEurope, {29, 3, 2026}, {2, 30, 0}, 5400},
        // 25 October 2026: 03:00 goes back to 02:00 at 01:00 UT; 02:30 shows twice, the first
        // time with daylight saving.
        {kCentralEurope, {25, 10, 2026}, {2, 30, 0}, 7200},
        {kCentralEurope, {25, 10, 2026}, {3, 0, 0}, 3600},
        // The southern summer spans the new year.
        {kSydney, {15, 1, 2026}, {12, 0, 0}, 39600},
        {kSydney, {15, 7, 2026}, {12, 0, 0}, 36000},
        {kNewYork, {4, 7, 2026}, {21, 0, 0}, -14400},
        {kNewYork, {31, 12, 2999}, {23, 59, 59}, -18000},
    };
    for (const OffsetCase& c : cases)
    {
        testing_support::ScopedTimeZone zone(c.zone);
        EXPECT_EQ(skytime::ComputerUtcOffsetAtLocal(ClockInstant(c.date, c.time)), c.offset)
            << c.zone << " " << c.date.Day << "/" << c.date.Month << "/" << c.date.Year << " "
            << c.time.Hour << ":" << c.time.Minute;
    }
}
} // namespace
