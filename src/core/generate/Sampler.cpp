// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sampler.h"

#include "CorrectRounding.h"

#include <algorithm>
#include <cmath>

double Sampler::bounded(ElementDraw draw, double lo, double hi)
{
    double const m = std::sqrt(-2 * CorrectRounding::log(draw.r2) / draw.r2);
    double const z = draw.y * m;
    double const sigma = (hi - lo) / 6;
    double const mu = (lo + hi) * 0.5;
    double const v = z * sigma + mu;
    return std::max(lo, std::min(hi, v));
}
