// The records of the Astronomical Database: "Data\Planets.dat" (nine 344-byte planet records,
// then the 192-byte Sun record at the end), "Data\Satellites.dat" (128-byte satellite records,
// then the 242-byte Moon record at the end) and "Data\Rings.dat" (40-byte ring records).
// The single definitions shared by the readers, the cards, the data generator and the tests.
// Integers are little-endian; text fields are NUL-terminated within their width; where a field
// says so, a first character '-' means "none".
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "records are read by copying little-endian bytes");

#pragma pack(push, 1)
// One atmospheric constituent of a planet.
struct ChemicElement
{
    char Name[4];  // formula or symbol; first character '-' = unused entry
    float Ratio;   // share, percent; -1.0 = unknown
};

// One layer of a planet's or the Moon's inner structure.
struct PlanetStructure
{
    uint16_t LowerWidth;  // thickness, km; 0 = unknown
    uint16_t UpperWidth;  // upper end of a thickness range, km; 0 = a single value
    char Composition[35]; // what the layer is made of; first character '-' = not shown
};

struct PlanetDB
{
    uint8_t PlanetNumber; // 1 Mercury .. 9 Pluto; the record's position in the file + 1
    char PlanetName[8];
    double SemimajorAxis; // astronomical units
    float Eccentr;
    float InclOrbToEcl;   // degrees
    struct
    {
        float Sideral;    // days
        float Sinodic;    // days; -1.0 = none
    } RevPeriod;
    float AngularDiam;    // at closest approach, minutes of arc; -1.0 = none
    uint8_t Albedo;       // visual geometric albedo, hundredths
    float Magnitude;      // at opposition; 9999.0 = none
    float MeanOrbVel;     // km/s
    struct
    {
        double Sideral;   // days; negative = retrograde, shown with its sign
        float Sinodic;    // days; sign as above
    } RotPeriod;
    float InclEquatorToOrb; // degrees
    struct
    {
        float Equatorial; // km
        float Polar;      // km; <= 0: unknown, |value| is the uncertainty of the equatorial radius
    } Radius;
    float Mass;           // kg
    float Density;        // g/cm^3
    struct
    {
        float LowTemp;    // K; > 0 surface temperature, <= 0 a cloud-top temperature negated
        float HighTemp;   // K; > 0 upper end of a range, <= 0 |value| is the uncertainty
    } Temper;
    uint16_t GravAccel;   // cm/s^2
    float EscapeVel;      // km/s
    uint8_t Satellites;   // satellite records of this planet (the Earth: 1, the Moon)
    uint8_t Rings;        // ring records of this planet
    float SurfAtmPressure; // bars; -1.0 = unknown
    struct
    {
        ChemicElement Element[9]; // largest share first; unused entries at the end
        char Other[17];           // further constituents; first character '-' = none
    } AtmComp;
    uint8_t Layer;        // layer flags (LayerCore ...)
    PlanetStructure Structure[4]; // innermost first
};

// One chemical element of the Sun.
struct SunElements
{
    char Name[10];
    float Ratio; // percent
};

struct SunDB
{
    uint8_t RotPerMin;  // shortest rotation period, days
    uint8_t RotPerMax;  // longest rotation period, days
    float Mass;         // kg
    float Dens;         // g/cm^3
    float Radius;       // km
    uint16_t Temp;      // surface temperature, K
    float VisMagn;      // visual magnitude
    float AbsMagn;      // absolute magnitude
    float EscVel;       // km/s
    float Lum;          // luminosity, erg/s
    char Spectr[5];     // spectral type, '_' shown as a blank
    uint8_t Age;        // tenths of a billion years
    SunElements Elements[11];
};

struct SatelliteDB
{
    uint8_t SatelNum;       // number within its planet
    char SatelName[11];     // listed on the planet card
    char SatelCode[31];     // designation, shown in the card's caption
    uint8_t PlanetNumber;   // 1..9
    char Discoverer[29];
    uint16_t DiscoveryYear;
    uint32_t Distance;      // from the planet, km
    float Eccentr;
    float InclOrb;          // to the planet's equator, degrees
    float RevPeriod;        // sidereal, days
    float RotPeriod;        // sidereal, days; -1.0 = unknown, -2.0 = chaotic
    uint8_t Albedo;         // hundredths; 0 = unknown
    float Magnitude;        // at opposition; 9999.0 = unknown
    float MeanOrbVel;       // km/s
    struct
    {
        float Size1;        // radius, km (first axis of an irregular body)
        float Size2;        // km; -1.0 = single radius, -2.0 = unknown
        float Size3;        // km; -1.0 = none
    } Radius;
    float Mass;             // kg; -1.0 = unknown
    float Density;          // g/cm^3; -1.0 = unknown
    float EscapeVel;        // km/s; -1.0 = unknown
};

