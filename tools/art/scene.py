#!/usr/bin/python3
"""Paints the lake scene and everything cut from it.

Outputs (into the assets folder given as first argument):
  QIM1.jpg          the still, 1024 x 768
  QMV1.jpg          near water, 32 frames of 649 x 268 (columns 375..1023, rows 500..767)
  QMV2.jpg          far water, 32 frames of 739 x 87 (columns 285..1023, rows 413..499)
  QIM2masktree.bmp  the left-shore trees and boat on black, 352 x 314, cut at (90, 181)
  PREVIEWBMP.bmp    154 x 116 still for the preview window

The picture is built like a photograph: a pinhole camera 2 m above the lake looks level at the far
shore; sky, far forest, the left shore with its trees, the rowing boat and the jetty are painted in
layers, and the water reflects all of them through a rippled surface. Ripples are a sum of travelling
waves whose periods divide the 32-frame loop, so frame 31 runs into frame 0 like any other step.
"""
import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter
from scipy import ndimage

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import common  # noqa: E402

W, H = 1024, 768
CX, YH, F, EYE = 512.0, 384.0, 900.0, 2.0  # principal point, horizon row, focal length (px), eye height (m)
FRAMES = 32
SEED = 1907
SS = 2  # supersampling of the drawn layers

STRIP1 = (375, 500, 1024, 768)  # x0, y0, x1, y1 (exclusive)
STRIP2 = (285, 413, 1024, 500)
TREE_BOX = (90, 181, 442, 495)

FAR_WATERLINE = 387.0


def lerp(a, b, t):
    return a + (b - a) * t


def col(*c):
    return np.array(c, dtype=np.float64)


# ----------------------------------------------------------------------------------------------
# Sky


def paint_sky(rng):
    """An overcast sky with broken cumulus: a cloud layer at fixed height seen in perspective, so that
    clouds shrink and crowd toward the horizon, shaded light on the side toward the sun."""
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float64)
    t = np.clip(yy / YH, 0, 1)
    top, mid, hor = col(92, 110, 134), col(140, 152, 168), col(196, 201, 206)
    t1 = np.clip(t / 0.55, 0, 1)[..., None]
    t2 = np.clip((t - 0.55) / 0.45, 0, 1)[..., None] ** 1.3
    base = np.where((t < 0.55)[..., None], lerp(top, mid, t1), lerp(mid, hor, t2))
    tex = common.noise_texture(1024, 110.0, 7, rng, gain=0.55)
    levels = [tex] + [ndimage.gaussian_filter(tex, s, mode="wrap") for s in (1.5, 4.0, 10.0, 24.0)]
    dv = np.maximum(YH + 6 - yy, 1.0)
    su, sv = 150.0, 60000.0
    u = (xx - CX) / dv * su * 0.8 + 400.0
    v = sv / dv + 100.0
    foot = np.maximum(su / dv, sv / dv ** 2)
    n = np.zeros_like(u)
    sig = np.array([0.0, 1.5, 4.0, 10.0, 24.0])
    lvl = np.interp(np.log2(np.maximum(foot, 1.0)), np.log2(np.maximum(sig, 1.0)) + np.array([0, 0.6, 0.6, 0.6, 0.6]),
                    np.arange(5.0))
    samples = [common.sample(L, v, u) for L in levels]
    for i in range(5):
        w = np.clip(1 - np.abs(lvl - i), 0, 1)
        n += w * samples[i]
    # light from the upper right: march toward the sun through the (softened) density and let the
    # cloud's own mass shade it; thin edges stay bright
    dens = n + 0.1
    cover = smoothstep(-0.02, 0.14, dens)
    acc = np.zeros_like(u)
    for i in range(1, 7):
        d_ = common.sample(levels[2], v - 3.0 * i, u + 4.5 * i) + 0.1
        acc += np.clip(d_, 0, None)
    bright = np.exp(-2.2 * acc)
    thick = np.clip(dens * 2.0, 0, 1)
    c_lit, c_mid, c_dark = col(242, 241, 238), col(190, 194, 202), col(118, 124, 138)
    body = lerp(c_mid, c_dark, thick[..., None] ** 0.9)
    cloud = lerp(body, c_lit, np.clip(bright * 1.3, 0, 1)[..., None] ** 0.8)
    cloud = lerp(cloud, c_lit * 1.02, (np.clip(1 - thick * 3, 0, 1) * 0.5)[..., None])  # sunlit fringes
    haze = np.clip((YH - yy) / 150.0, 0, 1)[..., None]
    cloud = lerp(hor * 0.97, cloud, haze ** 0.6)
    sky = lerp(base, cloud, cover[..., None] * 0.96)
    fine = common.fbm((H, W), 6.0, 2, rng) * 1.5
    return sky + fine[..., None]


