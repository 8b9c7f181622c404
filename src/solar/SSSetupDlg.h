// The Solar System setup dialog: which bodies the model shows, orbits, trails and names. It is
// given the options and, closed with OK, holds the ones the user chose.
#pragma once

#include "model/Config.h"
#include "platform/Dialog.h"

#include <QCheckBox>
#include <array>

// What the dialog edits: the 13 Solar System flags (Sun, Mercury..Pluto, comets, orbits,
// trails) and the names layer the Star Map shares.
struct SolarOptions
{
    std::array<bool8, 13> flags;
    bool8 names;

    bool operator==(const SolarOptions&) const = default;
};

class SSSetupDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // `helio`: the Sun is at the centre of the model (orbits can be chosen only then).
    SSSetupDlg(QWidget* parent, const SolarOptions& options, bool helio, int resId = 12);

    // Checks every box from its option; "Show orbits" only when orbits are on and the view is
    // heliocentric, and it is enabled only in the heliocentric view.
    void SetupWindow() override;
    // OK: the boxes become the result (the orbits flag only in the heliocentric view).
    void CmOk();
    void CmHelp();
    // The options as given, or as chosen once OK was pressed.
    const SolarOptions& Result() const { return options; }

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

    SolarOptions options;
    bool helio;
};
