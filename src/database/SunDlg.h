// The Sun card: physical data on one page, the chemical elements beside the structure
// picture on the other, and the buttons that open the Sun's video and picture.
#pragma once

#include "database/BodyCard.h"
#include "database/DataBaseRecords.h"

#include <QLabel>
#include <QTabWidget>
#include <array>

class SunDlg : public database::BodyCard
{
    Q_OBJECT
public:
    static constexpr int kPhysical = 0;
    static constexpr int kStructure = 1;

    SunDlg(QWidget* parent, const SunDB& sun, int resId = 21);

    // Tabs, values, the structure picture; opens on the physical page.
    void SetupWindow() override;
    void TabSelChange();
    void ShowPhysical(bool show);
    void ShowStructure(bool show);

    QTabWidget* SunData;
    QFrame* Separator;
    std::array<QLabel*, 10> PhysicalLabels{};
    QLabel *RotPer, *Mass, *Dens, *Radius, *Temp, *Magn, *EscVel, *Lum, *Spectr, *Age;
    QLabel* LElement;
    std::array<QLabel*, 11> Element{}, Ratio{};

private:
    SunDB Sun;
};
