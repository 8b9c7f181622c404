// The Almanac's pages: the Day page of one place (every body's rise, transit and set, the
// twilights) and the Year page's events, each on a new date every iteration.
#include "almanac/Almanac.h"

#include <benchmark/benchmark.h>

namespace
{
// Paris, on a day that moves by 37.3 days each iteration over 1901 to 2999.
void BM_AlmanacDay(benchmark::State& state)
{
    double start = 2415385.5;
    for (auto _ : state)
    {
        start += 37.3;
        if (start > 2816000.5)
            start = 2415385.5;
        benchmark::DoNotOptimize(almanac::ComputeDay({48.85, 2.35}, {start, start + 1.0}));
    }
}
BENCHMARK(BM_AlmanacDay)->Unit(benchmark::kMillisecond);

void BM_AlmanacMonth(benchmark::State& state)
{
    double start = 2415385.5;
    for (auto _ : state)
    {
        start += 397.1;
        if (start > 2816000.5)
            start = 2415385.5;
        benchmark::DoNotOptimize(almanac::FindMoonPhases({start, start + 31.0}));
    }
}
BENCHMARK(BM_AlmanacMonth)->Unit(benchmark::kMillisecond);

// A whole year's events, 1901, then every 97th year.
void BM_AlmanacYear(benchmark::State& state)
{
    double start = 2415385.5;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(almanac::ComputeYear({start, start + 365.0}));
        start += 97 * 365.2425;
        if (start > 2816000.5)
            start = 2415385.5;
    }
}
BENCHMARK(BM_AlmanacYear)->Unit(benchmark::kMillisecond);
} // namespace
