#include "common/TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <ctime>
#include <unistd.h>

#include "platform/Sound.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>

namespace fs = std::filesystem;

namespace testing_support
{
ScratchDir::ScratchDir()
{
    std::string pattern = (fs::temp_directory_path() / "velmoria-test-XXXXXX").string();
    path = mkdtemp(pattern.data());
    previous = fs::current_path().string();
    fs::current_path(path);
}

ScratchDir::~ScratchDir()
{
    std::error_code ec;
    fs::current_path(previous, ec);
    fs::remove_all(path, ec);
}

void ScratchDir::LinkRuntime(const std::string& name) const
{
    std::error_code ec;
    fs::create_symlink(fs::path(VELMORIA_RUNTIME_DIR) / name, fs::path(path) / name, ec);
}

void ScratchDir::LinkAllRuntime() const
{
    for (const char* name : {"Data", "Bitmap", "Sound", "Video", "Velmoria.hlp"})
        LinkRuntime(name);
}

void ScratchDir::Write(const std::string& name, const std::string& bytes) const
{
    const fs::path file = fs::path(path) / name;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ScratchDir::Read(const std::string& name, bool* exists) const
{
    std::ifstream in(fs::path(path) / name, std::ios::binary);
    if (exists)
        *exists = static_cast<bool>(in);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

MessageRecorder::MessageRecorder()
{
    previous = platform::SetMessageBoxHook(
        [this](const platform::MessageRecord& r) { boxes.push_back(r); });
}

MessageRecorder::~MessageRecorder()
{
    platform::SetMessageBoxHook(previous);
}

HelpRecorder::HelpRecorder()
{
    previous =
        platform::SetHelpHook([this](const platform::HelpRequest& r) { requests.push_back(r); });
}

HelpRecorder::~HelpRecorder()
{
    platform::SetHelpHook(previous);
}

SoundRecorder::SoundRecorder()
{
    platform::SetSoundHook([this](const std::string& s) { played.push_back(s); });
}

SoundRecorder::~SoundRecorder()
{
    platform::SetSoundHook({});
}

FixedClock::FixedClock(Date date, Time time) : now{date, time, std::nullopt}
{
    platform::SetClockSource([this] { return now; });
}

FixedClock::~FixedClock()
{
    platform::SetClockSource({});
}

void FixedClock::Set(Date date, Time time)
{
    now = {date, time, std::nullopt};
}

ScopedTimeZone::ScopedTimeZone(const char* tz)
{
    if (const char* old = std::getenv("TZ"))
    {
        hadPrevious = true;
        previous = old;
    }
    setenv("TZ", tz, 1);
    tzset();
}

ScopedTimeZone::~ScopedTimeZone()
{
    if (hadPrevious)
        setenv("TZ", previous.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

QString AnswerPrintPreview(const std::function<void()>& print, const QString& pdf)
{
    QString name = QStringLiteral("(no preview)");
    // The answer dies with this call when no preview opened.
    QObject scope;
    QTimer::singleShot(0, &scope,
                       [&]
                       {
                           auto* preview = qobject_cast<QPrintPreviewDialog*>(
                               QApplication::activeModalWidget());
                           if (!preview)
                               return;
                           name = preview->printer()->docName();
                           if (!pdf.isEmpty())
                           {
                               preview->printer()->setOutputFormat(QPrinter::PdfFormat);
                               preview->printer()->setOutputFileName(pdf);
                               preview->findChild<QPrintPreviewWidget*>()->print();
                           }
                           preview->reject();
                       });
    print();
    return name;
}

DialogAnswer::DialogAnswer(platform::Dialog::ExecuteHook hook)
{
    previous = platform::Dialog::SetExecuteHook(std::move(hook));
}

DialogAnswer::~DialogAnswer()
{
    platform::Dialog::SetExecuteHook(previous);
}
ReferenceTable ReadReferenceTable(const std::string& name)
{
    ReferenceTable table;
    std::ifstream in(std::string(VELMORIA_SOURCE_DIR) + "/" + name);
    std::string line;
    while (std::getline(in, line))
    {
        if (line.empty() || line[0] == '#')
            continue;
        std::stringstream fields(line);
        std::string field;
        std::vector<std::string> cells;
        while (std::getline(fields, field, ','))
            cells.push_back(field);
        if (table.column.empty())
            for (size_t k = 0; k < cells.size(); ++k)
                table.column[cells[k]] = k;
        else
        {
            std::vector<double> row;
            for (const std::string& cell : cells)
                row.push_back(std::stod(cell));
            table.rows.push_back(row);
        }
    }
    return table;
}
} // namespace testing_support
