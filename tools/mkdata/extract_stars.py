#!/usr/bin/env python3
"""Developer tool: derive data/stars.csv and data/constellation_lines.csv from public catalogues.

Not run by the build. Inputs, fetched once by hand into a scratch directory:

  npm pack d3-celestial@0.7.35 && tar xzf d3-celestial-0.7.35.tgz          -> package/data/*.json
      BSD-3-Clause, (c) 2015 Olaf Frohn; positions, magnitudes and B-V from the extended
      Hipparcos compilation (XHIP), names and figures as shipped in the package.
  apt-get download stellarium-data (Debian 12: 0.22.2-1) && dpkg-deb -x stellarium-data_*.deb st
      stars/default/stars_0_0v0_8.cat and stars_hip_sp_0v0_4.cat: only the spectral-type text of
      each Hipparcos star is read (a fact); skycultures/western/star_names.fab: which names the
      IAU Catalog of Star Names holds; nothing of the package is copied.

Usage:
  extract_stars.py --d3 package/data --stel st/usr/share/stellarium/stars/default \
      --names st/usr/share/stellarium/skycultures/western/star_names.fab --out data

What it does:
  1. Reads every star to magnitude 8 (stars.8.json) and its names (starnames.json).
  2. Turns the figures of constellations.lines.json (coordinates) into pairs of Hipparcos numbers by
     matching each vertex to the brightest star within 0.03 degrees.
  3. Gives each star its constellation: the one of its Bayer/Flamsteed designation, else the IAU
     boundary polygon that contains it (constellations.bounds.json). Serpens is split at the
     meridian of Ophiuchus: Serpens Caput below RA 17h, Serpens Cauda above.
  4. Chooses 690 stars: a figure star's score is its magnitude less FIGURE_BONUS (half of it for
     the end of a chain), every constellation keeps its minimal figure (the ends of its brightest
     connected segments), then the star with the worst score is dropped until 690 remain. A
     figure star that has lost its partners falls back to its plain magnitude, so segments that
     touch faint stars go first and the freed places are filled by the brightest remaining stars.
  5. Writes the chosen stars with designation, curated proper name and its kind (IAU or
     traditional), spectral and luminosity class.
     constellation_lines.csv keeps every figure segment whose ends share a constellation; the
     generator drops those whose ends are not both in the catalogue.
"""

import argparse
import csv
import json
import math
import os
import re
import struct
import sys

D3_VERSION = "d3-celestial 0.7.35"
STEL_VERSION = "stellarium-data 0.22.2-1 (Debian 12)"

STAR_COUNT = 690
# Magnitudes: a star that joins two figure segments competes with stars this much brighter, the
# end of a chain with stars half as much brighter, so chains shorten from their faint ends.
FIGURE_BONUS = 1.5
MIN_FIGURE_SEGMENTS = 3  # segments every constellation keeps when its figure has that many
MATCH_RADIUS_DEG = 0.03

# ConstName order of the program (numbers 1..89); Serpens Cauda 79, Serpens Caput 80.
CONST_ABBR = [
    "UMI", "UMA", "CVN", "CRU", "CRV", "CYG", "ARI", "CMI", "PYX", "LYR", "ORI", "LEO", "LIB",
    "CAP", "GEM", "SCL", "FOR", "MIC", "CNC", "DEL", "SGE", "SEX", "CRB", "CAS", "TRI", "DRA",
    "CRT", "SCT", "EQU", "ANT", "COL", "CEP", "PSA", "CRA", "SGR", "LEP", "AUR", "TAU", "PER",
    "CMA", "MON", "PEG", "AND", "TRA", "NOR", "LUP", "SCO", "ERI", "VIR", "AQR", "PSC", "HYA",
    "TUC", "PIC", "RET", "PHE", "IND", "HOR", "CIR", "APS", "PUP", "VEL", "CAR", "GRU", "MUS",
    "ARA", "VOL", "CHA", "OCT", "PAV", "HYI", "MEN", "DOR", "CAE", "COM", "HER", "BOO", "CEN",
    "SER", "SER", "OPH", "CET", "AQL", "LAC", "VUL", "LMI", "LYN", "CAM", "TEL",
]
SER_CAUDA, SER_CAPUT = 79, 80

