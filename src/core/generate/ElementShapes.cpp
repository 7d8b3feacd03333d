// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementShapes.h"

ElementShapes::ElementShapes(Settings const &s)
    : radius(s.radiusDistribution == Settings::RadiusDistribution::PowerLaw)
    , semiMajorAxis(s.semiMajorAxisDistribution ==
                    Settings::SemiMajorAxisDistribution::SurfaceDensity)
    , inclination(s.inclinationDistribution == Settings::SpreadDistribution::Rayleigh)
    , eccentricity(s.eccentricityDistribution == Settings::SpreadDistribution::Rayleigh)
    , meanAnomaly(s.meanAnomalyDistribution == Settings::MeanAnomalyDistribution::Uniform)
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
