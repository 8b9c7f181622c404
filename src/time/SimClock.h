// The simulated clock that both views run on, and its run control: the date and time it shows,
// how it steps (real time, or by seconds up to years, forward or back, at a rate) and the
// status-bar panes that show it. The views own their own playing flag; the clock starts and
// stops them.
#pragma once

#include "model/ViewHost.h"
#include "time/ClockInstant.h"

#include <cstdint>

// Timer ids of the main window.
constexpr unsigned kTimerStarMap = 1;    // Star Map stepping, every TimeRate ms (at least 30)
constexpr unsigned kTimerRealTime = 2;   // real time, every 1000 ms
constexpr unsigned kTimerSolar = 3;      // Solar System stepping, every TimeRate ms (at least 30)
constexpr unsigned kTimerBackground = 4; // background picture check, every 1 ms

// Clock modes; the same numbers are the ids of the mode buttons of the Time Update dialog.
constexpr int kRealTime = 3201;
constexpr int kBySeconds = 3202;
constexpr int kByMinutes = 3203;
constexpr int kByHours = 3204;
constexpr int kByDays = 3205;
constexpr int kByMonths = 3206;
constexpr int kByYears = 3207;

class SimClock
{
public:
    explicit SimClock(model::ViewHost& host) : host(host) {}

    // The clock instant of the date and time shown (seconds from 1901-01-01 00:00 local).
    uint64_t Instant() const { return ClockInstant(CurDate, CurTime); }

    // One step in the current mode and direction (none in Real Time). False, with TimeOut set
    // and the date and time left as they stood, when the step would take the year out of
    // 1901..2999.
    bool Step();
    // The date and time panes show the clock as it stands.
    void ShowClock();
    // The panes show the given values, which become the clock's.
    void ShowTime(unsigned hh, unsigned mm, unsigned ss);
    void ShowDate(unsigned dd, unsigned mm, unsigned yy);
    void ShowMode();
    // The clock := the computer's, shown; the date bound is lifted.
    void SetupStatusBar();
    // Real Time, forward, rate 1, no step taken, no date bound.
    void SetNormal();
    // The timer that runs the clock in `view` (the Solar System or the Star Map) and its period.
    unsigned TimerFor(model::Mode view) const;
    unsigned TimerPeriodMs() const;
    // Go: refused with "Out from date bound !!!" after a date bound; in Real Time the clock
    // catches up with the computer's. Stop shows cursor 103. The direction clears the bound.
    void StartAnimation(bool& playing);
    void StopAnimation(bool& playing);
    void SetTimeDirection(bool forward);

    Time CurTime{0, 0, 0};
    Date CurDate{1, 1, 2000};
    int TimeUpdateMode = kRealTime;
    uint16_t TimeRate = 1;
    bool TimeForward = true;
    bool TimeOut = false;
    // The instant of the last frame drawn by a stepping tick: a reversed clock is told by it.
    uint64_t timeStep = 0;

private:
    model::ViewHost& host;
};

// The message of a clock stopped at a date bound.
constexpr const char* kDateBoundMessage = "Out from date bound !!!";