GREEK = {
    "α": "Alp", "β": "Bet", "γ": "Gam", "δ": "Del", "ε": "Eps", "ζ": "Zet", "η": "Eta",
    "θ": "Tet", "ι": "Iot", "κ": "Kap", "λ": "Lam", "μ": "Mu", "ν": "Nu", "ξ": "Xi",
    "ο": "Omi", "π": "Pi", "ρ": "Rho", "σ": "Sig", "τ": "Tau", "υ": "Ups", "φ": "Phi",
    "χ": "Chi", "ψ": "Psi", "ω": "Ome",
}

# Proper names as the program shows them, by HIP. A value replaces the package's name; an empty
# value removes it. The package carries many recent or obscure names (several shared by two
# stars); the program keeps the traditional names that atlases and planetarium programs use, and
# each name only once. Where the IAU's Working Group on Star Names has named a star, its name and
# spelling win (the IAU Catalog of Star Names, as carried by stellarium-data's western sky
# culture, skycultures/western/star_names.fab); a name the IAU gives to another star is removed.
# A name the catalogue does not hold is kept as the traditional name it is, and marked so.
NAME_OVERRIDES = {
    3179: "Schedar",  # the IAU's spelling of Alpha Cas (the package: "Shedar")
    86670: "Girtab",  # Kappa Sco: traditional, as most atlases name it (the package: "Mula")
    87073: "",  # Iota1 Sco: the package's "Girtab" belongs to Kappa Sco
    55282: "Labrum",  # Delta Crt: the package cuts the name to "Labr"
    57399: "Taiyangshou",  # Chi UMa, IAU
    20535: "Beemim",  # Upsilon3 Eri (43 Eri), IAU; the package also gives it to two neighbours
    47431: "Ukdah",  # Iota Hya, IAU; the package also gives it to Tau1 Hya
    71683: "Rigil Kentaurus",
    71681: "Toliman",
    60718: "Acrux",
    62763: "",  # "Polaris Galacticus Borealis": not a star name
    70300: "",  # "Bidelman's Helium Variable Star"
    93244: "",  # "Deneb al Okab Borealis": too long, rarely used
    96468: "",  # "Al Thalimain Posterior"
    93805: "",  # "Al Thalimain Prior"
    100044: "",  # "Revenant of the Swan"
    37229: "",  # "Markab" belongs to Alpha Pegasi
    13954: "",  # "Menkar" belongs to Alpha Ceti
    5542: "",  # "Marfak" of Mu Cas
    97804: "",  # "Tarazed" belongs to Gamma Aquilae
    94779: "",  # "Fawaris" belongs to Delta Cygni
    68002: "",  # "Alnair" belongs to Alpha Gruis
    42438: "",  # second "Muscida"
    45448: "",  # second "Markeb"
    54682: "",  # second "Al Sharasif"
    20042: "",  # "Beemim" of Upsilon4 Eri
    21248: "",  # "Beemim" of Upsilon1 Eri
    46509: "",  # "Ukdah" of Tau1 Hya
    15474: "",  # second "Angetenar"
    85829: "",  # second "Kuma"
    86620: "",  # "Dsiban", duplicate of Dziban
    107418: "",  # "Castula" belongs to Upsilon2 Cas
    19343: "",  # "Nembus" belongs to 51 And
    18246: "",  # "Atik" of Zeta Per; Omicron Per keeps it
    29655: "Propus",
    28734: "",  # "Propus" of 1 Gem and Iota Gem: Eta Gem keeps it
    36046: "",
    98162: "",  # "Terebellum" of four stars: Omega Sgr keeps it
    98353: "",
    98688: "",
    101243: "",  # second "Ruchba"
    26221: "",  # "Becklin's Star": an infrared source, not the visible star
    26220: "",  # "Trapezium": a cluster
    91919: "",  # "Double Double"
    25945: "",  # "The Ruby Star"
    107259: "Garnet Star",
    73334: "",  # "Ke Kwan"
    73273: "",  # "KeKouan"
    78727: "",  # "Grafias" of a neighbour of Zeta2 Sco
    82729: "",  # "Grafias": the name usually goes to Beta1 Sco (Acrab)
    46146: "",  # "Al Minlear al Asad"
    10324: "",  # "Al Kaff al Jidhmah"
    74793: "",  # "Pherkad Minor"
    77055: "",  # "Akfa Farkadain"
    79822: "",  # "Anwa Farkadain"
    100325: "",  # "Dabih Minor"
    1562: "",  # "Deneb Kaitos Shemali"
    111056: "",  # "Al Kalb al Rai"
    92037: "",
    70890: "Proxima Centauri",
    113889: "",
    101772: "",  # "Persian" of Alpha Ind
    103045: "",  # "Albulan": Albali belongs to Epsilon Aqr
    # Names of modern or local coinage that few atlases use:
    82080: "",  # "Circitores"
    91971: "",  # "Nasr Alwaki"
    22509: "",  # "Al Taj"
    25281: "",  # "Saif al Jabbar"
    102485: "",  # "Wei"
    105881: "",  # "Yen"
    43103: "",  # "Zubanah"
    102532: "",  # "Al Salib"
    102281: "",  # "Al Ukud"
    101093: "",  # "Al Kidr"
    102422: "",  # "Kabalfird"
    111188: "",  # "Fum al Hui"
    89642: "",  # "Hamalwarid"
    92041: "",  # "Namalsadirah"
    93683: "",  # "Manubrij"
    27072: "",  # "Kursi al Jabbar"
    27654: "",  # "Arsh al Jauzah"
    33977: "",  # "Al Zara"
    112447: "",  # "Suudalnujum"
    112440: "",  # "Sadalnazi"
    71860: "",  # "Men"
    64238: "",  # "Apami-Atsa"
    110960: "",  # "Sadaltager"
    112961: "",  # "Hydor"
    3786: "",  # "Kuton"
    42313: "",  # "Minazal"
    85792: "",  # "Choo"
    60742: "",  # "Al Dafirah"
    74666: "",  # "Thiba"
    77233: "",  # "Nasak Shamiya"
    76276: "",  # "Nasak Yamani"
    84970: "",  # "Garafsa"
    5364: "",  # "Dheneb"
    6537: "",  # "Al Naymat"
    95501: "",  # "Almizan"
    89937: "",  # "Alahakan"
    89908: "",  # "Aldhiba"
    10064: "",  # "Mizan"
    81693: "",  # "Rutilicus"
    81377: "",  # "Saik"
    87108: "",  # "Muliphen"
}

