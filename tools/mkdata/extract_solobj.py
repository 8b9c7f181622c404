#!/usr/bin/env python3
"""Developer tool: write data/solobj.csv, the orbital elements of the 11 Solar System bodies.

Not run by the build. No download: the inputs are the published tables quoted below.

Planets: E. M. Standish, "Keplerian Elements for Approximate Positions of the Major Planets",
JPL Solar System Dynamics, Table 1 (valid 1800 AD - 2050 AD, mean ecliptic and equinox J2000):
a (au), e, I, L, long. perihelion W, long. ascending node N (degrees) and the rate of L in degrees
per Julian century. Derived here:
  argument of perihelion  w  = W - N
  mean motion             n  = dL / 36525            (degrees per day)
  period                  P  = 360 / n               (days)
  mean anomaly at J2000   M0 = L - W, taken in (-180, 180] so that the date is the perihelion
                               passage nearest to J2000
  perihelion date         JD = 2451545 - M0 / n      (Earth: JD 2451547.5, 2000-01-03)
Comets: JPL Small-Body Database osculating elements (1P/Halley, 2P/Encke); a = q / (1 - e),
period in days = years x 365.25.

Usage: extract_solobj.py --out data
"""

import argparse
import csv
import os

JPL_PLANETS = "JPL approximate Keplerian elements, Table 1 (1800-2050), epoch J2000"
JPL_SBDB = "JPL Small-Body Database"

#          name       a (au)       e           I (deg)       L (deg)        W (deg)        N (deg)       dL (deg/cy)
PLANETS = [
    ("Mercury", 0.38709927, 0.20563593, 7.00497902, 252.25032350, 77.45779628, 48.33076593, 149472.67411175),
    ("Venus", 0.72333566, 0.00677672, 3.39467605, 181.97909950, 131.60246718, 76.67984255, 58517.81538729),
    ("Earth", 1.00000261, 0.01671123, -0.00001531, 100.46457166, 102.93768193, 0.0, 35999.37244981),
    ("Mars", 1.52371034, 0.09339410, 1.84969142, -4.55343205, -23.94362959, 49.55953891, 19140.30268499),
    ("Jupiter", 5.20288700, 0.04838624, 1.30439695, 34.39644051, 14.72847983, 100.47390909, 3034.74612775),
    ("Saturn", 9.53667594, 0.05386179, 2.48599187, 49.95424423, 92.59887831, 113.66242448, 1222.49362201),
    ("Uranus", 19.18916464, 0.04725744, 0.77263783, 313.23810451, 170.95427630, 74.01692503, 428.48202785),
    ("Neptune", 30.06992276, 0.00859048, 1.77004347, -55.12002969, 44.96476227, 131.78422574, 218.45945325),
    ("Pluto", 39.48211675, 0.24882730, 17.14001206, 238.92903833, 224.06891629, 110.30393684, 145.20780515),
]

#         name      q (au)    e         i (deg)   w (deg)   node (deg)  perihelion JD  P (years)
COMETS = [
    ("Halley", 0.585978, 0.967143, 162.2627, 111.3325, 58.4201, 2446467.395, 75.316),
    ("Encke", 0.335950, 0.848339, 11.7814, 186.5473, 334.5678, 2457822.537, 3.2969),
]


def wrap180(x):
    """Angle in degrees reduced to (-180, 180]."""
    x = x % 360.0
    return x - 360.0 if x > 180.0 else x


def wrap360(x):
    return x % 360.0


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    rows = []
    for name, a, e, inc, L, W, N, dL in PLANETS:
        n = dL / 36525.0
        m0 = wrap180(L - W)
        rows.append([len(rows), "P", name, "%.8f" % a, "%.8f" % e, "%.8f" % inc,
                     "%.6f" % N, "%.6f" % wrap360(W - N), "%.4f" % (2451545.0 - m0 / n),
                     "%.4f" % (360.0 / n), JPL_PLANETS])
    for name, q, e, inc, w, node, tp, years in COMETS:
        rows.append([len(rows), "C", name, "%.6f" % (q / (1.0 - e)), "%.6f" % e, "%.4f" % inc,
                     "%.4f" % node, "%.4f" % w, "%.3f" % tp, "%.3f" % (years * 365.25), JPL_SBDB])

    with open(os.path.join(args.out, "solobj.csv"), "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["slot", "kind", "name", "semi_axis_au", "eccentricity", "inclination_deg",
                    "asc_node_deg", "arg_perihelion_deg", "perihelion_jd", "period_days",
                    "source"])
        w.writerows(rows)


if __name__ == "__main__":
    main()
