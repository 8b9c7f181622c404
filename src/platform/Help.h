// The help viewer: "Velmoria.hlp" holds HTML topics keyed by context number, shown in a window
// of its own. File format: first line "VELMORIA HELP 1", then topics, each starting with a line
// "@@topic <key>" (a context number, "contents" or "helponhelp"); links are "topic:<key>".
#pragma once

#include <functional>
#include <map>
#include <string>

class QWidget;

namespace platform
{
constexpr unsigned HELP_CONTEXT = 1;
constexpr unsigned HELP_HELPONHELP = 4;
constexpr unsigned HELP_FINDER = 11;

// Splits the text of a help file into its topics; empty when the first line is not the
// format's header.
std::map<std::string, std::string> ParseHelpFile(const std::string& text);

// Opens `file` with command HELP_CONTEXT (topic `data`), HELP_FINDER (contents and index) or
// HELP_HELPONHELP (help on using help). A missing file or topic shows nothing. Asked from a
// dialog, the viewer opens beside the dialog where the screen has room for it (to its right,
// left, below or above), else over it; asked from another window, it first opens over that
// window. It offers Contents, Back and Forward (buttons, or Backspace or Alt+Left and
// Alt+Right); a viewer opened when it was not on the screen has nothing to go back to. F1 in it
// shows the page on using help.
void WinHelp(QWidget* parent, const char* file, unsigned command, unsigned long data);

// Tests record help requests instead of opening the viewer.
struct HelpRequest
{
    std::string file;
    unsigned command;
    unsigned long data;
};
using HelpHook = std::function<void(const HelpRequest&)>;
HelpHook SetHelpHook(HelpHook hook);
} // namespace platform
