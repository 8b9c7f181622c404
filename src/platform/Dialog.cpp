#include "platform/Dialog.h"

#include "platform/Placement.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QLayout>
#include <utility>

namespace platform
{
namespace
{
Dialog::ExecuteHook hook;
} // namespace

Dialog::Dialog(QWidget* parent, int id) : QDialog(parent), resId(id)
{
    setObjectName(QString::number(id));
    // A tool window with a title and a close button: no minimize or maximize button.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

int Dialog::Execute()
{
    closed = false;
    SetupWindow();
    if (closed)
        return closedWith;
    FixSizeAndPlace();
    if (hook)
        return hook(*this);
    return exec();
}

void Dialog::FixSizeAndPlace()
{
    // The size the dialog gave itself, or else the one its contents ask for, is the only one.
    if (!testAttribute(Qt::WA_Resized) && layout())
    {
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        layout()->activate();
    }
    else
    {
        if (!testAttribute(Qt::WA_Resized))
            adjustSize();
        setFixedSize(size());
    }
    // A dialog that placed itself (a card beside its object) is only kept on the screen;
    // any other opens over the window it belongs to.
    if (testAttribute(Qt::WA_Moved))
        KeepOnScreen(this);
    else
        PlaceOver(this, parentWidget());
}

QWidget* Dialog::Control(int id) const
{
    return findChild<QWidget*>(QString::number(id));
}

void Dialog::SetId(QWidget* w, int id)
{
    w->setObjectName(QString::number(id));
}

QRect Dialog::Dlu(int x, int y, int w, int h) const
{
    const QFontMetrics fm(font());
    const int baseX = fm.horizontalAdvance(
                          QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                      52;
    const int baseY = fm.height();
    return QRect(x * baseX / 4, y * baseY / 8, w * baseX / 4, h * baseY / 8);
}

Dialog::ExecuteHook Dialog::SetExecuteHook(ExecuteHook replacement)
{
    return std::exchange(hook, std::move(replacement));
}

Dialog::OkCancelHelp Dialog::MakeOkCancelHelp(std::function<void()> ok, std::function<void()> help)
{
    auto* box = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    const OkCancelHelp buttons{box, box->button(QDialogButtonBox::Ok),
                               box->button(QDialogButtonBox::Cancel),
                               box->button(QDialogButtonBox::Help)};
    // The buttons' own words, as every dialog of the program has always written them.
    buttons.ok->setText(QStringLiteral("OK"));
    buttons.cancel->setText(QStringLiteral("Cancel"));
    buttons.help->setText(QStringLiteral("Help"));
    buttons.ok->setDefault(true);
    connect(buttons.ok, &QPushButton::clicked, this, std::move(ok));
    connect(buttons.cancel, &QPushButton::clicked, this,
            [this] { CloseWindow(QDialog::Rejected); });
    connect(buttons.help, &QPushButton::clicked, this, std::move(help));
    return buttons;
}

QHBoxLayout* Dialog::OkCancelHelp::Row() const
{
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    return row;
}
} // namespace platform
