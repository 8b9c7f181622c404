// The Moon card: orbital data, physical data, and the inner structure as a table beside its
// picture, with the buttons that open the Moon's video and picture. Opened by the Object
// menu and by the Earth's planet card.
#pragma once

#include "database/BodyCard.h"
#include "database/DataBaseRecords.h"

#include <QLabel>
#include <QTabWidget>
#include <array>

class MoonDlg : public database::BodyCard
{
    Q_OBJECT
public:
    static constexpr int kOrbital = 0;
    static constexpr int kPhysical = 1;
    static constexpr int kStructure = 2;

    MoonDlg(QWidget* parent, const MoonDB& moon, int resId = 22);

    // Tabs, values, the structure table and picture; opens on the orbital page.
    void SetupWindow() override;
    void TabSelChange();
    void ShowOrbital(bool show);
    void ShowPhysical(bool show);
    void ShowStructure(bool show);

    QTabWidget* MoonData;
    std::array<QFrame*, 2> Separator{};
    std::array<QLabel*, 11> OrbitalLabels{};
    QLabel *DistP, *DistA, *Eccent, *InclOrb, *InclEqu, *Albedo, *RevSid, *RevSin, *VisMagn, *Diam,
        *Vel;
    std::array<QLabel*, 7> PhysicalLabels{};
    QLabel *SidRot, *Radius, *Mass, *Dens, *Temp, *Grav, *EscVel;
    database::StructureTableBox* structure;

private:
    MoonDB Moon;
};
