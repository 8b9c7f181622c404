// The 54-byte element record of "Data\Solobj.dat": one body per record, no header.
// The single definition shared by the reader, the data generator and the tests.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "records are read by copying little-endian bytes");

#pragma pack(push, 1)
struct SolarObjects
{
    char ID;         // 'P' planet, 'C' comet; any other kind is carried, never drawn
    char Name[17];   // NUL-terminated within the field
    double SemiAxis; // semi-major axis, astronomical units
    float Eccentr;   // eccentricity, 0 <= e < 1
    float Inclin;    // inclination to the ecliptic, degrees
    float AscenNode; // longitude of the ascending node, degrees
    float ArgPer;    // argument of perihelion, degrees
    double PeriDate; // perihelion date (Julian day)
    float Period;    // orbital period, days
};
#pragma pack(pop)

static_assert(sizeof(SolarObjects) == 54);
static_assert(offsetof(SolarObjects, ID) == 0);
static_assert(offsetof(SolarObjects, Name) == 1);
static_assert(offsetof(SolarObjects, SemiAxis) == 18);
static_assert(offsetof(SolarObjects, Eccentr) == 26);
static_assert(offsetof(SolarObjects, Inclin) == 30);
static_assert(offsetof(SolarObjects, AscenNode) == 34);
static_assert(offsetof(SolarObjects, ArgPer) == 38);
static_assert(offsetof(SolarObjects, PeriDate) == 42);
static_assert(offsetof(SolarObjects, Period) == 50);
