// The Time Update dialog and its numeric fields, offscreen.
#include "common/TestSupport.h"
#include "time/TimeUpdateDlg.h"

#include <QDialogButtonBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <gtest/gtest.h>

namespace
{
using testing_support::DialogAnswer;
using testing_support::HelpRecorder;
using testing_support::MessageRecorder;

// The window's clock as the dialog edits it.
struct Clock
{
    Time time{7, 6, 5};
    Date date{9, 8, 1950};
    int mode = 3204;
    uint16_t rate = 250;
};

// Opens the dialog on `clock`, runs `poke` on it and returns Execute's result.
template <class F> int RunDialog(Clock& clock, F poke)
{
    DialogAnswer answer([&](platform::Dialog& d) { return poke(static_cast<TimeUpdateDlg&>(d)); });
    TimeUpdateDlg dlg(nullptr, ClockSetting{clock.time, clock.date, clock.mode, clock.rate});
    const int result = dlg.Execute();
    // The window takes the dialog's setting only when it closed with OK.
    if (result == QDialog::Accepted)
    {
        clock.time = dlg.Setting.time;
        clock.date = dlg.Setting.date;
        clock.mode = dlg.Setting.mode;
        clock.rate = dlg.Setting.rate;
    }
    return result;
}

void ExpectUnchanged(const Clock& c)
{
    const Clock fresh;
    EXPECT_EQ(c.time.Hour, fresh.time.Hour);
    EXPECT_EQ(c.time.Minute, fresh.time.Minute);
    EXPECT_EQ(c.time.Second, fresh.time.Second);
    EXPECT_EQ(c.date.Day, fresh.date.Day);
    EXPECT_EQ(c.date.Month, fresh.date.Month);
    EXPECT_EQ(c.date.Year, fresh.date.Year);
    EXPECT_EQ(c.mode, fresh.mode);
    EXPECT_EQ(c.rate, fresh.rate);
}

std::string Range(int min, int max)
{
    return "Value must be in the range [ " + std::to_string(min) + " .. " + std::to_string(max) +
           " ]";
}
} // namespace

// ---- EditNumWin ----

TEST(EditNumWin, ShowsEveryNumberWithAtLeastTwoDigitsAndRemembersIt)
{
    EditNumWin year(nullptr, 3213, 1901, 2999, 5);
    EditNumWin hour(nullptr, 3208, 0, 23, 3);
    const struct
    {
        EditNumWin* field;
        unsigned value;
        const char* text;
    } cases[] = {{&hour, 0, "00"},  {&hour, 7, "07"},      {&hour, 9, "09"},     {&hour, 10, "10"},
                 {&hour, 23, "23"}, {&year, 2000, "2000"}, {&year, 1901, "1901"}};
    for (const auto& c : cases)
    {
        c.field->SetNumber(c.value);
        EXPECT_EQ(c.field->text().toStdString(), c.text);
        EXPECT_EQ(c.field->PrevValue, c.value);
        EXPECT_EQ(c.field->GetNumber(), c.value);
    }
    EXPECT_EQ(hour.maxLength(), 2);
    EXPECT_EQ(year.maxLength(), 4);
}

TEST(EditNumWin, ReadsTheLeadingNumberAndCountsOtherTextAsZero)
{
    EditNumWin field(nullptr, 3208, 0, 23, 3);
    const struct
    {
        const char* text;
        unsigned value;
    } cases[] = {{"", 0}, {"ab", 0}, {"5", 5}, {"05", 5}, {"1x", 1}, {" 7", 7}, {"99", 99}};
    for (const auto& c : cases)
    {
        field.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(field.GetNumber(), c.value) << '"' << c.text << '"';
    }
}

