#include "model/View.h"

#include "platform/Bitmaps.h"

#include <QList>
#include <QPixmap>

namespace model
{
QAction* MakeAction(QObject* owner, const Command& command)
{
    auto* action = new QAction(QString::fromUtf8(command.text), owner);
    action->setObjectName(QString::fromLatin1(command.name));
    action->setShortcuts(QList<QKeySequence>(command.keys));
    if (command.hint)
    {
        action->setStatusTip(QString::fromLatin1(command.hint));
        action->setToolTip(QString::fromLatin1(command.hint));
    }
    if (command.picture != 0)
        action->setIcon(QIcon(QPixmap::fromImage(platform::LoadBitmapResource(command.picture))));
    if (command.checkable)
    {
        action->setCheckable(true);
        // Connected first, so it runs before the command's own handler: the click's toggle is
        // undone and the handler sets the mark the program's state calls for.
        QObject::connect(action, &QAction::triggered, action,
                         [action](bool checked) { action->setChecked(!checked); });
    }
    return action;
}
} // namespace model
