// From a database menu command to its card painted: the files read, the card built, laid
// out and drawn once (the structure picture and charts included), then closed.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "database/PlanetDlg.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

#include "common/AppSupport.h"

using testing_support::IsEnabled;
using testing_support::Trigger;

namespace
{
struct DataBaseScreen
{
    DataBaseScreen()
    {
        dir.LinkAllRuntime();
        app = std::make_unique<VelmoriaApp>();
        app->InitMainWindow(false);
        app->Frame()->resize(1280, 1000);
        app->Frame()->show();
        Trigger(app->Frame()->Client(), "dataBase");
    }
    ~DataBaseScreen()
    {
        app.reset();
    }
    testing_support::ScratchDir dir;
    testing_support::SoundRecorder sounds;
    testing_support::MessageRecorder messages;
    std::unique_ptr<VelmoriaApp> app;
};

// Shows the card and paints it whole on `tab` before closing it.
testing_support::DialogAnswer PaintCard(int tab)
{
    return testing_support::DialogAnswer(
        [tab](platform::Dialog& d)
        {
            if (auto* planet = dynamic_cast<PlanetDlg*>(&d))
                planet->PlanetData->setCurrentIndex(tab);
            d.show();
            benchmark::DoNotOptimize(d.grab());
            d.hide();
            return QDialog::Accepted;
        });
}

void BM_MenuCommandToCard(benchmark::State& state)
{
    DataBaseScreen screen;
    // The commands by the benchmark's first argument.
    static const char* const kCommands[] = {"sunData", "jupiterData", "saturnData", "moonData",
                                            "comparison"};
    const char* command = kCommands[state.range(0)];
    testing_support::DialogAnswer answer = PaintCard(static_cast<int>(state.range(1)));
    for (auto _ : state)
        Trigger(screen.app->Frame()->Client(), command);
    if (!screen.messages.boxes.empty() ||
        screen.app->Frame()->Client()->Subject() != model::Mode::DataBase)
        state.SkipWithError("the card did not open");
}
// Sun; Jupiter on its orbital page and on its structure page; Saturn (most satellites and
// rings); the Moon; the comparison.
BENCHMARK(BM_MenuCommandToCard)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 3})
    ->Args({2, 1})
    ->Args({3, 0})
    ->Args({4, 0})
    ->Unit(benchmark::kMillisecond);
} // namespace
