// Start-up to the title screen and the main screen's background-picture copy.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/TitleDlg.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"

namespace
{
// From nothing to a painted title screen: the dialog, its music started, its picture read
// from "Bitmap\Title.bmp" and the first frame drawn.
void BM_StartupToTitleScreen(benchmark::State& state)
{
    testing_support::ScratchDir dir;
    dir.LinkAllRuntime();
    testing_support::SoundRecorder sounds;
    for (auto _ : state)
    {
        TitleDlg title;
        title.SetupWindow();
        title.show();
        benchmark::DoNotOptimize(title.grab());
        title.hide();
    }
}
BENCHMARK(BM_StartupToTitleScreen)->Unit(benchmark::kMillisecond);

// The main window on its main screen in the program's working directory.
struct MainScreen
{
    MainScreen()
    {
        dir.LinkAllRuntime();
        wnd.resize(1024, 768);
        wnd.show();
        wnd.SetBckGndPicture();
        wnd.ShowBckGndPicture();
    }
    testing_support::ScratchDir dir;
    testing_support::SoundRecorder sounds;
    VelmoriaWnd wnd;
};

// One tick of the background timer that finds the picture damaged and copies it whole.
void BM_BackgroundPictureCopy(benchmark::State& state)
{
    MainScreen screen;
    for (auto _ : state)
    {
        screen.wnd.canvas.SetPixel(512, 384, 0x123456);
        screen.wnd.ShowBckGndPicture();
    }
}
BENCHMARK(BM_BackgroundPictureCopy)->Unit(benchmark::kMicrosecond);

// One tick of the background timer when the picture is already whole (the usual case).
void BM_BackgroundPictureCheck(benchmark::State& state)
{
    MainScreen screen;
    for (auto _ : state)
        screen.wnd.ShowBckGndPicture();
}
BENCHMARK(BM_BackgroundPictureCheck)->Unit(benchmark::kMicrosecond);
} // namespace
