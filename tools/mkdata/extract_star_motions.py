#!/usr/bin/env python3
"""Developer tool: derive data/star_motions.csv, the proper motion of every star of data/stars.csv.

Not run by the build. Input, fetched once by hand into a scratch directory:

  apt-get download stellarium-data (Debian 12: 0.22.2-1) && dpkg-deb -x stellarium-data_*.deb st
      stars/default/hip_pm.dat: the Hipparcos proper motions as a text table (HIP, mu_alpha* and
      mu_delta in milliarcseconds per year); only those numbers (facts) are read.

Usage:
  extract_star_motions.py --stel st/usr/share/stellarium/stars/default --data data

Writes data/star_motions.csv: hip, pm_ra_mas (mu_alpha* = mu_alpha cos dec), pm_dec_mas, one row
per row of stars.csv in its order. A star that the table lacks (a double star without a
single-star solution, such as Xi UMa, HIP 55203) is written with no motion, and its source
column says so.
"""

import argparse
import csv
import os
import sys

SOURCE = "stellarium-data 0.22.2-1 (Debian 12); stars/default/hip_pm.dat"
NOT_LISTED = "not in hip_pm.dat of stellarium-data 0.22.2-1: no motion"


def read_motions(path):
    motions = {}
    with open(path, encoding="ascii") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            hip, pm_ra, pm_dec = line.split()[:3]
            motions[int(hip)] = (float(pm_ra), float(pm_dec))
    return motions


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--stel", required=True, help="stellarium stars/default directory")
    ap.add_argument("--data", required=True, help="the repository's data directory")
    args = ap.parse_args()

    motions = read_motions(os.path.join(args.stel, "hip_pm.dat"))
    with open(os.path.join(args.data, "stars.csv"), encoding="utf-8") as f:
        hips = [int(row["hip"]) for row in csv.DictReader(f)]
    missing = [h for h in hips if h not in motions]
    if missing:
        print("no proper motion for HIP " + ", ".join(map(str, missing)), file=sys.stderr)

    with open(os.path.join(args.data, "star_motions.csv"), "w", encoding="utf-8", newline="") as f:
        out = csv.writer(f, lineterminator="\n")
        out.writerow(["hip", "pm_ra_mas", "pm_dec_mas", "source"])
        for h in hips:
            pm_ra, pm_dec = motions.get(h, (0.0, 0.0))
            out.writerow([h, "%.2f" % pm_ra, "%.2f" % pm_dec, SOURCE if h in motions else NOT_LISTED])
    print("star_motions.csv: %d stars" % len(hips))


if __name__ == "__main__":
    main()
