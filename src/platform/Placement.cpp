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
    return QMargins(border, style->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border);
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

QRect BesideFrame(QSize preferred, QSize minimum, const QRect& owner, const QRect& area)
{
    const int width = std::min(preferred.width(), area.width());
    const int height = std::min(preferred.height(), area.height());
    // Room on each side of the owner, gap included, within the area.
    const int right = area.right() - owner.right() - kBesideGap;
    const int left = owner.left() - area.left() - kBesideGap;
    const int below = area.bottom() - owner.bottom() - kBesideGap;
    const int above = owner.top() - area.top() - kBesideGap;
    const bool tall = height >= minimum.height();
    const bool wide = width >= minimum.width();
    const QSize toRight(std::min(width, right), height);
    const QSize toLeft(std::min(width, left), height);
    const QSize toBelow(width, std::min(height, below));
    const QSize toAbove(width, std::min(height, above));
    if (tall && right >= minimum.width())
        return FitInside(QRect({owner.right() + 1 + kBesideGap, owner.top()}, toRight), area);
    if (tall && left >= minimum.width())
        return FitInside(QRect({owner.left() - kBesideGap - toLeft.width(), owner.top()}, toLeft),
                         area);
    if (wide && below >= minimum.height())
        return FitInside(QRect({owner.left(), owner.bottom() + 1 + kBesideGap}, toBelow), area);
    if (wide && above >= minimum.height())
        return FitInside(
            QRect({owner.left(), owner.top() - kBesideGap - toAbove.height()}, toAbove), area);
    return QRect();
}

bool PlaceBeside(QWidget* window, const QWidget* owner, QSize minimum)
{
    const QWidget* w = OwnerWindow(owner);
    if (!w || w == window)
        return false;
    const QRect ownerFrame = w->frameGeometry();
    const QScreen* screen = ScreenOf(w, ownerFrame.center());
    if (!screen)
        return false;
    const QMargins m = WindowFrameMargins(window);
    const QRect frame = BesideFrame(window->size().grownBy(m), minimum.grownBy(m), ownerFrame,
                                    screen->availableGeometry());
    if (frame.isEmpty())
        return false;
    window->resize(frame.size().shrunkBy(m));
    window->move(frame.topLeft());
    return true;
}
} // namespace platform
