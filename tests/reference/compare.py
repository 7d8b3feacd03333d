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
# The distributions other than the bell, each branch of each inversion: a
# falling and a rising power law, the logarithmic disc (slope 2), the even
# one, Rayleigh tails cut by the bounds, and every one at once on two threads.
ALL_SHAPED = ["radius-distribution=power-law", "radius-slope=2.5",
              "eccentricity-distribution=rayleigh", "eccentricity-mode=0.0003",
              "inclination-distribution=rayleigh", "inclination-mode=2",
              "semi-major-axis-distribution=surface-density", "surface-density-slope=1.5",
              "mean-anomaly-distribution=uniform"]
SHAPED = [
    ("vulcanoids", 5489, None, ["radius-distribution=power-law"]),
    ("oort-cloud", 20261207, None, ["radius-distribution=power-law", "radius-slope=1.5",
                                    "eccentricity-distribution=rayleigh"]),
    ("toliman-a-comets", 0, None, ["inclination-distribution=rayleigh", "inclination-mode=20",
                                   "eccentricity-distribution=rayleigh",
                                   "eccentricity-mode=0.2"]),
    ("ebelt-em", 255, None, ["semi-major-axis-distribution=surface-density",
                             "surface-density-slope=0"]),
    ("vulcanoids", 3141592653, None, ["semi-major-axis-distribution=surface-density",
                                      "surface-density-slope=2"]),
    ("oort-cloud", 4294967295, None, ["semi-major-axis-distribution=surface-density",
                                      "surface-density-slope=3.5",
                                      "mean-anomaly-distribution=uniform"]),
    ("vulcanoids", 0, None, ALL_SHAPED),
    ("ebelt-em", 123456789, 20000, ALL_SHAPED),
]


def main():
    writebelt, reference = sys.argv[1], sys.argv[2]
    failures = 0
    checks = 0
    with tempfile.TemporaryDirectory() as tmp:
        cases = [(p, s, None, []) for p in PRESETS for s in SEEDS]
        cases += [case + ([],) for case in LARGE] + SHAPED
        for index, (preset, seed, number, settings) in enumerate(cases):
            count = [] if number is None else [str(number)]
            mine = os.path.join(tmp, f"{index}.sc")
            theirs = os.path.join(tmp, f"{index}.ref.sc")
            subprocess.run([writebelt, preset, str(seed), mine, count[0] if count else "-"]
                           + settings, check=True)
            subprocess.run([sys.executable, reference, "--preset", preset, "--seed", str(seed),
                            "--output", theirs] + (["--number"] + count if count else [])
                           + [arg for setting in settings for arg in ("--set", setting)],
                           check=True)
            with open(mine, "rb") as a, open(theirs, "rb") as b:
                left, right = a.read(), b.read()
            checks += 1
            if left != right:
                failures += 1
                at = next((i for i, (x, y) in enumerate(zip(left, right)) if x != y),
                          min(len(left), len(right)))
                print(f"FAIL {preset} seed {seed} {' '.join(settings)}: first difference at byte {at}: "
                      f"{left[at:at + 60]!r} vs {right[at:at + 60]!r}")
            elif not left:
                failures += 1
                print(f"FAIL {preset} seed {seed}: empty catalogue")
    print(f"{checks - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