TEST(EditNumWin, LeavingWithANumberOutOfRangeRestoresThePreviousValueAndNamesTheRange)
{
    const struct
    {
        int id;
        unsigned min, max, limit;
        unsigned previous;
        const char* typed;
        const char* after;
        bool rejected;
    } cases[] = {
        {3208, 0, 23, 3, 7, "24", "07", true},  // hour 24
        {3209, 0, 59, 3, 30, "", "00", false},  // empty minutes count as 00
        {3211, 1, 31, 3, 15, "", "15", true},   // empty day
        {3211, 1, 31, 3, 15, "32", "15", true}, // day 32
        {3212, 1, 12, 3, 6, "0", "06", true},   // month 0
        {3213, 1901, 2999, 5, 1950, "1900", "1950", true},
        {3213, 1901, 2999, 5, 1950, "3000", "1950", true},
        {3208, 0, 23, 3, 7, "-1", "07", true}, // a sign does not sneak under the minimum
        {3208, 0, 23, 3, 7, "5", "05", false}, // accepted and normalised
        {3213, 1901, 2999, 5, 1950, "2999", "2999", false},
    };
    for (const auto& c : cases)
    {
        MessageRecorder messages;
        EditNumWin field(nullptr, c.id, c.min, c.max, c.limit);
        int notified = 0;
        QObject::connect(&field, &EditNumWin::Notify,
                         [&](int id, int code)
                         {
                             EXPECT_EQ(id, c.id);
                             EXPECT_EQ(code, EditNumWin::kKillFocusCode);
                             ++notified;
                         });
        field.SetNumber(c.previous);
        field.setText(QString::fromLatin1(c.typed));
        field.EvKillFocus();
        EXPECT_EQ(field.text().toStdString(), c.after) << c.id << " typed " << c.typed;
        EXPECT_EQ(notified, 1);
        if (c.rejected)
        {
            ASSERT_EQ(messages.boxes.size(), 1u) << c.id << " typed " << c.typed;
            EXPECT_EQ(messages.boxes[0].text, Range(c.min, c.max));
            EXPECT_EQ(messages.boxes[0].caption, "Velmoria - [Error]");
            EXPECT_EQ(messages.boxes[0].flags, 0x10u);
        }
        else
            EXPECT_TRUE(messages.boxes.empty()) << c.id << " typed " << c.typed;
    }
}

TEST(EditNumWin, LosingTheFocusChecksTheRangeButAPopupDoesNot)
{
    MessageRecorder messages;
    EditNumWin field(nullptr, 3208, 0, 23, 3);
    field.SetNumber(12);
    field.setText("24");
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(&field, &popup);
    EXPECT_EQ(field.text(), "24");
    EXPECT_TRUE(messages.boxes.empty());
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(&field, &tab);
    EXPECT_EQ(field.text(), "12");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Value must be in the range [ 0 .. 23 ]");
}

// ---- TimeUpdateDlg ----

TEST(TimeUpdateDlg, OpensWithTheClockTheModeAndTheRate)
{
    Clock clock;
    RunDialog(clock,
              [](TimeUpdateDlg& d)
              {
                  EXPECT_EQ(d.ResId(), 14);
                  EXPECT_EQ(d.Hour->text(), "07");
                  EXPECT_EQ(d.Minute->text(), "06");
                  EXPECT_EQ(d.Second->text(), "05");
                  EXPECT_EQ(d.Day->text(), "09");
                  EXPECT_EQ(d.Month->text(), "08");
                  EXPECT_EQ(d.Year->text(), "1950");
                  EXPECT_TRUE(d.byHours->isChecked());
                  EXPECT_FALSE(d.RealTime->isChecked());
                  EXPECT_EQ(d.timeR->minimum(), 1);
                  EXPECT_EQ(d.timeR->maximum(), 1000);
                  EXPECT_EQ(d.timeR->value(), 250);
                  EXPECT_EQ(d.ltimeR->text(), "250 msec.");
                  EXPECT_FALSE(d.windowFlags() & Qt::FramelessWindowHint);
                  return QDialog::Rejected;
              });
}

