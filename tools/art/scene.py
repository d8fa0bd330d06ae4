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
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float64)
    t = np.clip(yy / YH, 0, 1)
    top, mid, hor = col(78, 101, 132), col(132, 150, 172), col(200, 205, 210)
    base = np.where((t < 0.55)[..., None], lerp(top, mid, (t / 0.55)[..., None]),
                    lerp(mid, hor, ((t - 0.55) / 0.45)[..., None] ** 1.3))
    tex = common.noise_texture(1024, 180.0, 7, rng, gain=0.52)
    tex_soft = ndimage.gaussian_filter(tex, 6, mode="wrap")
    tex_blur = ndimage.gaussian_filter(tex, 20, mode="wrap")
    dv = np.maximum(YH + 8 - yy, 1.0)
    u = (xx - CX) / dv * 120.0 + 300.0
    v = 26000.0 / dv + 150.0
    foot = 120.0 / dv  # texture pixels per screen pixel
    a = common.sample(tex, v, u)
    b = common.sample(tex_soft, v, u)
    c = common.sample(tex_blur, v, u)
    w1 = np.clip((foot - 1.0) / 3.0, 0, 1)
    w2 = np.clip((foot - 4.0) / 10.0, 0, 1)
    n = lerp(lerp(a, b, w1), c, w2)
    # light from the upper right: the lit side of a cloud is where density falls toward the sun
    ls = common.sample(tex_soft, v - 6.0, u + 9.0)
    lit = np.clip((b - ls) * 6.0 + 0.5, 0, 1)
    cover = np.clip((n + 0.02) * 3.2, 0, 1)
    thick = np.clip((n + 0.02) * 1.6, 0, 1)
    cloud_lit, cloud_mid, cloud_dark = col(236, 236, 234), col(178, 182, 190), col(104, 110, 124)
    shade = lerp(cloud_dark, cloud_mid, np.clip(1 - thick, 0, 1)[..., None])
    cloud = lerp(shade, cloud_lit, (lit ** 1.4)[..., None] * (1 - 0.5 * thick[..., None]))
    # clouds fade into the haze near the horizon
    haze = np.clip((YH - yy) / 140.0, 0, 1)[..., None]
    cloud = lerp(hor * 0.98, cloud, haze ** 0.7)
    sky = lerp(base, cloud, (cover ** 1.2)[..., None] * 0.97)
    fine = common.fbm((H, W), 6.0, 2, rng) * 2.0
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
    faces = []
    x0, x1 = 1.25, 3.05
    d = 0.55
    z = 2.6
    wood = col(118, 98, 78)
    while z < 27.0:
        wdt = 0.15
        c = wood * rng.uniform(0.78, 1.12) * col(1, 1, 1) + rng.uniform(-6, 6)
        top = [(x0, d, z), (x1, d, z), (x1, d, z + wdt), (x0, d, z + wdt)]
        faces.append((top, shade(c, (0, 1, 0), rng, 0.05)))
        front = [(x0, d - 0.04, z), (x1, d - 0.04, z), (x1, d, z), (x0, d, z)]
        faces.append((front, shade(c * 0.8, (0, 0, -1))))
        z += wdt + 0.022
    zend = z
    beam = col(92, 78, 64)
    for xb in (x0 + 0.04, x1 - 0.04):
        faces.append(([(xb, d - 0.26, 2.6), (xb, d - 0.04, 2.6), (xb, d - 0.04, zend), (xb, d - 0.26, zend)],
                      shade(beam, (-1, 0, 0))))
    post = col(84, 72, 60)
    zp = 4.0
    while zp < zend:
        for xp in (x0 - 0.02, x1 + 0.02):
            hgt = d + (0.75 if zp + 2.5 >= zend else 0.0)
            s = 0.09
            c = post * rng.uniform(0.85, 1.1)
            faces.append(([(xp - s, -0.4, zp - s), (xp + s, -0.4, zp - s), (xp + s, hgt, zp - s), (xp - s, hgt, zp - s)],
                          shade(c, (0, 0, -1))))
            faces.append(([(xp - s, -0.4, zp - s), (xp - s, -0.4, zp + s), (xp - s, hgt, zp + s), (xp - s, hgt, zp - s)],
                          shade(c, (-1, 0, 0))))
            if hgt > d:
                faces.append(([(xp - s, hgt, zp - s), (xp + s, hgt, zp - s), (xp + s, hgt, zp + s), (xp - s, hgt, zp + s)],
                              shade(c * 1.1, (0, 1, 0))))
        zp += 2.4
    return faces


