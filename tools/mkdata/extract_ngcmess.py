#!/usr/bin/env python3
"""Developer tool: derive data/ngcmess.csv (33 deep-sky objects) from d3-celestial.

Not run by the build. Input: `npm pack d3-celestial@0.7.35`, untarred (package/data/messier.json,
dsos.14.json and constellations.bounds.json; BSD-3-Clause, (c) 2015 Olaf Frohn).

Second input: Debian's stellarium-data 0.22.2-1 (`apt-get download stellarium-data`, then
`dpkg-deb -x`), whose deep-sky catalogue nebulae/default/catalog.dat (version 3.16, a gzipped
Qt data stream) gives the visual magnitudes.

Usage: extract_ngcmess.py --d3 package/data --stel .../stellarium/nebulae/default --out data

Positions, sizes and galaxy classes come from the package, the visual magnitudes from the
deep-sky catalogue of stellarium-data, except where MAG_OVERRIDES and SIZE_OVERRIDES name a
better source. The short comment shown
on the object card is ours: the Hubble class shortened from the package's class, a remark for
nebulae, and for clusters an approximate member count from the literature (rounded figures as
found in common references; they are orders of magnitude, not counts).
"""

import argparse
import csv
import gzip
import json
import os
import struct

from extract_stars import CONST_ABBR, const_number, inside_polygon, ra_hours

D3_VERSION = "d3-celestial 0.7.35"
STEL_DSO = "stellarium-data 0.22.2-1 DSO catalogue 3.16"

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


# Visual magnitudes that the deep-sky catalogue gives for part of the object only, by NGC number.
MAG_OVERRIDES = {
    5139: (3.7, "V 3.7: Harris, Catalog of Milky Way Globular Clusters, 2010 edition (3.68); "
                "stellarium-data gives 5.33"),
    6514: (6.3, "V 6.3 with its cluster: SEDS Messier catalogue; stellarium-data gives 8.5, "
                "the nebula's"),
}

# Sizes where the package's figure misleads, by NGC number.
SIZE_OVERRIDES = {
    104: ("31'", "the cluster is round, 31' across: major axis 30.9' in " + STEL_DSO),
}


def read_stellarium_dso(path):
    """Records of stellarium's catalog.dat (format 3.16) as dicts with "v", "NGC" and "M".

    Layout of Nebula::readDSO in stellarium 0.22: big-endian Qt data stream, doubles for the
    real numbers, quint32 for the catalogue numbers, QStrings as a byte length and UTF-16.
    """
    data = gzip.open(path).read()
    pos = 0

    def u32():
        nonlocal pos
        value = struct.unpack_from(">I", data, pos)[0]
        pos += 4
        return value

    def f64():
        nonlocal pos
        value = struct.unpack_from(">d", data, pos)[0]
        pos += 8
        return value

    def qstring():
        nonlocal pos
        n = u32()
        if n == 0xFFFFFFFF:
            return ""
        text = data[pos:pos + n].decode("utf-16-be")
        pos += n
        return text

    if qstring() != "3.16":
        raise SystemExit("unexpected catalog.dat version")
    qstring()  # edition
    records = []
    while pos < len(data):
        r = {"id": u32()}
        for k in ("ra", "dec", "b", "v"):
            r[k] = f64()
        r["type"] = u32()
        r["morph"] = qstring()
        for k in ("major", "minor"):
            r[k] = f64()
        r["angle"] = u32()
        for k in ("z", "z_err", "plx", "plx_err", "dist", "dist_err"):
            r[k] = f64()
        for k in ("NGC", "IC", "M", "C", "B", "Sh2", "VdB", "RCW", "LDN", "LBN", "Cr", "Mel",
                  "PGC", "UGC"):
            r[k] = u32()
        r["Ced"] = qstring()
        for k in ("Arp", "VV"):
            r[k] = u32()
        for k in ("PK", "PNG", "SNRG", "ACO", "HCG", "ESO", "VdBH"):
            r[k] = qstring()
        for k in ("DWB", "Tr", "St", "Ru", "VdBHa"):
            r[k] = u32()
        records.append(r)
    return records


def stellarium_magnitude(records, messier, ngc):
    """V of the object: the record with its Messier number, else the one with its NGC number."""
    for r in records:
        if (messier and r["M"] == messier) or (not messier and r["NGC"] == ngc and not r["M"]):
            if r["v"] < 99:
                return r["v"]
    raise SystemExit("no magnitude for M%d NGC %d" % (messier, ngc))


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
    ap.add_argument("--stel", required=True, help="stellarium nebulae/default directory")
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    def load(name):
        with open(os.path.join(args.d3, name), encoding="utf-8") as f:
            return json.load(f)

    messier = {f["id"]: f for f in load("messier.json")["features"]}
    dsos = {f["id"]: f for f in load("dsos.14.json")["features"]}
    bounds = load("constellations.bounds.json")["features"]
    stel = read_stellarium_dso(os.path.join(args.stel, "catalog.dat"))

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
        size = size_text(p["dim"])
        if ngc in SIZE_OVERRIDES:
            size, why = SIZE_OVERRIDES[ngc]
            source += "; " + why
        if ngc in MAG_OVERRIDES:
            mag, why = MAG_OVERRIDES[ngc]
            source += "; " + why
        else:
            mag = stellarium_magnitude(stel, m_number, ngc)
            source += "; V: " + STEL_DSO
        rows.append([m_number, ngc, kind, size, comment, "%.5f" % ra_hours(lon), "%.4f" % lat,
                     "%.2f" % mag, c, CONST_ABBR[c - 1], source])

    with open(os.path.join(args.out, "ngcmess.csv"), "w", newline="", encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["messier", "ngc", "type", "size", "comments", "ra_hours", "dec_deg", "vmag",
                    "const", "const_abbr", "source"])
        w.writerows(rows)


if __name__ == "__main__":
    main()
