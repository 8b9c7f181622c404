#include "starmap/Globe.h"

#include <cmath>

namespace globe
{
namespace
{
double Frac(double x)
{
    return x - std::floor(x);
}

// Truncation toward zero into the range a window coordinate can have. NaN, infinities and
// absurd magnitudes (a corrupt catalogue) land at -32768, far off every window, instead of
// being converted with undefined behaviour.
int TruncToScreen(double v)
{
    if (!(v > -1.0e9 && v < 1.0e9))
        return -32768;
    return static_cast<int>(v);
}

// The rows of the horizon rule for L = 0 and |L| = 180 are written for H in -360..360, the
// range a fresh rotation and a right ascension give. After many reversals of the clock the
// rotation offset can leave that range; reducing such an H keeps the same point on the
// sphere and the same answer as sin H would give.
double ReduceHourAngle(double H)
{
    if (H > 360.0 || H < -360.0)
        return std::fmod(H, 360.0);
    return H;
}

bool IsFlat(float L)
{
    return std::trunc(std::fabs(L)) == 180.0f;
}
} // namespace

Tilt MakeTilt(float latDeg)
{
    return Tilt{latDeg, static_cast<float>(std::cos(latDeg * kDegToRad)),
                static_cast<float>(std::sin(latDeg * kDegToRad))};
}

Tilt TiltFromLocation(const LocationSetup& location)
{
    float lat = static_cast<float>(location.Lat.Degree);
    if (location.North)
        lat = -lat;
    return MakeTilt(lat);
}

double EastLongitude(const LocationSetup& location)
{
    const double degrees =
        location.Lon.Degree + location.Lon.Minute / 60.0 + location.Lon.Second / 3600.0;
    return location.West ? -degrees : degrees;
}

float MeridianOffset(double eastLongitude)
{
    return static_cast<float>(-90.0 - eastLongitude);
}

double StarRotation(int64_t ut, float ust)
{
    double angle = std::fmod(ust - skytime::CatalogueSiderealTime(ut, 0.0), 360.0);
    if (angle > 0.0)
        angle -= 360.0;
    if (angle <= -360.0)
        angle += 360.0;
    return angle;
}

double RotationAngle(int64_t ut, double rate, float offset)
{
    double angle = -360.0 * Frac(static_cast<double>(ut) * rate) + offset;
    if (angle <= -360.0)
        angle += 360.0;
    return angle;
}

ScreenPoint Project(const View& v, double H, double cosDec, double sinDec)
{
    const double h = H * kDegToRad;
    const double x = v.xCenter - v.r * cosDec * std::cos(h);
    const double y = v.yCenter - v.r * (sinDec * v.latCos - cosDec * std::sin(h) * v.latSin);
    return ScreenPoint{TruncToScreen(x), TruncToScreen(y)};
}

Tangents ScreenTangents(const View& v, double H, double dec)
{
    const double h = H * kDegToRad;
    const double sd = std::sin(dec), cd = std::cos(dec);
    // Of x = xc - r cd cos h and y = yc - r (sd cos L - cd sin h sin L): d/d(dec), and d/dh
    // divided by cos(dec), so that the east direction stays defined near the poles.
    return Tangents{v.r * sd * std::cos(h), -v.r * (cd * v.latCos + sd * std::sin(h) * v.latSin),
                    v.r * std::sin(h), v.r * std::cos(h) * v.latSin};
}

bool IsVisible(const View& v, double sinDec, double H, int row)
{
    const float L = v.lat;
    const double T = v.yCenter - v.r * sinDec / v.latCos;
    if (-90.0f <= L && L < 0.0f)
        return row >= T;
    if (0.0f < L && L <= 90.0f)
        return row <= T;
    if (-180.0f < L && L < -90.0f)
        return row <= T;
    if (90.0f < L && L < 180.0f)
        return row >= T;
    H = ReduceHourAngle(H);
    if (L == 0.0f)
        return (-180.0 <= H && H <= 0.0) || H >= 180.0;
    if (IsFlat(L))
        return H <= -180.0 || (0.0 <= H && H <= 180.0);
    return false;
}

StarMark StarMarkFor(float magnitude)
{
    if (magnitude <= 1.0f)
        return {4, -1};
    if (magnitude <= 2.0f)
        return {3, -1};
    if (magnitude <= 3.0f)
        return {2, -1};
    return {1, 0};
}

double SolDeclination(double tSol, double inclination)
{
    return std::asin(std::sin(inclination) * std::sin(tSol * kDegToRad));
}

bool IsGridPointVisible(bool parallel, const GridAngles& g, double decDeg, double sinDec, double H,
                        int row)
{
    const float L = g.lat;
    const double T = g.yCenter - g.r * sinDec / g.latCos;
    if (-90.0f < L && L < 0.0f)
        return row >= T;
    if (0.0f < L && L < 90.0f)
        return row <= T;
    if (-180.0f < L && L < -90.0f)
        return row <= T;
    if (90.0f < L && L < 180.0f)
        return row >= T;
    // At a pole a point and its mirror in the equator fall on the same pixel: one half of
    // each line draws the whole picture.
    if (L == 90.0f && decDeg >= 0.0)
        return true;
    if (L == -90.0f && decDeg <= 0.0)
        return true;
    if (parallel)
        return (L == 0.0f || IsFlat(L)) && H >= 180.0;
    H = ReduceHourAngle(H);
    if (L == 0.0f && ((-180.0 <= H && H <= 0.0) || H >= 180.0))
        return true;
    if (IsFlat(L))
        return H <= -180.0 || (0.0 <= H && H <= 180.0);
    return false;
}

std::array<GridLine, kGridLineCount> ComputeGrid(const GridAngles& g)
{
    std::array<GridLine, kGridLineCount> lines{};
    int n = 0;
    for (int i = 0; i < kParallelCount; ++i, ++n)
    {
        const int dec = -80 + 20 * i;
        const float cosDec = static_cast<float>(std::cos(dec * kDegToRad));
        const float sinDec = static_cast<float>(std::sin(dec * kDegToRad));
        GridLine& line = lines[n];
        line.color = dec == 0 ? kGridBlue : kGridGrey;
        line.count = kParallelSamples;
        for (int j = 0; j < kParallelSamples; ++j)
        {
            // A parallel is the same circle at any rotation: its samples ignore t.
            const double a = 10.0 * j;
            const double x = g.xCenter - g.r * cosDec * std::cos(a * kDegToRad);
            const double y =
                g.yCenter - g.r * (sinDec * g.latCos - std::sin(a * kDegToRad) * g.latSin * cosDec);
            const int row = TruncToScreen(y);
            line.points[j] = GridPoint{StoreCoord(TruncToScreen(x)), StoreCoord(row),
                                       IsGridPointVisible(true, g, dec, sinDec, a, row)};
        }
    }
    for (int i = 0; i < kMeridianCount; ++i, ++n)
    {
        const int ra = 30 * i;
        const double H = ra + g.t;
        const float cosH = static_cast<float>(std::cos(H * kDegToRad));
        const float sinH = static_cast<float>(std::sin(H * kDegToRad));
        GridLine& line = lines[n];
        line.color = (ra == 0 || ra == 180) ? kGridBlue : kGridGrey;
        line.count = kMeridianSamples;
        for (int j = 0; j < kMeridianSamples; ++j)
        {
            const int dec = -90 + 10 * j;
            const double cosDec = std::cos(dec * kDegToRad);
            const double sinDec = std::sin(dec * kDegToRad);
            const double x = g.xCenter - g.r * cosDec * cosH;
            const double y = g.yCenter - g.r * (sinDec * g.latCos - cosDec * g.latSin * sinH);
            const int row = TruncToScreen(y);
            line.points[j] = GridPoint{StoreCoord(TruncToScreen(x)), StoreCoord(row),
                                       IsGridPointVisible(false, g, dec, sinDec, H, row)};
        }
    }
    return lines;
}
bool CanZoomIn(uint16_t r, float yCenter)
{
    return static_cast<int>(yCenter * 0.5f + 1200) > r;
}

bool CanZoomOut(uint16_t r, float yCenter)
{
    return static_cast<int>(yCenter) / 6 < r;
}
} // namespace globe
