// The sky of one clock instant: Delta T, the precession-nutation matrix, the sidereal time, the
// Sun, the Moon and Mercury to Neptune (sky::UpdateSky), computed once per instant by the Star
// Map; and the per-star turn to the date that follows it for every catalogue star.
#include "sky/Sky.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace
{
// Each iteration a new instant, 1 day and 17 minutes on, swept over 1901 to 2999 so that no
// cache of the ephemeris could help.
void BM_WholeSkyAtOneInstant(benchmark::State& state)
{
    sky::SkySnapshot snapshot;
    double jd = 2415385.5;
    for (auto _ : state)
    {
        jd += 1.0118;
        if (jd > 2816787.5)
            jd = 2415385.5;
        benchmark::DoNotOptimize(sky::UpdateSky(snapshot, jd));
        benchmark::DoNotOptimize(snapshot);
    }
}
BENCHMARK(BM_WholeSkyAtOneInstant)->Unit(benchmark::kMicrosecond);

// The 690 catalogue stars turned to the date of one snapshot.
void BM_CatalogueStarsToTheDate(benchmark::State& state)
{
    sky::SkySnapshot snapshot;
    sky::UpdateSky(snapshot, 2816000.5);
    std::vector<sky::CatalogueStar> stars;
    for (int i = 0; i < 690; ++i)
        stars.push_back(sky::MakeCatalogueStar(i * 0.0347, -89.0 + i * 0.257, 100.0, -200.0));
    for (auto _ : state)
        for (const sky::CatalogueStar& star : stars)
            benchmark::DoNotOptimize(sky::StarDirectionOfDate(snapshot, star));
}
BENCHMARK(BM_CatalogueStarsToTheDate)->Unit(benchmark::kMicrosecond);
} // namespace
