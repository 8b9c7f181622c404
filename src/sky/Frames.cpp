// Turns between the ecliptic, the equator of date and the equator of J2000.0.
#include "sky/Ephemeris.h"
#include "sky/Vector.h"

#include <cmath>

namespace sky
{
namespace
{
constexpr double kArcsecToRad = kDegToRad / 3600.0;

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

Vec3 MeanEquatorFromMeanEcliptic(const Vec3& v, double T)
{
    return EquatorFromEcliptic(v, MeanObliquity(T) * kDegToRad);
}

double MeanObliquity(double T)
{
    // 23 deg 26' 21.448" - 46.8150" T - 0.00059" T^2 + 0.001813" T^3.
    return kObliquityJ2000 + (T * (-46.8150 + T * (-0.00059 + T * 0.001813))) / 3600.0;
}

Vec3 J2000FromMeanEquatorOfDate(const Vec3& v, double T)
{
    // Precession angles from J2000.0 to the epoch T (Meeus, eq. 21.3 with the starting epoch
    // J2000.0), arcseconds.
    const double zeta = T * (2306.2181 + T * (0.30188 + T * 0.017998)) * kArcsecToRad;
    const double z = T * (2306.2181 + T * (1.09468 + T * 0.018203)) * kArcsecToRad;
    const double theta = T * (2004.3109 + T * (-0.42665 - T * 0.041833)) * kArcsecToRad;
    const double cz = std::cos(zeta), sz = std::sin(zeta);
    const double cZ = std::cos(z), sZ = std::sin(z);
    const double ct = std::cos(theta), st = std::sin(theta);
    // The matrix P = R_z(-z) R_y(theta) R_z(-zeta) takes J2000.0 to the date; its transpose
    // takes the date back.
    const double p[3][3] = {
        {cz * ct * cZ - sz * sZ, -sz * ct * cZ - cz * sZ, -st * cZ},
        {cz * ct * sZ + sz * cZ, -sz * ct * sZ + cz * cZ, -st * sZ},
        {cz * st, -sz * st, ct},
    };
    return {p[0][0] * v.x + p[1][0] * v.y + p[2][0] * v.z,
            p[0][1] * v.x + p[1][1] * v.y + p[2][1] * v.z,
            p[0][2] * v.x + p[1][2] * v.y + p[2][2] * v.z};
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
