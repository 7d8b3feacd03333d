// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

// One run's engine and the ways its outputs become numbers. Every number of a
// belt comes from here, in the order the draw order asks for them. The draws
// are inline: they run a few dozen times per body.
class Sampler {
public:
    // One element's draw as the engine gives it. For the bell, the polar
    // method's second coordinate and squared radius; for an inverted
    // distribution, its canonical fraction in y. Making a number of it needs
    // no engine output, so it can run off the drawing thread.
    struct ElementDraw {
        double y = 0;
        double r2 = 1;
    };

    explicit Sampler(unsigned int seed)
        : engine(seed)
    {}

    // One engine output as a fraction in [0, 1).
    double unitFraction() { return engine() * 0x1p-32; }
    // Two engine outputs, low half first, as a fraction in [0, 1).
    double canonical()
    {
        double const low = engine();
        double const high = engine();
        return (low + high * 0x1p32) * 0x1p-64;
    }
    ElementDraw drawNormal()
    {
        // Polar method; only the second variate is used, none is kept for later.
        double x, y, r2;
        do {
            x = 2 * canonical() - 1;
            y = 2 * canonical() - 1;
            r2 = x * x + y * y;
        } while (r2 > 1 || r2 == 0);
        return {y, r2};
    }
    // A bell's draw, or a canonical fraction when inverted is set.
    ElementDraw drawElement(bool inverted)
    {
        if (inverted)
            return {canonical(), 1};
        return drawNormal();
    }
    // The normal variate scaled to mean (lo + hi) / 2 and deviation
    // (hi - lo) / 6, clamped to [lo, hi].
    static double bounded(ElementDraw draw, double lo, double hi);
    // A bell's draw, bounded.
    double gaussian(double lo, double hi) { return bounded(drawNormal(), lo, hi); }

    std::mt19937 engine;
};