# Name used for a star without a proper name.
NO_NAME = "N/A"

# References of star_names.fab that stand for the IAU Catalog of Star Names (its reference.fab:
# 6 "IAU Catalog of Star Names (IAU-CSN)", 12 "IAU Naming Stars").
IAU_REFERENCES = {"6", "12"}
# The catalogue's spelling where the package writes the IAU's name otherwise.
IAU_SPELLINGS = {
    3179: "Schedar",  # the package: "Shedar"
    72622: "Zubenelgenubi",  # the package: "Zubenelgenubi II"
}
NAME_KINDS = ("IAU", "traditional")


def angular_distance_deg(lon1, lat1, lon2, lat2):
    """Great-circle distance between two points, degrees."""
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dl = math.radians(lon2 - lon1)
    c = math.sin(p1) * math.sin(p2) + math.cos(p1) * math.cos(p2) * math.cos(dl)
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))


def bearing(lon0, lat0, lon, lat):
    """Direction from point 0 to a point on the sphere, radians."""
    p0, p = math.radians(lat0), math.radians(lat)
    dl = math.radians(lon - lon0)
    return math.atan2(math.sin(dl) * math.cos(p),
                      math.cos(p0) * math.sin(p) - math.sin(p0) * math.cos(p) * math.cos(dl))


def inside_polygon(lon, lat, ring):
    """Winding number of a spherical polygon around a point: non-zero when inside."""
    total = 0.0
    prev = bearing(lon, lat, *ring[-1])
    for v in ring:
        cur = bearing(lon, lat, *v)
        d = cur - prev
        while d > math.pi:
            d -= 2 * math.pi
        while d < -math.pi:
            d += 2 * math.pi
        total += d
        prev = cur
    if abs(total) <= math.pi:
        return False
    # A ring also winds around the antipode of every point inside it.
    return min(angular_distance_deg(lon, lat, *v) for v in ring) < 90.0


def ra_hours(lon):
    return (lon + 360.0 if lon < 0 else lon) / 15.0


