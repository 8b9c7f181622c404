// Modal dialogs built from the program's dialog layouts. Controls carry their numeric id as
// their object name, so that code and tests find them by id. Execute() goes through a hook
// that tests install to answer a dialog instead of showing it.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRect>
#include <functional>

class QHBoxLayout;

namespace platform
{
class Dialog : public QDialog
{
    Q_OBJECT
public:
    Dialog(QWidget* parent, int resId);

    // Sets the dialog up and runs it modally; returns the id of the button that closed it
    // (QDialog::Accepted, QDialog::Rejected) or what the test hook returned. A dialog that closes
    // itself while it is set up is never shown: Execute returns at once with the result it closed
    // with. Every dialog is a fixed-size tool window (no minimize or maximize button) that opens
    // over the window it belongs to, or where its SetupWindow moved it, and wholly on the
    // screen, title bar included.
    int Execute();

    // Called by Execute before the dialog is shown: fill the controls.
    virtual void SetupWindow() {}

    // Closes the dialog with `result`.
    void CloseWindow(int result)
    {
        closed = true;
        closedWith = result;
        done(result);
    }

    int ResId() const { return resId; }

    // The control with the numeric id, or null.
    QWidget* Control(int id) const;
    template <class T> T* ControlAs(int id) const { return qobject_cast<T*>(Control(id)); }
    // Gives `w` the id `id`.
    static void SetId(QWidget* w, int id);

    // The OK, Cancel and Help buttons in a button box: OK is the default button and calls
    // `ok`, Cancel closes the dialog rejected, Help calls `help`.
    struct OkCancelHelp
    {
        QDialogButtonBox* box;
        QPushButton* ok;
        QPushButton* cancel;
        QPushButton* help;
        // The box as a new layout row.
        QHBoxLayout* Row() const;
    };
    OkCancelHelp MakeOkCancelHelp(std::function<void()> ok, std::function<void()> help);

    // Dialog units to pixels, from the average character width and height of the font.
    QRect Dlu(int x, int y, int w, int h) const;

    // With a hook installed, Execute calls SetupWindow and then the hook instead of showing the
    // dialog; the hook's return value is Execute's result.
    using ExecuteHook = std::function<int(Dialog&)>;
    static ExecuteHook SetExecuteHook(ExecuteHook hook);

private:
    void FixSizeAndPlace();

    int resId;
    bool closed = false;
    int closedWith = 0;
};
} // namespace platform