TEST(TimeUpdateDlg, HasTheControlsOfItsLayoutUnderTheirIdsAndTexts)
{
    Clock clock;
    RunDialog(clock,
              [](TimeUpdateDlg& d)
              {
                  const struct
                  {
                      int id;
                      const char* text;
                  } buttons[] = {{3201, "Real Time"}, {3202, "by Seconds"}, {3203, "by Minutes"},
                                 {3204, "by Hours"},  {3205, "by Days"},    {3206, "by Months"},
                                 {3207, "by Years"}};
                  const auto* box = d.findChild<QDialogButtonBox*>();
                  EXPECT_NE(box, nullptr);
                  if (box)
                  {
                      EXPECT_EQ(box->button(QDialogButtonBox::Ok)->text(), "OK");
                      EXPECT_EQ(box->button(QDialogButtonBox::Cancel)->text(), "Cancel");
                      EXPECT_EQ(box->button(QDialogButtonBox::Help)->text(), "Help");
                  }
                  for (const auto& b : buttons)
                  {
                      auto* w = d.ControlAs<QAbstractButton>(b.id);
                      if (!w)
                      {
                          ADD_FAILURE() << "no button " << b.id;
                          continue;
                      }
                      EXPECT_EQ(w->text().toStdString(), b.text);
                  }
                  const struct
                  {
                      int id;
                      unsigned min, max, limit;
                  } fields[] = {{3208, 0, 23, 3}, {3209, 0, 59, 3}, {3210, 0, 59, 3},
                                {3211, 1, 31, 3}, {3212, 1, 12, 3}, {3213, 1901, 2999, 5}};
                  for (const auto& f : fields)
                  {
                      auto* w = d.ControlAs<EditNumWin>(f.id);
                      if (!w)
                      {
                          ADD_FAILURE() << "no field " << f.id;
                          continue;
                      }
                      EXPECT_EQ(w->Min, f.min);
                      EXPECT_EQ(w->Max, f.max);
                      EXPECT_EQ(w->TextLimit, f.limit);
                  }
                  EXPECT_EQ(d.Control(3214), d.timeR);
                  EXPECT_EQ(d.Control(3215), d.ltimeR);
                  EXPECT_EQ(d.Control(3200), static_cast<QWidget*>(d.group));
                  return QDialog::Rejected;
              });
}

TEST(TimeUpdateDlg, FieldsAndRateAreEnabledExactlyWhenRealTimeIsNotChecked)
{
    Clock clock;
    clock.mode = 3201;
    RunDialog(clock,
              [](TimeUpdateDlg& d)
              {
                  auto enabledIds = [&d]
                  {
                      int count = 0;
                      for (int id = 3208; id <= 3215; ++id)
                          count += d.Control(id)->isEnabled() ? 1 : 0;
                      return count;
                  };
                  EXPECT_TRUE(d.RealTime->isChecked());
                  EXPECT_EQ(enabledIds(), 0);
                  for (QRadioButton* b :
                       {d.bySeconds, d.byMinutes, d.byHours, d.byDays, d.byMonths, d.byYears})
                  {
                      b->setChecked(true);
                      EXPECT_EQ(enabledIds(), 8) << b->text().toStdString();
                  }
                  d.RealTime->setChecked(true);
                  EXPECT_EQ(enabledIds(), 0);
                  return QDialog::Rejected;
              });
}

TEST(TimeUpdateDlg, RateTextFollowsTheScrollBarWhileItMoves)
{
    Clock clock;
    RunDialog(clock,
              [](TimeUpdateDlg& d)
              {
                  for (int v : {1, 77, 1000, 500})
                  {
                      d.timeR->setValue(v);
                      EXPECT_EQ(d.ltimeR->text().toStdString(),
                                std::to_string(std::max(v, 30)) + " msec.");
                  }
                  d.timeR->setSliderDown(true);
                  d.timeR->setSliderPosition(640);
                  EXPECT_EQ(d.ltimeR->text(), "640 msec.");
                  d.timeR->setSliderDown(false);
                  d.timeR->triggerAction(QAbstractSlider::SliderSingleStepAdd);
                  EXPECT_EQ(d.ltimeR->text(), "641 msec.");
                  return QDialog::Rejected;
              });
}

