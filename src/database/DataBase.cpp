#include "database/DataBase.h"

#include "platform/Files.h"

#include <cstring>

namespace database
{
namespace
{
constexpr long kPlanetSize = sizeof(PlanetDB);
constexpr int kSatellitePlanetByte = offsetof(SatelliteDB, PlanetNumber);
constexpr int kRingPlanetByte = offsetof(RingDB, PlanetNumber);
constexpr uint8_t kEarth = 3;

// Reads the record of `width` bytes that ends the stream.
bool ReadLast(std::FILE* f, void* record, long width)
{
    const long size = platform::FileSize(f);
    if (size < width)
        return false;
    if (std::fseek(f, size - width, SEEK_SET) != 0)
        return false;
    return std::fread(record, static_cast<size_t>(width), 1, f) == 1;
}

// Scans the whole blocks of `Record` from the start of `f` and keeps, in order, at most
// `wanted` of those whose byte `planetByte` is `number`. False when the stream has no whole
// block or a block cannot be read; `found` is then empty.
template <typename Record>
bool ScanMatches(std::FILE* f, uint8_t number, int wanted, int planetByte,
                 std::vector<Record>& found)
{
    found.clear();
    const long size = platform::FileSize(f);
    const long blocks = size < 0 ? 0 : size / static_cast<long>(sizeof(Record));
    if (blocks == 0)
        return false;
    unsigned char block[sizeof(Record)];
    for (long i = 0; i < blocks; ++i)
    {
        if (std::fread(block, sizeof block, 1, f) != 1)
        {
            found.clear();
            return false;
        }
        if (block[planetByte] == number && static_cast<int>(found.size()) < wanted)
        {
            Record record;
            std::memcpy(&record, block, sizeof record);
            found.push_back(record);
        }
    }
    return true;
}

// A planet that should have records but matches none fails; otherwise its count becomes the
// number found. A failed scan has left nothing found.
bool KeepFound(uint8_t& count, size_t found)
{
    if (count == 0)
        return true;
    if (found == 0)
        return false;
    count = static_cast<uint8_t>(found);
    return true;
}
} // namespace

DbFile PlanetData::Failed() const
{
    if (!planetRead)
        return DbFile::Planets;
    if (!satellitesRead)
        return DbFile::Satellites;
    if (!ringsRead)
        return DbFile::Rings;
    return DbFile::None;
}

PlanetData ReadPlanetData(std::FILE* planets, std::FILE* satellites, std::FILE* rings, int index)
{
    PlanetData data;
    if (index < 0 || index >= kPlanetCount)
        return data;
    data.planetRead = std::fseek(planets, index * kPlanetSize, SEEK_SET) == 0 &&
                      std::fread(&data.planet, sizeof data.planet, 1, planets) == 1;
    if (!data.planetRead)
        return data;
    PlanetDB& p = data.planet;

    if (p.PlanetNumber == kEarth)
    {
        data.isEarth = true;
        // The whole file must also hold one 128-byte block, as for every planet; a Moon
        // record of 242 bytes always does.
        data.satellitesRead = ReadLast(satellites, &data.moon, sizeof data.moon);
        if (data.satellitesRead && p.Satellites > 1)
            p.Satellites = 1;
    }
    else
    {
        data.satellitesRead = ScanMatches(satellites, p.PlanetNumber, p.Satellites,
                                          kSatellitePlanetByte, data.satellites) &&
                              KeepFound(p.Satellites, data.satellites.size());
    }
    data.ringsRead = ScanMatches(rings, p.PlanetNumber, p.Rings, kRingPlanetByte, data.rings) &&
                     KeepFound(p.Rings, data.rings.size());
    return data;
}

bool ReadSunRecord(std::FILE* planets, SunDB* sun)
{
    return ReadLast(planets, sun, sizeof *sun);
}

bool ReadMoonRecord(std::FILE* satellites, MoonDB* moon)
{
    return ReadLast(satellites, moon, sizeof *moon);
}

int ReadPlanetRecords(std::FILE* planets, PlanetDB out[kPlanetCount])
{
    std::rewind(planets);
    for (int k = 0; k < kPlanetCount; ++k)
        if (std::fread(&out[k], sizeof(PlanetDB), 1, planets) != 1)
            return k;
    return kPlanetCount;
}
} // namespace database
