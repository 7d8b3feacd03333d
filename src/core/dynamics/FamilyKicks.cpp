// SPDX-License-Identifier: GPL-3.0-or-later
#include "FamilyKicks.h"

#include "DegreeCosine.h"

#include <cmath>

namespace {

constexpr double gaussianGravity = 0.01720209895;                // AU^1.5 / day / sqrt(solar mass)
constexpr double metresPerSecond = 86400.0 / 149597870700.0;     // in AU per day
constexpr double degreesPerRadian = 57.29577951308232;

} // namespace

FamilyKicks::FamilyKicks(Population const &p, double centralMass)
    : a0(p.parentSemiMajorAxis)
    , e0(p.parentEccentricity)
    , i0(p.parentInclination)
{
    eta = std::sqrt(1 - e0 * e0);
    double const speed = gaussianGravity * std::sqrt(centralMass / a0);
    scale = p.ejectionVelocity * metresPerSecond / speed;
    double const c = degreeCosine(p.breakupAnomaly);
    double const s = degreeCosine(90 - p.breakupAnomaly);
    double const along = 1 + e0 * c;
    axisT = 2 / eta * along;
    axisR = 2 / eta * (e0 * s);
    eccentricityT = eta * ((e0 + 2 * c + e0 * c * c) / along);
    eccentricityR = eta * s;
    inclinationW = eta * (degreeCosine(p.breakupLatitude) / along) * degreesPerRadian;
}

bool FamilyKicks::member(double zR, double zT, double zW, double &a, double &e, double &i) const
{
    double const vR = scale * zR, vT = scale * zT, vW = scale * zW;
    a = a0 + a0 * (axisT * vT + axisR * vR);
    e = e0 + (eccentricityT * vT + eccentricityR * vR);
    i = i0 + inclinationW * vW;
    if (e < 0)
        e = -e;
    if (i < 0)
        i = -i;
    if (i > 180)
        i = 360 - i;
    return a > 0 && e < 1;
}

bool FamilyKicks::staysBound() const
{
    double const kick = 5 * scale;
    double const axis = 2 * (1 + 2 * e0) / eta * kick;
    double const eccentricity = 3 * eta * kick;
    return axis < 1 && e0 + eccentricity < 1;
}

double FamilyKicks::widestAxis() const
{
    return a0 + a0 * (2 * (1 + 2 * e0) / eta * (14 * scale));
}
