// SPDX-License-Identifier: GPL-3.0-or-later
#include "BodyBuilder.h"

#include "Asteroid.h"
#include "BinaryAsteroid.h"
#include "CatalogueText.h"
#include "Kepler.h"

namespace {

double bounded(Sampler::ElementDraw draw, double lo, double hi)
{
    return Sampler::bounded(draw, lo, hi);
}

} // namespace

BodyBuilder::BodyBuilder(Settings const &settings, ElementShapes const &shapes,
                         PlanetZones const &zones)
    : settings(settings)
    , shapes(shapes)
    , zones(zones)
{}

Orbit BodyBuilder::finishOrbit(OrbitDraws const &draws) const
{
    using Population = PlanetZones::Population;
    Orbit orbit;
    switch (draws.population) {
    case Population::Belt:
        orbit.semiMajorAxis = draws.axisKnown ? draws.axis : shapes.beltAxis(draws.semiMajorAxis);
        break;
    case Population::L4:
    case Population::L5:
        orbit.semiMajorAxis = zones.planetAxis + zones.trojanAxisScale * draws.discY;
        break;
    case Population::Family:
        orbit.semiMajorAxis = zones.familyAxis(draws.familyFraction);
        break;
    }
    if (settings.barycenter)
        orbit.period = Kepler::orbitalPeriod(orbit.semiMajorAxis, settings.totalMass);
    orbit.inclination =
        shapes.inclination
            ? shapes.inclinationDraw(draws.inclination.y)
            : bounded(draws.inclination, -settings.maxInclination, +settings.maxInclination);
    orbit.eccentricity =
        shapes.eccentricity
            ? shapes.eccentricityDraw(draws.eccentricity.y)
            : bounded(draws.eccentricity, settings.minEccentricity, settings.maxEccentricity);
    orbit.argOfPericenter = draws.argOfPericenter;
    orbit.ascendingNode = draws.ascendingNode;
    orbit.meanAnomaly = draws.meanAnomaly;
    if (draws.population == Population::L4 || draws.population == Population::L5) {
        double const point = draws.population == Population::L4 ? 60 : -60;
        double const longitude =
            zones.planetLongitude + point + zones.trojanAmplitude * draws.discX;
        double anomaly = longitude - orbit.ascendingNode - orbit.argOfPericenter;
        while (anomaly < 0)
            anomaly += 360;
        while (anomaly >= 360)
            anomaly -= 360;
        orbit.meanAnomaly = anomaly;
    }
    orbit.referencePlane = settings.referencePlane;
    orbit.epoch = settings.epoch;
    return orbit;
}

std::unique_ptr<BaseAsteroid> BodyBuilder::build(unsigned int id, Orbit const &orbit, bool binary,
                                               BodyDraws const &draws) const
{
    double const radius = shapes.radius
                              ? shapes.radiusDraw(draws.radius.y)
                              : bounded(draws.radius, settings.minRadius, settings.maxRadius);
    double const density = bounded(draws.density, 2.0, 4.0) * 1e12 / earthMass;
    std::unique_ptr<BaseAsteroid> body;
    if (binary) {
        auto pair = std::make_unique<BinaryAsteroid>();
        pair->companionRadius = radius * (draws.companionShare * 0.75 + 0.25);
        pair->componentOrbit = draws.componentOrbit;
        pair->componentOrbit.epoch = orbit.epoch;
        pair->componentOrbit.eccentricity = bounded(draws.componentEccentricity, 0.0, 0.1);
        body = std::move(pair);
    } else {
        body = std::make_unique<Asteroid>();
        body->mass = CatalogueText::bodyMass(radius, density);
        body->rotationPeriod = bounded(draws.rotationPeriod, minRotationPeriod, maxRotationPeriod);
        body->obliquity = draws.obliquity;
    }
    body->objectType = settings.objectType;
    body->name = bodyName(id);
    body->parentBody = settings.beltCenter;
    body->radius = radius;
    body->density = density;
    body->orbit = orbit;
    return body;
}

std::string BodyBuilder::bodyName(unsigned int id) const
{
    return settings.beltName + " " + std::to_string(id);
}
