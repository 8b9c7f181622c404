// The planet card: one planet's record on four pages (orbital data, physical data with the
// satellite and ring lists, atmospheric composition with its bar chart, inner structure with
// its table and picture), and the buttons that open the planet's video and picture, and the
// cards of its satellites, rings or, for the Earth, the Moon. The card keeps its own copy of the
// records; every value is formatted once when it is set up.
#pragma once

#include "database/CardWidgets.h"
#include "database/DataBase.h"
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

    // Help on the selected page: 9007 + tab index.
    void CmHelp();
    // The Moon card (the Earth) or the selected satellite's card.
    void ShowSatelliteData();
    // The selected ring's card.
    void ShowRingData();

    // The tab that is selected.
    int SelectedTab() const { return PlanetData->currentIndex(); }
    const database::StructurePicture& Picture() const { return picture; }

    std::string Name; // the planet's video; empty when it has none

    QTabWidget* PlanetData;
    QListWidget* lbSat;
    QListWidget* lbRings;
    QPushButton *btnView, *btnVideo, *btnRing, *btnSatellite;

private:
    QWidget* BuildOrbital();
    QWidget* BuildPhysical();
    QWidget* BuildAtmosphere();
    QWidget* BuildStructure();
    // The satellites' and rings' lists, the atmosphere page, one size for every page.
    void FillLists();
    void FillAtmosphere();
    void KeepOneSize();
    // Enables Video, View, the two lists and the Satellite Data and Ring Data buttons.
    void ButtonEnabler();
    // The body's film in the video window, its picture in the picture viewer.
    void BtnVideo();
    void BtnView();
    // Whether the planet number is one of the nine, which have a picture and a structure
    // picture of their own.
    bool KnownPlanet() const;

    // How many satellites and rings the lists hold.
    int ListedSatellites() const;
    int ListedRings() const;

    // Draws the atmosphere chart and the legend squares on the atmosphere page.
    void DrawGist(QPainter& p) const;

    database::PlanetData data;
    database::StructurePicture picture;
    int elements = 0; // atmospheric constituents shown
    std::array<QLabel*, 13> orbitalValues{};
    std::array<QLabel*, 12> physicalCaptions{}, physicalValues{};
    QWidget* atmospherePage = nullptr;
    QWidget* gframe;
    QGroupBox* pressureBox;
    QLabel *NoAtm, *Pressure, *Other;
    std::array<QLabel*, 9> Element{}, Ratio{};
    database::StructureTableBox* structure;
};
