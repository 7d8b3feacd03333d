// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A mean-motion resonance p:q with a planet: inside the planet's orbit a body
// goes round p times while the planet goes round q times, outside it q times
// while the planet goes round p times (the Kirkwood gap 3:1, the Plutinos
// 3:2). Its order is p - q.
struct Resonance {
    int p = 0;
    int q = 0;

    int order() const { return p - q; }
    // Its semi-major axis over the planet's: (q/p)^(2/3) inside, (p/q)^(2/3)
    // outside, each as CorrectRounding::power(ratio, 2.0 / 3), the ratio one
    // IEEE division.
    double positionRatio(bool exterior) const;
    // The strength S of the resonance's term in the planet's disturbing
    // function: a body at eccentricity e librates in it within
    //   |a - a_res| < a_res sqrt(16/3 mu S e^order)
    // (the pendulum model, Murray & Dermott 1999, Solar System Dynamics,
    // section 8.8; mu the planet's mass over the central mass).
    double strength(bool exterior) const;
    std::string text() const; // "p:q"

    // Those the table below holds: p > q >= 1 without a common factor,
    // order 1 to 4, p at most 12.
    static constexpr int largestOrder = 4;
    static constexpr int largestP = 12;
};

// Reads "p:q", or for a list several of them apart by spaces or commas;
// nothing when a word is no resonance the table holds, or a list is empty.
std::optional<Resonance> parseResonance(std::string_view text);
std::optional<std::vector<Resonance>> parseResonances(std::string_view text);
