// Positions of the Solar System model: each body's true heliocentric place at an instant, its
// screen point seen from the north pole of the ecliptic (ecliptic longitude 0 to the right,
// 90 degrees up), its orbit outline, its distance from the Sun, and the model's zoom steps.
// The places come from the Keplerian elements of the file (sky/Ephemeris.h).
#pragma once

#include "sky/Ephemeris.h"
#include "solar/SolarBody.h"

#include <cstdint>

namespace solar
{
// Millions of kilometres per astronomical unit (the screen's unit of length is the million
// km: the zoom is in pixels per million km).
constexpr double kAuInMkm = sky::kKmPerAu / 1e6;
// Points of an orbit outline: every 5 degrees of eccentric anomaly, the last closing it.
constexpr int kOutlinePoints = 73;

// What a slot of the table holds, by its kind and its place: planets only in slots 0..8 (the
// planet sprites are indexed by slot), comets anywhere; anything else is no body.
enum class BodyRole
{
    None,
    Planet,
    Comet
};
BodyRole RoleOf(const SolObjects& body, int slot);

// Every slot's place at the Julian date `jd` (UT): sky::HeliocentricPlaceAt of its elements.
// Elements no orbit can have (a damaged file, an empty slot) give a place of NaN, which
// ScreenCoord puts far outside any window.
void PlaceBodiesAt(SolObjects table[kSolarSlots], double jd);

// The screen point of the heliocentric ecliptic point `p` (AU; z is ignored: the view looks
// down from the north) with zoom S (pixels per million km) about the origin (Ox, Oy) in
// pixels, x to the right and y downward: (Ox, Oy) + S (x, -y), x and y in millions of km.
void ScreenPoint(const sky::Vec3& p, float S, double Ox, double Oy, double& x, double& y);

// The screen point of `body` at its current place, as ScreenPoint.
void BodyPoint(const SolObjects& body, float S, double Ox, double Oy, double& x, double& y);

// A floating pixel coordinate as the model stores it: truncated toward zero and kept modulo
// 65536 (so -3 is 65533). A value that is not finite or beyond +-2^31 gives 32768, far outside
// any window.
uint16_t ScreenCoord(double v);

// A double narrowed to single precision; finite values beyond its range become its largest
// value of the same sign instead of an undefined conversion.
float ToSingle(double v);

// The stored unsigned coordinate read back as a signed one (65533 is -3): used for lines, so
// that an outline passing the left or top edge is drawn as the ellipse it is.
inline int SignedCoord(uint16_t v)
{
    return static_cast<int16_t>(v);
}

// The 73 points of the true orbit with these elements, heliocentric ecliptic J2000 in AU:
// eccentric anomaly 0, 5, ..., 360 degrees from the perihelion, through sky::OrbitPointAt.
void OrbitOutlinePoints(const sky::OrbitalElements& elements, sky::Vec3 points[kOutlinePoints]);

// The 73 outline points on the screen, as ScreenPoint and ScreenCoord put them, with zoom S
// about (Ox, Oy).
void OutlineOnScreen(const sky::Vec3 points[kOutlinePoints], float S, double Ox, double Oy,
                     uint16_t xs[kOutlinePoints], uint16_t ys[kOutlinePoints]);

// OrbitOutlinePoints of `body`'s elements, then OutlineOnScreen.
void OrbitOutline(const SolObjects& body, float S, double Ox, double Oy,
                  uint16_t xs[kOutlinePoints], uint16_t ys[kOutlinePoints]);

// Distance of `body` from the Sun at its current place, r, in millions of kilometres.
float SunDistance(const SolObjects& body);

// The zoom of the model, in pixels per million km: zoom in is offered below kMaxZoomScale and
// zoom out above kMinZoomScale. Zoom in adds 0.04; a scale already above the largest falls back
// to 3.0. Zoom out subtracts 0.04 down to 0.05 and floors at the smallest.
constexpr float kMaxZoomScale = 4.0f;
constexpr float kMinZoomScale = 0.04f;
float ZoomInScale(float scale);
float ZoomOutScale(float scale);
} // namespace solar
