// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "InverseDraw.h"
#include "Sampler.h"
#include "Population.h"

// Which elements take a fraction for an inverted distribution instead of
// the bell, and those distributions: what both the draws and the making of
// numbers from them need to know.
struct ElementShapes {
    explicit ElementShapes(Population const &population);

    // A belt body's semi-major axis from its draw.
    double beltAxis(Sampler::ElementDraw draw) const;

    bool radius, semiMajorAxis, inclination, eccentricity, meanAnomaly;
    InverseDraw radiusDraw, semiMajorAxisDraw, inclinationDraw, eccentricityDraw;
    double innerRadius, outerRadius; // the bell's bounds of the semi-major axis
};
