// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <iosfwd>
#include <limits>

// The epoch of every preset and of a new record or orbit: the Julian date of
// 8 January 2016, 0h.
inline constexpr double defaultEpoch = 2457395.5;

// Orbital elements of one orbit. Angles in degrees, semi-major axis in AU,
// period in years, epoch as a Julian date.
struct Orbit {
    enum ReferencePlane : std::int32_t { Ecliptic = 0, Equator = 1, Extrasolar = 2 };

    double epoch = defaultEpoch;
    // Not above 0 means "not given": the catalogue then leaves the line out.
    double semiMajorAxis = 0.0;
    // NaN means "not given".
    double period = std::numeric_limits<double>::quiet_NaN();
    double eccentricity = 0.0;
    double inclination = 0.0;
    double ascendingNode = 0.0;
    double argOfPericenter = 0.0;
    double meanAnomaly = 0.0;
    ReferencePlane referencePlane = Ecliptic;
};

std::ostream &operator<<(std::ostream &os, Orbit const &orbit);
std::ostream &operator<<(std::ostream &os, Orbit::ReferencePlane const &plane);
