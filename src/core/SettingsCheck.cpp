// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsCheck.h"

#include <cmath>

namespace {

// A double quote would end the quoted name early; a line break or any other
// control character would let the name spill into catalogue text.
bool breaksQuotedName(std::string const &text)
{
    for (unsigned char c : text) {
        if (c == '"' || c < 0x20 || c == 0x7f)
            return true;
    }
    return false;
}

} // namespace

std::vector<SettingsProblem> checkSettings(Settings const &settings)
{
    std::vector<SettingsProblem> problems;
    auto checkName = [&](SettingsProblem::Field field, std::string const &text, char const *label) {
        if (breaksQuotedName(text))
            problems.push_back({field, std::string(label) +
                                           " contains a double quote or a control character "
                                           "(such as a line break or a tab): remove it."});
    };
    checkName(SettingsProblem::BeltName, settings.beltName, "Belt name");
    checkName(SettingsProblem::BeltCenter, settings.beltCenter, "Center object");

    if (settings.barycenter && !(std::isfinite(settings.totalMass) && settings.totalMass > 0))
        problems.push_back({SettingsProblem::TotalMass,
                            "Total mass must be a finite number above 0 when the center object "
                            "is a barycenter: enter the total mass of the main objects, or clear "
                            "Barycenter."});

    struct Bound {
        SettingsProblem::Field field;
        double value;
        char const *label;
    };
    Bound const bounds[] = {
        {SettingsProblem::InnerRadius, settings.innerRadius, "Belt inner radius"},
        {SettingsProblem::OuterRadius, settings.outerRadius, "Belt outer radius"},
        {SettingsProblem::MinRadius, settings.minRadius, "Min radius"},
        {SettingsProblem::MaxRadius, settings.maxRadius, "Max radius"},
        {SettingsProblem::MinEccentricity, settings.minEccentricity, "Min eccentricity"},
        {SettingsProblem::MaxEccentricity, settings.maxEccentricity, "Max eccentricity"},
        {SettingsProblem::MaxInclination, settings.maxInclination, "Max inclination"},
        {SettingsProblem::Epoch, settings.epoch, "Epoch"},
    };
    for (auto const &bound : bounds) {
        if (!std::isfinite(bound.value))
            problems.push_back({bound.field, std::string(bound.label) +
                                                 " is not a finite number: enter a finite value."});
    }
    return problems;
}
