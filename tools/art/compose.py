#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Composes the scene from the finished assets the way a frame is drawn, for a look at the whole:

docs/scene-frame-08.png, docs/scene-frame-23.png   two composed screens (water frames 8 and 23,
                                                   gulls at several headings, all three gadgets)
docs/contact-sheet.png                             every asset at a glance
docs/panorama.png                                  the wide still with its water (frame 8) and the trees,
                                                   at half size

Usage: compose.py ASSETS_DIR DOCS_DIR
"""
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import common  # noqa: E402


def load(assets, name):
    for ext in (".jpg", ".bmp", ".gif"):
        p = os.path.join(assets, name + ext)
        if os.path.exists(p):
            return Image.open(p).convert("RGB")
    raise FileNotFoundError(name)


def blit(dst, src, x, y, key=False):
    """Draws src at (x, y), clipped; with key, exact black is left out."""
    s = np.asarray(src)
    d = dst
    h, w = s.shape[:2]
    x0, y0 = max(0, x), max(0, y)
    x1, y1 = min(d.shape[1], x + w), min(d.shape[0], y + h)
    if x1 <= x0 or y1 <= y0:
        return
    part = s[y0 - y:y1 - y, x0 - x:x1 - x]
    if key:
        m = part.max(axis=2) > 0
        d[y0:y1, x0:x1][m] = part[m]
    else:
        d[y0:y1, x0:x1] = part


def frame(strip, fw, fh, k):
    return strip.crop((0, k * fh, fw, (k + 1) * fh))


def compose(assets, water_frame, birds, clock_text):
    a = {n: load(assets, n) for n in ("QIM1", "QMV1", "QMV2", "QMV3SG", "QMV3SGsmall", "QIM2masktree",
                                       "QIM2GadgetPanel", "QGC1", "QGW1", "QGR1", "QMV3Weather")}
    img = np.asarray(a["QIM1"]).copy()
    blit(img, frame(a["QMV1"], 649, 268, water_frame), 375, 500)
    blit(img, frame(a["QMV2"], 739, 87, water_frame), 285, 413)
    for kind, x, y, heading in birds:
        k = heading // 3
        if kind == "large":
            blit(img, frame(a["QMV3SG"], 68, 43, k), x, y, key=True)
        elif kind == "small":
            blit(img, frame(a["QMV3SGsmall"], 38, 24, k), x, y, key=True)
        else:
            f = frame(a["QMV3SGsmall"], 38, 24, k).resize((28, 18), Image.Resampling.NEAREST)
            blit(img, f, x, y, key=True)
    blit(img, a["QIM2masktree"], 90, 181, key=True)
    blit(img, a["QIM2GadgetPanel"], 0, 698, key=True)
    blit(img, a["QGR1"], 0, 698, key=True)
    blit(img, a["QGW1"], 571, 698, key=True)
    blit(img, a["QGC1"], 907, 698, key=True)
    blit(img, frame(a["QMV3Weather"], 52, 52, 28), 571 + 94, 698 + 8)
    blit(img, frame(a["QMV3Weather"], 52, 52, 11), 571 + 206, 698 + 8)
    im = Image.fromarray(img)
    d = ImageDraw.Draw(im)
    bold = common.font_path("LiberationSans-Bold.ttf")
    f22, f20, f16 = (ImageFont.truetype(bold, s) for s in (22 * 20 // 23, 20 * 20 // 23, 16 * 20 // 23))
    w = d.textlength(clock_text, font=f22)
    d.text((911 + (106 - w) // 2, 726), clock_text, font=f22, fill=(255, 255, 255))
    d.text((571 + 153, 698 + 29), "64\u00b0", font=f20, fill=(255, 255, 255))
    d.text((571 + 265, 698 + 29), "52...67\u00b0", font=f20, fill=(255, 255, 255))
    d.text((90, 698 + 7), "Lakeside Gazette", font=f16, fill=(153, 153, 153))
    line = Image.new("RGB", (545, 40))
    ld = ImageDraw.Draw(line)
    ld.text((-120, 20), "Regatta postponed as wind picks up  ***  New footpath opens along the north shore  ***",
            font=f16, fill=(255, 255, 255))
    box = np.asarray(im).copy()
    lm = np.asarray(line)
    region = box[698 + 10:698 + 50, 15:560]
    m = lm.max(axis=2) > 0
    alpha = (lm.max(axis=2) / 255.0)[..., None]
    region[m] = (region[m] * (1 - alpha[m]) + lm[m]).clip(0, 255).astype(np.uint8)
    return Image.fromarray(box)


def panorama(assets, water_frame):
    img = np.asarray(load(assets, "QIM1wide")).copy()
    for name, fh, x, y in (("QMV1wide", 268, 759, 500), ("QMV2wide", 87, 669, 413)):
        strip = load(assets, name)
        blit(img, frame(strip, strip.width, fh, water_frame), x, y)
    blit(img, load(assets, "QIM2masktree"), 90 + 400, 181, key=True)
    im = Image.fromarray(img)
    return im.resize((im.width // 2, im.height // 2), Image.Resampling.LANCZOS)


def contact_sheet(assets):
    tiles = []

    def add(name, im, scale=1.0):
        if scale != 1.0:
            im = im.resize((max(1, int(im.width * scale)), max(1, int(im.height * scale))), Image.Resampling.LANCZOS)
        tiles.append((name, im))

    add("QIM1 1024x768", load(assets, "QIM1"), 0.5)
    q1 = load(assets, "QMV1")
    add("QMV1 frames 0, 8, 16, 24", Image.fromarray(np.concatenate(
        [np.asarray(frame(q1, 649, 268, k)) for k in (0, 8, 16, 24)], axis=0)), 0.4)
    q2 = load(assets, "QMV2")
    add("QMV2 frames 0..7", Image.fromarray(np.concatenate(
        [np.asarray(frame(q2, 739, 87, k)) for k in range(8)], axis=0)), 0.4)
    add("QIM2masktree", load(assets, "QIM2masktree"), 0.75)
    g = load(assets, "QMV3SG")
    add("QMV3SG every 10th frame", Image.fromarray(np.concatenate(
        [np.concatenate([np.asarray(frame(g, 68, 43, r * 60 + c * 10)) for c in range(6)], axis=1) for r in range(2)],
        axis=0)), 1.0)
    gs = load(assets, "QMV3SGsmall")
    add("QMV3SGsmall every 10th frame", Image.fromarray(np.concatenate(
        [np.asarray(frame(gs, 38, 24, c * 10)) for c in range(12)], axis=1)), 1.0)
    wi = load(assets, "QMV3Weather")
    rows = []
    for r in range(5):
        row = [np.asarray(frame(wi, 52, 52, r * 10 + c)) if r * 10 + c < 49 else np.zeros((52, 52, 3), np.uint8)
               for c in range(10)]
        rows.append(np.concatenate(row, axis=1))
    add("QMV3Weather 0..48", Image.fromarray(np.concatenate(rows, axis=0)), 1.0)
    add("QIM2GadgetPanel", load(assets, "QIM2GadgetPanel"), 0.5)
    for n in ("QGR1", "QGW1", "QGC1"):
        add(n, load(assets, n))
    add("PREVIEWBMP", load(assets, "PREVIEWBMP"))
    add("Image1", load(assets, "Image1"))
    add("Image2", load(assets, "Image2"))
    for n in ("FD_Ground", "FD_Knob", "BTOK_Ground_off", "BTOK_Ground_on", "BTCancel_Ground_off",
              "BTCancel_Ground_on"):
        add(n, load(assets, n))

    # simple shelf packing
    width = 1200
    font = ImageFont.truetype(common.font_path("DejaVuSans.ttf"), 12)
    x = y = 10
    shelf = 0
    placed = []
    for name, im in tiles:
        w, h = max(im.width, int(font.getlength(name))), im.height + 16
        if x + w > width - 10:
            x, y, shelf = 10, y + shelf + 12, 0
        placed.append((name, im, x, y))
        x += w + 14
        shelf = max(shelf, h)
    sheet = Image.new("RGB", (width, y + shelf + 10), (107, 112, 133))
    d = ImageDraw.Draw(sheet)
    for name, im, x, y in placed:
        d.text((x, y), name, font=font, fill=(240, 240, 245))
        sheet.paste(im, (x, y + 16))
    return sheet


def main(assets, docs):
    os.makedirs(docs, exist_ok=True)
    compose(assets, 8, [("large", 660, 262, 201), ("small", 392, 238, 24), ("tiny", 520, 196, 153)],
            "10:42").save(os.path.join(docs, "scene-frame-08.png"), optimize=True)
    compose(assets, 23, [("large", 930, 300, 345), ("small", 250, 290, 282), ("tiny", 610, 232, 60)],
            "10:43").save(os.path.join(docs, "scene-frame-23.png"), optimize=True)
    contact_sheet(assets).save(os.path.join(docs, "contact-sheet.png"), optimize=True)
    panorama(assets, 8).save(os.path.join(docs, "panorama.png"), optimize=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
