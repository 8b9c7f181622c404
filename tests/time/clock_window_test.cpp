// The window's clock: stepping through the window, the status-bar panes, the timer ticks, and
// which clock timer runs after Time Update and Normal Conditions.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/AppSupport.h"
#include "common/TestSupport.h"
#include "time/TimeUpdateDlg.h"

#include <QLineEdit>
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

// Seconds from 1 January 1901 to 1 January 2000: 99 years of 365 days and the 24 leap days
// 1904..1996.
constexpr uint64_t kStartOf2000 = (99ull * 365 + 24) * 86400;

// A bare window with status-bar panes of its own, in a scratch working directory, with the
// computer's clock fixed at 14 July 2026 09:05:00.
class ClockWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.LinkAllRuntime();
        w->resize(800, 600);
        w->RestoreMain();
        Show(model::Mode::SolarSystem);
    }

    // The view of `subject` on screen, entered from the main screen as the user does.
    void Show(model::Mode subject)
    {
        if (w->Subject() == subject)
            return;
        w->CmReturn();
        if (subject != model::Mode::Main)
            w->EnterSubject(subject);
    }

    // The Star Map's animation runs or stands still. Go is refused at a date bound and in Real
    // Time takes the computer's clock: the tests set the clock's state after this.
    void SetStarMapPlaying(bool playing)
    {
        if (playing == w->StarView().Playing())
            return;
        w->clock.SetTimedOut(false);
        if (playing)
            w->StarView().Go();
        else
            w->StarView().Stop();
    }

    // The Solar System runs or stands still, as Go or Stop leave it.
    void RunSolar(bool run)
    {
        if (run != w->SolarView().Playing())
            run ? w->SolarView().Go() : w->SolarView().Stop();
    }

    // One stepping tick of the view on screen, which runs.
    void Tick()
    {
        if (w->Subject() == model::Mode::StarMap)
            SetStarMapPlaying(true);
        else
            RunSolar(true);
        w->EvTimer(w->Subject() == model::Mode::StarMap ? kTimerStarMap : kTimerSolar);
    }

    // The clock timers (1, 2, 3) that run, as a bit set: 1 << id.
    unsigned RunningClockTimers() const
    {
        unsigned set = 0;
        for (unsigned id : {kTimerStarMap, kTimerRealTime, kTimerSolar})
            if (w->Timers().IsRunning(id))
                set |= 1u << id;
        return set;
    }

    ScratchDir dir;
    MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    FixedClock clock{Date{14, 7, 2026}, Time{9, 5, 0}};
    // A frame of its own gives the window its status-bar panes.
    std::unique_ptr<DecFrame> frame = std::make_unique<DecFrame>();
    VelmoriaWnd* w = frame->Client();
    StatusBar& bar = *frame->Status();
    TextGadget& datePane = *frame->PaneGadget(model::Pane::Date);
    TextGadget& timePane = *frame->PaneGadget(model::Pane::Time);
    TextGadget& modePane = *frame->PaneGadget(model::Pane::Mode);

};

void ExpectClock(const VelmoriaWnd& w, Date d, Time t)
{
    EXPECT_EQ(w.clock.CurrentDate().Day, d.Day);
    EXPECT_EQ(w.clock.CurrentDate().Month, d.Month);
    EXPECT_EQ(w.clock.CurrentDate().Year, d.Year);
    EXPECT_EQ(w.clock.CurrentTime().Hour, t.Hour);
    EXPECT_EQ(w.clock.CurrentTime().Minute, t.Minute);
    EXPECT_EQ(w.clock.CurrentTime().Second, t.Second);
}
} // namespace

// ---- clock and panes ----

