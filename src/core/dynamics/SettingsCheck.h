// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Settings.h"
#include "SettingsProblem.h"

#include <string_view>
#include <vector>

// The problems of a record, in form order, and for a name in the order of
// SettingsProblem's kinds; empty when a run may start. Bounds in the wrong order are not
// problems: the generator takes the lower bound. An empty belt name is none
// either: the bodies are then named by their numbers. Bounds whose bodies
// would get an infinite period or mass come last, once every value is finite;
// they are judged by the largest values the bounds allow.
std::vector<SettingsProblem> checkSettings(Settings const &settings);

// Bounds that a run takes as they stand, though the belt they make is hardly
// the one meant: the front ends show them and still generate.
struct SettingsWarning {
    enum Kind {
        // A lower bound above its upper bound: every body takes the lower one.
        ReversedBounds,
        // Eccentricities of 1 or more make open orbits, which a reader of
        // orbital elements cannot place with a positive semi-major axis.
        SomeOrbitsOpen, // the largest eccentricity is 1 or more
        AllOrbitsOpen,  // the smallest is, so every orbit is open
    };
    Kind kind;
    // ReversedBounds: the lower bound, whose value every body takes, and the
    // upper one. Open orbits: the eccentricity bound of 1 or more, twice.
    std::string_view setting; // the keys of their rows
    std::string_view other;
    double value;      // of setting
    double otherValue; // of other
};

// The warnings of a record, in form order; empty when the bounds are in order
// and every orbit is closed.
std::vector<SettingsWarning> checkWarnings(Settings const &settings);