# ----------------------------------------------------------------------------------------------
# Far shore: distant hills and a forest line reaching down to the water


def far_shore(rng):
    xs = np.arange(W, dtype=np.float64)
    hills = YH - 38 - 30 * common.fbm((1, W), 260.0, 4, rng)[0] - 26 * np.exp(-((xs - 820) / 260) ** 2)
    top = np.full(W, FAR_WATERLINE)
    crown_id = np.full(W, -1)
    crowns = []
    x = -10.0
    i = 0
    ridge = 22 + 10 * common.fbm((1, W + 40), 200.0, 3, rng)[0]
    while x < W + 10:
        wdt = rng.uniform(4.0, 11.0)
        conifer = rng.random() < 0.45
        hgt = ridge[int(np.clip(x, 0, W - 1))] + rng.uniform(-4, 8) + (6 if conifer else 0)
        crowns.append((x, wdt, hgt, conifer))
        lo, hi = int(max(0, x - wdt)), int(min(W, x + wdt + 1))
        for px in range(lo, hi):
            d = abs(px - x) / wdt
            if d >= 1:
                continue
            prof = (1 - d) if conifer else math.sqrt(1 - d * d)
            ytop = FAR_WATERLINE - hgt * (0.55 + 0.45 * prof)
            if ytop < top[px]:
                top[px] = ytop
                crown_id[px] = i
        x += wdt * rng.uniform(0.7, 1.3)
        i += 1
    return hills, top


def paint_far(img, rng):
    hills, top = far_shore(rng)
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float64)
    xi = xx.astype(int)
    hill_mask = np.clip(yy - hills[xi] + 0.5, 0, 1)
    hill_col = col(122, 134, 140) + 6 * common.fbm((H, W), 30.0, 3, rng)[..., None]
    img = lerp(img, hill_col, hill_mask[..., None] * 0.85)
    forest_mask = np.clip(yy - top[xi] + 0.5, 0, 1) * (yy < FAR_WATERLINE + 1)
    depth = np.clip((yy - top[xi]) / 30.0, 0, 1)
    n = common.fbm((H, W), 5.0, 3, rng)
    n2 = common.fbm((H, W), 14.0, 2, rng)
    g = lerp(col(64, 82, 60), col(30, 42, 32), depth[..., None]) * (1 + 0.22 * n[..., None] + 0.12 * n2[..., None])
    haze = col(168, 178, 182)
    g = lerp(g, haze, 0.38)
    img = lerp(img, g, forest_mask[..., None])
    # stony strip at the waterline
    band = np.exp(-((yy - (FAR_WATERLINE - 0.6)) / 0.8) ** 2) * np.clip(0.5 + n2, 0, 1)
    img = lerp(img, col(150, 148, 138), (band * 0.6)[..., None])
    return img


# ----------------------------------------------------------------------------------------------
# Projection and the drawn 3-D objects (jetty, boat)


def project(X, Y, Z, mirror=False):
    if mirror:
        Y = -Y
    return CX + F * X / Z, YH - F * (Y - EYE) / Z


