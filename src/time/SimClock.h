// The simulated clock that both views run on, and its run control: the date and time it shows,
// how it steps (real time, or by seconds up to years, forward or back, at a rate) and the
// status-bar panes that show it. The views own their own playing flag; the clock starts and
// stops them.
#pragma once

#include "model/Config.h"
#include "model/View.h"
#include "time/ClockInstant.h"

#include <QObject>
#include <QString>
#include <cstdint>

// Timer ids of the main window.
constexpr unsigned kTimerStarMap = 1;    // Star Map stepping, every TimeRate ms (at least 30)
constexpr unsigned kTimerRealTime = 2;   // real time, every 1000 ms
constexpr unsigned kTimerSolar = 3;      // Solar System stepping, every TimeRate ms (at least 30)

// Clock modes; the same numbers are the ids of the mode buttons of the Time Update dialog.
constexpr int kRealTime = 3201;
constexpr int kBySeconds = 3202;
constexpr int kByMinutes = 3203;
constexpr int kByHours = 3204;
constexpr int kByDays = 3205;
constexpr int kByMonths = 3206;
constexpr int kByYears = 3207;

// The clock's settings as the Time Update dialog edits them.
struct ClockSetting
{
    Time time;
    Date date;
    int mode;      // kRealTime .. kByYears
    uint16_t rate; // stepping period asked for, milliseconds
};

class SimClock : public QObject
{
    Q_OBJECT
public:
    SimClock() = default;

    // ---- what the clock shows ----
    const Time& CurrentTime() const { return curTime; }
    const Date& CurrentDate() const { return curDate; }
    // The clock mode (kRealTime .. kByYears), the stepping rate asked for (milliseconds), the
    // direction, and whether a step stopped at a date bound.
    int Mode() const { return mode; }
    uint16_t Rate() const { return rate; }
    bool Forward() const { return forward; }
    bool TimedOut() const { return timeOut; }
    bool Stepping() const { return mode != kRealTime; }
    ClockSetting Setting() const { return {curTime, curDate, mode, rate}; }
    // The clock instant of the date and time shown (seconds from 1901-01-01 00:00 local).
    uint64_t Instant() const { return ClockInstant(curDate, curTime); }

    // ---- changes; each is announced by Changed() ----
    // One step in the current mode and direction (none in Real Time). False, with the date bound
    // set and the date and time left as they stood, when the step would take the year out of
    // 1901..2999.
    bool Step();
    // The date and time become `date` and `time` (shown at once).
    void SetDateTime(const Date& date, const Time& time);
    // The mode and the stepping rate (shown at once).
    void SetMode(int newMode, uint16_t newRate);
    void SetMode(int newMode) { SetMode(newMode, rate); }
    void SetRate(uint16_t newRate) { SetMode(mode, newRate); }
    // Time Update's result: date, time, mode and rate at once; a clock set anew stands within
    // the date bounds, so the bound is lifted.
    void Apply(const ClockSetting& setting);
    // Time Forward and Time Back: the direction; it lifts the date bound.
    void SetTimeDirection(bool forwardInTime);
    // Marks or lifts the date bound (Go is refused while it is marked).
    void SetTimedOut(bool out);
    // The clock := the computer's, shown; the date bound is lifted.
    void SetupStatusBar();
    // Real Time, forward, rate 1, no step taken, no date bound.
    void SetNormal();
    // A view opens: Real Time, forward, rate 1.
    void SetRealTimeForward();

    // ---- the panes ----
    // The date and time panes show the clock as it stands.
    void ShowClock();
    // The panes show the given values, which become the clock's.
    void ShowTime(unsigned hh, unsigned mm, unsigned ss);
    void ShowDate(unsigned dd, unsigned mm, unsigned yy);
    void ShowMode();

    // ---- the ticks ----
    // The timer that runs the clock in `view` (the Solar System or the Star Map) and its period.
    unsigned TimerFor(model::Mode view) const;
    unsigned TimerPeriodMs() const;
    // Whether the clock ran against its direction since the last stepping tick drew `instant`'s
    // predecessor, and the note of the instant a stepping tick drew (0: none yet).
    bool RanAgainstDirection(uint64_t instant) const;
    void NoteStep(uint64_t instant) { lastStep = instant; }
    uint64_t LastStep() const { return lastStep; }

    // Go: refused with "Out from date bound !!!" (over `parent`) after a date bound, false then;
    // in Real Time the clock catches up with the computer's.
    bool StartAnimation(bool& playing, QWidget* parent);
    void StopAnimation(bool& playing);
    // The printed title line of a view's picture: its caption, the clock's date and time and
    // the observer's place.
    QString PictureTitle(const QString& caption, const Setup& values) const;

signals:
    // A pane of the status bar shows `text`.
    void PaneChanged(model::Pane pane, const QString& text);
    // The mode, rate, direction or date bound changed: the run commands follow.
    void Changed();
    // A view started or stopped its animation: its ticks follow.
    void AnimationChanged();

private:
    Time curTime{0, 0, 0};
    Date curDate{1, 1, 2000};
    int mode = kRealTime;
    uint16_t rate = 1;
    bool forward = true;
    bool timeOut = false;
    // The instant of the last frame drawn by a stepping tick: a reversed clock is told by it.
    uint64_t lastStep = 0;
};

// The message of a clock stopped at a date bound.
constexpr const char* kDateBoundMessage = "Out from date bound !!!";
