// The window's clock: stepping through the window, the status-bar panes, the timer ticks, and
// which clock timer runs after Time Update and Normal Conditions.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
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
        savedSubject = Subject;
        savedSb = sb;
        savedDate = sbDate;
        savedTime = sbTime;
        savedMode = sbMode;
        sb = &bar;
        sbDate = &datePane;
        sbTime = &timePane;
        sbMode = &modePane;
        Subject = 2;
        w = std::make_unique<VelmoriaWnd>();
        w->resize(800, 600);
    }

    void TearDown() override
    {
        Subject = 0;
        w.reset();
        sb = savedSb;
        sbDate = savedDate;
        sbTime = savedTime;
        sbMode = savedMode;
        Subject = savedSubject;
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
    FixedClock clock{Date{14, 7, 2026}, Time{9, 5, 0}};
    StatusBar bar;
    TextGadget datePane{1, 12};
    TextGadget timePane{2, 12};
    TextGadget modePane{3, 20};
    std::unique_ptr<VelmoriaWnd> w;

    uint8_t savedSubject = 0;
    StatusBar* savedSb = nullptr;
    TextGadget* savedDate = nullptr;
    TextGadget* savedTime = nullptr;
    TextGadget* savedMode = nullptr;
};

void ExpectClock(const VelmoriaWnd& w, Date d, Time t)
{
    EXPECT_EQ(w.CurDate.Day, d.Day);
    EXPECT_EQ(w.CurDate.Month, d.Month);
    EXPECT_EQ(w.CurDate.Year, d.Year);
    EXPECT_EQ(w.CurTime.Hour, t.Hour);
    EXPECT_EQ(w.CurTime.Minute, t.Minute);
    EXPECT_EQ(w.CurTime.Second, t.Second);
}
} // namespace

// ---- clock and panes ----

TEST_F(ClockWindow, TimeCalculateStepsTheClockAndRewritesBothPanes)
{
    w->TimeUpdateMode = kBySeconds;
    w->CurDate = Date{31, 12, 1999};
    w->CurTime = Time{23, 59, 59};
    w->TimeCalculate();
    ExpectClock(*w, Date{1, 1, 2000}, Time{0, 0, 0});
    EXPECT_EQ(timePane.Text(), "   00:00:00");
    EXPECT_EQ(datePane.Text(), "   01/01/2000");
    w->TimeForward = false;
    w->TimeUpdateMode = kByDays;
    w->TimeCalculate();
    EXPECT_EQ(datePane.Text(), "   31/12/1999");
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ClockWindow, TimeCalculateInRealTimeOnlyShowsTheClock)
{
    w->TimeUpdateMode = kRealTime;
    w->CurDate = Date{5, 3, 2001};
    w->CurTime = Time{7, 8, 9};
    w->TimeCalculate();
    ExpectClock(*w, Date{5, 3, 2001}, Time{7, 8, 9});
    EXPECT_EQ(timePane.Text(), "   07:08:09");
    EXPECT_EQ(datePane.Text(), "   05/03/2001");
}

TEST_F(ClockWindow, ReachingADateBoundSetsTimeOutKeepsTheYearAndTellsTheUser)
{
    const struct
    {
        uint8_t subject;
        int mode;
        bool forward;
        Date from;
        Time at;
        Date to;
        Time after;
        const char* datePane;
    } cases[] = {
        {2, kByYears, true, {10, 5, 2999}, {1, 2, 3}, {10, 5, 2999}, {1, 2, 3}, "   10/05/2999"},
        {3,
         kBySeconds,
         true,
         {31, 12, 2999},
         {23, 59, 59},
         {1, 1, 2999},
         {0, 0, 0},
         "   01/01/2999"},
        {2,
         kBySeconds,
         false,
         {1, 1, 1901},
         {0, 0, 0},
         {31, 12, 1901},
         {23, 59, 59},
         "   31/12/1901"},
        {3, kByMonths, false, {31, 1, 1901}, {4, 5, 6}, {31, 12, 1901}, {4, 5, 6}, "   31/12/1901"},
    };
    for (const auto& c : cases)
    {
        Subject = c.subject;
        messages.boxes.clear();
        w->TimeOut = false;
        w->TimeUpdateMode = c.mode;
        w->TimeForward = c.forward;
        w->CurDate = c.from;
        w->CurTime = c.at;
        w->TimeCalculate();
        EXPECT_TRUE(w->TimeOut);
        ExpectClock(*w, c.to, c.after);
        EXPECT_EQ(datePane.Text(), c.datePane);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, "Out from date bound !!!");
        EXPECT_EQ(messages.boxes[0].caption, "Velmoria - [Info]");
        EXPECT_EQ(messages.boxes[0].flags, 0x40u);
    }
}