def downsample(im):
    """Box-filters an SS-times RGBA layer to scene size with premultiplied alpha: no dark fringes."""
    a = np.asarray(im, dtype=np.float64)
    h, w = a.shape[0] // SS, a.shape[1] // SS
    a = a.reshape(h, SS, w, SS, 4)
    alpha = a[..., 3] / 255.0
    pre = (a[..., :3] * alpha[..., None]).mean(axis=(1, 3))
    al = alpha.mean(axis=(1, 3))
    rgb = pre / np.maximum(al, 1e-6)[..., None]
    return rgb, al


class Layer:
    """An RGBA layer drawn with polygons at SS times the scene size."""

    def __init__(self):
        self.img = Image.new("RGBA", (W * SS, H * SS), (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.img)

    def poly(self, pts, rgb):
        self.draw.polygon([(x * SS, y * SS) for x, y in pts], fill=tuple(int(np.clip(c, 0, 255)) for c in rgb) + (255,))

    def result(self):
        return downsample(self.img)


def shade(base, normal, rng=None, jitter=0.0):
    n = np.asarray(normal, dtype=np.float64)
    n = n / (np.linalg.norm(n) + 1e-9)
    sky = 0.55 + 0.45 * n[1]  # overcast: light mostly from above
    sun = max(0.0, float(np.dot(n, np.array([0.5, 0.6, -0.62]) / 1.0)))
    k = 0.32 + 0.55 * sky + 0.25 * sun
    if rng is not None and jitter:
        k *= 1 + rng.uniform(-jitter, jitter)
    return np.asarray(base) * k


def quad_normal(p):
    a, b, c = np.array(p[0]), np.array(p[1]), np.array(p[2])
    n = np.cross(b - a, c - a)
    return n


def draw_faces(layer, faces, mirror):
    """faces: list of (points3d, rgb). Painter's order, far first; back faces are kept (thin wood)."""
    items = []
    for pts, rgb in faces:
        if mirror:
            if all(p[1] <= 0.0 for p in pts):
                continue
            pts = [(x, max(y, 0.0), z) for x, y, z in pts]
        else:
            if all(p[1] < -0.02 for p in pts):
                continue
        depth = max(math.hypot(p[0], p[2]) for p in pts)
        items.append((depth, pts, rgb))
    items.sort(key=lambda t: -t[0])
    for _, pts, rgb in items:
        layer.poly([project(*p, mirror=mirror) for p in pts], rgb)


def jetty_faces(rng):
    """A weathered plank jetty on square posts, running out from the right foreground."""
    faces = []
    x0, x1 = 1.25, 3.05
    d = 0.55
    z = 2.6
    wood = col(128, 116, 100)
    while z < 27.0:
        wdt = rng.uniform(0.13, 0.17)
        c = wood * rng.uniform(0.72, 1.1) * col(1, rng.uniform(0.97, 1.02), rng.uniform(0.94, 1.04))
        a, b = x0 + rng.uniform(-0.03, 0.03), x1 + rng.uniform(-0.03, 0.03)
        top = [(a, d, z), (b, d, z), (b, d, z + wdt), (a, d, z + wdt)]
        faces.append((top, shade(c, (0, 1, 0), rng, 0.04)))
        front = [(a, d - 0.035, z), (b, d - 0.035, z), (b, d, z), (a, d, z)]
        faces.append((front, shade(c * 0.7, (0, 0, -1))))
        side = [(a, d - 0.035, z), (a, d - 0.035, z + wdt), (a, d, z + wdt), (a, d, z)]
        faces.append((side, shade(c * 0.75, (-1, 0, 0))))
        z += wdt + rng.uniform(0.015, 0.03)
    zend = z
    beam = col(82, 72, 62)
    for xb in (x0 + 0.06, x1 - 0.06):
        faces.append(([(xb, d - 0.24, 2.6), (xb, d - 0.035, 2.6), (xb, d - 0.035, zend), (xb, d - 0.24, zend)],
                      shade(beam, (-1, 0, 0))))
    post = col(78, 70, 60)
    zp = 3.6
    while zp < zend:
        for xp in (x0 + 0.02, x1 - 0.02):
            tall = zp + 2.2 >= zend
            hgt = d + (0.7 if tall else -0.04)
            s = 0.07
            c = post * rng.uniform(0.85, 1.1) * (1.0 if tall else 0.8)  # under the deck lies in shade
            for y0, y1, cc in ((-0.4, 0.12, c * 0.62), (0.12, hgt, c)):  # dark, wet foot
                faces.append(([(xp - s, y0, zp - s), (xp + s, y0, zp - s), (xp + s, y1, zp - s), (xp - s, y1, zp - s)],
                              shade(cc, (0, 0, -1))))
                faces.append(([(xp - s, y0, zp - s), (xp - s, y0, zp + s), (xp - s, y1, zp + s), (xp - s, y1, zp - s)],
                              shade(cc * 0.85, (-1, 0, 0))))
            if tall:
                faces.append(([(xp - s, hgt, zp - s), (xp + s, hgt, zp - s), (xp + s, hgt, zp + s), (xp - s, hgt, zp + s)],
                              shade(c * 1.1, (0, 1, 0))))
        zp += 2.2
    return faces


def boat_faces():
    """A clinker rowing boat lying in the shallows, seen broadside from the bow quarter."""
    faces = []
    L, B = 4.2, 0.72
    ang = math.radians(62)  # heading of the bow, from the camera axis toward -X
    ox, oz = -3.75, 19.5
    stations = 26
    secs = 10

    def hull_point(u, s):
        # u: 0 transom .. 1 stem; s: -1 port gunwale .. 1 starboard gunwale
        half = B * (math.sin(math.pi * (0.18 + 0.82 * u)) ** 0.8) * (0.62 + 0.38 * (1 - u) ** 0.2)
        if u > 0.985:
            half = 0.0
        sheer = 0.42 + 0.22 * u ** 2.2 + 0.05 * (1 - u) ** 3
        keel = -0.12 + 0.18 * max(0.0, u - 0.75) / 0.25 * 0.8
        a = s * math.pi / 2
        lat = half * math.sin(a)
        y = sheer - (sheer - keel) * (math.cos(a) ** 0.55)
        lx = (u - 0.5) * L
        X = ox + lx * -math.sin(ang) + lat * math.cos(ang)
        Z = oz + lx * math.cos(ang) + lat * math.sin(ang)
        return (X, y, Z)

    hull = col(80, 112, 102)
    stripe = col(150, 150, 140)
    inner = col(150, 118, 84)
    for i in range(stations):
        u0, u1 = i / stations, (i + 1) / stations
        for j in range(secs):
            s0, s1 = -1 + 2 * j / secs, -1 + 2 * (j + 1) / secs
            p = [hull_point(u0, s0), hull_point(u1, s0), hull_point(u1, s1), hull_point(u0, s1)]
            n = quad_normal(p)
            n = n / (np.linalg.norm(n) + 1e-9)
            strake = 0.9 + 0.1 * ((j % 2) * 2 - 1)
            # outward is away from the boat's centre line at this station, and downward
            cen = np.mean(np.array(p), axis=0)
            um = (u0 + u1) / 2
            axis_pt = np.array(hull_point(um, 0.0))
            away = cen - axis_pt
            away[1] = -abs(away[1]) * 0.3 - 0.05
            if np.dot(n, away) < 0:
                n = -n
            view = cen - np.array([0, EYE, 0])
            if np.dot(n, view) < 0:
                faces.append((p, shade((stripe if j in (1, secs - 2) else hull) * strake, n)))
            else:
                faces.append((p, shade(inner * strake, -n) * 0.8))
    # gunwale rail and two thwarts
    for i in range(stations):
        u0, u1 = i / stations, (i + 1) / stations
        for s in (-1, 1):
            a0, a1 = hull_point(u0, s), hull_point(u1, s)
            p = [a0, a1, (a1[0], a1[1] + 0.05, a1[2]), (a0[0], a0[1] + 0.05, a0[2])]
            faces.append((p, shade(col(132, 100, 70), (0, 0.6, -0.8))))
    for u in (0.33, 0.62):
        a, b = hull_point(u, -0.93), hull_point(u, 0.93)
        dz = 0.1
        p = [(a[0], a[1] - 0.12, a[2]), (b[0], b[1] - 0.12, b[2]),
             (b[0] + dz * -math.sin(ang), b[1] - 0.12, b[2] + dz * math.cos(ang)),
             (a[0] + dz * -math.sin(ang), a[1] - 0.12, a[2] + dz * math.cos(ang))]
        faces.append((p, shade(col(160, 126, 90), (0, 1, 0))))
    return faces


# ----------------------------------------------------------------------------------------------
# Left shore: the bank and its trees

SHORE_PTS = [(-5, 428), (60, 432), (130, 442), (200, 452), (250, 466), (282, 482), (300, 505),
             (318, 560), (334, 640), (346, 720), (352, 790)]


def shore_edge_x():
    """For each row, the column where the left bank meets the water."""
    xs = np.full(H, -1.0)
    pts = SHORE_PTS
    for y in range(H):
        for (xa, ya), (xb, yb) in zip(pts, pts[1:]):
            if ya <= y < yb:
                xs[y] = xa + (xb - xa) * (y - ya) / (yb - ya)
                break
    return xs


def paint_bank(img, rng):
    """The grassy bank in the lower left: grass whose blades grow larger toward the camera, a wet
    margin of mud and stones at the water, and the ground shaded under the trees."""
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float64)
    edge = shore_edge_x()
    wob = 4 * common.fbm((H, 1), 10.0, 3, rng)[:, 0]
    e = edge + wob
    mask = np.clip(e[:, None] - xx + 0.5, 0, 1) * (edge[:, None] >= 0)
    big = common.fbm((H, W), 60.0, 4, rng)
    mid = common.fbm((H, W), 12.0, 3, rng)
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
    return img, mask, e


