// Universal Time from the local clock.
#include "time/ClockInstant.h"
#include "time/SkyTime.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
int64_t Ut(Date date, Time time)
{
    return static_cast<int64_t>(ClockInstant(date, time));
}

// A zone that runs UTC+1 and changes to UTC+2 at the UT instant `change` (clocks forward), or
// from UTC+2 back to UTC+1 (clocks back).
struct ZoneCase
{
    const char* what;
    int32_t beforeOffset, afterOffset;
    Time local;     // on 29 March 2026; the change is at 01:00 UT
    int32_t offset; // expected
};

TEST(SkyTime, LocalTimesAroundAChangeOfTheClocksTakeTheOffsetThatShowedThem)
{
    const int64_t change = Ut({29, 3, 2026}, {1, 0, 0});
    const ZoneCase cases[] = {
        {"forward: before the gap", 3600, 7200, {1, 59, 59}, 3600},
        {"forward: the gap's first second is the change", 3600, 7200, {2, 0, 0}, 3600},
        {"forward: half an hour into the gap is still the change", 3600, 7200, {2, 30, 0}, 5400},
        {"forward: the end of the gap", 3600, 7200, {3, 0, 0}, 7200},
        {"back: before the repeated hour", 7200, 3600, {1, 59, 59}, 7200},
        {"back: the repeated hour is read the first time", 7200, 3600, {2, 30, 0}, 7200},
        {"back: after the repeated hour", 7200, 3600, {3, 0, 0}, 3600},
    };
    for (const ZoneCase& c : cases)
    {
        const skytime::ZoneOffsetAt zone = [&c, change](int64_t ut)
        { return ut < change ? c.beforeOffset : c.afterOffset; };
        EXPECT_EQ(skytime::UtcOffsetAtLocal(ClockInstant({29, 3, 2026}, c.local), zone), c.offset)
            << c.what;
    }
}

TEST(SkyTime, UniversalTimeIsTheLocalClockLessItsOffset)
{
    // 1 January 1901, 00:30 in UTC+1 is 23:30 UT on the last day of 1900: before the count.
    EXPECT_EQ(skytime::UtFromLocal(1800, 3600), -1800);
    // 21:00 in UTC-5 is 02:00 UT the next day.
    EXPECT_EQ(skytime::UtFromLocal(ClockInstant({4, 7, 2026}, {21, 0, 0}), -18000),
              Ut({5, 7, 2026}, {2, 0, 0}));
}
} // namespace
