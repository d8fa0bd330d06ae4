"""The scene's camera and its drawn 3-D objects: the jetty and the rowing boat, as flat-shaded
# SPDX-License-Identifier: MIT
polygons in painter's order, and their mirror images in the water."""
import math

import numpy as np
from PIL import Image, ImageDraw

import common

W, H = 1024, 768
CX, YH, F, EYE = 512.0, 384.0, 900.0, 2.0  # principal point, horizon row, focal length (px), eye height (m)
SS = 2  # supersampling of the drawn layers


class Canvas:
    """The stretch of the image plane being painted: columns x0 .. x0 + w - 1 in the picture's own
    coordinates (the W x H picture is 0 .. W - 1; a panorama reaches past both sides of it). Every
    random draw that the plain picture makes is made here too, from the scene's generator and in the
    same order; whatever lies beyond draws from `side`. So the plain picture's part of a wider canvas
    comes out as the plain picture."""

    def __init__(self, x0=0, w=W, side=None):
        self.x0, self.w, self.x1, self.side = x0, w, x0 + w, side
        self.plain = x0 == 0 and w == W

    def mgrid(self, y0=0):
        """Row and column coordinates of every pixel from row y0 down."""
        return np.mgrid[y0:H, self.x0:self.x1].astype(np.float64)

    def fbm(self, rows, cell, octaves, rng, gain=0.5, cols=W):
        """common.fbm((rows, cols), ...) as the plain picture draws it, over this canvas's columns."""
        if self.plain:
            return common.fbm((rows, cols), cell, octaves, rng, gain)
        return common.fbm_span((rows, cols), cell, octaves, rng, self.x0, self.w, self.side, gain)

    def random(self, rng):
        """rng.random((H, W)) as the plain picture draws it, widened with draws from `side`."""
        mid = rng.random((H, W))
        if self.plain:
            return mid
        return np.concatenate([self.side.random((H, -self.x0)), mid, self.side.random((H, self.x1 - W))], axis=1)

    def weight(self, margin):
        """Per canvas column: exactly 1 on the picture's own columns, easing to 0 over `margin` beyond."""
        x = np.arange(self.x0, self.x1, dtype=np.float64)
        return 1 - smoothstep(0, 1, np.maximum(np.maximum(-x, x - (W - 1)), 0) / margin)

    def filtered(self, a, filt, margin):
        """filt(a) for a neighbourhood filter over the canvas's columns (axis 1) that reflects at the
        array's edges, as scipy's filters do by default. The picture's own columns get exactly what the
        plain picture gets; the columns beyond ease over `margin` pixels from that reflected
        continuation into the canvas's own result."""
        out = filt(a)
        if self.plain:
            return out
        c0, c1 = -self.x0, W - self.x0
        lo, hi = c0 - margin, c1 + margin
        pad = [(0, 0), (margin, margin)] + [(0, 0)] * (a.ndim - 2)
        own = filt(np.pad(a[:, c0:c1], pad, mode="symmetric"))
        t = self.weight(margin)[lo:hi].reshape((1, -1) + (1,) * (a.ndim - 2))
        out[:, lo:hi] = out[:, lo:hi] * (1 - t) + own * t
        out[:, c0:c1] = filt(a[:, c0:c1])
        return out


PLAIN = Canvas()


def lerp(a, b, t):
    return a + (b - a) * t


def col(*c):
    return np.array(c, dtype=np.float64)


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0, 1)
    return t * t * (3 - 2 * t)


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

    def __init__(self, cv=PLAIN):
        self.x0 = cv.x0
        self.img = Image.new("RGBA", (cv.w * SS, H * SS), (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.img)

    def poly(self, pts, rgb):
        self.draw.polygon([((x - self.x0) * SS, y * SS) for x, y in pts],
                          fill=tuple(int(np.clip(c, 0, 255)) for c in rgb) + (255,))

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


