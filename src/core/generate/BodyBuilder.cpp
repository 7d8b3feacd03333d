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

BodyBuilder::BodyBuilder(Settings const &settings, std::vector<PopulationPlan> const &plans,
                         PlanetZones const &zones)
    : settings(settings)
    , plans(plans)
    , zones(zones)
{}

Orbit BodyBuilder::finishOrbit(OrbitDraws const &draws) const
{
    PopulationPlan const &plan = plans[draws.population];
    ElementShapes const &shapes = plan.shapes;
    Population const &p = plan.population;
    Orbit orbit;
    orbit.semiMajorAxis = plan.kind.axis(zones, plan, draws);
    orbit.inclination = shapes.inclination
                            ? shapes.inclinationDraw(draws.inclination.y)
                            : bounded(draws.inclination, -p.maxInclination, +p.maxInclination);
    orbit.eccentricity =
        shapes.eccentricity
            ? shapes.eccentricityDraw(draws.eccentricity.y)
            : bounded(draws.eccentricity, p.minEccentricity, p.maxEccentricity);
    orbit.argOfPericenter = draws.argOfPericenter;
    orbit.ascendingNode = draws.ascendingNode;
    orbit.meanAnomaly = draws.meanAnomaly;
    if (plan.kind.place)
        plan.kind.place(zones, plan, draws, orbit);
    // After the place, which may set the semi-major axis from the eccentricity.
    if (settings.barycenter)
        orbit.period = Kepler::orbitalPeriod(orbit.semiMajorAxis, settings.totalMass);
    orbit.referencePlane = settings.referencePlane;
    orbit.epoch = settings.epoch;
    return orbit;
}

std::unique_ptr<BaseAsteroid> BodyBuilder::build(unsigned int id, Orbit const &orbit, bool binary,
                                               BodyDraws const &draws,
                                               std::uint32_t population) const
{
    ElementShapes const &shapes = plans[population].shapes;
    Population const &p = plans[population].population;
    double const radius = shapes.radius ? shapes.radiusDraw(draws.radius.y)
                                        : bounded(draws.radius, p.minRadius, p.maxRadius);
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
