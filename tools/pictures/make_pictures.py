#!/usr/bin/python3
"""Draws Orvenza's pictures: the sandogasa stamp in four rotations (DATA/*.gif),
the 24x24 tool-button icons and the 64x64 application icon (src/app/icons/*.png),
and the application icon in the sizes of the desktop's icon theme
(desktop/icons/orvenza-*.png).

Everything is computed from fixed geometry (no randomness, no timestamps), so
running the script again rewrites byte-identical files.

Needs Debian's python3-pil and fonts-ipafont-gothic (for the kana on the text
button).  Run from anywhere:  /usr/bin/python3 tools/pictures/make_pictures.py
"""

import math
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
DATA_DIR = os.path.join(ROOT, "DATA")
ICON_DIR = os.path.join(ROOT, "src", "app", "icons")
THEME_ICON_DIR = os.path.join(ROOT, "desktop", "icons")
THEME_ICON_SIZES = (16, 24, 32, 48, 128, 256)  # 64: the window icon itself
KANA_FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"

# Shared palette of the icons.
NAVY = (31, 52, 99, 255)        # outlines and main strokes
SKY = (43, 78, 148, 255)        # night-sky fills
STAR = (255, 205, 50, 255)      # stars
STRAW = (222, 178, 96, 255)     # straw / folder / gear
STRAW_DARK = (160, 112, 44, 255)
PAPER = (255, 255, 255, 255)
GREY = (150, 160, 178, 255)
LIGHT_GREY = (214, 220, 230, 255)
RED = (206, 52, 56, 255)
PINK = (240, 150, 160, 255)
CORD = (176, 30, 48)

ICON_SS = 8      # supersampling factor of the 24x24 icons
STROKE = 2.0     # stroke weight of the icons, in icon pixels


# ---------------------------------------------------------------------------
# The sandogasa: a shallow straw cone rendered by ray casting.
# ---------------------------------------------------------------------------

