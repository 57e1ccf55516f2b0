#!/usr/bin/env python3
"""Writes resources/overlay.png, the picture laid over the light/dark field.

Over a uniform base colour c, pixel (i, j) must look like c darkened by the
dark amount x and then lightened by the light amount h:
    c * (1 - x/255) * (1 - h/255) + h
which is alpha compositing of a grey g with coverage a over c:
    a = 1 - (1 - x/255) * (1 - h/255),  g = h / a.
x runs 0..255 from the left to the right column and h 255..0 from the top to
the bottom row, so the corners are exact: top edge opaque white, bottom left
transparent, bottom right opaque black. g and a are chosen among nearby byte
values so that the error is smallest for every base colour (it is linear in
c, so checking c = 0 and c = 255 suffices).

Usage: scripts/make-overlay.py [output.png]   (Python standard library only)
"""

import os
import struct
import sys
import zlib

WIDTH, HEIGHT = 255, 254


def amounts(i, j):
    return i * 255.0 / (WIDTH - 1), (HEIGHT - 1 - j) * 255.0 / (HEIGHT - 1)


def mix(c, x, h):
    return c * (1 - x / 255.0) * (1 - h / 255.0) + h


def best_pixel(x, h):
    a = 1 - (1 - x / 255.0) * (1 - h / 255.0)
    if a <= 0:
        return 0, 0
    g = min(255.0, h / a)
    best = None
    for aa in range(max(0, round(a * 255) - 2), min(255, round(a * 255) + 2) + 1):
        for gg in range(max(0, round(g) - 2), min(255, round(g) + 2) + 1):
            err = max(abs(aa / 255.0 * gg + (1 - aa / 255.0) * c - mix(c, x, h)) for c in (0, 255))
            if best is None or err < best[0]:
                best = (err, gg, aa)
    return best[1], best[2]


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "overlay.png")
    raw = bytearray()
    previous = bytes(WIDTH * 4)
    for j in range(HEIGHT):
        row = bytearray()
        for i in range(WIDTH):
            g, a = best_pixel(*amounts(i, j))
            row += bytes((g, g, g, a))
        # Filter "up": neighbouring rows differ little, which packs well.
        raw.append(2)
        raw += bytes((row[k] - previous[k]) & 0xFF for k in range(len(row)))
        previous = bytes(row)
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(target, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main()
