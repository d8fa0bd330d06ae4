"""The left shore: the grassy bank, its stones and reeds, and the trees and shrubs on it."""
# SPDX-License-Identifier: MIT
import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw
from scipy import ndimage

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import common  # noqa: E402
from objects import PLAIN, SS, H, col, downsample, lerp, smoothstep  # noqa: E402

TREE_BOX = (90, 181, 442, 495)

# ----------------------------------------------------------------------------------------------
# Left shore: the bank and its trees

SHORE_PTS = [(-5, 428), (60, 432), (130, 442), (200, 452), (250, 466), (282, 482), (300, 505),
             (318, 560), (334, 640), (346, 720), (352, 790)]
# Left of the picture the bank keeps receding toward the far shore, so its waterline climbs slowly.
SHORE_LEFT = [(-420, 410), (-260, 415.5), (-125, 421.5)]


def shore_edge_x(pts=SHORE_PTS, none=-1.0):
    """For each row, the column where the left bank meets the water; `none` where it does not reach."""
    xs = np.full(H, none)
    for y in range(H):
        for (xa, ya), (xb, yb) in zip(pts, pts[1:]):
            if ya <= y < yb:
                xs[y] = xa + (xb - xa) * (y - ya) / (yb - ya)
                break
    return xs


def paint_bank(img, rng, cv=PLAIN):
    """The grassy bank in the lower left: grass whose blades grow larger toward the camera, a wet
    margin of mud and stones at the water, and the ground shaded under the trees. Returns the picture,
    the bank's coverage, its waterline per row and, on a canvas reaching left of the picture, the
    waterline of the bank running on there (else None)."""
    yy, xx = cv.mgrid()
    edge = shore_edge_x()
    wob = 4 * common.fbm((H, 1), 10.0, 3, rng)[:, 0]
    e = edge + wob
    mask = np.clip(e[:, None] - xx + 0.5, 0, 1) * (edge[:, None] >= 0)
    e_left = None
    if cv.x0 < 0:
        e_left = shore_edge_x(SHORE_LEFT + SHORE_PTS, none=-1e4) + wob
        mask = np.where(xx < 0, np.clip(e_left[:, None] - xx + 0.5, 0, 1), mask)
    big = cv.fbm(H, 60.0, 4, rng)
    mid = cv.fbm(H, 12.0, 3, rng)
    # grass texture in ground coordinates: blades are tall thin streaks that grow toward the camera
    blades = common.fbm((1024, 1024), 2.0, 2, rng)
    blades = ndimage.gaussian_filter(blades, (1.7, 0.3), mode="wrap")
    blades /= blades.std()
    scale = 0.35 + np.clip((yy - 430) / 330.0, 0, 1) * 1.6
    tex = common.sample(blades, yy / scale, xx / scale)
    base = lerp(col(70, 86, 42), col(112, 116, 60), np.clip(0.5 + big * 1.3, 0, 1)[..., None])
    base = lerp(base, col(96, 86, 58), np.clip(mid * 1.5 - 0.25, 0, 1)[..., None])
    grass = base * (0.72 + 0.42 * smoothstep(-1.2, 1.6, tex)[..., None] + 0.1 * mid[..., None])
    # shade under the trees and along the slope down to the water
    under = np.exp(-(((xx - 200) / 150) ** 2 + ((yy - 455) / 35) ** 2))
    grass *= (1 - 0.4 * under)[..., None]
    dist = e[:, None] - xx
    slope = np.clip(1 - dist / 40.0, 0, 1)
    grass *= (1 - 0.25 * slope)[..., None]
    mud = np.clip(1 - dist / (5.0 + 6 * np.clip((yy - 430) / 330, 0, 1)), 0, 1)
    grass = lerp(grass, col(58, 52, 42) * (1 + 0.25 * mid[..., None]), mud[..., None] * 0.9)
    img = lerp(img, grass, mask[..., None])
    return img, mask, e, e_left


