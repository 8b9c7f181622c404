#include "app/VelmoriaApp.h"

#include "app/VelmoriaWnd.h"
#include "platform/Bitmaps.h"
#include "platform/Hint.h"
#include "platform/Sound.h"
#include "resources/CommandIds.h"
#include "resources/Resources.h"
#include "starmap/StarMap.h"
#include "time/Calendar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

namespace
{
// The idle-time refresh of the command enablers (menus and toolbar buttons).
constexpr int kEnablePeriodMs = 100;
// The frame's size when it is not maximized.
constexpr int kRestoreWidth = 690;
constexpr int kRestoreHeight = 490;
// How long a window manager may take to maximize the frame once it is shown.
constexpr int kMaximizeGraceMs = 500;

// The look of the frame's toolbar: the program's font at 10 points, 24 x 24 buttons.
void StyleToolbar(QToolBar* bar)
{
    bar->setOrientation(Qt::Horizontal);
    QFont font = bar->font();
    font.setPointSize(10);
    font.setBold(false);
    font.setItalic(false);
    bar->setFont(font);
    bar->setIconSize(QSize(24, 24));
}

QString MenuText(const MenuItem& item)
{
    // The menu tables are UTF-8 (the ellipsis of the commands that ask before they act).
    QString text = QString::fromUtf8(item.text);
    if (item.key)
        text += QLatin1Char('\t') + QString::fromLatin1(item.key);
    return text;
}
} // namespace

// ---- status bar ----

TextGadget::TextGadget(int gadgetId, int numChars, QWidget* parent)
    : TextGadget(gadgetId, QString(numChars, QLatin1Char('0')), parent)
{
}

TextGadget::TextGadget(int gadgetId, const QString& widest, QWidget* parent)
    : QLabel(parent), id(gadgetId)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMinimumWidth(fontMetrics().horizontalAdvance(widest) + 2 * frameWidth() + 4);
}

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), hint(new QLabel(this))
{
    hint->setObjectName(QStringLiteral("hint"));
    // The hint line is a widget of its own so that the menus' status tips, which replace the
    // bar's temporary message, hide it only while a menu item is highlighted.
    addWidget(hint, 1);
    // The hint takes the room the panes leave: a long hint is cut rather than widen the
    // frame or squeeze the clock's panes.
    hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setSizeGripEnabled(true);
}

void StatusBar::SetText(const char* text)
{
    hint->setText(QString::fromLatin1(text));
}

std::string StatusBar::HintText() const
{
    return hint->text().toStdString();
}

// ---- frame ----

DecFrame::DecFrame(VelmoriaWnd* c) : QMainWindow(nullptr), client(c ? c : new VelmoriaWnd)
{
    setWindowTitle(QStringLiteral("Velmoria"));
    setCentralWidget(client);
    // The window tells the frame what to show; the frame asks the window about commands and
    // passes them on.
    connect(client, &VelmoriaWnd::FrameChanged, this,
            [this](const QString& caption, int menu)
            {
                setWindowTitle(caption);
                AssignMenu(menu);
            });
    connect(client, &VelmoriaWnd::SubjectChanged, this, &DecFrame::SetupSpeedBar);
    connect(client, &VelmoriaWnd::PaneTextChanged, this,
            [this](model::Pane pane, const QString& text)
            {
                if (TextGadget* gadget = PaneGadget(pane))
                    gadget->setText(text);
            });
    connect(client, &VelmoriaWnd::CommandChecked, this, &DecFrame::CheckCommand);
    connect(client, &VelmoriaWnd::ExitRequested, this, &QWidget::close);
    CreateStatusBar();
    CreateAccelerators();
    auto* idle = new QTimer(this);
    connect(idle, &QTimer::timeout, this, &DecFrame::UpdateEnabling);
    idle->start(kEnablePeriodMs);
}

DecFrame::~DecFrame()
{
    platform::SetHintSink({});
}

