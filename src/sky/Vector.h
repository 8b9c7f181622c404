// Small vector and angle helpers shared by the ephemeris's sources.
#pragma once

#include "sky/Ephemeris.h"

#include <cmath>

namespace sky
{
inline Vec3 operator+(const Vec3& a, const Vec3& b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline Vec3 operator-(const Vec3& a, const Vec3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

inline Vec3 operator*(double s, const Vec3& v)
{
    return {s * v.x, s * v.y, s * v.z};
}

inline double Dot(const Vec3& a, const Vec3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double Length(const Vec3& v)
{
    return std::sqrt(Dot(v, v));
}

// The angle between two vectors, radians in [0, pi]; atan2 keeps it exact near 0 and pi.
inline double AngleBetween(const Vec3& a, const Vec3& b)
{
    return std::atan2(Length(Cross(a, b)), Dot(a, b));
}

// An angle in degrees reduced to [0, 360).
inline double ReduceDegrees(double deg)
{
    double r = std::fmod(deg, 360.0);
    if (r < 0.0)
        r += 360.0;
    // A tiny negative remainder rounds up to exactly 360.
    return r >= 360.0 ? 0.0 : r;
}

// The astrometric place of a body at `body` seen from the Earth at `earth` (both heliocentric,
// equatorial J2000, AU; the body's at the time its light left).
PlanetPlace PlanetPlaceFromVectors(const Vec3& body, const Vec3& earth);

// A unit vector from spherical angles in radians.
inline Vec3 FromSpherical(double lon, double lat, double length)
{
    const double c = std::cos(lat);
    return {length * c * std::cos(lon), length * c * std::sin(lon), length * std::sin(lat)};
}
} // namespace sky
