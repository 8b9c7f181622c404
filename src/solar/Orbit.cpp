#include "solar/Orbit.h"

#include <cfloat>
#include <cmath>

namespace solar
{
BodyRole RoleOf(const SolObjects& body, int slot)
{
    if (body.ID == 'P' && slot >= 0 && slot < 9)
        return BodyRole::Planet;
    if (body.ID == 'C')
        return BodyRole::Comet;
    return BodyRole::None;
}

void PlaceBodiesAt(SolObjects table[kSolarSlots], double jd)
{
    for (int k = 0; k < kSolarSlots; ++k)
        table[k].Place = sky::HeliocentricPlaceAt(table[k].Elements, jd);
}

void ScreenPoint(const sky::Vec3& p, float S, double Ox, double Oy, double& x, double& y)
{
    const double perAu = S * kAuInMkm;
    x = Ox + perAu * p.x;
    // Ecliptic y points to longitude 90 degrees, up on a screen whose rows grow downward.
    y = Oy - perAu * p.y;
}

void BodyPoint(const SolObjects& body, float S, double Ox, double Oy, double& x, double& y)
{
    ScreenPoint(body.Place.Position, S, Ox, Oy, x, y);
}

uint16_t ScreenCoord(double v)
{
    if (!(std::fabs(v) < 2147483648.0))
        return 32768;
    const auto whole = static_cast<int64_t>(v);
    return static_cast<uint16_t>(static_cast<uint64_t>(whole) & 0xFFFFu);
}

float ToSingle(double v)
{
    if (v > FLT_MAX)
        return FLT_MAX;
    if (v < -FLT_MAX)
        return -FLT_MAX;
    return static_cast<float>(v);
}

void OrbitOutlinePoints(const sky::OrbitalElements& elements, sky::Vec3 points[kOutlinePoints])
{
    for (int n = 0; n < kOutlinePoints; ++n)
        points[n] = sky::OrbitPointAt(elements, n * 5 * sky::kDegToRad);
}

void OutlineOnScreen(const sky::Vec3 points[kOutlinePoints], float S, double Ox, double Oy,
                     uint16_t xs[kOutlinePoints], uint16_t ys[kOutlinePoints])
{
    for (int n = 0; n < kOutlinePoints; ++n)
    {
        double x = 0, y = 0;
        ScreenPoint(points[n], S, Ox, Oy, x, y);
        xs[n] = ScreenCoord(x);
        ys[n] = ScreenCoord(y);
    }
}

void OrbitOutline(const SolObjects& body, float S, double Ox, double Oy,
                  uint16_t xs[kOutlinePoints], uint16_t ys[kOutlinePoints])
{
    sky::Vec3 points[kOutlinePoints];
    OrbitOutlinePoints(body.Elements, points);
    OutlineOnScreen(points, S, Ox, Oy, xs, ys);
}

float SunDistance(const SolObjects& body)
{
    return ToSingle(body.Place.Distance * kAuInMkm);
}

float ZoomInScale(float scale)
{
    if (scale > kMaxZoomScale)
        return 3.0f;
    return static_cast<float>(static_cast<double>(scale) + 0.04);
}

float ZoomOutScale(float scale)
{
    if (static_cast<double>(scale) >= 0.05)
        return static_cast<float>(static_cast<double>(scale) - 0.04);
    return kMinZoomScale;
}
} // namespace solar