TEST_F(ClockWindow, SteppingTickStepsTheClockAndRewritesBothPanes)
{
    w->clock.SetMode(kBySeconds);
    w->clock.SetDateTime(Date{31, 12, 1999}, w->clock.CurrentTime());
    w->clock.SetDateTime(w->clock.CurrentDate(), Time{23, 59, 59});
    Tick();
    ExpectClock(*w, Date{1, 1, 2000}, Time{0, 0, 0});
    EXPECT_EQ(timePane.Text(), "   00:00:00");
    EXPECT_EQ(datePane.Text(), "   01/01/2000");
    w->clock.SetTimeDirection(false);
    w->clock.SetMode(kByDays);
    Tick();
    EXPECT_EQ(datePane.Text(), "   31/12/1999");
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ClockWindow, SteppingTickInRealTimeOnlyShowsTheClock)
{
    w->clock.SetMode(kRealTime);
    w->clock.SetDateTime(Date{5, 3, 2001}, w->clock.CurrentTime());
    w->clock.SetDateTime(w->clock.CurrentDate(), Time{7, 8, 9});
    Tick();
    ExpectClock(*w, Date{5, 3, 2001}, Time{7, 8, 9});
    EXPECT_EQ(timePane.Text(), "   07:08:09");
    EXPECT_EQ(datePane.Text(), "   05/03/2001");
}

TEST_F(ClockWindow, ReachingADateBoundSetsTimeOutLeavesTheClockWhereItStoodAndTellsTheUser)
{
    // The step that would pass the bound is not taken: the panes keep the instant just drawn.
    const struct
    {
        model::Mode subject;
        int mode;
        bool forward;
        Date from;
        Time at;
        const char* datePane;
    } cases[] = {
        {model::Mode::SolarSystem, kByYears, true, {10, 5, 2999}, {1, 2, 3}, "   10/05/2999"},
        {model::Mode::StarMap, kBySeconds, true, {31, 12, 2999}, {23, 59, 59}, "   31/12/2999"},
        {model::Mode::SolarSystem, kByDays, true, {31, 12, 2999}, {8, 0, 0}, "   31/12/2999"},
        {model::Mode::SolarSystem, kBySeconds, false, {1, 1, 1901}, {0, 0, 0}, "   01/01/1901"},
        {model::Mode::StarMap, kByMonths, false, {31, 1, 1901}, {4, 5, 6}, "   31/01/1901"},
    };
    for (const auto& c : cases)
    {
        Show(c.subject);
        messages.boxes.clear();
        w->clock.SetTimedOut(false);
        w->clock.SetMode(c.mode);
        w->clock.SetTimeDirection(c.forward);
        w->clock.SetDateTime(c.from, w->clock.CurrentTime());
        w->clock.SetDateTime(w->clock.CurrentDate(), c.at);
        Tick();
        EXPECT_TRUE(w->clock.TimedOut());
        ExpectClock(*w, c.from, c.at);
        EXPECT_EQ(datePane.Text(), c.datePane);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, "Out from date bound !!!");
        EXPECT_EQ(messages.boxes[0].caption, "Velmoria - [Info]");
        EXPECT_EQ(messages.boxes[0].flags, 0x40u);
    }
}

TEST_F(ClockWindow, ReachingADateBoundStopsTheRunningViewSoLaterTicksStayIdle)
{
    for (model::Mode subject : {model::Mode::SolarSystem, model::Mode::StarMap})
    {
        Show(subject);
        messages.boxes.clear();
        RunSolar(subject == model::Mode::SolarSystem);
        SetStarMapPlaying(true);
        w->clock.SetMode(kByYears);
        w->clock.SetTimeDirection(true);
        w->clock.SetDateTime(Date{1, 6, 2999}, w->clock.CurrentTime());
        const unsigned timer = subject == model::Mode::SolarSystem ? kTimerSolar : kTimerStarMap;
        w->EvTimer(timer);
        EXPECT_FALSE(subject == model::Mode::SolarSystem ? w->SolarView().Playing()
                                                         : w->StarView().Playing());
        w->EvTimer(timer);
        w->EvTimer(timer);
        EXPECT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(w->clock.CurrentDate().Year, 2999u);
    }
}

TEST_F(ClockWindow, ModePaneShowsModeAndRateAndIgnoresUnknownModes)
{
    w->clock.SetRate(100);
    w->clock.SetMode(kByDays);
    w->clock.ShowMode();
    EXPECT_EQ(modePane.Text(), " by Days ( 100 msec.)");
    w->clock.SetMode(kBySeconds);
    w->clock.ShowMode();
    EXPECT_EQ(modePane.Text(), " by Seconds ( 100 msec. )");
    w->clock.SetMode(17);
    w->clock.ShowMode();
    EXPECT_EQ(modePane.Text(), " by Seconds ( 100 msec. )");
    w->clock.SetMode(kRealTime);
    w->clock.ShowMode();
    EXPECT_EQ(modePane.Text(), " Real Time");
}