def render_sandogasa(width, height, ss, cx, cy, radius, *,
                     depth_ratio=0.42, elevation_deg=17.0,
                     ring_step=4.2, cord=True, cord_drop=24.0,
                     cord_width=1.4, outline=True, stitches=True):
    """Returns an RGBA image of width*ss x height*ss with a sandogasa on a
    transparent background.  (cx, cy) is the screen position of the centre of
    the brim circle and radius the brim radius, both in final pixels; the
    brim is seen from slightly above (elevation_deg)."""
    W, H = width * ss, height * ss
    A = radius * ss                      # brim radius
    Hc = depth_ratio * A                 # height of the cone
    k = A / Hc                           # radius shrinks by k per unit height
    e = math.radians(elevation_deg)
    ce, se = math.cos(e), math.sin(e)
    ccx, ccy = cx * ss, cy * ss
    step = ring_step * ss
    line_w = 0.95 * ss                   # width of a weave line
    rim_w = 1.6 * ss                     # bound edge of the brim

    # Light from the upper left, in front of the hat.
    lx, ly, lz = -0.55, 0.75, 0.45
    ln = math.sqrt(lx * lx + ly * ly + lz * lz)
    lx, ly, lz = lx / ln, ly / ln, lz / ln
    nn = math.sqrt(1.0 + k * k)

    straw = (228, 188, 112)
    hat = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    px = hat.load()
    a2 = ce * ce - k * k * se * se
    for j in range(H):
        v = ccy - (j + 0.5)
        q = Hc - v * ce
        for i in range(W):
            u = (i + 0.5) - ccx
            a1 = 2.0 * v * se * ce - 2.0 * k * k * q * se
            a0 = u * u + v * v * se * se - k * k * q * q
            disc = a1 * a1 - 4.0 * a2 * a0
            if disc < 0.0:
                continue
            sq = math.sqrt(disc)
            hit = None
            for s in sorted(((-a1 - sq) / (2.0 * a2), (-a1 + sq) / (2.0 * a2))):
                y = v * ce - s * se
                if 0.0 <= y <= Hc:
                    hit = s
                    break
            if hit is None:
                continue
            y = v * ce - hit * se
            z = -v * se - hit * ce
            x = u
            r = math.hypot(x, z)
            if r < 1e-9:
                r = 1e-9
            # Lambert shading with a soft ambient term.
            dot = ((x / r) * lx + k * ly + (z / r) * lz) / nn
            shade = 0.50 + 0.62 * max(0.0, dot)
            # Woven rings: the straw is coiled round the cone from the top.
            f = 1.0
            t = (A - r) / step
            d_ring = abs(t - round(t)) * step
            if d_ring < line_w:
                f *= 0.70 + 0.30 * (d_ring / line_w)
            elif stitches:
                # Binding stitches between two rings, staggered like brickwork.
                ring = math.floor(t)
                rr = A - (ring + 0.5) * step
                if rr > 0:
                    n = max(6, int(2.0 * math.pi * rr / (5.5 * ss)))
                    phi = math.atan2(z, x)
                    off = 0.5 if ring % 2 else 0.0
                    ps = (phi / (2.0 * math.pi) * n + off) % 1.0
                    d_st = min(ps, 1.0 - ps) * 2.0 * math.pi * r / n
                    if d_st < 0.55 * ss:
                        f *= 0.84
            if r > A - rim_w:
                f *= 0.72
            c = tuple(max(0, min(255, int(round(ch * shade * f)))) for ch in straw)
            px[i, j] = c + (255,)

    # Small knob at the top.
    draw = ImageDraw.Draw(hat)
    ax, ay = ccx, ccy - Hc * ce
    kr = max(1.2 * ss, radius * 0.045 * ss)
    draw.ellipse((ax - kr, ay - kr * 0.9, ax + kr, ay + kr * 0.7), fill=(120, 80, 34, 255))

    if outline:
        alpha = hat.getchannel("A")
        size = 2 * int(round(0.45 * ss)) + 1
        inner = alpha.filter(ImageFilter.MinFilter(size))
        edge = Image.new("RGBA", (W, H), (92, 60, 24, 255))
        # Edge pixels: inside the hat but not inside its eroded copy.
        mask = ImageChops.subtract(alpha, inner)
        hat.paste(edge, (0, 0), mask)

    if not cord:
        return hat

    # Chin cord: tied to the underside, it hangs below the brim in a V, meets
    # in a knot and ends in two short tails.  Drawn first, the hat covers it.
    layer = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    cd = ImageDraw.Draw(layer)
    cw = cord_width * ss
    knot = (ccx + 0.02 * A, ccy + A * se + cord_drop * ss * 0.78)

    def bezier(p0, p1, p2, n=40):
        pts = []
        for m in range(n + 1):
            t = m / n
            pts.append(((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
                        (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]))
        return pts

    def cord_line(pts, w):
        cd.line(pts, fill=CORD + (255,), width=int(round(w)), joint="curve")
        for p in (pts[0], pts[-1]):
            cd.ellipse((p[0] - w / 2, p[1] - w / 2, p[0] + w / 2, p[1] + w / 2), fill=CORD + (255,))

    for side in (-1, 1):
        start = (ccx + side * 0.42 * A, ccy + 0.2 * A * se)
        ctrl = (ccx + side * 0.30 * A, ccy + A * se + cord_drop * ss * 0.55)
        cord_line(bezier(start, ctrl, knot), cw)
    tail = cord_drop * ss * 0.26
    for side in (-1, 1):
        end = (knot[0] + side * tail * 0.28, knot[1] + tail)
        ctrl = (knot[0] + side * tail * 0.05, knot[1] + tail * 0.5)
        cord_line(bezier(knot, ctrl, end), cw * 0.9)
    kr = cw * 1.05
    cd.ellipse((knot[0] - kr, knot[1] - kr, knot[0] + kr, knot[1] + kr), fill=(140, 20, 36, 255))
    layer.alpha_composite(hat)
    return layer


def shrink(img, size):
    """Box-filter a supersampled RGBA image down to its final size."""
    return img.resize(size, Image.BOX)


def make_stamp_gifs():
    w, h, ss = 120, 90, 4
    hat = render_sandogasa(w, h, ss, cx=60.0, cy=34.0, radius=56.0)
    big = Image.new("RGBA", (w * ss, h * ss), (255, 255, 255, 255))
    big.alpha_composite(hat)
    rgb = shrink(big, (w, h)).convert("RGB")
    pal = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                       dither=Image.Dither.NONE)
    # Keep the background pure white in the palette.
    bg = pal.getpixel((0, 0))
    entries = pal.getpalette()
    entries[bg * 3:bg * 3 + 3] = [255, 255, 255]
    pal.putpalette(entries)
    out = {
        "sandogasa.gif": pal,
        "sandogasa_90.gif": pal.transpose(Image.Transpose.ROTATE_90),    # 90 deg anticlockwise
        "sandogasa_180.gif": pal.transpose(Image.Transpose.ROTATE_180),
        "sandogasa_270.gif": pal.transpose(Image.Transpose.ROTATE_270),  # 90 deg clockwise
    }
    for name, im in out.items():
        im.save(os.path.join(DATA_DIR, name), format="GIF")


