// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KindDraws.h"
#include "Orbit.h"
#include "PlanetZones.h"
#include "Sampler.h"

#include <atomic>
#include <vector>

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
    LookDrawn looks; // drawn only with a look on
};

// The order in which a body's numbers are drawn from the engine, which
// together with the seed and the settings fixes the belt. Only draws: the
// numbers are made from them by BodyBuilder, which needs no engine output.
class DrawOrder {
public:
    DrawOrder(Sampler &sampler, std::vector<PopulationPlan> const &plans,
              PlanetZones const &zones);

    // The orbit's draws and the single/binary decision: true for a binary.
    bool drawOrbit(OrbitDraws &orbit, std::uint32_t population);
    void drawSingle(BodyDraws &body, std::uint32_t population);
    void drawBinary(BodyDraws &body, std::uint32_t population);
    // All draws of one body of a population (its index).
    void draw(Draws &draws, std::uint32_t population)
    {
        draws.binary = drawOrbit(draws.orbit, population);
        if (draws.binary)
            drawBinary(draws.body, population);
        else
            drawSingle(draws.body, population);
        // After all of the body's other draws, so that a belt without looks
        // stays the same.
        if (plans[population].looks.on())
            plans[population].looks.draw(sampler, draws.binary, draws.looks);
    }

    // A set flag ends a redraw for a zone early; the run is then stopped and
    // keeps none of its bodies.
    void setStop(std::atomic<bool> const *flag) { stop = flag; }

    // The share of binary bodies: a decision's unit fraction up to it.
    static constexpr double binaryFraction = 0.2;

private:
    Sampler &sampler;
    std::vector<PopulationPlan> const &plans;
    PlanetZones const &zones;
    std::atomic<bool> const *stop = nullptr;
};