TEST_F(ClockWindow, SetupStatusBarTakesTheComputersClockAndClearsTimeOut)
{
    w->clock.SetTimedOut(true);
    w->clock.SetMode(kRealTime);
    w->clock.SetupStatusBar();
    ExpectClock(*w, Date{14, 7, 2026}, Time{9, 5, 0});
    EXPECT_EQ(timePane.Text(), "   09:05:00");
    EXPECT_EQ(datePane.Text(), "   14/07/2026");
    EXPECT_EQ(modePane.Text(), " Real Time");
    EXPECT_FALSE(w->clock.TimedOut());
}

// ---- ticks ----

TEST_F(ClockWindow, SteppingTickStepsTheClockAndRemembersTheInstantItDrew)
{
    const struct
    {
        model::Mode subject;
        unsigned timer;
    } cases[] = {{model::Mode::SolarSystem, kTimerSolar}, {model::Mode::StarMap, kTimerStarMap}};
    for (const auto& c : cases)
    {
        Show(c.subject);
        RunSolar(c.subject == model::Mode::SolarSystem);
        SetStarMapPlaying(c.subject == model::Mode::StarMap);
        w->clock.SetMode(kByDays);
        w->clock.SetTimeDirection(true);
        w->clock.SetDateTime(Date{1, 1, 2000}, w->clock.CurrentTime());
        w->clock.SetDateTime(w->clock.CurrentDate(), Time{0, 0, 0});
        w->clock.NoteStep(0);
        w->EvTimer(c.timer);
        EXPECT_EQ(w->clock.LastStep(), kStartOf2000);
        ExpectClock(*w, Date{2, 1, 2000}, Time{0, 0, 0});
        EXPECT_EQ(datePane.Text(), "   02/01/2000");
        w->EvTimer(c.timer);
        EXPECT_EQ(w->clock.LastStep(), kStartOf2000 + 86400);
        ExpectClock(*w, Date{3, 1, 2000}, Time{0, 0, 0});
    }
}

TEST_F(ClockWindow, SteppingTicksActOnlyForTheirOwnRunningView)
{
    const struct
    {
        model::Mode subject;
        bool playing, stPlaying;
        unsigned timer;
    } cases[] = {
        {model::Mode::SolarSystem, false, true, kTimerSolar},   // Solar System stopped
        {model::Mode::StarMap, true, false, kTimerStarMap}, // Star Map stopped
        {model::Mode::SolarSystem, true, true, kTimerStarMap},  // the Star Map's timer in the Solar System
        {model::Mode::StarMap, true, true, kTimerSolar},    // the Solar System's timer in the Star Map
        {model::Mode::Main, true, true, kTimerSolar},    // main screen
        {model::Mode::SolarSystem, true, true, 7},              // not one of the window's timers
    };
    for (const auto& c : cases)
    {
        Show(c.subject);
        RunSolar(c.playing);
        SetStarMapPlaying(c.stPlaying);
        w->clock.SetMode(kByHours);
        w->clock.SetDateTime(Date{1, 1, 2000}, w->clock.CurrentTime());
        w->clock.SetDateTime(w->clock.CurrentDate(), Time{5, 0, 0});
        w->clock.NoteStep(42);
        w->EvTimer(c.timer);
        ExpectClock(*w, Date{1, 1, 2000}, Time{5, 0, 0});
        EXPECT_EQ(w->clock.LastStep(), 42u);
    }
}

