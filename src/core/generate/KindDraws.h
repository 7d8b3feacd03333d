// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementShapes.h"
#include "FamilyKicks.h"
#include "LookDraws.h"
#include "Orbit.h"
#include "PlanetZones.h"
#include "Population.h"
#include "Sampler.h"

#include <atomic>
#include <cstdint>
#include <vector>

// Everything drawn for an orbit, in the order of the draws.
struct OrbitDraws {
    std::uint32_t population = 0; // its index in the settings' populations
    Sampler::ElementDraw semiMajorAxis, inclination, eccentricity;
    // A background body's semi-major axis, worked out while drawing when the
    // planet's zones make some draws void.
    bool axisKnown = false;
    double axis = 0;
    bool elementsDrawn = false; // the inclination and eccentricity drawn with it
    bool atL4 = false;           // a Trojan ahead of the planet
    double discX = 0, discY = 0; // a Trojan's point in the unit disc
    double familyFraction = 0;   // a family body's fraction of its width
    // A resonant body: its resonant angle's centre and distance from it
    // (degrees), its amplitude, the sign of its libration phase's sine, and
    // which of the longitudes that give its angle it takes.
    double centre = 0, angle = 0, amplitude = 0;
    bool below = false;
    std::uint32_t branch = 0;
    // A collisional family's member or a scattered disc's body: its
    // eccentricity (and a member's inclination, degrees) from its kind's draw.
    double kindEccentricity = 0, kindInclination = 0;
    double argOfPericenter = 0;
    double ascendingNode = 0;
    double meanAnomaly = 0; // drawn only when spread along the orbit
};

struct KindDraw;

// One population as a run draws it.
struct PopulationPlan {
    PopulationPlan(Population const &population, PopulationZone const &zone, double centralMass);

    Population const &population;
    ElementShapes shapes;
    PopulationZone zone;
    KindDraw const &kind;
    // The libration amplitude's Rayleigh draw, 0 to the largest amplitude.
    InverseDraw amplitudeDraw;
    double amplitude(double fraction) const { return amplitudeDraw(fraction); }
    // A collisional family's Gauss's equations.
    FamilyKicks kicks;
    LookPlan looks;
};

// The belt-wide things a kind's draw reads.
struct DrawContext {
    Sampler &sampler;
    PlanetZones const &zones;
    std::atomic<bool> const *stop;
    bool stopRequested() const { return stop && stop->load(); }
};

// How a kind draws a body's place: the row of the kind's draw. draw takes the
// engine outputs that fix the semi-major axis (and a Trojan's longitude)
// before the orbit's other elements; axis turns them into the semi-major
// axis; place, where the kind has it, sets what the kind fixes of the orbit
// once its other elements are made (a Trojan's mean anomaly).
struct KindDraw {
    Population::Kind kind;
    void (*draw)(DrawContext const &context, PopulationPlan const &plan, OrbitDraws &orbit);
    double (*axis)(PlanetZones const &zones, PopulationPlan const &plan, OrbitDraws const &draws);
    void (*place)(PlanetZones const &zones, PopulationPlan const &plan, OrbitDraws const &draws,
                  Orbit &orbit);
};

KindDraw const &kindDraw(Population::Kind kind);