def bank_details(e, rng):
    """Stones at the waterline and reeds along the bank, as a layer over the water and the grass."""
    im = Image.new("RGBA", (W * SS, H * SS), (0, 0, 0, 0))
    dr = ImageDraw.Draw(im)
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
        pts = [((x + math.cos(a) * r) * SS, (y + math.sin(a) * r * 0.45) * SS) for a, r in zip(angs, rad)]
        dr.polygon(pts, fill=tuple(int(v) for v in base_c * 0.8) + (255,))
        top = [((x + math.cos(a) * r * 0.7) * SS, (y - size * 0.12 + math.sin(a) * r * 0.25) * SS) for a, r in zip(angs, rad)]
        dr.polygon(top, fill=tuple(int(v) for v in base_c * 1.1) + (255,))
    for _ in range(160):
        y = rng.uniform(440, 600)
        x = e[int(y)] + rng.normal(-2, 5)
        hgt = (8 + (y - 430) / 170 * 26) * rng.uniform(0.6, 1.3)
        bend = rng.normal(0, 0.25) * hgt
        g = rng.uniform(0.75, 1.15)
        c = tuple(int(v * g) for v in (118, 112, 62)) + (255,)
        pts = [((x + bend * (t / 6) ** 2) * SS, (y - hgt * t / 6) * SS) for t in range(7)]
        dr.line(pts, fill=c, width=max(1, int(SS * (0.7 + (y - 430) / 300))))
    return downsample(im)


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0, 1)
    return t * t * (3 - 2 * t)


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


