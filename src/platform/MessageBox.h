// Modal message boxes with the program's three captions. Every box goes through one function
// that tests replace to record (text, caption, flags) instead of showing a box.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace platform
{
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;

constexpr const char* kCaptionError = "Velmoria - [Error]";
constexpr const char* kCaptionWarning = "Velmoria - [Warning]";
constexpr const char* kCaptionInfo = "Velmoria - [Info]";

struct MessageRecord
{
    std::string text;
    std::string caption;
    unsigned flags;
};

using MessageBoxHook = std::function<void(const MessageRecord&)>;

// Shows a modal box with one OK button and the icon of `flags`; returns when it is closed.
// With a hook installed the box is handed to the hook instead and nothing is shown.
void MessageBox(QWidget* parent, const std::string& text, const char* caption, unsigned flags);

// Installs (or, with an empty function, removes) the hook; returns the previous one.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

// The three kinds of box the program uses.
inline void ErrorBox(QWidget* parent, const std::string& text)
{
    MessageBox(parent, text, kCaptionError, MB_ICONSTOP);
}
inline void WarningBox(QWidget* parent, const std::string& text)
{
    MessageBox(parent, text, kCaptionWarning, MB_ICONEXCLAMATION);
}
inline void InfoBox(QWidget* parent, const std::string& text)
{
    MessageBox(parent, text, kCaptionInfo, MB_ICONINFORMATION);
}
} // namespace platform
