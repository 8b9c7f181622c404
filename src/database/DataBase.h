// Readers of the Astronomical Database files: "Data\Planets.dat" (nine 344-byte PlanetDB
// records, the 192-byte SunDB record at the end), "Data\Satellites.dat" (128-byte SatelliteDB
// records, the 242-byte MoonDB record at the end) and "Data\Rings.dat" (40-byte RingDB
// records). They read from open streams and return what they found; the window turns a
// failure into its messages.
#pragma once

#include "database/DataBaseRecords.h"

#include <cstdio>
#include <vector>

namespace database
{
// Which file a read failure names; the files follow None in the order they are read.
enum class DbFile
{
    None,
    Planets,
    Satellites,
    Rings
};

// Everything one planet's card needs.
struct PlanetData
{
    PlanetDB planet{};
    bool planetRead = false;
    // The Earth (PlanetNumber 3) carries the Moon record instead of satellite records.
    bool isEarth = false;
    MoonDB moon{};
    std::vector<SatelliteDB> satellites;
    std::vector<RingDB> rings;
    bool satellitesRead = false;
    bool ringsRead = false;

    // The file that the failure message names: the planets file before the satellites file
    // before the rings file; None when all three reads succeeded.
    DbFile Failed() const;
};

// Reads planet record `index` (0 Mercury .. 8 Pluto) of `planets`, then the planet's
// satellites and rings:
// - the Earth: the Moon record, the last 242 bytes of `satellites`;
// - any other planet: the blocks of 128 bytes of `satellites` from its start (size div 128 of
//   them) whose byte 43 equals the planet's number, at most `Satellites` of them, in order;
// - every planet: the 40-byte records of `rings` (size div 40) whose byte 10 equals the
//   planet's number, at most `Rings` of them, in order.
// Each file needs at least one whole block (128 or 40 bytes), also for a planet without
// satellites or rings; a planet that should have satellites (rings) but matches none fails.
// When fewer records match than the planet's field says, the field is lowered to the number
// found, so that the card lists only records that exist.
PlanetData ReadPlanetData(std::FILE* planets, std::FILE* satellites, std::FILE* rings, int index);

// The Sun record: the last 192 bytes of `planets`. False when the file is shorter.
bool ReadSunRecord(std::FILE* planets, SunDB* sun);

// The Moon record: the last 242 bytes of `satellites`. False when the file is shorter.
bool ReadMoonRecord(std::FILE* satellites, MoonDB* moon);

// Reads up to nine planet records from the start of `planets` into out[0..8]; returns how
// many were read whole (9 on success).
int ReadPlanetRecords(std::FILE* planets, PlanetDB out[kPlanetCount]);
} // namespace database