def tree_layer(rng):
    """The trees of the left shore as an RGB layer with coverage: trunks and limbs drawn as tapered
    strokes, crowns as a leafy density field (lobes plus fine fractal noise) lit from the upper right."""
    x0, y0, x1, y1 = TREE_BOX
    out_pre = np.zeros((H, W, 3))
    out_a = np.zeros((H, W))
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float64)
    for t in TREES:
        # wood
        im = Image.new("RGBA", (W * SS, H * SS), (0, 0, 0, 0))
        dr = ImageDraw.Draw(im)
        bx, by = t["base"]
        bark = t["bark"]

        def limb(xa, ya, xb, yb, wa, wb, c):
            dx, dy = xb - xa, yb - ya
            L = math.hypot(dx, dy) + 1e-9
            nx, ny = -dy / L, dx / L
            pts = [(xa + nx * wa, ya + ny * wa), (xb + nx * wb, yb + ny * wb),
                   (xb - nx * wb, yb - ny * wb), (xa - nx * wa, ya - ny * wa)]
            dr.polygon([(px * SS, py * SS) for px, py in pts], fill=tuple(int(v) for v in c) + (255,))

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
        bn = common.fbm((H, W), 3.0, 2, rng)
        wood = wood * (1 + 0.25 * bn[..., None])
        if bark[0] > 150:  # birch: dark lenticels across the white bark
            marks = ndimage.gaussian_filter(rng.random((H, W)), (0.4, 2.0)) > 0.56
            wood = np.where(marks[..., None], wood * 0.35, wood)
        # foliage density
        env = np.full((H, W), -10.0)
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
        n1 = common.fbm((H, W), 18.0, 5, rng, gain=0.6)
        n_small = common.fbm((H, W), 2.0, 2, rng)
        dens = 0.9 * env + 0.85 * n1 + 0.2 * n_small - 0.15 - 0.9 * (1 - smoothstep(2, 18, edge_d))
        leaf_a = smoothstep(0.0, 0.12, dens) * region
        # small gaps right through the crown, where the sky shows between the leaves
        holes = common.fbm((H, W), 7.0, 3, rng)
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
    box = np.zeros((H, W))
    box[y0 + 2:y1 - 2, x0 + 2:x1 - 2] = 1
    out_rgb = out_pre / np.maximum(out_a, 1e-6)[..., None]
    return out_rgb, out_a * box


