// Runs the simulated clock for the animated view on screen (the Solar System or the Star Map):
// in Real Time a tick every second shows the computer's clock; in a stepping mode a tick every
// TimeRate milliseconds shows the clock's instant and then steps it. No view on screen, no tick.
#pragma once

#include "model/ClockView.h"
#include "model/View.h"
#include "platform/Timers.h"
#include "time/SimClock.h"

#include <QObject>

class QWidget;

class ClockRunner : public QObject
{
    Q_OBJECT
public:
    // `window` carries the date bound's message box.
    ClockRunner(SimClock& clock, QWidget* window);
    ~ClockRunner() override;

    // The view on screen and its subject; null when none that the clock animates is.
    void Attach(model::ClockView* view, model::Mode subject);

    // Starts the tick that fits the clock's mode while the view plays: timer 2 every 1000 ms in
    // Real Time, else timer 1 (Star Map) or 3 (Solar System) every TimeRate ms, at least 30.
    // The view's Go and Stop start and stop it too.
    void Start();
    // Stops the tick of the view on screen.
    void Stop();
    // One tick of timer `id`.
    void Tick(unsigned id);
    // The real-time frame of the playing view: the clock := the computer's, then the view
    // shown at that moment.
    void ShowRealTimeFrame();
    // The panes and the view from the clock as it stands (in Real Time, the computer's), for a
    // stopped view whose clock was just set.
    void ShowClockNow();

    platform::WindowTimers& Timers() { return timers; }
    const platform::WindowTimers& Timers() const { return timers; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    SimClock& clock;
    QWidget* window;
    model::ClockView* view = nullptr;
    model::Mode subject = model::Mode::None;
    platform::WindowTimers timers{this};
};
