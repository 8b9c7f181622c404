// The Solar System setup dialog: which bodies the model shows, orbits and trails. It edits
// the 13 flags of the window's configuration in place, only when closed with OK.
#pragma once

#include "model/Config.h"
#include "platform/Dialog.h"

#include <QCheckBox>

class SSSetupDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // `values`: the 13 flags (Sun, Mercury..Pluto, comets, orbits, trails); `helio`: the Sun is
    // at the centre of the model (orbits can be chosen only then); `names`: the names layer
    // the Star Map shares, or null for no such box.
    SSSetupDlg(QWidget* parent, bool8* values, bool8 helio, bool8* names = nullptr, int resId = 12);

    // Checks every box from its flag; "Show orbits" only when orbits are on and the view is
    // heliocentric, and it is enabled only in the heliocentric view.
    void SetupWindow() override;
    // Writes every box into its flag; the orbits flag only in the heliocentric view.
    void StoreValues();
    void CmOk();
    void CmHelp();

    bool8* Values;
    bool8 Helio;
    bool8* Names;
    QCheckBox* chbSun;
    QCheckBox* chbMercury;
    QCheckBox* chbVenus;
    QCheckBox* chbEarth;
    QCheckBox* chbMars;
    QCheckBox* chbJupiter;
    QCheckBox* chbSaturn;
    QCheckBox* chbUranus;
    QCheckBox* chbNeptune;
    QCheckBox* chbPluto;
    QCheckBox* chbComets;
    QCheckBox* chbSwOrbits;
    QCheckBox* chbSwTrails;
    QCheckBox* chbNames;

private:
    // The boxes in flag order.
    QCheckBox* Box(int index) const;
};