TEST_F(ClockWindow, RealTimeTickSetsTheClockToTheComputersWithoutStepping)
{
    for (model::Mode subject : {model::Mode::SolarSystem, model::Mode::StarMap})
    {
        Show(subject);
        RunSolar(subject == model::Mode::SolarSystem);
        SetStarMapPlaying(subject == model::Mode::StarMap);
        w->clock.SetMode(kRealTime);
        w->clock.SetDateTime(Date{1, 1, 2000}, w->clock.CurrentTime());
        w->clock.SetDateTime(w->clock.CurrentDate(), Time{5, 0, 0});
        w->clock.NoteStep(42);
        w->clock.SetTimedOut(true);
        clock.Set(Date{29, 2, 2028}, Time{23, 59, 58});
        w->EvTimer(kTimerRealTime);
        ExpectClock(*w, Date{29, 2, 2028}, Time{23, 59, 58});
        EXPECT_EQ(timePane.Text(), "   23:59:58");
        EXPECT_EQ(datePane.Text(), "   29/02/2028");
        EXPECT_EQ(w->clock.LastStep(), 42u);
        EXPECT_TRUE(w->clock.TimedOut());
    }
}

TEST_F(ClockWindow, RealTimeTickLeavesAStoppedViewAloneWhateverTheOtherViewsFlag)
{
    // A Star Map entry that failed leaves StPlaying set; it must not wake a stopped Solar
    // System.
    Show(model::Mode::SolarSystem);
    RunSolar(false);
    SetStarMapPlaying(true);
    w->clock.SetDateTime(Date{1, 1, 2000}, w->clock.CurrentTime());
    w->clock.SetDateTime(w->clock.CurrentDate(), Time{5, 0, 0});
    w->EvTimer(kTimerRealTime);
    ExpectClock(*w, Date{1, 1, 2000}, Time{5, 0, 0});
    EXPECT_EQ(timePane.Text(), "   05:00:00");
}

// ---- Time Update ----

TEST_F(ClockWindow, TimeUpdateRunsTheTimerThatFitsTheChosenModeAndRate)
{
    const struct
    {
        model::Mode subject;
        int mode; // button checked in the dialog
        int rate; // scroll bar position
        bool ok;  // OK, else Cancel
        unsigned timer;
        unsigned period;
        const char* modePane;
    } cases[] = {
        {model::Mode::SolarSystem, kByDays, 500, true, kTimerSolar, 500, " by Days ( 500 msec.)"},
        {model::Mode::SolarSystem, kBySeconds, 1, true, kTimerSolar, 30, " by Seconds ( 30 msec. )"},
        {model::Mode::SolarSystem, kByHours, 29, true, kTimerSolar, 30, " by Hours ( 30 msec. )"},
        {model::Mode::SolarSystem, kByHours, 31, true, kTimerSolar, 31, " by Hours ( 31 msec. )"},
        {model::Mode::StarMap, kByYears, 1000, true, kTimerStarMap, 1000, " by Years ( 1000 msec. )"},
        {model::Mode::StarMap, kByMonths, 1, true, kTimerStarMap, 30, " by Months ( 30 msec. )"},
        {model::Mode::StarMap, kRealTime, 300, true, kTimerRealTime, 1000, " Real Time"},
        {model::Mode::SolarSystem, kByDays, 500, false, kTimerRealTime, 1000, " Real Time"},
        {model::Mode::StarMap, kByDays, 500, false, kTimerRealTime, 1000, " Real Time"},
    };
    for (const auto& c : cases)
    {
        Show(c.subject);
        w->clock.SetMode(kRealTime);
        w->clock.SetRate(1);
        w->KillTimer(kTimerSolar);
        w->KillTimer(kTimerStarMap);
        w->SetTimer(kTimerRealTime, 1000);
        bool ran = false;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                ran = true;
                // The running timer is stopped while the dialog is open.
                EXPECT_EQ(RunningClockTimers(), 0u);
                EXPECT_EQ(bar.HintText(), "Updating time mode and time value");
                auto& dlg = static_cast<TimeUpdateDlg&>(d);
                dlg.ControlAs<QAbstractButton>(c.mode)->setChecked(true);
                dlg.timeR->setValue(c.rate);
                if (!c.ok)
                    return QDialog::Rejected;
                dlg.CmOk();
                return QDialog::Accepted;
            });
        w->CmTimeUpdate();
        EXPECT_TRUE(ran);
        EXPECT_EQ(RunningClockTimers(), 1u << c.timer) << c.mode << " rate " << c.rate;
        EXPECT_EQ(w->Timers().Period(c.timer), c.period) << c.mode << " rate " << c.rate;
        EXPECT_EQ(modePane.Text(), c.modePane);
        EXPECT_EQ(bar.HintText(),
                  c.subject == model::Mode::SolarSystem ? "Viewing Solar System model" : "Viewing Star Map");
    }
}

