// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsCheck.h"

#include "CatalogueText.h"
#include "Kepler.h"
#include "PlanetZones.h"
#include "Resonance.h"
#include "SettingsTable.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Characters that a quoted name in the catalogue cannot carry: a double quote
// would end it early, a backslash would start an escape in the reader, and a
// line break or any other control character would let the name spill into
// catalogue text.
void checkName(std::vector<SettingsProblem> &problems, std::string_view setting,
               std::string const &text)
{
    bool quote = false, backslash = false, control = false;
    for (unsigned char c : text) {
        quote = quote || c == '"';
        backslash = backslash || c == '\\';
        control = control || c < 0x20 || c == 0x7f;
    }
    if (quote)
        problems.push_back({setting, SettingsProblem::DoubleQuote});
    if (backslash)
        problems.push_back({setting, SettingsProblem::Backslash});
    if (control)
        problems.push_back({setting, SettingsProblem::ControlCharacter});
}

bool blank(std::string const &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
}

// A bound in the wrong order gives every body the first one, so the largest
// value a body can get is the larger of the two.
double largest(double low, double high)
{
    return std::max(low, high);
}

// The planet's parts once its numbers are finite; positive ones are judged
// with the table's rows.
void checkPlanet(std::vector<SettingsProblem> &problems, Settings const &s)
{
    using P = SettingsProblem;
    double const central = centralMassOf(s);
    double const planetMass = planetMassInSolarMasses(s);
    if (planetMass > 0 && central > 0 && !(planetMass < central))
        problems.push_back({"planet-mass", P::PlanetTooHeavy});
    if (s.resonanceGaps && !parseResonances(s.gapResonances))
        problems.push_back({"gap-resonances", P::NoSuchResonance});
    if (s.familyShare > 0 && !parseResonance(s.familyResonance))
        problems.push_back({"family-resonance", P::NoSuchResonance});
    if (s.trojanShare + s.familyShare > 100)
        problems.push_back({"family-share", P::SharesAboveWhole});
    if (!problems.empty() || !(s.planetSemiMajorAxis > 0) || !(planetMass > 0) ||
        !(central > 0))
        return;
    // Bodies that fall in a zone are drawn again, so each population needs
    // room outside the zones: the family beside the cleared orbit, the belt's
    // own bodies between the gaps.
    PlanetZones const zones(s);
    // A Trojan lies within a_p k of the planet's orbit, a family body within
    // its zone's half-width of the zone's center: the nearest one at 0 or
    // below is no orbit.
    if (s.trojanShare > 0 && !(zones.trojanAxisScale < zones.planetAxis))
        problems.push_back({"libration-amplitude", P::ReachesCenter});
    if (zones.hasFamily && !(zones.family.halfWidth < zones.family.center))
        problems.push_back({"family-resonance", P::ReachesCenter});
    else if (zones.hasFamily && zones.clears(zones.familyAxis(0)) &&
             zones.clears(zones.familyAxis(1)))
        problems.push_back({"family-resonance", P::NoRoomLeft});
    // Reversed bounds put every belt body at the inner radius.
    if (s.trojanShare + s.familyShare < 100 &&
        zones.roomLeft(s.innerRadius, std::max(s.innerRadius, s.outerRadius)) <= 0)
        problems.push_back({"inner", P::NoRoomLeft});
}

} // namespace

std::vector<SettingsProblem> checkSettings(Settings const &settings)
{
    std::vector<SettingsProblem> problems;
    checkName(problems, "name", settings.beltName);
    if (blank(settings.beltCenter))
        problems.push_back({"center", SettingsProblem::EmptyCenter});
    checkName(problems, "center", settings.beltCenter);

    if (settings.barycenter && !(std::isfinite(settings.totalMass) && settings.totalMass > 0))
        problems.push_back({"total-mass", SettingsProblem::NoPositiveMass});

    // Every number of the table; the total mass is
    // judged above, and only around a barycenter. A distribution's number
    // counts only with its distribution chosen.
    EnteredSettings entered{settings, Settings::SolarMasses};
    bool allFinite = true;
    for (SettingRow const &row : settingsTable()) {
        if (row.kind != SettingRow::Number || row.key == "total-mass" || !row.isEnabled(settings))
            continue;
        double const value = row.number(entered);
        if (!std::isfinite(value)) {
            problems.push_back({row.key, SettingsProblem::NotFinite});
            allFinite = false;
        } else if (row.positive && !(value > 0)) {
            problems.push_back({row.key, SettingsProblem::NotPositive});
        }
    }
    if (!allFinite)
        return problems;

    bool const powerLaw = settings.radiusDistribution == Settings::RadiusDistribution::PowerLaw;
    bool const disc =
        settings.semiMajorAxisDistribution == Settings::SemiMajorAxisDistribution::SurfaceDensity;
    // N(>R) ~ R^-q and a disc holding ~ r^(1-p) dr with p >= 2 have no finite
    // count down to 0.
    if (powerLaw && !(settings.minRadius > 0))
        problems.push_back({"min-radius", SettingsProblem::ZeroLowerBound});
    if (disc && settings.surfaceDensitySlope >= 2 && !(settings.innerRadius > 0))
        problems.push_back({"inner", SettingsProblem::ZeroLowerBound});

    if (settings.planet)
        checkPlanet(problems, settings);

    // The period and the mass grow with the semi-major axis and the radius, so
    // the largest ones decide. A body's density is far below 1 Earth mass per
    // cubic kilometre, so a finite mass at density 1 is finite at any.
    bool const massGiven = std::isfinite(settings.totalMass) && settings.totalMass > 0;
    if (settings.barycenter && massGiven &&
        !std::isfinite(Kepler::orbitalPeriod(largest(settings.innerRadius, settings.outerRadius),
                                             settings.totalMass)))
        problems.push_back({"total-mass", SettingsProblem::PeriodOverflow});
    if (!std::isfinite(
            CatalogueText::bodyMass(largest(settings.minRadius, settings.maxRadius), 1.0)))
        problems.push_back({"max-radius", SettingsProblem::MassOverflow});
    return problems;
}

std::vector<SettingsWarning> checkWarnings(Settings const &s)
{
    std::vector<SettingsWarning> warnings;
    struct Pair {
        std::string_view lowerField, upperField;
        double lower, upper;
    };
    Pair const pairs[] = {
        {"inner", "outer", s.innerRadius, s.outerRadius},
        {"min-radius", "max-radius", s.minRadius, s.maxRadius},
        {"min-eccentricity", "max-eccentricity", s.minEccentricity,
         s.maxEccentricity},
    };
    // The generator clamps to the upper bound first, then to the lower one.
    for (Pair const &pair : pairs) {
        if (pair.lower > pair.upper)
            warnings.push_back({SettingsWarning::ReversedBounds, pair.lowerField, pair.upperField,
                                pair.lower, pair.upper});
    }
    if (s.minEccentricity >= 1)
        warnings.push_back({SettingsWarning::AllOrbitsOpen, "min-eccentricity",
                            "min-eccentricity", s.minEccentricity,
                            s.minEccentricity});
    else if (s.maxEccentricity >= 1)
        warnings.push_back({SettingsWarning::SomeOrbitsOpen, "max-eccentricity",
                            "max-eccentricity", s.maxEccentricity,
                            s.maxEccentricity});
    return warnings;
}
