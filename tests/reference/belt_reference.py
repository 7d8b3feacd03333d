#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Independent reference generator for Beltwright catalogues.

Builds the belt of a built-in preset or of an example recipe (planet and all)
from an explicit 32-bit seed and writes the catalogue script text, so that the
C++ generator's output can be compared with it byte for byte.  Standard library and gmpy2 (Debian python3-gmpy2),
which gives the logarithm and the cube correctly rounded.

    python3 belt_reference.py --preset vulcanoids --seed 5489 [--number N] [--output FILE]
                              [--set KEY=VALUE]...
    python3 belt_reference.py --example main-belt [--seed 1801] [--number N] ...
    python3 belt_reference.py --self-test
"""

import argparse
import json
import math
import os
import sys
from copy import deepcopy
from dataclasses import dataclass, field, replace
from decimal import ROUND_HALF_UP, Decimal

import gmpy2

NAN = float("nan")
INF = float("inf")
TWO_POW_32 = 4294967296.0
TWO_POW_M32 = 2.0 ** -32
TWO_POW_M64 = 2.0 ** -64
SPHERE_FACTOR = 4.1887902047863905  # 4/3 * pi, as a fixed double
AU_KM = 149597870.691
DAYS_PER_YEAR = 365.24218985
DEFAULT_EPOCH = 2457395.5
SOL_MASS_OF_EARTH = 3.003167261575587e-06
MAX_NUMBER = 0x3FFFFFFF  # generator caps the body count here

# Enumeration values as stored in the model.
ASTEROID, COMET = 0, 1
ECLIPTIC, EQUATOR, EXTRASOLAR = 0, 1, 2
# Units of a mass: a total mass is given in solar or Earth masses, a planet's
# in Jupiter or Earth masses.
SOLAR_MASSES = JUPITER_MASSES = 0
EARTH_MASSES = 1
OBJECT_TYPE_WORDS = {ASTEROID: "Asteroid", COMET: "Comet"}
REF_PLANE_WORDS = {ECLIPTIC: '"Ecliptic"', EQUATOR: '"Equator"', EXTRASOLAR: '"Extrasolar"'}


# --------------------------------------------------------------------------
# IEEE-style arithmetic: Python raises where C quietly yields inf or NaN.

def ieee_div(a, b):
    if b != 0.0 or math.isnan(b):
        return a / b
    if a == 0.0 or math.isnan(a):
        return NAN
    negative = (math.copysign(1.0, a) < 0) != (math.copysign(1.0, b) < 0)
    return -INF if negative else INF


# Binary64 itself: 53 bits, its exponent range with subnormals, rounding to
# nearest. One operation in it is the correctly rounded exact result.
DOUBLE = gmpy2.ieee(64)


def ieee_pow3(x):
    with gmpy2.local_context(DOUBLE):
        return float(gmpy2.mpfr(x) ** 3)


def ieee_log(x):
    with gmpy2.local_context(DOUBLE):
        return float(gmpy2.log(gmpy2.mpfr(x)))


def ieee_exp(x):
    with gmpy2.local_context(DOUBLE):
        return float(gmpy2.exp(gmpy2.mpfr(x)))


def ieee_power(x, y):
    """x^y as the product of y and the logarithm, then the exponential."""
    return ieee_exp(y * ieee_log(x))


def clamp(lo, hi, v):
    return max(lo, min(hi, v))


def ieee_sqrt(x):
    if x < 0.0:
        return -NAN
    return math.sqrt(x)


PI_PARTS = (3.141592653589793, 1.2246467991473532e-16, -2.9947698097183397e-33)
WIDE = gmpy2.context(precision=128)


def _trigonometric(u, sine):
    """cos (or sin) of u degrees at 128 bits, pi as three doubles' sum, then
    rounded to the nearest double."""
    with gmpy2.local_context(WIDE):
        pi = (gmpy2.mpfr(PI_PARTS[0]) + PI_PARTS[1]) + PI_PARTS[2]
        x = (gmpy2.mpfr(u) * pi) / 180
        value = gmpy2.sin(x) if sine else gmpy2.cos(x)
    with gmpy2.local_context(DOUBLE):
        return float(+value)


def degree_cosine(degrees):
    """cos of an angle in degrees, correctly rounded: an exact remainder and
    reflections to [0, 45], then the cosine or the sine there."""
    r = math.fmod(abs(degrees), 360.0)
    if r > 180.0:
        r = 360.0 - r
    sign = 1.0
    if r > 90.0:
        r = 180.0 - r
        sign = -1.0
    value = _trigonometric(90.0 - r, True) if r > 45.0 else _trigonometric(r, False)
    return sign * value


# --------------------------------------------------------------------------
# MT19937, 32-bit words.

class MT19937:
    N, M = 624, 397
    MATRIX_A = 0x9908B0DF
    UPPER, LOWER = 0x80000000, 0x7FFFFFFF

    def __init__(self, seed=5489):
        self.seed(seed)

    def seed(self, seed):
        mt = [0] * self.N
        mt[0] = seed & 0xFFFFFFFF
        for i in range(1, self.N):
            prev = mt[i - 1]
            mt[i] = (1812433253 * (prev ^ (prev >> 30)) + i) & 0xFFFFFFFF
        self.mt = mt
        self.index = self.N

    def _twist(self):
        mt, n, m = self.mt, self.N, self.M
        for i in range(n):
            y = (mt[i] & self.UPPER) | (mt[(i + 1) % n] & self.LOWER)
            v = mt[(i + m) % n] ^ (y >> 1)
            if y & 1:
                v ^= self.MATRIX_A
            mt[i] = v
        self.index = 0

    def next_u32(self):
        if self.index >= self.N:
            self._twist()
        y = self.mt[self.index]
        self.index += 1
        y ^= y >> 11
        y ^= (y << 7) & 0x9D2C5680
        y ^= (y << 15) & 0xEFC60000
        y ^= y >> 18
        return y & 0xFFFFFFFF


class RandomSource:
    """The three ways engine outputs become numbers."""

    def __init__(self, seed):
        self.engine = MT19937(seed)

    def canonical(self):
        # First output is the low half, second the high half.
        a = self.engine.next_u32()
        b = self.engine.next_u32()
        return (a + b * TWO_POW_32) * TWO_POW_M64

    def unit_output(self):
        return self.engine.next_u32()

    def gaussian(self, lo, hi):
        while True:
            x = 2.0 * self.canonical() - 1.0
            y = 2.0 * self.canonical() - 1.0
            r2 = x * x + y * y
            if r2 > 1.0 or r2 == 0.0:
                continue
            m = math.sqrt(-2.0 * ieee_log(r2) / r2)
            z = y * m
            sigma = (hi - lo) / 6.0
            mu = (lo + hi) * 0.5
            v = z * sigma + mu
            # Upper bound first, then lower: with lo > hi the result is lo.
            # Built-in min/max keep the first argument on ties and NaN.
            return max(lo, min(hi, v))


# --------------------------------------------------------------------------
# Distributions by inversion of their distribution function, from one
# canonical fraction u.

def power_law(lo, hi, g):
    """Density ~ x^(g-1) on [lo, hi]: the count above x falls as x^g."""
    if not lo < hi:
        return lambda u: lo
    if g == 0.0:
        c = ieee_log(hi / lo)
        return lambda u: clamp(lo, hi, lo * ieee_exp(u * c))
    if g > 0.0:
        c = ieee_power(lo / hi, g)
        return lambda u: clamp(lo, hi, hi * ieee_exp(ieee_log(c + u * (1.0 - c)) / g))
    c = ieee_power(hi / lo, g)
    return lambda u: clamp(lo, hi, lo * ieee_exp(ieee_log(1.0 + u * (c - 1.0)) / g))


def rayleigh(lo, hi, sigma):
    """Density ~ x exp(-x^2 / 2 sigma^2) on [lo, hi]."""
    if not lo < hi:
        return lambda u: lo
    s = 2.0 * sigma * sigma
    c = ieee_exp(-((hi * hi - lo * lo) / s)) - 1.0
    return lambda u: clamp(lo, hi, ieee_sqrt(lo * lo - s * ieee_log(1.0 + u * c)))


# --------------------------------------------------------------------------
# The planet: where it lets belt bodies be, its Trojans and its family.

# IAU 2015 Resolution B3: the nominal GM of Jupiter over the Sun's.
SOL_MASS_OF_JUPITER = 1.2668653e17 / 1.3271244e20
DEGREE = math.pi / 180.0  # radians

# Resonance strengths S as data, (p, q): (inside the orbit, outside it).
STRENGTHS = {
    (2, 1): (0.749964, 0.428386), (3, 1): (0.287852, 0.363374), (3, 2): (1.545525, 2.483970),
    (4, 1): (0.096999, 0.371980), (4, 3): (2.344659, 3.283089), (5, 1): (0.029034, 0.413390),
    (5, 2): (0.615029, 5.179886), (5, 3): (2.328909, 5.687229), (5, 4): (3.144877, 4.083148),
    (6, 5): (3.945319, 4.883220), (7, 3): (1.275768, 14.768334), (7, 4): (4.181737, 15.298456),
    (7, 5): (6.288905, 11.316845), (7, 6): (4.745383, 5.682579), (8, 5): (7.860534, 23.348192),
    (8, 7): (5.544388, 6.480352), (9, 5): (8.152799, 44.406099), (9, 7): (12.166469, 18.865287),
    (9, 8): (6.341382, 7.275291), (10, 7): (20.583795, 46.999723), (10, 9): (7.134948, 8.065512),
    (11, 7): (28.532338, 104.929808), (11, 8): (30.257976, 63.230482),
    (11, 9): (19.960195, 28.328946), (11, 10): (7.922901, 8.848067),
    (12, 11): (8.701786, 9.618181),
}

BELT, L4, L5, FAMILY, RESONANT_BODY = "belt", "L4", "L5", "family", "resonant"
# A collisional family's member or a scattered disc's body: its elements all
# drawn by its kind.
SCATTERED_BODY = "own elements"
# The branches a belt's draws may take (Generator.reached counts them): the
# populations, belt bodies drawn again for a zone, Trojans' points drawn again
# outside the disc, their mean anomalies brought into range by adding 360
# none, once or twice and more, or by taking it, the family outside the
# planet's orbit, the tadpole's edge bounding the Trojans' spread, and family
# bodies drawn again out of the cleared orbit; and whether more than one
# population holds bodies.
REACHED = (BELT, L4, L5, FAMILY, "redraws", "disc redraws", "turns added 0",
           "turns added 1", "turns added 2", "turns taken", "family outside",
           "trojan edge", "family redraws", "populations", RESONANT_BODY, "island below",
           "island above", "rayleigh amplitudes", "branch 1", "at 360", "tadpole", "kept in a gap",
           "collisional", "kicks redrawn", "e turned", "i turned", "scattered")


def resonance_of(word):
    """(p, q) of a word "p:q" the table holds, else None."""
    p, colon, q = word.partition(":")
    if not colon or not p.isdigit() or not q.isdigit():
        return None
    key = (int(p), int(q))
    return key if key in STRENGTHS else None


def resonances_of(text):
    words = text.replace(",", " ").split()
    found = [resonance_of(word) for word in words]
    return found if found and None not in found else None


def planet_mass_in_suns(s):
    unit = SOL_MASS_OF_EARTH if s.planetMassUnit == EARTH_MASSES else SOL_MASS_OF_JUPITER
    return s.planetMass * unit


def tadpole_energy(theta):
    """g(theta) = cos theta - 1 / (2 sin(theta / 2)) on the tadpole's curves."""
    c = degree_cosine(theta)
    return c - ieee_div(1.0, 2.0 * ieee_sqrt((1.0 - c) * 0.5))