TEST_F(ClockWindow, ReachingADateBoundStopsTheRunningViewSoLaterTicksStayIdle)
{
    for (uint8_t subject : {2, 3})
    {
        Subject = subject;
        messages.boxes.clear();
        w->Playing = w->StPlaying = true;
        w->TimeUpdateMode = kByYears;
        w->TimeForward = true;
        w->CurDate = Date{1, 6, 2999};
        const unsigned timer = subject == 2 ? kTimerSolar : kTimerStarMap;
        w->EvTimer(timer);
        EXPECT_FALSE(subject == 2 ? w->Playing : w->StPlaying);
        w->EvTimer(timer);
        w->EvTimer(timer);
        EXPECT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(w->CurDate.Year, 2999u);
    }
}

TEST_F(ClockWindow, ModePaneShowsModeAndRateAndIgnoresUnknownModes)
{
    w->TimeRate = 100;
    w->TimeUpdateMode = kByDays;
    w->ShowMode();
    EXPECT_EQ(modePane.Text(), " by Days ( 100 msec.)");
    w->TimeUpdateMode = kBySeconds;
    w->ShowMode();
    EXPECT_EQ(modePane.Text(), " by Seconds ( 100 msec. )");
    w->TimeUpdateMode = 17;
    w->ShowMode();
    EXPECT_EQ(modePane.Text(), " by Seconds ( 100 msec. )");
    w->TimeUpdateMode = kRealTime;
    w->ShowMode();
    EXPECT_EQ(modePane.Text(), " Real Time");
}

TEST_F(ClockWindow, SetupStatusBarTakesTheComputersClockAndClearsTimeOut)
{
    w->TimeOut = true;
    w->TimeUpdateMode = kRealTime;
    w->SetupStatusBar();
    ExpectClock(*w, Date{14, 7, 2026}, Time{9, 5, 0});
    EXPECT_EQ(timePane.Text(), "   09:05:00");
    EXPECT_EQ(datePane.Text(), "   14/07/2026");
    EXPECT_EQ(modePane.Text(), " Real Time");
    EXPECT_FALSE(w->TimeOut);
}

TEST_F(ClockWindow, GetMaxDaysFollowsTheGregorianCalendar)
{
    EXPECT_EQ(w->GetMaxDays(2, 2000), 29);
    EXPECT_EQ(w->GetMaxDays(2, 2100), 28);
    EXPECT_EQ(w->GetMaxDays(2, 1904), 29);
    EXPECT_EQ(w->GetMaxDays(4, 2001), 30);
    EXPECT_EQ(w->GetMaxDays(12, 2999), 31);
}

// ---- ticks ----

TEST_F(ClockWindow, SteppingTickStepsTheClockAndRemembersTheInstantItDrew)
{
    const struct
    {
        uint8_t subject;
        unsigned timer;
    } cases[] = {{2, kTimerSolar}, {3, kTimerStarMap}};
    for (const auto& c : cases)
    {
        Subject = c.subject;
        w->Playing = c.subject == 2;
        w->StPlaying = c.subject == 3;
        w->TimeUpdateMode = kByDays;
        w->TimeForward = true;
        w->CurDate = Date{1, 1, 2000};
        w->CurTime = Time{0, 0, 0};
        w->timeStep = 0;
        w->EvTimer(c.timer);
        EXPECT_EQ(w->timeStep, kStartOf2000);
        ExpectClock(*w, Date{2, 1, 2000}, Time{0, 0, 0});
        EXPECT_EQ(datePane.Text(), "   02/01/2000");
        w->EvTimer(c.timer);
        EXPECT_EQ(w->timeStep, kStartOf2000 + 86400);
        ExpectClock(*w, Date{3, 1, 2000}, Time{0, 0, 0});
    }
}

