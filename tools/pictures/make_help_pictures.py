#!/usr/bin/python3
"""Draws the pictures of the help's section on making the hat (help/orvenza-help/*.png):
joining the two sheets, cutting along the outer circle, cutting the slit, gluing the tab under
the other edge, and wearing the hat with the print inside.

Pure geometry, no randomness, no timestamps: running the script again rewrites byte-identical
files.  Needs Debian's python3-pil and fonts-ipafont-gothic.
Run from anywhere:  /usr/bin/python3 tools/pictures/make_help_pictures.py
"""

import math
import os

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
OUT_DIR = os.path.join(ROOT, "help", "orvenza-help")
FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"

W, H = 260, 190          # picture size
SS = 4                   # supersampling
INK = (31, 52, 99)
SKY = (43, 78, 148)
STAR = (255, 205, 50)
TAB = (222, 222, 222)
PAPER = (255, 255, 255)
RED = (206, 52, 56)
SKIN = (240, 205, 170)

GLUE = math.radians(30)  # half the glue angle drawn in the pictures


def canvas():
    img = Image.new("RGB", (W * SS, H * SS), PAPER)
    return img, ImageDraw.Draw(img)


def finish(img, name):
    os.makedirs(OUT_DIR, exist_ok=True)
    img.resize((W, H), Image.LANCZOS).save(os.path.join(OUT_DIR, name), optimize=True)


def s(v):
    return v * SS


def pt(cx, cy, r, a):
    """The point at distance r and rim angle a (0 north on the left, the tab on the right)."""
    return (s(cx - r * math.cos(a)), s(cy - r * math.sin(a)))


def text(d, xy, label, size=13, fill=INK, anchor="mm"):
    d.text((s(xy[0]), s(xy[1])), label, font=ImageFont.truetype(FONT, s(size)), fill=fill, anchor=anchor)


def dashed(d, p, q, dash=6, gap=4, width=2, fill=INK):
    length = math.hypot(q[0] - p[0], q[1] - p[1])
    ux, uy = (q[0] - p[0]) / length, (q[1] - p[1]) / length
    t = 0.0
    while t < length:
        e = min(length, t + s(dash))
        d.line((p[0] + ux * t, p[1] + uy * t, p[0] + ux * e, p[1] + uy * e), fill=fill, width=s(width))
        t = e + s(gap)


def dashed_circle(d, cx, cy, r, width=2):
    n = int(2 * math.pi * r / 9)
    for i in range(n):
        a0, a1 = 2 * math.pi * i / n, 2 * math.pi * (i + 0.6) / n
        d.arc((s(cx - r), s(cy - r), s(cx + r), s(cy + r)), math.degrees(a0), math.degrees(a1),
              fill=INK, width=s(width))


def scissors(d, x, y, angle, size=22):
    """Open scissors at (x, y), blades pointing along angle (radians, screen axes)."""
    c, si = math.cos(angle), math.sin(angle)

    def at(u, v):
        return (s(x + size * (u * c - v * si)), s(y + size * (u * si + v * c)))
    for sign in (1, -1):
        d.line(at(-0.25, 0.22 * sign) + at(0.55, -0.10 * sign), fill=INK, width=s(2))
        rx, ry = at(-0.40, 0.26 * sign)
        r = s(0.15 * size)
        d.ellipse((rx - r, ry - r, rx + r, ry + r), outline=RED, width=s(2))


def sky_disc(d, cx, cy, r, tab=True):
    """The printed hat from above: the rim band, the sky and, on the right, the glue tab."""
    rim = r + 8
    d.ellipse((s(cx - rim), s(cy - rim), s(cx + rim), s(cy + rim)), fill=PAPER, outline=INK, width=s(1))
    if tab:
        d.pieslice((s(cx - rim), s(cy - rim), s(cx + rim), s(cy + rim)), -math.degrees(GLUE),
                   math.degrees(GLUE), fill=TAB)
        d.pieslice((s(cx - r), s(cy - r), s(cx + r), s(cy + r)), math.degrees(GLUE),
                   360 - math.degrees(GLUE), fill=SKY)
    else:
        d.ellipse((s(cx - r), s(cy - r), s(cx + r), s(cy + r)), fill=SKY)
    for k in range(40):
        a = 2.39996 * k
        rr = r * 0.93 * math.sqrt((k + 0.5) / 40)
        if tab and abs(math.remainder(a, 2 * math.pi)) > math.pi - GLUE - 0.1:
            continue
        x, y = pt(cx, cy, rr, a)
        q = s(1.5 if k % 3 else 2.3)
        d.ellipse((x - q, y - q, x + q, y + q), fill=STAR)


