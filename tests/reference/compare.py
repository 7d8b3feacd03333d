#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares the core's catalogues with the independent reference writer: the
presets, the examples and a planet's variations on the presets, each of which
must also reach the branches of the draws it is there for.

usage: compare.py WRITEBELT REFERENCE_SCRIPT
"""
import json
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

# The examples, each under its own seed (the main belt at its own size, twenty
# thousand bodies drawn on two threads) and under a few more seeds at a
# smaller size.
EXAMPLES = {"main-belt": 1801, "jupiter-trojans": 1772, "hildas": 1904, "kuiper-belt": 1930}
OWN_SIZE = {"main-belt": None, "jupiter-trojans": 2000, "hildas": 2000, "kuiper-belt": 2000}
EXAMPLE_SEEDS = [5489, 0, 4294967295]
EXAMPLE_NUMBER = 400
# A planet on the presets, row by row: the branches of its draws each row
# must reach (counted by the reference), the settings after them.
JUPITER_GAPS = ["planet=true", "resonance-gaps=true"]
EVERYTHING = ["planet=true", "resonance-gaps=true", "cleared-orbit=true", "trojan-share=20",
              "family-share=15", 'family-resonance="3:2"', "planet-longitude=355"]
PLANET = [
    # Gaps in a bell's semi-major axes: whole polar-method draws again.
    ("toliman-a-comets", 5489, None, {"redraws"}, JUPITER_GAPS),
    # Gaps in a disc of surface density, a heavier planet's mass.
    ("vulcanoids", 20261207, None, {"redraws"},
     ["planet=true", "planet-semi-major-axis=0.33", "planet-mass=5", "resonance-gaps=true",
      'gap-resonances="3:1, 5:2 7:3"', "semi-major-axis-distribution=surface-density"]),
    # The chaotic zone alone, of a planet of one Earth mass.
    ("vulcanoids", 0, None, {"redraws"},
     ["planet=true", "planet-semi-major-axis=0.165", "planet-mass=1", "planet-mass-unit=earth",
      "cleared-orbit=true"]),
    # A planet whose parts are all set but which is off draws nothing of them.
    ("vulcanoids", 5489, None, set(),
     ["planet=false", "resonance-gaps=true", "cleared-orbit=true", "trojan-share=50",
      "family-share=20", "planet-semi-major-axis=0.165"]),
    # A planet on with none of its parts.
    ("vulcanoids", 255, None, set(), ["planet=true", "planet-semi-major-axis=0.165"]),
    # Trojans among belt bodies, mean anomaly zero for the rest; a longitude
    # near 360 takes turns off as well as adding them.
    ("toliman-a-comets", 255, 2000, {"L4", "L5", "disc redraws", "turns added 1", "turns taken"},
     ["planet=true", "planet-semi-major-axis=2", "planet-longitude=350", "trojan-share=40",
      "resonance-gaps=true", "cleared-orbit=true"]),
    # Only Trojans, with a uniform mean anomaly drawn and set aside; the
    # amplitude wide enough that the tadpole's edge bounds the spread.
    ("oort-cloud", 3141592653, None, {"L4", "L5", "turns added 2", "trojan edge"},
     ["planet=true", "planet-semi-major-axis=20000", "planet-mass=3", "trojan-share=100",
      "planet-longitude=0", "mean-anomaly-distribution=uniform", "libration-amplitude=89.5"]),
    # All Trojans at L5, past the cleared orbit that only belt bodies avoid.
    ("vulcanoids", 5489, None, {"L5", "redraws"},
     ["planet=true", "planet-semi-major-axis=0.16", "trojan-share=50", "trojan-l4-share=0",
      "cleared-orbit=true", "planet-mass-unit=earth", "planet-mass=3"]),
    # All at L4, round a barycenter.
    ("ebelt-em", 4294967295, None, {"L4"},
     ["planet=true", "planet-semi-major-axis=0.015", "planet-mass=0.01",
      "planet-mass-unit=earth", "trojan-share=100", "trojan-l4-share=100",
      "planet-longitude=359.9"]),
    # No libration: every Trojan at its point and the planet's distance.
    ("toliman-a-comets", 9, None, {"L4", "L5", "belt"},
     ["planet=true", "planet-semi-major-axis=1", "trojan-share=60", "libration-amplitude=0",
      "mean-anomaly-distribution=uniform"]),
    # A family inside the planet's orbit, among gaps.
    ("vulcanoids", 3141592653, None, {"family", "belt", "redraws"},
     ["planet=true", "planet-semi-major-axis=0.3", "planet-mass=8", "family-share=30",
      'family-resonance="2:1"', "resonance-gaps=true", 'gap-resonances="5:3 7:4 9:5"']),
    # A family outside it, of a third-order resonance.
    ("oort-cloud", 20261207, None, {"family", "belt", "family outside", "redraws"},
     ["planet=true", "planet-semi-major-axis=10000", "planet-mass=2", "family-share=50",
      'family-resonance="7:4"', "resonance-eccentricity=0.2", "cleared-orbit=true"]),
    # A family whose resonance reaches into the cleared orbit.
    ("oort-cloud", 5489, None, {"family", "family outside", "family redraws", "redraws"},
     ["planet=true", "planet-semi-major-axis=30000", "cleared-orbit=true", "family-share=40",
      'family-resonance="4:3"', "inner=5000", "outer=70000"]),
    # Round a barycenter of a total mass in Earth masses, a planet in Earth
    # masses, gaps outside its orbit, Trojans and a family.
    ("ebelt-em", 0, None, {"belt", "L4", "L5", "family", "family outside", "redraws"},
     ["mass-unit=earth", "total-mass=1.0123", "planet=true", "planet-semi-major-axis=0.007",
      "planet-mass=0.0123", "planet-mass-unit=earth", "resonance-gaps=true",
      "resonance-eccentricity=0.3", "trojan-share=10", "family-share=10",
      'family-resonance="3:1"']),
    # Populations of their own: two background populations of other radii and
    # laws, shares that round (a third each), one of them empty.
    ("vulcanoids", 5489, 1000, {"belt", "populations"},
     ["share=33.33", "population", "kind=background", "share=33.33", "inner=0.3", "outer=0.4",
      "min-radius=0.1", "max-radius=2", "min-eccentricity=0", "max-eccentricity=0.1",
      "max-inclination=20", "radius-distribution=power-law", "population", "share=0",
      "population", "share=33.34", "inner=1", "outer=2", "min-radius=1", "max-radius=1.5",
      "max-eccentricity=0.2", "semi-major-axis-distribution=surface-density",
      "eccentricity-distribution=rayleigh", "eccentricity-mode=0.05"]),
    # Trojans, a family and a background with their own distributions, the
    # background between gaps and the family out of the cleared orbit, on
    # two threads.
    ("toliman-a-comets", 20261207, 30000,
     {"belt", "L4", "L5", "family", "redraws", "populations", "turns taken"},
     ["planet=true", "planet-semi-major-axis=2", "planet-longitude=355", "resonance-gaps=true",
      "cleared-orbit=true", "share=50", "population", "kind=trojans", "share=20",
      "trojan-l4-share=70", "libration-amplitude=20", "min-radius=1", "max-radius=5",
      "max-eccentricity=0.1", "max-inclination=25", "inclination-distribution=rayleigh",
      "inclination-mode=8", "population", "kind=family", "share=30", 'family-resonance="3:2"',
      "inner=2.5", "outer=3", "min-radius=0.5", "max-radius=3", "max-eccentricity=0.3",
      "max-inclination=15", "mean-anomaly-distribution=uniform"]),
    # A resonant population inside the planet's orbit (the Hildas' 3:2),
    # even amplitudes, beside a background one.
    ("toliman-a-comets", 5489, 3000, {"belt", "resonant", "branch 1", "populations"},
     ["planet=true", "planet-semi-major-axis=2", "planet-longitude=355", "share=60",
      "population", "kind=resonant", "share=40", 'resonance="3:2"', "libration-amplitude=40",
      "min-radius=1", "max-radius=5", "min-eccentricity=0.05", "max-eccentricity=0.3",
      "max-inclination=20"]),
    # The outer 2:1's two islands, Rayleigh amplitudes and eccentricities, a
    # drawn mean anomaly set aside, round a barycenter.
    ("ebelt-em", 0, 4000, {"resonant", "island below", "island above", "rayleigh amplitudes",
                           "branch 1"},
     ["planet=true", "planet-semi-major-axis=0.005", "planet-mass=0.0123",
      "planet-mass-unit=earth", "share=0", "population", "kind=resonant", "share=100",
      'resonance="2:1"', "resonance-side=outside", "amplitude-distribution=rayleigh",
      "amplitude-mode=20", "libration-amplitude=70", "min-radius=0.1", "max-radius=1",
      "max-eccentricity=0.3", "eccentricity-distribution=rayleigh", "eccentricity-mode=0.1",
      "mean-anomaly-distribution=uniform"]),
    # An inner second-order and an outer third-order resonance, amplitudes
    # to 180, and Trojans of Rayleigh amplitudes, on two threads.
    ("oort-cloud", 20261207, 20000,
     {"belt", "resonant", "branch 1", "rayleigh amplitudes", "L4", "L5", "populations"},
     ["planet=true", "planet-semi-major-axis=20000", "planet-mass=3", "planet-longitude=120",
      "share=20", "population", "kind=resonant", "share=30", 'resonance="3:1"',
      "libration-amplitude=180", "min-radius=1", "max-radius=2", "max-eccentricity=0.5",
      "population", "kind=resonant", "share=30", 'resonance="7:4"', "resonance-side=outside",
      "libration-amplitude=100", "min-radius=1", "max-radius=2", "min-eccentricity=0.1",
      "max-eccentricity=0.4", "population", "kind=trojans", "share=20",
      "amplitude-distribution=rayleigh", "amplitude-mode=15", "libration-amplitude=40",
      "min-radius=1", "max-radius=3", "max-eccentricity=0.1", "max-inclination=30"]),
    # Trojans on the tadpole's curve, even amplitudes wide enough to meet the
    # separatrix, and Rayleigh ones round a barycenter.
    ("toliman-a-comets", 4294967295, 3000, {"L4", "L5", "tadpole", "turns taken"},
     ["planet=true", "planet-semi-major-axis=2", "planet-longitude=350", "share=50",
      "population", "kind=trojans", "share=50", "trojan-shape=tadpole",
      "libration-amplitude=50", "trojan-l4-share=60", "min-radius=1", "max-radius=3",
      "max-eccentricity=0.1", "max-inclination=30"]),
    ("ebelt-em", 5489, 2000, {"L4", "L5", "tadpole", "rayleigh amplitudes"},
     ["planet=true", "planet-semi-major-axis=0.006", "planet-mass=0.0123",
      "planet-mass-unit=earth", "trojan-share=100", "trojan-shape=tadpole",
      "amplitude-distribution=rayleigh", "amplitude-mode=12", "libration-amplitude=35"]),
    # Gaps at each body's own eccentricity (first-order ones with their
    # floor), gaps that keep a share, and both, Rayleigh eccentricities.
    ("toliman-a-comets", 5489, 3000, {"belt", "redraws"},
     ["planet=true", "planet-semi-major-axis=2", "resonance-gaps=true", "gap-width=own",
      'gap-resonances="3:1 5:2 7:3 2:1 3:2"', "cleared-orbit=true"]),
    ("vulcanoids", 255, 3000, {"belt", "redraws", "kept in a gap"},
     ["planet=true", "planet-semi-major-axis=0.33", "planet-mass=5", "resonance-gaps=true",
      'gap-resonances="3:1 5:2 7:3"', "gap-depth=25"]),
    ("toliman-a-comets", 20261207, 20000, {"belt", "redraws", "kept in a gap"},
     ["planet=true", "planet-semi-major-axis=2", "resonance-gaps=true", "gap-width=own",
      "gap-depth=10", "eccentricity-distribution=rayleigh", "eccentricity-mode=0.15",
      "inclination-distribution=rayleigh", "inclination-mode=10"]),
    # A collisional family near e = 0 and i = 0 (members turned back to
    # positive e and i) and a scattered disc beside a background, no planet.
    ("toliman-a-comets", 5489, 6000,
     {"belt", "collisional", "e turned", "i turned", "scattered", "populations"},
     ["share=40", "population", "kind=collisional-family", "share=30",
      "parent-semi-major-axis=2", "parent-eccentricity=0.002", "parent-inclination=0.05",
      "ejection-velocity=100", "breakup-anomaly=30", "breakup-latitude=120",
      "radius-distribution=power-law", "min-radius=0.5", "max-radius=20",
      "mean-anomaly-distribution=uniform", "population", "kind=scattered-disc", "share=30",
      "inner=40", "outer=300", "surface-density-slope=2.5", "min-perihelion=30",
      "max-perihelion=38", "inclination-distribution=rayleigh", "inclination-mode=15",
      "max-inclination=60", "min-radius=1", "max-radius=5"]),
    # Everything at once, with every other distribution, on two threads.
    ("toliman-a-comets", 123456789, 20000,
     {"belt", "L4", "L5", "family", "redraws", "disc redraws", "turns taken"},
     EVERYTHING + ALL_SHAPED),
]

# Looks: each draw, on one thread and on two, single and binary bodies, radii
# on every side of the spin's size limits, meshes and textures together, and a
# population with looks after one without.
EVERY_LOOK = ["composition=main-belt", "shapes=ellipsoids", "spins=by-size", "spin-axes=yorp",
              'textures="grey.png*3; dark.png"']
LOOKS = [
    ("main-belt", 1801, None, set(), EVERY_LOOK),
    ("main-belt", 5489, 2000, set(),
     ["composition=main-belt", "shapes=meshes", 'meshes="a.mesh*0.25; b.mesh; c.mesh*2"',
      "spin-axes=isotropic"]),
    ("vulcanoids", 0, None, set(),
     ["composition=comets", "shapes=ellipsoids", "spins=by-size", "spin-axes=yorp",
      "min-radius=0.01", "max-radius=300", "radius-distribution=power-law"]),
    ("kuiper-belt", 1930, 2000, set(), ["composition=kuiper-cold", "spin-axes=isotropic",
                                        "shapes=meshes", 'meshes="rock.mesh"',
                                        'textures="grey.png*2; dark.png"']),
    ("jupiter-trojans", 1772, 2000, set(), ["composition=trojans-hildas", "spins=by-size"]),
    ("toliman-a-comets", 255, 3000, {"populations"},
     ["share=40", "population", "kind=background", "share=60", "inner=1", "outer=2",
      "min-radius=0.1", "max-radius=40", "composition=kuiper-hot", "shapes=ellipsoids",
      "spins=by-size", "spin-axes=isotropic"]),
]


def reference_command(reference, source, seed, number, settings, output, reached):
    command = [sys.executable, reference, "--seed", str(seed), "--output", output,
               "--reached", reached]
    command += ["--example", source] if source in EXAMPLES else ["--preset", source]
    command += [] if number is None else ["--number", str(number)]
    return command + [arg for setting in settings for arg in ("--set", setting)]


def main():
    writebelt, reference = sys.argv[1], sys.argv[2]
    failures = 0
    checks = 0
    with tempfile.TemporaryDirectory() as tmp:
        cases = [(p, s, None, set(), []) for p in PRESETS for s in SEEDS]
        cases += [(p, s, n, set(), []) for p, s, n in LARGE]
        cases += [(p, s, n, set(), shaped) for p, s, n, shaped in SHAPED]
        cases += [(e, seed, OWN_SIZE[e], set(), []) for e, seed in EXAMPLES.items()]
        cases += [(e, s, EXAMPLE_NUMBER, set(), []) for e in EXAMPLES for s in EXAMPLE_SEEDS]
        cases += PLANET
        cases += LOOKS
        for index, (source, seed, number, expected, settings) in enumerate(cases):
            name = f"{source} seed {seed}" + (f" ({number} bodies)" if number else "") + \
                "".join(" " + setting for setting in settings)
            mine = os.path.join(tmp, f"{index}.sc")
            theirs = os.path.join(tmp, f"{index}.ref.sc")
            reached_file = os.path.join(tmp, f"{index}.json")
            subprocess.run([writebelt, source, str(seed), mine,
                            "-" if number is None else str(number)] + settings, check=True)
            subprocess.run(reference_command(reference, source, seed, number, settings, theirs,
                                             reached_file), check=True)
            with open(mine, "rb") as a, open(theirs, "rb") as b:
                left, right = a.read(), b.read()
            with open(reached_file, encoding="ascii") as f:
                reached = json.load(f)
            checks += 1
            missed = sorted(branch for branch in expected if not reached.get(branch))
            if left != right:
                failures += 1
                at = next((i for i, (x, y) in enumerate(zip(left, right)) if x != y),
                          min(len(left), len(right)))
                print(f"FAIL {name}: first difference at byte {at}: "
                      f"{left[at:at + 60]!r} vs {right[at:at + 60]!r}")
            elif not left:
                failures += 1
                print(f"FAIL {name}: empty catalogue")
            elif missed:
                failures += 1
                print(f"FAIL {name}: never reached {', '.join(missed)} ({reached})")
    print(f"{checks - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
