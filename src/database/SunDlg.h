// The Sun card: physical data on one page, the chemical elements beside the structure
// picture on the other, and the buttons that open the Sun's video and picture.
#pragma once

#include "database/CardWidgets.h"
#include "database/DataBaseRecords.h"
#include "platform/Dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <array>

class SunDlg : public platform::Dialog
{
    Q_OBJECT
public:
    static constexpr int kPhysical = 0;
    static constexpr int kStructure = 1;

    SunDlg(QWidget* parent, SunDB* sun, int resId = 21);

    // Tabs, values, the structure picture; opens on the physical page.
    void SetupWindow() override;
    void TabSelChange();
    void CmOk();
    // Help on the selected page: 9005 + tab index.
    void CmHelp();
    // The body's film in the video window.
    void BtnVideo();
    // The body's picture in the picture viewer.
    void BtnView();
    void ShowPhysical(bool show);
    void ShowStructure(bool show);
    // Loads "Bitmap\Struct\SunStr.bmp".
    void ChangePicture();

    int SelectedTab() const { return SunData->currentIndex(); }
    const database::StructurePicture& Picture() const { return picture; }

    SunDB* Sun;
    QTabWidget* SunData;
    QFrame* Separator;
    database::PictureFrame* frame;
    std::array<QLabel*, 10> PhysicalLabels{};
    QLabel *RotPer, *Mass, *Dens, *Radius, *Temp, *Magn, *EscVel, *Lum, *Spectr, *Age;
    QLabel* LElement;
    std::array<QLabel*, 11> Element{}, Ratio{};
    QPushButton *btnVideo, *btnView;

private:
    database::StructurePicture picture;
};
