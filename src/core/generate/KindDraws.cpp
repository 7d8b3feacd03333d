// SPDX-License-Identifier: GPL-3.0-or-later
#include "KindDraws.h"

#include "CorrectRounding.h"
#include "DegreeCosine.h"

#include <algorithm>
#include <cmath>

namespace {

void drawBackgroundByBody(DrawContext const &context, PopulationPlan const &plan,
                          OrbitDraws &orbit);

// Background: the semi-major axis draw of its law, repeated whole as long as
// the axis it gives lies in a gap or the chaotic zone.
void drawBackground(DrawContext const &context, PopulationPlan const &plan, OrbitDraws &orbit)
{
    ElementShapes const &shapes = plan.shapes;
    if (context.zones.gapsByBody) {
        drawBackgroundByBody(context, plan, orbit);
        return;
    }
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

// Gaps tested body by body: the semi-major axis draw, with own widths the
// inclination and eccentricity draws after it; drawn again whole while the
// axis lies in the chaotic zone, or in a gap at the body's eccentricity
// unless then one output's unit fraction lies below the kept share (an
// output drawn only with a kept share above 0).
void drawBackgroundByBody(DrawContext const &context, PopulationPlan const &plan,
                          OrbitDraws &orbit)
{
    ElementShapes const &shapes = plan.shapes;
    PlanetZones const &zones = context.zones;
    Sampler &sampler = context.sampler;
    Population const &p = plan.population;
    orbit.axisKnown = true;
    for (;;) {
        orbit.semiMajorAxis = sampler.drawElement(shapes.semiMajorAxis);
        orbit.axis = shapes.beltAxis(orbit.semiMajorAxis);
        double eccentricity = 0;
        if (zones.ownWidth) {
            orbit.inclination = sampler.drawElement(shapes.inclination);
            orbit.eccentricity = sampler.drawElement(shapes.eccentricity);
            orbit.elementsDrawn = true;
            eccentricity =
                shapes.eccentricity
                    ? shapes.eccentricityDraw(orbit.eccentricity.y)
                    : Sampler::bounded(orbit.eccentricity, p.minEccentricity, p.maxEccentricity);
        }
        if (context.stopRequested())
            return;
        if (zones.excluded(orbit.axis))
            continue;
        if (!zones.inGap(orbit.axis, eccentricity))
            return;
        if (zones.keptFraction > 0 && sampler.unitFraction() < zones.keptFraction)
            return;
    }
}

double backgroundAxis(PlanetZones const &, PopulationPlan const &plan, OrbitDraws const &draws)
{
    return draws.axisKnown ? draws.axis : plan.shapes.beltAxis(draws.semiMajorAxis);
}

// Trojans: one output whose unit fraction below the L4 share puts the body
// at L4, else at L5; then x = 2X - 1, y = 2X - 1, repeated as a pair until
// x x + y y < 1.
// With Rayleigh amplitudes, first one fraction: A = the Rayleigh draw cut at
// the largest amplitude D; then the pair again until 0 < x x + y y < 1, and
// the point (x, y) r/|(x, y)| with r = A / D (0 for D = 0).
bool rayleighAmplitudes(PopulationPlan const &plan)
{
    return plan.population.amplitudeDistribution == Population::AmplitudeDistribution::Rayleigh;
}

// A point of the unit disc as a pair of fractions, repeated until inside it;
// with rejectCentre also until not its centre.
void discPoint(Sampler &sampler, bool rejectCentre, double &x, double &y)
{
    double r2;
    do {
        x = 2 * sampler.canonical() - 1;
        y = 2 * sampler.canonical() - 1;
        r2 = x * x + y * y;
    } while (!(r2 < 1) || (rejectCentre && r2 == 0));
}

void drawTrojan(DrawContext const &context, PopulationPlan const &plan, OrbitDraws &orbit)
{
    orbit.atL4 = context.sampler.unitFraction() < plan.zone.l4Share;
    if (!rayleighAmplitudes(plan)) {
        discPoint(context.sampler, false, orbit.discX, orbit.discY);
        return;
    }
    double const largest = plan.population.librationAmplitude;
    double const amplitude = plan.amplitude(context.sampler.canonical());
    double x, y;
    discPoint(context.sampler, true, x, y);
    double const reach = largest > 0 ? amplitude / largest : 0;
    double const r = std::sqrt(x * x + y * y);
    orbit.discX = reach * (x / r);
    orbit.discY = reach * (y / r);
}

// A Trojan's mean anomaly is lambda - node - pericenter, brought into
// [0, 360) by adding or taking 360 as often as needed.
double trojanAxis(PlanetZones const &zones, PopulationPlan const &plan, OrbitDraws const &draws)
{
    return zones.planetAxis + plan.zone.trojanAxisScale * draws.discY;
}

// On the tadpole's curve, with the disc's point (x, y), r = |(x, y)| (A / D)
// and the amplitude A = D r: theta_near = max(60 - A, the separatrix), the far
// end theta_far = tadpoleCrossing(g(theta_near), 60, 180), theta = theta_near
// + (theta_far - theta_near) (1 + x / r) 0.5 (60 for r = 0), and
//   a = a_p + -a_p sqrt(8 mu / 3 max(0, g(theta) - g(theta_near))),
// minus for y < 0; lambda = lambda_p + theta at L4, lambda_p - theta at L5.
double tadpoleAngle(PlanetZones const &zones, PopulationPlan const &plan, OrbitDraws const &draws,
                    Orbit &orbit)
{
    PopulationZone const &zone = plan.zone;
    double const r = std::sqrt(draws.discX * draws.discX + draws.discY * draws.discY);
    double const amplitude = zone.trojanAmplitude * r;
    double const nearEnd = std::max(60 - amplitude, zone.separatrix);
    double const level = tadpoleEnergy(nearEnd);
    double const farEnd = tadpoleCrossing(level, 60, 180);
    double const along = r > 0 ? (1 + draws.discX / r) * 0.5 : 0.5;
    double const theta = nearEnd + (farEnd - nearEnd) * along;
    double const lift = std::max(0.0, tadpoleEnergy(theta) - level);
    double const reach = zones.planetAxis * std::sqrt(zone.tadpoleScale * lift);
    orbit.semiMajorAxis = zones.planetAxis + (draws.discY < 0 ? -reach : reach);
    return draws.atL4 ? theta : -theta;
}

void placeTrojan(PlanetZones const &zones, PopulationPlan const &plan, OrbitDraws const &draws,
                 Orbit &orbit)
{
    double const point = draws.atL4 ? 60 : -60;
    double const longitude =
        plan.zone.tadpole
            ? zones.planetLongitude + tadpoleAngle(zones, plan, draws, orbit)
            : zones.planetLongitude + point + plan.zone.trojanAmplitude * draws.discX;
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

// A resonant body: for the outer 2:1 first one output, the island below the
// centre when its unit fraction is below 0.5; then the amplitude A and the
// libration phase psi as a Trojan's point (x, y) (above, with D the largest
// amplitude): phi' = D x, A = D |(x, y)| when even, else phi' = A x / |(x, y)|;
// the phase's sine has the sign of y; then one output whose unit fraction f
// gives the branch j = floor(f n), n = q inside, p outside.
void drawResonant(DrawContext const &context, PopulationPlan const &plan, OrbitDraws &orbit)
{
    Sampler &sampler = context.sampler;
    PopulationZone const &zone = plan.zone;
    orbit.centre = zone.libration;
    if (zone.islandOffset > 0)
        orbit.centre = sampler.unitFraction() < 0.5 ? zone.libration - zone.islandOffset
                                                    : zone.libration + zone.islandOffset;
    double const largest = zone.largestAmplitude;
    double x, y;
    if (!rayleighAmplitudes(plan)) {
        discPoint(sampler, false, x, y);
        orbit.angle = largest * x;
        orbit.amplitude = largest * std::sqrt(x * x + y * y);
    } else {
        orbit.amplitude = plan.amplitude(sampler.canonical());
        discPoint(sampler, true, x, y);
        orbit.angle = orbit.amplitude * (x / std::sqrt(x * x + y * y));
    }
    orbit.below = y < 0;
    Resonance const &resonance = zone.resonance.resonance;
    double const branches = zone.resonance.exterior ? resonance.p : resonance.q;
    orbit.branch = static_cast<std::uint32_t>(std::floor(sampler.unitFraction() * branches));
}

double resonantAxis(PlanetZones const &, PopulationPlan const &plan, OrbitDraws const &)
{
    return plan.zone.resonance.center;
}

// From the body's eccentricity e, node and pericenter, with varpi = node +
// pericenter, phi = centre + phi', k the order and lambda_p the planet's:
//   a = a_res + -w(e) sqrt(max(0, (cos phi' - cos A) 0.5)), minus for y < 0;
//   inside:  lambda = (p lambda_p - k varpi - phi) / q + 360 j / q,
//   outside: lambda = (phi + q lambda_p + k varpi) / p + 360 j / p,
// each left to right; the mean anomaly lambda - varpi, its remainder by 360
// (exact), plus 360 when below 0, 0 when that gives 360.
void placeResonant(PlanetZones const &zones, PopulationPlan const &plan, OrbitDraws const &draws,
                   Orbit &orbit)
{
    PopulationZone const &zone = plan.zone;
    double const width = PlanetZones::resonantWidth(zone, orbit.eccentricity);
    double const lift =
        std::max(0.0, (degreeCosine(draws.angle) - degreeCosine(draws.amplitude)) * 0.5);
    double const reach = width * std::sqrt(lift);
    orbit.semiMajorAxis = zone.resonance.center + (draws.below ? -reach : reach);

    Resonance const &resonance = zone.resonance.resonance;
    double const p = resonance.p, q = resonance.q, k = resonance.order();
    double const varpi = orbit.ascendingNode + orbit.argOfPericenter;
    double const phi = draws.centre + draws.angle;
    double const j = draws.branch;
    double const longitude =
        zone.resonance.exterior
            ? (phi + q * zones.planetLongitude + k * varpi) / p + 360 * j / p
            : (p * zones.planetLongitude - k * varpi - phi) / q + 360 * j / q;
    double anomaly = std::fmod(longitude - varpi, 360.0);
    if (anomaly < 0)
        anomaly += 360;
    if (anomaly >= 360)
        anomaly = 0;
    orbit.meanAnomaly = anomaly;
}

// A collisional family's member: three normal variates by the polar method
// (each the bell's draw, its second coordinate y and r2 giving
// z = y sqrt(-2 log(r2) / r2)), for dv_R, dv_T and dv_W in that order, drawn
// again, all three, while the member's orbit would not be bound (which the
// settings check makes rare). Its inclination and eccentricity are these, not
// the population's draws.
void drawCollisional(DrawContext const &context, PopulationPlan const &plan, OrbitDraws &orbit)
{
    Sampler &sampler = context.sampler;
    auto const normal = [&sampler] {
        Sampler::ElementDraw const draw = sampler.drawNormal();
        return draw.y * std::sqrt(-2 * CorrectRounding::log(draw.r2) / draw.r2);
    };
    orbit.axisKnown = true;
    orbit.elementsDrawn = true;
    for (;;) {
        double const zR = normal();
        double const zT = normal();
        double const zW = normal();
        if (plan.kicks.member(zR, zT, zW, orbit.axis, orbit.kindEccentricity,
                              orbit.kindInclination) ||
            context.stopRequested())
            return;
    }
}

double knownAxis(PlanetZones const &, PopulationPlan const &, OrbitDraws const &draws)
{
    return draws.axis;
}

void placeCollisional(PlanetZones const &, PopulationPlan const &, OrbitDraws const &draws,
                      Orbit &orbit)
{
    orbit.eccentricity = draws.kindEccentricity;
    orbit.inclination = draws.kindInclination;
}

// A scattered disc's body: one fraction for its semi-major axis by the
// surface density's power law between the inner and outer radius, one
// fraction u for its perihelion q = q_min + (q_max - q_min) u, then its
// inclination by the population's law; e = 1 - q / a.
void drawScattered(DrawContext const &context, PopulationPlan const &plan, OrbitDraws &orbit)
{
    Sampler &sampler = context.sampler;
    Population const &p = plan.population;
    orbit.axisKnown = true;
    orbit.axis = plan.shapes.semiMajorAxisDraw(sampler.canonical());
    double const perihelion =
        p.minPerihelion + (p.maxPerihelion - p.minPerihelion) * sampler.canonical();
    orbit.kindEccentricity = 1 - perihelion / orbit.axis;
    orbit.inclination = sampler.drawElement(plan.shapes.inclination);
    orbit.elementsDrawn = true;
}

void placeScattered(PlanetZones const &, PopulationPlan const &, OrbitDraws const &draws,
                    Orbit &orbit)
{
    orbit.eccentricity = draws.kindEccentricity;
}

constexpr KindDraw kindDraws[] = {
    {Population::Kind::Background, drawBackground, backgroundAxis, nullptr},
    {Population::Kind::Trojans, drawTrojan, trojanAxis, placeTrojan},
    {Population::Kind::ResonantFamily, drawFamily, familyAxis, nullptr},
    {Population::Kind::Resonant, drawResonant, resonantAxis, placeResonant},
    {Population::Kind::CollisionalFamily, drawCollisional, knownAxis, placeCollisional},
    {Population::Kind::ScatteredDisc, drawScattered, knownAxis, placeScattered},
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

PopulationPlan::PopulationPlan(Population const &population, PopulationZone const &zone,
                               double centralMass)
    : population(population)
    , shapes(population)
    , zone(zone)
    , kind(kindDraw(population.kind))
    , amplitudeDraw(InverseDraw::rayleigh(0, population.librationAmplitude,
                                          population.amplitudeMode))
    , kicks(population, centralMass)
    , looks(population.looks)
{}
