// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Settings.h"

#include <array>
#include <optional>
#include <string_view>

// The built-in belts as users name them: the menu text of the window and the
// short name of the command line.
struct PresetInfo {
    Settings::Preset preset;
    std::string_view menuText;
    std::string_view shortName;
};

inline constexpr std::array<PresetInfo, 4> presetTable{{
    {Settings::Vulcanoids, "Vulcanoids", "vulcanoids"},
    {Settings::OortCloud, "Oort Cloud", "oort-cloud"},
    {Settings::TolimanAComets, "Toliman A Comets", "toliman-a-comets"},
    {Settings::EarthMoonBelt, "eBelt-EM", "ebelt-em"},
}};

// A preset as both front ends use it: every number as the window's field
// keeps it once the preset is loaded, so that a preset makes the same belt in
// the window and on the command line.
Settings presetSettings(Settings::Preset preset);

// Whether two names are the same but for the case of ASCII letters.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Finds a preset by its menu text or short name, ignoring ASCII case.
std::optional<Settings::Preset> findPreset(std::string_view name);
