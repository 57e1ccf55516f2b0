#!/usr/bin/env python3
"""Writes src/colour/BandTables.cpp: the realistic and luminous band tables.

The tables are fixed data of the program; this script is how they were made.
Each channel is a monotone cubic (Hermite) curve through the anchor rows
below. The luminous band keeps one channel at 255 and one at 0 and moves the
third between neighbouring primaries; its slopes at the primaries are eased a
little so that the primaries get some width instead of a sharp kink.

Usage: scripts/make-band-tables.py [output.cpp]
"""

import os
import sys

N = 678

REALISTIC = {
    0: (218, 37, 29), 28: (220, 57, 25), 56: (224, 80, 22), 85: (228, 107, 24),
    113: (233, 133, 27), 141: (243, 190, 14), 169: (254, 252, 0), 198: (186, 222, 20),
    226: (117, 190, 41), 254: (60, 168, 53), 282: (5, 147, 62), 311: (0, 146, 100),
    339: (0, 146, 141), 367: (0, 146, 177), 395: (0, 146, 214), 424: (0, 121, 194),
    452: (0, 93, 163), 480: (19, 57, 136), 508: (40, 22, 111), 537: (82, 25, 114),
    565: (123, 28, 118), 593: (169, 24, 120), 621: (217, 19, 122), 650: (219, 28, 74),
    677: (218, 37, 29),
}

LUMINOUS = {
    0: (255, 0, 0), 28: (255, 40, 0), 56: (255, 79, 0), 85: (255, 124, 0),
    113: (255, 167, 0), 141: (255, 211, 0), 169: (255, 255, 0), 198: (193, 255, 0),
    226: (135, 255, 0), 254: (70, 255, 0), 282: (4, 255, 0), 311: (0, 255, 64),
    339: (0, 255, 129), 367: (0, 255, 188), 395: (0, 255, 246), 424: (0, 177, 255),
    452: (0, 88, 255), 480: (0, 0, 255), 508: (49, 0, 255), 537: (103, 0, 255),
    565: (162, 0, 255), 593: (208, 0, 255), 621: (253, 0, 255), 650: (255, 0, 127),
    677: (255, 0, 0),
}

# Primary positions and the channel that moves between each pair.
PRIMARIES = [(0, 169, 1), (169, 284, 0), (284, 399, 2), (399, 480, 1), (480, 622, 0), (622, 677, 2)]
EXTRA_KNOTS = {284: (0, 255, 0), 399: (0, 255, 255), 622: (255, 0, 255)}

# Slope at a primary as a share of the neighbouring secant: eases the curve
# into the primary. Where the anchor rows leave no room the share is tuned.
EASE = 0.75
EASE_AT = {(0, 'start'): 1.0, (169, 'end'): 0.92}


def hermite(x0, x1, y0, y1, m0, m1, x):
    h = x1 - x0
    t = (x - x0) / h
    t2, t3 = t * t, t * t * t
    return ((2 * t3 - 3 * t2 + 1) * y0 + (t3 - 2 * t2 + t) * h * m0 + (-2 * t3 + 3 * t2) * y1
            + (t3 - t2) * h * m1)


def pchip_slopes(xs, ys, start_slope, end_slope):
    """Fritsch-Carlson slopes at the inner knots; given slopes at the ends."""
    n = len(xs)
    d = [(ys[i + 1] - ys[i]) / (xs[i + 1] - xs[i]) for i in range(n - 1)]
    m = [0.0] * n
    for i in range(1, n - 1):
        if d[i - 1] * d[i] <= 0:
            m[i] = 0.0
        else:
            h0, h1 = xs[i] - xs[i - 1], xs[i + 1] - xs[i]
            w1, w2 = 2 * h1 + h0, h1 + 2 * h0
            m[i] = (w1 + w2) / (w1 / d[i - 1] + w2 / d[i])
    m[0] = start_slope(d[0])
    m[-1] = end_slope(d[-1])
    return m


def cardinal_slopes(xs, ys):
    """Centred slopes (no monotone limit) and flat ends."""
    m = [0.0] * len(xs)
    for i in range(1, len(xs) - 1):
        m[i] = (ys[i + 1] - ys[i - 1]) / (xs[i + 1] - xs[i - 1])
    return m


def curve(xs, ys, m):
    out = {}
    for i in range(len(xs) - 1):
        for x in range(xs[i], xs[i + 1] + 1):
            out[x] = hermite(xs[i], xs[i + 1], ys[i], ys[i + 1], m[i], m[i + 1], x)
    return out


def clamp_byte(v):
    return max(0, min(255, round(v)))


def luminous():
    rows = dict(LUMINOUS)
    rows.update(EXTRA_KNOTS)
    table = [[0] * N for _ in range(3)]
    for a, b, ch in PRIMARIES:
        xs = sorted(p for p in rows if a <= p <= b)
        ys = [rows[p][ch] for p in xs]
        ea = EASE_AT.get((a, 'start'), EASE)
        eb = EASE_AT.get((b, 'end'), EASE)
        m = pchip_slopes(xs, ys, lambda s: s * ea, lambda s: s * eb)
        values = curve(xs, ys, m)
        for p in range(a, b + 1):
            for c in range(3):
                table[c][p] = clamp_byte(values[p]) if c == ch else rows[a][c] if rows[a][c] == rows[b][c] else 0
    for p, rgb in rows.items():
        assert tuple(table[c][p] for c in range(3)) == rgb, (p, rgb)
    return table


def realistic():
    xs = sorted(REALISTIC)
    table = []
    for ch in range(3):
        ys = [REALISTIC[p][ch] for p in xs]
        # Muted pigments need no monotone limit; flat at both ends, since
        # positions 0 and 677 are the same red.
        m = cardinal_slopes(xs, ys)
        values = curve(xs, ys, m)
        table.append([clamp_byte(values[p]) for p in range(N)])
    for p, rgb in REALISTIC.items():
        assert tuple(table[c][p] for c in range(3)) == rgb, (p, rgb)
    return table


def c_array(name, values):
    lines = [f"    .{name} = {{"]
    for i in range(0, N, 20):
        lines.append("        " + ", ".join(str(v) for v in values[i:i + 20]) + ",")
    lines.append("    },")
    return lines


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src", "colour", "BandTables.cpp")
    out = [
        "// Generated by scripts/make-band-tables.py; edit the script, not the numbers.",
        '#include "colour/BandTables.h"',
        "",
        "namespace {",
        "",
    ]
    for var, table in (("realistic", realistic()), ("luminous", luminous())):
        out.append(f"const BandTable {var}Table{{")
        for name, values in zip("rgb", table):
            out += c_array(name, values)
        out += ["};", ""]
    out += [
        "} // namespace",
        "",
        "const BandTable& realisticBand() { return realisticTable; }",
        "",
        "const BandTable& luminousBand() { return luminousTable; }",
        "",
    ]
    with open(target, "w", encoding="ascii") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main()
