#include "platform/Help.h"

#include "platform/Files.h"
#include "platform/Placement.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

namespace platform
{
namespace
{
HelpHook hook;

// The viewer's size when it opens, and the smallest it is made to stand beside a dialog.
constexpr QSize kViewerSize(640, 520);
constexpr QSize kViewerBesideMinimum(400, 320);

// The viewer window, one for the whole program and reused by every request: a row of
// buttons (Contents, Back, Forward) over the page. Back and Forward go through the pages shown
// since the viewer opened, as in a web browser; F1 shows the page on using help.
class HelpViewer : public QWidget
{
public:
    HelpViewer()
    {
        setWindowTitle(QStringLiteral("Velmoria Help"));
        resize(kViewerSize);
        auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
        back = new QPushButton(QStringLiteral("&Back"), this);
        forward = new QPushButton(QStringLiteral("&Forward"), this);
        contents->setObjectName(QStringLiteral("contents"));
        back->setObjectName(QStringLiteral("back"));
        forward->setObjectName(QStringLiteral("forward"));
        page = new QTextBrowser(this);
        page->setObjectName(QStringLiteral("page"));
        page->setOpenLinks(false);
        auto* buttons = new QHBoxLayout;
        for (QPushButton* b : {contents, back, forward})
        {
            b->setAutoDefault(false);
            b->setFocusPolicy(Qt::TabFocus);
            buttons->addWidget(b);
        }
        buttons->addStretch(1);
        auto* column = new QVBoxLayout(this);
        column->addLayout(buttons);
        column->addWidget(page, 1);
        connect(contents, &QPushButton::clicked, this, [this] { ShowTopic("contents"); });
        connect(back, &QPushButton::clicked, this, &HelpViewer::GoBack);
        connect(forward, &QPushButton::clicked, this, &HelpViewer::GoForward);
        connect(page, &QTextBrowser::anchorClicked, this,
                [this](const QUrl& url)
                {
                    if (url.scheme() == QLatin1String("topic"))
                        ShowTopic(url.path().toStdString());
                });
        // The page has the focus; keys that the buttons leave reach the viewer itself.
        page->installEventFilter(this);
        installEventFilter(this);
        UpdateButtons();
    }

    void SetTopics(std::map<std::string, std::string> t) { topics = std::move(t); }

    // A request from the program: shows topic `key` for the window of `owner`. A viewer that
    // was not on the screen (`wasShown` false) opens afresh, with nothing to go back to and at
    // its first size. Asked from a dialog, the viewer stands beside the dialog where the screen
    // has room, so that both can be read; otherwise it first opens over the window it was asked
    // from and then stays where the user puts it.
    bool Open(const std::string& key, const QWidget* owner, bool wasShown)
    {
        if (topics.find(key) == topics.end())
            return false;
        if (!wasShown)
        {
            current.clear();
            backward.clear();
            ahead.clear();
            resize(kViewerSize);
        }
        Place(owner, wasShown);
        return ShowTopic(key);
    }

    // Shows topic `key`; the page shown before it is remembered for Back, and the pages left
    // by Back are forgotten.
    bool ShowTopic(const std::string& key)
    {
        if (!Show(key))
            return false;
        if (!current.empty() && current != key)
        {
            backward.push_back(current);
            ahead.clear();
        }
        current = key;
        UpdateButtons();
        return true;
    }

    // Goes back to the page shown before this one; false when there is none.
    bool GoBack() { return Step(backward, ahead); }
    // Goes forward again to a page left by Back; false when there is none.
    bool GoForward() { return Step(ahead, backward); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event)))
            return true;
        return QWidget::eventFilter(watched, event);
    }

private:
    // Backspace and Alt+Left go back, Alt+Right forward, F1 to the page on using help.
    bool HandleKey(const QKeyEvent* event)
    {
        const bool alt = event->modifiers() & Qt::AltModifier;
        if (event->key() == Qt::Key_Backspace || (alt && event->key() == Qt::Key_Left))
            GoBack();
        else if (alt && event->key() == Qt::Key_Right)
            GoForward();
        else if (event->key() == Qt::Key_F1)
            ShowTopic("helponhelp");
        else
            return false;
        return true;
    }

    void Place(const QWidget* owner, bool wasShown)
    {
        const QWidget* asker = OwnerWindow(owner);
        // A viewer already beside the dialog, or moved clear of it by the user, stays put.
        const bool fromDialog = qobject_cast<const QDialog*>(asker) != nullptr && asker != this;
        if (fromDialog && (!wasShown || geometry().intersects(asker->frameGeometry())) &&
            PlaceBeside(this, owner, kViewerBesideMinimum))
        {
            placed = true;
            return;
        }
        if (!placed)
        {
            PlaceOver(this, owner);
            placed = true;
        }
    }

    bool Show(const std::string& key)
    {
        const auto it = topics.find(key);
        if (it == topics.end())
            return false;
        page->setHtml(QString::fromStdString(it->second));
        show();
        raise();
        activateWindow();
        return true;
    }

    // Moves from the current page to the last page of `from`, keeping the current one in `to`.
    bool Step(std::vector<std::string>& from, std::vector<std::string>& to)
    {
        while (!from.empty())
        {
            const std::string key = from.back();
            from.pop_back();
            if (Show(key))
            {
                if (!current.empty())
                    to.push_back(current);
                current = key;
                UpdateButtons();
                return true;
            }
        }
        UpdateButtons();
        return false;
    }

    void UpdateButtons()
    {
        back->setEnabled(!backward.empty());
        forward->setEnabled(!ahead.empty());
    }

    std::map<std::string, std::string> topics;
    std::string current;
    std::vector<std::string> backward;
    std::vector<std::string> ahead;
    QPushButton* back;
    QPushButton* forward;
    QTextBrowser* page;
    bool placed = false;
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

namespace
{
// Opens the program's help file at `key` ("contents", "helponhelp" or a topic number).
void OpenHelp(QWidget* parent, HelpPage page, unsigned long topic)
{
    if (hook)
    {
        hook(HelpRequest{kHelpFile, page, topic});
        return;
    }
    std::ifstream in(NativePath(kHelpFile), std::ios::binary);
    if (!in)
        return;
    std::stringstream text;
    text << in.rdbuf();
    HelpViewer* viewer = Viewer();
    // Lending the viewer to a dialog hides it for a moment: whether it was on the screen is
    // known only before.
    const bool wasShown = viewer->isVisible();
    LendToModalDialog(viewer);
    viewer->SetTopics(ParseHelpFile(text.str()));
    const char* named = page == HelpPage::Contents ? "contents" : "helponhelp";
    viewer->Open(page == HelpPage::Topic ? std::to_string(topic) : named, parent, wasShown);
}
} // namespace

void ShowHelpTopic(QWidget* parent, unsigned long topic)
{
    OpenHelp(parent, HelpPage::Topic, topic);
}

void ShowHelpContents(QWidget* parent)
{
    OpenHelp(parent, HelpPage::Contents, 0);
}

void ShowHelpOnHelp(QWidget* parent)
{
    OpenHelp(parent, HelpPage::UsingHelp, 0);
}

HelpHook SetHelpHook(HelpHook replacement)
{
    return std::exchange(hook, std::move(replacement));
}
} // namespace platform
