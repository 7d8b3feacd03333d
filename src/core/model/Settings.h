// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "Orbit.h"

#include <cstdint>
#include <string>

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

    // How each shaped element is drawn. The first of each is the bounded
    // normal draw (the mean anomaly's is 0), which older belts were made with.
    enum class RadiusDistribution : std::int32_t { Bell, PowerLaw };
    enum class SpreadDistribution : std::int32_t { Bell, Rayleigh }; // eccentricity, inclination
    enum class SemiMajorAxisDistribution : std::int32_t { Bell, SurfaceDensity };
    enum class MeanAnomalyDistribution : std::int32_t { Zero, Uniform };
    // The unit a person gives a planet's mass in.
    enum class PlanetMassUnit : std::int32_t { JupiterMasses, EarthMasses };

    Settings() = default;
    explicit Settings(Preset preset);

    BaseAsteroid::ObjectType objectType = BaseAsteroid::Asteroid;
    std::string beltName;   // UTF-8; each body's name is this, a space and its id
    std::string beltCenter; // UTF-8; every body's parent body
    bool barycenter = false;
    double totalMass = 0.0;   // solar masses, read only with barycenter set
    std::uint32_t number = 0; // bodies
    double innerRadius = 0.0; // AU
    double outerRadius = 0.0; // AU
    double maxRadius = 0.0;   // km
    double minRadius = 0.0;   // km
    double maxEccentricity = 0.0;
    double minEccentricity = 0.0;
    double maxInclination = 0.0; // degrees, applied with both signs
    Orbit::ReferencePlane referencePlane = Orbit::Ecliptic;
    double epoch = defaultEpoch; // Julian date

    // Each parameter is read only with its distribution chosen.
    RadiusDistribution radiusDistribution = RadiusDistribution::Bell;
    double radiusSlope = 2.5; // q of the cumulative count N(>R) ~ R^-q
    SpreadDistribution eccentricityDistribution = SpreadDistribution::Bell;
    double eccentricityMode = 0.1; // the Rayleigh distribution's mode
    SpreadDistribution inclinationDistribution = SpreadDistribution::Bell;
    double inclinationMode = 5.0; // degrees
    SemiMajorAxisDistribution semiMajorAxisDistribution = SemiMajorAxisDistribution::Bell;
    double surfaceDensitySlope = 1.5; // p of the surface density ~ r^-p
    MeanAnomalyDistribution meanAnomalyDistribution = MeanAnomalyDistribution::Zero;

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
    bool clearedOrbit = false;        // no body in the planet's chaotic zone
    double trojanShare = 0.0;         // percent of the bodies, around L4 and L5
    double trojanL4Share = 50.0;      // percent of the Trojans at L4, ahead of the planet
    double librationAmplitude = 30.0; // degrees from L4 or L5, the largest
    std::string familyResonance = "3:2";
    double familyShare = 0.0; // percent of the bodies in familyResonance
};

// Mass of the Earth in solar masses; the window and the command line convert
// Earth-mass totals with it.
inline constexpr double solMassOfEarth = 3.003167261575587e-06;
// Mass of Jupiter in solar masses: the ratio of the nominal mass parameters
// of IAU 2015 Resolution B3, 1.2668653e17 / 1.3271244e20.
inline constexpr double solMassOfJupiter = 1.2668653e17 / 1.3271244e20;
