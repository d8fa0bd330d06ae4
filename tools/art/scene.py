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
from PIL import Image
from scipy import ndimage

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import common  # noqa: E402
from objects import CX, EYE, F, H, W, YH, Layer, boat_faces, col, draw_faces, jetty_faces, lerp, smoothstep  # noqa: E402
from shore import TREE_BOX, bank_details, paint_bank, tree_layer  # noqa: E402

FRAMES = 32
SEED = 1907

STRIP1 = (375, 500, 1024, 768)  # x0, y0, x1, y1 (exclusive)
STRIP2 = (285, 413, 1024, 500)

FAR_WATERLINE = 387.0


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