TEST_F(ClockWindow, SteppingTicksActOnlyForTheirOwnRunningView)
{
    const struct
    {
        uint8_t subject;
        bool playing, stPlaying;
        unsigned timer;
    } cases[] = {
        {2, false, true, kTimerSolar},   // Solar System stopped
        {3, true, false, kTimerStarMap}, // Star Map stopped
        {2, true, true, kTimerStarMap},  // the Star Map's timer in the Solar System
        {3, true, true, kTimerSolar},    // the Solar System's timer in the Star Map
        {1, true, true, kTimerSolar},    // main screen
        {2, true, true, 7},              // not one of the window's timers
    };
    for (const auto& c : cases)
    {
        Subject = c.subject;
        w->Playing = c.playing;
        w->StPlaying = c.stPlaying;
        w->TimeUpdateMode = kByHours;
        w->CurDate = Date{1, 1, 2000};
        w->CurTime = Time{5, 0, 0};
        w->timeStep = 42;
        w->EvTimer(c.timer);
        ExpectClock(*w, Date{1, 1, 2000}, Time{5, 0, 0});
        EXPECT_EQ(w->timeStep, 42u);
    }
}

TEST_F(ClockWindow, RealTimeTickSetsTheClockToTheComputersWithoutStepping)
{
    for (uint8_t subject : {2, 3})
    {
        Subject = subject;
        w->Playing = subject == 2;
        w->StPlaying = subject == 3;
        w->TimeUpdateMode = kRealTime;
        w->CurDate = Date{1, 1, 2000};
        w->CurTime = Time{5, 0, 0};
        w->timeStep = 42;
        w->TimeOut = true;
        clock.Set(Date{29, 2, 2028}, Time{23, 59, 58});
        w->EvTimer(kTimerRealTime);
        ExpectClock(*w, Date{29, 2, 2028}, Time{23, 59, 58});
        EXPECT_EQ(timePane.Text(), "   23:59:58");
        EXPECT_EQ(datePane.Text(), "   29/02/2028");
        EXPECT_EQ(w->timeStep, 42u);
        EXPECT_TRUE(w->TimeOut);
    }
}

TEST_F(ClockWindow, RealTimeTickLeavesAStoppedViewAloneWhateverTheOtherViewsFlag)
{
    // A Star Map entry that failed leaves StPlaying set; it must not wake a stopped Solar
    // System.
    Subject = 2;
    w->Playing = false;
    w->StPlaying = true;
    w->CurDate = Date{1, 1, 2000};
    w->CurTime = Time{5, 0, 0};
    w->EvTimer(kTimerRealTime);
    ExpectClock(*w, Date{1, 1, 2000}, Time{5, 0, 0});
    EXPECT_EQ(timePane.Text(), "");
}

// ---- Time Update ----

TEST_F(ClockWindow, TimeUpdateRunsTheTimerThatFitsTheChosenModeAndRate)
{
    const struct
    {
        uint8_t subject;
        int mode; // button checked in the dialog
        int rate; // scroll bar position
        bool ok;  // OK, else Cancel
        unsigned timer;
        unsigned period;
        const char* modePane;
    } cases[] = {
        {2, kByDays, 500, true, kTimerSolar, 500, " by Days ( 500 msec.)"},
        {2, kBySeconds, 1, true, kTimerSolar, 30, " by Seconds ( 1 msec. )"},
        {2, kByHours, 29, true, kTimerSolar, 30, " by Hours ( 29 msec. )"},
        {2, kByHours, 31, true, kTimerSolar, 31, " by Hours ( 31 msec. )"},
        {3, kByYears, 1000, true, kTimerStarMap, 1000, " by Years ( 1000 msec. )"},
        {3, kByMonths, 1, true, kTimerStarMap, 30, " by Months ( 1 msec. )"},
        {3, kRealTime, 300, true, kTimerRealTime, 1000, " Real Time"},
        {2, kByDays, 500, false, kTimerRealTime, 1000, " Real Time"},
        {3, kByDays, 500, false, kTimerRealTime, 1000, " Real Time"},
    };
    for (const auto& c : cases)
    {
        Subject = c.subject;
        w->TimeUpdateMode = kRealTime;
        w->TimeRate = 1;
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
                    return platform::IDCANCEL;
                dlg.CmOk();
                return platform::IDOK;
            });
        w->CmTimeUpdate();
        EXPECT_TRUE(ran);
        EXPECT_EQ(RunningClockTimers(), 1u << c.timer) << c.mode << " rate " << c.rate;
        EXPECT_EQ(w->Timers().Period(c.timer), c.period) << c.mode << " rate " << c.rate;
        EXPECT_EQ(modePane.Text(), c.modePane);
        EXPECT_EQ(bar.HintText(),
                  c.subject == 2 ? "Viewing Solar System model" : "Viewing Star Map");
    }
}