# ---------------------------------------------------------------------------
# Tool-button icons, drawn on a supersampled 24x24 grid.
# ---------------------------------------------------------------------------

class Icon:
    def __init__(self, size=24, ss=ICON_SS):
        self.size, self.ss = size, ss
        self.img = Image.new("RGBA", (size * ss, size * ss), (0, 0, 0, 0))
        self.d = ImageDraw.Draw(self.img)

    def p(self, x, y):
        return (x * self.ss, y * self.ss)

    def poly(self, pts, fill=None, outline=None, width=STROKE):
        sp = [self.p(x, y) for x, y in pts]
        if fill:
            self.d.polygon(sp, fill=fill)
        if outline:
            self.stroke(list(pts) + [pts[0]], outline, width)

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=STROKE, radius=0.0):
        s = self.ss
        if outline:
            self.d.rounded_rectangle((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1),
                                     radius=radius * s, fill=outline)
            w = width * s
            self.d.rounded_rectangle((x0 * s + w, y0 * s + w, x1 * s - 1 - w, y1 * s - 1 - w),
                                     radius=max(0, radius - width) * s, fill=fill or (0, 0, 0, 0))
        elif fill:
            self.d.rounded_rectangle((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1),
                                     radius=radius * s, fill=fill)

    def ellipse(self, x0, y0, x1, y1, fill=None, outline=None, width=STROKE):
        s = self.ss
        if outline:
            self.d.ellipse((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), fill=outline)
            w = width * s
            self.d.ellipse((x0 * s + w, y0 * s + w, x1 * s - 1 - w, y1 * s - 1 - w),
                           fill=fill or (0, 0, 0, 0))
        elif fill:
            self.d.ellipse((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), fill=fill)

    def stroke(self, pts, colour, width=STROKE, caps=True):
        sp = [self.p(x, y) for x, y in pts]
        w = width * self.ss
        self.d.line(sp, fill=colour, width=int(round(w)), joint="curve")
        if caps:
            for x, y in (sp[0], sp[-1]):
                self.d.ellipse((x - w / 2, y - w / 2, x + w / 2, y + w / 2), fill=colour)

    def arc_points(self, cx, cy, r, a0, a1, n=48):
        """Points of a circular arc, angles in degrees, y pointing down."""
        return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
                 cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]

    def star(self, cx, cy, r_out, r_in=None, fill=STAR, points=5, rot=-90.0):
        r_in = r_in if r_in is not None else r_out * 0.45
        pts = []
        for i in range(points * 2):
            r = r_out if i % 2 == 0 else r_in
            a = math.radians(rot + i * 180.0 / points)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        self.d.polygon([self.p(x, y) for x, y in pts], fill=fill)

    def text(self, s, cx, cy, size, colour, weight=0.0):
        font = ImageFont.truetype(KANA_FONT, int(round(size * self.ss)))
        self.d.text(self.p(cx, cy), s, font=font, fill=colour, anchor="mm",
                    stroke_width=int(round(weight * self.ss)), stroke_fill=colour)

    def finish(self):
        return shrink(self.img, (self.size, self.size))


def icon_draw():
    ic = Icon()
    # A shallow cone holding a starry sky: the hat this program makes.
    cx, cy, a, b = 12.0, 14.5, 10.5, 4.2
    apex = (cx, 4.0)
    # Tangent points of the outline on the brim ellipse.
    h = cy - apex[1]
    t = math.asin(min(1.0, b / h))
    left = (cx - a * math.cos(t), cy - b * math.sin(t))
    right = (cx + a * math.cos(t), cy - b * math.sin(t))
    front = [(cx + a * math.cos(u), cy + b * math.sin(u))
             for u in [(-t + (math.pi + 2 * t) * i / 40) for i in range(41)]]
    outline = [apex, right] + front + [left]
    ic.poly(outline, fill=SKY)
    ic.stroke(outline + [apex], NAVY)
    ic.star(12.0, 12.6, 4.4)
    ic.star(6.3, 15.0, 1.5, 0.65)
    ic.star(17.6, 14.6, 1.5, 0.65)
    ic.star(20.2, 5.0, 2.2, 0.9)
    return ic.finish()