TEST_F(ClockWindow, TimeUpdateBackToRealTimeStopsTheSteppingTimerAndResetsTheRate)
{
    for (model::Mode subject : {model::Mode::SolarSystem, model::Mode::StarMap})
    {
        Show(subject);
        const unsigned stepping = subject == model::Mode::SolarSystem ? kTimerSolar : kTimerStarMap;
        w->clock.SetMode(kByHours);
        w->clock.SetRate(200);
        w->KillTimer(kTimerRealTime);
        w->SetTimer(stepping, 200);
        w->clock.SetDateTime(Date{3, 4, 2500}, w->clock.CurrentTime());
        w->clock.SetDateTime(w->clock.CurrentDate(), Time{1, 2, 3});
        DialogAnswer answer(
            [](platform::Dialog& d)
            {
                auto& dlg = static_cast<TimeUpdateDlg&>(d);
                dlg.RealTime->setChecked(true);
                dlg.CmOk();
                return QDialog::Accepted;
            });
        w->CmTimeUpdate();
        EXPECT_EQ(RunningClockTimers(), 1u << kTimerRealTime);
        EXPECT_EQ(w->Timers().Period(kTimerRealTime), 1000u);
        EXPECT_EQ(w->clock.Mode(), kRealTime);
        EXPECT_EQ(w->clock.Rate(), 1);
        EXPECT_EQ(modePane.Text(), " Real Time");
    }
}

TEST_F(ClockWindow, TimeUpdateHandsTheClockToTheDialogAndTakesBackWhatItStored)
{
    Show(model::Mode::StarMap);
    w->clock.SetMode(kByMinutes);
    w->clock.SetRate(250);
    w->clock.SetDateTime(Date{9, 8, 1950}, w->clock.CurrentTime());
    w->clock.SetDateTime(w->clock.CurrentDate(), Time{7, 6, 5});
    DialogAnswer answer(
        [](platform::Dialog& d)
        {
            auto& dlg = static_cast<TimeUpdateDlg&>(d);
            EXPECT_EQ(dlg.Day->text(), "09");
            EXPECT_EQ(dlg.Month->text(), "08");
            EXPECT_EQ(dlg.Year->text(), "1950");
            EXPECT_EQ(dlg.Hour->text(), "07");
            EXPECT_EQ(dlg.Second->text(), "05");
            EXPECT_TRUE(dlg.byMinutes->isChecked());
            EXPECT_EQ(dlg.timeR->value(), 250);
            dlg.Day->setText("29");
            dlg.Month->setText("02");
            dlg.Year->setText("2000");
            dlg.Hour->setText("23");
            dlg.byDays->setChecked(true);
            dlg.CmOk();
            return QDialog::Accepted;
        });
    w->CmTimeUpdate();
    EXPECT_EQ(w->clock.Mode(), kByDays);
    ExpectClock(*w, Date{29, 2, 2000}, Time{23, 6, 5});
    EXPECT_EQ(w->clock.Rate(), 250);
    EXPECT_EQ(w->Timers().Period(kTimerStarMap), 250u);
}

TEST_F(ClockWindow, TimeUpdateConfirmedClearsADateBoundAndCancelKeepsIt)
{
    struct Case
    {
        int mode;
        int answer;
        bool timeOutAfter;
    };
    // Confirmed, the clock stands within the bounds again (the computer's clock, or a date
    // of 1901 to 2999); cancelled, it stands where the bound stopped it.
    const Case cases[] = {{kRealTime, QDialog::Accepted, false},
                          {kByYears, QDialog::Accepted, false},
                          {kByYears, QDialog::Rejected, true}};
    for (const Case& c : cases)
    {
        Show(model::Mode::SolarSystem);
        w->clock.SetMode(kByYears);
        w->clock.SetTimedOut(true);
        DialogAnswer answer(
            [c](platform::Dialog& d)
            {
                auto& dlg = static_cast<TimeUpdateDlg&>(d);
                dlg.ControlAs<QAbstractButton>(c.mode)->setChecked(true);
                if (c.answer == QDialog::Accepted)
                    dlg.CmOk();
                return c.answer;
            });
        w->CmTimeUpdate();
        EXPECT_EQ(w->clock.TimedOut(), c.timeOutAfter) << c.mode << " " << c.answer;
    }
}

