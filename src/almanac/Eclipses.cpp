// Solar and lunar eclipses from the shadow cones of the Earth and the Moon, at each new and full
// Moon. The cones are those of the Five Millennium Canons of F. Espenak and J. Meeus (NASA
// TP-2006-214141 for the Sun, TP-2009-214172 for the Moon), the type of a central solar eclipse
// is decided as in Meeus, Astronomical Algorithms, 2nd ed., ch. 54.
#include "almanac/Almanac.h"
#include "almanac/Search.h"
#include "sky/Sky.h"
#include "sky/TimeScales.h"
#include "sky/Vector.h"

#include <algorithm>
#include <cmath>

namespace almanac
{
namespace
{
using sky::Vec3;

// The Earth's equatorial radius and flattening, WGS84.
constexpr double kEarthRadiusKm = 6378.137;
constexpr double kEarthFlattening = 1.0 / 298.257223563;
// The Earth's radius as its shadow shows it: enlarged by 1/85 for the atmosphere and reduced by
// 1/594 for the flattening at the latitudes the shadow falls on (Danjon's rule).
constexpr double kShadowingEarthKm = kEarthRadiusKm * (1.0 + 1.0 / 85.0 - 1.0 / 594.0);
// The Moon's radius for its outer contacts and for the umbra, which its limb's valleys let
// through (the Canons' k = 0.2725076 and 0.272281 Earth radii).
constexpr double kMoonRadiusKm = 0.2725076 * kEarthRadiusKm;
constexpr double kMoonUmbralRadiusKm = 0.272281 * kEarthRadiusKm;
// The nominal solar radius, km (IAU 2015, resolution B3).
constexpr double kSunRadiusKm = 695700.0;
// Beyond this ecliptic latitude at new or full Moon, degrees, no eclipse is possible (the
// limits are near 1.6 for both kinds).
constexpr double kLatitudeLimit = 1.8;
// Greatest eclipse lies within a few hours of the new or full Moon.
constexpr double kSearchHalfWindow = 0.25;
constexpr double kTolerance = 1.0 / sky::kSecondsPerDay;

Vec3 Unit(const Vec3& v)
{
    return (1.0 / sky::Length(v)) * v;
}

struct Bodies
{
    Vec3 Sun;  // geocentric, apparent, equatorial J2000, km
    Vec3 Moon; // geocentric, km
};

Bodies BodiesAt(double jd)
{
    return {sky::kKmPerAu * sky::ApparentSunAt(jd).Position,
            sky::kKmPerAu * sky::MoonPlaceAt(jd).Position};
}

// The Earth's shadow's axis runs from the Earth away from the Sun. `Along` is the Moon's
// distance along it, `Off` its centre's distance from it, km.
struct AxisDistance
{
    double Along;
    double Off;
};

AxisDistance FromEarthsAxis(const Bodies& b)
{
    const Vec3 axis = Unit(-1.0 * b.Sun);
    const double along = sky::Dot(b.Moon, axis);
    return {along, sky::Length(b.Moon - along * axis)};
}

// The Moon's shadow's axis runs from the Sun through the Moon. `Along` is the Earth's centre's
// distance along it from the Moon, `Off` its distance from it, km.
AxisDistance FromMoonsAxis(const Bodies& b)
{
    const Vec3 axis = Unit(b.Moon - b.Sun);
    const Vec3 earth = -1.0 * b.Moon;
    const double along = sky::Dot(earth, axis);
    return {along, sky::Length(earth - along * axis)};
}

double EclipticLatitude(const Vec3& equatorial)
{
    const Vec3 e = sky::EclipticFromEquatorial(equatorial);
    return std::atan2(e.z, std::hypot(e.x, e.y)) * sky::kRadToDeg;
}

EclipseType LunarType(const Bodies& b)
{
    const AxisDistance moon = FromEarthsAxis(b);
    const double sunDistance = sky::Length(b.Sun);
    // The radii of the cones of the Sun's rays grazing the Earth at the Moon's distance.
    const double umbra =
        kShadowingEarthKm - moon.Along * (kSunRadiusKm - kShadowingEarthKm) / sunDistance;
    const double penumbra =
        kShadowingEarthKm + moon.Along * (kSunRadiusKm + kShadowingEarthKm) / sunDistance;
    if (moon.Off + kMoonRadiusKm < umbra)
        return EclipseType::Total;
    if (moon.Off < umbra + kMoonRadiusKm)
        return EclipseType::Partial;
    if (moon.Off < penumbra + kMoonRadiusKm)
        return EclipseType::Penumbral;
    return EclipseType::None;
}

// Scales a vector's component along the Earth's axis `pole` so that the WGS84 ellipsoid
// becomes a sphere of the equatorial radius.
Vec3 Spherical(const Vec3& v, const Vec3& pole)
{
    return v + (1.0 / (1.0 - kEarthFlattening) - 1.0) * sky::Dot(v, pole) * pole;
}

EclipseType SolarType(const Bodies& b, double jd)
{
    const AxisDistance earth = FromMoonsAxis(b);
    const Vec3 axis = Unit(b.Moon - b.Sun);
    const double sunDistance = sky::Length(b.Moon - b.Sun);
    // The radii of the umbra (negative beyond its tip: the antumbra) and of the penumbra at a
    // distance x from the Moon along the axis.
    const auto umbra = [&](double x)
    { return kMoonUmbralRadiusKm - x * (kSunRadiusKm - kMoonUmbralRadiusKm) / sunDistance; };
    const double penumbra =
        kMoonRadiusKm + earth.Along * (kSunRadiusKm + kMoonRadiusKm) / sunDistance;
    if (earth.Off >= penumbra + kEarthRadiusKm)
        return EclipseType::None;

    sky::SkySnapshot snapshot;
    if (!sky::UpdateSky(snapshot, jd))
        return EclipseType::Partial;
    // The pole of date in the J2000 frame: the last row of the matrix to the equator of date.
    const Vec3 pole{snapshot.ToDate[2][0], snapshot.ToDate[2][1], snapshot.ToDate[2][2]};
    // Where the axis, followed from the Moon, first meets the ellipsoid: |M + s a| = R once
    // scaled to the sphere.
    const Vec3 m = Spherical(b.Moon, pole);
    const Vec3 a = Spherical(axis, pole);
    const double qa = sky::Dot(a, a), qb = 2.0 * sky::Dot(m, a);
    const double qc = sky::Dot(m, m) - kEarthRadiusKm * kEarthRadiusKm;
    const double discriminant = qb * qb - 4.0 * qa * qc;
    const double inFundamentalPlane = umbra(earth.Along);
    if (discriminant >= 0.0)
    {
        const double surface = umbra((-qb - std::sqrt(discriminant)) / (2.0 * qa));
        // The path's ends lie near the fundamental plane, farther from the Moon than the
        // point of greatest eclipse: total there and annular at the ends makes it hybrid.
        if (surface <= 0.0)
            return EclipseType::Annular;
        return inFundamentalPlane > 0.0 ? EclipseType::Total : EclipseType::Hybrid;
    }
    // The axis misses the Earth, but its umbra or antumbra may still touch it.
    const Vec3 unitA = Unit(a);
    const double miss = sky::Length(m - sky::Dot(m, unitA) * unitA) - kEarthRadiusKm;
    if (miss < std::fabs(inFundamentalPlane))
        return inFundamentalPlane > 0.0 ? EclipseType::Total : EclipseType::Annular;
    return EclipseType::Partial;
}

// The eclipse near the new or full Moon at `jd`, if any.
std::optional<Event> EclipseNear(const PhaseEvent& phase)
{
    const bool solar = phase.Phase == sky::MoonPhase::NewMoon;
    const Vec3 moon = sky::MoonPlaceAt(phase.JulianDateUt).Position;
    if (!(std::fabs(EclipticLatitude(moon)) < kLatitudeLimit))
        return std::nullopt;
    const auto off = [solar](double jd)
    {
        const Bodies b = BodiesAt(jd);
        return solar ? FromMoonsAxis(b).Off : FromEarthsAxis(b).Off;
    };
    const Minimum greatest = FindMinimum(off, phase.JulianDateUt - kSearchHalfWindow,
                                         phase.JulianDateUt + kSearchHalfWindow, kTolerance);
    if (!std::isfinite(greatest.Value))
        return std::nullopt;
    const Bodies b = BodiesAt(greatest.At);
    const EclipseType type = solar ? SolarType(b, greatest.At) : LunarType(b);
    if (type == EclipseType::None)
        return std::nullopt;
    Event event;
    event.Kind = solar ? EventKind::SolarEclipse : EventKind::LunarEclipse;
    event.JulianDateUt = greatest.At;
    event.Subject = solar ? Body::Sun : Body::Moon;
    event.Eclipse = type;
    return event;
}
} // namespace

std::vector<Event> FindEclipses(const Span& span, const CancelCheck& cancelled)
{
    std::vector<Event> eclipses;
    // Greatest eclipse may fall a few hours either side of its new or full Moon.
    const Span wider{std::max(span.Start - kSearchHalfWindow, sky::kFirstValidJulianDate),
                     std::min(span.End + kSearchHalfWindow, sky::kLastValidJulianDate)};
    for (const PhaseEvent& phase : FindMoonPhases(wider))
    {
        if (cancelled && cancelled())
            break;
        if (phase.Phase != sky::MoonPhase::NewMoon && phase.Phase != sky::MoonPhase::FullMoon)
            continue;
        const std::optional<Event> eclipse = EclipseNear(phase);
        if (eclipse && eclipse->JulianDateUt >= span.Start && eclipse->JulianDateUt < span.End)
            eclipses.push_back(*eclipse);
    }
    return eclipses;
}
} // namespace almanac
