// The satellite card and the ring card: one satellite's or one ring's record, formatted once,
// with Help and Close. The planet card opens them for the entry selected in its lists.
#pragma once

#include "database/DataBaseRecords.h"
#include "platform/Dialog.h"

#include <QLabel>

class SatelliteDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // `planetName`: the name of the satellite's planet (up to seven letters are kept).
    SatelliteDlg(QWidget* parent, const SatelliteDB& satellite, const char* planetName,
                 int resId = 17);

    // Caption and values from the record.
    void SetupWindow() override;

    QLabel *Discoverer, *DiscoveryYear, *LDistance, *Distance, *Eccent, *InclOrb, *SidRevol,
        *SidRot, *Albedo, *Magnit, *OrbVel, *Radius, *Mass, *Dens, *EscapeVel;
    // The inclination's caption: to the equator, or to the ecliptic for a distant satellite.
    QLabel* LInclOrb = nullptr;

private:
    SatelliteDB Satellite;
    char PlanetName[8]{};
};
