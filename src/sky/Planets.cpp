// The planets and comets seen from the Earth.
#include "sky/Ephemeris.h"
#include "sky/Vector.h"

#include <cmath>

namespace sky
{
namespace
{
// Saturn's north pole, equatorial J2000 (IAU Working Group on Cartographic Coordinates and
// Rotational Elements, 2015 report: RA 40.589, Dec 83.537 degrees at J2000.0).
const Vec3 kSaturnPole = FromSpherical(40.589 * kDegToRad, 83.537 * kDegToRad, 1.0);

// Saturn's ring terms of Meeus, ch. 41: B, the tilt of the ring plane to the Earth's
// direction, and Delta U, the difference of the Sun's and the Earth's longitudes measured in
// that plane, both seen from Saturn.
struct RingGeometry
{
    double B;      // radians, signed
    double deltaU; // degrees, in [0, 180]
};

RingGeometry SaturnRings(const PlanetPlace& place)
{
    const Vec3 toEarth = -1.0 * place.FromEarth;
    const Vec3 toSun = -1.0 * place.FromSun;
    // Axes in the ring plane: toward its ascending node on the Earth's equator, and 90 degrees
    // on.
    const Vec3 nodeDir = Cross(Vec3{0.0, 0.0, 1.0}, kSaturnPole);
    const Vec3 u1 = (1.0 / Length(nodeDir)) * nodeDir;
    const Vec3 u2 = Cross(kSaturnPole, u1);
    const auto inPlane = [&](const Vec3& v) { return std::atan2(Dot(v, u2), Dot(v, u1)); };
    RingGeometry rings{};
    rings.B = std::asin(Dot(toEarth, kSaturnPole) / Length(toEarth));
    rings.deltaU =
        std::fabs(std::remainder(inPlane(toEarth) - inPlane(toSun), 2.0 * kPi)) * kRadToDeg;
    return rings;
}
} // namespace

PlanetPlace PlanetPlaceFromVectors(const Vec3& body, const Vec3& earth)
{
    PlanetPlace place{};
    place.FromEarth = body - earth;
    place.FromSun = body;
    const Equatorial eq = EquatorialFromVector(place.FromEarth);
    place.RightAscension = eq.RightAscension;
    place.Declination = eq.Declination;
    place.Distance = eq.Distance;
    place.SunDistance = Length(body);
    // At the body, the angle between the Sun and the Earth; at the Earth, between the body and
    // the Sun (the Sun stands at -earth from the Earth).
    place.PhaseAngle = AngleBetween(-1.0 * body, earth - body) * kRadToDeg;
    place.Elongation = AngleBetween(body - earth, -1.0 * earth) * kRadToDeg;
    place.IlluminatedFraction = 0.5 * (1.0 + std::cos(place.PhaseAngle * kDegToRad));
    return place;
}

PlanetPlace PlanetPlaceAt(const OrbitalElements& body, const OrbitalElements& earth, double jd)
{
    const Vec3 earthPos = HeliocentricPlaceAt(earth, jd).Position;
    Vec3 bodyPos = HeliocentricPlaceAt(body, jd).Position;
    // The light seen at jd left the body when it stood a little back along its orbit; one
    // iteration is within 0.1" even for Mercury.
    const double lightTime = Length(bodyPos - earthPos) * kLightDaysPerAu;
    bodyPos = HeliocentricPlaceAt(body, jd - lightTime).Position;
    return PlanetPlaceFromVectors(EquatorialFromEcliptic(bodyPos),
                                  EquatorialFromEcliptic(earthPos));
}

double VisualMagnitude(Planet planet, const PlanetPlace& place)
{
    const double i = place.PhaseAngle; // degrees
    const double distances = 5.0 * std::log10(place.SunDistance * place.Distance);
    switch (planet)
    {
    case Planet::Mercury:
        return -0.42 + distances + i * (0.0380 + i * (-0.000273 + i * 0.000002));
    case Planet::Venus:
        return -4.40 + distances + i * (0.0009 + i * (0.000239 - i * 0.00000065));
    case Planet::Earth:
        return std::nan("");
    case Planet::Mars:
        return -1.52 + distances + 0.016 * i;
    case Planet::Jupiter:
        return -9.40 + distances + 0.005 * i;
    case Planet::Saturn:
    {
        const RingGeometry rings = SaturnRings(place);
        const double sinB = std::sin(std::fabs(rings.B));
        return -8.88 + distances + 0.044 * rings.deltaU - 2.60 * sinB + 1.25 * sinB * sinB;
    }
    case Planet::Uranus:
        return -7.19 + distances;
    case Planet::Neptune:
        return -6.87 + distances;
    case Planet::Pluto:
        return -1.00 + distances;
    }
    return std::nan("");
}

double MoonMagnitude(double phaseAngleDeg)
{
    const double i = std::fabs(phaseAngleDeg);
    return -12.73 + 0.026 * i + 4e-9 * i * i * i * i;
}
} // namespace sky
