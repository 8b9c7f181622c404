// The real sky's time: Universal Time from the simulated local clock. Pure computations; the
// computer's UTC offset is passed in by the caller.
//
// Instants of UT are counted in seconds from 1901-01-01 00:00:00 UT, the same origin as the
// clock instant of the local clock (time/ClockInstant.h). A local time early on 1 January 1901
// in a zone east of Greenwich lies before that origin in UT, so UT counts are signed.
#pragma once

#include <cstdint>
#include <functional>

namespace skytime
{
// 1901-01-01 00:00:00 UT in seconds of the POSIX count from 1970-01-01 00:00:00 UT.
constexpr int64_t kPosix1901 = -2'177'452'800;

// UT of the local clock instant `local` (seconds from 1901-01-01 00:00:00 local time) when the
// clock runs `utcOffset` seconds ahead of UT (east of Greenwich positive): local - utcOffset.
int64_t UtFromLocal(uint64_t local, int32_t utcOffset);

// A time zone as the computer knows it: the UTC offset in seconds (east positive) in force at
// the UT instant given in UT seconds.
using ZoneOffsetAt = std::function<int32_t(int64_t ut)>;

// The UTC offset to take for the local clock instant `local` in the zone `zone`, so that
// UtFromLocal(local, offset) is the instant the wall clocks showed that local time:
// - a local time that occurs once: that instant's offset;
// - a local time that occurs twice (the clocks went back): the first occurrence, before the
//   change;
// - a local time that never occurs (the clocks went forward over it): the moment of the change,
//   so that a clock stepped through the skipped hour holds the sky still instead of turning it
//   an hour back when it comes out of the gap.
// Changes of the zone's rule are taken to lie at least four days apart.
int32_t UtcOffsetAtLocal(uint64_t local, const ZoneOffsetAt& zone);

} // namespace skytime
