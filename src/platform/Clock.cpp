#include "platform/Clock.h"

#include <algorithm>
#include <ctime>

namespace platform
{
namespace
{
ClockSource source;
} // namespace

LocalDateTime CurrentLocalDateTime()
{
    if (source)
        return source();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    LocalDateTime result;
    result.date = {static_cast<uint32_t>(local.tm_mday), static_cast<uint32_t>(local.tm_mon + 1),
                   static_cast<uint32_t>(local.tm_year + 1900)};
    result.time = {static_cast<uint32_t>(local.tm_hour), static_cast<uint32_t>(local.tm_min),
                   static_cast<uint32_t>(std::min(local.tm_sec, 59))};
    result.utcOffset = static_cast<int32_t>(local.tm_gmtoff);
    return result;
}

void SetClockSource(ClockSource replacement)
{
    source = std::move(replacement);
}

int32_t ZoneOffsetAtPosix(int64_t posixSeconds)
{
    // localtime_r need not look at TZ again after the first call: ask for it.
    tzset();
    const std::time_t when = static_cast<std::time_t>(posixSeconds);
    std::tm local{};
    if (!localtime_r(&when, &local))
        return 0;
    return static_cast<int32_t>(local.tm_gmtoff);
}
} // namespace platform