def tadpole_crossing(level, start, end):
    """Where g crosses level between start and end, by 60 halvings."""
    rising_below = tadpole_energy(start) < level
    for _ in range(60):
        middle = (start + end) * 0.5
        if (tadpole_energy(middle) < level) == rising_below:
            start = middle
        else:
            end = middle
    return start


class Zone:
    """An open interval of semi-major axes around a center."""

    def __init__(self, center, half_width):
        self.center, self.half_width = center, half_width

    def holds(self, a):
        return self.center - self.half_width < a < self.center + self.half_width


class Planet:
    def __init__(self, s):
        central = s.total_mass_for_run() if s.barycenter else s.centralMass
        self.mu = planet_mass_in_suns(s) / central
        self.axis = s.planetSemiMajorAxis
        self.longitude = s.planetLongitude
        self.eccentricity = s.resonanceEccentricity
        self.zones = []
        self.own_width = s.resonanceGaps and s.gapWidth == 1
        self.kept = s.gapDepth / 100.0 if s.resonanceGaps else 0.0
        self.by_body = self.own_width or self.kept > 0.0
        self.gaps = []
        if s.resonanceGaps:
            for resonance in resonances_of(s.gapResonances) or []:
                self.gaps += [self.resonance_zone(resonance, False),
                              self.resonance_zone(resonance, True)]
            if not self.by_body:
                self.zones += self.gaps
        self.cleared = None
        if s.clearedOrbit:
            reach = 1.3 * ieee_power(self.mu, 2.0 / 7.0) * self.axis
            self.cleared = Zone(self.axis, reach)
            self.zones.append(self.cleared)
        self.separatrix = tadpole_crossing(tadpole_energy(180.0), 1.0, 60.0)

    def resonance_zone(self, resonance, outside):
        p, q = resonance
        ratio = p / q if outside else q / p
        center = self.axis * ieee_power(ratio, 2.0 / 3.0)
        e_to_order = self.eccentricity
        for _ in range(p - q - 1):
            e_to_order = e_to_order * self.eccentricity
        strength = STRENGTHS[resonance][1 if outside else 0]
        zone = Zone(center, center * ieee_sqrt(16.0 / 3.0 * self.mu * strength * e_to_order))
        zone.order = p - q
        zone.width_scale = 16.0 / 3.0 * self.mu * strength
        # A first-order gap's eccentricity floor, (mu S)^(1/3).
        zone.lowest_e = ieee_power(self.mu * strength, 1.0 / 3.0) if p - q == 1 else 0.0
        return zone

    @staticmethod
    def gap_half_width(zone, e):
        e = max(e, zone.lowest_e)
        power = e
        for _ in range(zone.order - 1):
            power = power * e
        return zone.center * ieee_sqrt(zone.width_scale * power)

    def in_gap(self, a, e):
        for zone in self.gaps:
            half = self.gap_half_width(zone, e) if self.own_width else zone.half_width
            if zone.center - half < a < zone.center + half:
                return True
        return False

    def forbids(self, a):
        return any(zone.holds(a) for zone in self.zones)

    def resonant_width(self, plan, e):
        """w(e) = a_res sqrt(((16/3 mu) S) e^k), the product left to right."""
        power = e
        for _ in range(plan.order - 1):
            power = power * e
        return plan.resonance_center * ieee_sqrt(plan.width_scale * power)

    def tadpole_place(self, orbit, population, amplitude, point):
        """The angle from the planet (signed: L5 negative) of a Trojan on the
        tadpole's curve, its semi-major axis set."""
        x, y = point
        r = ieee_sqrt(x * x + y * y)
        near_end = max(60.0 - amplitude * r, self.separatrix)
        level = tadpole_energy(near_end)
        far_end = tadpole_crossing(level, 60.0, 180.0)
        along = (1.0 + x / r) * 0.5 if r > 0.0 else 0.5
        theta = near_end + (far_end - near_end) * along
        lift = max(0.0, tadpole_energy(theta) - level)
        reach = self.axis * ieee_sqrt(8.0 * self.mu / 3.0 * lift)
        orbit.semiMajorAxis = self.axis + (-reach if y < 0.0 else reach)
        return theta if population == L4 else -theta

    @staticmethod
    def trojan_anomaly(longitude, population, amplitude, x, node, pericenter, angle=None):
        """The mean anomaly at the point x of the disc, or at the angle from
        the planet on the tadpole's curve, in [0, 360)."""
        point = 60.0 if population == L4 else -60.0
        if angle is None:
            anomaly = longitude + point + amplitude * x - node - pericenter
        else:
            anomaly = longitude + angle - node - pericenter
        turns = 0
        while anomaly < 0.0:
            anomaly += 360.0
            turns += 1
        while anomaly >= 360.0:
            anomaly -= 360.0
            turns -= 1
        return anomaly, turns


# --------------------------------------------------------------------------
# Settings and presets.

BACKGROUND, TROJANS, RESONANT_FAMILY, RESONANT, COLLISIONAL, SCATTERED = 0, 1, 2, 3, 4, 5
KIND_WORDS = {"background": BACKGROUND, "trojans": TROJANS, "family": RESONANT_FAMILY,
              "resonant": RESONANT, "collisional-family": COLLISIONAL,
              "scattered-disc": SCATTERED}
KIND_NAMES = {BACKGROUND: "Background", TROJANS: "Trojans", RESONANT_FAMILY: "Family",
              RESONANT: "Resonant", COLLISIONAL: "Collisional family",
              SCATTERED: "Scattered disc"}


@dataclass
class Population:
    name: str = "Background"
    share: float = 100.0
    kind: int = BACKGROUND
    innerRadius: float = 0.0
    outerRadius: float = 0.0
    maxRadius: float = 0.0
    minRadius: float = 0.0
    maxEccentricity: float = 0.0
    minEccentricity: float = 0.0
    maxInclination: float = 0.0
    # Distributions: 0 is the bell (the mean anomaly's 0 is "always 0").
    radiusDistribution: int = 0
    radiusSlope: float = 2.5
    eccentricityDistribution: int = 0
    eccentricityMode: float = 0.1
    inclinationDistribution: int = 0
    inclinationMode: float = 5.0
    semiMajorAxisDistribution: int = 0
    surfaceDensitySlope: float = 1.5
    meanAnomalyDistribution: int = 0
    trojanL4Share: float = 50.0
    librationAmplitude: float = 30.0
    familyResonance: str = "3:2"
    amplitudeDistribution: int = 0  # even over the disc, or Rayleigh
    amplitudeMode: float = 15.0
    resonance: str = "3:2"
    resonanceSide: int = 0  # inside the planet's orbit, or outside
    trojanShape: int = 0  # the small tadpole's ellipse, or the tadpole's curve
    parentSemiMajorAxis: float = 2.87
    parentEccentricity: float = 0.05
    parentInclination: float = 2.0
    ejectionVelocity: float = 20.0
    breakupAnomaly: float = 90.0
    breakupLatitude: float = 45.0
    minPerihelion: float = 30.0
    maxPerihelion: float = 36.0
    # Looks, all off: 0 is none, spheres, the bell's period, the drawn obliquity.
    composition: int = 0
    shapes: int = 0
    spins: int = 0
    spinAxes: int = 0
    meshes: str = ""
    textures: str = ""


POPULATION_FIELDS = set(Population.__dataclass_fields__)


@dataclass
class Settings:
    objectType: int = ASTEROID
    beltName: str = ""
    beltCenter: str = ""
    barycenter: bool = False
    totalMass: float = 0.0
    number: int = 0
    referencePlane: int = ECLIPTIC
    epoch: float = DEFAULT_EPOCH
    populations: list = field(default_factory=lambda: [Population()])
    massUnit: int = SOLAR_MASSES  # of totalMass as given
    # The planet; each of its numbers counts only with planet set.
    planet: bool = False
    planetSemiMajorAxis: float = 5.2
    planetMass: float = 1.0
    planetMassUnit: int = JUPITER_MASSES
    centralMass: float = 1.0
    planetLongitude: float = 0.0
    resonanceEccentricity: float = 0.5
    resonanceGaps: bool = False
    gapResonances: str = "4:1 3:1 5:2 7:3 2:1"
    clearedOrbit: bool = False
    gapWidth: int = 0  # at the resonance eccentricity, or each body's own
    gapDepth: float = 0.0

    def population(self, index):
        """The population of that index, added fresh when there are fewer."""
        while len(self.populations) <= index:
            self.populations.append(Population())
        return self.populations[index]

    def total_mass_for_run(self):
        """The total mass in solar masses, whatever unit it was given in."""
        if self.massUnit == EARTH_MASSES:
            return self.totalMass * SOL_MASS_OF_EARTH
        return self.totalMass


