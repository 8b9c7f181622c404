// Start-up to the title screen, and the main screen's picture painted.
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

// The main screen painted whole at a projector's size: the grey and the picture scaled to fit
// (what every expose of the main screen or the database view costs).
void BM_MainScreenPaint(benchmark::State& state)
{
    testing_support::ScratchDir dir;
    dir.LinkAllRuntime();
    testing_support::SoundRecorder sounds;
    VelmoriaWnd wnd;
    wnd.resize(1920, 1080);
    wnd.RestoreMain();
    wnd.show();
    QWidget& screen = wnd.Main();
    for (auto _ : state)
        benchmark::DoNotOptimize(screen.grab());
}
BENCHMARK(BM_MainScreenPaint)->Unit(benchmark::kMillisecond);
} // namespace
