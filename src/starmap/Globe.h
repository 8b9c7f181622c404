// The sky globe's geometry: tilt, rotation angles, the orthographic projection of the sphere
// onto the disc, the horizon test, the star mark sizes and the coordinate grid's points.
// Angles are in degrees unless a name says radians; screen rows grow downward.
#pragma once

#include "model/Config.h"
#include "sky/Ephemeris.h"
#include "time/SkyTime.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace globe
{
using sky::kDegToRad;

// The Sun's and the Moon's angles turn at their sidereal periods, per second of UT: the
// sidereal year (365.2564 d) and the sidereal month (27.321661 d). Both are measured against
// the stars, the frame of the catalogue (J2000.0).
constexpr double kSunRate = 3.1687532577318495e-8;
constexpr double kMoonRate = 1.0 / (27.321661 * 86400.0);

// The angle offset that puts a body of rate `rate` at `longitude` degrees (its right ascension
// on the globe) at the UT instant `ut` (>= 0), in the range (-360, 0].
constexpr double OffsetForLongitude(double longitude, int64_t ut, double rate)
{
    const double turns = static_cast<double>(ut) * rate;
    double offset = 360.0 * (turns - static_cast<double>(static_cast<int64_t>(turns))) - longitude;
    while (offset > 0.0)
        offset -= 360.0;
    while (offset <= -360.0)
        offset += 360.0;
    return offset;
}

// The Sun's offset, single precision 0xC38CC010: at UT 1901-01-01 00:00 the Sun stands at
// 281.5 degrees, and at J2000.0 at 280.63 degrees, 0.16 degrees ahead of its mean longitude
// then (280.46646, Meeus, eq. 25.2). Taking its right ascension equal to its longitude costs up
// to 2.5 degrees more; the model stays within about 4 degrees of the real Sun.
constexpr float kSunOffset = -281.50048828125f;
// The Moon's offset: its mean longitude at J2000.0, 218.3164477 degrees (Meeus, eq. 47.1).
constexpr double kMoonLongitudeJ2000 = 218.3164477;
constexpr float kMoonOffset =
    static_cast<float>(OffsetForLongitude(kMoonLongitudeJ2000, skytime::kJ2000, kMoonRate));

// Inclinations of the Sun's and Moon's great circles to the equator, radians, negative:
// -23 deg 26' 38" (the obliquity of the ecliptic) and -18.2985 deg.
constexpr double kSunInclination = -0.4091730505673121;
constexpr double kMoonInclination = -0.3193690731587291;

// The tilt L of the sphere with its cosine and sine rounded to single precision.
struct Tilt
{
    float lat;    // degrees, -180..180 (other values hide every point)
    float latCos; // cos(lat), single precision
    float latSin; // sin(lat), single precision
};

// The tilt `latDeg` (degrees) with its cosine and sine. At +-90 the cosine is about 6.1e-17,
// never zero.
Tilt MakeTilt(float latDeg);

// The real sky's tilt for the stored observer location: minus the latitude's whole degrees
// for a northern place, plus them for a southern one (minutes and seconds do not enter).
Tilt TiltFromLocation(const LocationSetup& location);

// The observer's east longitude in degrees from the stored location: degrees + minutes / 60 +
// seconds / 3600, negative when West.
double EastLongitude(const LocationSetup& location);

// The stars' rotation offset `ust` for an observer at `eastLongitude` degrees: -90 - longitude.
// The meridian is where H = t + right ascension is -90, so the right ascension on the meridian
// is -90 - t, the local sidereal time.
float MeridianOffset(double eastLongitude);

// The stars' rotation t at the UT instant `ut` for the offset `ust` (MeridianOffset):
// ust - the catalogue sidereal time at Greenwich, reduced to (-360, 0]. That is -90 - LST.
double StarRotation(int64_t ut, float ust);

// The Sun's or the Moon's angle at the UT instant `ut`: -360 x frac(ut x rate) + offset,
// degrees, with 360 added once when the result is <= -360. The body's right ascension is minus
// the angle.
double RotationAngle(int64_t ut, double rate, float offset);

// Where the globe sits on the screen and how it is tilted.
struct View
{
    float xCenter; // centre of the disc, pixels
    float yCenter;
    uint16_t r;   // radius of the disc, pixels
    float lat;    // tilt L, degrees
    float latCos; // cos(L) as single precision
    float latSin; // sin(L) as single precision
};

// A screen point truncated toward zero, before it is stored in 16 bits.
struct ScreenPoint
{
    int x;
    int y;
};

// Orthographic projection of the point with angle H = rotation + right ascension (degrees,
// not reduced) and declination given by its cosine and sine:
//   X = trunc(xCenter - r cos(dec) cos H),  Y = trunc(yCenter - r (sin(dec) cos L - cos(dec)
//   sin H sin L)).
// A value that is not finite or not representable lands far outside any window.
ScreenPoint Project(const View& v, double H, double cosDec, double sinDec);

// The screen directions, in pixels per radian (y downward), in which the point at angle H
// (degrees) and declination `dec` (radians) moves when its declination grows (north) and
// when its right ascension grows (east, per radian of hour angle): the derivatives of
// Project. They give the orientation of a body's disc on the screen.
struct Tangents
{
    double northX, northY;
    double eastX, eastY;
};
Tangents ScreenTangents(const View& v, double H, double dec);

// Whether the point with declination sine `sinDec`, angle H (degrees) and truncated screen row
// `row` is on the visible side of the sphere (on or above the horizon in the real sky). The
// rule is decided on the truncated row, exactly as the picture shows it.
bool IsVisible(const View& v, double sinDec, double H, int row);

// A stored screen coordinate (unsigned 16 bits; a negative value wraps).
inline uint16_t StoreCoord(int value)
{
    return static_cast<uint16_t>(value);
}

// A stored coordinate as a drawing position: read as signed 16 bits, so that a point just
// off the top or the left of the window stays there instead of jumping 65536 pixels away.
inline int DrawCoord(uint16_t value)
{
    return static_cast<int16_t>(value);
}

// The star mark for magnitude m: `width` pixels of the 4 x 1 star sprite copied to
// (X + dx, Y). m <= 1: 4 pixels, dx -1; m <= 2: 3; m <= 3: 2; fainter: 1 pixel, dx 0.
struct StarMark
{
    int width;
    int dx;
};
StarMark StarMarkFor(float magnitude);

// A body at hour angle H (degrees: the rotation t plus its right ascension in degrees) and
// declination `dec` (radians, in the precision it is kept in) placed on the globe: its screen
// point, that point as stored, and whether it is on the visible side (always, with a
// transparent sphere).
struct GlobePlace
{
    ScreenPoint at;
    uint16_t x, y;
    bool visible;
};
template <class Dec> GlobePlace PlaceOnGlobe(const View& v, double H, Dec dec, bool transparent)
{
    const double sinDec = std::sin(static_cast<double>(dec));
    const ScreenPoint p = Project(v, H, std::cos(dec), sinDec);
    return {p, StoreCoord(p.x), StoreCoord(p.y), transparent || IsVisible(v, sinDec, H, p.y)};
}

// The globe's zoom: the radius `r` grows by 20 pixels while it is below half the centre row
// `yCenter` plus 1200, and shrinks by 20 while it is above a sixth of that row.
bool CanZoomIn(uint16_t r, float yCenter);
bool CanZoomOut(uint16_t r, float yCenter);

// The declination (radians) of the Sun or the Moon for its angle tSol (degrees) on a great
// circle of inclination `inclination` (radians): asin(sin(inclination) x sin(tSol)).
double SolDeclination(double tSol, double inclination);

// ---- coordinate grid ----

constexpr int kParallelCount = 9;    // declination -80..80 in steps of 20
constexpr int kMeridianCount = 12;   // right ascension 0..330 in steps of 30
constexpr int kParallelSamples = 37; // a = 0..360 in steps of 10
constexpr int kMeridianSamples = 19; // declination -90..90 in steps of 10
constexpr int kGridLineCount = kParallelCount + kMeridianCount;

constexpr uint32_t kGridBlue = 0x0000C8; // RGB(0, 0, 200): equator and meridians 0 h, 12 h
constexpr uint32_t kGridGrey = 0x4B4B4B; // RGB(75, 75, 75): the other lines

// The angles of one grid drawing.
struct GridAngles
{
    float xCenter;
    float yCenter;
    uint16_t r;
    float lat;
    float latCos;
    float latSin;
    double t; // rotation, degrees
};

struct GridPoint
{
    uint16_t x; // stored screen position (wrapped as every globe position)
    uint16_t y;
    bool visible;
};

// One line of the grid: its colour (0x00RRGGBB) and its sample points in drawing order.
struct GridLine
{
    uint32_t color;
    int count;
    std::array<GridPoint, kParallelSamples> points;
};

// Visibility of one grid point: as IsVisible, but at L = +-90 the whole half of a line with
// one sign of declination is taken, and a parallel at L = 0 or |L| = 180 (a straight segment)
// is taken from its samples a = 180..360. `decDeg` is the sample's declination in degrees;
// `H` is a for a parallel, right ascension + rotation for a meridian.
bool IsGridPointVisible(bool parallel, const GridAngles& g, double decDeg, double sinDec, double H,
                        int row);

// The nine parallels (-80..80) then the twelve meridians (0..330) for the angles `g`.
std::array<GridLine, kGridLineCount> ComputeGrid(const GridAngles& g);
} // namespace globe