// A distance range, km.
struct Distance
{
    uint32_t LowDist;
    uint32_t HighDist;
};

struct MoonDB
{
    Distance DistPer;    // distance from the Earth at perigee, km
    Distance DistApo;    // at apogee, km
    float Eccentr;
    double InclOrb;      // to the ecliptic, degrees
    double InclEqu;      // of the equator to the orbit, degrees
    double SidRevPer;    // sidereal revolution period, days
    double SinRevPer;    // synodic revolution period, days
    uint8_t Albedo;      // hundredths
    float Magn;          // visible magnitude at opposition
    uint8_t AngDiam;     // mean angular diameter, minutes of arc
    double SidRot;       // sidereal rotation period, days
    float Radius;        // km
    float Mass;          // kg
    uint16_t Dens;       // hundredths of g/cm^3
    uint8_t LowTemp;     // K
    uint16_t HighTemp;   // K
    uint8_t GravAccel;   // cm/s^2
    float EscVel;        // km/s
    uint8_t OrbVel;      // mean orbital velocity, hundredths of km/s
    uint8_t Layers;      // layer flags, as PlanetDB::Layer
    PlanetStructure Structure[4];
};

struct RingDB
{
    uint8_t Type;          // 0 ring, 1 gap, 2 division
    char Name[9];          // listed on the planet card
    uint8_t PlanetNumber;
    uint32_t Distance;     // from the planet's centre, km
    uint32_t LowWidth;     // km; 99999 = only an upper bound is known
    uint32_t HighWidth;    // km; upper end of the range or the upper bound; 0 = a single value
    float LowThickness;    // km; 0.0 = unknown, -1.0 = none, -2.0 = only an upper bound is known
    float HighThickness;   // km; upper end or upper bound; 0.0 = a single value
    float LowMass;         // kg; 0.0 = unknown, -1.0 = none
    float HighMass;        // kg; upper end of the range; 0.0 = a single value
    uint8_t Albedo;        // hundredths; 0 = unknown, 254 = none, 255 = low
};
#pragma pack(pop)

// Layer flags of PlanetDB::Layer and MoonDB::Layers.
constexpr uint8_t LayerCore = 1;
constexpr uint8_t LayerInnerCore = 2;
constexpr uint8_t LayerOuterCore = 4;
constexpr uint8_t LayerMantle = 8;
constexpr uint8_t LayerInnerMantle = 16;
constexpr uint8_t LayerOuterMantle = 32;
constexpr uint8_t LayerCrust = 64;
constexpr uint8_t LayerAtmosphere = 128;

// File sizes and counts.
constexpr int kPlanetCount = 9;
// A "Data\Planets.dat" of the nine planets and the Sun.
constexpr long kPlanetsFileSize = 9 * 344 + 192;

static_assert(sizeof(ChemicElement) == 8);
static_assert(offsetof(ChemicElement, Ratio) == 4);
static_assert(sizeof(PlanetStructure) == 39);
static_assert(offsetof(PlanetStructure, UpperWidth) == 2);
static_assert(offsetof(PlanetStructure, Composition) == 4);

static_assert(sizeof(PlanetDB) == 344);
static_assert(offsetof(PlanetDB, PlanetName) == 1);
static_assert(offsetof(PlanetDB, SemimajorAxis) == 9);
static_assert(offsetof(PlanetDB, Eccentr) == 17);
static_assert(offsetof(PlanetDB, InclOrbToEcl) == 21);
static_assert(offsetof(PlanetDB, RevPeriod.Sideral) == 25);
static_assert(offsetof(PlanetDB, RevPeriod.Sinodic) == 29);
static_assert(offsetof(PlanetDB, AngularDiam) == 33);
static_assert(offsetof(PlanetDB, Albedo) == 37);
static_assert(offsetof(PlanetDB, Magnitude) == 38);
static_assert(offsetof(PlanetDB, MeanOrbVel) == 42);
static_assert(offsetof(PlanetDB, RotPeriod.Sideral) == 46);
static_assert(offsetof(PlanetDB, RotPeriod.Sinodic) == 54);
static_assert(offsetof(PlanetDB, InclEquatorToOrb) == 58);
static_assert(offsetof(PlanetDB, Radius.Equatorial) == 62);
static_assert(offsetof(PlanetDB, Radius.Polar) == 66);
static_assert(offsetof(PlanetDB, Mass) == 70);
static_assert(offsetof(PlanetDB, Density) == 74);
static_assert(offsetof(PlanetDB, Temper.LowTemp) == 78);
static_assert(offsetof(PlanetDB, Temper.HighTemp) == 82);
static_assert(offsetof(PlanetDB, GravAccel) == 86);
static_assert(offsetof(PlanetDB, EscapeVel) == 88);
static_assert(offsetof(PlanetDB, Satellites) == 92);
static_assert(offsetof(PlanetDB, Rings) == 93);
static_assert(offsetof(PlanetDB, SurfAtmPressure) == 94);
static_assert(offsetof(PlanetDB, AtmComp.Element) == 98);
static_assert(offsetof(PlanetDB, AtmComp.Other) == 170);
static_assert(offsetof(PlanetDB, Layer) == 187);
static_assert(offsetof(PlanetDB, Structure) == 188);

