// The speed setting says what it does: the stepping timer never runs faster than every 30 ms,
// so the status pane and the Time Update dialog name the period the clock really steps at; and
// the dialog has a title bar to move it by.
#include "common/TestSupport.h"
#include "time/Calendar.h"
#include "time/TimeUpdateDlg.h"

#include <QLabel>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace
{
TEST(SpeedText, PaneAndDialogNameThePeriodTheClockReallyStepsAt)
{
    const struct
    {
        int mode;
        unsigned rate;
        const char* pane;
        const char* label;
    } cases[] = {
        {3202, 1, " by Seconds ( 30 msec. )", "30 msec."},
        {3205, 1, " by Days ( 30 msec.)", "30 msec."},
        {3204, 29, " by Hours ( 30 msec. )", "30 msec."},
        {3206, 30, " by Months ( 30 msec. )", "30 msec."},
        {3203, 31, " by Minutes ( 31 msec. )", "31 msec."},
        {3207, 1000, " by Years ( 1000 msec. )", "1000 msec."},
        {3201, 1, " Real Time", "30 msec."},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ModePaneText(c.mode, c.rate), c.pane) << c.mode << " " << c.rate;
        EXPECT_EQ(StepPeriodText(c.rate), c.label) << c.rate;
    }
}

TEST(SpeedText, TimeUpdateDialogHasATitleBarAndShowsTheEffectivePeriod)
{
    Time time{7, 6, 5};
    Date date{9, 8, 1950};
    int mode = 3205;
    uint16_t rate = 1;
    testing_support::DialogAnswer answer(
        [](platform::Dialog& d)
        {
            auto& dlg = static_cast<TimeUpdateDlg&>(d);
            EXPECT_FALSE(dlg.windowFlags() & Qt::FramelessWindowHint);
            EXPECT_TRUE(dlg.windowFlags() & Qt::WindowTitleHint);
            EXPECT_EQ(dlg.windowTitle(), "Time Update");
            EXPECT_EQ(dlg.timeR->value(), 1);
            EXPECT_EQ(dlg.ltimeR->text(), "30 msec.");
            const struct
            {
                int position;
                const char* label;
            } moves[] = {{10, "30 msec."}, {31, "31 msec."}, {640, "640 msec."}};
            for (const auto& m : moves)
            {
                dlg.timeR->setValue(m.position);
                EXPECT_EQ(dlg.ltimeR->text().toStdString(), m.label) << m.position;
            }
            return QDialog::Rejected;
        });
    TimeUpdateDlg dlg(nullptr, ClockSetting{time, date, mode, rate});
    dlg.Execute();
}
} // namespace
