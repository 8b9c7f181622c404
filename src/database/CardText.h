// The texts of the database cards, formatted once from the records: the planet card's four
// pages, the satellite, ring, Sun and Moon cards. Texts are 8-bit (Windows-1252: 0xB0 is the
// degree sign, 0xB1 the plus-minus sign). Record text fields are read only within their
// width, so a field without its NUL never runs into the next one.
#pragma once

#include "database/DataBaseRecords.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

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

// The number of known moons of planet `number` (1 Mercury .. 9 Pluto; the Earth 1, the
// Moon), which the card's "Satellites" shows; 0 for any other number. The database's
// satellite records describe only some of them.
int KnownMoons(uint8_t number);

// The date of the list of known moons that KnownMoons follows, as the card shows it.
const char* KnownMoonsDate();

// The value beside "Satellites": "None" when `known` is 0; "274 known; 22 listed" when the
// card's list holds `listed` of the `known` moons; "5 known; all listed" when it holds them all
// ("1 known; listed" for the Earth's Moon).
std::string SatellitesText(int known, int listed);

// The value beside "Rings": "None" without rings; "9 rings (16 rows with their gaps)" when the
// list's `rows` hold gaps and divisions beside the `rings`; "4 rings; all listed" otherwise.
std::string RingsText(int rings, int rows);

// How many of the ring records are rings (Type 0), not gaps or divisions.
int CountRings(const std::vector<RingDB>& rings);

// Values of the orbital page: AxisAU, AxisKm, Eccent, InclOrb, RevSid, RevSin, DailyMot, Diam,
// Albedo, VisMagn, Vel, DistMin, DistMax.
std::array<std::string, 13> PlanetOrbitalValues(const PlanetDB& p);

struct PlanetPhysical
{
    // The captions that depend on the values: sidereal and synodic rotation, temperature; the
    // satellites' caption names the date of the list of known moons.
    std::string rotSidCaption, rotSinCaption, tempCaption, satCaption;
    // RotSid, RotSin, InclEqu, RadiusEqu, RadiusPol, Mass, Dens, Temp, Grav, EscVel, Sat, NRings.
    std::array<std::string, 12> values;
};
// `rings`: the planet's rings, gaps and divisions not counted (CountRings); the satellites' and
// the rings' lists hold p.Satellites and p.Rings rows.
PlanetPhysical PlanetPhysicalValues(const PlanetDB& p, int rings);

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

// Above this semi-major axis (km) a satellite's inclination is to the ecliptic, not to its
// planet's equator: JPL's mean elements refer the regular moons to the planet's Laplace plane,
// near its equator, and the distant irregular moons, whose orbits the Sun's pull turns about
// the planet's orbit, to the ecliptic. The database's farthest regular moon, Iapetus, is at
// 3.56 million km, its nearest irregular one, Nereid, at 5.51 million km.
constexpr uint32_t kEclipticInclinationKm = 5'000'000;

struct SatelliteTexts
{
    // The inclination's caption: to the planet's equator, or to the ecliptic for a satellite
    // beyond kEclipticInclinationKm.
    std::string inclCaption;
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
