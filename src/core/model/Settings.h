// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "Orbit.h"
#include "Population.h"

#include <cstdint>
#include <string>
#include <vector>

// Everything that fixes one belt, bar the seed. A plain record: it checks
// nothing (see checkSettings() for the problems a run should refuse).
struct Settings {
    enum Preset : std::int32_t {
        Vulcanoids = 0,
        OortCloud = 1,
        TolimanAComets = 2,
        EarthMoonBelt = 3,
    };

    // The unit a person gives a total mass in; a run's totalMass is always
    // in solar masses.
    enum MassUnit : std::int32_t { SolarMasses, EarthMasses };

    // The distributions live with each population; these names stay for
    // the code that speaks of them as the belt's.
    using RadiusDistribution = Population::RadiusDistribution;
    using SpreadDistribution = Population::SpreadDistribution;
    using SemiMajorAxisDistribution = Population::SemiMajorAxisDistribution;
    using MeanAnomalyDistribution = Population::MeanAnomalyDistribution;
    // The unit a person gives a planet's mass in.
    enum class PlanetMassUnit : std::int32_t { JupiterMasses, EarthMasses };
    // A gap's width: at the resonance eccentricity for every body, as older
    // belts took it, or at each body's own eccentricity.
    enum class GapWidth : std::int32_t { Fixed, Own };

    Settings() = default;
    explicit Settings(Preset preset);

    BaseAsteroid::ObjectType objectType = BaseAsteroid::Asteroid;
    std::string beltName;   // UTF-8; each body's name is this, a space and its id
    std::string beltCenter; // UTF-8; every body's parent body
    bool barycenter = false;
    double totalMass = 0.0;   // solar masses, read only with barycenter set
    std::uint32_t number = 0; // bodies, across all populations
    Orbit::ReferencePlane referencePlane = Orbit::Ecliptic;
    double epoch = defaultEpoch; // Julian date

    // One to largestPopulationCount populations, whose shares add up to
    // 100 %; the bodies are numbered across them, in this order.
    std::vector<Population> populations{Population{}};

    // A planet on a circular orbit in the reference plane that shapes the
    // belt; each of its effects is read only with the planet on.
    bool planet = false;
    double planetSemiMajorAxis = 5.2; // AU
    double planetMass = 1.0;          // in planetMassUnit
    PlanetMassUnit planetMassUnit = PlanetMassUnit::JupiterMasses;
    double centralMass = 1.0;     // solar masses; around a barycenter totalMass stands instead
    double planetLongitude = 0.0; // degrees, the planet's mean longitude at the epoch
    // The eccentricity at which a resonance's width is taken, for its gap and
    // for the spread of its family.
    double resonanceEccentricity = 0.5;
    bool resonanceGaps = false;
    std::string gapResonances = "4:1 3:1 5:2 7:3 2:1"; // p:q, where they fall in the belt
    bool clearedOrbit = false; // no body but the Trojans in the planet's chaotic zone
    GapWidth gapWidth = GapWidth::Fixed;
    double gapDepth = 0.0; // percent of the flanks' density a gap keeps
};

// Older belts held their Trojans and their resonant family as shares of one
// population: these become populations of their own after the first, copies
// of it with their kind, in that order, and the first keeps the rest of the
// bodies (left out when none are left). Without the planet the shares counted for nothing, and nothing
// changes.
void splitOlderShares(Settings &settings, double trojanShare, double familyShare);

// Mass of the Earth in solar masses; the window and the command line convert
// Earth-mass totals with it.
inline constexpr double solMassOfEarth = 3.003167261575587e-06;
// Mass of Jupiter in solar masses: the ratio of the nominal mass parameters
// of IAU 2015 Resolution B3, 1.2668653e17 / 1.3271244e20.
inline constexpr double solMassOfJupiter = 1.2668653e17 / 1.3271244e20;
