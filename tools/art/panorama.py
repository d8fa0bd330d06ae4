#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Paints the lake scene as a panorama for wide screens (up to 64:27), with the still of scene.py
as its middle: panorama column = still column + 400.

Outputs (into the assets folder given as first argument):
  QIM1wide.jpg  the still, 1824 x 768
  QMV1wide.jpg  near water, 32 frames of 1033 x 268 (panorama columns 759..1791, rows 500..767)
  QMV2wide.jpg  far water, 32 frames of 1123 x 87 (panorama columns 669..1791, rows 413..499)

The scene is painted once more over the wider canvas, every random draw of the plain still made again in
the same order and the parts beyond its sides drawn from a generator of their own, so the middle comes out
as QIM1.jpg. The strips start where the plain ones do and run on to the panorama's right edge; left of
them the water is as still as in the plain picture. The trees and the boat stay inside the middle, so
QIM2masktree.bmp serves the panorama too, drawn at (474, 181).
"""
import os
import sys

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import common  # noqa: E402
import scene  # noqa: E402
from objects import Canvas  # noqa: E402

LEFT, WIDTH = 400, 1824  # the still's first column in the panorama; the panorama's width
SIDE_SEED = 1908


def main(outdir):
    right = WIDTH - LEFT  # the panorama's right edge in the still's columns
    strips = tuple((x0, y0, right, y1) for x0, y0, _, y1 in (scene.STRIP1, scene.STRIP2))
    cv = Canvas(-LEFT, WIDTH, np.random.default_rng(SIDE_SEED))
    still, (s1, s2), _ = scene.render(cv, strips)
    common.save_jpeg(still, os.path.join(outdir, "QIM1wide.jpg"), quality=90)
    common.save_jpeg(s1, os.path.join(outdir, "QMV1wide.jpg"), quality=88)
    common.save_jpeg(s2, os.path.join(outdir, "QMV2wide.jpg"), quality=88)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else common.ASSETS)