def bank_details(e, rng, cv=PLAIN, e_left=None):
    """Stones at the waterline and reeds along the bank, as a layer over the water and the grass."""
    im = Image.new("RGBA", (cv.w * SS, H * SS), (0, 0, 0, 0))
    dr = ImageDraw.Draw(im)
    ox = -cv.x0
    for _ in range(24):
        y = rng.uniform(436, 760)
        x = e[int(y)] + rng.normal(2, 4)
        size = 1.5 + (y - 430) / 330 * 8 * rng.uniform(0.4, 1.2)
        g = rng.uniform(62, 100)
        base_c = np.array((g * 1.05, g, g * 0.9))
        # an irregular, half-sunk stone: a rough polygon, darker toward the water
        k = int(rng.integers(6, 10))
        angs = np.sort(rng.uniform(0, 2 * math.pi, k))
        rad = size * rng.uniform(0.7, 1.1, k)
        pts = [((x + math.cos(a) * r + ox) * SS, (y + math.sin(a) * r * 0.45) * SS) for a, r in zip(angs, rad)]
        dr.polygon(pts, fill=tuple(int(v) for v in base_c * 0.8) + (255,))
        top = [((x + math.cos(a) * r * 0.7 + ox) * SS, (y - size * 0.12 + math.sin(a) * r * 0.25) * SS)
               for a, r in zip(angs, rad)]
        dr.polygon(top, fill=tuple(int(v) for v in base_c * 1.1) + (255,))
    def reed(x, y, hgt, bend, g):
        c = tuple(int(v * g) for v in (118, 112, 62)) + (255,)
        pts = [((x + bend * (t / 6) ** 2 + ox) * SS, (y - hgt * t / 6) * SS) for t in range(7)]
        dr.line(pts, fill=c, width=max(1, int(SS * (0.7 + (y - 430) / 300))))

    for _ in range(160):
        y = rng.uniform(440, 600)
        x = e[int(y)] + rng.normal(-2, 5)
        hgt = (8 + (y - 430) / 170 * 26) * rng.uniform(0.6, 1.3)
        bend = rng.normal(0, 0.25) * hgt
        reed(x, y, hgt, bend, rng.uniform(0.75, 1.15))
    if e_left is not None:  # the far part of the bank, clear of the picture's own columns
        side = cv.side
        for _ in range(90):
            y = side.uniform(410, 428)
            x = e_left[int(y)] + side.normal(-2, 5)
            hgt = max(3.0, 8 + (y - 430) / 170 * 26) * side.uniform(0.6, 1.3)
            bend = side.normal(0, 0.25) * hgt
            g = side.uniform(0.75, 1.15)
            if x + abs(bend) < -6:
                reed(x, y, hgt, bend, g)
    return downsample(im)


TREES = [  # trunk base (x, y), crown lobes (x, y, rx, ry), trunk lean, bark colour, leaf tint
    dict(base=(175, 445), lean=0.0, bark=(70, 66, 60), tint=(0.82, 0.9, 0.9), width=5,
         lobes=[(180, 330, 40, 60), (205, 370, 35, 40), (160, 380, 30, 35)]),
    dict(base=(118, 452), lean=-0.06, bark=(70, 64, 56), tint=(0.95, 1.0, 0.92), width=6,
         lobes=[(135, 300, 44, 55), (112, 340, 30, 40), (160, 335, 36, 45), (140, 262, 30, 34)]),
    dict(base=(222, 468), lean=0.05, bark=(78, 72, 64), tint=(1.0, 1.0, 1.0), width=9,
         lobes=[(230, 255, 70, 62), (190, 300, 55, 60), (275, 300, 62, 58), (230, 215, 42, 32),
                (250, 345, 52, 42), (180, 355, 40, 38)]),
    dict(base=(272, 469), lean=0.28, bark=(196, 192, 182), tint=(1.06, 1.05, 0.9), width=5,
         lobes=[(362, 300, 42, 52), (392, 340, 34, 44), (345, 345, 30, 38), (368, 252, 26, 30)]),
    # shrubs along the top of the bank
    dict(base=(0, 0), lean=0.0, bark=(60, 56, 50), tint=(0.8, 0.88, 0.78), width=0,
         lobes=[(112, 436, 26, 14), (150, 440, 30, 15), (190, 448, 24, 13), (252, 458, 22, 12),
                (100, 428, 12, 10)]),
]