TEST_F(ClockWindow, TimeUpdateDoesNothingOutsideTheTwoViews)
{
    for (model::Mode subject : {model::Mode::Main, model::Mode::DataBase})
    {
        Show(subject);
        bool ran = false;
        DialogAnswer answer(
            [&](platform::Dialog&)
            {
                ran = true;
                return QDialog::Rejected;
            });
        w->CmTimeUpdate();
        EXPECT_FALSE(ran);
        EXPECT_EQ(RunningClockTimers(), 0u);
    }
}

// ---- Normal Conditions ----

TEST_F(ClockWindow, NormalConditionsInTheSolarSystemReturnsToRealTimeAndResetsTheModel)
{
    Show(model::Mode::SolarSystem);
    w->clock.SetMode(kByHours);
    w->clock.SetRate(200);
    w->clock.SetTimeDirection(false);
    w->clock.SetTimedOut(true);
    w->clock.NoteStep(12345);
    for (int n = 0; n < 10; ++n)
        w->SolarView().Action("zoomIn")->trigger();
    w->SolarView().Action("centreMars")->trigger();
    ASSERT_EQ(w->solar.SystemCenter(), 4);
    w->SetTimer(kTimerSolar, 200);
    w->CmNormal();
    EXPECT_EQ(RunningClockTimers(), 1u << kTimerRealTime);
    EXPECT_EQ(w->Timers().Period(kTimerRealTime), 1000u);
    EXPECT_EQ(w->clock.Mode(), kRealTime);
    EXPECT_TRUE(w->clock.Forward());
    EXPECT_FALSE(w->clock.TimedOut());
    EXPECT_EQ(w->clock.Rate(), 1);
    EXPECT_EQ(w->clock.LastStep(), 0u);
    EXPECT_EQ(w->solar.Scale(), 1.0f);
    EXPECT_EQ(w->solar.SystemCenter(), 0);
    EXPECT_EQ(modePane.Text(), " Real Time");
}

TEST_F(ClockWindow, NormalConditionsOnTheReviewGlobeLevelsItAndReturnsToRealTime)
{
    Show(model::Mode::StarMap);
    StarMapView& view = w->StarView();
    view.Action("reviewGlobe")->trigger();
    const double level = view.Map().Rotation();
    w->clock.SetMode(kByDays);
    w->clock.SetRate(40);
    w->clock.SetTimeDirection(false);
    // Tilted and turned by the user.
    view.TurnReviewGlobe(30.0, 20);
    ASSERT_EQ(view.TiltBar()->value(), 20);
    w->SetTimer(kTimerStarMap, 40);
    w->CmNormal();
    EXPECT_EQ(RunningClockTimers(), 1u << kTimerRealTime);
    EXPECT_EQ(w->clock.Mode(), kRealTime);
    EXPECT_EQ(w->clock.Rate(), 1);
    EXPECT_TRUE(w->clock.Forward());
    EXPECT_EQ(view.Map().TiltPosition(), 180);
    EXPECT_EQ(view.TiltBar()->minimum(), 0);
    EXPECT_EQ(view.TiltBar()->maximum(), 360);
    EXPECT_EQ(view.TiltBar()->value(), 180);
    EXPECT_EQ(view.Map().Tilt().lat, 0.0);
    EXPECT_DOUBLE_EQ(view.Map().Tilt().latCos, 1.0);
    EXPECT_DOUBLE_EQ(view.Map().Tilt().latSin, 0.0);
    EXPECT_EQ(view.Map().Radius(), 150.0); // a quarter of the 600-pixel client height
    // The turn is gone: the computer's clock stands still, so the sky is the one before it.
    EXPECT_NEAR(view.Map().Rotation(), level, 1e-9);
}

