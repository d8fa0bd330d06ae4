"""Shared helpers of the art generators: seeded noise, 8-bit RLE bitmaps, palettes."""
# SPDX-License-Identifier: MIT
import os
import struct

import numpy as np
from PIL import Image
from scipy import ndimage

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ASSETS = os.path.join(ROOT, "assets")
FONT_DIR = "/usr/share/fonts/truetype"


def font_path(name):
    for sub in ("dejavu", "liberation2"):
        p = os.path.join(FONT_DIR, sub, name)
        if os.path.exists(p):
            return p
    raise FileNotFoundError(name)


def value_noise(shape, cell, rng, order=3):
    """Smooth noise in [-1, 1]: a random grid with one value per `cell` pixels, spline-upsampled."""
    h, w = shape
    gh, gw = int(np.ceil(h / cell)) + 4, int(np.ceil(w / cell)) + 4
    grid = rng.uniform(-1.0, 1.0, (gh, gw))
    ys = np.arange(h) / cell + 1.5
    xs = np.arange(w) / cell + 1.5
    yy, xx = np.meshgrid(ys, xs, indexing="ij")
    return ndimage.map_coordinates(grid, [yy, xx], order=order, mode="nearest")


def fbm(shape, cell, octaves, rng, gain=0.5, lacunarity=2.0):
    total = np.zeros(shape)
    amp, norm = 1.0, 0.0
    for _ in range(octaves):
        total += amp * value_noise(shape, max(cell, 1.0), rng)
        norm += amp
        amp *= gain
        cell /= lacunarity
    return total / norm


def value_noise_span(shape, cell, rng, x0, width, side, order=3):
    """value_noise(shape, cell, rng) carried on sideways over columns x0 .. x0 + width - 1. The same
    grid is drawn from rng, grid columns beyond it from `side`, and the original grid keeps its own
    spline coefficients: its columns come out exactly as value_noise makes them and the surface runs
    on past them without a kink."""
    h, w = shape
    gh, gw = int(np.ceil(h / cell)) + 4, int(np.ceil(w / cell)) + 4
    grid = rng.uniform(-1.0, 1.0, (gh, gw))
    left = max(0, int(np.ceil(-x0 / cell)) + 2)
    right = max(0, int(np.ceil((x0 + width - w) / cell)) + 2)
    ext = np.concatenate([side.uniform(-1.0, 1.0, (gh, left)), grid, side.uniform(-1.0, 1.0, (gh, right))], axis=1)
    # map_coordinates pads by 12 edge values before filtering; do the same so the coefficients match
    pad = 12
    coef = ndimage.spline_filter(np.pad(ext, pad, mode="edge"), order, mode="nearest")
    own = ndimage.spline_filter(np.pad(grid, pad, mode="edge"), order, mode="nearest")
    coef[:, pad + left:pad + left + gw] = own[:, pad:pad + gw]
    ys = np.arange(h) / cell + 1.5 + pad
    xs = np.arange(x0, x0 + width) / cell + 1.5 + pad + left
    yy, xx = np.meshgrid(ys, xs, indexing="ij")
    out = ndimage.map_coordinates(coef, [yy, xx], order=order, mode="nearest", prefilter=False)
    # the original columns bit for bit, not merely to rounding
    a, b = max(0, -x0), min(width, w - x0)
    ys0 = np.arange(h) / cell + 1.5
    xs0 = np.arange(a + x0, b + x0) / cell + 1.5
    yy, xx = np.meshgrid(ys0, xs0, indexing="ij")
    out[:, a:b] = ndimage.map_coordinates(grid, [yy, xx], order=order, mode="nearest")
    return out


def fbm_span(shape, cell, octaves, rng, x0, width, side, gain=0.5, lacunarity=2.0):
    """fbm(shape, ...) over columns x0 .. x0 + width - 1; see value_noise_span."""
    total = np.zeros((shape[0], width))
    amp, norm = 1.0, 0.0
    for _ in range(octaves):
        total += amp * value_noise_span(shape, max(cell, 1.0), rng, x0, width, side)
        norm += amp
        amp *= gain
        cell /= lacunarity
    return total / norm


def noise_texture(size, cell, octaves, rng, gain=0.5):
    """A large fBm texture to be sampled at arbitrary coordinates."""
    return fbm((size, size), cell, octaves, rng, gain)


def sample(tex, yy, xx, order=1):
    """Bilinear lookup in a texture with wrap-around."""
    return ndimage.map_coordinates(tex, [yy, xx], order=order, mode="grid-wrap")


