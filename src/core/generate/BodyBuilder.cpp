// SPDX-License-Identifier: GPL-3.0-or-later
#include "BodyBuilder.h"

#include "Asteroid.h"
#include "BinaryAsteroid.h"
#include "BodyLook.h"
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
                                               BodyDraws const &draws, std::uint32_t population,
                                               LookDrawn const &looks) const
{
    ElementShapes const &shapes = plans[population].shapes;
    Population const &p = plans[population].population;
    LookPlan const &lookPlan = plans[population].looks;
    double const radius = shapes.radius ? shapes.radiusDraw(draws.radius.y)
                                        : bounded(draws.radius, p.minRadius, p.maxRadius);
    // The belt's own draws; a look on takes their place.
    constexpr double notGiven = BodyLook::notGiven;
    LookedValues values{notGiven, notGiven, notGiven};
    if (binary) {
        values.density = bounded(draws.density, 2.0, 4.0);
    } else {
        values = {bounded(draws.density, 2.0, 4.0),
                  bounded(draws.rotationPeriod, minRotationPeriod, maxRotationPeriod),
                  draws.obliquity};
    }
    BodyLook look;
    if (lookPlan.on())
        lookPlan.make(looks, radius, orbit.semiMajorAxis, binary, look, values);
    double const density = values.density * 1e12 / earthMass;
    std::unique_ptr<BaseAsteroid> body;
    if (binary) {
        std::unique_ptr<BinaryAsteroid> pair;
        if (lookPlan.on()) {
            auto looked = std::make_unique<LookedBinaryAsteroid>();
            looked->look = std::move(look);
            pair = std::move(looked);
        } else {
            pair = std::make_unique<BinaryAsteroid>();
        }
        pair->companionRadius = radius * (draws.companionShare * 0.75 + 0.25);
        pair->componentOrbit = draws.componentOrbit;
        pair->componentOrbit.epoch = orbit.epoch;
        pair->componentOrbit.eccentricity = bounded(draws.componentEccentricity, 0.0, 0.1);
        body = std::move(pair);
    } else {
        if (lookPlan.on()) {
            auto looked = std::make_unique<LookedAsteroid>();
            looked->look = std::move(look);
            body = std::move(looked);
        } else {
            body = std::make_unique<Asteroid>();
        }
        body->mass = CatalogueText::bodyMass(radius, density);
        body->rotationPeriod = values.rotationPeriod;
        body->obliquity = values.obliquity;
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
