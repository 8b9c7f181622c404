// A view of the main window (the main screen, the Solar System, the Star Map, the database):
// a widget that shows its whole picture, owns its commands as actions and says what the frame
// around it shows (caption, menus, toolbar, music, hint). The window composes the views; a view
// reaches the window only through its signals.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <vector>

namespace model
{
// The subject the window shows.
enum class Mode : uint8_t
{
    None,
    Main,
    SolarSystem,
    StarMap,
    DataBase,
    Almanac
};

// The text panes of the status bar, right of the hint line.
enum class Pane
{
    Date,
    Time,
    Mode,
    Coord
};

// One command as the user meets it: its name (the action's object name), the menu text with its
// access key, its shortcuts (the first is shown in the menu), the hint shown in the status bar
// and as the toolbar button's tip, the toolbar picture (a bitmap resource id; 0 for none), and
// whether it carries a check mark that the program sets.
struct Command
{
    const char* name;
    const char* text;
    std::initializer_list<QKeySequence> keys = {};
    const char* hint = nullptr;
    int picture = 0;
    bool checkable = false;
};

// A new action of `owner` for `command`. A checkable action keeps the check mark the program
// gives it: a click does not toggle it by itself.
QAction* MakeAction(QObject* owner, const Command& command);

// The picture commands of an animated view, in its first menu: Save Picture (Ctrl+S), Copy
// Picture (Ctrl+C) and Print (Ctrl+P). `picture` gives what the view shows, `title` the printed
// title line, `fileName` the default file's name.
struct PictureActions
{
    QAction* save;
    QAction* copy;
    QAction* print;
};
PictureActions MakePictureActions(QWidget* view, std::function<QImage()> picture,
                                  std::function<QString()> title,
                                  std::function<QString()> fileName);

// One entry of a menu: an action, a submenu (a title and its entries), or a separator (neither).
struct MenuEntry
{
    QAction* action = nullptr;
    QString submenu{};
    std::vector<MenuEntry> entries{};
};
inline MenuEntry Separator()
{
    return {};
}
// A popup of the menu bar: its title with its access key, and its entries.
struct MenuPopup
{
    QString title;
    std::vector<MenuEntry> entries{};
};
using MenuBar = std::vector<MenuPopup>;

// The toolbar's buttons left to right; null for a separator.
using ToolbarButtons = std::vector<QAction*>;

// The commands that every view shows but the window carries out.
struct SharedActions
{
    QAction* ret;          // back to the main screen
    QAction* timeUpdate;   // the clock's dialog
    QAction* normal;       // normal conditions
    QAction* showToolbar;  // the toolbar back at the top
    QAction* sound;        // music on or off
    QAction* helpContents; // help's contents and index
    QAction* usingHelp;    // help on using help
    QAction* about;        // the About box
    QAction* almanac;      // the Almanac, from the Setup menus of the main screen and both views
};

class View : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The frame's caption, the music that loops and the hint while the view is on screen.
    virtual QString Caption() const = 0;
    virtual const char* Music() const = 0;
    virtual const char* Hint() const = 0;
    // The menu bar and the toolbar of the view, with the window's shared commands where they
    // belong.
    virtual MenuBar Menus(const SharedActions& shared) = 0;
    virtual ToolbarButtons Toolbar(const SharedActions& shared) = 0;
    virtual QString ToolbarCaption() const = 0;

    // The view comes on screen: it reads what it needs; false, after telling the user, when it
    // cannot be shown.
    virtual bool Enter() { return true; }
    // The view leaves the screen: stopped, its resources released.
    virtual void Leave() {}
    // The enabled state and check marks of the view's commands follow its state; called where
    // that state changes.
    virtual void UpdateActions() {}
    // The help topic that F1 opens on this view; 0 for the contents.
    virtual unsigned long HelpTopic() const { return 0; }
    // The view's command of object name `name`, or null.
    QAction* Action(const char* name) const;

signals:
    // A pane of the status bar shows `text`.
    void PaneChanged(model::Pane pane, const QString& text);
    // The view cannot go on (its data cannot be read): the main screen comes back.
    void LeaveRequested();
    // The user stored new options: the configuration is written.
    void ConfigChanged();
};
} // namespace model
