// SPDX-License-Identifier: GPL-3.0-or-later
#include "KindDraws.h"

namespace {

// Background: the semi-major axis draw of its law, repeated whole as long as
// the axis it gives lies in a gap or the chaotic zone.
void drawBackground(DrawContext const &context, PopulationPlan const &plan, OrbitDraws &orbit)
{
    ElementShapes const &shapes = plan.shapes;
    orbit.semiMajorAxis = context.sampler.drawElement(shapes.semiMajorAxis);
    orbit.axisKnown = context.zones.excludes();
    if (orbit.axisKnown) {
        // A belt with little room left may redraw for long: a stop ends it,
        // and a stopped run keeps none of its bodies.
        while (context.zones.excluded(orbit.axis = shapes.beltAxis(orbit.semiMajorAxis)) &&
               !context.stopRequested())
            orbit.semiMajorAxis = context.sampler.drawElement(shapes.semiMajorAxis);
    }
}

double backgroundAxis(PlanetZones const &, PopulationPlan const &plan, OrbitDraws const &draws)
{
    return draws.axisKnown ? draws.axis : plan.shapes.beltAxis(draws.semiMajorAxis);
}

// Trojans: one output whose unit fraction below the L4 share puts the body
// at L4, else at L5; then x = 2X - 1, y = 2X - 1, repeated as a pair until
// x x + y y < 1.
void drawTrojan(DrawContext const &context, PopulationPlan const &plan, OrbitDraws &orbit)
{
    orbit.atL4 = context.sampler.unitFraction() < plan.zone.l4Share;
    do {
        orbit.discX = 2 * context.sampler.canonical() - 1;
        orbit.discY = 2 * context.sampler.canonical() - 1;
    } while (!(orbit.discX * orbit.discX + orbit.discY * orbit.discY < 1));
}

// A Trojan's mean anomaly is lambda - node - pericenter, brought into
// [0, 360) by adding or taking 360 as often as needed.
double trojanAxis(PlanetZones const &zones, PopulationPlan const &plan, OrbitDraws const &draws)
{
    return zones.planetAxis + plan.zone.trojanAxisScale * draws.discY;
}

void placeTrojan(PlanetZones const &zones, PopulationPlan const &plan, OrbitDraws const &draws,
                 Orbit &orbit)
{
    double const point = draws.atL4 ? 60 : -60;
    double const longitude = zones.planetLongitude + point + plan.zone.trojanAmplitude * draws.discX;
    double anomaly = longitude - orbit.ascendingNode - orbit.argOfPericenter;
    while (anomaly < 0)
        anomaly += 360;
    while (anomaly >= 360)
        anomaly -= 360;
    orbit.meanAnomaly = anomaly;
}

// A family: one fraction u, a = center + halfWidth (2u - 1), repeated while
// the cleared orbit holds a.
void drawFamily(DrawContext const &context, PopulationPlan const &plan, OrbitDraws &orbit)
{
    do
        orbit.familyFraction = context.sampler.canonical();
    while (context.zones.clears(PlanetZones::familyAxis(plan.zone.family, orbit.familyFraction)) &&
           !context.stopRequested());
}

double familyAxis(PlanetZones const &, PopulationPlan const &plan, OrbitDraws const &draws)
{
    return PlanetZones::familyAxis(plan.zone.family, draws.familyFraction);
}

constexpr KindDraw kindDraws[] = {
    {Population::Kind::Background, drawBackground, backgroundAxis, nullptr},
    {Population::Kind::Trojans, drawTrojan, trojanAxis, placeTrojan},
    {Population::Kind::ResonantFamily, drawFamily, familyAxis, nullptr},
};

} // namespace

KindDraw const &kindDraw(Population::Kind kind)
{
    for (KindDraw const &row : kindDraws) {
        if (row.kind == kind)
            return row;
    }
    return kindDraws[0];
}

PopulationPlan::PopulationPlan(Population const &population, PopulationZone const &zone)
    : population(population)
    , shapes(population)
    , zone(zone)
    , kind(kindDraw(population.kind))
    , looks(population.looks)
{}
