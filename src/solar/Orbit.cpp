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

double BodyPhase(float periodDays, uint64_t T)
{
    const double period = static_cast<double>(periodDays) * 86400.0;
    // A zero, negative or non-finite period (a damaged file) would make the angle NaN.
    if (!(period > 0.0) || !std::isfinite(period))
        return 0.0;
    const double q = static_cast<double>(T) / period;
    const double f = q - std::floor(q);
    return f * -360.0 * kDegToRad;
}

void BodyPoint(const SolObjects& body, double E, float S, double Ox, double Oy, double& x,
               double& y)
{
    const double a = body.SemiAxis;
    const double e = body.Eccentr;
    const double i = body.Inclin;
    const double w = body.ArgPer;
    const double aS = a * S;
    const double P = std::cos(i) * (aS * e);
    const double b = std::sqrt(1.0 - std::pow(e, 2.0));
    x = (std::cos(w) * (std::cos(E) * std::cos(i)) - b * (std::sin(w) * std::sin(E))) * aS +
        (std::cos(w) * P + Ox);
    y = (b * (std::cos(w) * std::sin(E)) + std::sin(w) * (std::cos(E) * std::cos(i))) * aS +
        (std::sin(w) * P + Oy);
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

void OrbitOutline(const SolObjects& body, float S, double Ox, double Oy,
                  uint16_t xs[kOutlinePoints], uint16_t ys[kOutlinePoints])
{
    for (int n = 0; n < kOutlinePoints; ++n)
    {
        double x = 0, y = 0;
        BodyPoint(body, n * 5 * kDegToRad, S, Ox, Oy, x, y);
        xs[n] = ScreenCoord(x);
        ys[n] = ScreenCoord(y);
    }
}

float SunDistance(const SolObjects& body)
{
    return ToSingle(std::fabs(1.0 + body.Eccentr * std::cos(body.tAng)) * body.SemiAxis);
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