# Recipe keys: the field and how its value reads. A dict holds the words of a
# choice; NUMBER, WHOLE, TEXT and FLAG the other kinds.
NUMBER, WHOLE, TEXT, FLAG = "number", "whole", "text", "flag"
BELL_OR = lambda other: {"bell": 0, other: 1}  # noqa: E731
SETTING_KEYS = {
    "type": ("objectType", {"asteroid": ASTEROID, "comet": COMET}),
    "name": ("beltName", TEXT),
    "center": ("beltCenter", TEXT),
    "barycenter": ("barycenter", FLAG),
    "total-mass": ("totalMass", NUMBER),
    "mass-unit": ("massUnit", {"solar": SOLAR_MASSES, "earth": EARTH_MASSES}),
    "number": ("number", WHOLE),
    "population-name": ("name", TEXT),
    "share": ("share", NUMBER),
    "kind": ("kind", KIND_WORDS),
    "inner": ("innerRadius", NUMBER),
    "outer": ("outerRadius", NUMBER),
    "min-radius": ("minRadius", NUMBER),
    "max-radius": ("maxRadius", NUMBER),
    "min-eccentricity": ("minEccentricity", NUMBER),
    "max-eccentricity": ("maxEccentricity", NUMBER),
    "max-inclination": ("maxInclination", NUMBER),
    "plane": ("referencePlane", {"ecliptic": ECLIPTIC, "equator": EQUATOR,
                                 "extrasolar": EXTRASOLAR}),
    "epoch": ("epoch", NUMBER),
    "radius-distribution": ("radiusDistribution", BELL_OR("power-law")),
    "radius-slope": ("radiusSlope", NUMBER),
    "eccentricity-distribution": ("eccentricityDistribution", BELL_OR("rayleigh")),
    "eccentricity-mode": ("eccentricityMode", NUMBER),
    "inclination-distribution": ("inclinationDistribution", BELL_OR("rayleigh")),
    "inclination-mode": ("inclinationMode", NUMBER),
    "semi-major-axis-distribution": ("semiMajorAxisDistribution",
                                     BELL_OR("surface-density")),
    "surface-density-slope": ("surfaceDensitySlope", NUMBER),
    "mean-anomaly-distribution": ("meanAnomalyDistribution", {"zero": 0, "uniform": 1}),
    "planet": ("planet", FLAG),
    "planet-semi-major-axis": ("planetSemiMajorAxis", NUMBER),
    "planet-mass": ("planetMass", NUMBER),
    "planet-mass-unit": ("planetMassUnit", {"jupiter": JUPITER_MASSES, "earth": EARTH_MASSES}),
    "central-mass": ("centralMass", NUMBER),
    "planet-longitude": ("planetLongitude", NUMBER),
    "resonance-eccentricity": ("resonanceEccentricity", NUMBER),
    "resonance-gaps": ("resonanceGaps", FLAG),
    "gap-resonances": ("gapResonances", TEXT),
    "cleared-orbit": ("clearedOrbit", FLAG),
    "gap-width": ("gapWidth", {"fixed": 0, "own": 1}),
    "gap-depth": ("gapDepth", NUMBER),
    "trojan-l4-share": ("trojanL4Share", NUMBER),
    "libration-amplitude": ("librationAmplitude", NUMBER),
    "family-resonance": ("familyResonance", TEXT),
    "amplitude-distribution": ("amplitudeDistribution", {"even": 0, "rayleigh": 1}),
    "amplitude-mode": ("amplitudeMode", NUMBER),
    "resonance": ("resonance", TEXT),
    "resonance-side": ("resonanceSide", {"inside": 0, "outside": 1}),
    "trojan-shape": ("trojanShape", {"ellipse": 0, "tadpole": 1}),
    "parent-semi-major-axis": ("parentSemiMajorAxis", NUMBER),
    "parent-eccentricity": ("parentEccentricity", NUMBER),
    "parent-inclination": ("parentInclination", NUMBER),
    "ejection-velocity": ("ejectionVelocity", NUMBER),
    "breakup-anomaly": ("breakupAnomaly", NUMBER),
    "breakup-latitude": ("breakupLatitude", NUMBER),
    "min-perihelion": ("minPerihelion", NUMBER),
    "max-perihelion": ("maxPerihelion", NUMBER),
    "composition": ("composition", {"none": 0, "main-belt": 1, "trojans-hildas": 2,
                                    "kuiper-cold": 3, "kuiper-hot": 4, "comets": 5}),
    "shapes": ("shapes", {"off": 0, "ellipsoids": 1, "meshes": 2}),
    "meshes": ("meshes", TEXT),
    "textures": ("textures", TEXT),
    "spins": ("spins", {"bell": 0, "by-size": 1}),
    "spin-axes": ("spinAxes", {"obliquity": 0, "isotropic": 1, "yorp": 2}),
}
# Keys a recipe holds that are no setting of the belt itself.
RECIPE_ONLY_KEYS = ("beltwright-recipe", "seed")
# The shares of older recipes, which become populations (split_older_shares).
OLDER_SHARE_KEYS = ("trojan-share", "family-share")


def split_older_shares(settings, trojans, family):
    """After the first population, a copy of it for the Trojans and one for
    the family, each with its share taken from the first; a first population
    left without bodies is left out. Nothing without the planet."""
    if not settings.planet or not settings.populations:
        return
    shape = settings.populations[0]
    rest = shape.share
    for kind, share in ((TROJANS, trojans), (RESONANT_FAMILY, family)):
        if share > 0.0:
            settings.populations.append(replace(shape, kind=kind, name=KIND_NAMES[kind],
                                                share=share))
            rest -= share
    settings.populations[0].share = max(rest, 0.0)
    if not rest > 0.0 and len(settings.populations) > 1:
        del settings.populations[0]


def share_units(share):
    """A share in hundredths of a percent, to the nearest, halves away from 0."""
    units = share * 100.0
    if not units > 0.0 or math.isinf(units):
        return 0
    return int(Decimal(min(units, 1e15)).to_integral_value(rounding=ROUND_HALF_UP))


