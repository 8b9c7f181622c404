// The film window: opening a film (reading where its frames are and decoding the first one) and
// showing one frame of it (decoding the JPEG and painting it at the film's size).
#include "common/TestSupport.h"
#include "platform/AviFile.h"
#include "platform/Files.h"
#include "platform/Video.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace
{
// Reading the film's headers and the place of its 90 frames.
void BM_ReadFilm(benchmark::State& state)
{
    testing_support::ScratchDir dir;
    dir.LinkRuntime("Video");
    for (auto _ : state)
    {
        std::FILE* file = platform::OpenFile("Video\\Sun.avi", "rb");
        platform::AviFilm film;
        const platform::AviStatus status = platform::ReadAvi(file, film);
        std::fclose(file);
        if (status != platform::AviStatus::Ok)
            state.SkipWithError("the film cannot be read");
        benchmark::DoNotOptimize(film.Frames.data());
    }
}
BENCHMARK(BM_ReadFilm)->Unit(benchmark::kMicrosecond);

// The window built: the film read, its first frame decoded and put on screen, then closed.
void BM_OpenFilm(benchmark::State& state)
{
    testing_support::ScratchDir dir;
    dir.LinkRuntime("Video");
    for (auto _ : state)
    {
        platform::VideoWindow window(nullptr, "Video\\Sun.avi");
        if (window.Frame().isNull())
            state.SkipWithError("the film did not open");
    }
}
BENCHMARK(BM_OpenFilm)->Unit(benchmark::kMicrosecond);

// One frame: read from the file, decoded, and the window painted with it.
void BM_ShowFrame(benchmark::State& state)
{
    testing_support::ScratchDir dir;
    dir.LinkRuntime("Video");
    platform::VideoWindow window(nullptr, "Video\\Sun.avi");
    window.resize(320, 240 + window.BarHeight());
    window.show();
    window.Pause();
    int frame = 0;
    for (auto _ : state)
    {
        frame = (frame + 1) % window.FrameCount();
        window.Seek(frame);
        window.repaint();
    }
    if (window.FrameNumber() != frame)
        state.SkipWithError("the frame was not shown");
}
BENCHMARK(BM_ShowFrame)->Unit(benchmark::kMicrosecond);
} // namespace