TEST_F(ClockWindow, TimeUpdateBackToRealTimeStopsTheSteppingTimerAndResetsTheRate)
{
    for (uint8_t subject : {2, 3})
    {
        Subject = subject;
        const unsigned stepping = subject == 2 ? kTimerSolar : kTimerStarMap;
        w->TimeUpdateMode = kByHours;
        w->TimeRate = 200;
        w->KillTimer(kTimerRealTime);
        w->SetTimer(stepping, 200);
        w->CurDate = Date{3, 4, 2500};
        w->CurTime = Time{1, 2, 3};
        DialogAnswer answer(
            [](platform::Dialog& d)
            {
                auto& dlg = static_cast<TimeUpdateDlg&>(d);
                dlg.RealTime->setChecked(true);
                dlg.CmOk();
                return platform::IDOK;
            });
        w->CmTimeUpdate();
        EXPECT_EQ(RunningClockTimers(), 1u << kTimerRealTime);
        EXPECT_EQ(w->Timers().Period(kTimerRealTime), 1000u);
        EXPECT_EQ(w->TimeUpdateMode, kRealTime);
        EXPECT_EQ(w->TimeRate, 1);
        EXPECT_EQ(modePane.Text(), " Real Time");
    }
}

TEST_F(ClockWindow, TimeUpdateHandsTheClockToTheDialogAndTakesBackWhatItStored)
{
    Subject = 3;
    w->TimeUpdateMode = kByMinutes;
    w->TimeRate = 250;
    w->CurDate = Date{9, 8, 1950};
    w->CurTime = Time{7, 6, 5};
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
            return platform::IDOK;
        });
    w->CmTimeUpdate();
    EXPECT_EQ(w->TimeUpdateMode, kByDays);
    ExpectClock(*w, Date{29, 2, 2000}, Time{23, 6, 5});
    EXPECT_EQ(w->TimeRate, 250);
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
    const Case cases[] = {{kRealTime, platform::IDOK, false},
                          {kByYears, platform::IDOK, false},
                          {kByYears, platform::IDCANCEL, true}};
    for (const Case& c : cases)
    {
        Subject = 2;
        w->TimeUpdateMode = kByYears;
        w->TimeOut = true;
        DialogAnswer answer(
            [c](platform::Dialog& d)
            {
                auto& dlg = static_cast<TimeUpdateDlg&>(d);
                dlg.ControlAs<QAbstractButton>(c.mode)->setChecked(true);
                if (c.answer == platform::IDOK)
                    dlg.CmOk();
                return c.answer;
            });
        w->CmTimeUpdate();
        EXPECT_EQ(w->TimeOut, c.timeOutAfter) << c.mode << " " << c.answer;
    }
}

TEST_F(ClockWindow, TimeUpdateDoesNothingOutsideTheTwoViews)
{
    for (uint8_t subject : {1, 4})
    {
        Subject = subject;
        bool ran = false;
        DialogAnswer answer(
            [&](platform::Dialog&)
            {
                ran = true;
                return platform::IDCANCEL;
            });
        w->CmTimeUpdate();
        EXPECT_FALSE(ran);
        EXPECT_EQ(RunningClockTimers(), 0u);
    }
}

// ---- Normal Conditions ----

TEST_F(ClockWindow, NormalConditionsInTheSolarSystemReturnsToRealTimeAndResetsTheModel)
{
    Subject = 2;
    w->TimeUpdateMode = kByHours;
    w->TimeRate = 200;
    w->TimeForward = false;
    w->TimeOut = true;
    w->timeStep = 12345;
    w->Scale = 2.5f;
    w->SystemCenter = 4;
    for (SolObjects& b : w->SolObj)
    {
        b.X = b.Y = 77;
        b.tAng = b.ust = 1.5f;
    }
    w->SetTimer(kTimerSolar, 200);
    w->CmNormal();
    EXPECT_EQ(RunningClockTimers(), 1u << kTimerRealTime);
    EXPECT_EQ(w->Timers().Period(kTimerRealTime), 1000u);
    EXPECT_EQ(w->TimeUpdateMode, kRealTime);
    EXPECT_TRUE(w->TimeForward);
    EXPECT_FALSE(w->TimeOut);
    EXPECT_EQ(w->TimeRate, 1);
    EXPECT_EQ(w->timeStep, 0u);
    EXPECT_EQ(w->Scale, 1.0f);
    EXPECT_EQ(w->SystemCenter, 0);
    for (const SolObjects& b : w->SolObj)
    {
        EXPECT_EQ(b.X, 0);
        EXPECT_EQ(b.Y, 0);
        EXPECT_EQ(b.tAng, 0.0f);
        EXPECT_EQ(b.ust, 0.0f);
    }
    EXPECT_EQ(modePane.Text(), " Real Time");
}

