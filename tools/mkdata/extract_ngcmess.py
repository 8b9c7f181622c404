#!/usr/bin/env python3
"""Developer tool: derive data/ngcmess.csv (33 deep-sky objects) from d3-celestial.

Not run by the build. Input: `npm pack d3-celestial@0.7.35`, untarred (package/data/messier.json,
dsos.14.json and constellations.bounds.json; BSD-3-Clause, (c) 2015 Olaf Frohn).

Usage: extract_ngcmess.py --d3 package/data --out data

Positions, magnitudes, sizes and galaxy classes come from the package. The short comment shown
on the object card is ours: the Hubble class shortened from the package's class, a remark for
nebulae, and for clusters an approximate member count from the literature (rounded figures as
found in common references; they are orders of magnitude, not counts).
"""

import argparse
import csv
import json
import os

from extract_stars import CONST_ABBR, const_number, inside_polygon, ra_hours

D3_VERSION = "d3-celestial 0.7.35"

# Card type codes.
SPIRAL, ELLIPTICAL, IRREGULAR, PLANETARY, DIFFUSE, OPEN, GLOBULAR = range(7)

# (catalogue key, card type, comment). Keys "M.." are read from messier.json, "NGC .." from
# dsos.14.json. Objects without an NGC number (M24, M40, M45) are left out on purpose.
OBJECTS = [
    ("M31", SPIRAL, "Sb"),
    ("M33", SPIRAL, "Scd"),
    ("M51", SPIRAL, "Sbc"),
    ("M81", SPIRAL, "Sab"),
    ("M83", SPIRAL, "SBc"),
    ("M101", SPIRAL, "Scd"),
    ("M104", SPIRAL, "Sa"),
    ("M32", ELLIPTICAL, "E2"),
    ("M49", ELLIPTICAL, "E2"),
    ("M60", ELLIPTICAL, "E2"),
    ("M87", ELLIPTICAL, "E0-1"),
    ("M82", IRREGULAR, "I0"),
    ("NGC 4449", IRREGULAR, "IBm"),
    ("NGC 6822", IRREGULAR, "IBm,Barnard's_Galaxy"),
    ("M27", PLANETARY, "Dumbbell_Nebula"),
    ("M57", PLANETARY, "Ring_Nebula"),
    ("M97", PLANETARY, "Owl_Nebula"),
    ("NGC 7293", PLANETARY, "Helix_Nebula"),
    ("M1", DIFFUSE, "Crab_Nebula,SN_1054"),
    ("M8", DIFFUSE, "Lagoon_Nebula"),
    ("M20", DIFFUSE, "Trifid_Nebula"),
    ("M42", DIFFUSE, "Orion_Nebula"),
    ("NGC 3372", DIFFUSE, "Eta_Carinae_Nebula"),
    ("M7", OPEN, "~80"),
    ("M11", OPEN, "~2900"),
    ("M35", OPEN, "~500"),
    ("M44", OPEN, "~1000"),
    ("NGC 869", OPEN, "~300"),
    ("M4", GLOBULAR, "~100000"),
    ("M13", GLOBULAR, "~300000"),
    ("M22", GLOBULAR, "~70000"),
    ("NGC 104", GLOBULAR, "~1000000"),
    ("NGC 5139", GLOBULAR, "~10000000"),
]


def size_text(dim):
    """'190x60' arcmin -> "190x60'"; values under 10' keep one decimal."""
    def one(v):
        x = float(v)
        return "%d" % round(x) if x >= 10 else ("%.1f" % x).rstrip("0").rstrip(".")
    text = "x".join(one(v) for v in str(dim).split("x")) + "'"
    if len(text) > 8:
        raise SystemExit("size does not fit: %r" % dim)
    return text


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--d3", required=True)
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    def load(name):
        with open(os.path.join(args.d3, name), encoding="utf-8") as f:
            return json.load(f)

    messier = {f["id"]: f for f in load("messier.json")["features"]}
    dsos = {f["id"]: f for f in load("dsos.14.json")["features"]}
    bounds = load("constellations.bounds.json")["features"]

    def constellation(lon, lat):
        for b in bounds:
            for ring in b["geometry"]["coordinates"]:
                if inside_polygon(lon, lat, ring):
                    return const_number(b["id"], ra_hours(lon))
        raise SystemExit("no constellation at %f %f" % (lon, lat))

    rows = []
    for key, kind, comment in OBJECTS:
        if key.startswith("M"):
            f = messier[key]
            p = f["properties"]
            m_number = int(key[1:])
            ngc = int(p["desig"].split()[1].split("/")[0])
            source = D3_VERSION + " messier.json"
        else:
            f = dsos[key]
            p = f["properties"]
            m_number = 0
            ngc = int(key.split()[1])
            source = D3_VERSION + " dsos.14.json"
        lon, lat = f["geometry"]["coordinates"]
        if len(comment) > 22:
            raise SystemExit("comment does not fit: %r" % comment)
        c = constellation(lon, lat)
        rows.append([m_number, ngc, kind, size_text(p["dim"]), comment,
                     "%.5f" % ra_hours(lon), "%.4f" % lat, "%.2f" % float(p["mag"]), c,
                     CONST_ABBR[c - 1], source])

    with open(os.path.join(args.out, "ngcmess.csv"), "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["messier", "ngc", "type", "size", "comments", "ra_hours", "dec_deg", "vmag",
                    "const", "const_abbr", "source"])
        w.writerows(rows)


if __name__ == "__main__":
    main()
