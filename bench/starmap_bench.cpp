// One frame of the Star Map (grid, stars, constellation lines, deep-sky objects, Sun and
// Moon, planets, names) on a full-HD window with the generated catalogues.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "starmap/StarMapView.h"
#include "time/SimClock.h"
#include "common/TestSupport.h"
#include "platform/Files.h"
#include "starmap/StarReader.h"

#include <benchmark/benchmark.h>

namespace
{
bool ReadCatalogues(StarMapView& wnd)
{
    std::FILE* f = platform::OpenFile("Data\\Stars.dat", "rb");
    if (!f)
        return false;
    StarDB star;
    const starreader::ReadResult stars = starreader::ReadStars(f, &star, wnd.starmap.Star, kStarCount);
    wnd.starmap.StarCount = static_cast<uint16_t>(stars.stored);
    wnd.starmap.ReadStarNames(f);
    std::fclose(f);
    wnd.starmap.ReadPlanetData();
    f = platform::OpenFile("Data\\NGCMess.dat", "rb");
    if (!f)
        return false;
    NGCMessDB ngc;
    const starreader::ReadResult deep =
        starreader::ReadNgcMess(f, &ngc, wnd.starmap.NgcMess, kNgcMessCount);
    std::fclose(f);
    wnd.starmap.StarCount = static_cast<uint16_t>(stars.stored);
    wnd.starmap.NgcMessCount = static_cast<uint8_t>(deep.stored);
    return stars.ok && deep.ok && stars.stored == kStarCount;
}

// Frames at 50 N with every layer on (the planets and the names too) and every star bright
// enough to be drawn; the clock moves one minute per frame, as a stepping tick by minutes does.
void StarMapFrame(benchmark::State& state, uint16_t radius, bool transparent)
{
    testing_support::ScratchDir dir;
    dir.LinkAllRuntime();
    {
        ::Setup values = DefaultSetup();
        SimClock clock;
        StarMapView wnd(values, clock);
        wnd.canvas = platform::Canvas(1920, 1080, 0);
        wnd.starmap.XCenter = 960;
        wnd.starmap.YCenter = 540;
        wnd.starmap.r = radius;
        if (!ReadCatalogues(wnd))
        {
            state.SkipWithError("the generated catalogues cannot be read");
            return;
        }
        values.LocValues.Lat = Coordinate{50, 0, 0};
        values.LocValues.North = 1;
        wnd.starmap.SetLatitudeFromSetup();
        wnd.starmap.SetSkyOffsets();
        for (int i = 0; i < 4; ++i)
            values.SMValues.Check[i] = 1;
        values.SMValues.Check[4] = transparent;
        values.Planets = 1;
        values.Names = 1;
        values.SMValues.SelectMagn = 7.0f;
        wnd.starmap.CreateStarMapSprites();
        uint64_t S = ClockInstant(Date{7, 12, 2026}, Time{22, 0, 0});
        for (auto _ : state)
        {
            wnd.starmap.UpdateStarAngles(S);
            wnd.starmap.ShowStarMap();
            S += 60;
            benchmark::DoNotOptimize(wnd.canvas.Image().constBits());
        }
        wnd.starmap.DeleteStarMapSprites();
    }
}

void BM_StarMapFrame(benchmark::State& state)
{
    StarMapFrame(state, 540, false);
}
BENCHMARK(BM_StarMapFrame)->Unit(benchmark::kMicrosecond);

void BM_StarMapFrameTransparent(benchmark::State& state)
{
    StarMapFrame(state, 540, true);
}
BENCHMARK(BM_StarMapFrameTransparent)->Unit(benchmark::kMicrosecond);

// Zoomed in as far as the view allows on this window (270 + 60 x 20): most lines run off
// the window.
void BM_StarMapFrameZoomedIn(benchmark::State& state)
{
    StarMapFrame(state, 1470, false);
}
BENCHMARK(BM_StarMapFrameZoomedIn)->Unit(benchmark::kMicrosecond);
} // namespace
