// SPDX-License-Identifier: GPL-3.0-or-later
#include "Presets.h"

#include "FieldLimits.h"

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<Settings::Preset> findPreset(std::string_view name)
{
    for (auto const &info : presetTable) {
        if (equalsIgnoringCase(name, info.menuText) || equalsIgnoringCase(name, info.shortName))
            return info.preset;
    }
    return std::nullopt;
}

Settings presetSettings(Settings::Preset preset)
{
    Settings s(preset);
    using namespace FieldLimits;
    s.totalMass = roundedTo(s.totalMass, totalMass.decimals);
    for (double *radius : {&s.innerRadius, &s.outerRadius})
        *radius = roundedTo(*radius, beltRadius.decimals);
    for (double *radius : {&s.minRadius, &s.maxRadius})
        *radius = roundedTo(*radius, bodyRadius.decimals);
    for (double *e : {&s.minEccentricity, &s.maxEccentricity})
        *e = roundedTo(*e, eccentricity.decimals);
    s.maxInclination = roundedTo(s.maxInclination, inclination.decimals);
    s.epoch = roundedTo(s.epoch, epoch.decimals);
    return s;
}
