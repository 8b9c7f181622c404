// The whole sky at one instant in the one frame the Star Map draws: the true equator and
// equinox of date. A SkySnapshot is computed once per clock instant (the precession-nutation
// matrix, the sidereal time, the Sun, the Moon and Mercury to Neptune); stars, deep-sky objects,
// constellation lines and the grid are then turned by its matrix, one cheap product each. Pure;
// no state, no Qt.
//
// The matrix is IAU 2006 precession with IAU 2000B nutation (ERFA's eraPn06 on eraNut00b,
// frame bias included), within 0.05" of the full IAU 2006/2000A model (eraPnm06a) from 1901 to
// 2999 at a sixteenth of its cost; Greenwich apparent sidereal time is eraGst06 on that matrix,
// with UT1 taken as the clock's UT.
#pragma once

#include "sky/Ephemeris.h"

#include <array>
#include <cstdio>

namespace sky
{
// A rotation: v' = M v.
using Matrix3 = std::array<std::array<double, 3>, 3>;

Vec3 Rotate(const Matrix3& m, const Vec3& v);

// A body's place in the true equator and equinox of date.
struct OfDatePlace
{
    Vec3 Position;         // geocentric, true equator of date; AU (a unit vector for a star)
    double RightAscension; // hours in [0, 24)
    double Declination;    // degrees in [-90, 90]
};

// A planet of the snapshot. `Known` is false until a first place could be computed; a later
// failure of the ephemeris leaves the last good place (and Known) as it was.
struct SkyPlanet
{
    bool Known = false;
    PlanetPlace Place{};  // astrometric, equatorial J2000
    OfDatePlace OfDate{}; // the same direction, true equator of date
    double Magnitude = 0; // VisualMagnitude of Place
};

struct SkySnapshot
{
    bool Known = false;      // false until UpdateSky first succeeds
    double JulianDateUt = 0; // the instant, UT (UT1 taken equal to it)
    double JulianDateTt = 0; // the same instant, TT
    double DeltaT = 0;       // TT - UT, seconds
    Matrix3 ToDate{};        // equatorial J2000 (GCRS) -> true equator and equinox of date
    double SiderealTime = 0; // Greenwich apparent sidereal time, degrees in [0, 360)
    SunPlace Sun{};          // astrometric, equatorial J2000
    OfDatePlace SunOfDate{};
    MoonPlace Moon{}; // geocentric, equatorial J2000, with its phase
    OfDatePlace MoonOfDate{};
    double MoonBrightLimbOfDate = 0;    // position angle of the bright limb from the north of date
    std::array<SkyPlanet, 9> Planets{}; // indexed by Planet; Earth and Pluto are never Known
};

// Fills `sky` for the Julian date `jdUt` (UT): Delta T, the matrix, the sidereal time, the Sun,
// the Moon and Mercury to Neptune. False, with `sky` unchanged, for a date that is not finite
// or lies more than a few millennia from the program's range; a planet whose ephemeris fails
// keeps its last place (SkyPlanet::Known).
bool UpdateSky(SkySnapshot& sky, double jdUt);

// The place of date of a direction or position given in equatorial J2000.
OfDatePlace PlaceOfDate(const SkySnapshot& sky, const Vec3& j2000);

// The local apparent sidereal time at east longitude `eastLongitude` (degrees, west negative),
// degrees in [0, 360): the right ascension of date on the observer's meridian.
double LocalSiderealTime(const SkySnapshot& sky, double eastLongitude);

// The place of date seen from the observer at geodetic latitude `latitude` and east longitude
// `eastLongitude` (degrees, WGS84, sea level) of the geocentric place of date `geocentric`
// (AU): the body less the observer's position turned by the sidereal time. Moves the Moon by
// up to a degree (its parallax), the Sun by 9".
OfDatePlace TopocentricPlace(const SkySnapshot& sky, const Vec3& geocentric, double latitude,
                             double eastLongitude);

// ---- stars ----

// A catalogue star ready to be turned to the date: its unit vector and its proper motion as a
// vector, both equatorial J2000, at the catalogue's epoch.
struct CatalogueStar
{
    Vec3 Direction; // unit vector at the catalogue's epoch
    Vec3 Motion;    // radians per Julian year, perpendicular to Direction
};

// The catalogues' epoch: their places are those of J2000.0 (TT).
constexpr double kCatalogueEpoch = kJulianDateJ2000;

// The star at right ascension `raHours`, declination `decDeg` (J2000, the catalogue's epoch)
// with proper motion `pmRa` (mu_alpha* = mu_alpha cos(dec)) and `pmDec`, milliarcseconds per
// Julian year. Parallax and radial velocity are left out: under 0.01 degrees in 1100 years for
// the brightest stars.
CatalogueStar MakeCatalogueStar(double raHours, double decDeg, double pmRa, double pmDec);

// The star's direction of date at the snapshot's instant: its place moved along the tangent
// plane by its proper motion since the catalogue's epoch, normalised, turned by ToDate.
Vec3 StarDirectionOfDate(const SkySnapshot& sky, const CatalogueStar& star);
} // namespace sky
