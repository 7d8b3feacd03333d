#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the same belts with two writebelt programs and checks that the
catalogues agree byte for byte.

usage: samebytes.py [--needs-fma] [--right-env NAME=VALUE]... [--right-emulator PROGRAM]
                    [--more-seeds] LEFT RIGHT

LEFT and RIGHT are writebelt executables. --right-env sets a variable for the
right-hand runs only, --right-emulator runs RIGHT under an emulator (for a
build for another processor or system). --more-seeds adds the seeds at the
ends of the range and the engine's default to every preset. With --needs-fma the check is skipped (exit 77)
on a processor without fused multiply-add, where both sides would take the
same code path in the C library.
"""
import argparse
import os
import subprocess
import sys
import tempfile

PRESETS = ["vulcanoids", "oort-cloud", "toliman-a-comets", "ebelt-em"]
# With the C library's log and pow, the catalogue of every preset under these
# seeds differs between code paths: 45 through the cube (Mass, Period), 69
# through the logarithm of the normal draw (Inclination).
SEEDS = [45, 69]
MORE_SEEDS = [0, 5489, 4294967295]
# Large enough to be generated on two threads and written block by block on
# every core; this preset has every field, the period included.
LARGE = [("ebelt-em", 5489, 100000)]
# Every distribution other than the bell, each on its own and all at once;
# they take the exponential and the power as well as the logarithm.
ALL_SHAPED = ["radius-distribution=power-law", "eccentricity-distribution=rayleigh",
              "eccentricity-mode=0.0004", "inclination-distribution=rayleigh",
              "inclination-mode=3", "semi-major-axis-distribution=surface-density",
              "mean-anomaly-distribution=uniform"]
SHAPED = [
    ("oort-cloud", ["radius-distribution=power-law", "radius-slope=1.7"]),
    ("toliman-a-comets", ["eccentricity-distribution=rayleigh", "eccentricity-mode=0.15",
                          "inclination-distribution=rayleigh", "inclination-mode=30"]),
    ("ebelt-em", ["semi-major-axis-distribution=surface-density", "surface-density-slope=0"]),
    ("oort-cloud", ["semi-major-axis-distribution=surface-density", "surface-density-slope=2"]),
    ("toliman-a-comets", ["semi-major-axis-distribution=surface-density",
                          "surface-density-slope=3", "mean-anomaly-distribution=uniform"]),
] + [(preset, ALL_SHAPED) for preset in PRESETS]
LARGE_SHAPED = [("vulcanoids", 5489, 100000, ALL_SHAPED)]
# The examples at their own sizes, their planets and all, and a planet with
# gaps, Trojans and a family (in its 3:2 resonance) at once on two threads; they
# take the power too. The examples carry the looks.
EXAMPLES = ["main-belt", "jupiter-trojans", "hildas", "kuiper-belt"]
PLANET = [("toliman-a-comets", 5489, 30000,
           ["planet=true", "resonance-gaps=true", "cleared-orbit=true", "trojan-share=20",
            "family-share=15", "planet-longitude=355",
            "mean-anomaly-distribution=uniform"]),
          # Gaps at each body's own eccentricity that keep some bodies, a
          # resonant population with Rayleigh amplitudes, Trojans on the
          # tadpole's curve: the degree cosine and the tadpole's search.
          ("toliman-a-comets", 5489, 30000,
           ["planet=true", "resonance-gaps=true", "gap-width=own", "gap-depth=10", "share=70",
            "population", "kind=resonant", "share=20", "resonance=3:2",
            "amplitude-distribution=rayleigh", "population", "kind=trojans", "share=10",
            "trojan-shape=tadpole"]),
          # A collisional family round a barycenter and a scattered disc
          # beside Neptune: Gauss's equations and e = 1 - q / a.
          ("toliman-a-comets", 5489, 30000,
           ["planet=true", "planet-semi-major-axis=30", "planet-mass=17",
            "planet-mass-unit=earth", "barycenter=true", "total-mass=1.1", "share=50",
            "population", "kind=collisional-family", "share=25", "parent-semi-major-axis=3",
            "parent-eccentricity=0.15", "parent-inclination=9", "ejection-velocity=80",
            "breakup-anomaly=120", "breakup-latitude=50", "population", "kind=scattered-disc",
            "share=25", "inner=45", "outer=500", "min-perihelion=31", "max-perihelion=39",
            "inclination-distribution=rayleigh", "inclination-mode=12", "max-inclination=70"])]
SKIP = 77


def has_fma():
    try:
        with open("/proc/cpuinfo", encoding="ascii", errors="replace") as info:
            for line in info:
                if line.startswith("flags"):
                    return "fma" in line.split(":", 1)[1].split()
    except OSError:
        pass
    return False


def first_difference(left, right):
    """The number of differing lines and the first pair of them."""
    a, b = left.splitlines(), right.splitlines()
    pairs = [(i, x, y) for i, (x, y) in enumerate(zip(a, b)) if x != y]
    count = len(pairs) + abs(len(a) - len(b))
    if pairs:
        i, x, y = pairs[0]
        return count, len(a), f"line {i + 1}: {x.decode(errors='replace')!r} vs " \
                              f"{y.decode(errors='replace')!r}"
    return count, len(a), f"line {min(len(a), len(b)) + 1}: one catalogue ends early"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("left")
    parser.add_argument("right")
    parser.add_argument("--right-env", action="append", default=[], metavar="NAME=VALUE")
    parser.add_argument("--right-emulator", metavar="PROGRAM")
    parser.add_argument("--needs-fma", action="store_true")
    parser.add_argument("--more-seeds", action="store_true")
    args = parser.parse_args()

    if args.needs_fma and not has_fma():
        print("SKIP: this processor has no FMA, so both runs would take the same path")
        return SKIP

    right_env = dict(os.environ)
    for assignment in args.right_env:
        name, _, value = assignment.partition("=")
        right_env[name] = value
    right = ([args.right_emulator] if args.right_emulator else []) + [args.right]

    failures = 0
    seeds = SEEDS + (MORE_SEEDS if args.more_seeds else [])
    cases = [(p, s, None, []) for s in seeds for p in PRESETS]
    cases += [case + ([],) for case in LARGE]
    cases += [(p, s, None, shaped) for s in seeds for p, shaped in SHAPED] + LARGE_SHAPED
    cases += [(e, s, None, []) for s in seeds[:1] for e in EXAMPLES] + PLANET
    with tempfile.TemporaryDirectory() as tmp:
        for preset, seed, number, settings in cases:
            count = ["-" if number is None else str(number)] + settings
            name = f"{preset} seed {seed}" + (f" ({number} bodies)" if number else "") + \
                "".join(" " + setting for setting in settings)
            left_file = os.path.join(tmp, "left.sc")
            right_file = os.path.join(tmp, "right.sc")
            subprocess.run([args.left, preset, str(seed), left_file] + count, check=True)
            subprocess.run(right + [preset, str(seed), right_file] + count, check=True,
                           env=right_env)
            with open(left_file, "rb") as a, open(right_file, "rb") as b:
                left, right_bytes = a.read(), b.read()
            if not left:
                failures += 1
                print(f"FAIL {name}: empty catalogue")
            elif left != right_bytes:
                failures += 1
                differ, lines, where = first_difference(left, right_bytes)
                print(f"FAIL {name}: {differ} of {lines} lines differ; first at {where}")
            else:
                print(f"ok   {name}: {len(left)} bytes")
    print(f"{len(cases) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
