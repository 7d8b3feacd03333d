// SPDX-License-Identifier: GPL-3.0-or-later
#include "InverseDraw.h"

#include "CorrectRounding.h"

#include <algorithm>
#include <cmath>

InverseDraw::InverseDraw(Kind kind, double lo, double hi)
    : kind(lo < hi ? kind : Kind::Lower)
    , lo(lo)
    , hi(hi)
{}

InverseDraw InverseDraw::powerLaw(double lo, double hi, double g)
{
    using CorrectRounding::power;
    if (g == 0) {
        InverseDraw draw(Kind::Logarithmic, lo, hi);
        draw.span = CorrectRounding::log(hi / lo);
        return draw;
    }
    InverseDraw draw(Kind::Power, lo, hi);
    draw.g = g;
    // Scaled from the bound where the count is largest, so that the base of
    // the logarithm stays in (0, 1] and a lower bound of 0 works for g > 0.
    if (g > 0) {
        double const c = power(lo / hi, g);
        draw.base = hi;
        draw.offset = c;
        draw.span = 1 - c;
    } else {
        double const c = power(hi / lo, g);
        draw.base = lo;
        draw.offset = 1;
        draw.span = c - 1;
    }
    return draw;
}

InverseDraw InverseDraw::rayleigh(double lo, double hi, double sigma)
{
    InverseDraw draw(Kind::Rayleigh, lo, hi);
    draw.g = 2 * sigma * sigma;
    draw.span = CorrectRounding::exp(-((hi * hi - lo * lo) / draw.g)) - 1;
    return draw;
}

double InverseDraw::operator()(double u) const
{
    double v = lo;
    switch (kind) {
    case Kind::Lower: return lo;
    case Kind::Power:
        v = base * CorrectRounding::exp(CorrectRounding::log(offset + u * span) / g);
        break;
    case Kind::Logarithmic: v = lo * CorrectRounding::exp(u * span); break;
    case Kind::Rayleigh: v = std::sqrt(lo * lo - g * CorrectRounding::log(1 + u * span)); break;
    }
    return std::max(lo, std::min(hi, v));
}
