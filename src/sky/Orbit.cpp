// Heliocentric places from Keplerian elements.
#include "sky/Ephemeris.h"
#include "sky/Vector.h"

#include <algorithm>
#include <cmath>

namespace sky
{
double JulianDateFromInstant(int64_t secondsSince1901)
{
    // Whole days and the remaining seconds apart, so that the fraction keeps full precision.
    const int64_t days = secondsSince1901 / 86400;
    const int64_t rest = secondsSince1901 % 86400;
    return kJulianDate1901 + static_cast<double>(days) + static_cast<double>(rest) / kSecondsPerDay;
}

double CenturiesSinceJ2000(double jd)
{
    return (jd - kJulianDateJ2000) / kDaysPerJulianCentury;
}

bool ElementsAreUsable(const OrbitalElements& el)
{
    const double all[] = {el.SemiAxis,      el.Eccentricity,   el.Inclination, el.AscendingNode,
                          el.ArgPerihelion, el.PerihelionDate, el.Period};
    for (const double v : all)
        if (!std::isfinite(v))
            return false;
    return el.SemiAxis > 0.0 && el.Eccentricity >= 0.0 && el.Eccentricity < 1.0 && el.Period > 0.0;
}

double SolveKepler(double meanAnomaly, double e)
{
    if (!std::isfinite(meanAnomaly) || !(e >= 0.0 && e < 1.0))
        return std::nan("");
    const double m = std::remainder(meanAnomaly, 2.0 * kPi);
    // Solved for |M| in [0, pi]; E is odd in M.
    const double sign = m < 0.0 ? -1.0 : 1.0;
    const double am = std::fabs(m);
    // f(E) = E - e sin E - M is increasing, f(M) <= 0 and f(min(M + e, pi)) >= 0.
    double lo = am;
    double hi = std::min(am + e, kPi);
    // Danby's starting value M + 0.85 e, within the bracket.
    double E = std::min(am + 0.85 * e, hi);
    for (int i = 0; i < 60; ++i)
    {
        const double f = E - e * std::sin(E) - am;
        if (std::fabs(f) < 1e-12)
            break;
        if (f > 0.0)
            hi = E;
        else
            lo = E;
        const double step = f / (1.0 - e * std::cos(E));
        double next = E - step;
        // Near M = 0 with e close to 1 the derivative 1 - e cos E is small and Newton can
        // overshoot: bisect instead whenever it leaves the bracket.
        if (!(next > lo && next < hi))
            next = 0.5 * (lo + hi);
        if (next == E)
            break;
        E = next;
    }
    return sign * E;
}

double MeanAnomalyAt(const OrbitalElements& el, double jd)
{
    const double turns = (jd - el.PerihelionDate) / el.Period;
    return 2.0 * kPi * (turns - std::floor(turns));
}

Vec3 OrbitPointAt(const OrbitalElements& el, double E)
{
    const double a = el.SemiAxis;
    const double e = el.Eccentricity;
    // Position in the orbit's plane, x' toward perihelion (Roy, Orbital Motion, ch. 4).
    const double xp = a * (std::cos(E) - e);
    const double yp = a * std::sqrt(1.0 - e * e) * std::sin(E);

    const double w = el.ArgPerihelion * kDegToRad;
    const double node = el.AscendingNode * kDegToRad;
    const double inc = el.Inclination * kDegToRad;
    const double cw = std::cos(w), sw = std::sin(w);
    const double cn = std::cos(node), sn = std::sin(node);
    const double ci = std::cos(inc), si = std::sin(inc);
    // R_z(node) R_x(i) R_z(w) applied to (x', y', 0) (Meeus, ch. 33, with the ecliptic as the
    // reference plane).
    return {(cw * cn - sw * sn * ci) * xp + (-sw * cn - cw * sn * ci) * yp,
            (cw * sn + sw * cn * ci) * xp + (-sw * sn + cw * cn * ci) * yp,
            (sw * si) * xp + (cw * si) * yp};
}

HeliocentricPlace HeliocentricPlaceAt(const OrbitalElements& el, double jd)
{
    HeliocentricPlace place{};
    if (!ElementsAreUsable(el))
    {
        const double nan = std::nan("");
        return {{nan, nan, nan}, nan, nan, nan, nan};
    }
    place.EccentricAnomaly = SolveKepler(MeanAnomalyAt(el, jd), el.Eccentricity);
    place.Position = OrbitPointAt(el, place.EccentricAnomaly);
    place.Distance = Length(place.Position);
    place.Longitude = ReduceDegrees(std::atan2(place.Position.y, place.Position.x) * kRadToDeg);
    place.Latitude = std::asin(place.Position.z / place.Distance) * kRadToDeg;
    return place;
}
} // namespace sky