TEST(TimeUpdateDlg, OkStoresModeRateTimeAndDate)
{
    Clock clock;
    const int result = RunDialog(clock,
                                 [](TimeUpdateDlg& d)
                                 {
                                     d.byMonths->setChecked(true);
                                     d.Hour->setText("23");
                                     d.Minute->setText("0");
                                     d.Second->setText("59");
                                     d.Day->setText("29");
                                     d.Month->setText("2");
                                     d.Year->setText("2000");
                                     d.timeR->setValue(730);
                                     d.CmOk();
                                     EXPECT_EQ(d.result(), QDialog::Accepted);
                                     return d.result();
                                 });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(clock.mode, 3206);
    EXPECT_EQ(clock.rate, 730);
    EXPECT_EQ(clock.time.Hour, 23u);
    EXPECT_EQ(clock.time.Minute, 0u);
    EXPECT_EQ(clock.time.Second, 59u);
    EXPECT_EQ(clock.date.Day, 29u);
    EXPECT_EQ(clock.date.Month, 2u);
    EXPECT_EQ(clock.date.Year, 2000u);
}

TEST(TimeUpdateDlg, EveryModeButtonStoresItsOwnMode)
{
    for (int mode = 3201; mode <= 3207; ++mode)
    {
        Clock clock;
        RunDialog(clock,
                  [mode](TimeUpdateDlg& d)
                  {
                      d.ControlAs<QAbstractButton>(mode)->setChecked(true);
                      EXPECT_TRUE(d.StoreValues());
                      return QDialog::Accepted;
                  });
        EXPECT_EQ(clock.mode, mode);
    }
}

TEST(TimeUpdateDlg, RealTimeSetsTheRateToOneAndLeavesTheClockAlone)
{
    Clock clock;
    RunDialog(clock,
              [](TimeUpdateDlg& d)
              {
                  d.RealTime->setChecked(true);
                  d.Day->setText("01");
                  d.Hour->setText("01");
                  d.timeR->setValue(900);
                  d.CmOk();
                  return QDialog::Accepted;
              });
    EXPECT_EQ(clock.mode, 3201);
    EXPECT_EQ(clock.rate, 1);
    EXPECT_EQ(clock.time.Hour, 7u);
    EXPECT_EQ(clock.date.Day, 9u);
}

TEST(TimeUpdateDlg, ImpossibleDatesAreRefusedWithWrongDateAndRangeFailuresSilently)
{
    const struct
    {
        const char* field; // which field gets `text`
        const char* text;
        bool wrongDate; // " Wrong date " shown, else no message
    } cases[] = {
        {"day-month-year", "29/02/2100", true},
        {"day-month-year", "31/04/2000", true},
        {"day-month-year", "29/02/1999", true},
        {"hour", "24", false},
        {"minute", "60", false},
        {"second", "99", false},
        {"day", "0", false},
        {"day", "32", false},
        {"month", "13", false},
        {"month", "", false},
        {"year", "1900", false},
        {"year", "3000", false},
    };
    for (const auto& c : cases)
    {
        MessageRecorder messages;
        Clock clock;
        bool stayedOpen = false;
        RunDialog(clock,
                  [&](TimeUpdateDlg& d)
                  {
                      d.byDays->setChecked(true);
                      const QString text = QString::fromLatin1(c.text);
                      const std::string field = c.field;
                      if (field == "day-month-year")
                      {
                          d.Day->setText(text.section('/', 0, 0));
                          d.Month->setText(text.section('/', 1, 1));
                          d.Year->setText(text.section('/', 2, 2));
                      }
                      else if (field == "hour")
                          d.Hour->setText(text);
                      else if (field == "minute")
                          d.Minute->setText(text);
                      else if (field == "second")
                          d.Second->setText(text);
                      else if (field == "day")
                          d.Day->setText(text);
                      else if (field == "month")
                          d.Month->setText(text);
                      else
                          d.Year->setText(text);
                      d.setResult(-1);
                      d.CmOk();
                      stayedOpen = d.result() == -1;
                      return QDialog::Accepted;
                  });
        EXPECT_TRUE(stayedOpen) << c.field << " " << c.text;
        ExpectUnchanged(clock);
        if (c.wrongDate)
        {
            ASSERT_EQ(messages.boxes.size(), 1u) << c.text;
            EXPECT_EQ(messages.boxes[0].text, " Wrong date ");
            EXPECT_EQ(messages.boxes[0].caption, "Velmoria - [Error]");
            EXPECT_EQ(messages.boxes[0].flags, 0x10u);
        }
        else
            EXPECT_TRUE(messages.boxes.empty()) << c.field << " " << c.text;
    }
}

