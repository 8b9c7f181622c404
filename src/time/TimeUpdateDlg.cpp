#include "time/TimeUpdateDlg.h"

#include "platform/Bitmaps.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "time/Calendar.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>

namespace
{
constexpr int kFirstMode = 3201;
constexpr int kLastMode = 3207;
constexpr int kIdHour = 3208;
constexpr int kIdRateLabel = 3215;
constexpr int kHelpContext = 9003;

// A small static text between the fields and at the ends of the rate bar.
QLabel* Static(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

// ---- EditNumWin ----

EditNumWin::EditNumWin(QWidget* parent, int resId, unsigned min, unsigned max, unsigned textLimit)
    : QLineEdit(parent), Min(min), Max(max), TextLimit(textLimit), id(resId)
{
    platform::Dialog::SetId(this, resId);
    setMaxLength(textLimit > 1 ? static_cast<int>(textLimit - 1) : 1);
    setAlignment(Qt::AlignCenter);
    const int chars = textLimit > 1 ? static_cast<int>(textLimit) : 2;
    setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * (chars + 1) + 12);
}

unsigned EditNumWin::GetNumber() const
{
    const int limit = TextLimit > 1 ? static_cast<int>(TextLimit - 1) : 0;
    const std::string digits = text().left(limit).toStdString();
    // Like the C library's conversion: leading blanks, a sign, then digits; the rest is
    // ignored. The field holds at most a few characters, so the value cannot overflow.
    const long value = std::strtol(digits.c_str(), nullptr, 10);
    return static_cast<unsigned>(value);
}

void EditNumWin::SetNumber(unsigned num)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, num > 9 ? "%u" : "0%u", num);
    setText(QString::fromLatin1(buf));
    PrevValue = GetNumber();
}

void EditNumWin::EvKillFocus()
{
    const unsigned value = GetNumber();
    if (value < Min || value > Max)
    {
        SetNumber(PrevValue);
        char text[96];
        std::snprintf(text, sizeof text, "%s %d %s %d %s", "Value must be in the range [",
                      static_cast<int>(Min), "..", static_cast<int>(Max), "]");
        platform::ErrorBox(this, text);
    }
    SetNumber(GetNumber());
    emit Notify(id, kKillFocusCode);
}

void EditNumWin::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or another application taking over keeps the user in the field.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    EvKillFocus();
}

// ---- TimeUpdateDlg ----