def const_number(abbr, ra_h):
    """Number 1..89 of a three-letter abbreviation (any case); Serpens split at RA 17h."""
    a = abbr.upper()
    if a == "SER":
        return SER_CAPUT if ra_h < 17.0 else SER_CAUDA
    return CONST_ABBR.index(a) + 1


def read_stellarium_spectra(stel_dir):
    """HIP -> spectral type text from the level-0 Hipparcos zone file."""
    with open(os.path.join(stel_dir, "stars_hip_sp_0v0_4.cat"), encoding="utf-8") as f:
        lines = f.read().split("\n")
    with open(os.path.join(stel_dir, "stars_0_0v0_8.cat"), "rb") as f:
        data = f.read()
    magic, _, _, _, level, _, _, _ = struct.unpack_from("<8i", data, 0)
    if magic != -2090925046 or level != 0:
        sys.exit("unexpected star file header")
    zones = 20  # level 0 of the geodesic grid
    counts = struct.unpack_from("<%dI" % zones, data, 32)
    offset = 32 + 4 * zones
    spectra = {}
    for i in range(sum(counts)):
        word, = struct.unpack_from("<I", data, offset + 28 * i)
        index, = struct.unpack_from("<H", data, offset + 28 * i + 14)
        hip = word & 0xFFFFFF
        text = lines[index] if index < len(lines) else ""
        if text and hip not in spectra:
            spectra[hip] = text
    return spectra


LUM_RE = re.compile(r"(Ia0|Iab|Ia|Ib|III|II|IV|I|VII|VI|V)")

# Types where the package's text gives no usable class or the wrong star's; values from the Yale
# Bright Star Catalogue, 5th ed.
SPECTRUM_OVERRIDES = {
    84970: "B2IV",  # Theta Oph, given only as "OB"
    72105: "K0II-III",  # Izar (HR 5506): the package gives the A0 of its faint companion
}

# What a row's source column adds for a value that does not come from the two packages.
SOURCE_NOTES = {
    3179: "name: IAU Catalog of Star Names (Schedar)",
    86670: "name: traditional; not in the IAU Catalog of Star Names",
    87073: "no name (Girtab belongs to Kappa Sco)",
    55282: "name: Labrum, traditional (the package's Labr is cut short)",
    57399: "name: IAU Catalog of Star Names, via stellarium-data 0.22.2-1 western star names",
    20535: "name: IAU Catalog of Star Names, via stellarium-data 0.22.2-1 western star names",
    47431: "name: IAU Catalog of Star Names, via stellarium-data 0.22.2-1 western star names",
    72105: "but its spectral type is K0II-III, the primary's, from the Yale Bright Star Catalogue "
    "5th ed. (HR 5506), as its B-V of 0.97 says",
}


def read_iau_names(path):
    """HIP -> the names that star_names.fab credits to the IAU Catalog of Star Names."""
    iau = {}
    pattern = re.compile(r'^\s*(\d+)\|_\("([^"]+)"\)\s*([\d,]*)')
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = pattern.match(line)
            if m and IAU_REFERENCES & set(m.group(3).split(",")):
                iau.setdefault(int(m.group(1)), set()).add(m.group(2))
    for hip, name in IAU_SPELLINGS.items():
        iau.setdefault(hip, set()).add(name)
    return iau


def split_spectrum(text):
    """Spectral class (letter and whole subclass, <= 2 chars) and luminosity class of a type text."""
    t = text.strip()
    prefix_lum = ""
    m = re.match(r"^(sd|d|g|c)(?=[OBAFGKM])", t)
    if m:
        prefix_lum = {"sd": "VI", "d": "V", "g": "III", "c": "I"}[m.group(1)]
        t = t[len(m.group(1)):]
    m = re.search(r"([OBAFGKMWCSN])(\d?)", t)
    if not m:
        return "", ""
    cls = m.group(1) + m.group(2)
    if m.group(1) == "W":  # Wolf-Rayet: keep the sequence letter (WC, WN)
        w = re.match(r"W([CNO])", t[m.start():])
        cls = "W" + (w.group(1) if w else "")
    lm = LUM_RE.search(t[m.end():])
    lum = lm.group(1) if lm else prefix_lum
    if text.strip().startswith("D"):  # white dwarf: DA, DB...
        return "D", "VII"
    return cls, lum


