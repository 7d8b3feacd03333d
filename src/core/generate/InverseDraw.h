// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A distribution on [lo, hi] drawn by inverting its distribution function:
// one canonical fraction u in [0, 1) gives one value, so every draw takes the
// same two engine outputs. The constants are worked out once per belt with
// the correctly rounded functions; each draw then costs a logarithm and an
// exponential (a logarithm and a square root for the Rayleigh distribution).
// Every formula below is the exact sequence of operations, so that another
// implementation can make the same bits. lo >= hi gives lo, as the bounded
// normal draw does; results are clamped as min(hi, v), then max(lo, ...).
class InverseDraw {
public:
    // Density proportional to x^(g-1), so the count above x falls as x^g:
    //   g > 0: c = power(lo / hi, g);  x = hi exp(log(c + u (1 - c)) / g)
    //   g < 0: c = power(hi / lo, g);  x = lo exp(log(1 + u (c - 1)) / g)
    //   g = 0: c = log(hi / lo);       x = lo exp(u c)
    // with power(x, y) = exp(y log x). Sizes with N(>R) ~ R^-q take g = -q;
    // a disc of surface density ~ r^-p takes g = 2 - p.
    static InverseDraw powerLaw(double lo, double hi, double g);
    // Density proportional to x exp(-x^2 / (2 sigma^2)), mode sigma, on [lo, hi]:
    //   s = 2 sigma sigma;  c = exp(-((hi hi - lo lo) / s)) - 1;
    //   x = sqrt(lo lo - s log(1 + u c))
    static InverseDraw rayleigh(double lo, double hi, double sigma);

    double operator()(double u) const;

private:
    enum class Kind { Lower, Power, Logarithmic, Rayleigh };
    InverseDraw(Kind kind, double lo, double hi);

    Kind kind;
    double lo, hi;
    double base = 0;   // Power: the bound x is scaled from
    double offset = 1; // Power: c or 1
    double span = 0;   // Power: 1 - c or c - 1; Logarithmic, Rayleigh: c
    double g = 0;      // Power: the exponent; Rayleigh: s
};
