// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsTable.h"

#include <charconv>
#include <cmath>

namespace {

template <auto member> auto &valueOf(EnteredSettings &entered)
{
    return entered.settings.*member;
}

SettingRow numberRow(std::string_view key, std::string_view member, FieldRange range,
                     std::string_view unit, std::string_view valueName, std::string_view help,
                     std::optional<SettingsProblem::Field> field,
                     double &(*value)(EnteredSettings &))
{
    SettingRow row;
    row.key = key;
    row.member = member;
    row.kind = SettingRow::Number;
    row.range = range;
    row.unit = unit;
    row.valueName = valueName;
    row.help = help;
    row.field = field;
    row.number = value;
    return row;
}

SettingRow textRow(std::string_view key, std::string_view member, std::string_view help,
                   SettingsProblem::Field field, std::string &(*value)(EnteredSettings &))
{
    SettingRow row;
    row.key = key;
    row.member = member;
    row.kind = SettingRow::Text;
    row.valueName = "text";
    row.help = help;
    row.field = field;
    row.text = value;
    return row;
}

SettingRow flagRow(std::string_view key, std::string_view member, std::string_view help,
                   std::string_view offHelp, bool &(*value)(EnteredSettings &))
{
    SettingRow row;
    row.key = key;
    row.member = member;
    row.kind = SettingRow::Flag;
    row.help = help;
    row.offHelp = offHelp;
    row.flag = value;
    return row;
}

// A choice stored in an enumeration member of Settings.
template <auto member, typename Enum>
SettingRow choiceRow(std::string_view key, std::string_view memberName, std::string_view valueName,
                     std::string_view help, std::initializer_list<ChoiceWord<Enum>> words)
{
    SettingRow row;
    row.key = key;
    row.member = memberName;
    row.kind = SettingRow::Choice;
    row.valueName = valueName;
    row.help = help;
    for (auto const &word : words)
        row.words.push_back({std::int32_t(word.value), word.word});
    row.choice = [](EnteredSettings const &entered) {
        return std::int32_t(entered.settings.*member);
    };
    row.setChoice = [](EnteredSettings &entered, std::int32_t value) {
        entered.settings.*member = static_cast<Enum>(value);
    };
    return row;
}

std::vector<SettingRow> makeTable()
{
    using Field = SettingsProblem::Field;
    std::vector<SettingRow> rows;
    rows.push_back(choiceRow<&Settings::objectType, BaseAsteroid::ObjectType>(
        "type", "objectType", "type", "Object type: {words}.",
        {{BaseAsteroid::Asteroid, "asteroid"}, {BaseAsteroid::Comet, "comet"}}));
    rows.push_back(textRow("name", "beltName", "Belt name, the stem of every body's name.",
                           Field::BeltName, valueOf<&Settings::beltName>));
    rows.push_back(textRow("center", "beltCenter", "Center object that the bodies orbit.",
                           Field::BeltCenter, valueOf<&Settings::beltCenter>));

    rows.push_back(flagRow(
        "barycenter", "barycenter",
        "The center object is a barycenter: orbits get periods from --total-mass.",
        "The center object is not a barycenter.", valueOf<&Settings::barycenter>));

    SettingRow totalMass = numberRow(
        "total-mass", "totalMass", FieldLimits::totalMass, "", "mass",
        "Total mass of the main objects at the center, {range} in the unit of --mass-unit.",
        Field::TotalMass, valueOf<&Settings::totalMass>);
    totalMass.unitFrom = "mass-unit";
    rows.push_back(totalMass);

    SettingRow massUnit;
    massUnit.key = "mass-unit";
    massUnit.member = "massUnit";
    massUnit.kind = SettingRow::Choice;
    massUnit.valueName = "unit";
    massUnit.help = "Unit of --total-mass: solar (the default) or earth.";
    massUnit.words = {{Settings::SolarMasses, "solar"}, {Settings::EarthMasses, "earth"}};
    massUnit.wordUnits = {"solar masses", "Earth masses"};
    massUnit.choice = [](EnteredSettings const &entered) { return std::int32_t(entered.massUnit); };
    massUnit.setChoice = [](EnteredSettings &entered, std::int32_t value) {
        entered.massUnit = static_cast<Settings::MassUnit>(value);
    };
    rows.push_back(massUnit);

    SettingRow number;
    number.key = "number";
    number.member = "number";
    number.kind = SettingRow::WholeNumber;
    number.range = {0, double(FieldLimits::largestEnteredNumber), 0};
    number.valueName = "count";
    number.help = "Number of bodies, {range}.";
    number.whole = valueOf<&Settings::number>;
    rows.push_back(number);

    rows.push_back(numberRow("inner", "innerRadius", FieldLimits::beltRadius, "AU", "AU",
                             "Belt inner radius in AU, {range}.", Field::InnerRadius,
                             valueOf<&Settings::innerRadius>));
    rows.push_back(numberRow("outer", "outerRadius", FieldLimits::beltRadius, "AU", "AU",
                             "Belt outer radius in AU, {range}.", Field::OuterRadius,
                             valueOf<&Settings::outerRadius>));
    rows.push_back(numberRow("min-radius", "minRadius", FieldLimits::bodyRadius, "km", "km",
                             "Smallest body radius in km, {range}.", Field::MinRadius,
                             valueOf<&Settings::minRadius>));
    rows.push_back(numberRow("max-radius", "maxRadius", FieldLimits::bodyRadius, "km", "km",
                             "Largest body radius in km, {range}.", Field::MaxRadius,
                             valueOf<&Settings::maxRadius>));
    rows.push_back(numberRow("min-eccentricity", "minEccentricity", FieldLimits::eccentricity, "",
                             "e", "Smallest eccentricity, {range}.", Field::MinEccentricity,
                             valueOf<&Settings::minEccentricity>));
    rows.push_back(numberRow("max-eccentricity", "maxEccentricity", FieldLimits::eccentricity, "",
                             "e", "Largest eccentricity, {range}.", Field::MaxEccentricity,
                             valueOf<&Settings::maxEccentricity>));
    rows.push_back(numberRow("max-inclination", "maxInclination", FieldLimits::inclination,
                             "degrees", "degrees",
                             "Inclination bound in degrees, applied with both signs, {range}.",
                             Field::MaxInclination, valueOf<&Settings::maxInclination>));
    rows.push_back(choiceRow<&Settings::referencePlane, Orbit::ReferencePlane>(
        "plane", "referencePlane", "plane", "Reference plane: {words}.",
        {{Orbit::Ecliptic, "ecliptic"},
         {Orbit::Equator, "equator"},
         {Orbit::Extrasolar, "extrasolar"}}));
    rows.push_back(numberRow("epoch", "epoch", FieldLimits::epoch, "(Julian date)", "JD",
                             "Epoch as a Julian date, {range}.", Field::Epoch,
                             valueOf<&Settings::epoch>));

    // The distributions: older recipes lack them, and the bell (a mean
    // anomaly of 0) stands. Each number counts only with its choice made.
    using S = Settings;
    auto const distribution = [&](SettingRow row) {
        row.optional = true;
        rows.push_back(row);
    };
    auto const parameter = [&](SettingRow row, bool (*enabled)(Settings const &),
                               bool positive = true) {
        row.optional = true;
        row.enabled = enabled;
        row.positive = positive;
        rows.push_back(row);
    };
    distribution(choiceRow<&S::radiusDistribution, S::RadiusDistribution>(
        "radius-distribution", "radiusDistribution", "law",
        "How body radii are drawn: {words} (N(>R) ~ R^-q between the radii).",
        {{S::RadiusDistribution::Bell, "bell"}, {S::RadiusDistribution::PowerLaw, "power-law"}}));
    parameter(numberRow("radius-slope", "radiusSlope", FieldLimits::radiusSlope, "", "q",
                        "Slope q of the power law of sizes, above 0 and up to 10.",
                        Field::RadiusSlope, valueOf<&S::radiusSlope>),
              [](S const &s) { return s.radiusDistribution == S::RadiusDistribution::PowerLaw; });
    distribution(choiceRow<&S::eccentricityDistribution, S::SpreadDistribution>(
        "eccentricity-distribution", "eccentricityDistribution", "law",
        "How eccentricities are drawn: {words}.",
        {{S::SpreadDistribution::Bell, "bell"}, {S::SpreadDistribution::Rayleigh, "rayleigh"}}));
    parameter(numberRow("eccentricity-mode", "eccentricityMode", FieldLimits::eccentricityMode,
                        "", "e", "Most common eccentricity of the Rayleigh law, above 0 and up "
                                 "to 99.99.",
                        Field::EccentricityMode, valueOf<&S::eccentricityMode>),
              [](S const &s) {
                  return s.eccentricityDistribution == S::SpreadDistribution::Rayleigh;
              });
    distribution(choiceRow<&S::inclinationDistribution, S::SpreadDistribution>(
        "inclination-distribution", "inclinationDistribution", "law",
        "How inclinations are drawn: {words} (rayleigh: from 0 to the bound).",
        {{S::SpreadDistribution::Bell, "bell"}, {S::SpreadDistribution::Rayleigh, "rayleigh"}}));
    parameter(numberRow("inclination-mode", "inclinationMode", FieldLimits::inclinationMode,
                        "degrees", "degrees",
                        "Most common inclination of the Rayleigh law in degrees, above 0 and up "
                        "to 180.",
                        Field::InclinationMode, valueOf<&S::inclinationMode>),
              [](S const &s) {
                  return s.inclinationDistribution == S::SpreadDistribution::Rayleigh;
              });
    distribution(choiceRow<&S::semiMajorAxisDistribution, S::SemiMajorAxisDistribution>(
        "semi-major-axis-distribution", "semiMajorAxisDistribution", "law",
        "How semi-major axes are drawn: {words} (a surface density ~ r^-p).",
        {{S::SemiMajorAxisDistribution::Bell, "bell"},
         {S::SemiMajorAxisDistribution::SurfaceDensity, "surface-density"}}));
    parameter(numberRow("surface-density-slope", "surfaceDensitySlope",
                        FieldLimits::surfaceDensitySlope, "", "p",
                        "Slope p of the surface density, {range}; 0 is an even disc.",
                        Field::SurfaceDensitySlope, valueOf<&S::surfaceDensitySlope>),
              [](S const &s) {
                  return s.semiMajorAxisDistribution ==
                         S::SemiMajorAxisDistribution::SurfaceDensity;
              },
              false);
    distribution(choiceRow<&S::meanAnomalyDistribution, S::MeanAnomalyDistribution>(
        "mean-anomaly-distribution", "meanAnomalyDistribution", "law",
        "Where bodies stand at the epoch: {words} (zero: at the pericenter).",
        {{S::MeanAnomalyDistribution::Zero, "zero"},
         {S::MeanAnomalyDistribution::Uniform, "uniform"}}));

    // The planet: older recipes lack it, and the belt stands as without one.
    // Each of its numbers counts only with the planet on and its part used.
    auto const flag = [&](std::string_view key, std::string_view member, std::string_view help,
                          std::string_view offHelp, bool &(*value)(EnteredSettings &),
                          bool (*enabled)(Settings const &)) {
        SettingRow row = flagRow(key, member, help, offHelp, value);
        row.optional = true;
        row.enabled = enabled;
        rows.push_back(row);
    };
    auto const planetOn = [](S const &s) { return s.planet; };
    auto const trojansOn = [](S const &s) { return s.planet && s.trojanShare > 0; };
    flag("planet", "planet",
         "A planet on a circular orbit shapes the belt (see the options after it).",
         "No planet shapes the belt.", valueOf<&S::planet>, nullptr);
    parameter(numberRow("planet-semi-major-axis", "planetSemiMajorAxis", FieldLimits::planetAxis,
                        "AU", "AU", "The planet's semi-major axis in AU, above 0 and up to 1e+21.",
                        Field::PlanetSemiMajorAxis, valueOf<&S::planetSemiMajorAxis>),
              planetOn);
    SettingRow planetMass = numberRow(
        "planet-mass", "planetMass", FieldLimits::planetMass, "", "mass",
        "The planet's mass, above 0 and up to 1e+09, in the unit of --planet-mass-unit.",
        Field::PlanetMass, valueOf<&S::planetMass>);
    planetMass.unitFrom = "planet-mass-unit";
    parameter(planetMass, planetOn);
    SettingRow planetMassUnit = choiceRow<&S::planetMassUnit, S::PlanetMassUnit>(
        "planet-mass-unit", "planetMassUnit", "unit",
        "Unit of --planet-mass: jupiter (the default) or earth.",
        {{S::PlanetMassUnit::JupiterMasses, "jupiter"}, {S::PlanetMassUnit::EarthMasses, "earth"}});
    planetMassUnit.wordUnits = {"Jupiter masses", "Earth masses"};
    parameter(planetMassUnit, planetOn, false);
    parameter(numberRow("central-mass", "centralMass", FieldLimits::centralMass, "solar masses",
                        "mass",
                        "Mass of the center object in solar masses, above 0 and up to 1e+09, "
                        "for the planet (with --barycenter, --total-mass stands instead).",
                        Field::CentralMass, valueOf<&S::centralMass>),
              [](S const &s) { return s.planet && !s.barycenter; });
    parameter(numberRow("planet-longitude", "planetLongitude", FieldLimits::longitude, "degrees",
                        "degrees", "The planet's mean longitude at the epoch in degrees, {range}.",
                        Field::PlanetLongitude, valueOf<&S::planetLongitude>),
              planetOn, false);
    parameter(numberRow("resonance-eccentricity", "resonanceEccentricity",
                        FieldLimits::resonanceEccentricity, "", "e",
                        "Eccentricity at which a resonance's width is taken, for its gap and its "
                        "family, above 0 and up to 0.99.",
                        Field::ResonanceEccentricity, valueOf<&S::resonanceEccentricity>),
              [](S const &s) { return s.planet && (s.resonanceGaps || s.familyShare > 0); });
    flag("resonance-gaps", "resonanceGaps",
         "The belt's bodies avoid the planet's resonances of --gap-resonances.",
         "No gaps at the planet's resonances.", valueOf<&S::resonanceGaps>, planetOn);
    SettingRow gaps = textRow("gap-resonances", "gapResonances",
                              "The resonances p:q of the gaps, apart by spaces (such as "
                              "\"4:1 3:1 5:2 7:3 2:1\"), where they fall in the belt.",
                              Field::GapResonances, valueOf<&S::gapResonances>);
    gaps.valueName = "list";
    parameter(gaps, [](S const &s) { return s.planet && s.resonanceGaps; }, false);
    flag("cleared-orbit", "clearedOrbit",
         "No body but the Trojans in the planet's chaotic zone, 1.3 mu^(2/7) times its "
         "semi-major axis on either side.",
         "Bodies may lie in the planet's chaotic zone.", valueOf<&S::clearedOrbit>, planetOn);
    parameter(numberRow("trojan-share", "trojanShare", FieldLimits::share, "%", "percent",
                        "Share of the bodies in the Trojan clouds around L4 and L5 in percent, "
                        "{range}.",
                        Field::TrojanShare, valueOf<&S::trojanShare>),
              planetOn, false);
    parameter(numberRow("trojan-l4-share", "trojanL4Share", FieldLimits::share, "%", "percent",
                        "Share of the Trojans at L4, 60 degrees ahead of the planet, in percent, "
                        "{range}; the rest are at L5.",
                        Field::TrojanL4Share, valueOf<&S::trojanL4Share>),
              trojansOn, false);
    parameter(numberRow("libration-amplitude", "librationAmplitude",
                        FieldLimits::librationAmplitude, "degrees", "degrees",
                        "Largest angle of the Trojans from L4 or L5 in degrees, {range}.",
                        Field::LibrationAmplitude, valueOf<&S::librationAmplitude>),
              trojansOn, false);
    SettingRow family = textRow("family-resonance", "familyResonance",
                                "The resonance p:q of the resonant family (such as 3:2), on the "
                                "side of the planet where the belt lies.",
                                Field::FamilyResonance, valueOf<&S::familyResonance>);
    family.valueName = "p:q";
    parameter(family, [](S const &s) { return s.planet && s.familyShare > 0; }, false);
    parameter(numberRow("family-share", "familyShare", FieldLimits::share, "%", "percent",
                        "Share of the bodies in the resonant family in percent, {range}.",
                        Field::FamilyShare, valueOf<&S::familyShare>),
              planetOn, false);
    return rows;
}

void replace(std::string &text, std::string_view placeholder, std::string const &value)
{
    auto const at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), value);
}

} // namespace

