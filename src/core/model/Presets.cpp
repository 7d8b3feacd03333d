// SPDX-License-Identifier: GPL-3.0-or-later
#include "Presets.h"

#include "SettingsTable.h"

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
    EnteredSettings entered{Settings(preset), Settings::SolarMasses};
    for (SettingRow const &row : settingsTable()) {
        if (row.kind == SettingRow::Number) {
            double &value = row.number(entered);
            value = FieldLimits::roundedTo(value, row.range.decimals);
        }
    }
    return entered.settings;
}
