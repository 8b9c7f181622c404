// The Time Update dialog (clock mode, time, date and stepping rate) and EditNumWin, the
// numeric edit field that it and the location dialog use.
#pragma once

#include "platform/Dialog.h"
#include "time/ClockInstant.h"
#include "time/SimClock.h"

#include <QLineEdit>
#include <cstdint>

class QFocusEvent;
class QGroupBox;
class QLabel;
class QRadioButton;
class QScrollBar;

// A single-line field that holds a whole number in [Min, Max]. Leaving it with a number outside
// the range puts the previous value back and names the range in an error box.
class EditNumWin : public QLineEdit
{
    Q_OBJECT
public:
    // Notification code sent to the dialog after the field lost the focus.
    static constexpr int kKillFocusCode = 8;

    // A field with numeric id `resId`, accepting min..max, with room for textLimit - 1
    // characters (the limit counts a terminator: 3 allows two digits, 5 four).
    EditNumWin(QWidget* parent, int resId, unsigned min, unsigned max, unsigned textLimit);

    // The field's text (at most TextLimit - 1 characters) as a decimal number; text that is
    // not a number gives 0, a negative number wraps to a large one.
    unsigned GetNumber() const;
    // Writes `num` with at least two digits (7 as "07") and remembers it as PrevValue.
    void SetNumber(unsigned num);
    // Range check on leaving the field: out of range restores PrevValue and shows the range;
    // in every case the text is rewritten from its number. Then tells the dialog.
    void EvKillFocus();

    unsigned Min;
    unsigned Max;
    unsigned TextLimit;
    unsigned PrevValue = 0;

signals:
    // Sent after every range check with kKillFocusCode and the field's id.
    void Notify(int id, int code);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    int id;
};

class TimeUpdateDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // Edits a copy of the clock's `setting`; Setting holds the new one when OK succeeded.
    TimeUpdateDlg(QWidget* parent, const ClockSetting& setting, int resId = 14);

    // Rate scroll bar 1..1000 at *TRate with the period it steps at beside it, the six fields
    // from the clock, the mode's button.
    void SetupWindow() override;
    // Real Time: mode 3201 and rate 1, fields ignored. Otherwise checks the fields and writes
    // mode, rate, time and date into Setting; false leaves it as it was (with " Wrong date " for
    // a day its month does not have).
    bool StoreValues();
    // OK: closes the dialog when StoreValues succeeds.
    void CmOk();
    // Help: the dialog's help topic.
    void CmHelp();
    // The rate label follows the scroll bar, naming the period the clock will step at.
    void sbChange();
    // Fields, rate bar and rate label (3208..3215) are enabled exactly when Real Time is not
    // checked.
    void ButtonEnabler();

    ClockSetting Setting;

    QGroupBox* group;
    QRadioButton* RealTime;
    QRadioButton* bySeconds;
    QRadioButton* byMinutes;
    QRadioButton* byHours;
    QRadioButton* byDays;
    QRadioButton* byMonths;
    QRadioButton* byYears;
    EditNumWin* Hour;
    EditNumWin* Minute;
    EditNumWin* Second;
    EditNumWin* Day;
    EditNumWin* Month;
    EditNumWin* Year;
    QScrollBar* timeR;
    QLabel* ltimeR;

public slots:
    // Escape and the window's close: Cancel.
    void reject() override;

private:
    // The boxes of the dialog: the update modes, the time and date fields, the rate bar.
    QGroupBox* CreateModes();
    QGroupBox* CreateFields(const char* caption, int firstId, const int (&limits)[3][3],
                            const char* separator, EditNumWin* (&fields)[3]);
    QGroupBox* CreateRate();
};
