#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Packs square 32-bit PNG images into one Windows icon file.

usage: make-ico.py OUTPUT.ico IMAGE.png...

Each image is stored as PNG inside the icon, which Windows reads for every size.
"""
import struct
import sys


def png_size(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit(f"make-ico: {name} is not a PNG image")
    width, height, depth, colour = struct.unpack(">IIBB", data[16:26])
    if width != height or not 1 <= width <= 256:
        raise SystemExit(f"make-ico: {name} is {width}x{height}, not square up to 256")
    if (depth, colour) != (8, 6):
        raise SystemExit(f"make-ico: {name} is not 8-bit RGBA")
    return width


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__.split("\n\n")[1])
    images = []
    for name in sys.argv[2:]:
        with open(name, "rb") as f:
            data = f.read()
        images.append((png_size(data, name), data))
    images.sort(key=lambda image: image[0])
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b"", b""
    for size, data in images:
        # 256 is written as 0 in the one-byte fields.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        blobs += data
        offset += len(data)
    with open(sys.argv[1], "wb") as f:
        f.write(header + entries + blobs)


if __name__ == "__main__":
    main()
