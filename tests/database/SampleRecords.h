// Records of the database files built by the tests: a few planets, satellites, rings, the Sun
// and the Moon with round values, and files assembled from them.
#pragma once

#include "database/DataBaseRecords.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace sample_records
{
template <typename Record> std::string Bytes(const Record& rec)
{
    return std::string(reinterpret_cast<const char*>(&rec), sizeof rec);
}

inline PlanetDB Planet(uint8_t number, const char* name, uint8_t satellites = 0, uint8_t rings = 0)
{
    PlanetDB p{};
    p.PlanetNumber = number;
    std::memcpy(p.PlanetName, name, std::min(std::strlen(name), sizeof p.PlanetName - 1));
    p.SemimajorAxis = number;
    p.Eccentr = 0.1f;
    p.RevPeriod.Sideral = 100.0f * number;
    p.RevPeriod.Sinodic = -1.0f;
    p.AngularDiam = -1.0f;
    p.Magnitude = 9999.0f;
    p.MeanOrbVel = 10;
    p.RotPeriod.Sideral = 2;
    p.RotPeriod.Sinodic = 2;
    p.Radius.Equatorial = 1000.0f * number;
    p.Radius.Polar = 1000.0f * number;
    p.Mass = 1e24f;
    p.Density = 5;
    p.Temper.LowTemp = 300;
    p.Temper.HighTemp = -10;
    p.GravAccel = 900;
    p.Satellites = satellites;
    p.Rings = rings;
    p.SurfAtmPressure = -1.0f;
    for (ChemicElement& e : p.AtmComp.Element)
        e.Name[0] = '-';
    p.AtmComp.Other[0] = '-';
    return p;
}

inline SatelliteDB Satellite(uint8_t planet, uint8_t num, const char* name)
{
    SatelliteDB s{};
    s.SatelNum = num;
    std::strncpy(s.SatelName, name, sizeof s.SatelName - 1);
    std::strcpy(s.SatelCode, "S_1");
    s.PlanetNumber = planet;
    s.RotPeriod = -1.0f;
    s.Magnitude = 9999.0f;
    s.Radius.Size1 = 100;
    s.Radius.Size2 = -1.0f;
    s.Radius.Size3 = -1.0f;
    s.Mass = -1.0f;
    s.Density = -1.0f;
    s.EscapeVel = -1.0f;
    return s;
}

inline RingDB Ring(uint8_t planet, const char* name, uint8_t type = 0)
{
    RingDB r{};
    r.Type = type;
    std::strncpy(r.Name, name, sizeof r.Name - 1);
    r.PlanetNumber = planet;
    r.Distance = 100000;
    r.LowWidth = 5000;
    return r;
}

// The Moon with a sidereal revolution period of 27.32 days (so the high byte of that double,
// byte 43 of the record, is 64 and never a planet number).
inline MoonDB Moon()
{
    MoonDB m{};
    m.DistPer = {356400, 370400};
    m.DistApo = {404000, 406700};
    m.Eccentr = 0.0549f;
    m.InclOrb = 5.145;
    m.InclEqu = 1.5424;
    m.SidRevPer = 27.3217;
    m.SinRevPer = 29.5306;
    m.Albedo = 12;
    m.Magn = -12.74f;
    m.AngDiam = 31;
    m.SidRot = 27.3217;
    m.Radius = 1737.4f;
    m.Mass = 7.346e22f;
    m.Dens = 334;
    m.LowTemp = 100;
    m.HighTemp = 390;
    m.GravAccel = 162;
    m.EscVel = 2.38f;
    m.OrbVel = 102;
    m.Layers = LayerInnerCore | LayerOuterCore | LayerMantle | LayerCrust;
    return m;
}

inline SunDB Sun()
{
    SunDB s{};
    s.RotPerMin = 25;
    s.RotPerMax = 36;
    s.Mass = 1.989e30f;
    s.Dens = 1.408f;
    s.Radius = 695700;
    s.Temp = 5772;
    s.VisMagn = -26.74f;
    s.AbsMagn = 4.83f;
    s.EscVel = 617.7f;
    s.Lum = 3.828e33f;
    std::strcpy(s.Spectr, "G2_V");
    s.Age = 46;
    std::strcpy(s.Elements[0].Name, "Hydrogen");
    s.Elements[0].Ratio = 70.68f;
    return s;
}

// "Data\Planets.dat" with the nine planets (Earth with its Moon, Jupiter with two
// satellites, Saturn with two rings) and the Sun.
inline std::string PlanetsFile()
{
    const char* const names[9] = {"Mercury", "Venus",  "Earth",   "Mars", "Jupiter",
                                  "Saturn",  "Uranus", "Neptune", "Pluto"};
    std::string bytes;
    for (uint8_t n = 1; n <= 9; ++n)
        bytes += Bytes(Planet(n, names[n - 1], n == 3 ? 1 : n == 5 ? 2 : 0, n == 6 ? 2 : 0));
    return bytes + Bytes(Sun());
}

inline std::string SatellitesFile()
{
    return Bytes(Satellite(5, 1, "Io")) + Bytes(Satellite(6, 1, "Titan")) +
           Bytes(Satellite(5, 2, "Europa")) + Bytes(Moon());
}

inline std::string RingsFile()
{
    return Bytes(Ring(6, "A")) + Bytes(Ring(5, "Halo")) + Bytes(Ring(6, "Cassini", 2));
}
} // namespace sample_records
