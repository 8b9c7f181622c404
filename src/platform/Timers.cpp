#include "platform/Timers.h"

#include <algorithm>

namespace platform
{
void WindowTimers::SetTimer(unsigned id, unsigned periodMs)
{
    KillTimer(id);
    const unsigned effective = std::max(periodMs, kMinTimerPeriod);
    const int qtId = owner->startTimer(static_cast<int>(effective), Qt::PreciseTimer);
    if (qtId != 0)
        timers[id] = Entry{qtId, periodMs};
}

void WindowTimers::KillTimer(unsigned id)
{
    const auto it = timers.find(id);
    if (it == timers.end())
        return;
    owner->killTimer(it->second.qtId);
    timers.erase(it);
}

void WindowTimers::KillAll()
{
    for (const auto& [id, entry] : timers)
        owner->killTimer(entry.qtId);
    timers.clear();
}

unsigned WindowTimers::Period(unsigned id) const
{
    const auto it = timers.find(id);
    return it == timers.end() ? 0 : it->second.period;
}

unsigned WindowTimers::EffectivePeriod(unsigned id) const
{
    return IsRunning(id) ? std::max(Period(id), kMinTimerPeriod) : 0;
}

unsigned WindowTimers::Lookup(int qtTimerId) const
{
    for (const auto& [id, entry] : timers)
        if (entry.qtId == qtTimerId)
            return id;
    return 0;
}
} // namespace platform
