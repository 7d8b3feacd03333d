// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlanetZones.h"
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
// The same with the planet's zones of settings, worked out once for the run.
std::vector<SettingsProblem> checkSettings(Settings const &settings, PlanetZones const &zones);

// The warnings of a record, in form order; empty when the bounds are in order
// and every orbit is closed.
std::vector<SettingsWarning> checkWarnings(Settings const &settings);
