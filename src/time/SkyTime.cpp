#include "time/SkyTime.h"

#include <algorithm>
#include <cmath>

namespace skytime
{
namespace
{
constexpr int64_t kSecondsPerDay = 86400;

// Far enough either side of a local time to see the offsets in force before and after any one
// change of the zone's rule: offsets lie within a day of UT.
constexpr int64_t kZoneProbe = 2 * kSecondsPerDay;
} // namespace

int64_t UtFromLocal(uint64_t local, int32_t utcOffset)
{
    return static_cast<int64_t>(local) - utcOffset;
}

int32_t UtcOffsetAtLocal(uint64_t localInstant, const ZoneOffsetAt& zone)
{
    const int64_t local = static_cast<int64_t>(localInstant);
    const int32_t before = zone(local - kZoneProbe);
    const int32_t after = zone(local + kZoneProbe);
    const bool beforeFits = zone(local - before) == before;
    const bool afterFits = zone(local - after) == after;
    if (beforeFits && afterFits)
        return std::max(before, after); // the larger offset is the earlier reading
    if (beforeFits)
        return before;
    if (afterFits)
        return after;
    // Skipped local time: the offset went up from `before` to `after` somewhere between the
    // two readings. Find the first second of the new offset.
    int64_t lo = local - after;  // still the old offset
    int64_t hi = local - before; // already the new one
    if (!(lo < hi) || zone(lo) != before || zone(hi) != after)
        return after;
    while (hi - lo > 1)
    {
        const int64_t mid = lo + (hi - lo) / 2;
        if (zone(mid) == before)
            lo = mid;
        else
            hi = mid;
    }
    return static_cast<int32_t>(local - hi);
}

} // namespace skytime
