// The title screen: a borderless picture dialog with music and the buttons "Continue", "Exit"
// and "Info".
#pragma once

#include "platform/Bitmaps.h"
#include "platform/Dialog.h"

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
    bool UpdatePalette(bool alwaysRepaint);
    void EvPaletteChanged(QWidget* changer);
    bool EvQueryNewPalette();

    platform::Dib* Dib = nullptr;
    platform::Bitmap* Bitmap = nullptr;
    platform::Palette* Palette = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
