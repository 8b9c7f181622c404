#include "starmap/SkyBodies.h"

#include "starmap/ConstName.h"
#include "starmap/Search.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace skybodies
{
namespace
{
template <class T> T Field(const unsigned char* record, int offset)
{
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}
} // namespace

PlanetElements ReadPlanetElements(std::FILE* f)
{
    PlanetElements table;
    if (!f || std::fseek(f, 0, SEEK_SET) != 0)
        return table;
    unsigned char record[kElementsRecordSize];
    for (int slot = 0; slot < kPlanetSlots; ++slot)
    {
        if (std::fread(record, sizeof record, 1, f) != 1 || record[0] != 'P')
            break;
        sky::OrbitalElements& e = table.elements[static_cast<size_t>(slot)];
        e.SemiAxis = Field<double>(record, 18);
        e.Eccentricity = Field<float>(record, 26);
        e.Inclination = Field<float>(record, 30);
        e.AscendingNode = Field<float>(record, 34);
        e.ArgPerihelion = Field<float>(record, 38);
        e.PerihelionDate = Field<double>(record, 42);
        e.Period = Field<float>(record, 50);
        table.usable[static_cast<size_t>(slot)] = sky::ElementsAreUsable(e);
    }
    return table;
}

// Colours as the planets look to the eye and in small telescopes.
const std::array<SkyPlanetKind, kSkyPlanetCount> kSkyPlanets = {{
    {sky::Planet::Mercury, "Mercury", 0xB4B4B4},
    {sky::Planet::Venus, "Venus", 0xFFFFC8},
    {sky::Planet::Mars, "Mars", 0xFF643C},
    {sky::Planet::Jupiter, "Jupiter", 0xFFD296},
    {sky::Planet::Saturn, "Saturn", 0xE6C878},
    {sky::Planet::Uranus, "Uranus", 0x96DCE6},
    {sky::Planet::Neptune, "Neptune", 0x648CFF},
}};

int SkyPlanetOf(const char* key)
{
    const auto named = [key](const SkyPlanetKind& p) { return search::SearchKey(p.name) == key; };
    const auto found = std::ranges::find_if(kSkyPlanets, named);
    return found == kSkyPlanets.end() ? -1 : static_cast<int>(found - kSkyPlanets.begin());
}

std::vector<ScreenVector> LitOutline(double k, double limbX, double limbY, int samples)
{
    samples = std::max(samples, 2);
    const double length = std::hypot(limbX, limbY);
    const double ux = length > 0 ? limbX / length : 1.0;
    const double uy = length > 0 ? limbY / length : 0.0;
    const double c = 1.0 - 2.0 * std::clamp(std::isfinite(k) ? k : 0.0, 0.0, 1.0);
    std::vector<ScreenVector> outline;
    outline.reserve(2 * static_cast<size_t>(samples));
    // (u, v) in the limb's frame to the screen: u along (ux, uy), v across it.
    const auto add = [&](double u, double v) {
        outline.push_back({u * ux - v * uy, u * uy + v * ux});
    };
    for (int i = 0; i < samples; ++i)
    {
        const double a = sky::kPi * (-0.5 + static_cast<double>(i) / (samples - 1));
        add(std::cos(a), std::sin(a));
    }
    for (int i = 0; i < samples; ++i)
    {
        const double a = sky::kPi * (0.5 - static_cast<double>(i) / (samples - 1));
        add(c * std::cos(a), std::sin(a));
    }
    return outline;
}

ScreenVector DirectionOfPositionAngle(double pa, ScreenVector north, ScreenVector east)
{
    const auto unit = [](ScreenVector v)
    {
        const double n = std::hypot(v.x, v.y);
        return n > 0 ? ScreenVector{v.x / n, v.y / n} : ScreenVector{0, 0};
    };
    const ScreenVector n = unit(north);
    const ScreenVector e = unit(east);
    const double a = pa * sky::kDegToRad;
    return ScreenVector{std::cos(a) * n.x + std::sin(a) * e.x,
                        std::cos(a) * n.y + std::sin(a) * e.y};
}

std::array<FigureCentre, kFigureCount> ComputeFigureCentres(const Stars* stars, int count)
{
    struct Sum
    {
        double x = 0, y = 0, z = 0;
        bool lines = false;
    };
    std::array<Sum, kFigureCount> sums{};
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < count; ++i)
        {
            const Stars& s = stars[i];
            if (s.NumConst < 1 || s.NumConst > kFigureCount || !std::isfinite(s.RA) ||
                !std::isfinite(s.Dec))
                continue;
            Sum& sum = sums[s.NumConst - 1u];
            const bool inFigure = s.NLink1 != 0;
            // First the stars of the figure; then, for a constellation without lines, all.
            if (pass == 0 ? !inFigure : sum.lines)
                continue;
            sum.lines = sum.lines || inFigure;
            const double ra = s.RA * sky::kDegToRad;
            sum.x += std::cos(s.Dec) * std::cos(ra);
            sum.y += std::cos(s.Dec) * std::sin(ra);
            sum.z += std::sin(s.Dec);
        }
    std::array<FigureCentre, kFigureCount> centres{};
    for (int k = 0; k < kFigureCount; ++k)
    {
        const Sum& s = sums[static_cast<size_t>(k)];
        const double n = std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z);
        if (!(n > 1e-9))
            continue;
        double ra = std::atan2(s.y, s.x) * sky::kRadToDeg;
        if (ra < 0)
            ra += 360.0;
        centres[static_cast<size_t>(k)] =
            FigureCentre{true, static_cast<float>(ra), static_cast<float>(std::asin(s.z / n))};
    }
    return centres;
}

const char* ConstellationNear(const Stars* stars, int count, float ra, float dec)
{
    double best = -2.0;
    int k = 0;
    for (int i = 0; i < count; ++i)
    {
        const Stars& s = stars[i];
        const double cosine =
            std::sin(dec) * std::sin(s.Dec) +
            std::cos(dec) * std::cos(s.Dec) * std::cos((ra - s.RA) * sky::kDegToRad);
        if (cosine > best && s.NumConst >= 1 && s.NumConst <= kConstellationCount)
        {
            best = cosine;
            k = s.NumConst;
        }
    }
    return k ? ConstName[2 * (k - 1)] : nullptr;
}
} // namespace skybodies
