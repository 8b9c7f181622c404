#include "model/View.h"

#include "platform/Bitmaps.h"
#include "platform/PictureExport.h"

#include <QList>
#include <QPixmap>

namespace model
{
PictureActions MakePictureActions(QWidget* view, std::function<QImage()> picture,
                                  std::function<QString()> title, std::function<QString()> fileName)
{
    const PictureActions actions{
        MakeAction(view, {"savePicture",
                          "Save &Picture\u2026\tCtrl+S",
                          {QKeySequence::Save},
                          "Save the picture of the view as a PNG file"}),
        MakeAction(view, {"copyPicture",
                          "C&opy Picture\tCtrl+C",
                          {QKeySequence::Copy},
                          "Copy the picture of the view to the clipboard"}),
        MakeAction(view, {"printPicture",
                          "Pr&int\u2026\tCtrl+P",
                          {QKeySequence::Print},
                          "Print the picture of the view with its date, time and place"})};
    QObject::connect(actions.save, &QAction::triggered, view,
                     [view, picture, fileName]
                     { platform::SavePicture(view, picture(), fileName()); });
    QObject::connect(actions.copy, &QAction::triggered, view,
                     [picture] { platform::CopyPicture(picture()); });
    QObject::connect(actions.print, &QAction::triggered, view,
                     [view, picture, title, fileName]
                     { platform::PrintPicture(view, picture(), title(), fileName()); });
    return actions;
}

QAction* View::Action(const char* name) const
{
    return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

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