TEST_F(ClockWindow, NormalConditionsInRealTimeKeepsTheRealTimeTimer)
{
    Show(model::Mode::StarMap);
    w->clock.SetMode(kRealTime);
    w->SetTimer(kTimerRealTime, 1000);
    w->CmNormal();
    EXPECT_EQ(RunningClockTimers(), 1u << kTimerRealTime);
    EXPECT_EQ(modePane.Text(), " Real Time");
}

TEST_F(ClockWindow, NormalConditionsOnTheMainScreenResetsTheClockAndStartsNoTimer)
{
    for (model::Mode subject : {model::Mode::Main, model::Mode::DataBase})
    {
        Show(subject);
        w->clock.SetMode(kByMonths);
        w->clock.SetRate(300);
        w->clock.SetTimeDirection(false);
        w->clock.NoteStep(99);
        w->CmNormal();
        EXPECT_EQ(w->clock.Mode(), kRealTime);
        EXPECT_EQ(w->clock.Rate(), 1);
        EXPECT_TRUE(w->clock.Forward());
        EXPECT_EQ(w->clock.LastStep(), 0u);
        EXPECT_EQ(RunningClockTimers(), 0u);
    }
}

// ---- with the Solar System's own run commands and angles ----

TEST_F(ClockWindow, ReversingTheDirectionWhileRunningShowsTheBodiesWhereTheyAreAtEachInstant)
{
    Show(model::Mode::SolarSystem);
    RunSolar(true);
    w->clock.SetMode(kByDays);
    w->clock.SetTimeDirection(true);
    w->clock.SetDateTime(Date{10, 3, 2001}, Time{0, 0, 0});
    w->clock.NoteStep(0);
    w->EvTimer(kTimerSolar);
    const double first = w->solar.SolObj(3).Place.Longitude;
    w->EvTimer(kTimerSolar);
    const double second = w->solar.SolObj(3).Place.Longitude;
    ASSERT_NE(first, second); // a day's step moves the Earth
    w->clock.SetTimeDirection(false);
    // The clock was stepped to 12 March after the last drawing: that day is drawn, then the
    // 11th, then the 10th, each where the body is on that day.
    w->EvTimer(kTimerSolar);
    EXPECT_GT(w->solar.SolObj(3).Place.Longitude, second);
    w->EvTimer(kTimerSolar);
    EXPECT_DOUBLE_EQ(w->solar.SolObj(3).Place.Longitude, second);
    w->EvTimer(kTimerSolar);
    EXPECT_DOUBLE_EQ(w->solar.SolObj(3).Place.Longitude, first);
    ExpectClock(*w, Date{9, 3, 2001}, Time{0, 0, 0});
}

TEST_F(ClockWindow, TimeUpdateRestartsARunningViewAndLeavesAStoppedOneStopped)
{
    Show(model::Mode::SolarSystem);
    for (bool running : {true, false})
    {
        RunSolar(running);
        w->clock.SetMode(kRealTime);
        w->clock.SetTimedOut(false);
        DialogAnswer answer(
            [](platform::Dialog& d)
            {
                auto& dlg = static_cast<TimeUpdateDlg&>(d);
                const auto* window = static_cast<VelmoriaWnd*>(dlg.parent());
                EXPECT_FALSE(window->Subject() == model::Mode::SolarSystem &&
                             window->SolarView().Playing());
                dlg.byDays->setChecked(true);
                dlg.CmOk();
                return QDialog::Accepted;
            });
        w->CmTimeUpdate();
        EXPECT_EQ(w->SolarView().Playing(), running);
        EXPECT_TRUE(messages.boxes.empty());
    }
}

