// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "BeltProgress.h"
#include "BodyBuilder.h"
#include "DrawOrder.h"
#include "KindDraws.h"
#include "PlanetZones.h"
#include "Sampler.h"
#include "Settings.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// One run's generator: draws a belt from its settings and one engine. The
// draws stay in engine order on the calling thread; a large belt's bodies are
// built from them on a second thread meanwhile.
class Generator {
public:
    // The engine starts from seed; RandomSource::drawSeed() gives one from the
    // operating system.
    Generator(Settings settings, unsigned int seed);
    // With the planet's zones of settings, worked out once for the run by
    // whoever checked them.
    Generator(Settings settings, std::optional<PlanetZones> zones, unsigned int seed);
    Generator(Generator const &) = delete;
    Generator &operator=(Generator const &) = delete;

    // Appends settings.number bodies, storing the percentage done after each.
    // A set stop flag ends the loop between two bodies. arrivals, if given,
    // counts the bodies there so far, for a writer that follows the run.
    void generate(std::atomic<int> &progress, std::atomic<bool> const *stop = nullptr,
                  BodyCount *arrivals = nullptr);

    std::vector<std::unique_ptr<BaseAsteroid>> const &bodies() const { return asteroids; }
    Settings const &belt() const { return settings; }
    PlanetZones const &planetZones() const { return zones; }

    // The most bodies a belt may have: a larger number is cut to it. The
    // front ends accept far fewer (FieldLimits::largestEnteredNumber).
    static constexpr std::uint32_t numberCap = 0x3fffffff;

    // Belts from this size on are generated on two threads: one draws every
    // number in engine order, the other builds and stores the bodies.
    static constexpr std::uint32_t pipelineFrom = 16384;

private:
    void generateInOrder(std::atomic<int> &progress, std::atomic<bool> const *stop,
                         BodyCount *arrivals);
    void generateInPipeline(std::atomic<int> &progress, std::atomic<bool> const *stop,
                            BodyCount *arrivals);

    // The population of the body after the last one drawn: the bodies of
    // each population follow those of the one before it.
    class PopulationWalk;

    Settings settings;
    PlanetZones zones;
    std::vector<PopulationPlan> plans;
    std::vector<std::uint32_t> counts; // bodies of each population
    Sampler sampler;
    DrawOrder drawOrder;
    BodyBuilder builder;
    std::vector<std::unique_ptr<BaseAsteroid>> asteroids;

    friend class GeneratorProbe; // tests reach the draws through it
};
