#include "common/AppSupport.h"

#include <QAction>

namespace testing_support
{
QAction* ViewAction(const VelmoriaWnd* w, const char* name)
{
    const QString key = QString::fromLatin1(name);
    if (const model::View* view = w->CurrentView())
        if (auto* own = view->findChild<QAction*>(key, Qt::FindDirectChildrenOnly))
            return own;
    return w->findChild<QAction*>(key, Qt::FindDirectChildrenOnly);
}

bool Trigger(VelmoriaWnd* w, const char* name)
{
    QAction* action = ViewAction(w, name);
    if (!action)
        return false;
    action->trigger();
    return true;
}

bool IsEnabled(const VelmoriaWnd* w, const char* name)
{
    const QAction* action = ViewAction(w, name);
    return action && action->isEnabled();
}

QImage ViewPicture(const VelmoriaWnd* w)
{
    model::View* view = w->CurrentView();
    return view ? view->grab().toImage().convertToFormat(QImage::Format_RGB32) : QImage();
}
} // namespace testing_support
