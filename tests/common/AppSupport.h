// The whole window as a user drives it: the commands of the view on screen found by name and
// clicked as their menu items would be.
#pragma once

#include "app/VelmoriaWnd.h"

#include <QImage>
#include <memory>

class QAction;

namespace testing_support
{
// The command `name` of the view on screen, or one that every view shows (Return, Sound, Help);
// null when the screen offers no such command.
QAction* ViewAction(const VelmoriaWnd* w, const char* name);
// Clicks the command `name`: nothing happens when it is disabled. False when the screen offers
// no such command.
bool Trigger(VelmoriaWnd* w, const char* name);
// Whether the command `name` is offered on the screen and enabled.
bool IsEnabled(const VelmoriaWnd* w, const char* name);
// The view on screen as it paints itself now, in RGB32.
QImage ViewPicture(const VelmoriaWnd* w);

// The same for a window the test owns.
inline bool Trigger(const std::unique_ptr<VelmoriaWnd>& w, const char* name)
{
    return Trigger(w.get(), name);
}
inline bool IsEnabled(const std::unique_ptr<VelmoriaWnd>& w, const char* name)
{
    return IsEnabled(w.get(), name);
}
inline QImage ViewPicture(const std::unique_ptr<VelmoriaWnd>& w)
{
    return ViewPicture(w.get());
}
} // namespace testing_support