def boat_faces():
    """A clinker rowing boat lying in the shallows, seen broadside from the bow quarter."""
    faces = []
    L, B = 4.2, 0.72
    ang = math.radians(62)  # heading of the bow, from the camera axis toward -X
    ox, oz = -3.25, 19.5
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

    hull = col(68, 96, 94)
    inner = col(150, 118, 84)
    for i in range(stations):
        u0, u1 = i / stations, (i + 1) / stations
        for j in range(secs):
            s0, s1 = -1 + 2 * j / secs, -1 + 2 * (j + 1) / secs
            p = [hull_point(u0, s0), hull_point(u1, s0), hull_point(u1, s1), hull_point(u0, s1)]
            n = quad_normal(p)
            n = n / (np.linalg.norm(n) + 1e-9)
            strake = 0.9 + 0.1 * ((j % 2) * 2 - 1)
            outward = n  # the mesh winds outward
            # the view direction decides whether we see the painted outside or the wooden inside
            cen = np.mean(np.array(p), axis=0)
            view = cen - np.array([0, EYE, 0])
            outside = np.dot(outward, view) < 0
            if outside:
                faces.append((p, shade(hull * strake, outward)))
            else:
                faces.append((p, shade(inner * strake, -outward) * 0.85))
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
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float64)
    edge = shore_edge_x()
    wob = 5 * common.fbm((H, 1), 8.0, 3, rng)[:, 0]
    e = edge + wob
    mask = np.clip(e[:, None] - xx + 0.5, 0, 1) * (e[:, None] > 0)
    n1 = common.fbm((H, W), 3.0, 3, rng)
    n2 = common.fbm((H, W), 25.0, 4, rng)
    # grass with a darker, muddy strip near the water
    grass = lerp(col(92, 104, 58), col(58, 72, 40), np.clip(0.5 + n2, 0, 1)[..., None])
    grass = grass * (1 + 0.28 * n1[..., None])
    dist = e[:, None] - xx
    mud = np.clip(1 - dist / 18.0, 0, 1)
    grass = lerp(grass, col(74, 66, 52) * (1 + 0.2 * n1[..., None]), mud[..., None] * 0.8)
    # blades: vertical streaks in the near grass
    streak = common.fbm((H, W), 1.5, 2, rng)
    streak = ndimage.gaussian_filter(streak, (3.0, 0.4))
    near = np.clip((yy - 450) / 300.0, 0, 1)
    grass = grass * (1 + 0.35 * streak[..., None] * near[..., None])
    # the bank's top edge meets the far water as a soft band
    img = lerp(img, grass, mask[..., None])
    return img, mask, e


