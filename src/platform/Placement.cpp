#include "platform/Placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace platform
{
namespace
{
QMargins MeasuredMargins(const QWidget* w)
{
    const QRect g = w->geometry();
    const QRect f = w->frameGeometry();
    return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(),
                    f.bottom() - g.bottom());
}

QScreen* ScreenOf(const QWidget* window, const QPoint& at)
{
    if (QScreen* s = QGuiApplication::screenAt(at))
        return s;
    if (window && window->screen())
        return window->screen();
    return QGuiApplication::primaryScreen();
}
} // namespace

QMargins WindowFrameMargins(const QWidget* window)
{
    if (window && (window->windowFlags() & Qt::FramelessWindowHint))
        return {};
    if (window && window->isVisible() && !MeasuredMargins(window).isNull())
        return MeasuredMargins(window);
    for (const QWidget* w : QApplication::topLevelWidgets())
    {
        if (w == window || !w->isVisible() || (w->windowFlags() & Qt::FramelessWindowHint))
            continue;
        const QMargins m = MeasuredMargins(w);
        if (m.top() > 0)
            return m;
    }
    const QStyle* style = window ? window->style() : QApplication::style();
    const int border = std::max(style->pixelMetric(QStyle::PM_DefaultFrameWidth), 1);
    return QMargins(border, style->pixelMetric(QStyle::PM_TitleBarHeight) + border, border,
                    border);
}

QRect FitInside(QRect frame, const QRect& area)
{
    if (frame.right() > area.right())
        frame.moveRight(area.right());
    if (frame.bottom() > area.bottom())
        frame.moveBottom(area.bottom());
    if (frame.left() < area.left())
        frame.moveLeft(area.left());
    if (frame.top() < area.top())
        frame.moveTop(area.top());
    return frame;
}

QWidget* OwnerWindow(const QWidget* owner)
{
    if (owner && owner->window()->isVisible())
        return owner->window();
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible())
        return modal;
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    return nullptr;
}

void KeepOnScreen(QWidget* window)
{
    const QMargins m = WindowFrameMargins(window);
    const QRect frame(window->pos(), window->size().grownBy(m));
    const QScreen* screen = ScreenOf(window, frame.center());
    if (!screen)
        return;
    const QRect fitted = FitInside(frame, screen->availableGeometry());
    if (fitted.topLeft() != window->pos())
        window->move(fitted.topLeft());
}

void PlaceOver(QWidget* window, const QWidget* owner)
{
    const QMargins m = WindowFrameMargins(window);
    const QSize frame = window->size().grownBy(m);
    QPoint centre;
    if (const QWidget* w = OwnerWindow(owner); w && w != window)
        centre = w->frameGeometry().center();
    else if (const QScreen* screen = ScreenOf(window, QPoint()))
        centre = screen->availableGeometry().center();
    window->move(centre - QPoint(frame.width() / 2, frame.height() / 2));
    KeepOnScreen(window);
}
} // namespace platform
