// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawOrder.h"

DrawOrder::DrawOrder(Sampler &sampler, ElementShapes const &shapes, PlanetZones const &zones)
    : sampler(sampler)
    , shapes(shapes)
    , zones(zones)
{}

bool DrawOrder::stopRequested() const
{
    return stop && stop->load();
}

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
// With a planet (PlanetZones.h), a body first takes one output whose unit
// fraction picks its population when there are Trojans or a family; its
// semi-major axis draw is then:
//   belt body: the draw above, repeated, whole, as long as the semi-major
//     axis it gives lies in a gap or the chaotic zone;
//   Trojan: x = 2X - 1, then y = 2X - 1, repeated as a pair until x x + y y < 1;
//   family body: one fraction u, a = center + halfWidth (2u - 1), repeated
//     while the cleared orbit holds a.
// A Trojan's mean anomaly is lambda - node - pericenter, brought into [0, 360)
// by adding or taking 360 as often as needed; a mean anomaly drawn for it is
// drawn all the same and not used.
void DrawOrder::drawSemiMajorAxis(OrbitDraws &orbit)
{
    using Population = PlanetZones::Population;
    orbit.population = Population::Belt;
    if (zones.drawsPopulation())
        orbit.population = zones.population(sampler.unitFraction());
    switch (orbit.population) {
    case Population::Belt:
        orbit.semiMajorAxis = sampler.drawElement(shapes.semiMajorAxis);
        orbit.axisKnown = zones.excludes();
        if (orbit.axisKnown) {
            // A belt with little room left may redraw for long: a stop ends
            // it, and a stopped run keeps none of its bodies.
            while (zones.excluded(orbit.axis = shapes.beltAxis(orbit.semiMajorAxis)) &&
                   !stopRequested())
                orbit.semiMajorAxis = sampler.drawElement(shapes.semiMajorAxis);
        }
        break;
    case Population::L4:
    case Population::L5:
        do {
            orbit.discX = 2 * sampler.canonical() - 1;
            orbit.discY = 2 * sampler.canonical() - 1;
        } while (!(orbit.discX * orbit.discX + orbit.discY * orbit.discY < 1));
        break;
    case Population::Family:
        do
            orbit.familyFraction = sampler.canonical();
        while (zones.clears(zones.familyAxis(orbit.familyFraction)) && !stopRequested());
        break;
    }
}

bool DrawOrder::drawOrbit(OrbitDraws &orbit)
{
    drawSemiMajorAxis(orbit);
    orbit.inclination = sampler.drawElement(shapes.inclination);
    orbit.eccentricity = sampler.drawElement(shapes.eccentricity);
    orbit.argOfPericenter = 360 * sampler.canonical();
    orbit.ascendingNode = 360 * sampler.canonical();
    if (shapes.meanAnomaly)
        orbit.meanAnomaly = 360 * sampler.canonical();

    double const unit = sampler.unitFraction();
    return !(unit > binaryFraction);
}

void DrawOrder::drawSingle(BodyDraws &body)
{
    body.radius = sampler.drawElement(shapes.radius);
    body.density = sampler.drawNormal();
    body.rotationPeriod = sampler.drawNormal();
    body.obliquity = 360 * sampler.canonical();
}

void DrawOrder::drawBinary(BodyDraws &body)
{
    body.radius = sampler.drawElement(shapes.radius);
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
