#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Draws the gadget plates, the weather icons and the dialog pictures.

QIM2GadgetPanel.gif 1024 x 70, QGC1.gif 117 x 69, QGW1.gif 336 x 69, QGR1.gif 572 x 69: the
bottom panel and the gadget plates, black being see-through.
QMV3Weather.bmp     49 icons of 52 x 52 stacked (weather condition codes 0..47, then "not available").
Image1.jpg          dialog header 546 x 90.
Image2.bmp          dialog side picture 183 x 134, see-through colour in its bottom-left pixel.
FD_Ground.bmp, FD_Knob.bmp                 fader track 199 x 24 and knob 34 x 16.
BTOK_Ground_off.bmp, BTOK_Ground_on.bmp, BTCancel_Ground_off.bmp, BTCancel_Ground_on.bmp:
                    the dialog buttons, 76 x 26, released and pressed.
LunvaleIcon.png     the program's icon at 128 x 128 (the dialog's window icon), and in the icon
                    folder (dist/icons) lunvale-<size>.png at 16, 32, 48, 64, 128 and 256 for the
                    desktop's icon theme: a square of the lake scene with rounded corners.
Everything is drawn at four times the size and box-filtered down.
"""
import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import common  # noqa: E402

K = 4  # oversampling
PLATE_TOP = (46, 54, 70)
PLATE_BOTTOM = (20, 24, 33)
PLATE_EDGE = (112, 122, 146)
INSET = (12, 15, 22)
LABEL = (150, 158, 176)
BOLD = common.font_path("DejaVuSans-Bold.ttf")
COND = common.font_path("DejaVuSansCondensed-Bold.ttf")


def font(path, px):
    return ImageFont.truetype(path, int(px * K))


def canvas(w, h, bg=(0, 0, 0, 0)):
    im = Image.new("RGBA", (w * K, h * K), bg)
    return im, ImageDraw.Draw(im)


def shrink(im):
    w, h = im.size[0] // K, im.size[1] // K
    a = np.asarray(im, dtype=np.float64).reshape(h, K, w, K, 4)
    al = a[..., 3] / 255.0
    pre = (a[..., :3] * al[..., None]).mean(axis=(1, 3))
    alpha = al.mean(axis=(1, 3))
    return pre / np.maximum(alpha, 1e-6)[..., None], alpha


def vgrad(d, box, top, bottom, radius=0):
    x0, y0, x1, y1 = box
    for y in range(int(y0), int(y1)):
        t = (y - y0) / max(1, y1 - y0 - 1)
        c = tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(3))
        d.line([(x0, y), (x1 - 1, y)], fill=c + (255,))


def rounded_plate(w, h, radius=9):
    """A dark glass plate with a light rim; everything outside its rounded outline stays black."""
    im, d = canvas(w, h)
    body, bd = canvas(w, h)
    vgrad(bd, (0, 0, w * K, h * K), PLATE_TOP, PLATE_BOTTOM)
    mask = Image.new("L", im.size, 0)
    md = ImageDraw.Draw(mask)
    md.rounded_rectangle([K, K, w * K - K - 1, h * K - 1], radius=radius * K, fill=255)
    im.paste(body, (0, 0), mask)
    d.rounded_rectangle([K, K, w * K - K - 1, h * K - 1], radius=radius * K, outline=PLATE_EDGE + (255,), width=K)
    # a soft highlight along the top edge
    d.line([(radius * K, 2 * K + 1), (w * K - radius * K, 2 * K + 1)], fill=(170, 180, 200, 255), width=K // 2)
    return im, d


def inset(d, box, radius=5):
    x0, y0, x1, y1 = box
    d.rounded_rectangle([x0 * K, y0 * K, x1 * K - 1, y1 * K - 1], radius=radius * K, fill=INSET + (255,),
                        outline=(64, 72, 92, 255), width=K // 2)


def finish_keyed(im):
    """Flattens a plate onto black: see-through outside, and never exact black inside."""
    rgb, alpha = shrink(im)
    opaque = alpha >= 0.5
    rgb = np.maximum(rgb, 6.0)
    rgb[~opaque] = 0
    return rgb


def text(d, xy, s, f, fill, anchor="la"):
    d.text((xy[0] * K, xy[1] * K), s, font=f, fill=fill + (255,), anchor=anchor)


# ----------------------------------------------------------------------------------------------
# Panel and plates


def panel():
    w, h = 1024, 70
    im, d = canvas(w, h, (0, 0, 0, 0))
    # black is see-through; only a thin rim line and a faint rule remain over the scene
    d.rectangle([0, 0, w * K, K - 1], fill=(96, 106, 130, 255))
    d.rectangle([0, K, w * K, 2 * K - 1], fill=(40, 46, 60, 255))
    return finish_keyed(im)


def clock_plate():
    im, d = rounded_plate(117, 69)
    text(d, (58.5, 9), "TIME", font(BOLD, 9), LABEL, "ma")
    inset(d, (3, 24, 114, 55))
    return finish_keyed(im)


def weather_plate():
    im, d = rounded_plate(336, 69)
    text(d, (47, 27), "WEATHER", font(BOLD, 10), LABEL, "ma")
    d.line([(22 * K, 44 * K), (72 * K, 44 * K)], fill=(70, 78, 98, 255), width=K // 2)
    text(d, (153, 12), "NOW", font(COND, 8), (120, 128, 146))
    text(d, (265, 12), "TOMORROW", font(COND, 8), (120, 128, 146))
    for x in (94, 206):
        inset(d, (x - 2, 6, x + 54, 62), 4)
    return finish_keyed(im)


def news_plate():
    im, d = rounded_plate(572, 69)
    text(d, (16, 8), "NEWS", font(BOLD, 9), LABEL)
    d.ellipse([70 * K, 10 * K, 77 * K, 17 * K], fill=(200, 80, 60, 255))
    inset(d, (12, 27, 563, 51), 4)
    return finish_keyed(im)


# ----------------------------------------------------------------------------------------------
# Weather icons


def cloud(d, cx, cy, s, top=(250, 250, 252), bottom=(176, 184, 198)):
    blobs = [(-0.55, 0.12, 0.36), (-0.12, -0.18, 0.48), (0.38, -0.02, 0.4), (0.62, 0.2, 0.28), (0.05, 0.2, 0.36)]
    layer = Image.new("L", d.im.size, 0)
    ld = ImageDraw.Draw(layer)
    for bx, by, r in blobs:
        ld.ellipse([(cx + (bx - r) * s) * K, (cy + (by - r) * s) * K, (cx + (bx + r) * s) * K, (cy + (by + r) * s) * K],
                   fill=255)
    ld.rectangle([(cx - 0.55 * s) * K, cy * K, (cx + 0.62 * s) * K, (cy + 0.48 * s) * K], fill=255)
    grad = Image.new("RGBA", d.im.size)
    gd = ImageDraw.Draw(grad)
    y0, y1 = (cy - 0.7 * s) * K, (cy + 0.5 * s) * K
    for y in range(int(y0), int(y1) + 1):
        t = min(1, max(0, (y - y0) / (y1 - y0)))
        gd.line([(0, y), (d.im.size[0], y)], fill=tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(3)) + (255,))
    return grad, layer


def paste_cloud(im, cx, cy, s, dark=False):
    d = ImageDraw.Draw(im)
    top, bottom = ((190, 196, 206), (110, 118, 134)) if dark else ((252, 252, 254), (182, 190, 204))
    grad, mask = cloud(d, cx, cy, s, top, bottom)
    im.paste(grad, (0, 0), mask)


def sun(d, cx, cy, r, rays=True):
    if rays:
        for k in range(12):
            a = k * math.pi / 6
            d.line([((cx + math.cos(a) * r * 1.3) * K, (cy + math.sin(a) * r * 1.3) * K),
                    ((cx + math.cos(a) * r * 1.75) * K, (cy + math.sin(a) * r * 1.75) * K)],
                   fill=(255, 196, 40, 255), width=int(K * 1.6))
    for i in range(8, 0, -1):
        rr = r * i / 8
        c = (255, int(170 + 70 * (1 - i / 8)), int(30 + 80 * (1 - i / 8)), 255)
        d.ellipse([(cx - rr) * K, (cy - rr) * K, (cx + rr) * K, (cy + rr) * K], fill=c)


def moon(im, cx, cy, r):
    d = ImageDraw.Draw(im)
    mask = Image.new("L", im.size, 0)
    md = ImageDraw.Draw(mask)
    md.ellipse([(cx - r) * K, (cy - r) * K, (cx + r) * K, (cy + r) * K], fill=255)
    md.ellipse([(cx - r + r * 0.75) * K, (cy - r - r * 0.35) * K, (cx + r + r * 0.75) * K, (cy + r - r * 0.35) * K], fill=0)
    col = Image.new("RGBA", im.size, (244, 236, 196, 255))
    im.paste(col, (0, 0), mask)
    del d


def drops(d, pts, color=(110, 170, 255)):
    for x, y in pts:
        d.line([(x * K, y * K), ((x - 1.6) * K, (y + 4.5) * K)], fill=color + (255,), width=int(K * 1.5))


def flakes(d, pts, r=2.4):
    for x, y in pts:
        for a in range(3):
            ang = a * math.pi / 3
            d.line([((x - math.cos(ang) * r) * K, (y - math.sin(ang) * r) * K),
                    ((x + math.cos(ang) * r) * K, (y + math.sin(ang) * r) * K)], fill=(236, 244, 255, 255), width=K)


def pellets(d, pts, r=1.4, color=(200, 228, 255)):
    for x, y in pts:
        d.ellipse([(x - r) * K, (y - r) * K, (x + r) * K, (y + r) * K], fill=color + (255,))


def bolt(d, x, y, s=1.0):
    pts = [(0, 0), (6, 0), (3, 6), (7, 6), (-1, 17), (1.5, 9), (-2, 9)]
    d.polygon([((x + px * s) * K, (y + py * s) * K) for px, py in pts], fill=(255, 214, 40, 255),
              outline=(200, 140, 0, 255))


def lines(d, y0, n, gap, x0=9, x1=43, color=(176, 184, 198), width=2.0):
    for i in range(n):
        y = y0 + i * gap
        off = 3 if i % 2 else 0
        d.line([((x0 + off) * K, y * K), ((x1 - 3 + off) * K, y * K)], fill=color + (255,), width=int(K * width))


def wind(d, y0, n=3):
    for i in range(n):
        y = y0 + i * 7
        L = 30 - 6 * (i % 2)
        d.line([(8 * K, y * K), ((8 + L) * K, y * K)], fill=(214, 222, 236, 255), width=int(K * 1.8))
        d.arc([((8 + L - 4) * K, (y - 8) * K), ((8 + L + 4) * K, y * K)], 270, 90 + 90, fill=(214, 222, 236, 255),
              width=int(K * 1.8))


def thermo(d, cx, level, color):
    d.rounded_rectangle([(cx - 3.5) * K, 5 * K, (cx + 3.5) * K, 32 * K], radius=3.5 * K, fill=(230, 234, 240, 255))
    d.ellipse([(cx - 6.5) * K, 26 * K, (cx + 6.5) * K, 39 * K], fill=(230, 234, 240, 255))
    d.ellipse([(cx - 4.8) * K, 27.7 * K, (cx + 4.8) * K, 37.3 * K], fill=color + (255,))
    d.rectangle([(cx - 1.8) * K, (32 - 25 * level) * K, (cx + 1.8) * K, 31 * K], fill=color + (255,))


def tornado(d):
    for i in range(7):
        y = 6 + i * 4.6
        w = 17 - i * 2.2
        cx = 26 + math.sin(i * 0.7) * 2.5
        d.ellipse([(cx - w) * K, (y - 2.2) * K, (cx + w) * K, (y + 2.2) * K], outline=(190, 196, 210, 255),
                  width=int(K * 1.7))


def hurricane(d, color=(230, 236, 250)):
    cx, cy = 26, 21
    for arm in (0, math.pi):
        pts = []
        for i in range(40):
            t = i / 39
            a = arm + t * 2.6
            r = 3.5 + 13 * t
            pts.append(((cx + math.cos(a) * r) * K, (cy + math.sin(a) * r) * K))
        d.line(pts, fill=color + (255,), width=int(K * 3), joint="curve")
    d.ellipse([(cx - 4) * K, (cy - 4) * K, (cx + 4) * K, (cy + 4) * K], outline=color + (255,), width=int(K * 2))


def dots(d, rng, n, box, color):
    x0, y0, x1, y1 = box
    for _ in range(n):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        r = rng.uniform(0.6, 1.3)
        d.ellipse([(x - r) * K, (y - r) * K, (x + r) * K, (y + r) * K], fill=color + (255,))


RAIN = [(16, 31), (24, 33), (32, 31), (40, 33)]
FEW_RAIN = [(20, 32), (32, 32)]
SNOW = [(16, 33), (26, 35), (36, 33)]

LABELS = ["TORNADO", "TROPICAL", "HURRICANE", "SEVERE", "T-STORMS", "RAIN/SNOW", "RAIN/SLEET", "SNOW/SLEET",
          "FRZ DRIZZLE", "DRIZZLE", "FRZ RAIN", "SHOWERS", "SHOWERS", "FLURRIES", "LT SNOW", "BLOWING",
          "SNOW", "HAIL", "SLEET", "DUST", "FOG", "HAZE", "SMOKY", "BLUSTERY", "WINDY", "FRIGID", "CLOUDY",
          "M.CLOUDY", "M.CLOUDY", "P.CLOUDY", "P.CLOUDY", "CLEAR", "SUNNY", "FAIR", "FAIR", "RAIN/HAIL", "HOT",
          "ISOL T-STM", "SCT T-STM", "SCT T-STM", "SCT SHWR", "HVY SNOW", "SCT SNOW", "HVY SNOW", "P.CLOUDY",
          "T-SHOWERS", "SNOW SHWR", "ISOL T-SHWR", "N/A"]


def icon(code, rng):
    im, d = canvas(52, 52, (0, 0, 0, 255))
    vgrad(d, (0, 0, 52 * K, 52 * K), (34, 42, 58), (16, 20, 28))
    d.rectangle([0, 0, 52 * K - 1, 52 * K - 1], outline=(64, 72, 92, 255), width=K // 2)

    def cl(cx=26, cy=17, s=15, dark=False):
        paste_cloud(im, cx, cy, s, dark)

    c = code
    if c == 0:
        tornado(d)
    elif c in (1, 2):
        hurricane(d, (230, 236, 250) if c == 2 else (170, 210, 250))
        if c == 1:
            drops(d, [(12, 33), (40, 33)])
    elif c in (3, 4, 37, 38, 39, 45, 47):
        if c in (37, 38, 39, 47):
            sun(d, 34, 11, 7)
        cl(dark=c in (3, 4, 45))
        bolt(d, 22, 22, 1.0 if c != 3 else 1.15)
        if c == 3:
            bolt(d, 34, 24, 0.7)
        if c in (45, 47):
            drops(d, [(14, 31), (38, 31)])
    elif c == 5:
        cl(dark=True)
        drops(d, [(16, 31), (30, 33)])
        flakes(d, [(23, 34), (38, 33)])
    elif c == 6:
        cl(dark=True)
        drops(d, [(16, 31), (30, 33)])
        pellets(d, [(23, 35), (38, 34), (34, 38)])
    elif c == 7:
        cl(dark=True)
        flakes(d, [(16, 33), (30, 35)])
        pellets(d, [(24, 37), (38, 34)])
    elif c in (8, 9):
        cl()
        for x, y in [(16, 31), (22, 35), (28, 31), (34, 35), (40, 31)]:
            d.line([(x * K, y * K), ((x - 0.6) * K, (y + 2) * K)], fill=(140, 190, 255, 255), width=int(K * 1.2))
        if c == 8:
            flakes(d, [(44, 8)], r=3.2)
    elif c == 10:
        cl(dark=True)
        drops(d, RAIN)
        flakes(d, [(44, 8)], r=3.2)
    elif c in (11, 12):
        cl(dark=True)
        drops(d, RAIN)
    elif c == 40:
        sun(d, 34, 11, 7)
        cl()
        drops(d, FEW_RAIN)
    elif c in (13, 14, 16, 41, 43, 42, 46):
        if c == 42:
            sun(d, 34, 11, 7)
        cl(dark=c in (16, 41, 43))
        if c == 13:
            flakes(d, [(20, 33), (34, 35)], r=2.0)
        elif c in (14, 42):
            flakes(d, [(18, 33), (32, 35)])
        elif c == 46:
            flakes(d, [(16, 33), (26, 35), (36, 33)])
        else:
            flakes(d, [(12, 32), (21, 35), (30, 32), (39, 35)], r=2.6)
            if c in (41, 43):
                flakes(d, [(16, 38), (34, 38)], r=2.0)
    elif c == 15:
        cl()
        wind(d, 30, 2)
        flakes(d, [(36, 31), (44, 36)], r=2.0)
    elif c == 17:
        cl(dark=True)
        pellets(d, [(16, 32), (26, 35), (36, 32), (21, 38), (33, 38)], r=2.2, color=(240, 246, 255))
    elif c == 18:
        cl()
        pellets(d, [(16, 32), (26, 35), (36, 32), (21, 38), (33, 38)], r=1.4)
    elif c == 35:
        cl(dark=True)
        drops(d, [(16, 31), (30, 33)])
        pellets(d, [(23, 36), (38, 34)], r=2.2, color=(240, 246, 255))
    elif c == 19:
        sun(d, 26, 19, 9, rays=False)
        dots(d, rng, 70, (4, 6, 48, 38), (190, 150, 96))
    elif c == 20:
        lines(d, 10, 5, 5.8)
    elif c == 21:
        sun(d, 26, 17, 10)
        lines(d, 22, 3, 5.5, color=(200, 196, 180))
    elif c == 22:
        for i, x in enumerate((16, 28, 38)):
            pts = [((x + 4 * math.sin(t * 0.5 + i)) * K, (38 - t * 1.3) * K) for t in range(0, 26)]
            d.line(pts, fill=(160, 160, 168, 255), width=int(K * (3.6 - i * 0.6)), joint="curve")
    elif c in (23, 24):
        if c == 23:
            cl(26, 13, 11)
        wind(d, 24 if c == 23 else 12, 3 if c == 24 else 2)
    elif c == 25:
        thermo(d, 20, 0.15, (80, 150, 255))
        flakes(d, [(36, 12), (40, 26)], r=3.4)
    elif c == 36:
        thermo(d, 20, 0.9, (238, 60, 40))
        sun(d, 38, 12, 5)
    elif c == 26:
        paste_cloud(im, 20, 13, 11, True)
        cl(28, 21, 15)
    elif c == 27:
        moon(im, 16, 12, 8)
        cl(28, 20, 15, dark=True)
    elif c == 28:
        sun(d, 15, 11, 6)
        cl(28, 20, 15)
    elif c == 29:
        moon(im, 18, 13, 9)
        cl(32, 25, 11)
    elif c in (30, 44):
        sun(d, 20, 14, 8)
        cl(32, 25, 11)
    elif c == 31:
        moon(im, 26, 20, 13)
        pellets(d, [(10, 8), (44, 12), (40, 30)], r=0.8, color=(255, 255, 230))
    elif c == 32:
        sun(d, 26, 20, 9)
    elif c == 33:
        moon(im, 24, 19, 11)
        paste_cloud(im, 36, 29, 7)
    elif c == 34:
        sun(d, 24, 18, 8)
        paste_cloud(im, 37, 29, 7)
    elif c == 48:
        text(d, (26, 22), "?", font(BOLD, 24), (120, 130, 150), "mm")
    label = LABELS[c]
    px = 9
    f = font(COND, px)
    while d.textlength(label, font=f) > 49 * K and px > 6:
        px -= 0.5
        f = font(COND, px)
    text(d, (26, 48.5), label, f, (236, 240, 248), "ms")
    rgb, _ = shrink(im)
    return rgb


def weather_strip():
    rng = np.random.default_rng(19)
    return np.concatenate([icon(c, rng) for c in range(49)], axis=0)


# ----------------------------------------------------------------------------------------------
# Dialog pictures


def dialog_pictures(outdir, still):
    # header: the scene's sky and far shore, darkened toward the dialog's slate and carrying the name
    h = Image.fromarray(common.to_u8(still)).crop((0, 200, 1024, 369)).resize((546, 90), Image.Resampling.LANCZOS)
    a = np.asarray(h, dtype=np.float64)
    slate = np.array([107, 112, 133], dtype=np.float64)
    xs = np.linspace(0, 1, 546)[None, :, None]
    a = a * (0.55 + 0.45 * xs) + slate * (0.45 - 0.45 * xs)
    ys = np.linspace(0, 1, 90)[:, None, None]
    a = a * (1 - 0.35 * ys ** 3) + slate * 0.35 * ys ** 3
    im = Image.fromarray(common.to_u8(a)).convert("RGBA").resize((546 * K, 90 * K), Image.Resampling.BICUBIC)
    d = ImageDraw.Draw(im)
    text(d, (22, 22), "Lunvale", font(BOLD, 26), (246, 248, 252))
    text(d, (24, 56), "S C R E E N S A V E R", font(BOLD, 9), (210, 216, 230))
    rgb, _ = shrink(im)
    common.save_jpeg(rgb, os.path.join(outdir, "Image1.jpg"), quality=90)

    # side picture: a framed print of the lake, tilted, on the see-through colour (magenta). It is drawn
    # on a clear canvas and keyed after the box filter: a pixel at least half covered takes the picture's
    # own colour, any other is key, so no edge pixel is a blend toward magenta.
    key = (255, 0, 255)
    im, d = canvas(183, 134)
    photo = Image.fromarray(common.to_u8(still)).resize((150, 112), Image.Resampling.LANCZOS)
    card = Image.new("RGBA", (158 * K, 120 * K), (236, 238, 242, 255))
    card.paste(photo.resize((150 * K, 112 * K), Image.Resampling.BICUBIC), (4 * K, 4 * K))
    card = card.rotate(-5, resample=Image.Resampling.BICUBIC, expand=True, fillcolor=(0, 0, 0, 0))
    shadow = Image.new("RGBA", card.size, (60, 62, 80, 255))
    shadow.putalpha(card.getchannel("A"))
    ox = (183 * K - card.size[0]) // 2
    oy = (134 * K - card.size[1]) // 2
    im.alpha_composite(shadow, (ox + 3 * K, oy + 3 * K))
    im.alpha_composite(card, (ox, oy))
    rgb, alpha = shrink(im)
    rgb = np.clip(rgb, 0, 255)
    rgb[alpha < 0.5] = key
    # a covered pixel that happens to round to the key would vanish: nudge it off
    rgb[(alpha >= 0.5) & (np.abs(np.rint(rgb) - np.array(key)).max(axis=2) == 0)] = (254, 0, 254)
    rgb[-1, 0] = key
    common.write_bmp24(os.path.join(outdir, "Image2.bmp"), common.to_u8(rgb))

    # fader: a recessed track with tick marks, and a brushed-metal knob on a key-coloured ground
    im, d = canvas(199, 24, (107, 112, 133, 255))
    d.rounded_rectangle([4 * K, 9 * K, 195 * K, 15 * K], radius=3 * K, fill=(40, 44, 58, 255),
                        outline=(150, 156, 176, 255), width=K // 2)
    for i in range(11):
        x = 17 + i * 16.5
        d.line([(x * K, 18 * K), (x * K, 21 * K)], fill=(70, 74, 92, 255), width=K // 2)
    rgb, _ = shrink(im)
    common.write_bmp24(os.path.join(outdir, "FD_Ground.bmp"), common.to_u8(rgb))
    im, d = canvas(34, 16, (255, 0, 255, 255))
    vgrad(d, (0, 0, 34 * K, 16 * K), (250, 250, 252), (150, 156, 172))
    knob = Image.new("L", im.size, 0)
    ImageDraw.Draw(knob).rounded_rectangle([K, K, 33 * K - 1, 15 * K - 1], radius=5 * K, fill=255)
    bg = Image.new("RGBA", im.size, (255, 0, 255, 255))
    bg.paste(im, (0, 0), knob)
    d = ImageDraw.Draw(bg)
    d.rounded_rectangle([K, K, 33 * K - 1, 15 * K - 1], radius=5 * K, outline=(70, 76, 96, 255), width=K)
    for x in (13, 17, 21):
        d.line([(x * K, 5 * K), (x * K, 11 * K)], fill=(110, 116, 136, 255), width=K)
    rgb = np.asarray(bg.convert("RGB").resize((34, 16), Image.Resampling.BOX), dtype=np.float64)
    keyish = (np.abs(rgb - np.array((255, 0, 255))).max(axis=2) < 100)
    exact = (np.abs(rgb - np.array((255, 0, 255))).max(axis=2) == 0)
    rgb[keyish & ~exact] = (88, 92, 112)
    rgb[0, 0] = rgb[-1, 0] = (255, 0, 255)
    common.write_bmp24(os.path.join(outdir, "FD_Knob.bmp"), common.to_u8(rgb))

    # buttons
    for name, word in (("BTOK", "OK"), ("BTCancel", "Cancel")):
        for state in ("off", "on"):
            pressed = state == "on"
            im, d = canvas(76, 26, (107, 112, 133, 255))
            top, bottom = ((70, 76, 98), (96, 104, 130)) if pressed else ((150, 158, 184), (72, 78, 100))
            face = Image.new("RGBA", im.size)
            vgrad(ImageDraw.Draw(face), (0, 0, 76 * K, 26 * K), top, bottom)
            m = Image.new("L", im.size, 0)
            ImageDraw.Draw(m).rounded_rectangle([K, K, 75 * K - 1, 25 * K - 1], radius=6 * K, fill=255)
            im.paste(face, (0, 0), m)
            d.rounded_rectangle([K, K, 75 * K - 1, 25 * K - 1], radius=6 * K,
                                outline=(40, 44, 58, 255) if pressed else (206, 212, 228, 255), width=K)
            off = 1 if pressed else 0
            text(d, (38 + off, 13.5 + off), word, font(BOLD, 11), (255, 255, 255) if not pressed else (225, 230, 240), "mm")
            rgb, _ = shrink(im)
            common.write_bmp24(os.path.join(outdir, f"{name}_Ground_{state}.bmp"), common.to_u8(rgb))


ICON_SIZES = (16, 32, 48, 64, 128, 256)


def icons(outdir, icondir, still):
    """The lake with its trees, boat and jetty, cut square from the still, with rounded corners."""
    side = still.shape[0]
    x0 = 190  # from the trees on the bank to the jetty's far end
    square = Image.fromarray(common.to_u8(still[:, x0:x0 + side]))
    big = 256 * K
    photo = square.resize((big, big), Image.Resampling.LANCZOS).convert("RGBA")
    mask = Image.new("L", (big, big), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, big - 1, big - 1], radius=40 * K, fill=255)
    photo.putalpha(mask)
    rim = ImageDraw.Draw(photo)
    rim.rounded_rectangle([K, K, big - K - 1, big - K - 1], radius=39 * K, outline=(236, 238, 242, 255), width=3 * K)
    os.makedirs(icondir, exist_ok=True)
    for px in ICON_SIZES:
        icon = photo.resize((px, px), Image.Resampling.LANCZOS)
        icon.save(os.path.join(icondir, f"lunvale-{px}.png"), optimize=True)
        if px == 128:
            icon.save(os.path.join(outdir, "LunvaleIcon.png"), optimize=True)


def main(outdir, icondir):
    common.save_gif(os.path.join(outdir, "QIM2GadgetPanel.gif"), panel())
    common.save_gif(os.path.join(outdir, "QGC1.gif"), clock_plate())
    common.save_gif(os.path.join(outdir, "QGW1.gif"), weather_plate())
    common.save_gif(os.path.join(outdir, "QGR1.gif"), news_plate())
    strip = weather_strip()
    idx, pal = common.quantize_plain(strip)
    common.write_bmp8(os.path.join(outdir, "QMV3Weather.bmp"), idx, pal, rle=True)
    still = np.asarray(Image.open(os.path.join(outdir, "QIM1.jpg")).convert("RGB"), dtype=np.float64)
    dialog_pictures(outdir, still)
    icons(outdir, icondir, still)


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else common.ASSETS
    main(out, sys.argv[2] if len(sys.argv) > 2 else os.path.join(out, os.pardir, "dist", "icons"))
