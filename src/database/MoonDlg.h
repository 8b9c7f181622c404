// The Moon card: orbital data, physical data, and the inner structure as a table beside its
// picture, with the buttons that open the Moon's video and picture. Opened by the Object
// menu and by the Earth's planet card.
#pragma once

#include "database/CardWidgets.h"
#include "database/DataBaseRecords.h"
#include "platform/Dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <array>

class MoonDlg : public platform::Dialog
{
    Q_OBJECT
public:
    static constexpr int kOrbital = 0;
    static constexpr int kPhysical = 1;
    static constexpr int kStructure = 2;

    MoonDlg(QWidget* parent, MoonDB* moon, int resId = 22);

    // Tabs, values, the structure table and picture; opens on the orbital page.
    void SetupWindow() override;
    void TabSelChange();
    void CmOk();
    // Help on the selected page: 9012 + tab index.
    void CmHelp();
    // The body's film in the video window.
    void BtnVideo();
    // The body's picture in the picture viewer.
    void BtnView();
    void ShowOrbital(bool show);
    void ShowPhysical(bool show);
    void ShowStructure(bool show);
    // Loads "Bitmap\Struct\MoonStr.bmp".
    void ChangePicture();

    int SelectedTab() const { return MoonData->currentIndex(); }
    const database::StructurePicture& Picture() const { return picture; }

    MoonDB* Moon;
    QTabWidget* MoonData;
    std::array<QFrame*, 2> Separator{};
    database::PictureFrame* frame;
    std::array<QLabel*, 11> OrbitalLabels{};
    QLabel *DistP, *DistA, *Eccent, *InclOrb, *InclEqu, *Albedo, *RevSid, *RevSin, *VisMagn, *Diam,
        *Vel;
    std::array<QLabel*, 7> PhysicalLabels{};
    QLabel *SidRot, *Radius, *Mass, *Dens, *Temp, *Grav, *EscVel;
    database::StructureTableBox* structure;
    QPushButton *btnVideo, *btnView;

private:
    database::StructurePicture picture;
};
