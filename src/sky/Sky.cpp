// The Sun, the Moon and the planets from ERFA, and the sky of date.
#include "sky/Sky.h"

#include "sky/TimeScales.h"
#include "sky/Vector.h"

#include <cmath>
#include <erfa.h>
#include <type_traits>

namespace sky
{
namespace
{
// ERFA's two-part dates: J2000.0 and the days from it, which keeps the fraction's precision.
constexpr double kEpoch = kJulianDateJ2000;

// Beyond about 1000 BC and 5000 AD Delta T is a guess of hours and the series are far outside
// their spans: such dates are refused rather than drawn.
constexpr double kFirstComputable = 1356000.5;
constexpr double kLastComputable = 3547000.5;

bool IsComputable(double jd)
{
    return jd >= kFirstComputable && jd <= kLastComputable;
}

constexpr double kMetresPerAu = kKmPerAu * 1000.0;

Vec3 VectorOf(const double p[3])
{
    return {p[0], p[1], p[2]};
}

Vec3 Rotate(const double m[3][3], const Vec3& v)
{
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

// The Earth's heliocentric position at `tt`, equatorial J2000, AU. eraEpv00's status +1 (a
// date outside 1900 to 2100) only says that its series is less precise there.
Vec3 EarthAt(double tt)
{
    double pvh[2][3], pvb[2][3];
    eraEpv00(kEpoch, tt - kEpoch, pvh, pvb);
    return VectorOf(pvh[0]);
}

// Ecliptic longitude of date, degrees in [0, 360), of an equatorial J2000 vector.
double LongitudeOfDate(const double ecm[3][3], const Vec3& v)
{
    const Vec3 e = Rotate(ecm, v);
    return ReduceDegrees(std::atan2(e.y, e.x) * kRadToDeg);
}

SunPlace SunFromEarth(const Vec3& earth, const double ecm[3][3])
{
    SunPlace sun{};
    sun.Position = -1.0 * earth;
    const Equatorial eq = EquatorialFromVector(sun.Position);
    sun.RightAscension = eq.RightAscension;
    sun.Declination = eq.Declination;
    sun.Distance = eq.Distance;
    sun.Longitude = LongitudeOfDate(ecm, sun.Position);
    return sun;
}

// The position angle, from the north through the east, of the point (ra0, dec0) seen from
// (ra, dec); all in degrees (Meeus, Astronomical Algorithms, eq. 48.5).
double PositionAngle(double ra0, double dec0, double ra, double dec)
{
    const double a0 = ra0 * kDegToRad, d0 = dec0 * kDegToRad;
    const double a = ra * kDegToRad, d = dec * kDegToRad;
    const double chi =
        std::atan2(std::cos(d0) * std::sin(a0 - a),
                   std::sin(d0) * std::cos(d) - std::cos(d0) * std::sin(d) * std::cos(a0 - a));
    return ReduceDegrees(chi * kRadToDeg);
}

MoonPlace MoonAt(double tt, const SunPlace& sun, const double ecm[3][3])
{
    double pv[2][3];
    eraMoon98(kEpoch, tt - kEpoch, pv);
    MoonPlace moon{};
    moon.Position = VectorOf(pv[0]);
    const Equatorial eq = EquatorialFromVector(moon.Position);
    moon.RightAscension = eq.RightAscension;
    moon.Declination = eq.Declination;
    moon.Distance = eq.Distance * kKmPerAu;
    // Phase angle: at the Moon, between the Sun and the Earth (Meeus, eqs. 48.2 and 48.3 in
    // vector form), and the lit fraction of the disc (eq. 48.1).
    const double i = AngleBetween(sun.Position - moon.Position, -1.0 * moon.Position);
    moon.PhaseAngle = i * kRadToDeg;
    moon.IlluminatedFraction = 0.5 * (1.0 + std::cos(i));
    moon.BrightLimbAngle = PositionAngle(sun.RightAscension * 15.0, sun.Declination,
                                         moon.RightAscension * 15.0, moon.Declination);
    moon.Elongation = ReduceDegrees(LongitudeOfDate(ecm, moon.Position) - sun.Longitude);
    moon.Age = moon.Elongation / 360.0 * kSynodicMonth;
    moon.Phase = PhaseFromElongation(moon.Elongation);
    return moon;
}

// eraPlan94's planet number: 1 Mercury ... 3 the Earth-Moon barycentre ... 8 Neptune.
int ErfaPlanetNumber(Planet planet)
{
    return static_cast<int>(planet) + 1;
}

// The heliocentric position of planet `np` at `tt`, equatorial J2000, AU; false when ERFA
// fails: -1 (no such planet) or +2 (Kepler's equation did not converge). +1, a date outside
// 1000 to 3000, is normal.
bool HeliocentricAt(int np, double tt, Vec3& position)
{
    double pv[2][3];
    const int status = eraPlan94(kEpoch, tt - kEpoch, np, pv);
    if (status == -1 || status == 2)
        return false;
    position = VectorOf(pv[0]);
    return std::isfinite(position.x) && std::isfinite(position.y) && std::isfinite(position.z);
}

std::optional<PlanetPlace> PlanetFromErfa(Planet planet, double tt, const Vec3& earth)
{
    if (planet == Planet::Earth || planet == Planet::Pluto ||
        !(planet >= Planet::Mercury && planet <= Planet::Neptune))
        return std::nullopt;
    const int np = ErfaPlanetNumber(planet);
    Vec3 body{};
    if (!HeliocentricAt(np, tt, body))
        return std::nullopt;
    // The light seen at tt left the planet a light time earlier; the second pass is below a
    // milliarcsecond.
    for (int pass = 0; pass < 2; ++pass)
        if (!HeliocentricAt(np, tt - Length(body - earth) * kLightDaysPerAu, body))
            return std::nullopt;
    return PlanetPlaceFromVectors(body, earth);
}

// The place given for a date that cannot be computed: every number NaN (eraMoon98 must not
// see such a date: it indexes its tables with it).
template <class Place> Place NotComputed()
{
    const double nan = std::nan("");
    Place place{};
    place.RightAscension = place.Declination = place.Distance = nan;
    place.Position = {nan, nan, nan};
    if constexpr (std::is_same_v<Place, SunPlace>)
        place.Longitude = nan;
    else
    {
        place.Elongation = place.PhaseAngle = place.IlluminatedFraction = nan;
        place.BrightLimbAngle = place.Age = nan;
        place.Phase = MoonPhase::NewMoon;
    }
    return place;
}

void MatrixOfDate(double tt, double rbpn[3][3])
{
    double dpsi = 0.0, deps = 0.0, epsa = 0.0;
    double rb[3][3], rp[3][3], rbp[3][3], rn[3][3];
    eraNut00b(kEpoch, tt - kEpoch, &dpsi, &deps);
    eraPn06(kEpoch, tt - kEpoch, dpsi, deps, &epsa, rb, rp, rbp, rn, rbpn);
}
} // namespace

SunPlace SunPlaceAt(double jdUt)
{
    if (!IsComputable(jdUt))
        return NotComputed<SunPlace>();
    const double tt = TerrestrialFromUniversal(jdUt);
    double ecm[3][3];
    eraEcm06(kEpoch, tt - kEpoch, ecm);
    return SunFromEarth(EarthAt(tt), ecm);
}

ApparentSun ApparentSunAt(double jdUt)
{
    const double nan = std::nan("");
    if (!IsComputable(jdUt))
        return {{nan, nan, nan}, nan};
    const double tt = TerrestrialFromUniversal(jdUt);
    double pvh[2][3], pvb[2][3];
    eraEpv00(kEpoch, tt - kEpoch, pvh, pvb);
    const Vec3 sun = -1.0 * VectorOf(pvh[0]);
    const double distance = Length(sun);
    double direction[3] = {sun.x / distance, sun.y / distance, sun.z / distance};
    // The Earth's velocity in units of the speed of light, and its Lorentz factor's inverse.
    double v[3] = {pvb[1][0] * kLightDaysPerAu, pvb[1][1] * kLightDaysPerAu,
                   pvb[1][2] * kLightDaysPerAu};
    const double bm1 = std::sqrt(1.0 - (v[0] * v[0] + v[1] * v[1] + v[2] * v[2]));
    double apparent[3];
    eraAb(direction, v, distance, bm1, apparent);
    ApparentSun place{};
    place.Position = distance * VectorOf(apparent);
    double ecm[3][3], dpsi = 0.0, deps = 0.0;
    eraEcm06(kEpoch, tt - kEpoch, ecm);
    eraNut00b(kEpoch, tt - kEpoch, &dpsi, &deps);
    place.Longitude = ReduceDegrees(LongitudeOfDate(ecm, place.Position) + dpsi * kRadToDeg);
    return place;
}

EarthSunDistance EarthSunDistanceAt(double jdUt)
{
    if (!IsComputable(jdUt))
        return {std::nan(""), std::nan("")};
    const double tt = TerrestrialFromUniversal(jdUt);
    double pvh[2][3], pvb[2][3];
    eraEpv00(kEpoch, tt - kEpoch, pvh, pvb);
    const Vec3 position = VectorOf(pvh[0]);
    const double distance = Length(position);
    return {distance, Dot(position, VectorOf(pvh[1])) / distance};
}

MoonPlace MoonPlaceAt(double jdUt)
{
    if (!IsComputable(jdUt))
        return NotComputed<MoonPlace>();
    const double tt = TerrestrialFromUniversal(jdUt);
    double ecm[3][3];
    eraEcm06(kEpoch, tt - kEpoch, ecm);
    return MoonAt(tt, SunFromEarth(EarthAt(tt), ecm), ecm);
}

std::optional<PlanetPlace> PlanetPlaceAt(Planet planet, double jdUt)
{
    if (!IsComputable(jdUt))
        return std::nullopt;
    const double tt = TerrestrialFromUniversal(jdUt);
    return PlanetFromErfa(planet, tt, EarthAt(tt));
}

std::optional<HeliocentricPlace> HeliocentricPlaceAt(Planet planet, double jdUt)
{
    if (!IsComputable(jdUt) || !(planet >= Planet::Mercury && planet <= Planet::Neptune))
        return std::nullopt;
    Vec3 equatorial{};
    if (!HeliocentricAt(ErfaPlanetNumber(planet), TerrestrialFromUniversal(jdUt), equatorial))
        return std::nullopt;
    HeliocentricPlace place{};
    place.Position = EclipticFromEquatorial(equatorial);
    place.Distance = Length(place.Position);
    place.Longitude = ReduceDegrees(std::atan2(place.Position.y, place.Position.x) * kRadToDeg);
    place.Latitude = std::asin(place.Position.z / place.Distance) * kRadToDeg;
    place.EccentricAnomaly = std::nan("");
    return place;
}

Vec3 Rotate(const Matrix3& m, const Vec3& v)
{
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

OfDatePlace PlaceOfDate(const SkySnapshot& sky, const Vec3& j2000)
{
    OfDatePlace place{};
    place.Position = Rotate(sky.ToDate, j2000);
    const Equatorial eq = EquatorialFromVector(place.Position);
    place.RightAscension = eq.RightAscension;
    place.Declination = eq.Declination;
    return place;
}

bool UpdateSky(SkySnapshot& sky, double jdUt)
{
    if (!IsComputable(jdUt))
        return false;
    SkySnapshot next = sky;
    next.JulianDateUt = jdUt;
    next.DeltaT = DeltaTSeconds(jdUt);
    next.JulianDateTt = jdUt + next.DeltaT / kSecondsPerDay;
    const double tt = next.JulianDateTt;

    double rbpn[3][3];
    MatrixOfDate(tt, rbpn);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            next.ToDate[static_cast<size_t>(r)][static_cast<size_t>(c)] = rbpn[r][c];
    next.SiderealTime = eraGst06(kEpoch, jdUt - kEpoch, kEpoch, tt - kEpoch, rbpn) * kRadToDeg;

    double ecm[3][3];
    eraEcm06(kEpoch, tt - kEpoch, ecm);
    const Vec3 earth = EarthAt(tt);
    next.Sun = SunFromEarth(earth, ecm);
    next.SunOfDate = PlaceOfDate(next, next.Sun.Position);
    next.Moon = MoonAt(tt, next.Sun, ecm);
    next.MoonOfDate = PlaceOfDate(next, next.Moon.Position);
    next.MoonBrightLimbOfDate =
        PositionAngle(next.SunOfDate.RightAscension * 15.0, next.SunOfDate.Declination,
                      next.MoonOfDate.RightAscension * 15.0, next.MoonOfDate.Declination);

    for (size_t k = 0; k < next.Planets.size(); ++k)
    {
        const Planet planet = static_cast<Planet>(k);
        const std::optional<PlanetPlace> place = PlanetFromErfa(planet, tt, earth);
        if (!place)
            continue;
        SkyPlanet& p = next.Planets[k];
        p.Known = true;
        p.Place = *place;
        p.OfDate = PlaceOfDate(next, place->FromEarth);
        p.Magnitude = VisualMagnitude(planet, *place);
    }
    next.Known = true;
    sky = next;
    return true;
}

double LocalSiderealTime(const SkySnapshot& sky, double eastLongitude)
{
    return ReduceDegrees(sky.SiderealTime + eastLongitude);
}

OfDatePlace TopocentricPlace(const SkySnapshot& sky, const Vec3& geocentric, double latitude,
                             double eastLongitude)
{
    double xyz[3] = {0.0, 0.0, 0.0};
    // WGS84 (ERFA's ellipsoid 1); a latitude beyond the poles is refused and leaves the
    // observer at the Earth's centre.
    if (eraGd2gc(1, eastLongitude * kDegToRad, latitude * kDegToRad, 0.0, xyz) != 0)
        xyz[0] = xyz[1] = xyz[2] = 0.0;
    // The terrestrial frame turned by the Greenwich sidereal time to the equator of date
    // (polar motion, under 0.5", left out).
    const double theta = sky.SiderealTime * kDegToRad;
    const double c = std::cos(theta), s = std::sin(theta);
    const Vec3 observer{(c * xyz[0] - s * xyz[1]) / kMetresPerAu,
                        (s * xyz[0] + c * xyz[1]) / kMetresPerAu, xyz[2] / kMetresPerAu};
    OfDatePlace place{};
    place.Position = geocentric - observer;
    const Equatorial eq = EquatorialFromVector(place.Position);
    place.RightAscension = eq.RightAscension;
    place.Declination = eq.Declination;
    return place;
}

CatalogueStar MakeCatalogueStar(double raHours, double decDeg, double pmRa, double pmDec)
{
    const double a = raHours * 15.0 * kDegToRad, d = decDeg * kDegToRad;
    const double ca = std::cos(a), sa = std::sin(a), cd = std::cos(d), sd = std::sin(d);
    constexpr double kMasToRad = kDegToRad / 3600.0 / 1000.0;
    // The tangent plane's unit vectors toward the east and the north.
    const Vec3 east{-sa, ca, 0.0};
    const Vec3 north{-sd * ca, -sd * sa, cd};
    CatalogueStar star{};
    star.Direction = {cd * ca, cd * sa, sd};
    star.Motion = (pmRa * kMasToRad) * east + (pmDec * kMasToRad) * north;
    return star;
}

Vec3 StarDirectionOfDate(const SkySnapshot& sky, const CatalogueStar& star)
{
    const double years = (sky.JulianDateTt - kCatalogueEpoch) / 365.25;
    const Vec3 moved = star.Direction + years * star.Motion;
    return Rotate(sky.ToDate, (1.0 / Length(moved)) * moved);
}
} // namespace sky
