// The application object, the decorated main frame with its menus, toolbar and status bar,
// and the module-level state of the shell shared by the views.
#pragma once

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
    TextGadget(int id, int numChars, QWidget* parent = nullptr);
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

    VelmoriaWnd* Client() const { return client; }
    // Installs menu resource `resId` as the frame's menu bar.
    void AssignMenu(int resId);
    int MenuId() const { return menuId; }
    void SetCaption(const char* caption);
    // The command of `id`: Show Toolbar goes to the application, the rest to the window.
    void Command(int id);
    // Asks the window's enabler about every command shown in the menus and on the toolbar.
    void UpdateEnabling();

    // The actions of the current menu bar and toolbar by command id.
    QAction* MenuAction(int id) const;
    std::vector<QAction*> ToolbarActions() const;
    // Rebuilds the toolbar's buttons for `subject`.
    void FillToolbar(QToolBar* bar, int subject);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateAccelerators();

    VelmoriaWnd* client;
    int menuId = 0;
    std::map<int, QAction*> menuActions;
    std::vector<QShortcut*> shortcuts;
};

// The application object: builds the main window and handles Show Toolbar.
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
    static void CmShowToolbar();
};

// Module-level state of the shell.
extern uint8_t Subject;          // 1 main screen, 2 Solar System, 3 Star Map, 4 database
extern uint8_t PreviousSubject;  // the mode before the last change
extern bool Sound;               // background sound on
extern bool Continue;            // the title screen's Continue was pressed
extern DecFrame* frame;
extern StatusBar* sb;
extern TextGadget* sbDate;
extern TextGadget* sbTime;
extern TextGadget* sbMode;
extern TextGadget* sbCoord;
extern QToolBar* cb;

// Menu check marks on the frame's current menu.
using MenuHandle = DecFrame*;
constexpr unsigned MF_CHECKED = 8;
extern MenuHandle hmenu;
MenuHandle GetMenu();
void CheckMenuItem(MenuHandle menu, int id, bool checked);
unsigned GetMenuState(MenuHandle menu, int id);

// Rebuilds the toolbar for the current mode and docks it at the top.
void SetupSpeedBar();
// Makes the main screen current: mode 1, its toolbar, caption, menu, music and hint.
void RestoreMain();

// Sound of a mode (1..4).
const char* ModeSound(int subject);
