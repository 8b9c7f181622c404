// Whole frames of the Solar System view on a full-HD window, painted as the screen gets them.
#include "common/TestSupport.h"
#include "solar/SolarSystemView.h"
#include "time/SimClock.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace
{
// One frame after another, the clock a day on each time as a stepping tick by days moves it,
// from 7 December 2026, every body shown, at zoom `scale` (1 as the view opens); with orbits,
// with the trails of `warmDays` days before the first, with names, as asked.
void SolarFrame(benchmark::State& state, bool orbits, bool names, int warmDays, int zoomOuts = 0)
{
    testing_support::ScratchDir dir;
    dir.LinkAllRuntime();
    ::Setup values = DefaultSetup();
    for (auto& flag : values.SSValues)
        flag = 1;
    values.SSValues[11] = orbits;
    values.SSValues[12] = warmDays > 0;
    values.Names = names;
    SimClock clock;
    SolarSystemView view(values, clock);
    view.resize(1920, 1080);
    if (!view.Enter())
    {
        state.SkipWithError("Data\\Solobj.dat cannot be read");
        return;
    }
    view.Stop();
    for (int n = 0; n < zoomOuts; ++n)
        view.Action("zoomOut")->trigger();
    QImage screen(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    uint64_t T = ClockInstant(Date{7, 12, 2026}, Time{12, 0, 0});
    const auto frame = [&]
    {
        view.ShowInstant(T, std::nullopt);
        T += 86400;
        view.render(&screen, QPoint(), QRegion(), QWidget::RenderFlags());
    };
    for (int n = 0; n < warmDays; ++n)
        frame();
    for (auto _ : state)
    {
        frame();
        benchmark::DoNotOptimize(screen.constBits());
    }
}

void BM_SolarFrame(benchmark::State& state)
{
    SolarFrame(state, false, false, 0);
}
BENCHMARK(BM_SolarFrame)->Unit(benchmark::kMicrosecond);

void BM_SolarFrameWithOrbits(benchmark::State& state)
{
    SolarFrame(state, true, false, 0);
}
BENCHMARK(BM_SolarFrameWithOrbits)->Unit(benchmark::kMicrosecond);

// Orbits, names and the trails of a thousand days: the view as a user leaves it running.
void BM_SolarFrameWithOrbitsTrailsAndNames(benchmark::State& state)
{
    SolarFrame(state, true, true, 1000);
}
BENCHMARK(BM_SolarFrameWithOrbitsTrailsAndNames)->Unit(benchmark::kMicrosecond);

// The places and the orbit outlines of one instant, a day on each time: ERFA for Mercury to
// Neptune and their outlines through them, Kepler's equation for the rest.
void BM_SolarInstant(benchmark::State& state)
{
    testing_support::ScratchDir dir;
    dir.LinkRuntime("Data");
    const ::Setup values = DefaultSetup();
    SolarSystem model(values);
    if (model.ReadSolData() != solar::SolarReadResult::Ok)
    {
        state.SkipWithError("Data\\Solobj.dat cannot be read");
        return;
    }
    uint64_t T = ClockInstant(Date{7, 12, 2026}, Time{12, 0, 0});
    for (auto _ : state)
    {
        model.UpdateSolAngles(T);
        T += 86400;
        benchmark::DoNotOptimize(model.Outline(7).points.data());
    }
}
BENCHMARK(BM_SolarInstant)->Unit(benchmark::kMicrosecond);

// Zoomed out so that every orbit lies inside the window.
void BM_SolarFrameWithOrbitsZoomedOut(benchmark::State& state)
{
    SolarFrame(state, true, true, 0, 23);
}
BENCHMARK(BM_SolarFrameWithOrbitsZoomedOut)->Unit(benchmark::kMicrosecond);
} // namespace
