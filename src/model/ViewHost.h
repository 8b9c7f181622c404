// What a view of the main window (the Solar System, the Star Map, the database) may ask of the
// window it lives in: its drawing surface, its status bar, its menu's check marks and cursor,
// and the way back to the main screen. A view never sees the window itself.
#pragma once

#include "model/View.h"
#include "platform/Canvas.h"

#include <QRect>
#include <cstdint>
#include <functional>

class QScrollBar;
class QWidget;

namespace model
{
// The window's side of a view: its picture, its client area and the services of its frame.
// The window derives from it and fills in, at construction, the few things only the window
// knows (what the frame shows, how a view is left); everything else is done here.
class ViewHost
{
public:
    // What only the window and its frame can do.
    struct Frame
    {
        std::function<void(Pane pane, const char* text)> setPane;
        std::function<void(int id, bool checked)> checkCommand;
        // The client area changed size (the scroll bar came or went).
        std::function<void()> clientResized;
        // The view on screen is torn down and the main screen comes back.
        std::function<void()> leaveView;
    };

    ViewHost(QWidget* window, QScrollBar* scrollBar, Frame frame);

    // The window: the parent of the view's dialogs, cards and message boxes.
    QWidget* Window() const { return window; }
    // The window's persistent picture; painting only shows it.
    platform::Canvas& Canvas() { return canvas; }
    // The client rectangle: the window less the vertical scroll bar while it is shown.
    QRect GetClientRect() const;
    // Fills the client area with black and shows it.
    void BlackOut();
    // Fills the whole picture with the window's background colour.
    void InvalidateErase();
    // Shows the picture again when something drew on it.
    void Present();
    // The hint line and the text panes of the status bar.
    void SetHint(const char* text);
    void SetPane(Pane pane, const char* text);
    // The window's cursor: cursor resource `id`, or the arrow for 0.
    void SetCursorResource(int id);
    // The check mark of command `id` in the current menu.
    void CheckCommand(int id, bool checked);
    // Shows or hides the vertical scroll bar (the review globe's tilt).
    void ShowScrollBar(bool show);
    // The view cannot go on (its data cannot be read): it is torn down and the main screen
    // comes back.
    void LeaveView();
    // The vertical scroll bar (range, position, shown or hidden).
    QScrollBar* VScrollBar() const { return scrollBar; }
    // The background colour that InvalidateErase fills with.
    void SetBkgndColor(platform::Rgb color) { bkgndColor = color; }
    platform::Rgb BkgndColor() const { return bkgndColor; }

    // The window's picture.
    platform::Canvas canvas;

protected:
    ~ViewHost() = default;

private:
    QWidget* window;
    QScrollBar* scrollBar;
    Frame frame;
    platform::Rgb bkgndColor = platform::RGB(192, 192, 192);
};
} // namespace model
