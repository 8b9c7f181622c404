// The computer's own time zone as the real sky's time needs it.
#pragma once

#include <cstdint>

namespace skytime
{
// The UTC offset in seconds (east of Greenwich positive) of the computer's time zone, with its
// daylight-saving rules, for the local clock instant `local` (seconds from 1901-01-01 00:00:00
// local time; any date from 1901 to 2999). A local time that occurs twice takes the first
// occurrence; one that the clocks skip takes the moment of the change (UtcOffsetAtLocal).
int32_t ComputerUtcOffsetAtLocal(uint64_t local);
} // namespace skytime