def icon_save():
    ic = Icon()
    # Floppy disk.
    ic.poly([(3, 3), (18, 3), (21, 6), (21, 21), (3, 21)], fill=SKY, outline=NAVY)
    ic.rect(7, 3.5, 17, 9.5, fill=LIGHT_GREY)
    ic.rect(13.5, 4.5, 16, 8.5, fill=NAVY)
    ic.rect(6, 13, 18, 20.5, fill=PAPER)
    ic.stroke([(8, 15.5), (16, 15.5)], GREY, 1.0, caps=False)
    ic.stroke([(8, 18), (16, 18)], GREY, 1.0, caps=False)
    return ic.finish()


def icon_open():
    ic = Icon()
    # Folder with its front flap open.
    ic.poly([(2.5, 6), (9, 6), (11, 8), (19.5, 8), (19.5, 20), (2.5, 20)], fill=STRAW_DARK, outline=NAVY)
    ic.poly([(6, 11), (22.5, 11), (19.5, 20), (2.5, 20)], fill=STRAW, outline=NAVY)
    return ic.finish()


def _printer_body(ic, paper_star=False):
    ic.rect(6, 2.5, 18, 10, fill=PAPER, outline=NAVY)           # sheet going in
    ic.rect(2, 9, 22, 18, fill=GREY, outline=NAVY, radius=2)    # body
    ic.rect(6, 14, 18, 22, fill=PAPER, outline=NAVY)            # sheet coming out
    ic.ellipse(17.5, 10.6, 19.7, 12.8, fill=(80, 200, 110, 255))
    if paper_star:
        ic.star(12, 18.2, 2.6)


def icon_print():
    ic = Icon()
    _printer_body(ic, paper_star=True)
    return ic.finish()


def icon_printer():
    ic = Icon()
    ic.rect(4, 2.5, 15, 9.5, fill=PAPER, outline=NAVY)
    ic.rect(1, 8.5, 18, 16.5, fill=GREY, outline=NAVY, radius=2)
    ic.rect(4, 13, 12, 19, fill=PAPER, outline=NAVY)
    # Gear in the lower right corner.
    cx, cy, r_out, r_in = 17.0, 17.0, 6.6, 4.9
    pts = []
    teeth = 8
    for i in range(teeth * 4):
        a = 2 * math.pi * i / (teeth * 4) + math.pi / teeth / 4
        r = r_out if (i % 4) in (0, 1) else r_in
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    ic.d.polygon([ic.p(x, y) for x, y in pts], fill=NAVY)
    ic.ellipse(cx - 4.0, cy - 4.0, cx + 4.0, cy + 4.0, fill=STRAW)
    ic.ellipse(cx - 1.7, cy - 1.7, cx + 1.7, cy + 1.7, fill=NAVY)
    return ic.finish()


def icon_erase():
    ic = Icon()
    # Eraser block lying at an angle, wiping a line away.
    def rot(x, y, a=-40.0, cx=12.5, cy=11.0):
        ca, sa = math.cos(math.radians(a)), math.sin(math.radians(a))
        return (cx + (x - cx) * ca - (y - cy) * sa, cy + (x - cx) * sa + (y - cy) * ca)
    ic.stroke([(2.5, 21.0), (21.5, 21.0)], GREY, 1.5)
    body = [rot(3.5, 7.0), rot(21.5, 7.0), rot(21.5, 15.0), rot(3.5, 15.0)]
    tip = [rot(3.5, 7.0), rot(10.0, 7.0), rot(10.0, 15.0), rot(3.5, 15.0)]
    ic.poly(body, fill=PINK)
    ic.poly(tip, fill=PAPER)
    ic.poly(body, outline=NAVY)
    ic.stroke([rot(10.0, 7.0), rot(10.0, 15.0)], NAVY)
    return ic.finish()


def icon_undo():
    ic = Icon()
    # Arrow turning back: it leaves to the left from a loop on the right.
    path = [(9.5, 19.5), (14.0, 19.5)] + ic.arc_points(14.0, 14.25, 5.25, 90, -90)[1:] + [(8.5, 9.0)]
    ic.stroke(path, NAVY, 2.6)
    ic.poly([(2.5, 9.0), (9.5, 3.8), (9.5, 14.2)], fill=NAVY)
    return ic.finish()


def icon_text():
    ic = Icon()
    ic.text("あ", 12.0, 12.3, 21.0, NAVY, weight=0.55)
    return ic.finish()


