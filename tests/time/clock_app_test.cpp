// The clock inside the whole application: its panes in the frame's status bar and the
// "exactly one clock timer per view, none elsewhere" rule across a view's life.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/AppSupport.h"
#include "common/TestSupport.h"
#include "time/TimeUpdateDlg.h"

#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <memory>

namespace
{
using testing_support::DialogAnswer;
using testing_support::FixedClock;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;
using testing_support::SoundRecorder;
using testing_support::Trigger;

unsigned RunningClockTimers(const VelmoriaWnd& w)
{
    unsigned set = 0;
    for (unsigned id : {kTimerStarMap, kTimerRealTime, kTimerSolar})
        if (w.Timers().IsRunning(id))
            set |= 1u << id;
    return set;
}
} // namespace

TEST(ClockInTheApplication, EachViewRunsExactlyOneClockTimerThroughItsLife)
{
    ScratchDir dir;
    dir.LinkAllRuntime();
    MessageRecorder messages;
    SoundRecorder sounds;
    FixedClock clock(Date{14, 7, 2026}, Time{9, 5, 0});
    auto app = std::make_unique<VelmoriaApp>();
    app->InitMainWindow(false);
    app->Frame()->resize(800, 600);
    VelmoriaWnd& w = *app->Frame()->Client();

    const struct
    {
        const char* enter;
        model::Mode subject;
        unsigned stepping;
    } views[] = {{"solarSystem", model::Mode::SolarSystem, kTimerSolar},
                 {"starMap", model::Mode::StarMap, kTimerStarMap}};
    for (const auto& v : views)
    {
        ASSERT_EQ(w.Subject(), model::Mode::Main);
        EXPECT_EQ(RunningClockTimers(w), 0u);
        Trigger(&w, v.enter);
        if (w.Subject() != v.subject)
        {
            ADD_FAILURE() << "view " << v.enter << " did not open: " << messages.boxes.size()
                          << " message(s)";
            continue;
        }
        EXPECT_EQ(RunningClockTimers(w), 1u << kTimerRealTime);
        EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Time)->Text(), "   09:05:00");
        EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Date)->Text(), "   14/07/2026");
        EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Mode)->Text(), " Real Time");

        DialogAnswer answer(
            [](platform::Dialog& d)
            {
                auto& dlg = static_cast<TimeUpdateDlg&>(d);
                dlg.byDays->setChecked(true);
                dlg.Day->setText("31");
                dlg.Month->setText("12");
                dlg.Year->setText("1999");
                dlg.timeR->setValue(100);
                dlg.CmOk();
                return QDialog::Accepted;
            });
        Trigger(&w, "timeUpdate");
        EXPECT_EQ(RunningClockTimers(w), 1u << v.stepping);
        EXPECT_EQ(w.Timers().Period(v.stepping), 100u);
        EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Mode)->Text(), " by Days ( 100 msec.)");
        w.EvTimer(v.stepping);
        EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Date)->Text(), "   01/01/2000");

        Trigger(&w, "normal");
        EXPECT_EQ(RunningClockTimers(w), 1u << kTimerRealTime);
        EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Mode)->Text(), " Real Time");
        w.EvTimer(kTimerRealTime);
        EXPECT_EQ(app->Frame()->PaneGadget(model::Pane::Date)->Text(), "   14/07/2026");

        Trigger(&w, "return");
        EXPECT_EQ(w.Subject(), model::Mode::Main);
        EXPECT_EQ(RunningClockTimers(w), 0u);
    }
    // Normal Conditions on the main screen resets the clock and starts no clock timer.
    w.clock.SetMode(kByHours);
    Trigger(&w, "normal");
    EXPECT_EQ(w.clock.Mode(), kRealTime);
    EXPECT_EQ(RunningClockTimers(w), 0u);
    app.reset();
}
