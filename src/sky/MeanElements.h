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
// errors). The outline through these elements passes within 0.0134 AU (two pixels at the
// opening zoom of the Solar System view) of the planet's place from eraPlan94 from 1901 to
// 2999.
OrbitalElements MeanElementsAt(Planet planet, double jdTt);
} // namespace sky
