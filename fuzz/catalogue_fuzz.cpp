// Feeds arbitrary bytes to the catalogue readers as "Data\Stars.dat", "Data\NGCMess.dat" and
// "Data\Solobj.dat", then walks the constellation blocks and projects every star and body, so
// that the sanitizers see any index or conversion that a damaged catalogue could push out of
// bounds.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "solar/Orbit.h"
#include "solar/SolarReader.h"
#include "starmap/ConstBlocks.h"
#include "starmap/Globe.h"
#include "starmap/StarReader.h"

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
    static ::Stars table[kStarCount];
    StarDB buffer{};
    const starreader::ReadResult read = starreader::ReadStars(f, &buffer, table, kStarCount);
    std::fclose(f);
    const globe::View view{640.5f, 480.5f, 400, -50.0f, 0.64278764f, -0.76604444f};
    for (const constblocks::Link& link : constblocks::FindLinks(table, read.stored))
        gSink = table[link.from].NumConst + table[link.to].NumConst;
    for (int i = 0; i < read.stored; ++i)
    {
        const double dec = table[i].Dec;
        const double H = 123.0 + table[i].RA;
        const globe::ScreenPoint p = globe::Project(view, H, std::cos(dec), std::sin(dec));
        gSink = globe::IsVisible(view, std::sin(dec), H, p.y) + globe::StoreCoord(p.x) +
                globe::StarMarkFor(table[i].Magnitude).width;
    }
}

void DeepSky(const uint8_t* data, size_t size)
{
    std::FILE* f = Open(data, size);
    if (!f)
        return;
    NgcMessObj table[kNgcMessCount];
    NGCMessDB buffer{};
    const starreader::ReadResult read =
        starreader::ReadNgcMess(f, &buffer, table, kNgcMessCount);
    std::fclose(f);
    gSink = read.stored;
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
