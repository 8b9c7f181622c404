// Where the program's own windows go: over the window they belong to (or beside it, for one
// that must not hide it), and wholly on the screen, title bar included. A window's position is that
// of its frame (QWidget::move), and the frame a window manager adds is known only once a decorated
// window is on the screen.
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace platform
{
// The frame around the top-level `window`: its own once shown with a frame, else that of
// another shown window of the program, else the style's title bar and border. None for a
// frameless window.
QMargins WindowFrameMargins(const QWidget* window);

// `frame` moved, not resized, so that it lies inside `area`; one larger than the area keeps
// its left and top edges inside it.
QRect FitInside(QRect frame, const QRect& area);

// The shown window that a new window belongs to: the window of `owner` when it is shown,
// else the open modal dialog, else the active window; null when none is shown.
QWidget* OwnerWindow(const QWidget* owner);

// Moves the top-level `window` so that its frame lies wholly on the screen it stands on.
void KeepOnScreen(QWidget* window);

// Moves the top-level `window` to the middle of OwnerWindow(owner), or of the screen when
// there is none, and keeps it on the screen.
void PlaceOver(QWidget* window, const QWidget* owner);

// Gap in pixels between a window placed beside another and that other window.
constexpr int kBesideGap = 4;

// Where a frame goes beside the frame `owner` without covering it, inside `area`: to the right
// of it, else to the left, else below, else above, the first side with room for at least
// `minimum`. The frame takes `preferred` shrunk to the room on that side (and to the area), its
// top (or left) edge level with the owner's as far as the area allows. Empty when no side has
// room.
QRect BesideFrame(QSize preferred, QSize minimum, const QRect& owner, const QRect& area);

// Moves and, when the room asks for it, shrinks the top-level `window` so that its frame stands
// beside the frame of OwnerWindow(owner) on the screen, without covering it; its client area
// stays at least `minimum`. False, with the window untouched, when there is no owner or no side
// has room.
bool PlaceBeside(QWidget* window, const QWidget* owner, QSize minimum);
} // namespace platform
