// Feeds arbitrary bytes to the Astronomical Database readers as "Data\Planets.dat",
// "Data\Satellites.dat" and "Data\Rings.dat" (the input is split in three by the two 16-bit
// lengths at its start), then formats every card's texts and lays out every chart from what was
// read, so that the sanitizers see any index, conversion or text that a damaged record could push
// out of bounds.
#include "database/CardText.h"
#include "database/Charts.h"
#include "database/DataBase.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
volatile size_t gSink;

std::FILE* Open(const std::vector<uint8_t>& bytes)
{
    // fmemopen refuses an empty buffer: an empty file is a one-byte buffer read as empty.
    static uint8_t empty = 0;
    return fmemopen(bytes.empty() ? &empty : const_cast<uint8_t*>(bytes.data()),
                    bytes.empty() ? 1 : bytes.size(), "rb");
}

void Keep(const std::string& text)
{
    gSink = gSink + text.size();
}

void PlanetCard(const database::PlanetData& data)
{
    const PlanetDB& p = data.planet;
    for (const std::string& v : database::PlanetOrbitalValues(p))
        Keep(v);
    const std::vector<RingDB> rings(data.rings.begin(), data.rings.end());
    const database::PlanetPhysical physical =
        database::PlanetPhysicalValues(p, database::CountRings(rings));
    for (const std::string& v : physical.values)
        Keep(v);
    const database::AtmosphereTexts atmosphere = database::PlanetAtmosphere(p);
    Keep(atmosphere.other);
    const database::StructureTable table = database::FillStructure(p.Layer, p.Structure);
    for (int i = 0; i < table.rows; ++i)
        Keep(table.composition[i]);
    const database::AtmosphereChart chart =
        database::LayoutAtmosphere(p, database::Box{10, 10, 300, 200}, atmosphere.elements);
    gSink = gSink + chart.bars.size() + chart.legend.size();
    const std::string name = database::FieldText(p.PlanetName, sizeof p.PlanetName);
    for (const SatelliteDB& s : data.satellites)
        Keep(database::SatelliteValues(s, name).caption);
    for (const RingDB& r : data.rings)
        Keep(database::RingValues(r).width);
    if (data.isEarth)
        for (const std::string& v : database::MoonValues(data.moon).physical)
            Keep(v);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const size_t first = std::min<size_t>(data[0] | data[1] << 8, size - 4);
    const size_t second = std::min<size_t>(data[2] | data[3] << 8, size - 4 - first);
    const uint8_t* rest = data + 4;
    const std::vector<uint8_t> planets(rest, rest + first);
    const std::vector<uint8_t> satellites(rest + first, rest + first + second);
    const std::vector<uint8_t> rings(rest + first + second, data + size);

    for (int index = 0; index < kPlanetCount; ++index)
    {
        std::FILE* p = Open(planets);
        std::FILE* s = Open(satellites);
        std::FILE* r = Open(rings);
        if (p && s && r)
        {
            const database::PlanetData read = database::ReadPlanetData(p, s, r, index);
            if (read.Failed() == database::DbFile::None)
                PlanetCard(read);
        }
        for (std::FILE* f : {p, s, r})
            if (f)
                std::fclose(f);
    }

    if (std::FILE* p = Open(planets))
    {
        SunDB sun{};
        if (database::ReadSunRecord(p, &sun))
        {
            const database::SunTexts texts = database::SunValues(sun);
            for (const std::string& v : texts.values)
                Keep(v);
        }
        std::rewind(p);
        PlanetDB records[kPlanetCount]{};
        if (database::ReadPlanetRecords(p, records) == kPlanetCount)
        {
            std::array<PlanetDB, kPlanetCount> planets{};
            for (int k = 0; k < kPlanetCount; ++k)
                planets[k] = records[k];
            std::array<database::Box, 9> labels{};
            for (int k = 0; k < 9; ++k)
                labels[k] = database::Box{20 + 60 * k, 300, 50, 16};
            for (int tab = 0; tab < database::kComparisonTabs; ++tab)
            {
                const database::ComparisonChart chart =
                    database::LayoutComparison(database::ComparisonValues(planets, tab),
                                               database::Box{10, 10, 560, 280}, labels);
                for (const database::ComparisonBar& bar : chart.bars)
                    Keep(bar.value);
            }
        }
        std::fclose(p);
    }
    if (std::FILE* s = Open(satellites))
    {
        MoonDB moon{};
        if (database::ReadMoonRecord(s, &moon))
            for (const std::string& v : database::MoonValues(moon).orbital)
                Keep(v);
        std::fclose(s);
    }
    return 0;
}
