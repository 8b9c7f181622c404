#include "platform/MessageBox.h"

#include <QMessageBox>

namespace platform
{
namespace
{
MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}
} // namespace

void MessageBox(QWidget* parent, const std::string& text, const char* caption, unsigned flags)
{
    if (Hook())
    {
        Hook()(MessageRecord{text, caption, flags});
        return;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (flags & 0xF0)
    {
    case MB_ICONSTOP: icon = QMessageBox::Critical; break;
    case MB_ICONEXCLAMATION: icon = QMessageBox::Warning; break;
    case MB_ICONINFORMATION: icon = QMessageBox::Information; break;
    default: break;
    }
    QMessageBox box(icon, QString::fromLatin1(caption), QString::fromLatin1(text.c_str()),
                    QMessageBox::Ok, parent);
    box.exec();
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    MessageBoxHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}
} // namespace platform