# ----------------------------------------------------------------------------------------------
# Water


def wave_set(rng, count=90):
    waves = []
    for i in range(count):
        lam = math.exp(rng.uniform(math.log(0.08), math.log(2.0)))  # wavelength in metres
        k = 2 * math.pi / lam
        ang = rng.normal(0.0, 0.7) + math.pi * 0.15  # mostly running across the view, from a breeze
        cycles = int(rng.integers(1, 4)) * (1 if rng.random() < 0.8 else -1)
        amp = 0.0021 * lam ** 0.9 * rng.uniform(0.5, 1.0)  # steepness roughly constant
        waves.append((k * math.cos(ang), k * math.sin(ang), amp, cycles, rng.uniform(0, 2 * math.pi)))
    return waves


class Water:
    def __init__(self, rng):
        self.y0 = int(FAR_WATERLINE) - 1
        ys = np.arange(self.y0, H, dtype=np.float64)
        xs = np.arange(W, dtype=np.float64)
        yy, xx = np.meshgrid(ys, xs, indexing="ij")
        dy = np.maximum(yy - YH, 0.8)
        self.Z = F * EYE / dy
        self.X = (xx - CX) * self.Z / F
        self.dX = self.Z / F
        self.dZ = self.Z ** 2 / (F * EYE)
        self.dy = dy
        self.yy, self.xx = yy, xx
        self.waves = wave_set(rng)
        # gusts: slow patches of rougher and calmer water
        self.rough = 0.65 + 0.55 * np.clip(
            0.5 + common.sample(common.noise_texture(512, 60.0, 3, rng), self.Z * 6.0, self.X * 6.0 + 200), 0, 1)

    def slopes(self, t):
        sx = np.zeros_like(self.X)
        sz = np.zeros_like(self.X)
        for kx, kz, amp, cycles, ph in self.waves:
            att = np.exp(-0.5 * ((kx * self.dX) ** 2 + (kz * self.dZ) ** 2) * 2.2)
            phase = kx * self.X + kz * self.Z - 2 * math.pi * cycles * t / FRAMES + ph
            s = -amp * np.sin(phase) * att
            sx += s * kx
            sz += s * kz
        return sx * self.rough, sz * self.rough


