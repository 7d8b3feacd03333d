// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Population.h"

// A collisional family: its members leave the parent's orbit with small
// velocities dv = (dv_R, dv_T, dv_W) (radial, along the track, out of the
// orbit's plane) at its true anomaly f and argument of latitude omega + f,
// and Gauss's equations turn them into changes of a, e and i (Zappala et
// al. 1996, Icarus 124, 156; Morbidelli et al. 1995, Icarus 118, 132):
//   da / a = 2 / (n a eta) ((1 + e cos f) dv_T + e sin f dv_R)
//   de     = eta / (n a) ((e + 2 cos f + e cos^2 f) / (1 + e cos f) dv_T + sin f dv_R)
//   di     = eta / (n a) cos(omega + f) / (1 + e cos f) dv_W
// with eta = sqrt(1 - e^2) and n a = k sqrt(M / a) the orbit's speed scale
// (k = 0.01720209895 AU^1.5 / day / sqrt(solar mass), a in AU, M the central
// mass in solar masses); dv in m/s becomes AU per day through 86400 s per day
// and 149597870700 m per AU. Each component of dv is normal with the
// ejection velocity as its standard deviation. Every factor is worked out
// once per belt, IEEE operations and degreeCosine() only, in the order the
// constructor gives.
struct FamilyKicks {
    FamilyKicks(Population const &population, double centralMass);

    // A member's a, e and i (degrees) from three standard normal variates:
    //   vR = scale zR, vT = scale zT, vW = scale zW,
    //   a = a0 + a0 (axisT vT + axisR vR),  e = e0 + (eccentricityT vT + eccentricityR vR),
    //   i = i0 + inclinationW vW,
    // then e = -e for e < 0, i = -i for i < 0 and 360 - i above 180 (the
    // node and pericenter are drawn for each member all the same). False
    // when the orbit is not bound: a not above 0 or e not below 1.
    bool member(double zR, double zT, double zW, double &a, double &e, double &i) const;

    // The largest plausible kicks, 5 standard deviations in each component
    // at once, in the worst of every f: |da / a| up to 2 (1 + 2 e) / eta,
    // |de| up to 3 eta, each times 5 scale. Bound when both leave the orbit
    // bound: the first below 1, e plus the second below 1.
    bool staysBound() const;
    // The widest orbit a member can get: the polar method's variates stay
    // below 14 in size (x x + y y is 2^-126 at the least), so
    // a0 + a0 (2 (1 + 2 e) / eta) 14 scale.
    double widestAxis() const;

    double a0, e0, i0;
    double eta;   // sqrt(1 - e0 e0)
    double scale; // the ejection velocity over n a
    double axisT, axisR, eccentricityT, eccentricityR, inclinationW;
};
