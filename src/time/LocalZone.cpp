#include "time/LocalZone.h"

#include "platform/Clock.h"
#include "time/SkyTime.h"

namespace skytime
{
int32_t ComputerUtcOffsetAtLocal(uint64_t local)
{
    return UtcOffsetAtLocal(local, [](int64_t ut) { return platform::ZoneOffsetAtPosix(ut + kPosix1901); });
}
} // namespace skytime