TEST_F(ClockWindow, TimeUpdateOfAStoppedViewShowsTheNewClockAtOnceAndLiftsTheDateBound)
{
    Show(model::Mode::SolarSystem);
    RunSolar(false);
    w->clock.SetMode(kByDays);
    w->clock.SetTimedOut(true);  // a date bound was hit before
    w->clock.SetDateTime(Date{31, 12, 2999}, w->clock.CurrentTime());
    w->EvTimer(kTimerSolar);
    const double before = w->solar.SolObj(3).Place.Longitude;
    DialogAnswer answer(
        [](platform::Dialog& d)
        {
            auto& dlg = static_cast<TimeUpdateDlg&>(d);
            dlg.byHours->setChecked(true);
            dlg.Day->SetNumber(21);
            dlg.Month->SetNumber(6);
            dlg.Year->SetNumber(2001);
            dlg.Hour->SetNumber(12);
            dlg.Minute->SetNumber(0);
            dlg.Second->SetNumber(0);
            dlg.CmOk();
            return QDialog::Accepted;
        });
    w->CmTimeUpdate();
    EXPECT_FALSE(w->SolarView().Playing());
    EXPECT_EQ(datePane.Text(), "   21/06/2001");
    EXPECT_EQ(timePane.Text(), "   12:00:00");
    const double shown = w->solar.SolObj(3).Place.Longitude;
    EXPECT_NE(shown, before);
    // Go starts at once, and its first tick draws the moment already on the screen.
    EXPECT_FALSE(w->clock.TimedOut());
    w->SolarView().Go();
    EXPECT_TRUE(w->SolarView().Playing());
    EXPECT_TRUE(messages.boxes.empty());
    w->EvTimer(kTimerSolar);
    EXPECT_DOUBLE_EQ(w->solar.SolObj(3).Place.Longitude, shown);
    ExpectClock(*w, Date{21, 6, 2001}, Time{13, 0, 0});
}

TEST_F(ClockWindow, TimeUpdateAfterADateBoundInAStepModeRefusesToRestart)
{
    Show(model::Mode::SolarSystem);
    RunSolar(true);
    w->StopClockTimer();
    w->clock.SetMode(kByYears);
    w->StartClockTimer();
    w->clock.SetTimedOut(true);
    DialogAnswer answer([](platform::Dialog&) { return QDialog::Rejected; });
    w->CmTimeUpdate();
    EXPECT_FALSE(w->SolarView().Playing());
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Out from date bound !!!");
    EXPECT_EQ(RunningClockTimers(), 0u);
}

TEST_F(ClockWindow, AStoppedViewHasNoTickAndGoStartsTheOneOfItsMode)
{
    const struct
    {
        model::Mode subject;
        int mode;
        unsigned timer;
    } cases[] = {
        {model::Mode::SolarSystem, kRealTime, kTimerRealTime},
        {model::Mode::SolarSystem, kByDays, kTimerSolar},
        {model::Mode::StarMap, kRealTime, kTimerRealTime},
        {model::Mode::StarMap, kByHours, kTimerStarMap},
    };
    for (const auto& c : cases)
    {
        Show(c.subject);
        w->clock.SetMode(c.mode);
        ASSERT_TRUE(testing_support::Trigger(w, "stop"));
        EXPECT_EQ(RunningClockTimers(), 0u) << c.mode;
        ASSERT_TRUE(testing_support::Trigger(w, "go"));
        EXPECT_EQ(RunningClockTimers(), 1u << c.timer) << c.mode;
        // Back to the main screen: no view, no tick.
        Show(model::Mode::Main);
        EXPECT_EQ(RunningClockTimers(), 0u) << c.mode;
    }
}

TEST_F(ClockWindow, NormalConditionsAfterADateBoundStartsTheAnimationAgain)
{
    Show(model::Mode::SolarSystem);
    RunSolar(false);
    w->clock.SetMode(kByYears);
    w->clock.SetTimedOut(true);
    w->SetTimer(kTimerSolar, 30);
    w->CmNormal();
    EXPECT_TRUE(w->SolarView().Playing());
    EXPECT_FALSE(w->clock.TimedOut());
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(RunningClockTimers(), 1u << kTimerRealTime);
}

TEST_F(ClockWindow, StoppedRealTimeFreezesThePanesAndGoCatchesUpAtOnce)
{
    Show(model::Mode::SolarSystem);
    w->clock.SetMode(kRealTime);
    RunSolar(true);
    w->EvTimer(kTimerRealTime);
    EXPECT_EQ(timePane.Text(), "   09:05:00");
    w->SolarView().Stop();
    clock.Set(Date{14, 7, 2026}, Time{9, 5, 30});
    w->EvTimer(kTimerRealTime);
    EXPECT_EQ(timePane.Text(), "   09:05:00");
    w->SolarView().Go();
    EXPECT_EQ(timePane.Text(), "   09:05:30");
}