def designation(entry, hip):
    """Bayer letter (Greek as three letters, optional digit), else Flamsteed, else H<hip>."""
    bayer = (entry or {}).get("bayer") or ""
    m = re.match(r"^([^\d]+)(\d?)$", bayer)
    if m and m.group(1) in GREEK:
        return GREEK[m.group(1)] + m.group(2)
    if m and re.match(r"^[A-Za-z]$", m.group(1)):
        return m.group(1) + m.group(2)
    flam = (entry or {}).get("flam") or ""
    if flam.isdigit():
        return flam
    return "H%d" % hip


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--d3", required=True, help="d3-celestial package/data directory")
    ap.add_argument("--stel", required=True, help="stellarium stars/default directory")
    ap.add_argument("--names", required=True, help="stellarium western star_names.fab")
    ap.add_argument("--out", required=True, help="output data directory")
    args = ap.parse_args()

    def load(name):
        with open(os.path.join(args.d3, name), encoding="utf-8") as f:
            return json.load(f)

    stars = {}
    for f in load("stars.8.json")["features"]:
        lon, lat = f["geometry"]["coordinates"]
        bv = f["properties"].get("bv")
        stars[int(f["id"])] = {
            "lon": lon, "lat": lat, "mag": float(f["properties"]["mag"]),
            "bv": float(bv) if bv not in (None, "") else None,
        }
    names = load("starnames.json")
    bounds = load("constellations.bounds.json")["features"]

    def constellation_of(hip):
        s = stars[hip]
        ra_h = ra_hours(s["lon"])
        c = (names.get(str(hip)) or {}).get("c")
        if c:
            return const_number(c, ra_h)
        for b in bounds:
            for ring in b["geometry"]["coordinates"]:
                if inside_polygon(s["lon"], s["lat"], ring):
                    return const_number(b["id"], ra_h)
        sys.exit("no constellation for HIP %d" % hip)

    # Figures: vertices matched to the brightest star within the radius.
    by_cell = {}
    for hip, s in stars.items():
        by_cell.setdefault((int(s["lat"] // 1), int(s["lon"] // 1) % 360), []).append(hip)

    def match(lon, lat):
        best = None
        for dl in (-1, 0, 1):
            for dn in (-1, 0, 1):
                for hip in by_cell.get((int(lat // 1) + dl, (int(lon // 1) + dn) % 360), []):
                    s = stars[hip]
                    if angular_distance_deg(lon, lat, s["lon"], s["lat"]) <= MATCH_RADIUS_DEG:
                        if best is None or (s["mag"], hip) < (stars[best]["mag"], best):
                            best = hip
        return best

    segments = []  # (const number, hip1, hip2), hip1 < hip2
    seen = set()
    cross = []
    unmatched = 0
    for f in load("constellations.lines.json")["features"]:
        for line in f["geometry"]["coordinates"]:
            hips = [match(lon, lat) for lon, lat in line]
            unmatched += sum(1 for h in hips if h is None)
            for a, b in zip(hips, hips[1:]):
                if a is None or b is None or a == b:
                    continue
                key = (min(a, b), max(a, b))
                if key in seen:
                    continue
                seen.add(key)
                ca, cb = constellation_of(a), constellation_of(b)
                if ca != cb:
                    cross.append((f["id"], key, ca, cb))
                    continue
                segments.append((ca, key[0], key[1]))
    print("figure segments: %d within one constellation, %d across two, %d unmatched vertices"
          % (len(segments), len(cross), unmatched))
    for c in cross:
        print("  across: %s HIP %d-%d (%s / %s)" % (c[0], c[1][0], c[1][1],
                                                   CONST_ABBR[c[2] - 1], CONST_ABBR[c[3] - 1]))

    # Protected minimal figure: the ends of each constellation's brightest segments, grown as a
    # connected piece from its brightest segment.
    protected = set()
    by_const = {}
    for c, a, b in segments:
        by_const.setdefault(c, []).append((a, b))
    for c, segs in by_const.items():
        def seg_key(s):
            return (max(stars[s[0]]["mag"], stars[s[1]]["mag"]), s)
        ordered = sorted(segs, key=seg_key)
        chosen = [ordered[0]]
        nodes = set(ordered[0])
        while len(chosen) < min(MIN_FIGURE_SEGMENTS, len(segs)):
            nxt = [s for s in ordered if s not in chosen and (s[0] in nodes or s[1] in nodes)]
            if not nxt:
                nxt = [s for s in ordered if s not in chosen]
            chosen.append(nxt[0])
            nodes.update(nxt[0])
        protected.update(nodes)

    neighbours = {}
    for c, a, b in segments:
        neighbours.setdefault(a, set()).add(b)
        neighbours.setdefault(b, set()).add(a)

    pool = {h for h, s in stars.items() if s["mag"] < 5.0} | set(neighbours) | protected
    chosen = set(pool)

    def score(h):
        live = sum(1 for n in neighbours.get(h, ()) if n in chosen)
        return stars[h]["mag"] - FIGURE_BONUS * min(live, 2) / 2.0

    while len(chosen) > STAR_COUNT:
        worst = max((h for h in chosen if h not in protected), key=lambda h: (score(h), h))
        chosen.remove(worst)

    kept_segments = [s for s in segments if s[1] in chosen and s[2] in chosen]
    on_figure = {h for s in kept_segments for h in s[1:]}
    plain = [h for h in chosen if h not in on_figure]
    print("stars chosen: %d (%d on figures), faintest %.2f, faintest off the figures %.2f; "
          "figure segments kept %d of %d"
          % (len(chosen), len(on_figure), max(stars[h]["mag"] for h in chosen),
             max(stars[h]["mag"] for h in plain), len(kept_segments), len(segments)))
    lost = {}
    for s in segments:
        if s not in kept_segments:
            lost[s[0]] = lost.get(s[0], 0) + 1
    print("segments dropped by constellation: " + ", ".join(
        "%s %d/%d" % (CONST_ABBR[c - 1], n, len(by_const[c])) for c, n in sorted(lost.items())))

    spectra = read_stellarium_spectra(args.stel)
    iau_names = read_iau_names(args.names)
    rows = []
    used_names = {}
    for hip in chosen:
        s = stars[hip]
        entry = names.get(str(hip))
        name = (entry or {}).get("name") or ""
        if hip in NAME_OVERRIDES:
            name = NAME_OVERRIDES[hip]
        if name:
            if name in used_names:
                sys.exit("name %s given twice (HIP %d, %d)" % (name, used_names[name], hip))
            used_names[name] = hip
        if len(name.encode("utf-8")) > 20 or not name.isascii():
            sys.exit("name does not fit: HIP %d %r" % (hip, name))
        sp_text = SPECTRUM_OVERRIDES.get(hip, spectra.get(hip, ""))
        cls, lum = split_spectrum(sp_text)
        c = constellation_of(hip)
        rows.append({
            "hip": hip,
            "ra_hours": "%.6f" % ra_hours(s["lon"]),
            "dec_deg": "%.5f" % s["lat"],
            "vmag": "%.2f" % s["mag"],
            "name": name or NO_NAME,
            "name_kind": "" if not name else NAME_KINDS[name not in iau_names.get(hip, ())],
            "designation": designation(entry, hip),
            "spectral_class": cls,
            "luminosity_class": lum,
            "spectral_type": sp_text,
            "bv": "" if s["bv"] is None else "%.3f" % s["bv"],
            "const": c,
            "const_abbr": CONST_ABBR[c - 1],
            "source": "; ".join(
                ["%s; spectral type %s" % (D3_VERSION, STEL_VERSION)]
                + ([SOURCE_NOTES[hip]] if hip in SOURCE_NOTES else [])),
        })
    rows.sort(key=lambda r: (r["const"], float(r["vmag"]), r["hip"]))

    fields = ["hip", "ra_hours", "dec_deg", "vmag", "name", "name_kind", "designation",
              "spectral_class", "luminosity_class", "spectral_type", "bv", "const", "const_abbr",
              "source"]
    with open(os.path.join(args.out, "stars.csv"), "w", newline="", encoding="utf-8") as f:
        w = csv.DictWriter(f, fieldnames=fields, lineterminator="\n")
        w.writeheader()
        w.writerows(rows)
    with open(os.path.join(args.out, "constellation_lines.csv"), "w", newline="",
              encoding="utf-8") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["const", "const_abbr", "hip1", "hip2", "source"])
        for c, a, b in sorted(segments):
            w.writerow([c, CONST_ABBR[c - 1], a, b, D3_VERSION + " constellations.lines.json"])


if __name__ == "__main__":
    main()
