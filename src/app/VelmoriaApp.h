// The application object and the decorated main frame with its menus, toolbar and status bar.
#pragma once

#include "model/ViewHost.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <cstdint>
#include <map>
#include <vector>

class QAction;
class QToolBar;
class QShortcut;
class VelmoriaWnd;

// A text pane of the status bar.
class TextGadget : public QLabel
{
    Q_OBJECT
public:
    // A pane at least `numChars` digits wide, or wide enough for the text `widest`.
    TextGadget(int id, int numChars, QWidget* parent = nullptr);
    TextGadget(int id, const QString& widest, QWidget* parent = nullptr);
    void SetText(const char* text) { setText(QString::fromLatin1(text)); }
    std::string Text() const { return text().toStdString(); }
    int Id() const { return id; }

private:
    int id;
};

// The status bar: the hint line, then the four text panes.
class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);
    // Writes the hint line.
    void SetText(const char* text);
    std::string HintText() const;

private:
    QLabel* hint;
};

// The main frame: menus, toolbar, status bar and the client window.
class DecFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit DecFrame(VelmoriaWnd* client = nullptr);
    ~DecFrame() override;
    void SetupWindow();
    // Fills the screen with the frame when it was shown maximized and nothing carried that
    // out (no window manager): it still has its restore size.
    void FillScreenUnlessMaximized();
    // Makes the frame's minimum size the smallest at which every subject's toolbar shows all
    // its buttons, the status bar's panes their whole texts, and the Star Map's globe its
    // compass points, in the fonts of this machine.
    void KeepMinimumSize();

    VelmoriaWnd* Client() const { return client; }
    // Installs menu resource `resId` as the frame's menu bar.
    void AssignMenu(int resId);
    int MenuId() const { return menuId; }
    void SetCaption(const char* caption);
    // The command of `id`: Show Toolbar goes to the frame, the rest to the window.
    void Command(int id);
    // Asks the window's enabler about every command shown in the menus and on the toolbar.
    void UpdateEnabling();
    // The check mark of menu command `id`; nothing when the menu has no such item.
    void CheckCommand(int id, bool checked);

    // The actions of the current menu bar and toolbar by command id.
    QAction* MenuAction(int id) const;
    std::vector<QAction*> ToolbarActions() const;
    // Rebuilds the toolbar for the window's current subject and docks it at the top (Show
    // Toolbar brings a closed toolbar back the same way).
    void SetupSpeedBar();
    QToolBar* Toolbar() const { return cb; }

    // The status bar: the hint line and the four text panes.
    StatusBar* Status() const { return sb; }
    TextGadget* PaneGadget(model::Pane pane) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateAccelerators();
    void CreateStatusBar();
    // Adds the buttons of `subject`'s toolbar to `bar`.
    void FillToolbar(QToolBar* bar, model::Mode subject);

    VelmoriaWnd* client;
    int menuId = 0;
    std::map<int, QAction*> menuActions;
    std::vector<QShortcut*> shortcuts;
    StatusBar* sb = nullptr;
    TextGadget* sbDate = nullptr;
    TextGadget* sbTime = nullptr;
    TextGadget* sbMode = nullptr;
    TextGadget* sbCoord = nullptr;
    QToolBar* cb = nullptr;
    // The subject whose buttons the toolbar holds.
    model::Mode toolbarSubject = model::Mode::None;
};

// The application object: builds the main window.
class VelmoriaApp
{
public:
    VelmoriaApp();
    ~VelmoriaApp();
    // Builds the frame, status bar, toolbar and client window and makes the main screen
    // current. `show` false leaves the frame hidden (tests).
    void InitMainWindow(bool show = true);
    // Runs the message loop until the main window closes.
    int Run();
    DecFrame* Frame() const { return frame; }

private:
    DecFrame* frame = nullptr;
};
