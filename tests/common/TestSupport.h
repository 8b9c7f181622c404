// Helpers shared by the tests: a scratch working directory, recorders for message boxes,
// sounds and help requests, a clock fixed at a chosen moment, and answers to dialogs and to
// the print preview.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Dialog.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"

namespace testing_support
{
// A fresh temporary directory made the working directory for the test's lifetime. Runtime
// folders and files of the built program can be linked into it by name ("Data", "Bitmap",
// "Sound", "Velmoria.hlp").
class ScratchDir
{
public:
    ScratchDir();
    ~ScratchDir();
    const std::string& Path() const { return path; }
    // Links build/runtime/<name> into the scratch directory.
    void LinkRuntime(const std::string& name) const;
    // Links every runtime folder and the help file.
    void LinkAllRuntime() const;
    // Writes `bytes` to the file `name` (relative, '/' separators).
    void Write(const std::string& name, const std::string& bytes) const;
    // The whole file, or "" when it is missing; `exists` tells which.
    std::string Read(const std::string& name, bool* exists = nullptr) const;

private:
    std::string path;
    std::string previous;
};

// Records every message box while alive instead of showing it.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    std::vector<platform::MessageRecord> boxes;

private:
    platform::MessageBoxHook previous;
};

// Records help requests instead of opening the viewer.
class HelpRecorder
{
public:
    HelpRecorder();
    ~HelpRecorder();
    std::vector<platform::HelpRequest> requests;

private:
    platform::HelpHook previous;
};

// Records the sounds played ("" for a stop) instead of playing them.
class SoundRecorder
{
public:
    SoundRecorder();
    ~SoundRecorder();
    std::vector<std::string> played;
};

// Fixes the computer's clock while alive.
class FixedClock
{
public:
    FixedClock(Date date, Time time);
    ~FixedClock();
    void Set(Date date, Time time);

private:
    platform::LocalDateTime now;
};

// Sets the computer's time zone while alive: the TZ variable, for example the POSIX rule
// "CET-1CEST,M3.5.0,M10.5.0/3" (UTC+1, daylight saving UTC+2 from the last Sunday of March,
// 02:00, to the last Sunday of October, 03:00).
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char* tz);
    ~ScopedTimeZone();

private:
    bool hadPrevious = false;
    std::string previous;
};

// Runs `print`, which opens a print preview, and answers the preview: with its Print button
// into the PDF file `pdf` when one is given, then with Close. Returns the name of the document
// the preview prints (the name the print dialog offers for a PDF file), or "(no preview)".
QString AnswerPrintPreview(const std::function<void()>& print, const QString& pdf = QString());

// A reference table of numbers made by tools/reference (tests/sky/sky_reference.csv): named
// columns, '#' lines skipped. Empty when the file cannot be read.
struct ReferenceTable
{
    std::map<std::string, size_t> column;
    std::vector<std::vector<double>> rows;
    double At(size_t row, const std::string& name) const { return rows[row].at(column.at(name)); }
};
// The table `name` of the source tree ("tests/sky/sky_reference.csv").
ReferenceTable ReadReferenceTable(const std::string& name);

// Answers every dialog with the given function while alive.
class DialogAnswer
{
public:
    explicit DialogAnswer(platform::Dialog::ExecuteHook hook);
    ~DialogAnswer();

private:
    platform::Dialog::ExecuteHook previous;
};
} // namespace testing_support
