#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the reset-epoch icon: a black circular arrow on a transparent ground,
16 x 16 RGBA, antialiased by supersampling. Plain Python, no imaging library.

    python3 scripts/reset_icon.py resources/images/reset.png
"""
import math
import struct
import sys
import zlib

SIZE = 16
SAMPLES = 8  # per axis and pixel
CENTER = 8.0
OUTER, INNER = 6.6, 4.6  # ring radii in pixels
GAP = (15.0, 75.0)  # degrees, counter-clockwise from the right, left open
HEAD_AT = math.radians(GAP[1])


def on_ring(x, y):
    dx, dy = x - CENTER, CENTER - y
    r = math.hypot(dx, dy)
    if not INNER <= r <= OUTER:
        return False
    angle = math.degrees(math.atan2(dy, dx)) % 360.0
    return not GAP[0] < angle < GAP[1]


def arrow_head():
    """Triangle at the upper end of the ring, pointing clockwise into the gap."""
    mid = (INNER + OUTER) / 2
    px, py = CENTER + mid * math.cos(HEAD_AT), CENTER - mid * math.sin(HEAD_AT)
    tx, ty = math.sin(HEAD_AT), math.cos(HEAD_AT)  # clockwise tangent, screen axes
    rx, ry = math.cos(HEAD_AT), -math.sin(HEAD_AT)  # outward radius, screen axes
    tip = (px + 3.4 * tx, py + 3.4 * ty)
    base = (px - 0.6 * tx, py - 0.6 * ty)
    half = 3.4
    return [tip, (base[0] + half * rx, base[1] + half * ry), (base[0] - half * rx, base[1] - half * ry)]


def in_triangle(x, y, tri):
    def side(a, b):
        return (b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0])
    s = [side(tri[i], tri[(i + 1) % 3]) for i in range(3)]
    return all(v >= 0 for v in s) or all(v <= 0 for v in s)


def pixels():
    head = arrow_head()
    rows = []
    for py in range(SIZE):
        row = bytearray()
        for px in range(SIZE):
            hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    if on_ring(x, y) or in_triangle(x, y, head):
                        hits += 1
            alpha = round(255 * hits / SAMPLES ** 2)
            row += bytes((0, 0, 0, alpha))
        rows.append(bytes(row))
    return rows


def png(rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: reset_icon.py OUTPUT.png")
    with open(sys.argv[1], "wb") as out:
        out.write(png(pixels()))