def to_u8(a):
    return np.clip(np.rint(a), 0, 255).astype(np.uint8)


def save_jpeg(rgb, path, quality=90):
    Image.fromarray(to_u8(rgb), "RGB").save(path, "JPEG", quality=quality, optimize=True, subsampling=0)


def rle8_encode_row(row):
    """One bitmap row in BI_RLE8: runs of two or more as (count, value), longer mixed stretches in
    absolute mode, then the end-of-line mark."""
    out = bytearray()
    n = len(row)
    i = 0
    while i < n:
        j = i + 1
        while j < n and j - i < 255 and row[j] == row[i]:
            j += 1
        if j - i >= 2:
            out += bytes((j - i, row[i]))
            i = j
            continue
        # literal stretch until the next run of three or more
        k = i
        while k < n and k - i < 255:
            if k + 2 < n and row[k] == row[k + 1] == row[k + 2]:
                break
            k += 1
        lit = row[i:k]
        if len(lit) >= 3:
            out += bytes((0, len(lit))) + bytes(lit)
            if len(lit) % 2:
                out += b"\0"
        else:
            for v in lit:
                out += bytes((1, v))
        i = k
    out += b"\0\0"
    return out


def write_bmp8(path, indices, palette, rle=True):
    """8-bit palette bitmap, bottom-up; BI_RLE8 when rle is set. palette: list of (r, g, b)."""
    h, w = indices.shape
    pal = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    pal_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in pal)
    if rle:
        data = bytearray()
        for y in range(h - 1, -1, -1):
            data += rle8_encode_row(indices[y].tolist())
        data[-2:] = b"\0\1"  # the last end-of-line becomes end-of-bitmap
        compression = 1
    else:
        stride = (w + 3) & ~3
        data = bytearray()
        for y in range(h - 1, -1, -1):
            data += bytes(indices[y].astype(np.uint8)) + b"\0" * (stride - w)
        compression = 0
    offset = 14 + 40 + len(pal_bytes)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, compression, len(data), 2835, 2835, 256, 0)
    with open(path, "wb") as f:
        f.write(header + info + pal_bytes + bytes(data))


def write_bmp24(path, rgb):
    h, w, _ = rgb.shape
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        data += rgb[y][:, ::-1].astype(np.uint8).tobytes() + b"\0" * (stride - w * 3)
    offset = 54
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + bytes(data))


def quantize_keyed(rgb, opaque, colors=255):
    """Maps the opaque pixels onto a palette of `colors` entries that starts at index 1; index 0 is
    pure black, the see-through colour. Opaque pixels never take index 0."""
    pix = rgb[opaque].reshape(1, -1, 3)
    img = Image.fromarray(to_u8(pix), "RGB")
    q = img.quantize(colors=colors, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = np.array(q.getpalette()[: 3 * colors], dtype=np.int32).reshape(-1, 3)
    used = len(pal)
    # keep every palette colour away from the key so that no opaque pixel can read as black
    pal = np.maximum(pal, 0)
    dark = pal.max(axis=1) < 12
    pal[dark] = np.maximum(pal[dark], 12)
    idx = np.zeros(rgb.shape[:2], dtype=np.uint8)
    src = to_u8(rgb[opaque]).astype(np.int32)
    best = np.zeros(len(src), dtype=np.int32)
    bestd = np.full(len(src), 1 << 30, dtype=np.int64)
    for i in range(used):
        d = ((src - pal[i]) ** 2).sum(axis=1)
        m = d < bestd
        bestd[m] = d[m]
        best[m] = i
    idx[opaque] = (best + 1).astype(np.uint8)
    palette = [(0, 0, 0)] + [tuple(int(c) for c in p) for p in pal]
    return idx, palette


def quantize_plain(rgb, colors=256):
    img = Image.fromarray(to_u8(rgb), "RGB")
    q = img.quantize(colors=colors, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = np.array(q.getpalette()[: 3 * colors]).reshape(-1, 3)
    return np.array(q, dtype=np.uint8), [tuple(int(c) for c in p) for p in pal]


def save_gif(path, rgb, key_black=True):
    """GIF with an exact-black see-through colour kept exact: black stays palette entry 0."""
    black = (rgb.max(axis=2) == 0)
    idx, pal = quantize_keyed(rgb, ~black, colors=255)
    img = Image.fromarray(idx, "P")
    flat = []
    for p in pal:
        flat += list(p)
    flat += [0] * (768 - len(flat))
    img.putpalette(flat)
    img.save(path, "GIF", optimize=False)
