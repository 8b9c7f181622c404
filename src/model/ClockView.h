// A view that the simulated clock animates (the Solar System, the Star Map): the window runs the
// clock's ticks and asks the view on screen to show each instant.
#pragma once

#include "model/View.h"

#include <cstdint>
#include <optional>

namespace model
{
// The Action menu of an animated view: zoom, the clock's direction, Go and Stop, then `normal`
// (Normal Conditions), each group apart.
MenuPopup ActionMenu(QAction* zoomIn, QAction* zoomOut, QAction* timeForward, QAction* timeBack,
                     QAction* go, QAction* stop, QAction* normal);

class ClockView : public View
{
    Q_OBJECT
public:
    using View::View;
    ~ClockView() override;

    // Whether the view's animation runs.
    virtual bool Playing() const = 0;
    // Go and Stop: the animation runs on or stands still.
    virtual void Go() = 0;
    virtual void Stop() = 0;
    // The view at the local clock instant S (seconds from 1901-01-01 00:00). `utcOffset` is the
    // clock reading's own offset from UT when it has one (the computer's clock).
    virtual void ShowInstant(uint64_t S, std::optional<int32_t> utcOffset) = 0;
    // The clock ran against its direction since the last stepping tick.
    virtual void ClockReversed() {}
    // Normal conditions: the view's own part (zoom, centre, tilt as they open).
    virtual void Normal() = 0;
    // The view's picture was covered and the clock was set anew: it is shown again whole.
    virtual void Redraw() = 0;

signals:
    // A command of the view asks for normal conditions (the change of globe does).
    void NormalConditionsAsked();

protected:
    // The mouse wheel zooms notch by notch while the view can zoom that way.
    void wheelEvent(QWheelEvent* event) override;

    QAction* zoomIn = nullptr;
    QAction* zoomOut = nullptr;

private:
    // Wheels with finer steps than a notch add up to one.
    int wheelRest = 0;
};
} // namespace model
