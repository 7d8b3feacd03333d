#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares the core's catalogues with the independent reference writer.

usage: compare.py WRITEBELT REFERENCE_SCRIPT
"""
import os
import subprocess
import sys
import tempfile

PRESETS = ["vulcanoids", "oort-cloud", "toliman-a-comets", "ebelt-em"]
# The worked-example seed, the extremes, and a few ordinary 32-bit ones.
SEEDS = [5489, 0, 255, 4294967295, 20261207, 3141592653]
# Belts large enough to be generated and written on several threads.
LARGE = [("toliman-a-comets", 9, 40000), ("ebelt-em", 123456789, 20000)]


def main():
    writebelt, reference = sys.argv[1], sys.argv[2]
    failures = 0
    checks = 0
    with tempfile.TemporaryDirectory() as tmp:
        cases = [(p, s, None) for p in PRESETS for s in SEEDS] + LARGE
        for preset, seed, number in cases:
            count = [] if number is None else [str(number)]
            mine = os.path.join(tmp, f"{preset}-{seed}.sc")
            theirs = os.path.join(tmp, f"{preset}-{seed}.ref.sc")
            subprocess.run([writebelt, preset, str(seed), mine] + count, check=True)
            subprocess.run([sys.executable, reference, "--preset", preset, "--seed", str(seed),
                            "--output", theirs] + (["--number"] + count if count else []),
                           check=True)
            with open(mine, "rb") as a, open(theirs, "rb") as b:
                left, right = a.read(), b.read()
            checks += 1
            if left != right:
                failures += 1
                at = next((i for i, (x, y) in enumerate(zip(left, right)) if x != y),
                          min(len(left), len(right)))
                print(f"FAIL {preset} seed {seed}: first difference at byte {at}: "
                      f"{left[at:at + 60]!r} vs {right[at:at + 60]!r}")
            elif not left:
                failures += 1
                print(f"FAIL {preset} seed {seed}: empty catalogue")
    print(f"{checks - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
