// The Moon's geocentric place and phase.
#include "sky/Ephemeris.h"
#include "sky/Vector.h"

#include <cmath>

namespace sky
{
namespace
{
// A periodic term of Meeus, ch. 47: multiples of D (mean elongation), M (Sun's mean anomaly),
// M' (Moon's mean anomaly) and F (argument of latitude), and the coefficients of the sine in
// longitude (1e-6 degrees) and of the cosine in distance (1e-3 km).
struct LongitudeTerm
{
    signed char d, m, mp, f;
    int sl;
    int sr;
};

// Meeus, table 47.A, complete.
constexpr LongitudeTerm kLongitudeTerms[] = {
    {0, 0, 1, 0, 6288774, -20905355},
    {2, 0, -1, 0, 1274027, -3699111},
    {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888},
    {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},
    {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},
    {0, 1, -1, 0, -40923, -129620},
    {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},
    {2, 0, 0, -2, 15327, 10321},
    {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782},
    {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},
    {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},
    {1, 1, 0, 0, 4987, -16675},
    {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},
    {4, 0, 0, 0, 3861, -11650},
    {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0},
    {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},
    {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},
    {2, -2, -1, 0, 2048, -4950},
    {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},
    {4, -1, -1, 0, 1215, -3958},
    {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616},
    {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},
    {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},
    {4, 0, 1, 0, 549, -1423},
    {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},
    {1, 0, -2, 0, -487, -1739},
    {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0},
    {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},
    {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},
    {2, 0, 3, 0, 294, 0},
    {2, 0, -1, -2, 0, 8752},
};

struct LatitudeTerm
{
    signed char d, m, mp, f;
    int sb; // coefficient of the sine, 1e-6 degrees
};

// Meeus, table 47.B, its 30 largest terms; the 30 left out are each under 0.0008 degrees.
constexpr LatitudeTerm kLatitudeTerms[] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},
};

// Terms with the Sun's mean anomaly are scaled by E, the decreasing eccentricity of the
// Earth's orbit, once per multiple of M (Meeus, eq. 47.6).
double EccentricityFactor(int m, double E)
{
    const int k = m < 0 ? -m : m;
    return k == 0 ? 1.0 : (k == 1 ? E : E * E);
}

struct EclipticOfDate
{
    double longitude; // degrees
    double latitude;  // degrees
    double distance;  // km
};

EclipticOfDate MoonEclipticOfDate(double T)
{
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    // Meeus, eqs. 47.1 to 47.5, degrees.
    const double Lp =
        218.3164477 + 481267.88123421 * T - 0.0015786 * T2 + T3 / 538841.0 - T4 / 65194000.0;
    const double D =
        297.8501921 + 445267.1114034 * T - 0.0018819 * T2 + T3 / 545868.0 - T4 / 113065000.0;
    const double M = 357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000.0;
    const double Mp =
        134.9633964 + 477198.8675055 * T + 0.0087414 * T2 + T3 / 69699.0 - T4 / 14712000.0;
    const double F =
        93.2720950 + 483202.0175233 * T - 0.0036539 * T2 - T3 / 3526000.0 + T4 / 863310000.0;
    const double A1 = 119.75 + 131.849 * T;
    const double A2 = 53.09 + 479264.290 * T;
    const double A3 = 313.45 + 481266.484 * T;
    const double E = 1.0 - 0.002516 * T - 0.0000074 * T2;

    const double d = ReduceDegrees(D) * kDegToRad, m = ReduceDegrees(M) * kDegToRad;
    const double mp = ReduceDegrees(Mp) * kDegToRad, f = ReduceDegrees(F) * kDegToRad;

    double sl = 0.0, sr = 0.0, sb = 0.0;
    for (const LongitudeTerm& t : kLongitudeTerms)
    {
        const double arg = t.d * d + t.m * m + t.mp * mp + t.f * f;
        const double k = EccentricityFactor(t.m, E);
        sl += k * t.sl * std::sin(arg);
        sr += k * t.sr * std::cos(arg);
    }
    for (const LatitudeTerm& t : kLatitudeTerms)
        sb += EccentricityFactor(t.m, E) * t.sb * std::sin(t.d * d + t.m * m + t.mp * mp + t.f * f);

    // Venus (A1), Jupiter (A2) and the flattening of the Earth (L' terms), Meeus, ch. 47.
    const double lp = ReduceDegrees(Lp) * kDegToRad;
    sl += 3958.0 * std::sin(A1 * kDegToRad) + 1962.0 * std::sin(lp - f) +
          318.0 * std::sin(A2 * kDegToRad);
    sb += -2235.0 * std::sin(lp) + 382.0 * std::sin(A3 * kDegToRad) +
          175.0 * std::sin(A1 * kDegToRad - f) + 175.0 * std::sin(A1 * kDegToRad + f) +
          127.0 * std::sin(lp - mp) - 115.0 * std::sin(lp + mp);

    return {ReduceDegrees(Lp + sl / 1e6), sb / 1e6, 385000.56 + sr / 1000.0};
}
} // namespace

