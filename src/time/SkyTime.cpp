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

double ReduceDegrees(double angle)
{
    angle = std::fmod(angle, 360.0);
    return angle < 0.0 ? angle + 360.0 : angle;
}
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

double CenturiesSinceJ2000(int64_t ut)
{
    return static_cast<double>(ut - kJ2000) / (36525.0 * kSecondsPerDay);
}

double GreenwichMeanSiderealTime(int64_t ut)
{
    // Whole days and the second of the day apart, so that the 360 degrees of each whole day drop
    // out exactly and the remaining terms stay small for any year.
    const int64_t fromJ2000 = ut - kJ2000;
    int64_t days = fromJ2000 / kSecondsPerDay;
    int64_t second = fromJ2000 % kSecondsPerDay;
    if (second < 0)
    {
        second += kSecondsPerDay;
        --days;
    }
    const double dayFraction = static_cast<double>(second) / kSecondsPerDay;
    const double d = static_cast<double>(days) + dayFraction;
    const double T = d / 36525.0;
    // 360.98564736629 d = 360 d + 0.98564736629 d; 360 x (whole days) is a whole number of turns.
    const double theta = 280.46061837 + 360.0 * dayFraction + 0.98564736629 * d +
                         0.000387933 * T * T - T * T * T / 38710000.0;
    return ReduceDegrees(theta);
}

double PrecessionInRightAscension(double T)
{
    return (4612.4362 * T + 1.39656 * T * T + 0.036201 * T * T * T) / 3600.0;
}

double CatalogueSiderealTime(int64_t ut, double eastLongitude)
{
    const double T = CenturiesSinceJ2000(ut);
    return ReduceDegrees(GreenwichMeanSiderealTime(ut) + eastLongitude -
                         PrecessionInRightAscension(T));
}
} // namespace skytime
