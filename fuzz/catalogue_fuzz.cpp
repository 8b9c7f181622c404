// Feeds arbitrary bytes to the catalogue readers as "Data\Stars.dat", "Data\NGCMess.dat" and
// "Data\Solobj.dat", then walks the constellation blocks and projects every star and body, so
// that the sanitizers see any index or conversion that a damaged catalogue could push out of
// bounds.
#include "solar/Orbit.h"
#include "solar/SolarReader.h"
#include "starmap/Globe.h"
#include "starmap/SkyCatalogue.h"
#include "starmap/SkyFrame.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace
{
volatile int gSink;

std::FILE* Open(const uint8_t* data, size_t size)
{
    // fmemopen refuses an empty buffer: an empty file is a one-byte buffer read as empty.
    static const uint8_t empty = 0;
    return fmemopen(const_cast<uint8_t*>(size ? data : &empty), size ? size : 1, "rb");
}

void StarCatalogue(const uint8_t* data, size_t size)
{
    std::FILE* f = Open(data, size);
    if (!f)
        return;
    SkyCatalogue catalogue;
    ReadStarCatalogue(f, catalogue);
    // The same bytes as a file of proper motions.
    ReadStarMotionsOf(f, catalogue);
    std::fclose(f);
    sky::SkySnapshot snapshot;
    sky::UpdateSky(snapshot, sky::kJulianDateJ2000 + 9000.0);
    CatalogueOfDate ofDate;
    TurnToDate(snapshot, catalogue, ofDate);
    const globe::View view =
        globe::MakeView(640.5, 480.5, 400, globe::MakeTilt(-50.0), 123.0, false);
    for (const constblocks::Link& link : catalogue.links)
        gSink = catalogue.stars[link.from].NumConst + catalogue.stars[link.to].NumConst;
    const skyframe::Places places =
        skyframe::PlaceAll(view, catalogue, ofDate, SkyBodies{},
                           skyframe::Layers{true, true, true, true, false, true, true, 99.0f});
    for (size_t i = 0; i < places.stars.size(); ++i)
        gSink = places.stars[i].X() + places.stars[i].Y() + places.stars[i].visible +
                globe::StarMarkFor(catalogue.stars[i].Magnitude).width;
    gSink = static_cast<int>(skyframe::HitsAt(places, 640, 480).size());
}

void DeepSky(const uint8_t* data, size_t size)
{
    std::FILE* f = Open(data, size);
    if (!f)
        return;
    SkyCatalogue catalogue;
    gSink = ReadDeepSkyCatalogue(f, catalogue).stored;
    std::fclose(f);
}

void Bodies(const uint8_t* data, size_t size)
{
    std::FILE* f = Open(data, size);
    if (!f)
        return;
    SolObjects table[kSolarSlots]{};
    SolarObjects buffer{};
    solar::ReadSolarRecords(f, static_cast<long>(size), table, buffer);
    std::fclose(f);
    // Any elements, even damaged ones, give a place and an outline without a hang.
    solar::PlaceBodiesAt(table, sky::kJulianDateJ2000);
    const solar::Projection projection = solar::CentredProjection(1280, 960, 1.0f);
    const double area[4] = {0, 0, 1280, 960};
    for (int k = 0; k < kSolarSlots; ++k)
    {
        solar::Point at = solar::ProjectPoint(projection, table[k].Place.Position);
        const std::vector<sky::Vec3> outline = solar::OrbitOutlinePoints(table[k].Elements);
        solar::Point end = outline.empty() ? at : solar::ProjectPoint(projection, outline[512]);
        gSink = solar::ClipSegment(at, end, area) + static_cast<int>(outline.size());
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StarCatalogue(data, size);
    DeepSky(data, size);
    Bodies(data, size);
    return 0;
}
