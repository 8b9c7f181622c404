#include "solar/Orbit.h"

#include "sky/MeanElements.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <optional>

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

bool HasErfaPlace(const SolObjects& body, int slot)
{
    return RoleOf(body, slot) == BodyRole::Planet && slot <= static_cast<int>(sky::Planet::Neptune);
}

void PlaceBodiesAt(SolObjects table[kSolarSlots], double jd)
{
    for (int k = 0; k < kSolarSlots; ++k)
    {
        std::optional<sky::HeliocentricPlace> place;
        if (HasErfaPlace(table[k], k))
            place = sky::HeliocentricPlaceAt(static_cast<sky::Planet>(k), jd);
        table[k].Place = place ? *place : sky::HeliocentricPlaceAt(table[k].Elements, jd);
    }
}

sky::OrbitalElements OutlineElementsOf(const SolObjects& body, int slot, double jd)
{
    std::optional<sky::OrbitalElements> elements;
    if (HasErfaPlace(body, slot))
        elements = sky::OutlineElementsAt(static_cast<sky::Planet>(slot), jd);
    return elements ? *elements : body.Elements;
}

Projection CentredProjection(double width, double height, float scale)
{
    return {{width / 2, height / 2}, scale * height / kReferenceHeight};
}

Point ProjectPoint(const Projection& projection, const sky::Vec3& p)
{
    const double perAu = projection.pixelsPerMkm * kAuInMkm;
    // Ecliptic y points to longitude 90 degrees, up on a screen whose rows grow downward.
    return {projection.sun.x + perAu * p.x, projection.sun.y - perAu * p.y};
}

float ToSingle(double v)
{
    return static_cast<float>(
        std::clamp(v, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

std::vector<sky::Vec3> OrbitOutlinePoints(const sky::OrbitalElements& el)
{
    if (!sky::ElementsAreUsable(el))
        return {};
    // The ellipse is a (cos E - e) P + b sin E Q for the unit vectors P (to the perihelion)
    // and Q of its plane; two points of sky::OrbitPointAt give them, so that the rotation
    // stays written once, and the rest is a turn of (cos E, sin E) by a fixed step.
    const double a = el.SemiAxis, e = el.Eccentricity, b = a * std::sqrt(1 - e * e);
    const sky::Vec3 peri = sky::OrbitPointAt(el, 0), quarter = sky::OrbitPointAt(el, sky::kPi / 2);
    const double pScale = 1 / (a * (1 - e));
    const sky::Vec3 P{peri.x * pScale, peri.y * pScale, peri.z * pScale};
    const sky::Vec3 Q{(quarter.x + a * e * P.x) / b, (quarter.y + a * e * P.y) / b,
                      (quarter.z + a * e * P.z) / b};
    constexpr int kChords = kOutlinePoints - 1;
    const double stepCos = std::cos(2 * sky::kPi / kChords);
    const double stepSin = std::sin(2 * sky::kPi / kChords);
    std::vector<sky::Vec3> points(kOutlinePoints);
    double c = 1, s = 0;
    for (int n = 0; n < kChords; ++n)
    {
        const double u = a * (c - e), v = b * s;
        points[n] = {u * P.x + v * Q.x, u * P.y + v * Q.y, u * P.z + v * Q.z};
        // A thousand turns by the step lose some 1e-13 of the radius to rounding.
        const double turned = c * stepCos - s * stepSin;
        s = s * stepCos + c * stepSin;
        c = turned;
    }
    points[kChords] = points[0];
    return points;
}

int OutlineStride(double pixels)
{
    // A circle of radius r drawn with n chords strays r (1 - cos(pi / n)), about
    // r pi^2 / 2 n^2, from its arc: a quarter of a pixel needs n >= pi sqrt(2 r).
    const double needed = sky::kPi * std::sqrt(2 * std::max(pixels, 0.0));
    int stride = 16;
    while (stride > 1 && (kOutlinePoints - 1) / stride < needed)
        stride /= 2;
    return stride;
}

std::vector<std::vector<Point>> OutlineRuns(const std::vector<sky::Vec3>& points,
                                            const sky::OrbitalElements& elements,
                                            const Projection& projection, const double area[4])
{
    const double perAu = projection.pixelsPerMkm * kAuInMkm;
    const Point& sun = projection.sun;
    const double farthest = std::hypot(std::max(sun.x - area[0], area[2] - sun.x),
                                       std::max(sun.y - area[1], area[3] - sun.y));
    std::vector<std::vector<Point>> runs;
    if (points.empty() || elements.SemiAxis * (1 - elements.Eccentricity) * perAu > farthest)
        return runs;
    const size_t stride = static_cast<size_t>(OutlineStride(elements.SemiAxis * perAu));
    std::vector<Point> run;
    Point last = ProjectPoint(projection, points[0]);
    for (size_t n = stride; n < points.size(); n += stride)
    {
        const Point next = ProjectPoint(projection, points[n]);
        Point a = last, b = next;
        last = next;
        const bool shown = ClipSegment(a, b, area);
        // A run ends where the outline leaves the area or is cut.
        if (!run.empty() && (!shown || run.back().x != a.x || run.back().y != a.y))
        {
            runs.push_back(run);
            run.clear();
        }
        if (!shown)
            continue;
        if (run.empty())
            run.push_back(a);
        run.push_back(b);
    }
    if (!run.empty())
        runs.push_back(run);
    return runs;
}

bool ClipSegment(Point& a, Point& b, const double area[4])
{
    // Most segments of the outer orbits lie wholly beyond one edge.
    if ((a.x < area[0] && b.x < area[0]) || (a.x > area[2] && b.x > area[2]) ||
        (a.y < area[1] && b.y < area[1]) || (a.y > area[3] && b.y > area[3]))
        return false;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - area[0], area[2] - a.x, a.y - area[1], area[3] - a.y};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i)
    {
        if (!std::isfinite(p[i]) || !std::isfinite(q[i]))
            return false;
        if (p[i] == 0)
        {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const Point start = a;
    a = {start.x + t0 * dx, start.y + t0 * dy};
    b = {start.x + t1 * dx, start.y + t1 * dy};
    return true;
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