Settings EnteredSettings::forRun() const
{
    Settings run = settings;
    if (massUnit == Settings::EarthMasses)
        run.totalMass = settings.totalMass * solMassOfEarth;
    return run;
}

std::string_view SettingRow::word(EnteredSettings const &entered) const
{
    std::int32_t const value = choice(entered);
    for (auto const &each : words) {
        if (each.value == value)
            return each.word;
    }
    return {};
}

std::string_view SettingRow::unitOf(EnteredSettings const &entered) const
{
    SettingRow const *units = unitFrom.empty() ? nullptr : findSetting(unitFrom);
    if (!units)
        return unit;
    std::int32_t const value = units->choice(entered);
    for (std::size_t i = 0; i < units->words.size() && i < units->wordUnits.size(); ++i) {
        if (units->words[i].value == value)
            return units->wordUnits[i];
    }
    return unit;
}

std::optional<std::int32_t> SettingRow::valueOf(std::string_view word) const
{
    for (auto const &each : words) {
        if (each.word == word)
            return each.value;
    }
    return std::nullopt;
}

std::string SettingRow::helpLine() const
{
    std::string line(help);
    replace(line, "{range}", rangeText(range));
    replace(line, "{words}", wordList(words));
    return line;
}

std::vector<SettingRow> const &settingsTable()
{
    static std::vector<SettingRow> const table = makeTable();
    return table;
}

SettingRow const *findSetting(std::string_view key)
{
    for (SettingRow const &row : settingsTable()) {
        if (row.key == key)
            return &row;
    }
    return nullptr;
}

SettingRow const *findSetting(SettingsProblem::Field field)
{
    for (SettingRow const &row : settingsTable()) {
        if (row.field == field)
            return &row;
    }
    return nullptr;
}

std::string rangeText(FieldRange range)
{
    return numberText(range.minimum) + " to " + numberText(range.maximum);
}

std::string wordList(std::vector<ChoiceWord<std::int32_t>> const &words)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            text += i + 1 == words.size() ? " or " : ", ";
        text += words[i].word;
    }
    return text;
}

std::string numberText(double value)
{
    char buffer[32];
    bool const whole = std::floor(value) == value && std::fabs(value) < 1e15;
    auto const result =
        whole ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
