// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanetZones.h"

#include "CorrectRounding.h"

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
{
    if (!s.planet)
        return;
    mu = planetMassInSolarMasses(s) / centralMassOf(s);
    planetAxis = s.planetSemiMajorAxis;
    planetLongitude = s.planetLongitude;
    double const lower = std::min(s.innerRadius, s.outerRadius);
    double const upper = std::max(s.innerRadius, s.outerRadius);

    if (s.resonanceGaps) {
        for (Resonance const &resonance :
             parseResonances(s.gapResonances).value_or(std::vector<Resonance>{})) {
            for (bool const exterior : {false, true}) {
                ResonanceZone const zone =
                    zoneOf(resonance, exterior, planetAxis, mu, s.resonanceEccentricity);
                if (zone.center + zone.halfWidth >= lower && zone.center - zone.halfWidth <= upper)
                    gaps.push_back(zone);
            }
        }
        zones = gaps;
    }
    if (s.clearedOrbit) {
        hasChaoticZone = true;
        chaoticZone.center = planetAxis;
        chaoticZone.halfWidth = 1.3 * CorrectRounding::power(mu, 2.0 / 7) * planetAxis;
        zones.push_back(chaoticZone);
    }

    // The family lies on the side of the planet where the belt's middle is.
    if (s.familyShare > 0) {
        if (auto const resonance = parseResonance(s.familyResonance)) {
            hasFamily = true;
            bool const exterior = (s.innerRadius + s.outerRadius) * 0.5 > planetAxis;
            family = zoneOf(*resonance, exterior, planetAxis, mu, s.resonanceEccentricity);
        }
    }

    trojanAmplitude = s.librationAmplitude;
    double const k =
        std::min(std::sqrt(3 * mu) * (trojanAmplitude * radiansPerDegree), std::sqrt(8 * mu / 3));
    trojanAxisScale = planetAxis * k;

    double const trojans = s.trojanShare / 100;
    populations = s.trojanShare > 0 || hasFamily;
    l4Below = trojans * (s.trojanL4Share / 100);
    trojanBelow = trojans;
    familyBelow = hasFamily ? trojans + s.familyShare / 100 : trojans;
}

PlanetZones::Population PlanetZones::population(double fraction) const
{
    if (fraction < l4Below)
        return Population::L4;
    if (fraction < trojanBelow)
        return Population::L5;
    if (fraction < familyBelow)
        return Population::Family;
    return Population::Belt;
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
