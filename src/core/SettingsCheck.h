// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Settings.h"

#include <string>
#include <vector>

// A setting that would make a catalogue the reader cannot load.
struct SettingsProblem {
    enum Field {
        BeltName,
        BeltCenter,
        TotalMass,
        InnerRadius,
        OuterRadius,
        MinRadius,
        MaxRadius,
        MinEccentricity,
        MaxEccentricity,
        MaxInclination,
        Epoch,
    };
    Field field;
    std::string message; // one English sentence: the field and what to change
};

// The problems of a record, in form order; empty when a run may start. Bounds
// in the wrong order are not problems: the generator takes the lower bound.
std::vector<SettingsProblem> checkSettings(Settings const &settings);
