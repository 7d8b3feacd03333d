// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementShapes.h"

ElementShapes::ElementShapes(Population const &s)
    : radius(s.radiusDistribution == Population::RadiusDistribution::PowerLaw)
    , semiMajorAxis(s.semiMajorAxisDistribution ==
                    Population::SemiMajorAxisDistribution::SurfaceDensity)
    , inclination(s.inclinationDistribution == Population::SpreadDistribution::Rayleigh)
    , eccentricity(s.eccentricityDistribution == Population::SpreadDistribution::Rayleigh)
    , meanAnomaly(s.meanAnomalyDistribution == Population::MeanAnomalyDistribution::Uniform)
    // N(>R) ~ R^-q; a disc of surface density r^-p holds ~ r^(1-p) dr.
    , radiusDraw(InverseDraw::powerLaw(s.minRadius, s.maxRadius, -s.radiusSlope))
    , semiMajorAxisDraw(
          InverseDraw::powerLaw(s.innerRadius, s.outerRadius, 2 - s.surfaceDensitySlope))
    // Inclinations lie in [0, bound]: the node's direction gives the other side.
    , inclinationDraw(InverseDraw::rayleigh(0, s.maxInclination, s.inclinationMode))
    , eccentricityDraw(
          InverseDraw::rayleigh(s.minEccentricity, s.maxEccentricity, s.eccentricityMode))
    , innerRadius(s.innerRadius)
    , outerRadius(s.outerRadius)
{}

double ElementShapes::beltAxis(Sampler::ElementDraw draw) const
{
    return semiMajorAxis ? semiMajorAxisDraw(draw.y)
                         : Sampler::bounded(draw, innerRadius, outerRadius);
}
