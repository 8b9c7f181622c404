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

    group = CreateModes();
    // Each field: its lowest and highest value and its width in characters.
    const int timeLimits[3][3] = {{0, 23, 3}, {0, 59, 3}, {0, 59, 3}};
    const int dateLimits[3][3] = {{1, 31, 3}, {1, 12, 3}, {1901, 2999, 5}};
    EditNumWin* time[3];
    EditNumWin* date[3];
    QGroupBox* timeBox = CreateFields(" Current Time : ", 3208, timeLimits, ":", time);
    QGroupBox* dateBox = CreateFields(" Current Date : ", 3211, dateLimits, "/", date);
    Hour = time[0];
    Minute = time[1];
    Second = time[2];
    Day = date[0];
    Month = date[1];
    Year = date[2];
    QGroupBox* rateBox = CreateRate();

    const OkCancelHelp okCancelHelp = MakeOkCancelHelp([this] { CmOk(); }, [this] { CmHelp(); });
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

QGroupBox* TimeUpdateDlg::CreateModes()
{
    auto* box = new QGroupBox(QStringLiteral(" Update mode : "), this);
    SetId(box, 3200);
    auto* modes = new QVBoxLayout(box);
    const char* const names[] = {"Real Time", "by Seconds", "by Minutes", "by Hours",
                                 "by Days",   "by Months",  "by Years"};
    QRadioButton** buttons[] = {&RealTime, &bySeconds, &byMinutes, &byHours,
                                &byDays,   &byMonths,  &byYears};
    for (int i = 0; i < 7; ++i)
    {
        *buttons[i] = new QRadioButton(QString::fromLatin1(names[i]), box);
        SetId(*buttons[i], kFirstMode + i);
        modes->addWidget(*buttons[i]);
    }
    return box;
}

QGroupBox* TimeUpdateDlg::CreateFields(const char* caption, int firstId, const int (&limits)[3][3],
                                       const char* separator, EditNumWin* (&fields)[3])
{
    auto* box = new QGroupBox(QString::fromLatin1(caption), this);
    auto* row = new QHBoxLayout(box);
    for (int i = 0; i < 3; ++i)
    {
        if (i > 0)
            row->addWidget(Static(separator, box));
        fields[i] = new EditNumWin(box, firstId + i, limits[i][0], limits[i][1], limits[i][2]);
        row->addWidget(fields[i]);
    }
    row->addStretch();
    return box;
}

QGroupBox* TimeUpdateDlg::CreateRate()
{
    auto* box = new QGroupBox(QStringLiteral(" Time Update Rate : "), this);
    timeR = new QScrollBar(Qt::Horizontal, box);
    SetId(timeR, 3214);
    timeR->setMinimumWidth(Dlu(0, 0, 100, 0).width());
    ltimeR = new QLabel(box);
    SetId(ltimeR, kIdRateLabel);
    ltimeR->setAlignment(Qt::AlignCenter);
    auto* rateGrid = new QGridLayout(box);
    rateGrid->addWidget(Static("--", box), 0, 0);
    rateGrid->addWidget(timeR, 0, 1);
    rateGrid->addWidget(Static("+", box), 0, 2);
    rateGrid->addWidget(ltimeR, 1, 1);
    connect(timeR, &QScrollBar::valueChanged, this, [this] { sbChange(); });
    connect(timeR, &QScrollBar::sliderMoved, this, [this] { sbChange(); });
    return box;
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
        ControlAs<QRadioButton>(Setting.mode)->setChecked(true);
    ButtonEnabler();
}

bool TimeUpdateDlg::StoreValues()
{
    int mode = kLastMode;
    for (int id = kFirstMode; id < kLastMode; ++id)
        if (ControlAs<QRadioButton>(id)->isChecked())
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
