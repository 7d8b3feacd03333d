// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementShapes.h"
#include "Orbit.h"
#include "PlanetZones.h"
#include "Sampler.h"

#include <atomic>

// Everything drawn for an orbit, in the order of the draws.
struct OrbitDraws {
    PlanetZones::Population population = PlanetZones::Population::Belt;
    Sampler::ElementDraw semiMajorAxis, inclination, eccentricity;
    // A belt body's semi-major axis, worked out while drawing when the
    // planet's zones make some draws void.
    bool axisKnown = false;
    double axis = 0;
    double discX = 0, discY = 0; // a Trojan's point in the unit disc
    double familyFraction = 0;   // a family body's fraction of its width
    double argOfPericenter = 0;
    double ascendingNode = 0;
    double meanAnomaly = 0; // drawn only when spread along the orbit
};

// Everything drawn for a body after the single/binary decision.
struct BodyDraws {
    Sampler::ElementDraw radius;
    Sampler::ElementDraw density;
    Sampler::ElementDraw rotationPeriod;        // single only
    double obliquity = 0;                       // single only
    double companionShare = 0;                  // binary only: the fraction X
    Sampler::ElementDraw componentEccentricity; // binary only
    Orbit componentOrbit;                       // binary only; eccentricity still to come
};

// Everything drawn for one body.
struct Draws {
    OrbitDraws orbit;
    bool binary = false;
    BodyDraws body;
};

// The order in which a body's numbers are drawn from the engine, which
// together with the seed and the settings fixes the belt. Only draws: the
// numbers are made from them by BodyBuilder, which needs no engine output.
class DrawOrder {
public:
    DrawOrder(Sampler &sampler, ElementShapes const &shapes, PlanetZones const &zones);

    // The orbit's draws and the single/binary decision: true for a binary.
    bool drawOrbit(OrbitDraws &orbit);
    void drawSingle(BodyDraws &body);
    void drawBinary(BodyDraws &body);
    // All draws of one body.
    void draw(Draws &draws)
    {
        draws.binary = drawOrbit(draws.orbit);
        if (draws.binary)
            drawBinary(draws.body);
        else
            drawSingle(draws.body);
    }

    // A set flag ends a redraw for a zone early; the run is then stopped and
    // keeps none of its bodies.
    void setStop(std::atomic<bool> const *flag) { stop = flag; }

    // The share of binary bodies: a decision's unit fraction up to it.
    static constexpr double binaryFraction = 0.2;

private:
    void drawSemiMajorAxis(OrbitDraws &orbit);
    bool stopRequested() const;

    Sampler &sampler;
    ElementShapes const &shapes;
    PlanetZones const &zones;
    std::atomic<bool> const *stop = nullptr;
};
