// One Solar System body in memory: its elements in the units the position formulas use and
// its running state.
#pragma once

#include <cstdint>

constexpr int kSolarSlots = 13;

struct SolObjects
{
    char ID;         // kind: 'P' planet, 'C' comet, 0 = empty slot
    char Name[17];   // NUL-terminated
    double SemiAxis; // semi-major axis, millions of kilometres
    float Eccentr;   // eccentricity
    float Inclin;    // inclination, radians
    float AscenNode; // ascending node, radians (carried)
    float ArgPer;    // (540 degrees - argument of perihelion), radians
    double PeriDate; // perihelion date (carried)
    float Period;    // period, days
    double tAng;     // current orbital angle, radians
    double ust;      // offset that keeps the motion continuous when time turns, radians
    uint16_t X;      // last screen column the body was drawn at
    uint16_t Y;      // last screen row
};
