#include "app/ClockRunner.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "time/Calendar.h"

#include <QTimerEvent>
#include <QWidget>

ClockRunner::ClockRunner(SimClock& clock, QWidget* window)
    : QObject(window), clock(clock), window(window)
{
    // A stopped view has no tick at all: an idle window costs no processor time.
    connect(&clock, &SimClock::AnimationChanged, this, &ClockRunner::Start);
}

ClockRunner::~ClockRunner()
{
    timers.KillAll();
}

void ClockRunner::Attach(model::ClockView* shown, model::Mode shownSubject)
{
    view = shown;
    subject = shown ? shownSubject : model::Mode::None;
}

void ClockRunner::Start()
{
    Stop();
    if (view && view->Playing())
        timers.SetTimer(clock.TimerFor(subject), clock.TimerPeriodMs());
}

void ClockRunner::Stop()
{
    for (unsigned id : {kTimerStarMap, kTimerRealTime, kTimerSolar})
        timers.KillTimer(id);
}

void ClockRunner::timerEvent(QTimerEvent* event)
{
    const unsigned id = timers.Lookup(event->timerId());
    if (id == 0)
    {
        QObject::timerEvent(event);
        return;
    }
    Tick(id);
}

void ClockRunner::ShowRealTimeFrame()
{
    // Only the view on screen may move: a playing flag left over from another view (an entry
    // that failed while reading its data) must not wake a stopped one.
    if (!view || !view->Playing())
        return;
    const platform::LocalDateTime now = platform::CurrentLocalDateTime();
    clock.SetDateTime(now.date, now.time);
    view->ShowInstant(ClockInstant(now.date, now.time), now.utcOffset);
}

void ClockRunner::Tick(unsigned id)
{
    if (id == kTimerRealTime)
    {
        ShowRealTimeFrame();
        return;
    }
    if (id != kTimerStarMap && id != kTimerSolar)
        return;
    if (!view || !view->Playing() || clock.TimerFor(subject) != id)
        return;
    // Show the clock as it stands, then step it: the first tick after a start shows the
    // starting moment.
    const uint64_t instant = clock.Instant();
    if (clock.RanAgainstDirection(instant))
        view->ClockReversed();
    view->ShowInstant(instant, std::nullopt);
    if (!clock.Step())
    {
        // Stop first: timer events keep arriving while the message box is open.
        view->Stop();
        view->UpdateActions();
        platform::InfoBox(window, kDateBoundMessage);
    }
    clock.ShowClock();
    clock.NoteStep(instant);
}

void ClockRunner::ShowClockNow()
{
    if (!clock.Stepping())
        clock.SetupStatusBar();
    else
        clock.ShowClock();
    if (view)
        view->ShowInstant(clock.Instant(), std::nullopt);
}
