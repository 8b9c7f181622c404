// The texts of the database cards, formatted once from the records: the planet card's four
// pages, the satellite, ring, Sun and Moon cards. Texts are 8-bit (Windows-1252: 0xB0 is the
// degree sign, 0xB1 the plus-minus sign). Record text fields are read only within their
// width, so a field without its NUL never runs into the next one.
#pragma once

#include "database/DataBaseRecords.h"

#include <array>
#include <cstddef>
#include <string>

namespace database
{
// A record's text field up to its NUL or its width, whichever comes first.
std::string FieldText(const char* field, size_t width);

// A period in days as hours, minutes and seconds: "-" for a negative period, then "%dh " if
// the hours are above 0, "%dm " if the minutes are, "%.3fs" if the seconds are
// (0.99726968 days -> "23h 56m 4.100s"). "?" for a period that is not a finite number of
// less than a billion days.
std::string NumToHMS(double days);

// An angle in degrees as degrees, minutes and seconds: "-" for a negative angle, then
// "%d\xB0 " if the degrees are above 0, "%d' " if the minutes are, "%.1f''" if the seconds
// are (5.145 -> "5\xB0 8' 42.0''"). "?" for an angle that is not a finite number below a
// billion degrees.
std::string NumToGMS(double degrees);

// ---- planet card ----

// Values of the orbital page: AxisAU, AxisKm, Eccent, InclOrb, RevSid, RevSin, DailyMot, Diam,
// Albedo, VisMagn, Vel, DistMin, DistMax.
std::array<std::string, 13> PlanetOrbitalValues(const PlanetDB& p);

struct PlanetPhysical
{
    // The captions that depend on the values: sidereal and synodic rotation, temperature.
    std::string rotSidCaption, rotSinCaption, tempCaption;
    // RotSid, RotSin, InclEqu, RadiusEqu, RadiusPol, Mass, Dens, Temp, Grav, EscVel, Sat, NRings.
    std::array<std::string, 12> values;
};
PlanetPhysical PlanetPhysicalValues(const PlanetDB& p);

struct AtmosphereTexts
{
    int elements = 0; // NElements: constituents whose name does not start with '-'
    std::string pressure;
    std::array<std::string, 9> element, ratio; // entries 0 .. elements - 1
    std::string other;
};
AtmosphereTexts PlanetAtmosphere(const PlanetDB& p);

// The inner-structure table from the layer flags and the four layers.
struct StructureTable
{
    int rows = 0; // rows filled: 3, 4, or 0 for flags that match none of the three forms
    std::array<std::string, 4> layer, width, composition;
};
StructureTable FillStructure(uint8_t layer, const PlanetStructure structure[4]);

// ---- satellite and ring cards ----

struct SatelliteTexts
{
    std::string caption, discoverer, discoveryYear, lDistance, distance, eccent, inclOrb, sidRevol,
        sidRot, albedo, magnit, orbVel, radius, mass, dens, escapeVel;
};
// `planetName`: the planet's name as the planet card has it.
SatelliteTexts SatelliteValues(const SatelliteDB& s, const std::string& planetName);

struct RingTexts
{
    std::string caption, distance, width, thickness, mass, albedo;
};
RingTexts RingValues(const RingDB& r);

// ---- Sun and Moon cards ----

struct SunTexts
{
    // RotPer, Mass, Dens, Radius, Temp, Magn, EscVel, Lum, Spectr, Age.
    std::array<std::string, 10> values;
    std::array<std::string, 11> element, ratio;
};
SunTexts SunValues(const SunDB& s);

struct MoonTexts
{
    // DistP, DistA, Eccent, InclOrb, InclEqu, Albedo, RevSid, RevSin, VisMagn, Diam, Vel.
    std::array<std::string, 11> orbital;
    // SidRot, Radius, Mass, Dens, Temp, Grav, EscVel.
    std::array<std::string, 7> physical;
};
MoonTexts MoonValues(const MoonDB& m);
} // namespace database
