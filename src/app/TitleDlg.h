// The title screen: a borderless picture dialog with music and the buttons "Continue", "Exit"
// and "Info".
#pragma once

#include "platform/Bitmaps.h"
#include "platform/Dialog.h"

#include <memory>

class TitleDlg : public platform::Dialog
{
    Q_OBJECT
public:
    explicit TitleDlg(QWidget* parent = nullptr, int resId = 31);
    ~TitleDlg() override;

    void SetupWindow() override;
    void CmOk();
    void CmHelp();
    // Loads "Bitmap\Title.bmp"; reports a missing file and shows no picture.
    void ChangePicture();
    // Continue was pressed: the program goes on to its main window.
    bool Continued() const { return continued; }

    std::unique_ptr<platform::Bitmap> Bitmap;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool continued = false;
};
