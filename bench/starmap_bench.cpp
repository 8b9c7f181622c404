// One frame of the Star Map (grid, stars, constellation lines, deep-sky objects, Sun and Moon,
// planets, names) painted whole, antialiased, into a full-HD picture with the generated
// catalogues.
#include "common/TestSupport.h"
#include "starmap/StarMapView.h"
#include "time/ClockInstant.h"
#include "time/SimClock.h"

#include <QAction>
#include <QImage>
#include <benchmark/benchmark.h>

namespace
{
// Frames at 50 N with every layer on (the planets and the names too) and every star bright
// enough to be drawn, on a globe zoomed in by `zoomSteps` from its opening radius of 270; the
// clock moves `step` seconds per frame (60: a stepping tick by minutes; 0: the frame painted
// again, as when the stopped view is uncovered).
void StarMapFrame(benchmark::State& state, int zoomSteps, bool transparent, int step)
{
    testing_support::ScratchDir dir;
    dir.LinkAllRuntime();
    ::Setup values = DefaultSetup();
    values.LocValues.Lat = Coordinate{50, 0, 0};
    values.LocValues.North = 1;
    values.SMValues = SMSetup{{1, 1, 1, 1, static_cast<bool8>(transparent)}, 7.0f};
    values.Planets = 1;
    values.Names = 1;
    SimClock clock;
    StarMapView view(values, clock);
    view.resize(1920, 1080);
    if (!view.Enter())
    {
        state.SkipWithError("the generated catalogues cannot be read");
        return;
    }
    for (int i = 0; i < zoomSteps; ++i)
        view.Action("zoomIn")->trigger();
    QImage picture(view.size(), QImage::Format_ARGB32_Premultiplied);
    uint64_t S = ClockInstant(Date{7, 12, 2026}, Time{22, 0, 0});
    view.ShowInstant(S, 0);
    for (auto _ : state)
    {
        if (step)
            view.ShowInstant(S += static_cast<uint64_t>(step), 0);
        view.render(&picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["radius"] = view.Map().Radius();
    view.Leave();
}

// Zoomed in by 14 steps to a radius of 550, the nearest to half the picture's height.
void BM_StarMapFrame(benchmark::State& state)
{
    StarMapFrame(state, 14, false, 60);
}
BENCHMARK(BM_StarMapFrame)->Unit(benchmark::kMicrosecond);

void BM_StarMapFrameUnchangedInstant(benchmark::State& state)
{
    StarMapFrame(state, 14, false, 0);
}
BENCHMARK(BM_StarMapFrameUnchangedInstant)->Unit(benchmark::kMicrosecond);

void BM_StarMapFrameTransparent(benchmark::State& state)
{
    StarMapFrame(state, 14, true, 60);
}
BENCHMARK(BM_StarMapFrameTransparent)->Unit(benchmark::kMicrosecond);

// Zoomed in as far as the view allows on this window (270 + 60 x 20): most lines run off
// the window.
void BM_StarMapFrameZoomedIn(benchmark::State& state)
{
    StarMapFrame(state, 60, false, 60);
}
BENCHMARK(BM_StarMapFrameZoomedIn)->Unit(benchmark::kMicrosecond);
} // namespace
