// What a view of the main window (the Solar System, the Star Map, the database) may ask of the
// window it lives in: its drawing surface, its status bar, its menu's check marks and cursor,
// and the way back to the main screen. The window implements it; a view never sees the window
// itself.
#pragma once

#include "platform/Canvas.h"

#include <QRect>
#include <cstdint>

class QWidget;

namespace model
{
// The subject the window shows.
enum class Mode : uint8_t
{
    None,
    Main,
    SolarSystem,
    StarMap,
    DataBase
};

// The text panes of the status bar, right of the hint line.
enum class Pane
{
    Date,
    Time,
    Mode,
    Coord
};

class ViewHost
{
public:
    // The window: the parent of the view's dialogs, cards and message boxes.
    virtual QWidget* Window() = 0;
    // The window's persistent picture; painting only shows it.
    virtual platform::Canvas& Canvas() = 0;
    // The client rectangle: the window less the vertical scroll bar while it is shown.
    virtual QRect GetClientRect() const = 0;
    // Fills the client area with black and shows it.
    virtual void BlackOut() = 0;
    // Fills the whole picture with the window's background colour.
    virtual void InvalidateErase() = 0;
    // Shows the picture again when something drew on it.
    virtual void Present() = 0;
    // The hint line and the text panes of the status bar.
    virtual void SetHint(const char* text) = 0;
    virtual void SetPane(Pane pane, const char* text) = 0;
    // The window's cursor: cursor resource `id`, or the arrow for 0.
    virtual void SetCursorResource(int id) = 0;
    // The check mark of command `id` in the current menu.
    virtual void CheckCommand(int id, bool checked) = 0;
    // Shows or hides the vertical scroll bar (the review globe's tilt).
    virtual void ShowScrollBar(bool show) = 0;
    // The view cannot go on (its data cannot be read): it is torn down and the main screen
    // comes back.
    virtual void LeaveView() = 0;

protected:
    ~ViewHost() = default;
};
} // namespace model
