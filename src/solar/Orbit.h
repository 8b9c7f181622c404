// Positions of the Solar System model: each body's orbital angle from the clock, its screen
// point on a flat ellipse seen from above the ecliptic, its orbit outline, its distance from
// the Sun, and the model's zoom steps. No Kepler equation is solved: the angle E runs
// uniformly with the clock and serves as the eccentric anomaly of the parametric ellipse
// (Roy, Orbital Motion, ch. 4: x = a(cos E - e), y = b sin E, here turned so that E = 0 is the
// aphelion).
#pragma once

#include "sky/Ephemeris.h"
#include "solar/SolarBody.h"

#include <cstdint>

namespace solar
{
using sky::kDegToRad;
// Millions of kilometres per astronomical unit.
constexpr double kAuInMkm = 149.59787;
// Points of an orbit outline: every 5 degrees, the last closing the ellipse.
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

// The orbital angle of a body at clock instant T (seconds since 1901-01-01 00:00), radians in
// (-2 pi, 0]: the fraction of the period elapsed since T = 0, one full turn clockwise per
// period. A period that is not a positive number gives 0.
double BodyPhase(float periodDays, uint64_t T);

// The point of `body` at angle E (radians) with zoom S (pixels per million km) about the
// origin (Ox, Oy) in pixels, x to the right and y downward, as floating pixels.
void BodyPoint(const SolObjects& body, double E, float S, double Ox, double Oy, double& x,
               double& y);

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

// The 73 outline points of `body` (E = 0, 5, ..., 360 degrees) with zoom S about (Ox, Oy).
void OrbitOutline(const SolObjects& body, float S, double Ox, double Oy,
                  uint16_t xs[kOutlinePoints], uint16_t ys[kOutlinePoints]);

// Distance of `body` from the Sun at its current angle tAng: |1 + e cos E| a, in millions of
// kilometres.
float SunDistance(const SolObjects& body);

// The zoom of the model, in pixels per million km: zoom in is offered below kMaxZoomScale and
// zoom out above kMinZoomScale. Zoom in adds 0.04; a scale already above the largest falls back
// to 3.0. Zoom out subtracts 0.04 down to 0.05 and floors at the smallest.
constexpr float kMaxZoomScale = 4.0f;
constexpr float kMinZoomScale = 0.04f;
float ZoomInScale(float scale);
float ZoomOutScale(float scale);
} // namespace solar
