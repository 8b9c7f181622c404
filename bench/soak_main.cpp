// velmoria_soak: the whole program stepping by seconds at the shortest period in each view for
// a long time, with its real frame, timers and drawing, to show that memory does not grow.
// Usage: velmoria_soak [SECONDS_PER_VIEW [VIEW]]   (default 3600 in each view; VIEW 1 (Solar System),
// 2 (Star Map) or 3 (database) soaks that view alone, so that the three can run side by side)
// Prints the resident memory on entering each view, after a minute's warm-up, and at the end.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "common/AppSupport.h"

using testing_support::IsEnabled;
using testing_support::Trigger;

namespace
{
// Resident set size of this process in kB, from /proc/self/status.
long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

void RunFor(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

// The clock steps by seconds every 30 ms, running.
void StepBySeconds(VelmoriaWnd* wnd)
{
    wnd->StopClockTimer();
    wnd->clock.SetMode(kBySeconds);
    wnd->clock.SetRate(30);
    wnd->clock.SetTimeDirection(true);
    wnd->StartClockTimer();
}
} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const double perView = argc > 1 ? std::atof(argv[1]) : 3600.0;
    const double warmUp = perView >= 600 ? 60.0 : perView / 10;
    const int onlyView = argc > 2 ? std::atoi(argv[2]) : 0;
    QApplication qapp(argc, argv);

    testing_support::ScratchDir dir;
    dir.LinkAllRuntime();
    testing_support::MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    int failures = 0;
    {
        VelmoriaApp app;
        app.InitMainWindow(false);
        app.Frame()->resize(1280, 1024);
        app.Frame()->show();
        VelmoriaWnd* wnd = app.Frame()->Client();
        RunFor(1.0);
        std::printf("main screen: %ld kB\n", ResidentKb());

        struct View
        {
            int number; // as the command line names it
            const char* command;
            const char* name;
        };
        for (const View& view : {View{1, "solarSystem", "Solar System"},
                                 View{2, "starMap", "Star Map"},
                                 View{3, "dataBase", "Astronomical Database"}})
        {
            if (onlyView != 0 && view.number != onlyView)
                continue;
            Trigger(wnd, view.command);
            if (wnd->Subject() == model::Mode::Main)
            {
                std::printf("%s: did not open\n", view.name);
                ++failures;
                continue;
            }
            if (wnd->Subject() != model::Mode::DataBase)
                StepBySeconds(wnd);
            const long entry = ResidentKb();
            RunFor(warmUp);
            const long start = ResidentKb();
            QElapsedTimer elapsed;
            elapsed.start();
            const uint64_t firstInstant = wnd->clock.LastStep();
            RunFor(perView);
            const long end = ResidentKb();
            std::printf("%s: entry %ld kB, after %.0f s %ld kB, after %.0f s more %ld kB, "
                        "growth %+ld kB",
                        view.name, entry, warmUp, start, elapsed.elapsed() / 1000.0, end,
                        end - start);
            if (wnd->Subject() != model::Mode::DataBase)
                std::printf("; clock at %s %s, %llu simulated seconds stepped",
                            app.Frame()->PaneGadget(model::Pane::Date)->Text().c_str(), app.Frame()->PaneGadget(model::Pane::Time)->Text().c_str(),
                            static_cast<unsigned long long>(wnd->clock.LastStep() - firstInstant));
            std::printf("\n");
            std::fflush(stdout);
            if (end - start >= 1024)
                ++failures;
            Trigger(wnd, "return");
        }
    }
    for (const platform::MessageRecord& box : messages.boxes)
    {
        std::printf("message box: %s\n", box.text.c_str());
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
