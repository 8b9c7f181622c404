#include "app/VelmoriaApp.h"

#include "app/VelmoriaWnd.h"
#include "platform/Bitmaps.h"
#include "platform/Hint.h"
#include "platform/Sound.h"
#include "starmap/StarMapView.h"
#include "time/Calendar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

namespace
{
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

// Adds `buttons` to `bar`, a separator for each null.
void FillToolbar(QToolBar* bar, const model::ToolbarButtons& buttons)
{
    for (QAction* action : buttons)
    {
        if (action)
            bar->addAction(action);
        else
            bar->addSeparator();
    }
}

} // namespace

// ---- status bar ----

TextGadget::TextGadget(const QString& widest, QWidget* parent) : QLabel(parent)
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
    // The window tells the frame what to show.
    connect(client, &VelmoriaWnd::FrameChanged, this, &DecFrame::ShowViewFrame);
    connect(client, &VelmoriaWnd::PaneTextChanged, this,
            [this](model::Pane pane, const QString& text)
            {
                if (TextGadget* gadget = PaneGadget(pane))
                    gadget->setText(text);
            });
    connect(client, &VelmoriaWnd::ExitRequested, this, &QWidget::close);
    connect(client->Shared().showToolbar, &QAction::triggered, this, &DecFrame::SetupSpeedBar);
    CreateStatusBar();
}

DecFrame::~DecFrame()
{
    platform::SetHintSink({});
}

void DecFrame::CreateStatusBar()
{
    sb = new StatusBar(this);
    setStatusBar(sb);
    // The clock's panes always show their whole text: "   hh:mm:ss", "   dd/mm/yyyy".
    const struct
    {
        const char* name;
        QString widest;
    } kPanes[] = {{"sbDate", QString::fromStdString(DatePaneText(88, 88, 8888))},
                  {"sbTime", QString::fromStdString(TimePaneText(88, 88, 88))},
                  {"sbMode", QString(12, QLatin1Char('0'))},
                  {"sbCoord", QString(9, QLatin1Char('0'))}};
    for (size_t k = 0; k < panes.size(); ++k)
    {
        panes[k] = new TextGadget(kPanes[k].widest);
        panes[k]->setObjectName(QString::fromLatin1(kPanes[k].name));
    }
    // Left to right: the coordinates first, the date at the bar's end.
    for (auto pane = panes.rbegin(); pane != panes.rend(); ++pane)
        sb->addPermanentWidget(*pane);
    // Every window of the program writes its hints to this line.
    platform::SetHintSink([this](const char* text) { sb->SetText(text); });
}

TextGadget* DecFrame::PaneGadget(model::Pane pane) const
{
    const auto k = static_cast<size_t>(pane);
    return k < panes.size() ? panes[k] : nullptr;
}

void DecFrame::closeEvent(QCloseEvent* event)
{
    // Closing the frame ends the program like Exit on the main screen. Whatever may show a
    // message happens now, while the frame and its timers are whole.
    client->ShutDown();
    event->accept();
}

namespace
{
// Fills `menu` with `entries`, and gathers every action in `all`.
void FillMenu(QMenu* menu, const std::vector<model::MenuEntry>& entries, QList<QAction*>& all)
{
    for (const model::MenuEntry& entry : entries)
    {
        if (entry.action)
        {
            menu->addAction(entry.action);
            all.append(entry.action);
        }
        else if (!entry.submenu.isEmpty())
            FillMenu(menu->addMenu(entry.submenu), entry.entries, all);
        else
            menu->addSeparator();
    }
}
} // namespace

void DecFrame::ShowViewFrame()
{
    model::View* view = client->CurrentView();
    if (!view)
        return;
    setWindowTitle(view->Caption());
    QMenuBar* bar = menuBar();
    // clear() only takes the menus' actions out of the bar: the menus themselves, with their
    // submenus, must go too. Later, since this may run inside an item's own handler.
    for (QAction* top : bar->actions())
        if (QMenu* menu = top->menu())
            menu->deleteLater();
    bar->clear();
    for (QAction* a : keyed)
        removeAction(a);
    keyed.clear();
    for (const model::MenuPopup& popup : view->Menus(client->Shared()))
        FillMenu(bar->addMenu(popup.title), popup.entries, keyed);
    // The keys of the view's commands work also while the toolbar is closed.
    addActions(keyed);
    SetupSpeedBar();
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
        removeToolBar(cb);
    // The separators are the toolbar's own; the commands belong to the views.
    const QList<QAction*> old = cb->actions();
    cb->clear();
    for (QAction* a : old)
        if (a->parent() == cb)
            a->deleteLater();
    if (model::View* view = client->CurrentView())
    {
        cb->setWindowTitle(view->ToolbarCaption());
        FillToolbar(cb, view->Toolbar(client->Shared()));
    }
    addToolBar(Qt::TopToolBarArea, cb);
    cb->show();
}

// ---- application ----

void VelmoriaApp::InitMainWindow(bool show)
{
    frame = std::make_unique<DecFrame>();
    frame->setWindowIcon(platform::LoadIconResource(101));
    frame->resize(kRestoreWidth, kRestoreHeight);
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
        QTimer::singleShot(kMaximizeGraceMs, frame.get(), &DecFrame::FillScreenUnlessMaximized);
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
    // Every view's toolbar whole, without its extension button, in a scratch toolbar of the
    // same look (in the frame, where it has its handle).
    QSize bars;
    for (model::View* view : client->Views())
    {
        QToolBar bar(this);
        StyleToolbar(&bar);
        FillToolbar(&bar, view->Toolbar(client->Shared()));
        bars = bars.expandedTo(bar.sizeHint());
    }
    const int width = std::max(bars.width(), sb->minimumSizeHint().width());
    const int menus = std::max(menuBar()->heightForWidth(width), menuBar()->sizeHint().height());
    const int height =
        menus + bars.height() + sb->sizeHint().height() + StarMapView::MinimumClientHeight();
    setMinimumSize(width, height);
}

int VelmoriaApp::Run()
{
    InitMainWindow();
    return QApplication::exec();
}
