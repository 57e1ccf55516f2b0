#!/usr/bin/env python3
"""Renders every icon of resources/icons into one PNG contact sheet.

Each icon appears at 24 and 48 pixels, once on a light and once on a dark
strip, for judging the set as a whole. The icons are rasterised by
rsvg-convert (Debian package librsvg2-bin); the sheet is put together with the
standard library alone. The icon names are printed cell by cell.

Usage: scripts/icon-sheet.py [sheet.png]     (default: icon-sheet.png)
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

COLUMNS = 8
CELL_W, CELL_H = 84, 56
PLACES = ((24, 6, 16), (48, 32, 4))  # size, x and y inside the cell
LIGHT = (250, 250, 250)
DARK = (48, 52, 58)


def read_rgba_png(path):
    """Decodes the 8-bit RGBA, non-interlaced PNG that rsvg-convert writes."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG")
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (8, 6, 0):
                raise ValueError(f"{path}: expected 8-bit RGBA without interlace")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = 4 * width
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = previous[i]
            upper_left = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else upper_left
                line[i] = (line[i] + predictor) & 255
        rows.append(line)
        previous = line
    return width, height, rows


def write_rgb_png(path, width, height, pixels):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    stride = 3 * width
    raw = b"".join(b"\x00" + bytes(pixels[y * stride:(y + 1) * stride]) for y in range(height))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def main():
    rsvg = shutil.which("rsvg-convert")
    if not rsvg:
        sys.exit("icon-sheet: rsvg-convert is missing; install it with: sudo apt-get install librsvg2-bin")
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    icons_dir = os.path.join(root, "resources", "icons")
    names = sorted(n for n in os.listdir(icons_dir) if n.endswith(".svg"))
    target = sys.argv[1] if len(sys.argv) > 1 else "icon-sheet.png"

    rows_of_cells = (len(names) + COLUMNS - 1) // COLUMNS
    half = COLUMNS * CELL_W
    width, height = 2 * half, rows_of_cells * CELL_H
    sheet = bytearray()
    for _ in range(height):
        sheet += bytes(LIGHT) * half + bytes(DARK) * half

    with tempfile.TemporaryDirectory() as tmp:
        for index, name in enumerate(names):
            column, row = index % COLUMNS, index // COLUMNS
            print(f"row {row + 1}, column {column + 1}: {name}")
            for size, cx, cy in PLACES:
                png = os.path.join(tmp, f"{size}.png")
                subprocess.run([rsvg, "-w", str(size), "-h", str(size), "-f", "png", "-o", png,
                                os.path.join(icons_dir, name)], check=True)
                w, h, pixels = read_rgba_png(png)
                for side in (0, 1):
                    x0 = side * half + column * CELL_W + cx
                    y0 = row * CELL_H + cy
                    for y in range(h):
                        line = pixels[y]
                        for x in range(w):
                            r, g, b, a = line[4 * x:4 * x + 4]
                            at = 3 * ((y0 + y) * width + x0 + x)
                            for k, v in enumerate((r, g, b)):
                                sheet[at + k] = round((v * a + sheet[at + k] * (255 - a)) / 255)

    write_rgb_png(target, width, height, sheet)
    print(f"{len(names)} icons -> {target} ({width} x {height})")


if __name__ == "__main__":
    main()
