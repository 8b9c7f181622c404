// The planet card: one planet's record on four pages (orbital data, physical data with the
// satellite and ring lists, atmospheric composition with its bar chart, inner structure with
// its table and picture), and the buttons that open the planet's video and picture, and the
// cards of its satellites, rings or, for the Earth, the Moon. The card keeps its own copy of the
// records; every value is formatted once when it is set up.
#pragma once

#include "database/CardWidgets.h"
#include "database/Charts.h"
#include "database/DataBase.h"
#include "database/DataBaseRecords.h"
#include "platform/Dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <array>
#include <string>

class PlanetDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // Tab indices.
    static constexpr int kOrbital = 0;
    static constexpr int kPhysical = 1;
    static constexpr int kAtmosphere = 2;
    static constexpr int kStructure = 3;

    // `data`: the planet's record with its satellites and rings, or, for the Earth
    // (PlanetNumber 3), the Moon's record.
    PlanetDlg(QWidget* parent, const database::PlanetData& data, int resId = 16);

    // Tabs, caption, every page's values, the structure table and picture; opens on the
    // orbital page.
    void SetupWindow() override;

    // Shows the selected page and updates the buttons.
    void TabSelChange();
    void CmOk();
    // Help on the selected page: 9007 + tab index.
    void CmHelp();
    // The body's film in the video window.
    void BtnVideo();
    // The body's picture in the picture viewer.
    void BtnView();
    // The Moon card (the Earth) or the selected satellite's card.
    void ShowSatelliteData();
    // The selected ring's card.
    void ShowRingData();
    // Enables Video, the two lists and the Satellite Data and Ring Data buttons.
    void ButtonEnabler();

    void ShowOrbital(bool show);
    void ShowPhysical(bool show);
    void ShowAtmosphere(bool show);
    void ShowStructure(bool show);
    // Loads the structure picture PName[CurPName]; none for a planet number outside 1..9.
    void ChangePicture();

    // The atmosphere chart in the atmosphere page's coordinates.
    database::AtmosphereChart AtmosphereLayout() const;
    // Draws the chart and the legend squares on the atmosphere page.
    void DrawGist(QPainter& p) const;

    // The tab that is selected.
    int SelectedTab() const { return PlanetData->currentIndex(); }
    const database::StructurePicture& Picture() const { return picture; }

    std::array<std::string, 11> PName;
    uint8_t CurPName = 0;
    std::string Name; // the planet's video; empty when it has none
    uint8_t NElements = 0;

    QTabWidget* PlanetData;
    QFrame* Separator[2]{};
    database::PictureFrame* sframe;
    QWidget* gframe;
    std::array<QLabel*, 13> OrbitalLabels{};
    QLabel *AxisAU, *AxisKm, *Eccent, *InclOrb, *RevSid, *RevSin, *DailyMot, *Diam, *Albedo,
        *VisMagn, *Vel, *DistMin, *DistMax;
    std::array<QLabel*, 12> PhysicalLabels{};
    QLabel *RotSid, *RotSin, *InclEqu, *RadiusEqu, *RadiusPol, *Mass, *Dens, *Temp, *Grav, *EscVel,
        *Sat, *NRings;
    QListWidget* lbSat;
    QListWidget* lbRings;
    std::array<QGroupBox*, 2> AtmosphereBorders{};
    QLabel *NoAtm, *LPressure, *Pressure;
    std::array<QLabel*, 9> Element{}, Ratio{};
    QLabel *LOther, *Other;
    database::StructureTableBox* structure;
    QPushButton *btnView, *btnVideo, *btnRing, *btnSatellite, *btnHelp, *btnClose;

private:
    QWidget* BuildOrbital();
    QWidget* BuildPhysical();
    QWidget* BuildAtmosphere();
    QWidget* BuildStructure();
    // The satellites' and rings' lists, the atmosphere page, one size for every page.
    void FillLists();
    void FillAtmosphere();
    void KeepOneSize();

    // How many satellites and rings the lists hold.
    int ListedSatellites() const;
    int ListedRings() const;

    database::PlanetData data;
    QWidget* atmospherePage = nullptr;
    database::StructurePicture picture;
};
