#include "platform/MessageBox.h"

#include "platform/Placement.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <utility>

namespace platform
{
namespace
{
MessageBoxHook hook;
} // namespace

void MessageBox(QWidget* parent, const std::string& text, const char* caption, unsigned flags)
{
    if (hook)
    {
        hook(MessageRecord{text, caption, flags});
        return;
    }
    const unsigned kind = flags & 0xF0;
    const QMessageBox::Icon icon = kind == MB_ICONSTOP          ? QMessageBox::Critical
                                   : kind == MB_ICONEXCLAMATION ? QMessageBox::Warning
                                   : kind == MB_ICONINFORMATION ? QMessageBox::Information
                                                                : QMessageBox::NoIcon;
    // The box opens over the shown window it belongs to: a window that is not on the screen
    // yet (one still being set up) would put it in the corner of the screen.
    const QString title = QString::fromLatin1(caption);
    QMessageBox box(icon, title, QString::fromLatin1(text.c_str()), QMessageBox::Ok,
                    OwnerWindow(parent));
    // A box at least as wide as its caption, so that a short text leaves the caption whole:
    // the title bar's font is often larger and bolder, and its buttons take room too.
    const int captionWidth = box.fontMetrics().horizontalAdvance(title) * 5 / 4 + 96;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(
            new QSpacerItem(captionWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
            grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook replacement)
{
    return std::exchange(hook, std::move(replacement));
}
} // namespace platform
