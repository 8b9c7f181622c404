#include "model/ClockView.h"

#include <QWheelEvent>

namespace model
{
MenuPopup ActionMenu(QAction* zoomIn, QAction* zoomOut, QAction* timeForward, QAction* timeBack,
                     QAction* go, QAction* stop, QAction* normal)
{
    return {QStringLiteral("&Action"),
            {{zoomIn},
             {zoomOut},
             Separator(),
             {timeForward},
             {timeBack},
             Separator(),
             {go},
             {stop},
             Separator(),
             {normal}}};
}

ClockView::~ClockView() = default;

void ClockView::wheelEvent(QWheelEvent* event)
{
    constexpr int kNotch = 120;
    wheelRest += event->angleDelta().y();
    for (; wheelRest >= kNotch; wheelRest -= kNotch)
        if (zoomIn && zoomIn->isEnabled())
            zoomIn->trigger();
    for (; wheelRest <= -kNotch; wheelRest += kNotch)
        if (zoomOut && zoomOut->isEnabled())
            zoomOut->trigger();
    event->accept();
}
} // namespace model
