#include "model/ClockView.h"

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
} // namespace model
