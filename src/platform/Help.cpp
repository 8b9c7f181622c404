#include "platform/Help.h"

#include "platform/Files.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <fstream>
#include <sstream>
#include <vector>

namespace platform
{
namespace
{
HelpHook& Hook()
{
    static HelpHook hook;
    return hook;
}

// The viewer window: one for the whole program, reused by every request.
class HelpViewer : public QTextBrowser
{
public:
    HelpViewer()
    {
        setWindowTitle(QStringLiteral("Velmoria Help"));
        setOpenLinks(false);
        resize(640, 520);
        connect(this, &QTextBrowser::anchorClicked, this,
                [this](const QUrl& url)
                {
                    if (url.scheme() == QLatin1String("topic"))
                        ShowTopic(url.path().toStdString());
                });
    }

    void SetTopics(std::map<std::string, std::string> t) { topics = std::move(t); }

    // Shows topic `key`; the page shown before it is remembered for Back.
    bool ShowTopic(const std::string& key, bool remember = true)
    {
        const auto it = topics.find(key);
        if (it == topics.end())
            return false;
        if (remember && !current.empty() && current != key)
            history.push_back(current);
        current = key;
        setHtml(QString::fromStdString(it->second));
        show();
        raise();
        activateWindow();
        return true;
    }

    // Goes back to the page shown before this one; false when there is none.
    bool GoBack()
    {
        while (!history.empty())
        {
            const std::string key = history.back();
            history.pop_back();
            if (ShowTopic(key, false))
                return true;
        }
        return false;
    }

protected:
    // Backspace and Alt+Left go back, as in a web browser.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Backspace ||
            (event->key() == Qt::Key_Left && (event->modifiers() & Qt::AltModifier)))
        {
            GoBack();
            return;
        }
        QTextBrowser::keyPressEvent(event);
    }

private:
    std::map<std::string, std::string> topics;
    std::string current;
    std::vector<std::string> history;
};

HelpViewer* Viewer()
{
    static QPointer<HelpViewer> viewer;
    if (!viewer)
    {
        viewer = new HelpViewer;
        viewer->setObjectName(QStringLiteral("helpviewer"));
        viewer->setAttribute(Qt::WA_QuitOnClose, false);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { delete viewer; });
    }
    return viewer;
}

// Help asked for from a modal dialog (the title screen, Time Update, a setup dialog) must stay
// usable while the dialog is open: the viewer becomes a window of the dialog, which a modal
// dialog does not block, and goes back to being a window of its own when the dialog closes.
void LendToModalDialog(HelpViewer* viewer)
{
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!modal || viewer->parentWidget() == modal)
        return;
    const QRect geometry = viewer->geometry();
    viewer->setParent(modal, Qt::Window);
    viewer->setGeometry(geometry);
    QPointer<HelpViewer> guarded(viewer);
    QObject::connect(
        modal, &QDialog::finished, viewer,
        [guarded]
        {
            if (!guarded)
                return;
            const bool shown = guarded->isVisible();
            const QRect place = guarded->geometry();
            guarded->setParent(nullptr, Qt::Window);
            guarded->setGeometry(place);
            if (shown)
                guarded->show();
        },
        Qt::SingleShotConnection);
}
} // namespace

std::map<std::string, std::string> ParseHelpFile(const std::string& text)
{
    std::map<std::string, std::string> topics;
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line))
        return topics;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line != "VELMORIA HELP 1")
        return topics;
    std::string key;
    std::string body;
    auto flush = [&]
    {
        if (!key.empty())
            topics[key] = body;
    };
    static const std::string kMark = "@@topic ";
    while (std::getline(in, line))
    {
        if (line.compare(0, kMark.size(), kMark) == 0)
        {
            flush();
            key = line.substr(kMark.size());
            while (!key.empty() && (key.back() == '\r' || key.back() == ' '))
                key.pop_back();
            body.clear();
        }
        else if (!key.empty())
        {
            body += line;
            body += '\n';
        }
    }
    flush();
    return topics;
}

void WinHelp(QWidget*, const char* file, unsigned command, unsigned long data)
{
    if (Hook())
    {
        Hook()(HelpRequest{file ? file : "", command, data});
        return;
    }
    // Help on using help lives in the program's own help file.
    const char* path = command == HELP_HELPONHELP ? "Velmoria.hlp" : file;
    std::ifstream in(NativePath(path), std::ios::binary);
    if (!in)
        return;
    std::stringstream text;
    text << in.rdbuf();
    HelpViewer* viewer = Viewer();
    LendToModalDialog(viewer);
    viewer->SetTopics(ParseHelpFile(text.str()));
    switch (command)
    {
    case HELP_CONTEXT:
        viewer->ShowTopic(std::to_string(data));
        break;
    case HELP_FINDER:
        viewer->ShowTopic("contents");
        break;
    case HELP_HELPONHELP:
        viewer->ShowTopic("helponhelp");
        break;
    default:
        break;
    }
}

HelpHook SetHelpHook(HelpHook hook)
{
    HelpHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}
} // namespace platform
