// True positions of the Sun, the Moon, the planets and the comets. The Sun, the Moon and Mercury
// to Neptune come from ERFA, the open release of the IAU's SOFA routines: the Earth and the Sun
// from eraEpv00, the planets from eraPlan94, the Moon from eraMoon98. Pluto and the comets,
// which ERFA has not, follow Kepler's equation on the elements of the file. Geocentric places
// are astrometric (light time, no aberration) in the frame of the star catalogue, the mean
// equator and equinox of J2000.0; sky/Sky.h turns them to the true equator of date. Pure
// functions of the instant; no state, no Qt.
//
// Time: the functions of a named body (SunPlaceAt, MoonPlaceAt, the Planet overloads) take the
// program's Julian date in Universal Time and add Delta T (sky/TimeScales.h) to reach the
// Terrestrial Time of the ephemeris. The functions of orbital elements take the date as given:
// the elements are far coarser than the 75 minutes of Delta T by 2999 move a planet.
//
// Frames: "ecliptic J2000" is the mean ecliptic and equinox of J2000.0 (x toward the equinox,
// z toward the north ecliptic pole); "equatorial J2000" is the mean equator and equinox of
// J2000.0, the frame of the star catalogue, which ERFA's GCRS and BCRS match to 0.02".
#pragma once

#include <cstdint>
#include <optional>

