// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawOrder.h"

DrawOrder::DrawOrder(Sampler &sampler, std::vector<PopulationPlan> const &plans,
                     PlanetZones const &zones)
    : sampler(sampler)
    , plans(plans)
    , zones(zones)
{}

// The draws of each body, in engine order. An element with an inverted
// distribution takes one canonical fraction (two outputs) where the bell
// takes its polar-method attempts (four outputs each); the mean anomaly, when
// spread, takes one fraction after the ascending node. So a body draws:
//   semi-major axis, inclination, eccentricity, argument of pericenter (X),
//   ascending node (X), [mean anomaly (X)], the decision (one output), then
//   single: radius, density (bell), rotation period (bell), obliquity (X);
//   binary: radius, companion share (X), density (bell), component period
//   (X), inclination (X), eccentricity (bell), argument of pericenter (X),
//   ascending node (X).
// The bodies of the populations come one population after the other, in
// their order (populationCounts() in Population.h), and each body's
// semi-major axis draw is its kind's (KindDraws.cpp):
//   background: the draw above, repeated, whole, as long as the semi-major
//     axis it gives lies in a gap or the chaotic zone (with a planet);
//   Trojans: one output, L4 when its unit fraction is below the L4 share,
//     else L5; then x = 2X - 1, then y = 2X - 1, repeated as a pair until
//     x x + y y < 1;
//   family: one fraction u, a = center + halfWidth (2u - 1), repeated while
//     the cleared orbit holds a;
//   Trojans of Rayleigh amplitudes: the L4 output, one fraction for the
//     amplitude, then the pair until 0 < x x + y y < 1;
//   resonant: for the outer 2:1 one output for its island, the amplitude
//     and phase as a Trojan's, one output for the branch of its longitude;
//   collisional family: three bell draws (dv_R, dv_T, dv_W), repeated as a
//     triple while the member's orbit would not be bound, and no inclination
//     or eccentricity draw after them;
//   scattered disc: one fraction for a, one for the perihelion, then the
//     inclination, and no eccentricity draw.
// The inclination, eccentricity, radius and mean anomaly are drawn by the
// population's own distributions. A Trojan's mean anomaly follows from its
// longitude; one drawn for it is drawn all the same and not used.
bool DrawOrder::drawOrbit(OrbitDraws &orbit, std::uint32_t population)
{
    PopulationPlan const &plan = plans[population];
    ElementShapes const &shapes = plan.shapes;
    orbit.population = population;
    orbit.elementsDrawn = false;
    plan.kind.draw(DrawContext{sampler, zones, stop}, plan, orbit);
    if (!orbit.elementsDrawn) {
        orbit.inclination = sampler.drawElement(shapes.inclination);
        orbit.eccentricity = sampler.drawElement(shapes.eccentricity);
    }
    orbit.argOfPericenter = 360 * sampler.canonical();
    orbit.ascendingNode = 360 * sampler.canonical();
    if (shapes.meanAnomaly)
        orbit.meanAnomaly = 360 * sampler.canonical();

    double const unit = sampler.unitFraction();
    return !(unit > binaryFraction);
}

void DrawOrder::drawSingle(BodyDraws &body, std::uint32_t population)
{
    body.radius = sampler.drawElement(plans[population].shapes.radius);
    body.density = sampler.drawNormal();
    body.rotationPeriod = sampler.drawNormal();
    body.obliquity = 360 * sampler.canonical();
}

void DrawOrder::drawBinary(BodyDraws &body, std::uint32_t population)
{
    body.radius = sampler.drawElement(plans[population].shapes.radius);
    body.companionShare = sampler.canonical();
    body.density = sampler.drawNormal();

    Orbit &component = body.componentOrbit;
    component = Orbit();
    component.period = (sampler.canonical() * 2.9 + 0.1) / BaseAsteroid::daysYear;
    component.inclination = sampler.canonical() * 360;
    body.componentEccentricity = sampler.drawNormal();
    component.argOfPericenter = sampler.canonical() * 360;
    component.ascendingNode = sampler.canonical() * 360;
    component.referencePlane = Orbit::Equator;
}
