// The satellite card and the ring card: one satellite's or one ring's record, formatted once,
// with Help and Close. The planet card opens them for the entry selected in its lists.
#pragma once

#include "database/DataBaseRecords.h"
#include "platform/Dialog.h"

#include <QLabel>
#include <array>

class SatelliteDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // `planetName`: the name of the satellite's planet (up to seven letters are kept).
    SatelliteDlg(QWidget* parent, const SatelliteDB& satellite, const char* planetName,
                 int resId = 17);

    // Caption and values from the record.
    void SetupWindow() override;

private:
    SatelliteDB Satellite;
    char PlanetName[8]{};
    // Discoverer, discovery year, the distance's caption, distance, eccentricity,
    // inclination, revolution, rotation, albedo, magnitude, velocity, radius, mass, density,
    // escape velocity.
    std::array<QLabel*, 15> values{};
    // To the equator, or to the ecliptic for a distant satellite.
    QLabel* inclinationCaption = nullptr;
};