namespace sky
{
constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kRadToDeg = 180.0 / kPi;

// Julian date of 1901-01-01 00:00 UT, the origin of the program's clock instant.
constexpr double kJulianDate1901 = 2415385.5;
// Julian date of the epoch J2000.0, 2000-01-01 12:00 TT.
constexpr double kJulianDateJ2000 = 2451545.0;
constexpr double kDaysPerJulianCentury = 36525.0;
constexpr double kSecondsPerDay = 86400.0;

// Obliquity of the ecliptic at J2000.0, degrees (IAU 1976; Meeus, Astronomical Algorithms,
// 2nd ed., eq. 22.2 at T = 0: 23 deg 26' 21.448").
constexpr double kObliquityJ2000 = 23.4392911;
// Kilometres per astronomical unit (IAU 2012, resolution B2).
constexpr double kKmPerAu = 149597870.7;
// Light time for one astronomical unit, days (499.004784 s).
constexpr double kLightDaysPerAu = 499.004784 / kSecondsPerDay;
// Mean synodic month, days (Meeus, ch. 49: 29.530588861 at J2000.0).
constexpr double kSynodicMonth = 29.530588861;

// The Julian date (UT) of the program's clock instant: seconds since 1901-01-01 00:00 UT.
double JulianDateFromInstant(int64_t secondsSince1901);

// Julian centuries of 36525 days from J2000.0 to the Julian date `jd`.
double CenturiesSinceJ2000(double jd);

// A vector in astronomical units (or a direction), in the frame its user names.
struct Vec3
{
    double x;
    double y;
    double z;
};

// Keplerian elements of an orbit about the Sun, referred to the ecliptic J2000. Angles in
// degrees; any value, they are reduced where used.
struct OrbitalElements
{
    double SemiAxis;       // semi-major axis, astronomical units, > 0
    double Eccentricity;   // 0 <= e < 1
    double Inclination;    // to the ecliptic J2000, degrees
    double AscendingNode;  // longitude of the ascending node, degrees
    double ArgPerihelion;  // argument of perihelion, from the node, degrees
    double PerihelionDate; // Julian date of a passage through perihelion
    double Period;         // sidereal orbital period, days, > 0
};

// True when the elements describe a closed orbit that the functions below can follow: finite
// values, a > 0, 0 <= e < 1, period > 0. Other elements give NaN coordinates, never a hang.
bool ElementsAreUsable(const OrbitalElements& elements);

// The eccentric anomaly E (radians, in [-pi, pi]) with E - e sin E = M for the mean anomaly M
// (radians, any value: reduced to [-pi, pi] first) and eccentricity 0 <= e < 1. Newton's
// iteration kept inside the bracket [M, M + e] (Meeus, ch. 30, and Danby, Fundamentals of
// Celestial Mechanics, ch. 6), to a residual below 1e-12 rad; converges for every e < 1, also
// the 0.967 of Halley's comet near perihelion. NaN in, NaN out.
double SolveKepler(double meanAnomaly, double eccentricity);

// The mean anomaly at the Julian date `jd`, radians in [0, 2 pi): 2 pi (jd - perihelion date)
// / period, reduced to one turn.
double MeanAnomalyAt(const OrbitalElements& elements, double jd);

// The heliocentric point of the orbit at eccentric anomaly E (radians), ecliptic J2000, AU:
// the ellipse x' = a (cos E - e), y' = a sqrt(1 - e^2) sin E in the orbit's plane, turned by
// the argument of perihelion, the inclination and the node (Meeus, ch. 33; Roy, Orbital
// Motion, ch. 4). Stepping E over a turn draws the true orbit outline.
Vec3 OrbitPointAt(const OrbitalElements& elements, double eccentricAnomaly);

// A body's heliocentric place at an instant.
struct HeliocentricPlace
{
    Vec3 Position;           // ecliptic J2000, AU
    double Distance;         // from the Sun, r, AU
    double Longitude;        // heliocentric ecliptic longitude J2000, degrees in [0, 360)
    double Latitude;         // heliocentric ecliptic latitude J2000, degrees in [-90, 90]
    double EccentricAnomaly; // radians in [-pi, pi], the E of OrbitPointAt
};

// The heliocentric place of the body with these elements at the Julian date `jd`.
HeliocentricPlace HeliocentricPlaceAt(const OrbitalElements& elements, double jd);

// ---- frames ----

// An ecliptic J2000 vector turned to equatorial J2000 (rotation by kObliquityJ2000 about x).
Vec3 EquatorialFromEcliptic(const Vec3& ecliptic);

// An equatorial J2000 vector turned to ecliptic J2000 (the inverse of EquatorialFromEcliptic).
Vec3 EclipticFromEquatorial(const Vec3& equatorial);

// Spherical coordinates of an equatorial vector.
struct Equatorial
{
    double RightAscension; // hours in [0, 24)
    double Declination;    // degrees in [-90, 90]
    double Distance;       // length of the vector, in its unit
};
Equatorial EquatorialFromVector(const Vec3& equatorial);

// ---- the Sun ----

struct SunPlace
{
    double RightAscension; // geocentric, equatorial J2000, hours in [0, 24)
    double Declination;    // geocentric, equatorial J2000, degrees
    double Distance;       // from the Earth's centre, AU
    double Longitude;      // geometric ecliptic longitude of the mean equinox of date, degrees
    Vec3 Position;         // geocentric, equatorial J2000, AU
};

// The Sun's geocentric place at the Julian date `jdUt` (UT): minus the Earth's heliocentric
// place of eraEpv00 (a few milliarcseconds over 1900 to 2100, about 0.001 degrees by 2999).
// Aberration (20") is left out, as the catalogue's stars carry none. Every number is NaN for a
// date that is not finite or lies far outside the program's range.
SunPlace SunPlaceAt(double jdUt);

// The Sun as the seasons and the Earth's shadow need it: SunPlaceAt's place displaced by the
// annual aberration (eraAb with the Earth's barycentric velocity from eraEpv00; up to 20.5").
struct ApparentSun
{
    Vec3 Position;    // geocentric, equatorial J2000, AU
    double Longitude; // ecliptic longitude of the true equinox of date, degrees in [0, 360): the
                      // mean ecliptic of date (eraEcm06) plus the nutation in longitude
                      // (eraNut00b); 0, 90, 180 and 270 at the equinoxes and solstices
};

// The Sun's apparent geocentric place at the Julian date `jdUt` (UT). NaN as SunPlaceAt.
ApparentSun ApparentSunAt(double jdUt);

// The distance of the Earth's centre (not the Earth-Moon barycentre) from the Sun's centre and
// its rate of change at the Julian date `jdUt` (UT), from eraEpv00's heliocentric position and
// velocity; the rate is 0 at perihelion and aphelion. NaN as SunPlaceAt.
struct EarthSunDistance
{
    double Distance; // AU
    double Rate;     // AU per day, positive while the Earth recedes
};
EarthSunDistance EarthSunDistanceAt(double jdUt);

// ---- the Moon ----

enum class MoonPhase
{
    NewMoon,
    WaxingCrescent,
    FirstQuarter,
    WaxingGibbous,
    FullMoon,
    WaningGibbous,
    LastQuarter,
    WaningCrescent
};

struct MoonPlace
{
    double RightAscension;      // geocentric, equatorial J2000, hours in [0, 24)
    double Declination;         // geocentric, equatorial J2000, degrees
    double Distance;            // from the Earth's centre to the Moon's, kilometres
    Vec3 Position;              // geocentric, equatorial J2000, AU
    double Elongation;          // Moon's ecliptic longitude less the Sun's, degrees in [0, 360)
    double PhaseAngle;          // Sun - Moon - Earth, degrees in [0, 180]
    double IlluminatedFraction; // of the disc, 0 (new) to 1 (full)
    double BrightLimbAngle;     // position angle of the bright limb's midpoint, from the north
                                // of J2000 through the east, degrees in [0, 360)
    double Age;                 // days since new Moon, in [0, 29.53)
    MoonPhase Phase;
};

// The Moon's geometric geocentric place and phase at the Julian date `jdUt` (UT): eraMoon98
// (Meeus's series of ELP-2000/82, 10" near 2000, 0.05 degrees at worst by 2999); the phase
// from Meeus, ch. 48 (eqs. 48.1 to 48.5) with the Sun of SunPlaceAt; the elongation and age
// from the ecliptic longitudes of date (eraEcm06). NaN as SunPlaceAt.
MoonPlace MoonPlaceAt(double jdUt);

// The phase for an elongation (Moon less Sun in ecliptic longitude, degrees, any value): the
// four principal phases while within kPrincipalPhaseHalfWidth of 0, 90, 180 and 270 degrees,
// the crescents and gibbous phases between them.
MoonPhase PhaseFromElongation(double elongation);
// About one day of the Moon's mean motion from the Sun (360 / 29.53 degrees per day).
constexpr double kPrincipalPhaseHalfWidth = 12.0;

// The English name of a phase: "New Moon", "Waxing Crescent", ..., "Waning Crescent".
const char* PhaseName(MoonPhase phase);

// ---- planets seen from the Earth ----

// The planets in the order of their slots in the elements file.
enum class Planet
{
    Mercury,
    Venus,
    Earth,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto
};

struct PlanetPlace
{
    double RightAscension;      // geocentric, equatorial J2000, hours in [0, 24)
    double Declination;         // geocentric, equatorial J2000, degrees
    double Distance;            // from the Earth, Delta, AU
    double SunDistance;         // from the Sun, r, AU (at the time the light left)
    double PhaseAngle;          // Sun - planet - Earth, degrees in [0, 180]
    double Elongation;          // angle between the planet and the Sun seen from the Earth, deg
    double IlluminatedFraction; // of the disc, (1 + cos phase angle) / 2
    Vec3 FromEarth;             // planet less Earth, equatorial J2000, AU
    Vec3 FromSun;               // planet less Sun, equatorial J2000, AU
};

// The astrometric place of a body seen from the Earth's orbit at the Julian date `jd`: the body
// (elements `body`, when the light left it: one light-time iteration) less the Earth (elements
// `earth`, the Earth-Moon barycentre of the file, whose 4700 km from the Earth's centre move
// even Venus at its nearest by under 0.01 degrees). For Pluto and the comets.
PlanetPlace PlanetPlaceAt(const OrbitalElements& body, const OrbitalElements& earth, double jd);

// The astrometric place of Mercury to Neptune (not the Earth, not Pluto) seen from the Earth's
// centre at the Julian date `jdUt` (UT): eraPlan94 at the time the light left, two light-time
// iterations, less the Earth of eraEpv00; within 0.03 degrees of a modern ephemeris from 1901
// to 2999. Empty when ERFA fails (eraPlan94 status -1 or +2), for another body, or for a date
// that is not finite or lies far outside the program's range (sky/TimeScales.h): the caller
// keeps the last good place. ERFA's warnings for dates outside a routine's best span are
// normal and change nothing.
std::optional<PlanetPlace> PlanetPlaceAt(Planet planet, double jdUt);

// The heliocentric place of Mercury to Neptune (the Earth-Moon barycentre for the Earth) at
// the Julian date `jdUt` (UT), ecliptic J2000, from eraPlan94: longitudes within 0.04 degrees
// of a modern ephemeris from 1901 to 2999. EccentricAnomaly is NaN (the place is not on one
// ellipse). Empty as PlanetPlaceAt.
std::optional<HeliocentricPlace> HeliocentricPlaceAt(Planet planet, double jdUt);

// The visual magnitude of `planet` at `place` (Meeus, ch. 41, the formulas of the Astronomical
// Almanac from 1984; Saturn with its rings' tilt from the pole of the IAU working group,
// RA 40.589, Dec 83.537 degrees). NaN for the Earth.
double VisualMagnitude(Planet planet, const PlanetPlace& place);

// The Moon's visual magnitude at phase angle `phaseAngleDeg` (degrees, 0 at full Moon), at its
// mean distance: m = -12.73 + 0.026 |i| + 4e-9 i^4 (the common fit to the Moon's phase curve
// after Allen's Astrophysical Quantities).
double MoonMagnitude(double phaseAngleDeg);
} // namespace sky