def picture_join():
    img, d = canvas()
    # Sheet 1 (the upper half) is cut along its join line and laid on the join line of sheet 2.
    d.rectangle((s(40), s(4), s(220), s(74)), fill=PAPER, outline=INK, width=s(2))
    d.pieslice((s(70), s(14), s(190), s(134)), 180, 360, fill=SKY)
    dashed(d, (s(40), s(74)), (s(220), s(74)), width=2, fill=RED)
    d.rectangle((s(40), s(96), s(220), s(186)), fill=PAPER, outline=INK, width=s(2))
    d.pieslice((s(70), s(46), s(190), s(166)), 0, 180, fill=SKY)
    d.line((s(40), s(106), s(220), s(106)), fill=RED, width=s(2))
    text(d, (56, 16), "1/2", 12)
    text(d, (56, 176), "2/2", 12)
    text(d, (130, 114), "貼り合わせ線", 11, RED, "mt")
    d.line((s(234), s(66), s(234), s(100)), fill=RED, width=s(2))
    d.polygon((s(229), s(96), s(239), s(96), s(234), s(105)), fill=RED)
    finish(img, "join.png")


def picture_cut():
    img, d = canvas()
    cx, cy, r = 120, 95, 70
    sky_disc(d, cx, cy, r)
    dashed_circle(d, cx, cy, r + 8)
    scissors(d, cx - 0.71 * (r + 8) - 4, cy + 0.71 * (r + 8) + 4, math.radians(-45), 26)
    text(d, (236, 24), "外側の円", 12, INK)
    text(d, (236, 40), "を切る", 12, INK)
    finish(img, "cut.png")


def picture_slit():
    img, d = canvas()
    cx, cy, r = 110, 95, 70
    sky_disc(d, cx, cy, r)
    rim = r + 8
    slit = math.pi - GLUE
    dashed(d, pt(cx, cy, rim, slit), (s(cx), s(cy)), width=3, fill=RED)
    x, y = pt(cx, cy, rim + 14, slit)
    scissors(d, x / SS, y / SS, math.atan2(cy * SS - y, cx * SS - x), 24)
    text(d, (cx + 46, cy + 2), "のりしろ", 12)
    text(d, (236, 150), "中心まで", 12, RED)
    text(d, (236, 166), "切る", 12, RED)
    finish(img, "slit.png")


def picture_glue():
    img, d = canvas()
    cx, cy, r = 110, 95, 70
    sky_disc(d, cx, cy, r)
    # Glue on the tab, and the cut edge brought over it onto the other tab line.
    for k in range(9):
        a = math.pi - GLUE + 2 * GLUE * (k % 3 + 0.5) / 3
        x, y = pt(cx, cy, r * (0.35 + 0.2 * (k // 3)), a)
        d.ellipse((x - s(3), y - s(3), x + s(3), y + s(3)), fill=(250, 240, 160), outline=(190, 170, 60))
    p = pt(cx, cy, r + 4, math.pi - GLUE + 0.05)
    q = pt(cx, cy, r + 4, math.pi + GLUE - 0.05)
    box = (s(cx - r - 30), s(cy - r - 30), s(cx + r + 30), s(cy + r + 30))
    d.arc(box, -math.degrees(GLUE) + 4, math.degrees(GLUE) - 4, fill=RED, width=s(3))
    tip = pt(cx, cy, r + 30, math.pi + GLUE - 0.07)
    d.polygon((tip[0] - s(8), tip[1] - s(4), tip[0] + s(6), tip[1] - s(8), tip[0] + s(1), tip[1] + s(6)), fill=RED)
    del p, q
    text(d, (cx + 44, cy + 2), "のり", 12)
    text(d, (232, 22), "縁の下に", 12, RED)
    text(d, (232, 38), "貼る", 12, RED)
    finish(img, "glue.png")


def picture_wear():
    img, d = canvas()
    cx = 130
    # The person, seen from the side, looking up into the hat.
    d.ellipse((s(cx - 22), s(100), s(cx + 22), s(146)), fill=SKIN, outline=INK, width=s(2))
    d.rounded_rectangle((s(cx - 44), s(146), s(cx + 44), s(190)), s(16), fill=(120, 150, 200), outline=INK, width=s(2))
    d.ellipse((s(cx + 4), s(112), s(cx + 10), s(118)), fill=INK)
    # The hat: a shallow cone, its inside (the printed sky) seen from below.
    d.polygon((s(cx - 100), s(100), s(cx), s(42), s(cx + 100), s(100)), fill=SKY, outline=INK)
    d.line((s(cx - 100), s(100), s(cx + 100), s(100)), fill=INK, width=s(3))
    for k in range(9):
        x = cx - 70 + 17 * k
        y = 96 - (58 - abs(x - cx) * 0.58) * (0.3 + 0.5 * ((k * 0.43) % 1.0))
        q = s(2)
        d.ellipse((s(x) - q, s(y) - q, s(x) + q, s(y) + q), fill=STAR)
    dashed(d, (s(cx + 8), s(112)), (s(cx + 40), s(72)), dash=4, gap=3, width=1, fill=RED)
    text(d, (56, 30), "印刷した面", 12)
    text(d, (56, 46), "が内側", 12)
    finish(img, "wear.png")


def main():
    picture_join()
    picture_cut()
    picture_slit()
    picture_glue()
    picture_wear()


if __name__ == "__main__":
    main()
