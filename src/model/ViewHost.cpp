#include "model/ViewHost.h"

#include "platform/Bitmaps.h"
#include "platform/Hint.h"

#include <QScrollBar>
#include <QWidget>
#include <algorithm>

namespace model
{
ViewHost::ViewHost(QWidget* w, QScrollBar* bar, Frame f)
    : canvas(1, 1, platform::RGB(192, 192, 192)), window(w), scrollBar(bar), frame(std::move(f))
{
}

QRect ViewHost::GetClientRect() const
{
    const int w = window->width() - (scrollBar->isVisible() ? scrollBar->width() : 0);
    return QRect(0, 0, std::max(w, 0), window->height());
}

void ViewHost::BlackOut()
{
    const QRect rc = GetClientRect();
    canvas.FillRect(rc.left(), rc.top(), rc.left() + rc.width(), rc.top() + rc.height(), 0);
    Present();
}

void ViewHost::InvalidateErase()
{
    canvas.Clear(bkgndColor);
    window->update();
}

void ViewHost::Present()
{
    if (canvas.TakeDirty())
        window->update();
}

void ViewHost::SetHint(const char* text)
{
    platform::SetHint(text);
}

void ViewHost::SetPane(Pane pane, const char* text)
{
    if (frame.setPane)
        frame.setPane(pane, text);
}

void ViewHost::SetCursorResource(int id)
{
    if (id == 0)
        window->unsetCursor();
    else
        window->setCursor(platform::LoadCursorResource(id));
}

void ViewHost::CheckCommand(int id, bool checked)
{
    if (frame.checkCommand)
        frame.checkCommand(id, checked);
}

void ViewHost::ShowScrollBar(bool show)
{
    if (scrollBar->isVisibleTo(window) == show)
        return;
    scrollBar->setVisible(show);
    // The scroll bar takes its width from the client area, as a resize would.
    if (frame.clientResized)
        frame.clientResized();
}

void ViewHost::LeaveView()
{
    if (frame.leaveView)
        frame.leaveView();
}
} // namespace model
