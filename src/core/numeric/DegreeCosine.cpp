// SPDX-License-Identifier: GPL-3.0-or-later
#include "DegreeCosine.h"

#include <cmath>

namespace {

// The Taylor series of cos t and sin t to t^16 and t^17: on |t| <= pi/4 the
// first term left out is below 2e-18.
double cosine(double t)
{
    double const s = t * t;
    double sum = 4.779477332387385e-14; // 1/16!
    sum = sum * s - 1.1470745597729725e-11;
    sum = sum * s + 2.08767569878681e-09;
    sum = sum * s - 2.755731922398589e-07;
    sum = sum * s + 2.48015873015873e-05;
    sum = sum * s - 0.001388888888888889;
    sum = sum * s + 0.041666666666666664;
    sum = sum * s - 0.5;
    return sum * s + 1.0;
}

double sine(double t)
{
    double const s = t * t;
    double sum = 2.8114572543455206e-15; // 1/17!
    sum = sum * s - 7.647163731819816e-13;
    sum = sum * s + 1.6059043836821613e-10;
    sum = sum * s - 2.505210838544172e-08;
    sum = sum * s + 2.7557319223985893e-06;
    sum = sum * s - 0.0001984126984126984;
    sum = sum * s + 0.008333333333333333;
    sum = sum * s - 0.16666666666666666;
    return (sum * s) * t + t;
}

constexpr double radiansPerDegree = 0.017453292519943295;

} // namespace

double degreeCosine(double degrees)
{
    // fmod is exact, and each reflection below is exact by Sterbenz's lemma.
    double r = std::fmod(std::fabs(degrees), 360.0);
    if (r > 180)
        r = 360 - r;
    double sign = 1;
    if (r > 90) {
        r = 180 - r;
        sign = -1;
    }
    double const value =
        r > 45 ? sine((90 - r) * radiansPerDegree) : cosine(r * radiansPerDegree);
    return sign * value;
}
