// Turns between the ecliptic and the equator of J2000.0.
#include "sky/Ephemeris.h"
#include "sky/Vector.h"

#include <cmath>

namespace sky
{
namespace
{
// The ecliptic turned about the equinox (x) by the obliquity `eps` (radians) to the equator.
Vec3 EquatorFromEcliptic(const Vec3& v, double eps)
{
    const double c = std::cos(eps);
    const double s = std::sin(eps);
    return {v.x, c * v.y - s * v.z, s * v.y + c * v.z};
}
} // namespace

Vec3 EquatorialFromEcliptic(const Vec3& v)
{
    return EquatorFromEcliptic(v, kObliquityJ2000 * kDegToRad);
}

Vec3 EclipticFromEquatorial(const Vec3& v)
{
    return EquatorFromEcliptic(v, -kObliquityJ2000 * kDegToRad);
}

Equatorial EquatorialFromVector(const Vec3& v)
{
    const double d = Length(v);
    Equatorial eq{};
    eq.Distance = d;
    eq.RightAscension = ReduceDegrees(std::atan2(v.y, v.x) * kRadToDeg) / 15.0;
    eq.Declination = std::asin(v.z / d) * kRadToDeg;
    return eq;
}
} // namespace sky