void DecFrame::CreateStatusBar()
{
    sb = new StatusBar(this);
    setStatusBar(sb);
    sbCoord = new TextGadget(2, 9);
    sbMode = new TextGadget(2, 12);
    // The clock's panes always show their whole text: "   hh:mm:ss", "   dd/mm/yyyy".
    sbTime = new TextGadget(1, QString::fromStdString(TimePaneText(88, 88, 88)));
    sbDate = new TextGadget(0, QString::fromStdString(DatePaneText(88, 88, 8888)));
    sbCoord->setObjectName(QStringLiteral("sbCoord"));
    sbMode->setObjectName(QStringLiteral("sbMode"));
    sbTime->setObjectName(QStringLiteral("sbTime"));
    sbDate->setObjectName(QStringLiteral("sbDate"));
    for (TextGadget* pane : {sbCoord, sbMode, sbTime, sbDate})
        sb->addPermanentWidget(pane);
    // Every window of the program writes its hints to this line.
    platform::SetHintSink([this](const char* text) { sb->SetText(text); });
}

TextGadget* DecFrame::PaneGadget(model::Pane pane) const
{
    switch (pane)
    {
    case model::Pane::Date:
        return sbDate;
    case model::Pane::Time:
        return sbTime;
    case model::Pane::Mode:
        return sbMode;
    case model::Pane::Coord:
        return sbCoord;
    }
    return nullptr;
}

void DecFrame::SetupWindow()
{
    resize(kRestoreWidth, kRestoreHeight);
}

void DecFrame::closeEvent(QCloseEvent* event)
{
    // Closing the frame ends the program like Exit on the main screen. Whatever may show a
    // message happens now, while the frame and its timers are whole.
    client->ShutDown();
    event->accept();
}

void DecFrame::SetCaption(const char* caption)
{
    setWindowTitle(QString::fromLatin1(caption));
}

