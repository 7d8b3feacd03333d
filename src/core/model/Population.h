// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Looks.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One population of a belt: a share of its bodies, drawn the way its kind
// draws them, with distributions of its own.
struct Population {
    // How a population's bodies find their semi-major axes and places; each
    // kind is a row of populationKinds().
    enum class Kind : std::int32_t {
        Background,
        Trojans,
        ResonantFamily,
        Resonant,
        CollisionalFamily,
        ScatteredDisc,
    };

    // How each shaped element is drawn. The first of each is the bounded
    // normal draw (the mean anomaly's is 0), which older belts were made with.
    enum class RadiusDistribution : std::int32_t { Bell, PowerLaw };
    enum class SpreadDistribution : std::int32_t { Bell, Rayleigh }; // eccentricity, inclination
    enum class SemiMajorAxisDistribution : std::int32_t { Bell, SurfaceDensity };
    enum class MeanAnomalyDistribution : std::int32_t { Zero, Uniform };
    // A resonant population's resonance lies inside or outside the planet's orbit.
    enum class ResonanceSide : std::int32_t { Inside, Outside };
    // Libration amplitudes: points spread evenly over the disc of the largest
    // amplitude, as older belts drew their Trojans, or a Rayleigh
    // distribution cut at the largest amplitude.
    enum class AmplitudeDistribution : std::int32_t { Even, Rayleigh };
    // Trojans on the small tadpole's ellipse, even about L4 or L5, as older
    // belts drew them, or on the tadpole's curve.
    enum class TrojanShape : std::int32_t { Ellipse, Tadpole };

    std::string name = "Background"; // UTF-8; the window's list and the preview's legend
    double share = 100.0;            // percent of the belt's bodies
    Kind kind = Kind::Background;

    double innerRadius = 0.0; // AU; the kinds with bounds
    double outerRadius = 0.0; // AU
    double maxRadius = 0.0;   // km
    double minRadius = 0.0;   // km
    double maxEccentricity = 0.0;
    double minEccentricity = 0.0;
    double maxInclination = 0.0; // degrees, applied with both signs

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

    // Trojans.
    double trojanL4Share = 50.0;      // percent at L4, ahead of the planet
    double librationAmplitude = 30.0; // degrees from L4 or L5, or the centre; the largest
    TrojanShape trojanShape = TrojanShape::Ellipse;
    AmplitudeDistribution amplitudeDistribution = AmplitudeDistribution::Even;
    double amplitudeMode = 15.0; // degrees; the Rayleigh distribution's mode
    // A resonant family: the resonance p:q that holds it.
    std::string familyResonance = "3:2";
    // A resonant population: its resonance p:q and its side of the planet.
    std::string resonance = "3:2";
    ResonanceSide resonanceSide = ResonanceSide::Inside;

    // A collisional family: its parent's orbit, the members' ejection
    // velocities' scale (each component's standard deviation) and where on
    // the parent's orbit it broke up. The defaults are a family of the outer
    // main belt, broken up at f = 90 and omega + f = 45 degrees.
    double parentSemiMajorAxis = 2.87; // AU
    double parentEccentricity = 0.05;
    double parentInclination = 2.0; // degrees
    double ejectionVelocity = 20.0; // m/s
    double breakupAnomaly = 90.0;   // the true anomaly f, degrees
    double breakupLatitude = 45.0;  // the argument of latitude omega + f, degrees
    // A scattered disc: the range of its perihelion distances.
    double minPerihelion = 30.0; // AU
    double maxPerihelion = 36.0; // AU

    // How its bodies look in the simulation program; all off by default.
    Looks looks;
};

// What a kind is, as every part of the program knows it. A new kind is a row
// here, its draw in generate/PopulationDraws and its word in the translations.
struct PopulationKind {
    Population::Kind kind;
    std::string_view word;    // in a recipe and on the command line
    char const *label;        // the window's name, translated there (context MainWindow)
    char const *defaultName;  // a new population's name
    bool needsPlanet;
    // The rows that only some kinds use, of those this kind uses. A row that
    // no kind lists here is used by every kind.
    std::vector<std::string_view> rows;
};

std::vector<PopulationKind> const &populationKinds();
PopulationKind const &populationKind(Population::Kind kind);
// Whether a population of this kind reads the row of key.
bool kindUses(Population::Kind kind, std::string_view key);

// The most populations a belt holds.
inline constexpr std::size_t largestPopulationCount = 16;

// A share in hundredths of a percent, as the counts and the check take it:
// the nearest whole number, 0 for a share below 0 or not finite.
std::uint64_t shareUnits(double share);
inline constexpr std::uint64_t wholeShareUnits = 10000;

// The bodies of each population, from the number of bodies and the shares.
// With s_i the shares in hundredths of a percent and T their sum, each
// population gets floor(number s_i / T) bodies, and the bodies left over go
// one each to the populations with the largest remainders (number s_i mod T),
// a tie to the earlier population. Exact in 64-bit integers; the counts add
// up to number. With T = 0 (every share 0) the first population takes all.
std::vector<std::uint32_t> populationCounts(std::uint32_t number,
                                            std::vector<Population> const &populations);
