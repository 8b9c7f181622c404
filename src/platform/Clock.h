// The computer's current local date and time.
#pragma once

#include <functional>

#include "time/ClockInstant.h"

namespace platform
{
struct LocalDateTime
{
    Date date;
    Time time;
};

// The current local date and time of the computer.
LocalDateTime CurrentLocalDateTime();

// Tests fix the computer's clock with a source of their own; an empty function restores the
// real clock.
using ClockSource = std::function<LocalDateTime()>;
void SetClockSource(ClockSource source);
} // namespace platform