TEST(TimeUpdateDlg, LeapDaysAndTheRangeEndsAreAccepted)
{
    for (const char* date :
         {"29/02/2000", "29/02/2004", "29/02/1904", "01/01/1901", "31/12/2999", "30/04/2100"})
    {
        Clock clock;
        RunDialog(clock,
                  [date](TimeUpdateDlg& d)
                  {
                      const QString text = QString::fromLatin1(date);
                      d.Day->setText(text.section('/', 0, 0));
                      d.Month->setText(text.section('/', 1, 1));
                      d.Year->setText(text.section('/', 2, 2));
                      EXPECT_TRUE(d.StoreValues()) << date;
                      return QDialog::Accepted;
                  });
    }
}

TEST(TimeUpdateDlg, CancelWritesNothing)
{
    Clock clock;
    const int result = RunDialog(clock,
                                 [](TimeUpdateDlg& d)
                                 {
                                     d.byYears->setChecked(true);
                                     d.Year->setText("2500");
                                     d.timeR->setValue(999);
                                     d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
                                     return d.result();
                                 });
    EXPECT_EQ(result, QDialog::Rejected);
    ExpectUnchanged(clock);
}

TEST(TimeUpdateDlg, HelpOpensItsTopic)
{
    HelpRecorder help;
    Clock clock;
    RunDialog(clock,
              [](TimeUpdateDlg& d)
              {
                  d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
                  return QDialog::Rejected;
              });
    ASSERT_EQ(help.requests.size(), 1u);
    EXPECT_EQ(help.requests[0].file, "Velmoria.hlp");
    EXPECT_EQ(help.requests[0].page, platform::HelpPage::Topic);
    EXPECT_EQ(help.requests[0].topic, 9003u);
}

TEST(TimeUpdateDlg, RealTimeClosesEvenWhenTheSteppedClockLeftADayItsMonthLacks)
{
    // Stepping by months backward keeps the day: 31 March becomes 31 February. In Real Time
    // the date fields are disabled and not stored, so they cannot hold OK back.
    MessageRecorder messages;
    Clock clock;
    clock.date = Date{31, 2, 1999};
    clock.mode = 3201;
    const int result = RunDialog(clock,
                                 [](TimeUpdateDlg& d)
                                 {
                                     EXPECT_FALSE(d.Day->isEnabled());
                                     d.CmOk();
                                     return d.result();
                                 });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(clock.date.Day, 31u);
    EXPECT_EQ(clock.date.Month, 2u);
    EXPECT_EQ(clock.rate, 1);
    // In a stepping mode the same date is refused until the user corrects it.
    clock.mode = 3205;
    RunDialog(clock,
              [](TimeUpdateDlg& d)
              {
                  EXPECT_FALSE(d.StoreValues());
                  d.Day->setText("28");
                  EXPECT_TRUE(d.StoreValues());
                  return QDialog::Accepted;
              });
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, " Wrong date ");
    EXPECT_EQ(clock.date.Day, 28u);
}
