// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanetZones.h"

#include "CorrectRounding.h"
#include "DegreeCosine.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;

ResonanceZone zoneOf(Resonance resonance, bool exterior, double planetAxis, double mu,
                     double eccentricity)
{
    ResonanceZone zone;
    zone.resonance = resonance;
    zone.exterior = exterior;
    zone.center = planetAxis * resonance.positionRatio(exterior);
    double power = eccentricity;
    for (int i = 1; i < resonance.order(); ++i)
        power = power * eccentricity;
    zone.halfWidth = zone.center * std::sqrt(16.0 / 3 * mu * resonance.strength(exterior) * power);
    zone.widthScale = 16.0 / 3 * mu * resonance.strength(exterior);
    if (resonance.order() == 1)
        zone.lowestE = CorrectRounding::power(mu * resonance.strength(exterior), 1.0 / 3);
    return zone;
}

} // namespace

double planetMassInSolarMasses(Settings const &s)
{
    return s.planetMass * (s.planetMassUnit == Settings::PlanetMassUnit::EarthMasses
                               ? solMassOfEarth
                               : solMassOfJupiter);
}

double centralMassOf(Settings const &s)
{
    return s.barycenter ? s.totalMass : s.centralMass;
}

PlanetZones::PlanetZones(Settings const &s)
    : populations(s.populations.size())
{
    if (!s.planet)
        return;
    mu = planetMassInSolarMasses(s) / centralMassOf(s);
    planetAxis = s.planetSemiMajorAxis;
    planetLongitude = s.planetLongitude;
    // The gaps that fall on any population's radii.
    double lower = 0, upper = 0;
    bool bounded = false;
    for (Population const &population : s.populations) {
        if (!kindUses(population.kind, "inner"))
            continue;
        double const low = std::min(population.innerRadius, population.outerRadius);
        double const high = std::max(population.innerRadius, population.outerRadius);
        lower = bounded ? std::min(lower, low) : low;
        upper = bounded ? std::max(upper, high) : high;
        largestE = std::max({largestE, population.minEccentricity, population.maxEccentricity});
        bounded = true;
    }

    if (s.resonanceGaps && bounded) {
        ownWidth = s.gapWidth == Settings::GapWidth::Own;
        keptFraction = s.gapDepth / 100;
        gapsByBody = ownWidth || keptFraction > 0;
        for (Resonance const &resonance :
             parseResonances(s.gapResonances).value_or(std::vector<Resonance>{})) {
            for (bool const exterior : {false, true}) {
                ResonanceZone const zone =
                    zoneOf(resonance, exterior, planetAxis, mu, s.resonanceEccentricity);
                // At its own eccentricity a gap reaches at most as far as at
                // the largest one the populations draw.
                double const reach = ownWidth ? gapHalfWidth(zone, largestE) : zone.halfWidth;
                if (zone.center + reach >= lower && zone.center - reach <= upper)
                    gaps.push_back(zone);
            }
        }
        if (!gapsByBody)
            zones = gaps;
    }
    if (s.clearedOrbit) {
        hasChaoticZone = true;
        chaoticZone.center = planetAxis;
        chaoticZone.halfWidth = 1.3 * CorrectRounding::power(mu, 2.0 / 7) * planetAxis;
        zones.push_back(chaoticZone);
    }

    for (std::size_t i = 0; i < s.populations.size(); ++i) {
        Population const &population = s.populations[i];
        PopulationZone &zone = populations[i];
        // A family lies on the side of the planet where its radii's middle is.
        if (population.kind == Population::Kind::ResonantFamily) {
            if (auto const resonance = parseResonance(population.familyResonance)) {
                zone.hasFamily = true;
                bool const exterior =
                    (population.innerRadius + population.outerRadius) * 0.5 > planetAxis;
                zone.family =
                    zoneOf(*resonance, exterior, planetAxis, mu, s.resonanceEccentricity);
            }
        }
        if (population.kind == Population::Kind::Resonant) {
            if (auto const resonance = parseResonance(population.resonance)) {
                bool const exterior =
                    population.resonanceSide == Population::ResonanceSide::Outside;
                zone.hasResonance = true;
                zone.resonance.resonance = *resonance;
                zone.resonance.exterior = exterior;
                zone.resonance.center = planetAxis * resonance->positionRatio(exterior);
                zone.widthScale = 16.0 / 3 * mu * resonance->strength(exterior);
                zone.libration = librationCentre(*resonance, exterior);
                zone.islandOffset = islandOffset(*resonance, exterior);
                zone.largestAmplitude = population.librationAmplitude;
            }
        }
        if (population.kind == Population::Kind::Trojans) {
            zone.trojanAmplitude = population.librationAmplitude;
            double const k = std::min(std::sqrt(3 * mu) * (zone.trojanAmplitude * radiansPerDegree),
                                      std::sqrt(8 * mu / 3));
            zone.trojanAxisScale = planetAxis * k;
            zone.l4Share = population.trojanL4Share / 100;
            zone.tadpole = population.trojanShape == Population::TrojanShape::Tadpole;
            zone.tadpoleScale = 8 * mu / 3;
            zone.separatrix = tadpoleCrossing(tadpoleEnergy(180), 1, 60);
        }
    }
}