void DecFrame::CreateAccelerators()
{
    for (const Accelerator& a : AcceleratorTable())
    {
        auto* shortcut = new QShortcut(QKeySequence(a.key | a.modifiers), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = a.command;
        connect(shortcut, &QShortcut::activated, this,
                [this, id]
                {
                    // An accelerator of a disabled command does nothing, as its menu item would.
                    if (client->ButtonEnabler(id))
                        Command(id);
                });
        shortcuts.push_back(shortcut);
    }
}

void DecFrame::AssignMenu(int resId)
{
    menuId = resId;
    menuActions.clear();
    QMenuBar* bar = menuBar();
    // clear() only takes the menus' actions out of the bar: the menus themselves, with their
    // submenus and items, must go too. Later, since this runs inside an item's own handler.
    for (QAction* top : bar->actions())
        if (QMenu* menu = top->menu())
            menu->deleteLater();
    bar->clear();
    std::function<void(QMenu*, const std::vector<MenuItem>&)> fill =
        [&](QMenu* menu, const std::vector<MenuItem>& items)
    {
        for (const MenuItem& item : items)
        {
            if (!item.text)
            {
                menu->addSeparator();
                continue;
            }
            if (!item.children.empty())
            {
                QMenu* sub = menu->addMenu(QString::fromLatin1(item.text));
                fill(sub, item.children);
                continue;
            }
            QAction* action = menu->addAction(MenuText(item));
            action->setObjectName(QString::number(item.id));
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
            if (const char* hint = HintString(item.id))
                action->setStatusTip(QString::fromLatin1(hint));
            const int id = item.id;
            // The check mark is the program's to set: undo the toggle Qt makes on a click.
            connect(action, &QAction::triggered, this,
                    [this, action, id](bool)
                    {
                        const bool before = !action->isChecked();
                        if (action->isCheckable())
                            action->setChecked(before);
                        Command(id);
                    });
            menuActions[id] = action;
        }
    };
    for (const MenuItem& top : MenuResource(resId))
    {
        QMenu* menu = bar->addMenu(QString::fromLatin1(top.text));
        connect(menu, &QMenu::aboutToShow, this, &DecFrame::UpdateEnabling);
        fill(menu, top.children);
    }
    UpdateEnabling();
}

QAction* DecFrame::MenuAction(int id) const
{
    const auto it = menuActions.find(id);
    return it == menuActions.end() ? nullptr : it->second;
}

std::vector<QAction*> DecFrame::ToolbarActions() const
{
    std::vector<QAction*> result;
    if (cb)
        for (QAction* a : cb->actions())
            result.push_back(a);
    return result;
}

void DecFrame::CheckCommand(int id, bool checked)
{
    if (QAction* a = MenuAction(id))
        a->setChecked(checked);
}

void DecFrame::FillToolbar(QToolBar* bar, model::Mode subject)
{
    for (const ToolbarGadget& g : ToolbarGadgets(static_cast<int>(subject)))
    {
        if (g.command == 0)
        {
            bar->addSeparator();
            continue;
        }
        const QImage picture = platform::LoadBitmapResource(g.bitmap);
        QAction* action = bar->addAction(QIcon(QPixmap::fromImage(picture)), QString());
        action->setObjectName(QString::number(g.command));
        if (const char* hint = HintString(g.command))
        {
            action->setStatusTip(QString::fromLatin1(hint));
            action->setToolTip(QString::fromLatin1(hint));
        }
        const int id = g.command;
        connect(action, &QAction::triggered, this, [this, id] { Command(id); });
    }
}

void DecFrame::Command(int id)
{
    if (id == cmd::kShowToolbar)
        SetupSpeedBar();
    else
        client->DispatchCommand(id);
    UpdateEnabling();
}

void DecFrame::UpdateEnabling()
{
    for (const auto& [id, action] : menuActions)
        action->setEnabled(client->ButtonEnabler(id));
    for (QAction* action : ToolbarActions())
        if (!action->isSeparator())
            action->setEnabled(client->ButtonEnabler(action->objectName().toInt()));
}

// ---- toolbar ----

void DecFrame::SetupSpeedBar()
{
    if (!cb)
    {
        cb = new QToolBar(this);
        cb->setObjectName(QStringLiteral("cb"));
        StyleToolbar(cb);
    }
    else
    {
        removeToolBar(cb);
        const int count = static_cast<int>(ToolbarGadgets(static_cast<int>(toolbarSubject)).size());
        for (int i = 0; i < count && !cb->actions().isEmpty(); ++i)
        {
            QAction* first = cb->actions().first();
            cb->removeAction(first);
            if (first->parent() == cb || first->parent() == this)
                first->deleteLater();
        }
    }
    toolbarSubject = client->Subject;
    cb->setWindowTitle(QString::fromLatin1(ToolbarCaption(static_cast<int>(toolbarSubject))));
    FillToolbar(cb, toolbarSubject);
    addToolBar(Qt::TopToolBarArea, cb);
    cb->show();
}

// ---- application ----

VelmoriaApp::VelmoriaApp() = default;

VelmoriaApp::~VelmoriaApp()
{
    delete frame;
}

void VelmoriaApp::InitMainWindow(bool show)
{
    frame = new DecFrame;
    frame->setWindowIcon(platform::LoadIconResource(101));
    frame->SetupWindow();
    frame->Client()->SetupWindow();
    frame->Client()->RestoreMain();
    frame->KeepMinimumSize();
    if (show)
    {
        // The restore size stands in the middle of the screen; the window manager maximizes
        // the frame and gives it back that size when the user restores it.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
        {
            const QRect area = screen->availableGeometry();
            frame->move(area.center() - QPoint(frame->width() / 2, frame->height() / 2));
        }
        frame->showMaximized();
        QTimer::singleShot(kMaximizeGraceMs, frame, &DecFrame::FillScreenUnlessMaximized);
    }
}

void DecFrame::FillScreenUnlessMaximized()
{
    // Without a window manager the maximized state is only a wish, and the frame still has
    // its restore size: fill the screen with it then.
    if (!isMaximized() || size() != QSize(kRestoreWidth, kRestoreHeight))
        return;
    if (const QScreen* s = screen())
        setGeometry(s->availableGeometry());
}

void DecFrame::KeepMinimumSize()
{
    // Every subject's toolbar whole, without its extension button, in a scratch toolbar of
    // the same look (in the frame, where it has its handle).
    QSize bars;
    for (model::Mode subject :
         {model::Mode::Main, model::Mode::SolarSystem, model::Mode::StarMap, model::Mode::DataBase})
    {
        QToolBar bar(this);
        StyleToolbar(&bar);
        FillToolbar(&bar, subject);
        bars = bars.expandedTo(bar.sizeHint());
    }
    const int width = std::max(bars.width(), sb->minimumSizeHint().width());
    const int menus = std::max(menuBar()->heightForWidth(width), menuBar()->sizeHint().height());
    const int height =
        menus + bars.height() + sb->sizeHint().height() + StarMap::MinimumClientHeight();
    setMinimumSize(width, height);
}

int VelmoriaApp::Run()
{
    InitMainWindow();
    return QApplication::exec();
}