def icon_line():
    ic = Icon()
    # A straight line with its two end points, as drawn on the chart.
    ic.stroke([(5.0, 19.0), (19.0, 5.0)], NAVY, 2.4)
    ic.ellipse(2.5, 16.5, 7.5, 21.5, fill=PAPER, outline=RED, width=1.4)
    ic.ellipse(16.5, 2.5, 21.5, 7.5, fill=PAPER, outline=RED, width=1.4)
    return ic.finish()


def icon_stamp():
    ss = ICON_SS
    hat = render_sandogasa(24, 24, ss, cx=12.0, cy=13.0, radius=11.3,
                           elevation_deg=24.0, depth_ratio=0.5,
                           ring_step=2.6, cord=True, cord_drop=7.5,
                           cord_width=1.1, stitches=False)
    return shrink(hat, (24, 24))


def icon_help():
    ic = Icon()
    ic.ellipse(1.5, 1.5, 22.5, 22.5, fill=SKY)
    ic.stroke(ic.arc_points(12.0, 9.3, 3.6, 180, 400), PAPER, 2.6)
    end = ic.arc_points(12.0, 9.3, 3.6, 400, 400, 1)[0]
    ic.stroke([end, (12.0, 14.3)], PAPER, 2.6)
    ic.ellipse(10.4, 16.2, 13.6, 19.4, fill=PAPER)
    return ic.finish()


def icon_exit():
    ic = Icon()
    ic.ellipse(1.5, 1.5, 22.5, 22.5, fill=RED)
    ic.stroke([(7.8, 7.8), (16.2, 16.2)], PAPER, 2.8)
    ic.stroke([(16.2, 7.8), (7.8, 16.2)], PAPER, 2.8)
    return ic.finish()


def app_icon(size=64):
    """The application icon at size x size pixels, drawn on a 64-unit grid scaled to the size
    (the 64-pixel icon is the one the window shows; the others are for the desktop's icon theme)."""
    k = size / 64
    ss = max(4, -(-256 // size))      # supersample to at least 256 pixels
    img = Image.new("RGBA", (size * ss, size * ss), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    s = ss * k
    # Night sky: a rounded square shading from deep navy to a lighter blue.
    sky = Image.new("RGBA", img.size, (0, 0, 0, 0))
    sd = ImageDraw.Draw(sky)
    for y in range(size * ss):
        f = y / (size * ss - 1)
        sd.line((0, y, size * ss, y), fill=(int(18 + 30 * f), int(30 + 44 * f), int(72 + 70 * f), 255))
    mask = Image.new("L", img.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle((2 * s, 2 * s, 62 * s - 1, 62 * s - 1), radius=12 * s, fill=255)
    img.paste(sky, (0, 0), mask)
    helper = Icon(size, ss)
    helper.img, helper.d = img, d
    for x, y, r in ((12, 12, 3.4), (50, 9, 2.4), (31, 7, 1.6), (54, 25, 1.8),
                    (8, 28, 1.5), (22, 20, 1.2), (42, 17, 1.3)):
        helper.star(x * k, y * k, r * k, r * k * 0.45)
    hat = render_sandogasa(size, size, ss, cx=32.0 * k, cy=37.5 * k, radius=27.0 * k,
                           ring_step=3.6 * k, cord=True, cord_drop=11.0 * k, cord_width=1.6 * k)
    img.alpha_composite(hat)
    return shrink(img, (size, size))


ICONS = {
    "draw.png": icon_draw,
    "save.png": icon_save,
    "open.png": icon_open,
    "print.png": icon_print,
    "printer.png": icon_printer,
    "erase.png": icon_erase,
    "undo.png": icon_undo,
    "text.png": icon_text,
    "line.png": icon_line,
    "stamp.png": icon_stamp,
    "help.png": icon_help,
    "exit.png": icon_exit,
}


def main():
    if not os.path.exists(KANA_FONT):
        sys.exit("missing %s: apt-get install -y fonts-ipafont-gothic" % KANA_FONT)
    os.makedirs(DATA_DIR, exist_ok=True)
    os.makedirs(ICON_DIR, exist_ok=True)
    make_stamp_gifs()
    for name, fn in ICONS.items():
        fn().save(os.path.join(ICON_DIR, name), format="PNG", optimize=True)
    app_icon().save(os.path.join(ICON_DIR, "orvenza.png"), format="PNG", optimize=True)
    os.makedirs(THEME_ICON_DIR, exist_ok=True)
    for size in THEME_ICON_SIZES:
        app_icon(size).save(os.path.join(THEME_ICON_DIR, "orvenza-%d.png" % size), format="PNG", optimize=True)


if __name__ == "__main__":
    main()