double tadpoleEnergy(double theta)
{
    double const c = degreeCosine(theta);
    return c - 1 / (2 * std::sqrt((1 - c) * 0.5));
}

double tadpoleCrossing(double level, double from, double to)
{
    // Which side of the level the lower end lies on.
    bool const risingBelow = tadpoleEnergy(from) < level;
    for (int i = 0; i < 60; ++i) {
        double const middle = (from + to) * 0.5;
        if ((tadpoleEnergy(middle) < level) == risingBelow)
            from = middle;
        else
            to = middle;
    }
    return from;
}

double librationCentre(Resonance resonance, bool exterior)
{
    return exterior || resonance.order() % 2 == 0 ? 180 : 0;
}

double islandOffset(Resonance resonance, bool exterior)
{
    return exterior && resonance.p == 2 && resonance.q == 1 ? 100 : 0;
}

double PlanetZones::resonantWidth(PopulationZone const &zone, double eccentricity)
{
    double power = eccentricity;
    for (int i = 1; i < zone.resonance.resonance.order(); ++i)
        power = power * eccentricity;
    return zone.resonance.center * std::sqrt(zone.widthScale * power);
}

double PlanetZones::gapHalfWidth(ResonanceZone const &gap, double eccentricity)
{
    double const e = std::max(eccentricity, gap.lowestE);
    double power = e;
    for (int i = 1; i < gap.resonance.order(); ++i)
        power = power * e;
    return gap.center * std::sqrt(gap.widthScale * power);
}

bool PlanetZones::inGap(double a, double eccentricity) const
{
    for (ResonanceZone const &gap : gaps) {
        double const half = ownWidth ? gapHalfWidth(gap, eccentricity) : gap.halfWidth;
        if (a > gap.center - half && a < gap.center + half)
            return true;
    }
    return false;
}

bool PlanetZones::excluded(double a) const
{
    for (ResonanceZone const &zone : zones) {
        if (zone.contains(a))
            return true;
    }
    return false;
}

double PlanetZones::roomLeft(double lower, double upper) const
{
    if (lower == upper)
        return excluded(lower) ? 0 : 1;
    // Walk the zones by their lower edges and add up what lies between them.
    std::vector<ResonanceZone> sorted = zones;
    std::sort(sorted.begin(), sorted.end(), [](ResonanceZone const &a, ResonanceZone const &b) {
        return a.center - a.halfWidth < b.center - b.halfWidth;
    });
    double room = 0;
    double reached = lower;
    for (ResonanceZone const &zone : sorted) {
        double const start = std::min(zone.center - zone.halfWidth, upper);
        if (start > reached)
            room += start - reached;
        reached = std::max(reached, std::min(zone.center + zone.halfWidth, upper));
    }
    if (upper > reached)
        room += upper - reached;
    return room;
}
