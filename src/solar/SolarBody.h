// One Solar System body in memory: its elements as the file gives them and its place at the
// clock's instant.
#pragma once

#include "sky/Ephemeris.h"

#include <cstdint>

constexpr int kSolarSlots = 13;

struct SolObjects
{
    char ID;                       // kind: 'P' planet, 'C' comet, 0 = empty slot
    char Name[17];                 // NUL-terminated
    sky::OrbitalElements Elements; // ecliptic J2000: AU, degrees, Julian date, days
    sky::HeliocentricPlace Place;  // at the instant of the last update: ecliptic J2000, AU
};
