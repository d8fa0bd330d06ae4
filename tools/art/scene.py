#!/usr/bin/python3
# SPDX-License-Identifier: MIT
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
from PIL import Image
from scipy import ndimage

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import common  # noqa: E402
from objects import (CX, EYE, F, H, PLAIN, W, YH, Layer, boat_faces, col, draw_faces, jetty_faces, lerp,  # noqa: E402
                     smoothstep)
from shore import TREE_BOX, bank_details, paint_bank, tree_layer  # noqa: E402

FRAMES = 32
SEED = 1907

STRIP1 = (375, 500, 1024, 768)  # x0, y0, x1, y1 (exclusive)
STRIP2 = (285, 413, 1024, 500)

FAR_WATERLINE = 387.0


# ----------------------------------------------------------------------------------------------
# Sky


def paint_sky(rng, cv):
    """An overcast sky with broken cumulus: a cloud layer at fixed height seen in perspective, so that
    clouds shrink and crowd toward the horizon, shaded light on the side toward the sun."""
    yy, xx = cv.mgrid()
    t = np.clip(yy / YH, 0, 1)
    top, mid, hor = col(92, 110, 134), col(140, 152, 168), col(196, 201, 206)
    t1 = np.clip(t / 0.55, 0, 1)[..., None]
    t2 = np.clip((t - 0.55) / 0.45, 0, 1)[..., None] ** 1.3
    base = np.where((t < 0.55)[..., None], lerp(top, mid, t1), lerp(mid, hor, t2))
    tex = common.noise_texture(1024, 110.0, 7, rng, gain=0.55)
    dv = np.maximum(YH + 6 - yy, 1.0)
    su, sv = 150.0, 60000.0
    u = (xx - CX) / dv * su * 0.8 + 400.0
    v = sv / dv + 100.0
    foot = np.maximum(su / dv, sv / dv ** 2)
    sig = np.array([0.0, 1.5, 4.0, 10.0, 24.0])
    lvl = np.interp(np.log2(np.maximum(foot, 1.0)), np.log2(np.maximum(sig, 1.0)) + np.array([0, 0.6, 0.6, 0.6, 0.6]),
                    np.arange(5.0))

    def density(tex):
        """The cloud density, and the density met on the way toward the sun."""
        levels = [tex] + [ndimage.gaussian_filter(tex, s, mode="wrap") for s in (1.5, 4.0, 10.0, 24.0)]
        n = np.zeros_like(u)
        samples = [common.sample(L, v, u) for L in levels]
        for i in range(5):
            w = np.clip(1 - np.abs(lvl - i), 0, 1)
            n += w * samples[i]
        # light from the upper right: march toward the sun through the (softened) density and let the
        # cloud's own mass shade it; thin edges stay bright
        acc = np.zeros_like(u)
        for i in range(1, 7):
            d_ = common.sample(levels[2], v - 3.0 * i, u + 4.5 * i) + 0.1
            acc += np.clip(d_, 0, None)
        return n, acc

    n, acc = density(tex)
    if not cv.plain:
        # The texture's left and right edges do not match, so where the lookups wrap around, clouds
        # are cut along a line (the plain picture has such lines low in its sky). Past the picture's
        # sides read a copy of the texture made seamless there, which differs only near its edges.
        k = np.arange(tex.shape[1])
        w = smoothstep(0, 150, np.minimum(k, tex.shape[1] - k))
        seamless = (w * tex + (1 - w) * np.roll(tex, tex.shape[1] // 2, axis=1)) / np.sqrt(w ** 2 + (1 - w) ** 2)
        t = cv.weight(64)
        n2, acc2 = density(seamless)
        n, acc = t * n + (1 - t) * n2, t * acc + (1 - t) * acc2
    dens = n + 0.1
    cover = smoothstep(-0.02, 0.14, dens)
    bright = np.exp(-2.2 * acc)
    thick = np.clip(dens * 2.0, 0, 1)
    c_lit, c_mid, c_dark = col(242, 241, 238), col(190, 194, 202), col(118, 124, 138)
    body = lerp(c_mid, c_dark, thick[..., None] ** 0.9)
    cloud = lerp(body, c_lit, np.clip(bright * 1.3, 0, 1)[..., None] ** 0.8)
    cloud = lerp(cloud, c_lit * 1.02, (np.clip(1 - thick * 3, 0, 1) * 0.5)[..., None])  # sunlit fringes
    haze = np.clip((YH - yy) / 150.0, 0, 1)[..., None]
    cloud = lerp(hor * 0.97, cloud, haze ** 0.6)
    sky = lerp(base, cloud, cover[..., None] * 0.96)
    fine = cv.fbm(H, 6.0, 2, rng) * 1.5
    return sky + fine[..., None]


# ----------------------------------------------------------------------------------------------
# Far shore: distant hills and a forest line reaching down to the water


def far_shore(rng, cv):
    xs = np.arange(cv.x0, cv.x1, dtype=np.float64)
    hills = YH - 38 - 30 * cv.fbm(1, 260.0, 4, rng)[0] - 26 * np.exp(-((xs - 820) / 260) ** 2)
    top = np.full(cv.w, FAR_WATERLINE)
    ridge = 22 + 10 * cv.fbm(1, 200.0, 3, rng, cols=W + 40)[0]

    def crown(x, wdt, hgt, conifer, lo, hi):
        for px in range(lo, hi):
            d = abs(px - x) / wdt
            if d >= 1:
                continue
            prof = (1 - d) if conifer else math.sqrt(1 - d * d)
            ytop = FAR_WATERLINE - hgt * (0.55 + 0.45 * prof)
            top[px - cv.x0] = min(top[px - cv.x0], ytop)

    x = -10.0
    while x < W + 10:
        wdt = rng.uniform(4.0, 11.0)
        conifer = rng.random() < 0.45
        hgt = ridge[int(np.clip(x, 0, W - 1)) - cv.x0] + rng.uniform(-4, 8) + (6 if conifer else 0)
        crown(x, wdt, hgt, conifer, int(max(cv.x0, x - wdt)), int(min(cv.x1, x + wdt + 1)))
        x += wdt * rng.uniform(0.7, 1.3)
    if not cv.plain:  # the forest runs on past both sides without touching the picture's own columns
        side = cv.side
        for x, step, end in ((-10.0, -1, cv.x0 - 12), (x, 1, cv.x1 + 12)):
            while (x - end) * step < 0:
                wdt = side.uniform(4.0, 11.0)
                if step < 0:
                    x -= wdt * side.uniform(0.7, 1.3)
                conifer = side.random() < 0.45
                hgt = ridge[int(np.clip(x, cv.x0, cv.x1 - 1)) - cv.x0] + side.uniform(-4, 8) + (6 if conifer else 0)
                lo, hi = int(max(cv.x0, x - wdt)), int(min(cv.x1, x + wdt + 1))
                crown(x, wdt, hgt, conifer, max(lo, W) if step > 0 else lo, min(hi, 0) if step < 0 else hi)
                if step > 0:
                    x += wdt * side.uniform(0.7, 1.3)
    return hills, top


def paint_far(img, rng, cv):
    hills, top = far_shore(rng, cv)
    yy, xx = cv.mgrid()
    xi = (xx - cv.x0).astype(int)
    hill_mask = np.clip(yy - hills[xi] + 0.5, 0, 1)
    hill_col = col(122, 134, 140) + 6 * cv.fbm(H, 30.0, 3, rng)[..., None]
    img = lerp(img, hill_col, hill_mask[..., None] * 0.85)
    forest_mask = np.clip(yy - top[xi] + 0.5, 0, 1) * (yy < FAR_WATERLINE + 1)
    depth = np.clip((yy - top[xi]) / 30.0, 0, 1)
    n = cv.fbm(H, 5.0, 3, rng)
    n2 = cv.fbm(H, 14.0, 2, rng)
    g = lerp(col(64, 82, 60), col(30, 42, 32), depth[..., None]) * (1 + 0.22 * n[..., None] + 0.12 * n2[..., None])
    haze = col(168, 178, 182)
    g = lerp(g, haze, 0.38)
    img = lerp(img, g, forest_mask[..., None])
    # stony strip at the waterline
    band = np.exp(-((yy - (FAR_WATERLINE - 0.6)) / 0.8) ** 2) * np.clip(0.5 + n2, 0, 1)
    img = lerp(img, col(150, 148, 138), (band * 0.6)[..., None])
    return img


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
    def __init__(self, rng, cv):
        self.cv = cv
        self.y0 = int(FAR_WATERLINE) - 1
        ys = np.arange(self.y0, H, dtype=np.float64)
        xs = np.arange(cv.x0, cv.x1, dtype=np.float64)
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


def strip_blend_mask(shape_y0, cv, strips):
    """1 deep inside the union of the strips, falling to 0 at every edge they share with the still."""
    m = np.zeros((H, cv.w), dtype=bool)
    for x0, y0, x1, y1 in strips:
        m[y0:y1, x0 - cv.x0:x1 - cv.x0] = True
    # the screen edges are not seams: pad the region outward there
    pad = np.pad(m, ((0, 40), (0, 40)), mode="edge")
    dist = ndimage.distance_transform_edt(pad)[:H, :cv.w]
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
    cv = water.cv
    # the plain picture clamps its lookups at its own edges; keep that on its columns and ease the
    # lookups beyond from clamped to free
    t = cv.weight(36)
    sxp = t * np.clip(sxp, 0, W - 1) + (1 - t) * np.clip(sxp, cv.x0, cv.x1 - 1) - cv.x0
    r = np.stack([ndimage.map_coordinates(refl[..., c], [sy, sxp], order=1, mode="nearest") for c in range(3)], -1)
    cosi = dy / np.sqrt(dy ** 2 + F ** 2) + sz * 0.6
    cosi = np.clip(cosi, 0.0, 1.0)
    fres = 0.02 + 0.98 * (1 - cosi) ** 5
    fres = np.clip(fres * 1.05 + 0.03, 0, 1)
    return lerp(body, r, fres[..., None])


# ----------------------------------------------------------------------------------------------


def render(cv=PLAIN, strips=(STRIP1, STRIP2)):
    """Paints the scene over canvas cv. Returns the still, each strip as its 32 frames stacked, and the
    trees' and the boat's coverage (for the foreground cut-out)."""
    rng = np.random.default_rng(SEED)
    sky = paint_sky(rng, cv)
    upper = paint_far(sky, rng, cv)

    trees_rgb, trees_a = tree_layer(rng, cv)

    jet = Layer(cv)
    draw_faces(jet, jetty_faces(np.random.default_rng(SEED)), mirror=False)
    jet_rgb, jet_a = jet.result()
    grain = cv.filtered(cv.fbm(H, 1.2, 2, rng), lambda a: ndimage.gaussian_filter(a, (0.3, 6.0)), 36)
    grain /= grain[:, -cv.x0:W - cv.x0].std() + 1e-9
    jet_rgb = jet_rgb * (1 + 0.08 * grain[..., None] + 0.06 * cv.fbm(H, 20.0, 3, rng)[..., None])
    jetm = Layer(cv)
    draw_faces(jetm, jetty_faces(np.random.default_rng(SEED)), mirror=True)
    jetm_rgb, jetm_a = jetm.result()

    bf = boat_faces()
    boat = Layer(cv)
    draw_faces(boat, bf, mirror=False)
    boat_rgb, boat_a = boat.result()
    boatm = Layer(cv)
    draw_faces(boatm, bf, mirror=True)
    boatm_rgb, boatm_a = boatm.result()

    # the bank and what stands on it, painted over sky and far shore
    still_upper, bank_mask, edge, edge_left = paint_bank(upper.copy(), rng, cv)
    det_rgb, det_a = bank_details(edge, rng, cv, edge_left)

    # mirror image of the world in water rows
    water = Water(rng, cv)
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
    refl = cv.filtered(refl, lambda a: ndimage.gaussian_filter(a, (0.8, 0.6, 0)), 2)

    depth_t = np.clip((water.dy - 4) / 380.0, 0, 1)[..., None]
    body = lerp(col(70, 82, 84), col(34, 44, 40), depth_t)
    body = body * (1 + 0.08 * cv.fbm(H - water.y0, 40.0, 3, rng)[..., None])

    blend = strip_blend_mask(water.y0, cv, strips)

    s0x, s0z = water.slopes(0)
    # the bank darkens the water along its foot: its own reflection and its shade
    rows_e = edge[water.y0:][:, None]
    beyond = water.xx - rows_e
    reach = 4.0 + 10.0 * np.clip((water.yy - 430) / 330, 0, 1)
    bank_shade = 1 - 0.38 * np.exp(-np.clip(beyond, 0, None) / reach)
    bank_shade = np.where((rows_e > 0) & (beyond > -2), bank_shade, 1.0)[..., None]
    if edge_left is not None:
        # A few rows without bank reach the picture's left edge with a bank's shade (their waterline
        # wobbles above 0); mirror that out past the edge rather than cut it off, and shade the water
        # along the bank's far part, fading out before the picture's own columns.
        mirrored = np.where(rows_e > 0, np.exp(-np.abs(beyond) / reach), 0.0)
        far = water.xx - edge_left[water.y0:][:, None]
        far = np.where(far > -2, np.exp(-np.clip(far, 0, None) / reach), 0.0) * np.clip(-water.xx / 12, 0, 1)
        left = 1 - 0.38 * np.maximum(mirrored, far)
        bank_shade = np.where((water.xx < 0)[..., None], left[..., None], bank_shade)

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

    # the camera's own marks, the same on every frame: fine grain, a soft vignette, a gentle S-curve
    # (the grain's draws come last; compose draws none, so each frame can be finished as it is made)
    grain = cv.fbm(H, 1.0, 1, rng) * 2.2
    yy, xx = cv.mgrid()
    u = (xx - CX) / CX
    # past the picture's sides the fall-off goes on ever more gently: same value and slope at the edge
    o = np.abs(u) - 1
    u = np.where(o > 0, np.sign(u) * (1 + o / (1 + 2 * np.maximum(o, 0))), u)
    vig = 1 - 0.16 * (u ** 2 + ((yy - H / 2) / (H / 2)) ** 2) ** 1.5 / 2 ** 1.5

    def with_grain(img):
        # a lens is never perfectly sharp
        img = cv.filtered(img, lambda a: ndimage.gaussian_filter(a, (0.45, 0.45, 0)), 2)
        v = np.clip(img * vig[..., None] + grain[..., None], 0, 255) / 255.0
        v = v + 0.8 * (v - v ** 2) * (v - 0.5)
        return v * 255.0

    still = None
    cut = [[] for _ in strips]
    for t in range(int(os.environ.get("LUNVALE_FRAMES", FRAMES))):
        f = with_grain(compose(t))
        still = f if t == 0 else still
        for (x0, y0, x1, y1), c in zip(strips, cut):
            c.append(f[y0:y1, x0 - cv.x0:x1 - cv.x0])
        print(f"frame {t}", flush=True)
    return still, [np.concatenate(c, axis=0) for c in cut], np.maximum(trees_a, boat_a)


def main(outdir):
    still, (s1, s2), cover = render()
    common.save_jpeg(still, os.path.join(outdir, "QIM1.jpg"), quality=90)
    common.save_jpeg(s1, os.path.join(outdir, "QMV1.jpg"), quality=88)
    common.save_jpeg(s2, os.path.join(outdir, "QMV2.jpg"), quality=88)

    # the foreground cut-out: trees and boat where they cover the scene
    bx0, by0, bx1, by1 = TREE_BOX
    cover = cover[by0:by1, bx0:bx1] >= 0.5
    cut = np.asarray(Image.open(os.path.join(outdir, "QIM1.jpg")).convert("RGB"), dtype=np.float64)[by0:by1, bx0:bx1]
    idx, pal = common.quantize_keyed(cut, cover)
    common.write_bmp8(os.path.join(outdir, "QIM2masktree.bmp"), idx, pal, rle=True)

    prev = Image.fromarray(common.to_u8(still)).resize((154, 116), Image.Resampling.LANCZOS)
    pidx, ppal = common.quantize_plain(np.asarray(prev, dtype=np.float64))
    common.write_bmp8(os.path.join(outdir, "PREVIEWBMP.bmp"), pidx, ppal, rle=False)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else common.ASSETS)
