#!/usr/bin/env python3
"""Writes a 154 x 116 8-bit palette BMP: a simple sky, far shore and lake, for the preview window
until the rendered still of the scene replaces it. Standard library only."""
import struct
import sys

W, H = 154, 116


def palette():
    pal = []
    for i in range(256):
        if i < 96:  # sky: pale blue to grey-blue
            t = i / 95
            pal.append((int(200 - 60 * t), int(215 - 50 * t), int(230 - 40 * t)))
        elif i < 160:  # far shore: dark greens
            t = (i - 96) / 63
            pal.append((int(30 + 30 * t), int(50 + 40 * t), int(30 + 20 * t)))
        else:  # water: deep blue-grey
            t = (i - 160) / 95
            pal.append((int(60 + 70 * t), int(80 + 70 * t), int(100 + 70 * t)))
    return pal


def pixel(x, y):
    shore = 52 + int(4 * ((x * 7919) % 13) / 13)
    if y < shore:
        return int(95 * y / shore)
    if y < 62:
        return 96 + (x * 31 + y * 17) % 64
    ripple = ((x // 6 + y * 3) % 11) * 4
    return 160 + min(95, int(95 * (y - 62) / 54) // 2 + ripple)


def main(path):
    row_size = (W + 3) & ~3
    pixels = bytearray()
    for y in range(H - 1, -1, -1):  # bottom-up rows
        row = bytes(pixel(x, y) for x in range(W))
        pixels += row + b"\0" * (row_size - W)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette())
    offset = 14 + 40 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    with open(path, "wb") as f:
        f.write(header + info + pal + pixels)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "assets/PREVIEWBMP.bmp")
