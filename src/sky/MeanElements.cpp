#include "sky/MeanElements.h"

#include "sky/TimeScales.h"
#include "sky/Vector.h"

#include <cmath>
#include <iterator>

namespace sky
{
namespace
{
// One planet's row of Table 2a (values at J2000.0 and rates per Julian century) and Table 2b.
struct MeanOrbit
{
    double a, e, I, L, perihelion, node;                  // au, -, degrees
    double aRate, eRate, IRate, LRate, perRate, nodeRate; // per century
    double b, c, s, f;                                    // degrees; f in degrees per century
};

// Standish, Tables 2a and 2b (3000 BC to 3000 AD), in the order of the Planet enumeration.
constexpr MeanOrbit kOrbits[] = {
    {0.38709843, 0.20563661, 7.00559432, 252.25166724, 77.45771895, 48.33961819, 0.00000000,
     0.00002123, -0.00590158, 149472.67486623, 0.15940013, -0.12214182, 0, 0, 0, 0},
    {0.72332102, 0.00676399, 3.39777545, 181.97970850, 131.76755713, 76.67261496, -0.00000026,
     -0.00005107, 0.00043494, 58517.81560260, 0.05679648, -0.27274174, 0, 0, 0, 0},
    {1.00000018, 0.01673163, -0.00054346, 100.46691572, 102.93005885, -5.11260389, -0.00000003,
     -0.00003661, -0.01337178, 35999.37306329, 0.31795260, -0.24123856, 0, 0, 0, 0},
    {1.52371243, 0.09336511, 1.85181869, -4.56813164, -23.91744784, 49.71320984, 0.00000097,
     0.00009149, -0.00724757, 19140.29934243, 0.45223625, -0.26852431, 0, 0, 0, 0},
    {5.20248019, 0.04853590, 1.29861416, 34.33479152, 14.27495244, 100.29282654, -0.00002864,
     0.00018026, -0.00322699, 3034.90371757, 0.18199196, 0.13024619, -0.00012452, 0.06064060,
     -0.35635438, 38.35125000},
    {9.54149883, 0.05550825, 2.49424102, 50.07571329, 92.86136063, 113.63998702, -0.00003065,
     -0.00032044, 0.00451969, 1222.11494724, 0.54179478, -0.25015002, 0.00025899, -0.13434469,
     0.87320147, 38.35125000},
    {19.18797948, 0.04685740, 0.77298127, 314.20276625, 172.43404441, 73.96250215, -0.00020455,
     -0.00001550, -0.00180155, 428.49512595, 0.09266985, 0.05739699, 0.00058331, -0.97731848,
     0.17689245, 7.67025000},
    {30.06952752, 0.00895439, 1.77005520, 304.22289287, 46.68158724, 131.78635853, 0.00006447,
     0.00000818, 0.00022400, 218.46515314, 0.01009938, -0.00606302, -0.00041348, 0.68346318,
     -0.10162547, 7.67025000},
    {39.48686035, 0.24885238, 17.14104260, 238.96535011, 224.09702598, 110.30167986, 0.00449751,
     0.00006016, 0.00000501, 145.18042903, -0.00968827, -0.00809981, -0.01262724, 0, 0, 0},
};
} // namespace

OrbitalElements MeanElementsAt(Planet planet, double jdTt)
{
    const auto index = static_cast<size_t>(planet);
    if (index >= std::size(kOrbits))
        return {std::nan(""), std::nan(""), 0, 0, 0, 0, std::nan("")};
    const MeanOrbit& o = kOrbits[index];
    const double T = CenturiesSinceJ2000(jdTt);
    const double perihelion = o.perihelion + o.perRate * T;
    const double node = o.node + o.nodeRate * T;
    const double fT = o.f * T * kDegToRad;
    const double M = ReduceDegrees(o.L + o.LRate * T - perihelion + o.b * T * T +
                                   o.c * std::cos(fT) + o.s * std::sin(fT));

    OrbitalElements el{};
    el.SemiAxis = o.a + o.aRate * T;
    el.Eccentricity = o.e + o.eRate * T;
    el.Inclination = o.I + o.IRate * T;
    el.AscendingNode = node;
    el.ArgPerihelion = perihelion - node;
    el.Period = 360.0 / o.LRate * kDaysPerJulianCentury;
    el.PerihelionDate = jdTt - M / 360.0 * el.Period;
    return el;
}

std::optional<OrbitalElements> OutlineElementsAt(Planet planet, double jdUt)
{
    if (planet == Planet::Pluto)
        return std::nullopt;
    const std::optional<HeliocentricPlace> place = HeliocentricPlaceAt(planet, jdUt);
    if (!place)
        return std::nullopt;
    const double jdTt = TerrestrialFromUniversal(jdUt);
    OrbitalElements el = MeanElementsAt(planet, jdTt);
    if (!ElementsAreUsable(el))
        return std::nullopt;
    // The orbit's plane: P toward the perihelion, Q 90 degrees on in the direction of motion
    // (the points of eccentric anomaly 0 and of true anomaly 90 degrees).
    const Vec3 perihelion = OrbitPointAt(el, 0.0);
    const Vec3 P = (1.0 / Length(perihelion)) * perihelion;
    const Vec3 W = Cross(P, OrbitPointAt(el, 0.5 * kPi) - perihelion);
    const Vec3 normal = (1.0 / Length(W)) * W;
    const Vec3 Q = Cross(normal, P);
    // The planet's true anomaly and distance in that plane.
    const Vec3& p = place->Position;
    const double nu = std::atan2(Dot(p, Q), Dot(p, P));
    const double r = std::hypot(Dot(p, P), Dot(p, Q));
    const double e = el.Eccentricity;
    el.SemiAxis = r * (1.0 + e * std::cos(nu)) / (1.0 - e * e);
    const double E = 2.0 * std::atan(std::sqrt((1.0 - e) / (1.0 + e)) * std::tan(0.5 * nu));
    const double M = E - e * std::sin(E);
    el.PerihelionDate = jdTt - M / (2.0 * kPi) * el.Period;
    return el;
}
} // namespace sky
