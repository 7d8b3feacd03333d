#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two belt-preview pictures show the same: the same panel frames, as much text
outside them, and few pixels that differ much.

Usage: samepicture.py EXPECTED.png ACTUAL.png [--most-differing PERCENT]

The frames are the long runs of the frame's grey; text is the dark grey ink
outside them. A pixel differs when a channel differs by more than 64 of 255.
Prints the measurements; exits 1 when a frame moved by more than a pixel, the
ink differs by more than a tenth, or more than PERCENT (default 1.5) of the
pixels differ.
"""
import argparse
import sys

from PIL import Image, ImageChops

FEWEST_FRAMES = 4

FRAME = (70, 70, 70)
SHORTEST_SIDE = 60


def is_frame(pixel):
    return all(abs(c - f) <= 12 for c, f in zip(pixel, FRAME))


def frames(image):
    """The panel frames as (left, top, right, bottom), from their horizontal sides."""
    width, height = image.size
    pixels = image.load()
    sides = []
    for y in range(height):
        x = 0
        while x < width:
            if not is_frame(pixels[x, y]):
                x += 1
                continue
            # Density cells drawn over a side may break it for a pixel or two.
            start = end = x
            while x < width and x - end <= 4:
                if is_frame(pixels[x, y]):
                    end = x
                x += 1
            if end - start >= SHORTEST_SIDE:
                sides.append((start, y, end))
    # A frame is two sides that end at the same right edge, the top one first;
    # a tick at either end of the left axis lengthens a side to the left, so
    # the left edge is the column that runs from side to side.
    found, used = [], set()
    for i, (left, top, right) in enumerate(sides):
        if i in used:
            continue
        for j in range(i + 1, len(sides)):
            other_left, bottom, other_right = sides[j]
            if j in used or other_right != right or abs(other_left - left) > 16 or bottom <= top + 1:
                continue
            used.update((i, j))
            edge = max(range(min(left, other_left), max(left, other_left) + 17),
                       key=lambda x: sum(is_frame(pixels[x, y]) for y in range(top, bottom + 1)))
            found.append((edge, top, right, bottom))
            break
    return sorted(found, key=lambda f: (f[1], f[0]))


def ink(image, boxes):
    """Dark grey pixels (text, ticks) outside the frames."""
    width, height = image.size
    pixels = image.load()
    count = 0
    for y in range(height):
        for x in range(width):
            r, g, b = pixels[x, y]
            if max(r, g, b) < 120 and max(r, g, b) - min(r, g, b) < 24 and not any(
                    left <= x <= right and top <= y <= bottom
                    for left, top, right, bottom in boxes):
                count += 1
    return count


def differing(first, second):
    channels = ImageChops.difference(first, second).point(lambda v: 255 if v > 64 else 0).split()
    either = channels[0]
    for channel in channels[1:]:
        either = ImageChops.lighter(either, channel)
    return either.histogram()[255]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("expected")
    parser.add_argument("actual")
    parser.add_argument("--most-differing", type=float, default=1.5, metavar="PERCENT")
    options = parser.parse_args()
    expected = Image.open(options.expected).convert("RGB")
    actual = Image.open(options.actual).convert("RGB")
    if expected.size != actual.size:
        print(f"sizes differ: {expected.size} and {actual.size}")
        return 1
    problems = []
    expected_frames, actual_frames = frames(expected), frames(actual)
    print(f"frames: {expected_frames}\n    and {actual_frames}")
    # Dense belts can hide a frame's edge, but fewer than this means the
    # frames were missed altogether.
    if len(expected_frames) < FEWEST_FRAMES:
        problems.append(f"{len(expected_frames)} frames in {options.expected}, "
                        f"fewer than {FEWEST_FRAMES}")
    elif len(actual_frames) != len(expected_frames) or any(
            max(abs(p - q) for p, q in zip(e, a)) > 1
            for e, a in zip(expected_frames, actual_frames)):
        problems.append("the panel frames differ")
    expected_ink, actual_ink = ink(expected, expected_frames), ink(actual, expected_frames)
    print(f"ink outside the frames: {expected_ink} and {actual_ink} pixels")
    if abs(actual_ink - expected_ink) > expected_ink / 10:
        problems.append("the texts differ")
    share = 100 * differing(expected, actual) / (expected.size[0] * expected.size[1])
    print(f"pixels differing by more than 64/255: {share:.2f} %")
    if share >= options.most_differing:
        problems.append(f"{share:.2f} % of the pixels differ, {options.most_differing} % allowed")
    for problem in problems:
        print(f"samepicture: {problem}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
