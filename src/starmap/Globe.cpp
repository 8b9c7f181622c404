#include "starmap/Globe.h"

#include "sky/Vector.h"

#include <algorithm>
#include <cmath>

namespace globe
{
namespace
{
// NaN, infinities and absurd magnitudes (a damaged catalogue) land far off every window.
int ToScreen(double v, bool floor)
{
    if (!(v > -1.0e9 && v < 1.0e9))
        return -32768;
    return static_cast<int>(floor ? std::floor(v) : v);
}

// The direction turned by the rotation: (cos(dec) cos H, cos(dec) sin H, sin(dec)).
sky::Vec3 Turn(const View& v, const sky::Vec3& d)
{
    return {d.x * v.cosT - d.y * v.sinT, d.x * v.sinT + d.y * v.cosT, d.z};
}

ScreenPoint Project(const View& v, const sky::Vec3& turned)
{
    return {v.xCenter - v.r * turned.x,
            v.yCenter - v.r * (turned.z * v.tilt.latCos - turned.y * v.tilt.latSin)};
}

double DecimalDegrees(const Coordinate& c)
{
    return c.Degree + c.Minute / 60.0 + c.Second / 3600.0;
}

// A point on the rim counts as visible: its sin H may come out a rounding error off zero.
constexpr double kOnTheRim = 1e-12;

bool IsVisible(const View& v, const sky::Vec3& turned, double y)
{
    // A point without a place (a damaged catalogue) is on no side.
    if (!std::isfinite(y) || !std::isfinite(turned.x))
        return false;
    const double L = v.tilt.lat;
    // The row is truncated toward zero, as the horizon rule has always taken it.
    const int row = ToScreen(y, false);
    const double T = v.yCenter - v.r * turned.z / v.tilt.latCos;
    if ((-90.0 <= L && L < 0.0) || (90.0 < L && L < 180.0))
        return row >= T;
    if ((0.0 < L && L <= 90.0) || (-180.0 < L && L < -90.0))
        return row <= T;
    if (L == 0.0)
        return turned.y <= kOnTheRim;
    if (std::trunc(std::fabs(L)) == 180.0)
        return turned.y >= -kOnTheRim;
    return false;
}

// Grid points this close behind the disc's plane still count as in front: at a pole the
// equator lies in that plane, and rounding must not cut it in two.
constexpr double kGridHorizon = 1e-9;
} // namespace

Tilt MakeTilt(double latDeg)
{
    return Tilt{latDeg, std::cos(latDeg * kDegToRad), std::sin(latDeg * kDegToRad)};
}

Tilt TiltFromLocation(const LocationSetup& location)
{
    const double lat = location.Lat.Degree;
    return MakeTilt(location.North ? -lat : lat);
}

double EastLongitude(const LocationSetup& location)
{
    return location.West ? -DecimalDegrees(location.Lon) : DecimalDegrees(location.Lon);
}

double Latitude(const LocationSetup& location)
{
    return location.North ? DecimalDegrees(location.Lat) : -DecimalDegrees(location.Lat);
}

double ReduceRotation(double degrees)
{
    double angle = std::fmod(degrees, 360.0);
    if (angle > 0.0)
        angle -= 360.0;
    if (angle <= -360.0)
        angle += 360.0;
    return angle;
}

sky::Vec3 Direction(double raDeg, double decRad)
{
    return sky::FromSpherical(raDeg * kDegToRad, decRad, 1.0);
}

View MakeView(double xCenter, double yCenter, double r, const Tilt& tilt, double t,
              bool transparent)
{
    return View{xCenter,    yCenter, r, tilt, std::cos(t * kDegToRad), std::sin(t * kDegToRad),
                transparent};
}

GlobePlace PlaceOnGlobe(const View& v, const sky::Vec3& d)
{
    const sky::Vec3 turned = Turn(v, d);
    const ScreenPoint at = Project(v, turned);
    return {at, v.transparent ? std::isfinite(at.x) && std::isfinite(at.y)
                              : IsVisible(v, turned, at.y)};
}

int Pixel(double v)
{
    return ToScreen(v, true);
}

Tangents ScreenTangents(const View& v, const sky::Vec3& d)
{
    const sky::Vec3 turned = Turn(v, d);
    const double h = std::atan2(turned.y, turned.x);
    const double dec = std::asin(std::clamp(turned.z, -1.0, 1.0));
    const double sd = std::sin(dec), cd = std::cos(dec);
    const double cosL = v.tilt.latCos, sinL = v.tilt.latSin;
    // Of x = xc - r cd cos h and y = yc - r (sd cos L - cd sin h sin L): d/d(dec), and d/dh
    // divided by cos(dec), so that the east direction stays defined near the poles.
    return Tangents{v.r * sd * std::cos(h), -v.r * (cd * cosL + sd * std::sin(h) * sinL),
                    v.r * std::sin(h), v.r * std::cos(h) * sinL};
}

StarMark StarMarkFor(float magnitude)
{
    // A magnitude that is not a number is as faint as any.
    if (!(magnitude <= 3.0f))
        return {1, 0};
    return {magnitude <= 1.0f ? 4 : magnitude <= 2.0f ? 3 : 2, -1};
}

bool CanZoomIn(double r, double yCenter)
{
    return std::floor(yCenter * 0.5 + 1200.0) > r;
}

bool CanZoomOut(double r, double yCenter)
{
    return std::floor(std::floor(yCenter) / 6.0) < r;
}

std::vector<GridLine> MakeGrid(int samplesPerTurn)
{
    samplesPerTurn = std::max(36, samplesPerTurn / 4 * 4);
    const double step = 360.0 / samplesPerTurn;
    std::vector<GridLine> lines;
    for (int i = 0; i < kParallelCount; ++i)
    {
        const int dec = -80 + 20 * i;
        GridLine line{dec == 0 ? kGridBlue : kGridGrey, {}};
        for (int j = 0; j <= samplesPerTurn; ++j)
            line.points.push_back(Direction(j * step, dec * kDegToRad));
        lines.push_back(std::move(line));
    }
    for (int i = 0; i < kMeridianCount; ++i)
    {
        const int ra = 30 * i;
        GridLine line{(ra == 0 || ra == 180) ? kGridBlue : kGridGrey, {}};
        for (int j = 0; j <= samplesPerTurn / 2; ++j)
            line.points.push_back(Direction(ra, (-90.0 + j * step) * kDegToRad));
        lines.push_back(std::move(line));
    }
    return lines;
}

int GridSamplesFor(double r)
{
    // A chord of angle a lies r a^2 / 8 inside its arc: a quarter of a pixel at most.
    if (!(r > 0.0))
        return 36;
    const double a = std::sqrt(2.0 / r);
    const int samples = static_cast<int>(std::ceil(2.0 * sky::kPi / a / 4.0)) * 4;
    return std::clamp(samples, 36, 720);
}

void AppendVisiblePieces(const View& v, const std::vector<sky::Vec3>& points,
                         std::vector<std::vector<ScreenPoint>>& out)
{
    std::vector<ScreenPoint> piece;
    // A piece that only touches the horizon at one point (a pole on the rim) shows nothing.
    const auto close = [&]
    {
        const auto away = [&](const ScreenPoint& p)
        { return std::fabs(p.x - piece[0].x) + std::fabs(p.y - piece[0].y) > 1e-6; };
        if (piece.size() >= 2 && std::any_of(piece.begin() + 1, piece.end(), away))
            out.push_back(std::move(piece));
        piece.clear();
    };
    sky::Vec3 last{};
    double lastDepth = 0;
    for (size_t i = 0; i < points.size(); ++i)
    {
        const sky::Vec3 turned = Turn(v, points[i]);
        // The depth behind the disc's plane: <= 0 on the visible side.
        const double depth = turned.z * v.tilt.latSin + turned.y * v.tilt.latCos - kGridHorizon;
        if (i > 0 && (depth <= 0) != (lastDepth <= 0))
        {
            // The horizon between the two samples, on the chord: close enough to the circle
            // for samples a few degrees apart.
            const double s = lastDepth / (lastDepth - depth);
            const sky::Vec3 cut = last + s * (turned - last);
            piece.push_back(Project(v, cut));
            if (depth > 0)
                close();
        }
        if (depth <= 0)
            piece.push_back(Project(v, turned));
        last = turned;
        lastDepth = depth;
    }
    close();
}
} // namespace globe