TimeUpdateDlg::TimeUpdateDlg(QWidget* parent, const ClockSetting& setting, int resId)
    : platform::Dialog(parent, resId), Setting(setting)
{
    // The dialog keeps the title bar every dialog has, so that it can be moved aside to watch
    // the view or read its help; the picture under it is the dialog's heading.
    setWindowTitle(QStringLiteral("Time Update"));

    auto* title = new QLabel(this);
    title->setPixmap(QPixmap::fromImage(platform::LoadBitmapResource(1205)));
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    group = new QGroupBox(QStringLiteral(" Update mode : "), this);
    SetId(group, 3200);
    auto* modes = new QVBoxLayout(group);
    const char* const names[] = {"Real Time", "by Seconds", "by Minutes", "by Hours",
                                 "by Days",   "by Months",  "by Years"};
    QRadioButton** buttons[] = {&RealTime, &bySeconds, &byMinutes, &byHours,
                                &byDays,   &byMonths,  &byYears};
    for (int i = 0; i < 7; ++i)
    {
        *buttons[i] = new QRadioButton(QString::fromLatin1(names[i]), group);
        SetId(*buttons[i], kFirstMode + i);
        modes->addWidget(*buttons[i]);
    }

    auto* timeBox = new QGroupBox(QStringLiteral(" Current Time : "), this);
    Hour = new EditNumWin(timeBox, 3208, 0, 23, 3);
    Minute = new EditNumWin(timeBox, 3209, 0, 59, 3);
    Second = new EditNumWin(timeBox, 3210, 0, 59, 3);
    auto* timeRow = new QHBoxLayout(timeBox);
    timeRow->addWidget(Hour);
    timeRow->addWidget(Static(":", timeBox));
    timeRow->addWidget(Minute);
    timeRow->addWidget(Static(":", timeBox));
    timeRow->addWidget(Second);
    timeRow->addStretch();

    auto* dateBox = new QGroupBox(QStringLiteral(" Current Date : "), this);
    Day = new EditNumWin(dateBox, 3211, 1, 31, 3);
    Month = new EditNumWin(dateBox, 3212, 1, 12, 3);
    Year = new EditNumWin(dateBox, 3213, 1901, 2999, 5);
    auto* dateRow = new QHBoxLayout(dateBox);
    dateRow->addWidget(Day);
    dateRow->addWidget(Static("/", dateBox));
    dateRow->addWidget(Month);
    dateRow->addWidget(Static("/", dateBox));
    dateRow->addWidget(Year);
    dateRow->addStretch();

    auto* rateBox = new QGroupBox(QStringLiteral(" Time Update Rate : "), this);
    timeR = new QScrollBar(Qt::Horizontal, rateBox);
    SetId(timeR, 3214);
    timeR->setMinimumWidth(Dlu(0, 0, 100, 0).width());
    ltimeR = new QLabel(rateBox);
    SetId(ltimeR, kIdRateLabel);
    ltimeR->setAlignment(Qt::AlignCenter);
    auto* rateGrid = new QGridLayout(rateBox);
    rateGrid->addWidget(Static("--", rateBox), 0, 0);
    rateGrid->addWidget(timeR, 0, 1);
    rateGrid->addWidget(Static("+", rateBox), 0, 2);
    rateGrid->addWidget(ltimeR, 1, 1);

    const OkCancelHelp okCancelHelp = MakeOkCancelHelp([this] { CmOk(); }, [this] { CmHelp(); });

    connect(timeR, &QScrollBar::valueChanged, this, [this] { sbChange(); });
    connect(timeR, &QScrollBar::sliderMoved, this, [this] { sbChange(); });
    connect(RealTime, &QRadioButton::toggled, this, [this] { ButtonEnabler(); });

    auto* right = new QVBoxLayout;
    right->addWidget(timeBox);
    right->addWidget(dateBox);
    right->addWidget(rateBox);
    QHBoxLayout* buttonsRow = okCancelHelp.Row();
    auto* grid = new QGridLayout(this);
    grid->addWidget(title, 0, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(group, 1, 0);
    grid->addLayout(right, 1, 1);
    grid->addLayout(buttonsRow, 2, 0, 1, 2, Qt::AlignHCenter);
}

QRadioButton* TimeUpdateDlg::ModeButton(int id) const
{
    return ControlAs<QRadioButton>(id);
}

void TimeUpdateDlg::SetupWindow()
{
    timeR->setRange(1, 1000);
    timeR->setValue(Setting.rate);
    ltimeR->setText(QString::fromStdString(StepPeriodText(timeR->value())));
    Second->SetNumber(Setting.time.Second);
    Minute->SetNumber(Setting.time.Minute);
    Hour->SetNumber(Setting.time.Hour);
    Day->SetNumber(Setting.date.Day);
    Month->SetNumber(Setting.date.Month);
    Year->SetNumber(Setting.date.Year);
    if (Setting.mode >= kFirstMode && Setting.mode <= kLastMode)
        ModeButton(Setting.mode)->setChecked(true);
    ButtonEnabler();
}

bool TimeUpdateDlg::StoreValues()
{
    int mode = kLastMode;
    for (int id = kFirstMode; id < kLastMode; ++id)
        if (ModeButton(id)->isChecked())
        {
            mode = id;
            break;
        }
    if (mode == kFirstMode)
    {
        // Real Time stores neither time nor date, and their fields are disabled: a date the
        // stepped clock left behind (31 February after stepping by months) must not keep the
        // user from closing with OK.
        Setting.mode = mode;
        Setting.rate = 1;
        return true;
    }
    const unsigned ss = Second->GetNumber();
    const unsigned mm = Minute->GetNumber();
    const unsigned hh = Hour->GetNumber();
    const unsigned dd = Day->GetNumber();
    const unsigned mo = Month->GetNumber();
    const unsigned yy = Year->GetNumber();
    if (ss >= 60 || mm >= 60 || hh > 23 || dd < 1 || dd > 31 || mo < 1 || mo > 12 || yy < 1901 ||
        yy > 2999)
        return false;
    if (!DayWithinMonth(dd, mo, yy))
    {
        platform::ErrorBox(this, " Wrong date ");
        return false;
    }
    Setting.mode = mode;
    Setting.time = Time{hh, mm, ss};
    Setting.date = Date{dd, mo, yy};
    Setting.rate = static_cast<uint16_t>(timeR->value());
    return true;
}

void TimeUpdateDlg::CmOk()
{
    if (StoreValues())
        CloseWindow(QDialog::Accepted);
}

void TimeUpdateDlg::CmHelp()
{
    platform::ShowHelpTopic(this, kHelpContext);
    update();
}

void TimeUpdateDlg::sbChange()
{
    ltimeR->setText(QString::fromStdString(StepPeriodText(timeR->sliderPosition())));
}

void TimeUpdateDlg::ButtonEnabler()
{
    const bool enable = !RealTime->isChecked();
    for (int id = kIdHour; id <= kIdRateLabel; ++id)
        if (QWidget* w = Control(id))
            w->setEnabled(enable);
}

void TimeUpdateDlg::reject()
{
    CloseWindow(QDialog::Rejected);
}
