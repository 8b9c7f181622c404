// One drawing pass of the Solar System view on a full-HD window.
#include "app/VelmoriaWnd.h"
#include "solar/SolarSystemView.h"
#include "time/SimClock.h"
#include "common/TestSupport.h"
#include "solar/SolarReader.h"

#include <benchmark/benchmark.h>

namespace
{
// A pass with every body shown and, when `orbits`, all outlines, and when `names`, the bodies'
// names, at zoom `scale` (pixels per million km); the clock moves one day per pass, as a
// stepping tick by days does.
void SolarPass(benchmark::State& state, bool orbits, float scale, bool names = false)
{
    testing_support::ScratchDir dir;
    dir.LinkAllRuntime();
    ::Setup values = DefaultSetup();
    SimClock clock;
    SolarSystemView wnd(values, clock);
    wnd.resize(1920, 1080);
    wnd.canvas = platform::Canvas(1920, 1080, 0);
    wnd.solar.XCenter = 960;
    wnd.solar.YCenter = 540;
    wnd.solar.Scale = scale;
    SolarObjects buffer{};
    if (solar::ReadSolarFile(solar::kSolarFile, wnd.solar.SolObj, buffer) !=
        solar::SolarReadResult::Ok)
    {
        state.SkipWithError("Data\\Solobj.dat cannot be read");
        return;
    }
    for (auto& flag : values.SSValues)
        flag = 1;
    values.SSValues[11] = orbits;
    values.SSValues[12] = 0;
    values.Names = names;
    wnd.solar.CreateSolarSprites();
    uint64_t T = ClockInstant(Date{7, 12, 2026}, Time{12, 0, 0});
    for (auto _ : state)
    {
        wnd.solar.UpdateSolAngles(T);
        wnd.solar.ShowSolSyst();
        T += 86400;
        benchmark::DoNotOptimize(wnd.canvas.Image().constBits());
    }
}

void BM_SolarPassWithOrbits(benchmark::State& state)
{
    SolarPass(state, true, 1.0f);
}
BENCHMARK(BM_SolarPassWithOrbits)->Unit(benchmark::kMicrosecond);

// Zoomed out so that every orbit lies inside the window.
void BM_SolarPassWithOrbitsZoomedOut(benchmark::State& state)
{
    SolarPass(state, true, 0.08f);
}
BENCHMARK(BM_SolarPassWithOrbitsZoomedOut)->Unit(benchmark::kMicrosecond);

void BM_SolarPassWithOrbitsAndNames(benchmark::State& state)
{
    SolarPass(state, true, 1.0f, true);
}
BENCHMARK(BM_SolarPassWithOrbitsAndNames)->Unit(benchmark::kMicrosecond);

void BM_SolarPassWithoutOrbits(benchmark::State& state)
{
    SolarPass(state, false, 1.0f);
}
BENCHMARK(BM_SolarPassWithoutOrbits)->Unit(benchmark::kMicrosecond);
} // namespace
