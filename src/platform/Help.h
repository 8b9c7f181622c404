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
// The program's help file.
constexpr const char* kHelpFile = "Velmoria.hlp";

// What a help request opens: a topic by its number, the contents and index, or the page on
// using help.
enum class HelpPage
{
    Topic,
    Contents,
    UsingHelp
};

// Splits the text of a help file into its topics; empty when the first line is not the
// format's header.
std::map<std::string, std::string> ParseHelpFile(const std::string& text);

// Opens the help viewer at topic `topic` (a context number of the help file), at the contents
// and index, or at the page on using help. A missing file or topic shows nothing. Asked from a
// dialog, the viewer opens beside the dialog where the screen has room for it (to its right,
// left, below or above), else over it; asked from another window, it first opens over that
// window. It offers Contents, Back and Forward (buttons, or Backspace or Alt+Left and
// Alt+Right); a viewer opened when it was not on the screen has nothing to go back to. F1 in it
// shows the page on using help.
void ShowHelpTopic(QWidget* parent, unsigned long topic);
void ShowHelpContents(QWidget* parent);
void ShowHelpOnHelp(QWidget* parent);

// Tests record help requests instead of opening the viewer.
struct HelpRequest
{
    std::string file;
    HelpPage page;
    unsigned long topic; // for HelpPage::Topic
};
using HelpHook = std::function<void(const HelpRequest&)>;
HelpHook SetHelpHook(HelpHook hook);
} // namespace platform
