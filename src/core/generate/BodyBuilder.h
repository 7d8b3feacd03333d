// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "DrawOrder.h"
#include "KindDraws.h"
#include "Orbit.h"
#include "PlanetZones.h"
#include "Settings.h"

#include <memory>
#include <cstdint>
#include <string>
#include <vector>

// Makes a body of its draws: the numbers (the logarithms and the inverted
// distributions), the orbit and the body itself. Uses no engine output and
// changes nothing, so it may run on another thread than the draws.
class BodyBuilder {
public:
    BodyBuilder(Settings const &settings, std::vector<PopulationPlan> const &plans,
                PlanetZones const &zones);

    Orbit finishOrbit(OrbitDraws const &draws) const;
    // looks: the look's draws, read only where the population has looks.
    std::unique_ptr<BaseAsteroid> build(unsigned int id, Orbit const &orbit, bool binary,
                                        BodyDraws const &draws, std::uint32_t population,
                                        LookDrawn const &looks = {}) const;
    std::unique_ptr<BaseAsteroid> build(unsigned int id, Draws const &draws) const
    {
        return build(id, finishOrbit(draws.orbit), draws.binary, draws.body,
                     draws.orbit.population, draws.looks);
    }

private:
    std::string bodyName(unsigned int id) const;

    static constexpr double maxRotationPeriod = 12.0;
    static constexpr double minRotationPeriod = 0.1;
    static constexpr double earthMass = 5.9736e+24; // kg

    Settings const &settings;
    std::vector<PopulationPlan> const &plans;
    PlanetZones const &zones;
};