MoonPhase PhaseFromElongation(double elongation)
{
    const double e = ReduceDegrees(elongation);
    constexpr MoonPhase principal[] = {MoonPhase::NewMoon, MoonPhase::FirstQuarter,
                                       MoonPhase::FullMoon, MoonPhase::LastQuarter,
                                       MoonPhase::NewMoon};
    constexpr MoonPhase between[] = {MoonPhase::WaxingCrescent, MoonPhase::WaxingGibbous,
                                     MoonPhase::WaningGibbous, MoonPhase::WaningCrescent};
    // The nearest quarter of the cycle (0 to 4, 4 being the next new Moon).
    const int nearest = static_cast<int>(std::floor((e + 45.0) / 90.0));
    if (std::fabs(e - 90.0 * nearest) <= kPrincipalPhaseHalfWidth)
        return principal[nearest];
    return between[static_cast<int>(e / 90.0)];
}

const char* PhaseName(MoonPhase phase)
{
    switch (phase)
    {
    case MoonPhase::NewMoon:
        return "New Moon";
    case MoonPhase::WaxingCrescent:
        return "Waxing Crescent";
    case MoonPhase::FirstQuarter:
        return "First Quarter";
    case MoonPhase::WaxingGibbous:
        return "Waxing Gibbous";
    case MoonPhase::FullMoon:
        return "Full Moon";
    case MoonPhase::WaningGibbous:
        return "Waning Gibbous";
    case MoonPhase::LastQuarter:
        return "Last Quarter";
    case MoonPhase::WaningCrescent:
        return "Waning Crescent";
    }
    return "";
}

MoonPlace MoonPlaceAt(double jd)
{
    const double T = CenturiesSinceJ2000(jd);
    const EclipticOfDate ecl = MoonEclipticOfDate(T);
    const Vec3 ofDate = MeanEquatorFromMeanEcliptic(
        FromSpherical(ecl.longitude * kDegToRad, ecl.latitude * kDegToRad, ecl.distance / kKmPerAu),
        T);

    MoonPlace moon{};
    moon.Position = J2000FromMeanEquatorOfDate(ofDate, T);
    const Equatorial eq = EquatorialFromVector(moon.Position);
    moon.RightAscension = eq.RightAscension;
    moon.Declination = eq.Declination;
    moon.Distance = ecl.distance;

    const SunPlace sun = SunPlaceAt(jd);
    // Phase angle: the angle at the Moon between the Sun and the Earth (Meeus, eqs. 48.2 and
    // 48.3 in vector form), and the lit fraction of the disc (eq. 48.1).
    const double i = AngleBetween(sun.Position - moon.Position, -1.0 * moon.Position);
    moon.PhaseAngle = i * kRadToDeg;
    moon.IlluminatedFraction = 0.5 * (1.0 + std::cos(i));

    // Position angle of the bright limb (Meeus, eq. 48.5), with both bodies in the catalogue's
    // frame so that it is measured from the north that the map draws.
    const double a0 = sun.RightAscension * 15.0 * kDegToRad, d0 = sun.Declination * kDegToRad;
    const double a = moon.RightAscension * 15.0 * kDegToRad, d = moon.Declination * kDegToRad;
    const double chi =
        std::atan2(std::cos(d0) * std::sin(a0 - a),
                   std::sin(d0) * std::cos(d) - std::cos(d0) * std::sin(d) * std::cos(a0 - a));
    moon.BrightLimbAngle = ReduceDegrees(chi * kRadToDeg);

    moon.Elongation = ReduceDegrees(ecl.longitude - sun.Longitude);
    moon.Age = moon.Elongation / 360.0 * kSynodicMonth;
    moon.Phase = PhaseFromElongation(moon.Elongation);
    return moon;
}
} // namespace sky
