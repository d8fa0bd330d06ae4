#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Renders the gull strips with POV-Ray: 121 headings (3 degrees apart) on exact black.

QMV3SG.bmp       68 x 43 frames, stacked to 68 x 5203
QMV3SGsmall.bmp  38 x 24 frames, stacked to 38 x 2904
Both 8-bit palette BI_RLE8; palette index 0 is black, the see-through colour, and the bird's own
pixels are never darker than the palette floor, so no dark seam shows around it.
"""
import os
import subprocess
import sys
import tempfile

import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import common  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
FRAMES = 121
OVERSAMPLE = 4


def render(tmp, name, fw, fh, span_px):
    w, h = fw * OVERSAMPLE, fh * OVERSAMPLE
    units_per_px = 2.0 / span_px  # the model's wingspan is about 2 units
    cmd = ["povray", f"+I{os.path.join(HERE, 'gull.pov')}", f"+O{os.path.join(tmp, name)}.png",
           f"+W{w}", f"+H{h}", "+UA", "+FN", "-D", "-V", "+A0.05", "+AM2", "+R3", "-J",
           "+KFI0", f"+KFF{FRAMES - 1}", "+KI0", f"+KF{FRAMES - 1}", "+WT2",
           f"Declare=SpanX={fw * units_per_px:.5f}", f"Declare=SpanY={fh * units_per_px:.5f}",
           "Declare=Scale=1"]
    subprocess.run(["nice", "-n", "19"] + cmd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    frames = []
    digits = len(str(FRAMES - 1))
    for k in range(FRAMES):
        im = np.asarray(Image.open(os.path.join(tmp, f"{name}{k:0{digits}d}.png")).convert("RGBA"), dtype=np.float64)
        a = im[..., 3] / 255.0
        im = im.reshape(fh, OVERSAMPLE, fw, OVERSAMPLE, 4)
        al = a.reshape(fh, OVERSAMPLE, fw, OVERSAMPLE).mean(axis=(1, 3))
        pre = (im[..., :3] * a.reshape(fh, OVERSAMPLE, fw, OVERSAMPLE)[..., None]).mean(axis=(1, 3))
        rgb = pre / np.maximum(al, 1e-6)[..., None]
        opaque = al >= 0.45
        opaque[0, 0] = False
        # a pixel that is mostly feather takes the feather colour, never a blend with black
        rgb = np.maximum(rgb, 18.0)
        rgb[~opaque] = 0
        frames.append((rgb, opaque))
    return frames


def write_strip(path, frames):
    rgb = np.concatenate([f[0] for f in frames], axis=0)
    opaque = np.concatenate([f[1] for f in frames], axis=0)
    idx, pal = common.quantize_keyed(rgb, opaque, colors=255)
    common.write_bmp8(path, idx, pal, rle=True)


def main(outdir):
    with tempfile.TemporaryDirectory() as tmp:
        write_strip(os.path.join(outdir, "QMV3SG.bmp"), render(tmp, "large", 68, 43, 46.0))
        write_strip(os.path.join(outdir, "QMV3SGsmall.bmp"), render(tmp, "small", 38, 24, 25.0))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else common.ASSETS)
