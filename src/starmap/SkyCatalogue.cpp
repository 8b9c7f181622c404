#include "starmap/SkyCatalogue.h"

#include "sky/StarMotion.h"
#include "starmap/Globe.h"

#include <algorithm>
#include <cstring>

namespace
{
// The proper names shown: stars brighter than this magnitude.
constexpr float kNamedStarLimit = 1.5f;

std::vector<NamedStar> BrightNames(const std::vector<StarDB>& records)
{
    std::vector<NamedStar> names;
    for (size_t i = 0; i < records.size(); ++i)
    {
        const StarDB& r = records[i];
        const std::string name(r.StarName, strnlen(r.StarName, sizeof r.StarName));
        if (r.Magnitude < kNamedStarLimit && !name.empty() && name.rfind("N/A", 0) != 0)
            names.push_back({static_cast<int>(i), name});
    }
    // The brightest first: they take their places before the fainter ones.
    std::stable_sort(names.begin(), names.end(),
                     [&](const NamedStar& a, const NamedStar& b)
                     {
                         return records[static_cast<size_t>(a.index)].Magnitude <
                                records[static_cast<size_t>(b.index)].Magnitude;
                     });
    return names;
}
} // namespace

starreader::ReadResult ReadStarCatalogue(std::FILE* f, SkyCatalogue& c)
{
    const starreader::ReadResult read = starreader::ReadStars(f, c.starRecords, kStarCount);
    c.stars.clear();
    c.starPlaces.clear();
    // The places as the globe takes them: right ascension in degrees, declination in radians.
    for (const StarDB& r : c.starRecords)
    {
        const Stars s{r.RA * 15,   static_cast<float>(r.Dec * globe::kDegToRad),
                      r.Magnitude, r.NumConst,
                      r.NLink1,    r.NLink2};
        c.stars.push_back(s);
        c.starPlaces.push_back({globe::Direction(s.RA, s.Dec), {}});
    }
    c.links = constblocks::FindLinks(c.stars.data(), c.StarCount());
    c.names = BrightNames(c.starRecords);
    c.figureCentres = skybodies::ComputeFigureCentres(c.stars.data(), c.StarCount());
    for (size_t k = 0; k < c.figureCentres.size(); ++k)
        c.figureDirections[k] = globe::Direction(c.figureCentres[k].RA, c.figureCentres[k].Dec);
    return read;
}

starreader::ReadResult ReadDeepSkyCatalogue(std::FILE* f, SkyCatalogue& c)
{
    const starreader::ReadResult read = starreader::ReadNgcMess(f, c.deepSkyRecords, kNgcMessCount);
    c.deepSky.clear();
    c.deepSkyDirections.clear();
    for (const NGCMessDB& r : c.deepSkyRecords)
    {
        const NgcMessObj o{r.RA * 15, static_cast<float>(r.Dec * globe::kDegToRad), r.Magnitude};
        c.deepSky.push_back(o);
        c.deepSkyDirections.push_back(globe::Direction(o.RA, o.Dec));
    }
    return read;
}

void ReadStarMotionsOf(std::FILE* f, SkyCatalogue& c)
{
    const std::vector<sky::ProperMotion> motions = sky::ReadStarMotions(f, c.StarCount());
    for (size_t i = 0; i < c.starPlaces.size() && i < motions.size(); ++i)
    {
        const Stars& s = c.stars[i];
        c.starPlaces[i] = sky::MakeCatalogueStar(s.RA / 15.0, s.Dec * sky::kRadToDeg,
                                                 motions[i].PmRa, motions[i].PmDec);
    }
}

void TurnToDate(const sky::SkySnapshot& sky, const SkyCatalogue& c, CatalogueOfDate& out)
{
    // Without a first instant there is no matrix, and no place to draw.
    if (!sky.Known)
    {
        out = {};
        return;
    }
    const auto toDate = [&](const sky::Vec3& d) { return sky::Rotate(sky.ToDate, d); };
    out.stars.clear();
    for (const sky::CatalogueStar& star : c.starPlaces)
        out.stars.push_back(sky::StarDirectionOfDate(sky, star));
    out.deepSky.resize(c.deepSkyDirections.size());
    std::ranges::transform(c.deepSkyDirections, out.deepSky.begin(), toDate);
    std::ranges::transform(c.figureDirections, out.figures.begin(), toDate);
}
