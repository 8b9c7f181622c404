// The object viewer (dialog 20): one picture of the fixed list at a time, stretched into the
// frame, with Previous and Next stepping through a range of the list.
#pragma once

#include "platform/Dialog.h"

#include <QImage>
#include <cstdint>

class QGroupBox;
class QPushButton;

class ViewDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // Shows pictures ViewStart..ViewEnd of the list; ViewEnd -1 shows ViewStart alone.
    ViewDlg(QWidget* parent, int ViewStart, int ViewEnd, int resId = 20);

    // Loads the first picture of the range.
    void SetupWindow() override;
    // Loads picture CurName and puts its name in the title. A missing or unreadable file is
    // reported and leaves the previous picture and title in place.
    void ChangePicture();

    // The buttons: Previous (3301), Next (3302) and Exit (3303).
    void CmPrevious();
    void CmNext();
    void CmExit();

    uint8_t CurName;  // index of the picture shown (or being loaded)
    uint8_t Max;      // last index of the range
    uint8_t Min;      // first index of the range
    QGroupBox* frame; // 3300: the picture is stretched into its rectangle

    // Size of the picture area in pixels: the pictures are made at exactly this size.
    static constexpr int kFrameWidth = 512;
    static constexpr int kFrameHeight = 384;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Offers Previous and Next only where the range goes on.
    void ButtonEnabler();

    QImage picture;

    QPushButton* previous;
    QPushButton* next;
};