def strip_blend_mask(shape_y0):
    """1 deep inside the union of the two strips, falling to 0 at every edge they share with the still."""
    m = np.zeros((H, W), dtype=bool)
    x0, y0, x1, y1 = STRIP1
    m[y0:y1, x0:x1] = True
    x0, y0, x1, y1 = STRIP2
    m[y0:y1, x0:x1] = True
    # the screen edges are not seams: pad the region outward there
    pad = np.pad(m, ((0, 40), (0, 40)), mode="edge")
    dist = ndimage.distance_transform_edt(pad)[:H, :W]
    ramp = np.clip((dist - 1.0) / 36.0, 0, 1)
    ramp = ramp * ramp * (3 - 2 * ramp)
    return ramp[shape_y0:]


def render_water(water, refl, sx, sz, body):
    """refl: the mirrored world in water rows (RGB). Returns the water colour."""
    dy = water.dy
    k = 1.0
    offy = sz * F * 1.7 * k
    offx = sx * F * 0.5 * np.clip(dy / 60.0, 0.2, 1.0)
    sy = water.yy - water.y0 + offy
    sxp = water.xx + offx
    sy = np.clip(sy, 0, refl.shape[0] - 1)
    sxp = np.clip(sxp, 0, W - 1)
    r = np.stack([ndimage.map_coordinates(refl[..., c], [sy, sxp], order=1, mode="nearest") for c in range(3)], -1)
    cosi = dy / np.sqrt(dy ** 2 + F ** 2) + sz * 0.6
    cosi = np.clip(cosi, 0.0, 1.0)
    fres = 0.02 + 0.98 * (1 - cosi) ** 5
    fres = np.clip(fres * 1.05 + 0.03, 0, 1)
    return lerp(body, r, fres[..., None])


# ----------------------------------------------------------------------------------------------


