// The application object and the decorated main frame with its menus, toolbar and status bar.
#pragma once

#include "model/View.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <array>
#include <memory>
#include <string>

class QAction;
class QToolBar;
class VelmoriaWnd;

// A text pane of the status bar.
class TextGadget : public QLabel
{
    Q_OBJECT
public:
    // A pane wide enough for the text `widest`.
    explicit TextGadget(const QString& widest, QWidget* parent = nullptr);
    std::string Text() const { return text().toStdString(); }
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

// The main frame: the menu bar, the toolbar and the status bar of the view on screen around
// the client window.
class DecFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit DecFrame(VelmoriaWnd* client = nullptr);
    ~DecFrame() override;
    // Fills the screen with the frame when it was shown maximized and nothing carried that
    // out (no window manager): it still has its restore size.
    void FillScreenUnlessMaximized();
    // Makes the frame's minimum size the smallest at which every view's toolbar shows all its
    // buttons, the status bar's panes their whole texts, and the Star Map's globe its compass
    // points, in the fonts of this machine.
    void KeepMinimumSize();

    VelmoriaWnd* Client() const { return client; }
    // The caption, menu bar and toolbar of the view on screen; its commands' keys work
    // whether their menu or toolbar is shown or not.
    void ShowViewFrame();
    // Rebuilds the toolbar for the view on screen and docks it at the top (Show Toolbar brings
    // a closed toolbar back the same way).
    void SetupSpeedBar();
    QToolBar* Toolbar() const { return cb; }

    // The status bar: the hint line and the four text panes.
    StatusBar* Status() const { return sb; }
    TextGadget* PaneGadget(model::Pane pane) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateStatusBar();

    VelmoriaWnd* client;
    // The actions whose keys the frame holds for the view on screen.
    QList<QAction*> keyed;
    StatusBar* sb = nullptr;
    // The panes by model::Pane: date, time, mode, coordinates.
    std::array<TextGadget*, 4> panes{};
    QToolBar* cb = nullptr;
};

// The application object: builds the main window.
class VelmoriaApp
{
public:
    // Builds the frame, status bar, toolbar and client window and makes the main screen
    // current. `show` false leaves the frame hidden (tests).
    void InitMainWindow(bool show = true);
    // Runs the message loop until the main window closes.
    int Run();
    DecFrame* Frame() const { return frame.get(); }

private:
    std::unique_ptr<DecFrame> frame;
};