TEST_F(ClockWindow, NormalConditionsOnTheReviewGlobeLevelsItAndReturnsToRealTime)
{
    Subject = 3;
    w->GlobeSystem = false;
    w->TimeUpdateMode = kByDays;
    w->TimeRate = 40;
    w->TimeForward = false;
    w->VPos = 20;
    w->lat = 160;
    w->ust = 3;
    w->ustSol[0] = w->ustSol[1] = 4;
    w->VScrollBar()->setRange(0, 10);
    w->SetTimer(kTimerStarMap, 40);
    w->CmNormal();
    EXPECT_EQ(RunningClockTimers(), 1u << kTimerRealTime);
    EXPECT_EQ(w->TimeUpdateMode, kRealTime);
    EXPECT_EQ(w->TimeRate, 1);
    EXPECT_TRUE(w->TimeForward);
    EXPECT_EQ(w->VPos, 180);
    EXPECT_EQ(w->VScrollBar()->minimum(), 0);
    EXPECT_EQ(w->VScrollBar()->maximum(), 360);
    EXPECT_EQ(w->VScrollBar()->value(), 180);
    EXPECT_EQ(w->lat, 0.0f);
    EXPECT_FLOAT_EQ(w->latCos, 1.0f);
    EXPECT_FLOAT_EQ(w->latSin, 0.0f);
    EXPECT_EQ(w->r, 150); // a quarter of the 600-pixel client height
    // The meridian of longitude 0 (the default place) and the calibrated Sun and Moon: the
    // Moon's offset puts it at its mean longitude 218.3164 degrees at 2000-01-01 12:00 UT.
    EXPECT_EQ(w->ust, -90.0f);
    EXPECT_FLOAT_EQ(w->ustSol[0], -281.5005f);
    EXPECT_FLOAT_EQ(w->ustSol[1], -47.781467f);
}

TEST_F(ClockWindow, NormalConditionsInRealTimeKeepsTheRealTimeTimer)
{
    Subject = 3;
    w->TimeUpdateMode = kRealTime;
    w->SetTimer(kTimerRealTime, 1000);
    w->CmNormal();
    EXPECT_EQ(RunningClockTimers(), 1u << kTimerRealTime);
    EXPECT_EQ(modePane.Text(), " Real Time");
}

TEST_F(ClockWindow, NormalConditionsOnTheMainScreenResetsTheClockAndStartsNoTimer)
{
    for (uint8_t subject : {1, 4})
    {
        Subject = subject;
        w->TimeUpdateMode = kByMonths;
        w->TimeRate = 300;
        w->TimeForward = false;
        w->timeStep = 99;
        w->CmNormal();
        EXPECT_EQ(w->TimeUpdateMode, kRealTime);
        EXPECT_EQ(w->TimeRate, 1);
        EXPECT_TRUE(w->TimeForward);
        EXPECT_EQ(w->timeStep, 0u);
        EXPECT_EQ(RunningClockTimers(), 0u);
    }
}

// ---- with the Solar System's own run commands and angles ----

TEST_F(ClockWindow, ReversingTheDirectionWhileRunningHoldsTheBodiesForOneTickThenGoesBack)
{
    Subject = 2;
    for (SolObjects& b : w->SolObj)
        b.Period = 365.25f;
    w->Playing = true;
    w->TimeUpdateMode = kByDays;
    w->TimeForward = true;
    w->CurDate = Date{10, 3, 2001};
    w->timeStep = 0;
    w->EvTimer(kTimerSolar);
    const float first = w->SolObj[3].tAng;
    w->EvTimer(kTimerSolar);
    const float second = w->SolObj[3].tAng;
    ASSERT_NE(first, second);  // a day's step moves the Earth
    const float forwardStep = second - first;
    w->TimeForward = false;
    w->EvTimer(kTimerSolar);
    EXPECT_NEAR(w->SolObj[3].tAng, second, 1e-5);
    w->EvTimer(kTimerSolar);
    EXPECT_NEAR(w->SolObj[3].tAng - second, -forwardStep, 1e-5);
    ExpectClock(*w, Date{10, 3, 2001}, Time{0, 0, 0});
}