def main(outdir):
    rng = np.random.default_rng(SEED)
    sky = paint_sky(rng)
    upper = paint_far(sky, rng)

    trees_rgb, trees_a = tree_layer(rng)

    jet = Layer()
    draw_faces(jet, jetty_faces(np.random.default_rng(SEED)), mirror=False)
    jet_rgb, jet_a = jet.result()
    grain = ndimage.gaussian_filter(common.fbm((H, W), 1.2, 2, rng), (0.3, 6.0))
    grain /= grain.std() + 1e-9
    jet_rgb = jet_rgb * (1 + 0.08 * grain[..., None] + 0.06 * common.fbm((H, W), 20.0, 3, rng)[..., None])
    jetm = Layer()
    draw_faces(jetm, jetty_faces(np.random.default_rng(SEED)), mirror=True)
    jetm_rgb, jetm_a = jetm.result()

    bf = boat_faces()
    boat = Layer()
    draw_faces(boat, bf, mirror=False)
    boat_rgb, boat_a = boat.result()
    boatm = Layer()
    draw_faces(boatm, bf, mirror=True)
    boatm_rgb, boatm_a = boatm.result()

    # the bank and what stands on it, painted over sky and far shore
    still_upper, bank_mask, edge = paint_bank(upper.copy(), rng)
    det_rgb, det_a = bank_details(edge, rng)

    # mirror image of the world in water rows
    water = Water(rng)
    rows = np.arange(water.y0, H)
    # far things mirror about the horizon, the trees about their own waterline
    src_far = np.clip(2 * YH - rows, 0, H - 1).astype(int)
    refl = upper[src_far].copy()
    tree_axis = 472.0
    src_tree = np.clip(np.rint(2 * tree_axis - rows), 0, H - 1).astype(int)
    ta = trees_a[src_tree][..., None]
    refl = lerp(refl, trees_rgb[src_tree] * 0.85, ta)
    refl = lerp(refl, jetm_rgb[water.y0:] * 0.9, jetm_a[water.y0:, :, None])
    refl = lerp(refl, boatm_rgb[water.y0:] * 0.9, boatm_a[water.y0:, :, None])
    refl = ndimage.gaussian_filter(refl, (0.8, 0.6, 0))

    depth_t = np.clip((water.dy - 4) / 380.0, 0, 1)[..., None]
    body = lerp(col(70, 82, 84), col(34, 44, 40), depth_t)
    body = body * (1 + 0.08 * common.fbm(water.dy.shape, 40.0, 3, rng)[..., None])

    blend = strip_blend_mask(water.y0)

    s0x, s0z = water.slopes(0)
    # the bank darkens the water along its foot: its own reflection and its shade
    rows_e = edge[water.y0:][:, None]
    beyond = water.xx - rows_e
    bank_shade = 1 - 0.38 * np.exp(-np.clip(beyond, 0, None) / (4.0 + 10.0 * np.clip((water.yy - 430) / 330, 0, 1)))
    bank_shade = np.where((rows_e > 0) & (beyond > -2), bank_shade, 1.0)[..., None]

    def compose(t):
        if t == 0:
            sx, sz = s0x, s0z
        else:
            tx, tz = water.slopes(t)
            sx = lerp(s0x, tx, blend)
            sz = lerp(s0z, tz, blend)
        wcol = render_water(water, refl, sx, sz, body) * bank_shade
        img = still_upper.copy()
        wm = (1 - bank_mask[water.y0:])[..., None]
        img[water.y0:] = lerp(img[water.y0:], wcol, wm)
        img = lerp(img, det_rgb, det_a[..., None])
        img = lerp(img, jet_rgb, jet_a[..., None])
        img = lerp(img, boat_rgb, boat_a[..., None])
        img = lerp(img, trees_rgb, trees_a[..., None])
        return img

    frames = []
    for t in range(int(os.environ.get("LUNVALE_FRAMES", FRAMES))):
        frames.append(compose(t))
        print(f"frame {t}", flush=True)
    # the camera's own marks, the same on every frame: fine grain, a soft vignette, a gentle S-curve
    grain = common.fbm((H, W), 1.0, 1, rng) * 2.2
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float64)
    vig = 1 - 0.16 * (((xx - CX) / CX) ** 2 + ((yy - H / 2) / (H / 2)) ** 2) ** 1.5 / 2 ** 1.5

    def with_grain(img):
        img = ndimage.gaussian_filter(img, (0.45, 0.45, 0))  # a lens is never perfectly sharp
        v = np.clip(img * vig[..., None] + grain[..., None], 0, 255) / 255.0
        v = v + 0.8 * (v - v ** 2) * (v - 0.5)
        return v * 255.0

    still = with_grain(frames[0])

    common.save_jpeg(still, os.path.join(outdir, "QIM1.jpg"), quality=90)
    x0, y0, x1, y1 = STRIP1
    s1 = np.concatenate([with_grain(f)[y0:y1, x0:x1] for f in frames], axis=0)
    common.save_jpeg(s1, os.path.join(outdir, "QMV1.jpg"), quality=88)
    x0, y0, x1, y1 = STRIP2
    s2 = np.concatenate([with_grain(f)[y0:y1, x0:x1] for f in frames], axis=0)
    common.save_jpeg(s2, os.path.join(outdir, "QMV2.jpg"), quality=88)

    # the foreground cut-out: trees and boat where they cover the scene
    bx0, by0, bx1, by1 = TREE_BOX
    cover = np.maximum(trees_a, boat_a)[by0:by1, bx0:bx1] >= 0.5
    cut = np.asarray(Image.open(os.path.join(outdir, "QIM1.jpg")).convert("RGB"), dtype=np.float64)[by0:by1, bx0:bx1]
    idx, pal = common.quantize_keyed(cut, cover)
    common.write_bmp8(os.path.join(outdir, "QIM2masktree.bmp"), idx, pal, rle=True)

    prev = Image.fromarray(common.to_u8(still)).resize((154, 116), Image.Resampling.LANCZOS)
    pidx, ppal = common.quantize_plain(np.asarray(prev, dtype=np.float64))
    common.write_bmp8(os.path.join(outdir, "PREVIEWBMP.bmp"), pidx, ppal, rle=False)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else common.ASSETS)
