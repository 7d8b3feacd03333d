// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Generator.h"

#include <cmath>

// Reaches the generator's private draws, so tests can follow the engine
// output by output.
class GeneratorProbe {
public:
    explicit GeneratorProbe(Generator &generator)
        : generator(generator)
    {}
    double canonical() { return generator.sampler.canonical(); }
    double gaussian(double lo, double hi) { return generator.sampler.gaussian(lo, hi); }
    std::mt19937 &engine() { return generator.sampler.engine; }

private:
    Generator &generator;
};

// Agreement to 12 significant digits, as the worked examples give their values.
inline bool sameTo12Digits(double actual, double expected)
{
    return std::fabs(actual - expected) <= 5e-12 * std::fabs(expected);
}
