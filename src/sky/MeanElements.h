// Long-range mean orbital elements of the planets, from which the Solar System view draws the
// orbit outlines: E. M. Standish, "Keplerian Elements for Approximate Positions of the Major
// Planets" (JPL Solar System Dynamics), Table 2a with its rates and the b, c, s, f terms of
// Table 2b, fitted to DE 405 over 3000 BC to 3000 AD. Pure; no Qt.
#pragma once

#include "sky/Ephemeris.h"

namespace sky
{
// The mean elements of `planet` (the Earth-Moon barycentre for the Earth; Pluto too) at the
// Julian date `jdTt` (TT), referred to the ecliptic J2000: a, e, I, the node and the argument of
// perihelion from Table 2a at T = (jdTt - 2451545) / 36525 centuries, the period from the mean
// motion of L, and the perihelion date from the mean anomaly M = L - perihelion longitude +
// b T^2 + c cos(f T) + s sin(f T), so that HeliocentricPlaceAt(elements, jdTt) is Standish's
// approximate place (Jupiter to Neptune within 0.2 degrees in longitude; see its Table 2b
// errors). Empty elements (NaN) for another value of `planet`.
OrbitalElements MeanElementsAt(Planet planet, double jdTt);

// The elements the Solar System view draws the orbit of Mercury to Neptune (the Earth-Moon
// barycentre for the Earth) with at the Julian date `jdUt` (UT): the mean elements of
// MeanElementsAt, whose shape and orientation they keep, with the semi-major axis scaled so
// that the ellipse passes through the planet's place of eraPlan94 (HeliocentricPlaceAt), and
// the perihelion date set so that HeliocentricPlaceAt(elements, jd) is that place. The mean
// ellipses of Saturn, Uranus and Neptune lie up to 0.05 AU from the planets (their mutual
// perturbations), seven pixels at the view's opening zoom; the fitted ones pass within
// 0.0003 AU of the planet seen from the north, and their size differs by under 0.5 % from
// the mean one. Empty as HeliocentricPlaceAt(Planet, jdUt).
std::optional<OrbitalElements> OutlineElementsAt(Planet planet, double jdUt);
} // namespace sky