TEST_F(ClockWindow, TimeUpdateRestartsARunningViewAndLeavesAStoppedOneStopped)
{
    Subject = 2;
    for (bool running : {true, false})
    {
        w->Playing = running;
        w->TimeUpdateMode = kRealTime;
        w->TimeOut = false;
        DialogAnswer answer(
            [](platform::Dialog& d)
            {
                auto& dlg = static_cast<TimeUpdateDlg&>(d);
                EXPECT_FALSE(Subject == 2 && static_cast<VelmoriaWnd*>(dlg.parent())->Playing);
                dlg.byDays->setChecked(true);
                dlg.CmOk();
                return platform::IDOK;
            });
        w->CmTimeUpdate();
        EXPECT_EQ(w->Playing, running);
        EXPECT_TRUE(messages.boxes.empty());
    }
}

TEST_F(ClockWindow, TimeUpdateOfAStoppedViewShowsTheNewClockAtOnceAndLiftsTheDateBound)
{
    Subject = 2;
    for (SolObjects& b : w->SolObj)
        b.Period = 365.25f;
    w->Playing = false;
    w->TimeUpdateMode = kByDays;
    w->TimeOut = true;  // a date bound was hit before
    w->CurDate = Date{31, 12, 2999};
    w->EvTimer(kTimerSolar);
    const double before = w->SolObj[3].tAng;
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
            return platform::IDOK;
        });
    w->CmTimeUpdate();
    EXPECT_FALSE(w->Playing);
    EXPECT_EQ(datePane.Text(), "   21/06/2001");
    EXPECT_EQ(timePane.Text(), "   12:00:00");
    const double shown = w->SolObj[3].tAng;
    EXPECT_NE(shown, before);
    // Go starts at once, and its first tick draws the moment already on the screen.
    EXPECT_FALSE(w->TimeOut);
    w->CmGo();
    EXPECT_TRUE(w->Playing);
    EXPECT_TRUE(messages.boxes.empty());
    w->EvTimer(kTimerSolar);
    EXPECT_DOUBLE_EQ(w->SolObj[3].tAng, shown);
    ExpectClock(*w, Date{21, 6, 2001}, Time{13, 0, 0});
}

TEST_F(ClockWindow, TimeUpdateAfterADateBoundInAStepModeRefusesToRestart)
{
    Subject = 2;
    w->Playing = true;
    w->TimeUpdateMode = kByYears;
    w->TimeOut = true;
    DialogAnswer answer([](platform::Dialog&) { return platform::IDCANCEL; });
    w->CmTimeUpdate();
    EXPECT_FALSE(w->Playing);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Out from date bound !!!");
    EXPECT_EQ(RunningClockTimers(), 1u << kTimerSolar);
}

TEST_F(ClockWindow, NormalConditionsAfterADateBoundStartsTheAnimationAgain)
{
    Subject = 2;
    w->Playing = false;
    w->TimeUpdateMode = kByYears;
    w->TimeOut = true;
    w->SetTimer(kTimerSolar, 30);
    w->CmNormal();
    EXPECT_TRUE(w->Playing);
    EXPECT_FALSE(w->TimeOut);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(RunningClockTimers(), 1u << kTimerRealTime);
}

TEST_F(ClockWindow, StoppedRealTimeFreezesThePanesAndGoCatchesUpAtOnce)
{
    Subject = 2;
    w->TimeUpdateMode = kRealTime;
    w->Playing = true;
    w->EvTimer(kTimerRealTime);
    EXPECT_EQ(timePane.Text(), "   09:05:00");
    w->CmStop();
    clock.Set(Date{14, 7, 2026}, Time{9, 5, 30});
    w->EvTimer(kTimerRealTime);
    EXPECT_EQ(timePane.Text(), "   09:05:00");
    w->CmGo();
    EXPECT_EQ(timePane.Text(), "   09:05:30");
}