def population_counts(number, populations):
    """Largest remainder on exact integers, a tie to the earlier population."""
    units = [share_units(p.share) for p in populations]
    total = sum(units)
    if total == 0:
        return [number] + [0] * (len(populations) - 1)
    counts = [number * u // total for u in units]
    remainders = [number * u % total for u in units]
    order = sorted(range(len(units)), key=lambda i: (-remainders[i], i))
    for k in range(number - sum(counts)):
        counts[order[k % len(units)]] += 1
    return counts


def unquoted(text):
    """A recipe's double-quoted text: \\" \\\\ \\t \\n and \\xHH escapes; bare text as it is."""
    if len(text) < 2 or text[0] != '"' or text[-1] != '"':
        return text
    body, out, i = text[1:-1], bytearray(), 0
    while i < len(body):
        c = body[i]
        if c == "\\" and i + 1 < len(body):
            e = body[i + 1]
            if e == "x":
                out.append(int(body[i + 2:i + 4], 16))
                i += 4
                continue
            out += {"t": b"\t", "n": b"\n"}.get(e, e.encode("utf-8"))
            i += 2
            continue
        out += c.encode("utf-8")
        i += 1
    return out.decode("utf-8")


def apply_setting(settings, assignment, population=0, shares=None):
    """A recipe line: a population's key into that population, an older
    share into shares (a dict), when given."""
    key, _, value = assignment.partition("=")
    key, value = key.strip(), value.strip()
    if key in RECIPE_ONLY_KEYS:
        return
    if key in OLDER_SHARE_KEYS:
        shares[key] = float(value)
        return
    name, kind = SETTING_KEYS[key]
    if isinstance(kind, dict):
        parsed = kind[value]
    elif kind == NUMBER:
        parsed = float(value.lstrip("+")) + 0.0  # no negative zero
    elif kind == WHOLE:
        parsed = int(value.lstrip("+"), 10)
    elif kind == FLAG:
        parsed = {"true": True, "false": False}[value]
    else:
        parsed = unquoted(value)
    setattr(settings.population(population) if name in POPULATION_FIELDS else settings, name,
            parsed)


def recipe_lines(text):
    """The KEY=VALUE lines of a recipe, without its blank and comment lines."""
    for line in text.splitlines():
        line = line.strip(" \t")
        if line and not line.startswith("#"):
            yield line


def example_path(name):
    here = os.path.dirname(os.path.abspath(__file__))
    return os.path.join(here, "..", "..", "resources", "examples", name + ".belt")


def example_recipe(name):
    """The settings and the seed of an example recipe."""
    with open(example_path(name), encoding="utf-8") as f:
        return recipe_settings(f.read())


def recipe_settings(text):
    """The settings and seed of a recipe: version 1's older shares become
    populations, version 2's sections are populations."""
    settings, seed, shares, section = Settings(), None, {}, -1
    for line in recipe_lines(text):
        if line == "[population]":
            section += 1
            settings.population(section)
            continue
        apply_setting(settings, line, max(section, 0), shares)
        key, _, value = line.partition("=")
        if key.strip() == "seed":
            seed = int(value.strip(), 10)
    if section < 0:
        split_older_shares(settings, shares.get("trojan-share", 0.0),
                           shares.get("family-share", 0.0))
    return settings, seed


def example_names():
    folder = os.path.dirname(example_path("x"))
    return sorted(name[:-5] for name in os.listdir(folder) if name.endswith(".belt"))


PRESET_VALUES = {
    0: dict(objectType=ASTEROID, beltName="VS", beltCenter="Sol", number=200,
            innerRadius=0.15, outerRadius=0.18, maxRadius=3.0, minRadius=0.1,
            maxEccentricity=0.001, minEccentricity=0.0, maxInclination=10.0),
    1: dict(objectType=ASTEROID, beltName="OS", beltCenter="Sol", number=2000,
            innerRadius=5000.0, outerRadius=50000.0, maxRadius=500.0, minRadius=0.1,
            maxEccentricity=0.3, minEccentricity=0.0, maxInclination=180.0),
    2: dict(objectType=COMET, beltName="TC", beltCenter="Toliman A", number=500,
            innerRadius=0.15, outerRadius=5.0, maxRadius=25.0, minRadius=0.1,
            maxEccentricity=0.5, minEccentricity=0.0, maxInclination=180.0),
    3: dict(objectType=ASTEROID, beltName="ES", beltCenter="Earth-Moon",
            barycenter=True, totalMass=3.0401062188929665e-06, number=250,
            innerRadius=0.01, outerRadius=0.02, maxRadius=25.0, minRadius=0.1,
            maxEccentricity=0.001, minEccentricity=0.0, maxInclination=5.0),
}
PRESET_NAMES = {"vulcanoids": 0, "oort-cloud": 1, "toliman-a-comets": 2, "ebelt-em": 3}


def preset_settings(preset):
    """An unknown preset value leaves the default record untouched."""
    values = PRESET_VALUES.get(preset, {})
    belt = {k: v for k, v in values.items() if k not in POPULATION_FIELDS}
    own = {k: v for k, v in values.items() if k in POPULATION_FIELDS}
    return Settings(**belt, populations=[Population(**own)])


# The decimals that the window's fields keep; a preset named on the command
# line holds its numbers as the loaded fields show them.
FIELD_DECIMALS = dict(totalMass=20, innerRadius=2, outerRadius=2, minRadius=2, maxRadius=2,
                      minEccentricity=5, maxEccentricity=5, maxInclination=2, epoch=2)


def entered_preset_settings(preset):
    settings = preset_settings(preset)
    for name, decimals in FIELD_DECIMALS.items():
        owner = settings.populations[0] if name in POPULATION_FIELDS else settings
        setattr(owner, name, float("%.*f" % (decimals, getattr(owner, name))))
    return settings


# --------------------------------------------------------------------------
# Bodies and orbits.

@dataclass
class Orbit:
    epoch: float = DEFAULT_EPOCH
    semiMajorAxis: float = 0.0
    period: float = NAN
    eccentricity: float = 0.0
    inclination: float = 0.0
    ascendingNode: float = 0.0
    argOfPericenter: float = 0.0
    meanAnomaly: float = 0.0
    referencePlane: int = ECLIPTIC


@dataclass
class BaseAsteroid:
    orbit: Orbit = field(default_factory=Orbit)
    objectType: int = ASTEROID
    name: str = "Astro"
    parentBody: str = "Sol"
    radius: float = 0.0
    density: float = 0.0
    mass: float = 0.0
    rotationPeriod: float = NAN
    obliquity: float = NAN
    look: object = None  # a Look, with looks on

    def safe_moon_radius(self):
        return self.radius / AU_KM * 1.2


@dataclass
class Asteroid(BaseAsteroid):
    def write(self, out):
        write_single(out, self)


@dataclass
class BinaryAsteroid(BaseAsteroid):
    companionRadius: float = 0.0
    componentOrbit: Orbit = field(default_factory=Orbit)

    def write(self, out):
        write_binary(out, self)


def is_binary_decision(u):
    """Binary when the output's unit fraction is at most 0.2 (compared unreduced)."""
    return not (u * TWO_POW_M32 > Generator.BINARY_FRACTION)


def body_mass(radius, density):
    return ieee_pow3(radius) * SPHERE_FACTOR * density


# --------------------------------------------------------------------------
# Belt generation.

class Kicks:
    """A collisional family's Gauss's equations at the break-up: each factor
    once, in this order; n a = k sqrt(M / a), dv in m/s to AU per day."""

    def __init__(self, p, central_mass):
        self.a0, self.e0, self.i0 = p.parentSemiMajorAxis, p.parentEccentricity, \
            p.parentInclination
        e0 = self.e0
        self.eta = ieee_sqrt(1.0 - e0 * e0)
        speed = 0.01720209895 * ieee_sqrt(ieee_div(central_mass, self.a0))
        self.scale = ieee_div(p.ejectionVelocity * (86400.0 / 149597870700.0), speed)
        c = degree_cosine(p.breakupAnomaly)
        s = degree_cosine(90.0 - p.breakupAnomaly)
        along = 1.0 + e0 * c
        self.axis_t = 2.0 / self.eta * along
        self.axis_r = 2.0 / self.eta * (e0 * s)
        self.ecc_t = self.eta * ((e0 + 2.0 * c + e0 * c * c) / along)
        self.ecc_r = self.eta * s
        self.incl_w = self.eta * (degree_cosine(p.breakupLatitude) / along) * 57.29577951308232

    def member(self, zr, zt, zw):
        vr, vt, vw = self.scale * zr, self.scale * zt, self.scale * zw
        a = self.a0 + self.a0 * (self.axis_t * vt + self.axis_r * vr)
        e = self.e0 + (self.ecc_t * vt + self.ecc_r * vr)
        i = self.i0 + self.incl_w * vw
        return a, e, i


class Plan:
    """One population as a run draws it: its laws, and what the planet makes
    of it (a family's zone, the Trojans' spread)."""

    def __init__(self, p, planet, central_mass=1.0):
        self.p = p
        self.kicks = Kicks(p, central_mass) if p.kind == COLLISIONAL else None
        self.scattered_law = power_law(p.innerRadius, p.outerRadius,
                                       2.0 - p.surfaceDensitySlope) \
            if p.kind == SCATTERED else None
        self.radius_law = power_law(p.minRadius, p.maxRadius, -p.radiusSlope) \
            if p.radiusDistribution == 1 else None
        self.axis_law = power_law(p.innerRadius, p.outerRadius, 2.0 - p.surfaceDensitySlope) \
            if p.semiMajorAxisDistribution == 1 else None
        self.inclination_law = rayleigh(0.0, p.maxInclination, p.inclinationMode) \
            if p.inclinationDistribution == 1 else None
        self.eccentricity_law = rayleigh(p.minEccentricity, p.maxEccentricity,
                                         p.eccentricityMode) \
            if p.eccentricityDistribution == 1 else None
        self.family = None
        self.trojan_scale = 0.0
        self.edge_bounds_trojans = False
        self.rayleigh_amplitudes = p.amplitudeDistribution == 1
        self.amplitude_law = rayleigh(0.0, p.librationAmplitude, p.amplitudeMode) \
            if self.rayleigh_amplitudes else None
        self.resonance = None
        if planet is None:
            return
        resonance = resonance_of(p.resonance) if p.kind == RESONANT else None
        if resonance is not None:
            self.resonance = resonance
            self.exterior = p.resonanceSide == 1
            rp, rq = resonance
            self.order = rp - rq
            ratio = rp / rq if self.exterior else rq / rp
            self.resonance_center = planet.axis * ieee_power(ratio, 2.0 / 3.0)
            self.width_scale = 16.0 / 3.0 * planet.mu * STRENGTHS[resonance][
                1 if self.exterior else 0]
            # Inside: 0 for an odd order, 180 for an even one; outside 180,
            # the outer 2:1's islands 100 degrees to either side.
            self.libration = 180.0 if self.exterior or self.order % 2 == 0 else 0.0
            self.island = 100.0 if self.exterior and resonance == (2, 1) else 0.0
        family = resonance_of(p.familyResonance) if p.kind == RESONANT_FAMILY else None
        if family is not None:
            # On the side of the planet where the middle of its radii lies.
            outside = (p.innerRadius + p.outerRadius) * 0.5 > planet.axis
            self.family = planet.resonance_zone(family, outside)
            self.family.outside = outside
        if p.kind == TROJANS:
            # The Trojans' spread in a: a_p k, k the smaller of the linear
            # tadpole's reach and the tadpole region's edge.
            linear = ieee_sqrt(3.0 * planet.mu) * (p.librationAmplitude * DEGREE)
            edge = ieee_sqrt(8.0 * planet.mu / 3.0)
            self.edge_bounds_trojans = edge < linear
            self.trojan_scale = planet.axis * (edge if self.edge_bounds_trojans else linear)


class Generator:
    MAX_ROTATION_PERIOD = 12.0
    MIN_ROTATION_PERIOD = 0.1
    BINARY_FRACTION = 0.2
    EARTH_MASS_KG = 5.9736e+24

    def __init__(self, settings, seed):
        self.settings = deepcopy(settings)
        if self.settings.number > MAX_NUMBER:
            self.settings.number = MAX_NUMBER
        if not self.settings.populations:
            self.settings.populations.append(Population())
        self.rng = RandomSource(seed)
        s = self.settings
        self.total_mass = s.total_mass_for_run()
        self.planet = Planet(s) if s.planet else None
        central = self.total_mass if s.barycenter else s.centralMass
        self.plans = [Plan(p, self.planet, central) for p in s.populations]
        self.counts = population_counts(s.number, s.populations)
        self.asteroids = []
        self.decisions = []  # decision output of each body, kept for checks
        # How often each branch of the planet's draws was taken, so that a
        # comparison can tell whether its belt reached them.
        self.reached = dict.fromkeys(REACHED, 0)
        self.reached["family outside"] = sum(
            int(plan.family is not None and plan.family.outside) for plan in self.plans)
        self.reached["trojan edge"] = sum(int(plan.edge_bounds_trojans) for plan in self.plans)
        self.reached["populations"] = int(sum(int(count > 0) for count in self.counts) > 1)

    def _density(self):
        return self.rng.gaussian(2.0, 4.0) * 1e12 / self.EARTH_MASS_KG

    def _shaped(self, law, lo, hi):
        """The element from its law and one fraction, or the bell's draw."""
        if law is None:
            return self.rng.gaussian(lo, hi)
        return law(self.rng.canonical())

    def _radius(self, plan):
        return self._shaped(plan.radius_law, plan.p.minRadius, plan.p.maxRadius)

    def _place(self, orbit, plan):
        """Draws the body's semi-major axis by its population's kind; a
        Trojan's point (L4 or L5) and x in its disc."""
        p, rng, planet = plan.p, self.rng, self.planet
        if p.kind == BACKGROUND and planet is not None and planet.by_body:
            self.reached[BELT] += 1
            while True:
                a = self._shaped(plan.axis_law, p.innerRadius, p.outerRadius)
                e = 0.0
                if planet.own_width:
                    orbit.inclination = self._shaped(plan.inclination_law, -p.maxInclination,
                                                     p.maxInclination)
                    orbit.eccentricity = e = self._shaped(plan.eccentricity_law,
                                                          p.minEccentricity, p.maxEccentricity)
                if planet.forbids(a):
                    self.reached["redraws"] += 1
                    continue
                if not planet.in_gap(a, e):
                    break
                if planet.kept > 0.0 and rng.unit_output() * TWO_POW_M32 < planet.kept:
                    self.reached["kept in a gap"] += 1
                    break
                self.reached["redraws"] += 1
            orbit.semiMajorAxis = a
            return BELT, planet.own_width
        if p.kind == BACKGROUND:
            self.reached[BELT] += 1
            a = self._shaped(plan.axis_law, p.innerRadius, p.outerRadius)
            while planet is not None and planet.forbids(a):
                self.reached["redraws"] += 1
                a = self._shaped(plan.axis_law, p.innerRadius, p.outerRadius)
            orbit.semiMajorAxis = a
            return BELT, None
        if p.kind == COLLISIONAL:
            return self._collisional_draws(orbit, plan)
        if p.kind == SCATTERED:
            self.reached["scattered"] += 1
            a = plan.scattered_law(rng.canonical())
            q = p.minPerihelion + (p.maxPerihelion - p.minPerihelion) * rng.canonical()
            orbit.semiMajorAxis = a
            orbit.eccentricity = 1.0 - q / a
            orbit.inclination = self._shaped(plan.inclination_law, -p.maxInclination,
                                             p.maxInclination)
            return SCATTERED_BODY, True
        zone = plan.family or Zone(0.0, 0.0)
        if p.kind == RESONANT_FAMILY:
            self.reached[FAMILY] += 1
            # The cleared orbit keeps family bodies out as well.
            while True:
                u = rng.canonical()
                a = zone.center + zone.half_width * (2.0 * u - 1.0)
                if planet is None or planet.cleared is None or not planet.cleared.holds(a):
                    break
                self.reached["family redraws"] += 1
            orbit.semiMajorAxis = a
            return FAMILY, None
        if p.kind == RESONANT:
            return self._resonant_draws(orbit, plan)
        point = L4 if rng.unit_output() * TWO_POW_M32 < p.trojanL4Share / 100.0 else L5
        self.reached[point] += 1
        if plan.rayleigh_amplitudes:
            self.reached["rayleigh amplitudes"] += 1
            amplitude = plan.amplitude_law(rng.canonical())
            x, y = self._disc_point(True)
            reach = amplitude / p.librationAmplitude if p.librationAmplitude > 0.0 else 0.0
            r = ieee_sqrt(x * x + y * y)
            x, y = reach * (x / r), reach * (y / r)
        else:
            x, y = self._disc_point(False)
        axis = planet.axis if planet is not None else 0.0
        orbit.semiMajorAxis = axis + plan.trojan_scale * y
        return point, (x, y)

    def _normal(self):
        """A standard normal variate: the polar method's second coordinate."""
        rng = self.rng
        while True:
            x = 2.0 * rng.canonical() - 1.0
            y = 2.0 * rng.canonical() - 1.0
            r2 = x * x + y * y
            if not (r2 > 1.0 or r2 == 0.0):
                return y * math.sqrt(-2.0 * ieee_log(r2) / r2)

    def _collisional_draws(self, orbit, plan):
        """dv_R, dv_T, dv_W drawn again, all three, until the orbit is bound."""
        self.reached["collisional"] += 1
        while True:
            zr = self._normal()
            zt = self._normal()
            zw = self._normal()
            a, e, i = plan.kicks.member(zr, zt, zw)
            if e < 0.0:
                self.reached["e turned"] += 1
                e = -e
            if i < 0.0:
                self.reached["i turned"] += 1
                i = -i
            if i > 180.0:
                i = 360.0 - i
            if a > 0.0 and e < 1.0:
                break
            self.reached["kicks redrawn"] += 1
        orbit.semiMajorAxis, orbit.eccentricity, orbit.inclination = a, e, i
        return SCATTERED_BODY, True

    def _disc_point(self, reject_centre):
        rng = self.rng
        while True:
            x = 2.0 * rng.canonical() - 1.0
            y = 2.0 * rng.canonical() - 1.0
            r2 = x * x + y * y
            if r2 < 1.0 and not (reject_centre and r2 == 0.0):
                return x, y
            self.reached["disc redraws"] += 1

    def _resonant_draws(self, orbit, plan):
        """The island (outer 2:1), amplitude and phase, and branch of a
        resonant body; its semi-major axis and longitude wait for its e."""
        rng = self.rng
        self.reached[RESONANT_BODY] += 1
        centre = plan.libration
        if plan.island > 0.0:
            below = rng.unit_output() * TWO_POW_M32 < 0.5
            self.reached["island below" if below else "island above"] += 1
            centre = plan.libration - plan.island if below else plan.libration + plan.island
        largest = plan.p.librationAmplitude
        if not plan.rayleigh_amplitudes:
            x, y = self._disc_point(False)
            angle = largest * x
            amplitude = largest * ieee_sqrt(x * x + y * y)
        else:
            self.reached["rayleigh amplitudes"] += 1
            amplitude = plan.amplitude_law(rng.canonical())
            x, y = self._disc_point(True)
            angle = amplitude * (x / ieee_sqrt(x * x + y * y))
        rp, rq = plan.resonance
        branches = float(rp if plan.exterior else rq)
        branch = math.floor(rng.unit_output() * TWO_POW_M32 * branches)
        if branch >= 1:
            self.reached["branch 1"] += 1
        orbit.semiMajorAxis = plan.resonance_center
        return RESONANT_BODY, (centre, angle, amplitude, y < 0.0, branch)

    def _resonant_place(self, orbit, plan, draws):
        centre, angle, amplitude, below, branch = draws
        planet = self.planet
        width = planet.resonant_width(plan, orbit.eccentricity)
        lift = max(0.0, (degree_cosine(angle) - degree_cosine(amplitude)) * 0.5)
        reach = width * ieee_sqrt(lift)
        orbit.semiMajorAxis = plan.resonance_center + (-reach if below else reach)
        rp, rq = plan.resonance
        p, q, k = float(rp), float(rq), float(rp - rq)
        varpi = orbit.ascendingNode + orbit.argOfPericenter
        phi = centre + angle
        j = float(branch)
        if plan.exterior:
            longitude = (phi + q * planet.longitude + k * varpi) / p + 360.0 * j / p
        else:
            longitude = (p * planet.longitude - k * varpi - phi) / q + 360.0 * j / q
        anomaly = math.fmod(longitude - varpi, 360.0)
        if anomaly < 0.0:
            anomaly += 360.0
        if anomaly >= 360.0:
            self.reached["at 360"] += 1
            anomaly = 0.0
        orbit.meanAnomaly = anomaly

    def generate(self):
        s, rng = self.settings, self.rng
        ident = 0
        for plan, count in zip(self.plans, self.counts):
            for _ in range(count):
                ident += 1
                self.asteroids.append(self._body(ident, plan))
        return self.asteroids

    def _body(self, ident, plan):
        s, p, rng = self.settings, plan.p, self.rng
        orbit = Orbit()
        population, disc_x = self._place(orbit, plan)
        if not (population in (BELT, SCATTERED_BODY) and disc_x):
            orbit.inclination = self._shaped(plan.inclination_law, -p.maxInclination,
                                             p.maxInclination)
            orbit.eccentricity = self._shaped(plan.eccentricity_law, p.minEccentricity,
                                              p.maxEccentricity)
        orbit.argOfPericenter = 360.0 * rng.canonical()
        orbit.ascendingNode = 360.0 * rng.canonical()
        if p.meanAnomalyDistribution == 1:
            orbit.meanAnomaly = 360.0 * rng.canonical()
        if population in (L4, L5):
            # Without the planet (which the check refuses) its numbers are 0.
            planet = self.planet
            angle = None
            if planet is not None and p.trojanShape == 1:
                self.reached["tadpole"] += 1
                angle = planet.tadpole_place(orbit, population, p.librationAmplitude, disc_x)
            orbit.meanAnomaly, turns = Planet.trojan_anomaly(
                planet.longitude if planet else 0.0, population,
                p.librationAmplitude if planet else 0.0, disc_x[0], orbit.ascendingNode,
                orbit.argOfPericenter, angle)
            self.reached["turns added %d" % min(turns, 2) if turns >= 0
                         else "turns taken"] += 1
        if population == RESONANT_BODY:
            self._resonant_place(orbit, plan, disc_x)
        if s.barycenter:
            orbit.period = ieee_sqrt(ieee_div(ieee_pow3(orbit.semiMajorAxis), self.total_mass))
        orbit.referencePlane = s.referencePlane
        orbit.epoch = s.epoch
        u = rng.unit_output()
        self.decisions.append(u)
        binary = is_binary_decision(u)
        body = (self.make_binary_asteroid if binary else self.make_asteroid)(ident, orbit, plan)
        if looks_on(p):
            draw_look(self.rng, p, body, binary, self.EARTH_MASS_KG)
        return body

    def make_asteroid(self, ident, orbit, plan):
        s, rng = self.settings, self.rng
        body = Asteroid()
        body.objectType = s.objectType
        body.name = "%s %d" % (s.beltName, ident)
        body.parentBody = s.beltCenter
        body.radius = self._radius(plan)
        body.density = self._density()
        body.mass = body_mass(body.radius, body.density)
        body.rotationPeriod = rng.gaussian(self.MIN_ROTATION_PERIOD, self.MAX_ROTATION_PERIOD)
        body.obliquity = 360.0 * rng.canonical()
        body.orbit = orbit
        return body

    def make_binary_asteroid(self, ident, orbit, plan):
        s, rng = self.settings, self.rng
        body = BinaryAsteroid()
        body.objectType = s.objectType
        body.name = "%s %d" % (s.beltName, ident)
        body.parentBody = s.beltCenter
        body.radius = self._radius(plan)
        body.companionRadius = body.radius * (rng.canonical() * 0.75 + 0.25)
        body.density = self._density()
        body.orbit = orbit
        comp = Orbit()
        comp.epoch = orbit.epoch
        comp.period = (rng.canonical() * 2.9 + 0.1) / DAYS_PER_YEAR
        comp.inclination = rng.canonical() * 360.0
        comp.eccentricity = rng.gaussian(0.0, 0.1)
        comp.argOfPericenter = rng.canonical() * 360.0
        comp.ascendingNode = rng.canonical() * 360.0
        comp.referencePlane = EQUATOR
        body.componentOrbit = comp
        return body


# --------------------------------------------------------------------------
# Looks: drawn after all other draws of a body, each only where it is on.

def rgb(r, g, b):
    return (r / 256.0, g / 256.0, b / 256.0)


# name, albedo median, spread of ln(albedo), colour, density in g/cm^3
CLASSES = [
    ("S", 0.23, 0.30, rgb(256, 229, 190), 2.72),
    ("C", 0.06, 0.35, rgb(256, 251, 238), 1.33),
    ("X", 0.10, 0.55, rgb(256, 241, 225), 1.85),
    ("D", 0.05, 0.30, rgb(256, 219, 193), 1.00),
    ("V", 0.35, 0.25, rgb(256, 227, 177), 1.93),
    ("B", 0.07, 0.35, rgb(246, 253, 256), 2.38),
    ("K", 0.14, 0.30, rgb(256, 237, 201), 3.54),
    ("L", 0.16, 0.30, rgb(256, 223, 183), 3.22),
    ("BB", 0.06, 0.40, rgb(256, 245, 238), 1.0),
    ("BR", 0.08, 0.40, rgb(256, 217, 191), 1.0),
    ("IR", 0.12, 0.40, rgb(256, 193, 150), 1.0),
    ("RR", 0.15, 0.40, rgb(256, 168, 109), 1.0),
    ("nucleus", 0.04, 0.25, rgb(256, 217, 191), 0.53),
]
CLASS_INDEX = {entry[0]: i for i, entry in enumerate(CLASSES)}


def _mix(**weights):
    return [weights.get(entry[0], 0.0) for entry in CLASSES]


# Upper semi-major axis of each main-belt zone and its mix.
MAIN_BELT_ZONES = [
    (2.5, _mix(S=0.50, C=0.14, X=0.12, D=0.02, V=0.12, B=0.03, K=0.04, L=0.03)),
    (2.82, _mix(S=0.38, C=0.27, X=0.14, D=0.03, V=0.06, B=0.04, K=0.05, L=0.03)),
    (2.96, _mix(S=0.30, C=0.33, X=0.15, D=0.05, V=0.01, B=0.05, K=0.07, L=0.04)),
    (3.3, _mix(S=0.17, C=0.47, X=0.15, D=0.08, V=0.01, B=0.07, K=0.03, L=0.02)),
    (4.6, _mix(S=0.05, C=0.35, X=0.25, D=0.30, B=0.05)),
]
TROJAN_MIX = _mix(D=0.65, X=0.25, C=0.10)
FIXED_MIXES = {2: TROJAN_MIX, 3: _mix(IR=0.2, RR=0.8),
               4: _mix(BB=0.3, BR=0.3, IR=0.25, RR=0.15), 5: _mix(nucleus=1.0)}


def class_mix(composition, a):
    if composition == 1:
        return next((mix for below, mix in MAIN_BELT_ZONES if a < below), TROJAN_MIX)
    return FIXED_MIXES[composition]


def pick_class(mix, u):
    total = 0.0
    for w in mix:
        total += w
    target, running, last = u * total, 0.0, -1
    for i, w in enumerate(mix):
        if w > 0.0:
            running += w
            last = i
            if target < running:
                return i
    return last


def file_list(text):
    """Names and running sums of "name*weight; name"."""
    if not text.strip(" \t"):
        return [], []
    names, sums, total = [], [], 0.0
    for entry in text.split(";"):
        entry = entry.strip(" \t")
        weight = 1.0
        if "*" in entry:
            entry, _, given = entry.rpartition("*")
            entry, weight = entry.strip(" \t"), float(given.strip(" \t").lstrip("+"))
        total += weight
        names.append(entry)
        sums.append(total)
    return names, sums


def pick_file(names, sums, u):
    target = u * sums[-1]
    return next((names[i] for i, s in enumerate(sums) if target < s), names[-1])


def ieee_acos_degrees(x):
    with gmpy2.local_context(DOUBLE):
        return float(gmpy2.acos(gmpy2.mpfr(x))) * (180.0 / 3.141592653589793)


def looks_on(p):
    return p.composition != 0 or p.shapes != 0 or p.spins != 0 or p.spinAxes != 0 or \
        bool(p.textures.strip(" \t"))


@dataclass
class Look:
    albedo: float = NAN
    color: tuple = None
    semi_axes: tuple = None
    mesh: str = ""
    texture: str = ""
    node: float = NAN
    offset: float = NAN

    def write_surface(self, out):
        if not math.isnan(self.albedo):
            out.append("\tAlbedo\t\t%s\n" % fmt_num(self.albedo))
        if self.color is not None:
            out.append("\tColor\t\t[ %s ]\n" % " ".join(fmt_num(v) for v in self.color))
        if self.semi_axes is not None:
            out.append("\tSemiAxes\t[ %s ]\n" % " ".join(fmt_num(v) for v in self.semi_axes))
        if self.mesh:
            out.append('\tMesh\t\t"%s"\n' % self.mesh)
        if self.texture:
            out.append('\tTexture\t\t"%s"\n' % self.texture)

    def write_spin(self, out):
        if not math.isnan(self.node):
            out.append("\tEquatorAscendingNode\t%s\n" % fmt_num(self.node))
        if not math.isnan(self.offset):
            out.append("\tRotationOffset\t%s\n" % fmt_num(self.offset))


def spin_period(radius, branch, fraction, z):
    if radius >= 20.0:
        rate = 1.75 * ieee_sqrt(-2.0 * ieee_log(1.0 - branch) + z * z)
        return max(2.2, min(1000.0, ieee_div(24.0, rate)))
    if radius >= 0.15:
        if branch < 0.15:
            return 24.0 * ieee_exp(fraction * ieee_log(500.0 / 24.0))
        return max(2.2, 24.0 / (1.0 + fraction * (24.0 / 2.2 - 1.0)))
    return 0.01 * ieee_exp(fraction * ieee_log(2400.0))


def draw_look(rng, p, body, binary, earth_mass_kg):
    look = Look()
    if p.composition != 0:
        chosen = pick_class(class_mix(p.composition, body.orbit.semiMajorAxis), rng.canonical())
        _, median, spread, color, density = CLASSES[chosen]
        centre = ieee_log(median)
        look.albedo = min(1.0, ieee_exp(rng.gaussian(centre - 3.0 * spread,
                                                     centre + 3.0 * spread)))
        look.color = color
        body.density = density * 1e12 / earth_mass_kg
        if not binary:
            body.mass = body_mass(body.radius, body.density)
    if not binary and p.shapes == 1:
        towards_round = max(0.0, min(1.0, (body.radius - 100.0) / 100.0))
        ba = rng.gaussian(0.5 + 0.45 * towards_round, 1.0)
        cb = rng.gaussian(0.6 + 0.3 * towards_round, 1.0)
        k = ieee_power(ba * ba * cb, -1.0 / 3.0)
        look.semi_axes = (k, k * ba, k * ba * cb)
    meshes = file_list(p.meshes) if p.shapes == 2 else ([], [])
    if meshes[0]:
        look.mesh = pick_file(*meshes, rng.canonical())
    textures = file_list(p.textures)
    if textures[0]:
        look.texture = pick_file(*textures, rng.canonical())
    if not binary and p.spins == 1:
        branch, fraction = rng.canonical(), rng.canonical()
        z = rng.gaussian(-3.0, 3.0)
        body.rotationPeriod = spin_period(body.radius, branch, fraction, z)
    if not binary and p.spinAxes != 0:
        cosine = 2.0 * rng.canonical() - 1.0
        if p.spinAxes == 2:
            b, c = rng.canonical(), rng.canonical()
            if body.radius < 15.0:
                magnitude = max(abs(cosine), b, c)
                cosine = -magnitude if cosine < 0.0 else magnitude
        body.obliquity = ieee_acos_degrees(cosine)
        look.node = 360.0 * rng.canonical()
        look.offset = 360.0 * rng.canonical()
    body.look = look


# --------------------------------------------------------------------------
# Catalogue text.

def fmt_num(x):
    """Like printf's %.19g, including the C library's inf/nan words."""
    if math.isnan(x):
        return "-nan" if math.copysign(1.0, x) < 0 else "nan"
    return "%.19g" % x


def write_orbit(out, o):
    out.append("\n\tOrbit\n\t{\n")
    out.append("\t\tEpoch\t\t\t%s\n" % fmt_num(o.epoch))
    if o.semiMajorAxis > 0.0:  # false for NaN too
        out.append("\t\tSemiMajorAxis\t%s\n" % fmt_num(o.semiMajorAxis))
    if not math.isnan(o.period):
        out.append("\t\tPeriod\t\t\t%s\n" % fmt_num(o.period))
    out.append("\t\tEccentricity\t%s\n" % fmt_num(o.eccentricity))
    out.append("\t\tInclination\t\t%s\n" % fmt_num(o.inclination))
    out.append("\t\tAscendingNode\t%s\n" % fmt_num(o.ascendingNode))
    out.append("\t\tArgOfPericen\t%s\n" % fmt_num(o.argOfPericenter))
    out.append("\t\tRefPlane\t\t%s\n" % REF_PLANE_WORDS.get(o.referencePlane, ""))
    out.append("\t\tMeanAnomaly\t\t%s\n" % fmt_num(o.meanAnomaly))
    out.append("\t}\n")


def write_single(out, b):
    out.append('%s "%s"\n' % (OBJECT_TYPE_WORDS.get(b.objectType, ""), b.name))
    out.append('{\n\tParentBody\t"%s"\n' % b.parentBody)
    out.append('\tClass\t\t"Asteroid"\n')
    out.append("\tMass\t\t%s\n" % fmt_num(b.mass))
    out.append("\tRadius\t\t%s\n" % fmt_num(b.radius))
    look = b.look
    if look is not None:
        look.write_surface(out)
    if not math.isnan(b.rotationPeriod):
        out.append("\tRotationPeriod\t%s\n" % fmt_num(b.rotationPeriod))
    if not math.isnan(b.obliquity):
        out.append("\n\tObliquity\t\t%s\n" % fmt_num(b.obliquity))
    if look is not None:
        look.write_spin(out)
    write_orbit(out, b.orbit)
    out.append("}\n\n")


def write_binary(out, b):
    out.append('Barycenter "%s"\n{\n\tParentBody\t"%s"\n' % (b.name, b.parentBody))
    write_orbit(out, b.orbit)
    out.append("}\n\n")
    t = Asteroid()
    t.objectType = b.objectType
    t.name = b.name + " A"
    t.parentBody = b.name
    t.radius = b.radius
    t.density = b.density
    t.mass = body_mass(t.radius, t.density)
    t.orbit = replace(b.componentOrbit)
    t.look = b.look
    write_single(out, t)
    t.name = b.name + " B"
    t.radius = b.companionRadius
    t.mass = body_mass(t.radius, t.density)
    # B sits opposite A; the shift is not wrapped into a range.
    t.orbit.argOfPericenter = (t.orbit.argOfPericenter + 180.0) - 360.0
    write_single(out, t)


def catalogue_text(bodies):
    out = []
    for body in bodies:
        body.write(out)
    return "".join(out)


def belt_catalogue(preset, seed, number=None, entered=False, assignments=(), settings=None,
                   reached=None):
    """The catalogue of a preset, or of the given settings (an example's);
    the branches the draws took are counted into reached, a dict."""
    if settings is None:
        settings = (entered_preset_settings if entered else preset_settings)(preset)
    settings = deepcopy(settings)
    if number is not None:
        settings.number = number
    # "population" opens the next population; older shares split at the end.
    population, shares = 0, {}
    for assignment in assignments:
        if assignment == "population":
            population += 1
            settings.population(population)
        else:
            apply_setting(settings, assignment, population, shares)
    split_older_shares(settings, shares.get("trojan-share", 0.0), shares.get("family-share", 0.0))
    gen = Generator(settings, seed)
    text = catalogue_text(gen.generate()).encode("utf-8")
    if reached is not None:
        reached.update(gen.reached)
    return text


# --------------------------------------------------------------------------
# Self-test against the hand-worked examples.

class Checker:
    def __init__(self):
        self.passed = 0
        self.failed = []

    def eq(self, label, got, want):
        if got == want:
            self.passed += 1
        else:
            self.failed.append("%s: got %r, want %r" % (label, got, want))

    def digits(self, label, value, want):
        self.eq(label, "%.12g" % value, want)


def _test_engine(c):
    e = MT19937(5489)
    c.eq("mt 5489 #1", e.next_u32(), 3499211612)
    c.eq("mt 5489 #2", e.next_u32(), 581869302)
    c.eq("mt 0 #1", MT19937(0).next_u32(), 2357136044)
    e = MT19937()
    for _ in range(9999):
        e.next_u32()
    c.eq("mt 5489 #10000", e.next_u32(), 4123659995)
    # Full 32-bit seed: the high bit must reach the state.
    c.eq("mt seeds differ", MT19937(0x80000000).next_u32() != MT19937(0).next_u32(), True)


def _test_draws(c):
    r = RandomSource(5489)
    x = r.canonical()
    c.digits("canonical", x, "0.135477004297")
    c.digits("angle", 360.0 * x, "48.7717215468")
    c.eq("canonical halves", x, (3499211612 + 581869302 * TWO_POW_32) * TWO_POW_M64)

    r = RandomSource(5489)
    c.digits("gaussian(0,1)", r.gaussian(0.0, 1.0), "0.522421609745")
    c.eq("first attempt accepted", r.engine.index, 4)
    r = RandomSource(5489)
    gx = 2.0 * r.canonical() - 1.0
    gy = 2.0 * r.canonical() - 1.0
    c.digits("gaussian x", gx, "-0.729045991406")
    c.digits("gaussian y", gy, "0.670017179989")
    c.digits("gaussian r2", gx * gx + gy * gy, "0.980431079066")

    r = RandomSource(7)
    c.eq("gaussian lo == hi", r.gaussian(2.5, 2.5), 2.5)
    c.eq("lo == hi consumes 4k outputs", r.engine.index % 4, 0)
    r = RandomSource(7)
    values = [r.gaussian(3.0, 1.0) for _ in range(50)]
    c.eq("gaussian lo > hi", set(values), {3.0})
    r = RandomSource(11)
    values = [r.gaussian(-1.0, 1.0) for _ in range(20000)]
    c.eq("gaussian within bounds", all(-1.0 <= v <= 1.0 for v in values), True)
    c.eq("gaussian hits both bounds", (-1.0 in values) and (1.0 in values), True)

    c.eq("u 858993459 binary", is_binary_decision(858993459), True)
    c.eq("u 858993460 single", is_binary_decision(858993460), False)
    c.eq("u 0 binary", is_binary_decision(0), True)


def _test_settings(c):
    c.eq("unknown preset 4", preset_settings(4), Settings())
    c.eq("unknown preset -1", preset_settings(-1), Settings())
    toliman = preset_settings(2)
    c.eq("toliman comets", (toliman.objectType, toliman.referencePlane), (COMET, ECLIPTIC))
    em = preset_settings(3).totalMass
    c.eq("em mass near 1.0123 earths", abs(em - 1.0123 * SOL_MASS_OF_EARTH) <= 1e-21, True)
    c.eq("em mass as the field keeps it", entered_preset_settings(3).totalMass,
         3.04010621889297e-06)
    c.eq("other values as typed", replace(entered_preset_settings(2), totalMass=0.0),
         preset_settings(2))
    c.eq("number cap", Generator(Settings(number=2 ** 32 - 1), 1).settings.number, MAX_NUMBER)
    c.eq("empty belt", belt_catalogue(0, 5489, number=0), b"")
    c.eq("moon radius", Asteroid(radius=AU_KM).safe_moon_radius(), 1.2)


def _test_vulcanoids(c):
    gen = Generator(preset_settings(0), 5489)
    bodies = gen.generate()
    b1, b2 = bodies[0], bodies[1]
    o = b1.orbit
    c.digits("VS1 a", o.semiMajorAxis, "0.165672648292")
    c.digits("VS1 i", o.inclination, "1.53550060794")
    c.digits("VS1 e", o.eccentricity, "0.000527285280706")
    c.digits("VS1 w", o.argOfPericenter, "106.930601841")
    c.digits("VS1 node", o.ascendingNode, "1.72205439095")
    c.eq("VS1 decision", gen.decisions[0], 1811450929)
    c.eq("VS1 single", (type(b1), b1.name, b1.parentBody), (Asteroid, "VS 1", "Sol"))
    c.digits("VS1 radius", b1.radius, "1.60384622565")
    c.digits("VS1 density", b1.density, "5.12897487895e-13")
    c.digits("VS1 mass", b1.mass, "8.86354309484e-12")
    c.digits("VS1 rotation", b1.rotationPeriod, "7.64737317415")
    c.digits("VS1 obliquity", b1.obliquity, "141.201727113")
    c.eq("VS1 no period, M 0", (math.isnan(o.period), o.meanAnomaly), (True, 0.0))

    o = b2.orbit
    c.digits("VS2 a", o.semiMajorAxis, "0.159900221257")
    c.digits("VS2 i", o.inclination, "-3.61163918857")
    c.digits("VS2 e", o.eccentricity, "0.000159614311674")
    c.digits("VS2 w", o.argOfPericenter, "275.586045123")
    c.digits("VS2 node", o.ascendingNode, "286.271965489")
    c.eq("VS2 decision", gen.decisions[1], 156513983)
    c.eq("VS2 binary", (type(b2), b2.name), (BinaryAsteroid, "VS 2"))
    c.digits("VS2 radius", b2.radius, "1.03798132643")
    c.digits("VS2 companion", b2.companionRadius, "0.639060912682")
    c.digits("VS2 density", b2.density, "5.3626178504e-13")
    co = b2.componentOrbit
    c.digits("VS2 comp period", co.period, "0.000296169110349")
    c.digits("VS2 comp period days", co.period * DAYS_PER_YEAR, "0.10817345443")
    c.digits("VS2 comp i", co.inclination, "255.853395033")
    c.digits("VS2 comp e", co.eccentricity, "0.0393322047891")
    c.digits("VS2 comp w", co.argOfPericenter, "278.610166409")
    c.digits("VS2 comp node", co.ascendingNode, "206.551679975")
    c.eq("VS2 comp plane", (co.referencePlane, co.semiMajorAxis), (EQUATOR, 0.0))
    c.digits("VS2 A mass", body_mass(b2.radius, b2.density), "2.51208355391e-12")
    c.digits("VS2 B mass", body_mass(b2.companionRadius, b2.density), "5.86262647247e-13")
    c.digits("VS2 B w", (co.argOfPericenter + 180.0) - 360.0, "98.6101664089")

    binary_ids = [i + 1 for i, b in enumerate(bodies) if isinstance(b, BinaryAsteroid)]
    c.eq("next binary is 10", binary_ids[:2], [2, 10])
    c.eq("50 binaries", len(binary_ids), 50)
    text = catalogue_text(bodies)
    c.eq("block count", text.count("}\n\n"), 200 + 2 * 50)
    c.eq("VS2 B text", '"VS 2 B"\n' in text and "ArgOfPericen\t98.61016640" in text, True)


def _test_ebelt(c):
    gen = Generator(preset_settings(3), 5489)
    b1, b2 = gen.generate()[:2]
    c.digits("ES1 a", b1.orbit.semiMajorAxis, "0.0152242160975")
    c.digits("ES1 period", b1.orbit.period, "1.07735301373")
    c.digits("ES1 i", b1.orbit.inclination, "0.767750303972")
    c.digits("ES1 e", b1.orbit.eccentricity, "0.000527285280706")
    c.digits("ES1 w", b1.orbit.argOfPericenter, "106.930601841")
    c.digits("ES1 node", b1.orbit.ascendingNode, "1.72205439095")
    c.eq("ES1 single", (type(b1), b1.name, b1.parentBody), (Asteroid, "ES 1", "Earth-Moon"))
    c.digits("ES1 radius", b1.radius, "13.012334834")
    c.digits("ES2 a", b2.orbit.semiMajorAxis, "0.0133000737522")
    c.digits("ES2 period", b2.orbit.period, "0.879704259825")
    c.digits("ES2 i", b2.orbit.inclination, "-1.80581959428")
    c.eq("ES2 binary", (gen.decisions[1], type(b2)), (156513983, BinaryAsteroid))
    c.eq("zero mass gives inf period", ieee_sqrt(ieee_div(ieee_pow3(0.5), 0.0)), INF)


def _expect(lines):
    return "".join(line + "\n" for line in lines)


def _test_format(c):
    table = [(0.0, "0"), (2457395.5, "2457395.5"), (360.0, "360"), (-1.25, "-1.25"),
             (0.1, "0.1000000000000000056"), (0.1625, "0.1625000000000000056"),
             (0.0001, "0.0001000000000000000048"), (0.00001, "1.000000000000000082e-05"),
             (1e19, "1e+19"), (-0.0, "-0"), (INF, "inf"), (-INF, "-inf"), (NAN, "nan")]
    for value, text in table:
        c.eq("format %r" % value, fmt_num(value), text)

    single = Asteroid(objectType=ASTEROID, name="VS 17", parentBody="Sol", radius=1.5,
                      mass=7.099822690414859e-12, rotationPeriod=6.25, obliquity=123.5,
                      orbit=Orbit(epoch=2457395.5, semiMajorAxis=0.1625,
                                  period=0.06550584420492572, eccentricity=0.05,
                                  inclination=-1.25, ascendingNode=200.75,
                                  argOfPericenter=33.5, meanAnomaly=0.0,
                                  referencePlane=ECLIPTIC))
    want_single = _expect([
        'Asteroid "VS 17"', "{", '\tParentBody\t"Sol"', '\tClass\t\t"Asteroid"',
        "\tMass\t\t7.099822690414859139e-12", "\tRadius\t\t1.5", "\tRotationPeriod\t6.25",
        "", "\tObliquity\t\t123.5", "", "\tOrbit", "\t{", "\t\tEpoch\t\t\t2457395.5",
        "\t\tSemiMajorAxis\t0.1625000000000000056", "\t\tPeriod\t\t\t0.0655058442049257228",
        "\t\tEccentricity\t0.05000000000000000278", "\t\tInclination\t\t-1.25",
        "\t\tAscendingNode\t200.75", "\t\tArgOfPericen\t33.5", '\t\tRefPlane\t\t"Ecliptic"',
        "\t\tMeanAnomaly\t\t0", "\t}", "}", ""])
    c.eq("single block", catalogue_text([single]), want_single)
    c.eq("single block twice", catalogue_text([single, single]), want_single * 2)

    binary = BinaryAsteroid(objectType=COMET, name="VS 18", parentBody="Sol", radius=2.0,
                            companionRadius=1.0, density=5.02209722780233e-13,
                            orbit=Orbit(epoch=2457395.5, semiMajorAxis=0.17, eccentricity=0.01,
                                        inclination=2.5, ascendingNode=10.0,
                                        argOfPericenter=20.0),
                            componentOrbit=Orbit(epoch=2457395.5, period=0.004106863997875025,
                                                 eccentricity=0.05, inclination=90.0,
                                                 ascendingNode=45.0, argOfPericenter=30.0,
                                                 referencePlane=EQUATOR))
    comp_orbit = ["", "\tOrbit", "\t{", "\t\tEpoch\t\t\t2457395.5",
                  "\t\tPeriod\t\t\t0.004106863997875025325",
                  "\t\tEccentricity\t0.05000000000000000278", "\t\tInclination\t\t90",
                  "\t\tAscendingNode\t45"]
    comp_tail = ['\t\tRefPlane\t\t"Equator"', "\t\tMeanAnomaly\t\t0", "\t}", "}", ""]
    want_binary = _expect(
        ['Barycenter "VS 18"', "{", '\tParentBody\t"Sol"', "", "\tOrbit", "\t{",
         "\t\tEpoch\t\t\t2457395.5", "\t\tSemiMajorAxis\t0.1700000000000000122",
         "\t\tEccentricity\t0.01000000000000000021", "\t\tInclination\t\t2.5",
         "\t\tAscendingNode\t10", "\t\tArgOfPericen\t20", '\t\tRefPlane\t\t"Ecliptic"',
         "\t\tMeanAnomaly\t\t0", "\t}", "}", "",
         'Comet "VS 18 A"', "{", '\tParentBody\t"VS 18"', '\tClass\t\t"Asteroid"',
         "\tMass\t\t1.682920934024263158e-11", "\tRadius\t\t2"]
        + comp_orbit + ["\t\tArgOfPericen\t30"] + comp_tail
        + ['Comet "VS 18 B"', "{", '\tParentBody\t"VS 18"', '\tClass\t\t"Asteroid"',
           "\tMass\t\t2.103651167530328948e-12", "\tRadius\t\t1"]
        + comp_orbit + ["\t\tArgOfPericen\t-150"] + comp_tail)
    c.eq("binary block", catalogue_text([binary]), want_binary)
    c.eq("binary leaves its orbit", binary.componentOrbit.argOfPericenter, 30.0)

    # Lines that are left out or kept by condition.
    for a in (0.0, -1.0, NAN):
        out = []
        write_orbit(out, Orbit(semiMajorAxis=a))
        c.eq("no SemiMajorAxis for %r" % a, "SemiMajorAxis" in "".join(out), False)
    out = []
    write_orbit(out, Orbit(period=0.0, referencePlane=7))
    text = "".join(out)
    c.eq("period 0 written", "\t\tPeriod\t\t\t0\n" in text, True)
    c.eq("unknown plane", "\t\tRefPlane\t\t\n" in text, True)
    text = catalogue_text([Asteroid(obliquity=5.0)])
    c.eq("obliquity only", "\tRadius\t\t0\n\n\tObliquity\t\t5\n" in text, True)
    text = catalogue_text([Asteroid(objectType=9, name="")])
    c.eq("unknown type, empty name", text.startswith(' ""\n{\n'), True)
    c.eq("neither rotation nor obliquity", "\tRadius\t\t0\n\n\tOrbit\n" in text, True)
    b = replace(binary, componentOrbit=replace(binary.componentOrbit, argOfPericenter=200.0))
    c.eq("B at 20", catalogue_text([b]).endswith("\t\tArgOfPericen\t20\n" + _expect(comp_tail)), True)
    # The sum is rounded at 380.1 before 360 comes off, so B is not simply A - 180.
    b = replace(binary, componentOrbit=replace(binary.componentOrbit, argOfPericenter=200.1))
    c.eq("B shift rounding", "\t\tArgOfPericen\t20.10000000000002274\n" in catalogue_text([b]), True)


def _test_recipe(c):
    rows = [('"MB"', "MB"), ('"a\\"b\\\\c"', 'a"b\\c'), ('"\\x41\\tB\\n"', "A\tB\n"),
            ('""', ""), ('" spaced "', " spaced "), ("4:1", "4:1")]
    for text, want in rows:
        c.eq("unquoted %s" % text, unquoted(text), want)
    rows = [("4:1 3:1", [(4, 1), (3, 1)]), ("4:1,3:1", [(4, 1), (3, 1)]),
            (" 2:1\t ", [(2, 1)]), ("4:2", None), ("1:2", None), ("13:12", None),
            ("", None), ("3:1 x", None), ("3:", None), (":1", None), ("-3:1", None)]
    for text, want in rows:
        c.eq("resonances %r" % text, resonances_of(text), want)
    kuiper, seed = example_recipe("kuiper-belt")
    c.eq("kuiper recipe", (seed, kuiper.beltName, kuiper.planetMassUnit, kuiper.planetMass,
                           kuiper.populations[-1].familyResonance, kuiper.resonanceGaps),
         (1930, "KB", EARTH_MASSES, 17.15, "3:2", False))
    settings = preset_settings(3)
    for line in ("mass-unit = earth", "total-mass=2", "planet = true", "epoch=-0"):
        apply_setting(settings, line)
    c.eq("earth total mass", settings.total_mass_for_run(), 2 * SOL_MASS_OF_EARTH)
    c.eq("no negative zero", math.copysign(1.0, settings.epoch), 1.0)


def _test_resonances(c):
    # Where the planet's resonances lie: the Kirkwood gaps and the Hildas of
    # Jupiter, the Plutinos and the 2:1 of Neptune (to 0.01 AU).
    planet = Planet(example_recipe("main-belt")[0])
    neptune = Planet(example_recipe("kuiper-belt")[0])
    rows = [(planet, (4, 1), False, 2.06), (planet, (3, 1), False, 2.50),
            (planet, (5, 2), False, 2.82), (planet, (7, 3), False, 2.96),
            (planet, (2, 1), False, 3.28), (planet, (3, 2), False, 3.97),
            (neptune, (3, 2), True, 39.40), (neptune, (2, 1), True, 47.73)]
    for body, resonance, outside, want in rows:
        zone = body.resonance_zone(resonance, outside)
        c.eq("%d:%d at %.2f AU" % (resonance + (want,)), round(zone.center, 2), want)
        c.eq("%d:%d narrow" % resonance, 0 < zone.half_width < 0.1 * zone.center, True)
    c.eq("mu of Jupiter", round(1 / planet.mu, 2), 1047.57)
    # Wider at a larger eccentricity, and more so for a higher order.
    low, high = Planet(replace(example_recipe("main-belt")[0], resonanceEccentricity=0.1)), planet
    ratio = [high.resonance_zone(r, False).half_width / low.resonance_zone(r, False).half_width
             for r in ((2, 1), (3, 1), (4, 1))]
    c.eq("width grows as e^(order/2)", [round(x, 6) for x in ratio],
         [round(5 ** (k / 2), 6) for k in (1, 2, 3)])


def self_test():
    c = Checker()
    for test in (_test_engine, _test_draws, _test_settings, _test_vulcanoids, _test_ebelt,
                 _test_format, _test_recipe, _test_resonances):
        try:
            test(c)
        except Exception as exc:  # a crash is a failure, and the other groups still run
            c.failed.append("%s raised %s: %s" % (test.__name__, type(exc).__name__, exc))
    for failure in c.failed:
        print("FAIL " + failure)
    print("%d checks passed, %d failed" % (c.passed, len(c.failed)))
    return 0 if not c.failed else 1


# --------------------------------------------------------------------------

def _u32(text):
    value = int(text, 0)
    if not 0 <= value <= 0xFFFFFFFF:
        raise argparse.ArgumentTypeError("must be an unsigned 32-bit value")
    return value


def main(argv=None):
    parser = argparse.ArgumentParser(description="Reference belt catalogue writer.")
    parser.add_argument("--preset", choices=sorted(PRESET_NAMES))
    parser.add_argument("--example", choices=example_names(),
                        help="an example recipe of resources/examples (its seed unless --seed)")
    parser.add_argument("--seed", type=_u32)
    parser.add_argument("--number", type=_u32, help="override the preset's body count")
    parser.add_argument("--output", help="file to write (default: standard output)")
    parser.add_argument("--set", action="append", default=[], metavar="KEY=VALUE",
                        help="a setting as a recipe line gives it")
    parser.add_argument("--reached", metavar="FILE",
                        help="write how often each branch of the draws was taken, as JSON")
    parser.add_argument("--self-test", action="store_true")
    args = parser.parse_args(argv)
    if args.self_test:
        return self_test()
    reached = {}
    if (args.preset is None) == (args.example is None):
        parser.error("one of --preset and --example is required")
    if args.example is not None:
        settings, seed = example_recipe(args.example)
        seed = seed if args.seed is None else args.seed
        data = belt_catalogue(None, seed, args.number, assignments=args.set, settings=settings,
                              reached=reached)
    elif args.seed is None:
        parser.error("--preset needs --seed")
    else:
        data = belt_catalogue(PRESET_NAMES[args.preset], args.seed, args.number, entered=True,
                              assignments=args.set, reached=reached)
    if args.reached:
        with open(args.reached, "w", encoding="ascii") as f:
            json.dump(reached, f)
    if args.output:
        with open(args.output, "wb") as f:
            f.write(data)
    else:
        sys.stdout.buffer.write(data)
        sys.stdout.buffer.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
