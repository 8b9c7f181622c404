// Window timers by id: a timer event carrying the id arrives on the message loop about once per
// period. The classic window timer never fired faster than every 10 ms; that minimum is kept,
// so a 1 ms timer ticks every 10 ms and does not burn a core.
#pragma once

#include <QObject>
#include <map>

namespace platform
{
constexpr unsigned kMinTimerPeriod = 10;

class WindowTimers
{
public:
    explicit WindowTimers(QObject* owner) : owner(owner) {}
    ~WindowTimers() { KillAll(); }

    // Starts timer `id` with `periodMs`, replacing a running timer of the same id.
    void SetTimer(unsigned id, unsigned periodMs);
    // Stops timer `id`; nothing happens when it does not run.
    void KillTimer(unsigned id);
    void KillAll();
    bool IsRunning(unsigned id) const { return timers.count(id) != 0; }
    // The period asked for (0 when the timer does not run) and the period in force.
    unsigned Period(unsigned id) const;
    unsigned EffectivePeriod(unsigned id) const;
    // Our id for a Qt timer event's id, or 0 when it is not one of ours.
    unsigned Lookup(int qtTimerId) const;

private:
    struct Entry
    {
        int qtId;
        unsigned period;
    };
    QObject* owner;
    std::map<unsigned, Entry> timers;
};
} // namespace platform
