// The computer's current local date and time, and its time zone.
#pragma once

#include "platform/DateTime.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace platform
{
struct LocalDateTime
{
    Date date;
    Time time;
    // Seconds that this local time runs ahead of UT, when the reading knows it (the computer's
    // clock does; a clock fixed by a test may leave it to the time zone).
    std::optional<int32_t> utcOffset;
};

// The current local date and time of the computer.
LocalDateTime CurrentLocalDateTime();

// Tests fix the computer's clock with a source of their own; an empty function restores the
// real clock.
using ClockSource = std::function<LocalDateTime()>;
void SetClockSource(ClockSource source);

// The UTC offset in seconds (east of Greenwich positive) of the computer's time zone, with its
// daylight-saving rules, in force at the POSIX instant `posixSeconds` (seconds from
// 1970-01-01 00:00:00 UT). The zone is read from the environment (TZ) on every call, as the C
// library has it.
int32_t ZoneOffsetAtPosix(int64_t posixSeconds);
} // namespace platform