def tree_layer(rng, cv=PLAIN):
    """The trees of the left shore as an RGB layer with coverage: trunks and limbs drawn as tapered
    strokes, crowns as a leafy density field (lobes plus fine fractal noise) lit from the upper right."""
    x0, y0, x1, y1 = TREE_BOX
    out_pre = np.zeros((H, cv.w, 3))
    out_a = np.zeros((H, cv.w))
    yy, xx = cv.mgrid()
    ox = -cv.x0
    for t in TREES:
        # wood
        im = Image.new("RGBA", (cv.w * SS, H * SS), (0, 0, 0, 0))
        dr = ImageDraw.Draw(im)
        bx, by = t["base"]
        bark = t["bark"]

        def limb(xa, ya, xb, yb, wa, wb, c):
            dx, dy = xb - xa, yb - ya
            L = math.hypot(dx, dy) + 1e-9
            nx, ny = -dy / L, dx / L
            pts = [(xa + nx * wa, ya + ny * wa), (xb + nx * wb, yb + ny * wb),
                   (xb - nx * wb, yb - ny * wb), (xa - nx * wa, ya - ny * wa)]
            dr.polygon([((px + ox) * SS, py * SS) for px, py in pts], fill=tuple(int(v) for v in c) + (255,))

        lx = [l[0] for l in t["lobes"]]
        cx = float(np.mean(lx))
        top = min(l[1] for l in t["lobes"])
        px, py, w = float(bx), float(by), float(t["width"])
        n = 8 if t["width"] > 0 else 0
        for k in range(n):
            f = (k + 1) / n
            nx_ = bx + (cx - bx) * f + t["lean"] * 40 * math.sin(f * 3) + rng.uniform(-2, 2)
            ny_ = by + (top + 40 - by) * f
            limb(px, py, nx_, ny_, w, w * 0.82, bark)
            px, py, w = nx_, ny_, w * 0.82
        for lob in t["lobes"] if n else []:
            for _ in range(3):
                sx = bx + (cx - bx) * rng.uniform(0.3, 0.6)
                sy = by + (top - by) * rng.uniform(0.3, 0.55)
                ex = lob[0] + rng.uniform(-0.5, 0.5) * lob[2]
                ey = lob[1] + rng.uniform(-0.3, 0.4) * lob[3]
                mx, my = (sx + ex) / 2 + rng.uniform(-8, 8), (sy + ey) / 2 + rng.uniform(-8, 8)
                limb(sx, sy, mx, my, t["width"] * 0.4, t["width"] * 0.25, np.array(bark) * 0.85)
                limb(mx, my, ex, ey, t["width"] * 0.25, 0.6, np.array(bark) * 0.8)
        wood, wa = downsample(im)
        # bark texture: light and dark bands across the trunk
        bn = cv.fbm(H, 3.0, 2, rng)
        wood = wood * (1 + 0.25 * bn[..., None])
        if bark[0] > 150:  # birch: dark lenticels across the white bark
            marks = ndimage.gaussian_filter(cv.random(rng), (0.4, 2.0)) > 0.56
            wood = np.where(marks[..., None], wood * 0.35, wood)
        # foliage density
        env = np.full((H, cv.w), -10.0)
        lobes = list(t["lobes"])
        for lx_, ly_, rx, ry in t["lobes"]:
            for _ in range(4):  # smaller clusters around each lobe make the outline ragged
                a_ = rng.uniform(0, 2 * math.pi)
                lobes.append((lx_ + math.cos(a_) * rx * 0.85, ly_ + math.sin(a_) * ry * 0.8,
                              rx * rng.uniform(0.25, 0.4), ry * rng.uniform(0.25, 0.4)))
        for lx_, ly_, rx, ry in lobes:
            r2 = ((xx - lx_) / rx) ** 2 + ((yy - ly_) / ry) ** 2
            env = np.maximum(env, 1 - r2)
        region = smoothstep(-0.45, -0.15, env)
        bottom = max(l[1] + l[3] for l in t["lobes"])
        edge_d = np.minimum(np.minimum(xx - x0, x1 - 1 - xx), np.minimum(yy - y0, y1 - 1 - yy))
        n1 = cv.fbm(H, 18.0, 5, rng, gain=0.6)
        n_small = cv.fbm(H, 2.0, 2, rng)
        dens = 0.9 * env + 0.85 * n1 + 0.2 * n_small - 0.15 - 0.9 * (1 - smoothstep(2, 18, edge_d))
        leaf_a = smoothstep(0.0, 0.12, dens) * region
        # small gaps right through the crown, where the sky shows between the leaves
        holes = cv.fbm(H, 7.0, 3, rng)
        leaf_a *= 1 - (1 - smoothstep(-0.5, -0.36, holes)) * np.clip(1.2 - env, 0, 1)
        # light: leaf clusters lit on the side toward the upper right; deeper parts of the crown darker
        shifted = ndimage.shift(n1, (2.0, -2.0), order=1, mode="nearest")
        lit = np.clip(0.5 + (n1 - shifted) * 3.2, 0, 1)
        low = np.clip((yy - (top + (bottom - top) * 0.35)) / (bottom - top), 0, 1)
        depth = np.clip(env, 0, 1)
        sky_side = np.clip(0.5 - (yy - top) / 250.0, 0, 1)
        light = np.clip(0.12 + 0.5 * lit + 0.3 * n1 + 0.25 * sky_side - 0.25 * depth * (1 - lit) - 0.3 * low
                        + 0.35 * n_small, 0, 1)
        dark, mid, bright = col(22, 32, 20), col(56, 72, 40), col(130, 144, 88)
        leaf = np.where((light < 0.55)[..., None], lerp(dark, mid, (light / 0.55)[..., None]),
                        lerp(mid, bright, ((light - 0.55) / 0.45)[..., None]))
        leaf = leaf * np.array(t["tint"]) * (1 + 0.12 * n_small[..., None])
        leaf = lerp(leaf, col(34, 44, 46), (np.clip(0.45 - light, 0, 0.45) * 0.6)[..., None])  # sky-blue shade
        # a tree: wood, then leaves over it (premultiplied), then over the trees before it
        a = leaf_a + wa * (1 - leaf_a)
        pre = leaf * leaf_a[..., None] + wood * (wa * (1 - leaf_a))[..., None]
        out_pre = pre + out_pre * (1 - a[..., None])
        out_a = a + out_a * (1 - a)
    # everything of the trees lies inside the cut-out box
    box = np.zeros((H, cv.w))
    box[y0 + 2:y1 - 2, x0 + 2 + ox:x1 - 2 + ox] = 1
    out_rgb = out_pre / np.maximum(out_a, 1e-6)[..., None]
    return out_rgb, out_a * box


