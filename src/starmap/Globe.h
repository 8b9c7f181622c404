// The sky globe's geometry: tilt, rotation angles, the orthographic projection of the sphere
// onto the disc, the horizon test, the star mark sizes, the zoom's bounds and the coordinate
// grid's lines. Angles are in degrees unless a name says radians; screen positions are the
// view's logical pixels, rows growing downward. Pure; no Qt.
#pragma once

#include "model/Config.h"
#include "sky/Ephemeris.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace globe
{
using sky::kDegToRad;

// The tilt L of the sphere with its cosine and sine.
struct Tilt
{
    double lat;    // degrees, -180..180 (other values hide every point)
    double latCos; // cos(lat)
    double latSin; // sin(lat)
};

// The tilt `latDeg` (degrees) with its cosine and sine. At +-90 the cosine is about 6.1e-17,
// never zero.
Tilt MakeTilt(double latDeg);

// The real sky's tilt for the stored observer location: minus the latitude's whole degrees
// for a northern place, plus them for a southern one (minutes and seconds do not enter).
Tilt TiltFromLocation(const LocationSetup& location);

// The observer's east longitude in degrees from the stored location: degrees + minutes / 60 +
// seconds / 3600, negative when West.
double EastLongitude(const LocationSetup& location);

// The observer's geodetic latitude in degrees from the stored location, minutes and seconds
// included, negative when South.
double Latitude(const LocationSetup& location);

// An angle in degrees reduced to (-360, 0], the range of the globe's rotation.
double ReduceRotation(double degrees);

// The unit vector of right ascension `raDeg` degrees and declination `decRad` radians.
sky::Vec3 Direction(double raDeg, double decRad);

// Where the globe sits on the screen, how it is tilted and how far it is turned.
struct View
{
    double xCenter; // centre of the disc, logical pixels
    double yCenter;
    double r; // radius of the disc, logical pixels
    Tilt tilt;
    double cosT; // of the rotation t: a point of right ascension RA stands at H = t + RA
    double sinT;
    bool transparent; // both halves of the sphere are shown
};
View MakeView(double xCenter, double yCenter, double r, const Tilt& tilt, double t,
              bool transparent);

// A point of the view.
struct ScreenPoint
{
    double x;
    double y;
};

// A body placed on the globe: its screen point and whether it is on the visible side (on or
// above the horizon in the real sky; always, with a transparent sphere).
struct GlobePlace
{
    ScreenPoint at;
    bool visible;
};

// The orthographic projection of the direction `d` (an equatorial unit vector of the frame the
// rotation refers to) at angle H = t + RA and declination dec:
//   x = xCenter - r cos(dec) cos H,  y = yCenter - r (sin(dec) cos L - cos(dec) sin H sin L).
// Its visibility is decided on the row truncated toward zero, exactly as the marks have always
// been shown: above a horizon row the point is on one side, below it on the other; at L = 0
// and |L| = 180 the sign of sin H decides, and a tilt outside -180..180 hides every point.
GlobePlace PlaceOnGlobe(const View& v, const sky::Vec3& d);

// The pixel that holds the coordinate `v` (floor), or -32768 for a value that is not finite or
// beyond any screen (a damaged catalogue), so that a mark never lands on a bogus pixel.
int Pixel(double v);

// The screen directions, in pixels per radian (y downward), in which the point of direction
// `d` moves when its declination grows (north) and when its right ascension grows (east, per
// radian of hour angle): the derivatives of the projection. They orient a body's disc.
struct Tangents
{
    double northX, northY;
    double eastX, eastY;
};
Tangents ScreenTangents(const View& v, const sky::Vec3& d);

// The star mark for magnitude m: `width` x 1 pixels from (X + dx, Y), (X, Y) the pixel of the
// star's point. m <= 1: 4 pixels, dx -1; m <= 2: 3; m <= 3: 2; fainter: 1 pixel, dx 0.
struct StarMark
{
    int width;
    int dx;
};
StarMark StarMarkFor(float magnitude);

// The globe's zoom: the radius grows by kZoomStep while it is below half the centre row plus
// 1200 (whole pixels), and shrinks by kZoomStep, not below 0, while it is above a sixth of the
// centre row's whole pixels.
constexpr double kZoomStep = 20.0;
bool CanZoomIn(double r, double yCenter);
bool CanZoomOut(double r, double yCenter);

// ---- coordinate grid ----

constexpr int kParallelCount = 9;        // declination -80..80 in steps of 20
constexpr int kMeridianCount = 12;       // right ascension 0..330 in steps of 30
constexpr uint32_t kGridBlue = 0x0000C8; // RGB(0, 0, 200): equator and meridians 0 h, 12 h
constexpr uint32_t kGridGrey = 0x4B4B4B; // RGB(75, 75, 75): the other lines

// One line of the grid: its colour (0x00RRGGBB) and its points as unit vectors in drawing
// order.
struct GridLine
{
    uint32_t color;
    std::vector<sky::Vec3> points;
};

// The nine parallels (-80..80) then the twelve meridians (0..330), each sampled every
// 360 / `samplesPerTurn` degrees (36 <= samplesPerTurn, a multiple of 4).
std::vector<GridLine> MakeGrid(int samplesPerTurn);

// The samples per whole circle that keep a grid line within a quarter of a pixel of the true
// circle on a globe of radius `r`: 36 on a small globe, up to 720.
int GridSamplesFor(double r);

// The pieces of the line through `points` that lie on the visible side of the sphere (the
// transparent sphere shows its grid's front only), cut where the line crosses the horizon.
// Each piece holds two points or more; the pieces are appended to `out`.
void AppendVisiblePieces(const View& v, const std::vector<sky::Vec3>& points,
                         std::vector<std::vector<ScreenPoint>>& out);
} // namespace globe
