// One step of the simulated clock: the pure calendar step, and the window's TimeCalculate
// with its two pane texts.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "time/Calendar.h"

#include <benchmark/benchmark.h>

namespace
{
// One step of `unit`, forward from a moment where every step carries as far as it can
// (31 December 23:59:59) and backward through the same carries; the direction flips at the
// bounds' neighbourhood so the loop never leaves the calendar's range.
void BM_StepClock(benchmark::State& state)
{
    const auto unit = static_cast<ClockUnit>(state.range(0));
    Time time{23, 59, 59};
    Date date{31, 12, 1999};
    bool forward = true;
    for (auto _ : state)
    {
        if (!StepClock(time, date, unit, forward))
            forward = !forward;
        if (date.Year > 2990)
            forward = false;
        else if (date.Year < 1910)
            forward = true;
        benchmark::DoNotOptimize(time);
        benchmark::DoNotOptimize(date);
    }
}
BENCHMARK(BM_StepClock)->DenseRange(0, 5)->ArgName("unit");

// The clock's step by seconds with the time and date panes rewritten, as a stepping tick
// takes it.
void BM_WindowTimeCalculate(benchmark::State& state)
{
    testing_support::ScratchDir dir;
    DecFrame frame;
    VelmoriaWnd& w = *frame.Client();
    w.clock.SetMode(kBySeconds);
    w.clock.SetDateTime(Date{1, 1, 2000}, w.clock.CurrentTime());
    for (auto _ : state)
    {
        w.clock.Step();
        w.clock.ShowClock();
    }
}
BENCHMARK(BM_WindowTimeCalculate);
} // namespace