static_assert(sizeof(SunElements) == 14);
static_assert(offsetof(SunElements, Ratio) == 10);
static_assert(sizeof(SunDB) == 192);
static_assert(offsetof(SunDB, RotPerMax) == 1);
static_assert(offsetof(SunDB, Mass) == 2);
static_assert(offsetof(SunDB, Dens) == 6);
static_assert(offsetof(SunDB, Radius) == 10);
static_assert(offsetof(SunDB, Temp) == 14);
static_assert(offsetof(SunDB, VisMagn) == 16);
static_assert(offsetof(SunDB, AbsMagn) == 20);
static_assert(offsetof(SunDB, EscVel) == 24);
static_assert(offsetof(SunDB, Lum) == 28);
static_assert(offsetof(SunDB, Spectr) == 32);
static_assert(offsetof(SunDB, Age) == 37);
static_assert(offsetof(SunDB, Elements) == 38);

static_assert(sizeof(SatelliteDB) == 128);
static_assert(offsetof(SatelliteDB, SatelName) == 1);
static_assert(offsetof(SatelliteDB, SatelCode) == 12);
static_assert(offsetof(SatelliteDB, PlanetNumber) == 43);
static_assert(offsetof(SatelliteDB, Discoverer) == 44);
static_assert(offsetof(SatelliteDB, DiscoveryYear) == 73);
static_assert(offsetof(SatelliteDB, Distance) == 75);
static_assert(offsetof(SatelliteDB, Eccentr) == 79);
static_assert(offsetof(SatelliteDB, InclOrb) == 83);
static_assert(offsetof(SatelliteDB, RevPeriod) == 87);
static_assert(offsetof(SatelliteDB, RotPeriod) == 91);
static_assert(offsetof(SatelliteDB, Albedo) == 95);
static_assert(offsetof(SatelliteDB, Magnitude) == 96);
static_assert(offsetof(SatelliteDB, MeanOrbVel) == 100);
static_assert(offsetof(SatelliteDB, Radius.Size1) == 104);
static_assert(offsetof(SatelliteDB, Radius.Size2) == 108);
static_assert(offsetof(SatelliteDB, Radius.Size3) == 112);
static_assert(offsetof(SatelliteDB, Mass) == 116);
static_assert(offsetof(SatelliteDB, Density) == 120);
static_assert(offsetof(SatelliteDB, EscapeVel) == 124);

static_assert(sizeof(Distance) == 8);
static_assert(sizeof(MoonDB) == 242);
static_assert(offsetof(MoonDB, DistApo) == 8);
static_assert(offsetof(MoonDB, Eccentr) == 16);
static_assert(offsetof(MoonDB, InclOrb) == 20);
static_assert(offsetof(MoonDB, InclEqu) == 28);
static_assert(offsetof(MoonDB, SidRevPer) == 36);
static_assert(offsetof(MoonDB, SinRevPer) == 44);
static_assert(offsetof(MoonDB, Albedo) == 52);
static_assert(offsetof(MoonDB, Magn) == 53);
static_assert(offsetof(MoonDB, AngDiam) == 57);
static_assert(offsetof(MoonDB, SidRot) == 58);
static_assert(offsetof(MoonDB, Radius) == 66);
static_assert(offsetof(MoonDB, Mass) == 70);
static_assert(offsetof(MoonDB, Dens) == 74);
static_assert(offsetof(MoonDB, LowTemp) == 76);
static_assert(offsetof(MoonDB, HighTemp) == 77);
static_assert(offsetof(MoonDB, GravAccel) == 79);
static_assert(offsetof(MoonDB, EscVel) == 80);
static_assert(offsetof(MoonDB, OrbVel) == 84);
static_assert(offsetof(MoonDB, Layers) == 85);
static_assert(offsetof(MoonDB, Structure) == 86);

static_assert(sizeof(RingDB) == 40);
static_assert(offsetof(RingDB, Name) == 1);
static_assert(offsetof(RingDB, PlanetNumber) == 10);
static_assert(offsetof(RingDB, Distance) == 11);
static_assert(offsetof(RingDB, LowWidth) == 15);
static_assert(offsetof(RingDB, HighWidth) == 19);
static_assert(offsetof(RingDB, LowThickness) == 23);
static_assert(offsetof(RingDB, HighThickness) == 27);
static_assert(offsetof(RingDB, LowMass) == 31);
static_assert(offsetof(RingDB, HighMass) == 35);
static_assert(offsetof(RingDB, Albedo) == 39);