def tree_layer(rng):
    """The trees of the left shore as an RGBA layer (scene size) drawn from trunks, limbs and leaf clumps."""
    S = SS
    im = Image.new("RGBA", (W * S, H * S), (0, 0, 0, 0))
    dr = ImageDraw.Draw(im)

    def limb(x0, y0, x1, y1, w0, w1, color):
        dx, dy = x1 - x0, y1 - y0
        L = math.hypot(dx, dy) + 1e-9
        nx, ny = -dy / L, dx / L
        pts = [(x0 + nx * w0, y0 + ny * w0), (x1 + nx * w1, y1 + ny * w1),
               (x1 - nx * w1, y1 - ny * w1), (x0 - nx * w0, y0 - ny * w0)]
        dr.polygon([(px * S, py * S) for px, py in pts], fill=color)

    trees = [  # base x, base y, height, crown half width, lean
        (150, 462, 255, 92, -0.10),
        (232, 470, 280, 105, 0.22),
        (118, 452, 190, 70, -0.25),
        (300, 486, 180, 75, 0.35),
    ]
    clumps = []
    for bx, by, ht, cw, lean in trees:
        topx, topy = bx + lean * ht, by - ht
        bark = (88, 80, 70, 255)
        # trunk in a few bent pieces
        px, py, w = bx, by, 6.5
        pieces = 6
        for k in range(pieces):
            t = (k + 1) / pieces
            nx = bx + lean * ht * t + rng.uniform(-4, 4)
            ny = by - ht * 0.75 * t
            limb(px, py, nx, ny, w, w * 0.8, bark)
            px, py, w = nx, ny, w * 0.8
        # limbs toward the crown's edge
        for k in range(7):
            sx = bx + lean * ht * rng.uniform(0.3, 0.7)
            sy = by - ht * rng.uniform(0.35, 0.7)
            ex = sx + rng.uniform(-1, 1) * cw * 0.8
            ey = sy - rng.uniform(20, 80)
            limb(sx, sy, ex, ey, 2.5, 0.8, (80, 74, 66, 255))
        # crown: union of ellipsoids filled with leaf clumps
        lobes = []
        for k in range(6):
            lx = topx + rng.uniform(-0.6, 0.6) * cw
            ly = topy + ht * rng.uniform(0.12, 0.5)
            lobes.append((lx, ly, cw * rng.uniform(0.45, 0.7), ht * rng.uniform(0.18, 0.3)))
        for lx, ly, rx, ry in lobes:
            n = int(rx * ry / 9)
            for _ in range(n):
                r = math.sqrt(rng.random())
                a = rng.uniform(0, 2 * math.pi)
                ux, uy = r * math.cos(a), r * math.sin(a)
                cx, cy = lx + ux * rx, ly + uy * ry
                nz = math.sqrt(max(0.0, 1 - r * r))
                clumps.append((nz, cx, cy, ux, uy, rng.uniform(2.2, 5.0), rng.random()))
    clumps.sort(key=lambda c: c[0])
    dark, mid, light = col(24, 38, 22), col(56, 78, 38), col(128, 146, 76)
    for nz, cx, cy, ux, uy, r, jit in clumps:
        lightness = 0.35 + 0.35 * nz + 0.3 * max(0.0, -uy * 0.8 + ux * 0.4)
        lightness = np.clip(lightness + (jit - 0.5) * 0.3, 0, 1)
        c = lerp(dark, mid, lightness * 1.6) if lightness < 0.62 else lerp(mid, light, (lightness - 0.62) / 0.38)
        # a clump is a few overlapping leaves
        for _ in range(3):
            ox, oy = rng.uniform(-r, r) * 0.7, rng.uniform(-r, r) * 0.7
            rr = r * rng.uniform(0.45, 0.8)
            cc = tuple(int(np.clip(v * rng.uniform(0.85, 1.12), 0, 255)) for v in c) + (255,)
            dr.ellipse([((cx + ox - rr) * S, (cy + oy - rr * 0.8) * S), ((cx + ox + rr) * S, (cy + oy + rr * 0.8) * S)],
                       fill=cc)
    return downsample(im)


# ----------------------------------------------------------------------------------------------
# Water


def wave_set(rng, count=70):
    waves = []
    for i in range(count):
        lam = math.exp(rng.uniform(math.log(0.12), math.log(2.6)))  # wavelength in metres
        k = 2 * math.pi / lam
        ang = rng.normal(0.0, 0.7) + math.pi * 0.15  # mostly running across the view, from a breeze
        cycles = int(rng.integers(1, 4)) * (1 if rng.random() < 0.8 else -1)
        amp = 0.0055 * lam ** 0.9 * rng.uniform(0.5, 1.0)  # steepness roughly constant
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

    def compose(t):
        if t == 0:
            sx, sz = s0x, s0z
        else:
            tx, tz = water.slopes(t)
            sx = lerp(s0x, tx, blend)
            sz = lerp(s0z, tz, blend)
        wcol = render_water(water, refl, sx, sz, body)
        img = still_upper.copy()
        wm = (1 - bank_mask[water.y0:])[..., None]
        img[water.y0:] = lerp(img[water.y0:], wcol, wm)
        # soften the far waterline by half a pixel
        img = lerp(img, jet_rgb, jet_a[..., None])
        img = lerp(img, boat_rgb, boat_a[..., None])
        img = lerp(img, trees_rgb, trees_a[..., None])
        return img

    frames = []
    for t in range(int(os.environ.get("LUNVALE_FRAMES", FRAMES))):
        frames.append(compose(t))
        print(f"frame {t}", flush=True)
    still = frames[0]
    grain = common.fbm((H, W), 1.0, 1, rng) * 2.2
    still = still + grain[..., None]

    def with_grain(img):
        return img + grain[..., None]

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
