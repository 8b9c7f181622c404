// Positions of the Solar System model: each body's true heliocentric place at an instant, the
// one projection that puts a place on the screen (seen from the north pole of the ecliptic:
// ecliptic longitude 0 to the right, 90 degrees up), the orbit outlines, a body's distance from
// the Sun, and the model's zoom steps. The places of Pluto and the comets come from the
// Keplerian elements of the file (sky/Ephemeris.h). Pure; no Qt.
#pragma once

#include "sky/Ephemeris.h"
#include "solar/SolarBody.h"

#include <cstdint>
#include <vector>

namespace solar
{
// Millions of kilometres per astronomical unit (the zoom is in pixels per million km).
constexpr double kAuInMkm = sky::kKmPerAu / 1e6;
// The client height, in logical pixels, at which zoom S draws S pixels per million km: the 480
// rows of the 640 x 480 screens the model was first drawn on. A taller window shows the same
// picture larger.
constexpr double kReferenceHeight = 480;
// Points of an orbit outline, evenly spaced in eccentric anomaly from the perihelion; the
// last closes it. Enough that the chords of Neptune's outline at zoom 4 in a window 2160
// pixels high stray less than half a pixel from the ellipse (a pi^2 / 2n^2 for n chords); the
// view draws every second, fourth ... point where fewer chords keep a quarter of a pixel.
constexpr int kOutlinePoints = 1025;

// What a slot of the table holds, by its kind and its place: planets only in slots 0..8 (the
// planet sprites are indexed by slot), comets anywhere; anything else is no body.
enum class BodyRole
{
    None,
    Planet,
    Comet
};
BodyRole RoleOf(const SolObjects& body, int slot);

// Mercury to Neptune are the planets of slots 0..7 (sky::Planet in slot order); their places
// and orbits come from ERFA, the others' from the elements of the file.
bool HasErfaPlace(const SolObjects& body, int slot);

// Every slot's place at the Julian date `jd` (UT): Mercury to Neptune at their places of ERFA
// (sky::HeliocentricPlaceAt(Planet, jd)); Pluto, the comets and a planet whose place ERFA
// cannot give, by Kepler's equation on their elements (sky::HeliocentricPlaceAt). Elements no
// orbit can have (a damaged file, an empty slot) give a place of NaN, which no frame shows.
void PlaceBodiesAt(SolObjects table[kSolarSlots], double jd);

// The elements the orbit of `body` in slot `slot` is drawn with at the Julian date `jd` (UT):
// for Mercury to Neptune sky::OutlineElementsAt, the mean orbit made to pass through the
// planet's place of ERFA; else, or when ERFA cannot give it, the elements of the file.
sky::OrbitalElements OutlineElementsOf(const SolObjects& body, int slot, double jd);

// A point of the view in logical pixels, x to the right, y downward.
struct Point
{
    double x;
    double y;
};

// How heliocentric places reach the screen: the Sun at `sun`, `pixelsPerMkm` pixels per
// million kilometres.
struct Projection
{
    Point sun;
    double pixelsPerMkm;
};

// The projection of a view `width` x `height` logical pixels at zoom `scale` with the Sun at the
// middle: scale * height / kReferenceHeight pixels per million km.
Projection CentredProjection(double width, double height, float scale);

// The screen point of the heliocentric ecliptic point `p` (AU; z is ignored: the view looks
// down from the north): sun + pixelsPerMkm (x, -y), x and y in millions of km.
Point ProjectPoint(const Projection& projection, const sky::Vec3& p);

// A double narrowed to single precision; finite values beyond its range become its largest
// value of the same sign instead of an undefined conversion.
float ToSingle(double v);

// The kOutlinePoints points of the orbit with these elements, heliocentric ecliptic J2000 in
// AU, eccentric anomaly 0 to 360 degrees from the perihelion: the points of sky::OrbitPointAt.
// Empty for elements that are not usable (sky::ElementsAreUsable).
std::vector<sky::Vec3> OrbitOutlinePoints(const sky::OrbitalElements& elements);

// Every how many outline points a polyline of the orbit of semi-major axis `pixels` (on the
// screen) keeps its chords within a quarter of a pixel of the ellipse: a power of two from 1
// to 16 (at least 64 chords).
int OutlineStride(double pixels);

// The polylines of an orbit outline as the view draws it: its `points` (AU) projected, every
// OutlineStride-th of them, cut to `area` (left, top, right, bottom, pixels). None when the
// orbit runs round the whole area: no point of it comes nearer the Sun than the perihelion
// distance of `elements`.
std::vector<std::vector<Point>> OutlineRuns(const std::vector<sky::Vec3>& points,
                                            const sky::OrbitalElements& elements,
                                            const Projection& projection, const double area[4]);

// The part of the segment a-b inside `area` (left, top, right, bottom), Liang and Barsky's
// clipping (Foley et al., Computer Graphics, 3.12.4): false when none of it is inside; a and b
// become the ends of that part.
bool ClipSegment(Point& a, Point& b, const double area[4]);

// Distance of `body` from the Sun at its current place, r, in millions of kilometres.
float SunDistance(const SolObjects& body);

// The zoom of the model: zoom in is offered below kMaxZoomScale and zoom out above
// kMinZoomScale. Zoom in adds 0.04; a scale already above the largest falls back to 3.0. Zoom
// out subtracts 0.04 down to 0.05 and floors at the smallest.
constexpr float kMaxZoomScale = 4.0f;
constexpr float kMinZoomScale = 0.04f;
float ZoomInScale(float scale);
float ZoomOutScale(float scale);
} // namespace solar
