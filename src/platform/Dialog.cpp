#include "platform/Dialog.h"

#include <QFontMetrics>

namespace platform
{
namespace
{
Dialog::ExecuteHook& Hook()
{
    static Dialog::ExecuteHook hook;
    return hook;
}
} // namespace

Dialog::Dialog(QWidget* parent, int id) : QDialog(parent), resId(id)
{
    setObjectName(QString::number(id));
}

int Dialog::Execute()
{
    closed = false;
    SetupWindow();
    if (closed)
        return closedWith;
    if (Hook())
        return Hook()(*this);
    return exec();
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

Dialog::ExecuteHook Dialog::SetExecuteHook(ExecuteHook hook)
{
    ExecuteHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}
} // namespace platform
