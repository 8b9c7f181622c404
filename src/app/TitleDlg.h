// The title screen: a borderless picture dialog with music and the buttons "Continue", "Exit"
// and "Info".
#pragma once

#include "platform/Dialog.h"

#include <QImage>

class TitleDlg : public platform::Dialog
{
    Q_OBJECT
public:
    explicit TitleDlg(QWidget* parent = nullptr, int resId = 31);
    // Stops the title's music.
    ~TitleDlg() override;

    void SetupWindow() override;
    void CmOk();
    void CmHelp();
    // Loads "Bitmap\Title.bmp"; reports a missing file and shows no picture.
    void ChangePicture();
    bool HasPicture() const { return !picture.isNull(); }
    // Continue was pressed: the program goes on to its main window.
    bool Continued() const { return continued; }

protected:
    // Black, and the picture as large as the dialog allows, its shape kept, in the middle. The
    // music starts once this first frame is on the screen, so that the picture never waits for
    // the sound to be set up.
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture;
    bool continued = false;
    bool musicAsked = false;
};
