// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsTable.h"

#include "WindowText.h"

#include <algorithm>
#include <charconv>
#include <type_traits>
#include <cmath>

namespace {

template <typename> struct MemberOf;
template <typename Class, typename Type> struct MemberOf<Type Class::*> {
    using Owner = Class;
    using Value = Type;
};

// A value and where it lives, for the row builders.
template <typename Value> struct Accessor {
    Value &(*get)(SettingPlace);
    SettingRow::Level level;
};

template <auto member> auto &fetch(SettingPlace place)
{
    if constexpr (std::is_same_v<typename MemberOf<decltype(member)>::Owner, Population>)
        return place.population.*member;
    else
        return place.entered.settings.*member;
}

template <auto member> constexpr SettingRow::Level levelOf()
{
    return std::is_same_v<typename MemberOf<decltype(member)>::Owner, Population>
               ? SettingRow::OfPopulation
               : SettingRow::OfBelt;
}

template <auto member>
constexpr Accessor<typename MemberOf<decltype(member)>::Value> valueOf{&fetch<member>,
                                                                      levelOf<member>()};

// What a row shows in the window: the name messages give it, its tooltip
// and the suffix of its number.
struct Shown {
    char const *label = nullptr;
    char const *tip = nullptr;
    std::string_view suffix = {};
};

SettingRow row(std::string_view key, std::string_view member, SettingRow::Kind kind,
               std::string_view help, Shown shown)
{
    SettingRow row;
    row.key = key;
    row.member = member;
    row.kind = kind;
    row.help = help;
    row.label = shown.label;
    row.tip = shown.tip;
    row.suffix = shown.suffix;
    return row;
}

SettingRow numberRow(std::string_view key, std::string_view member, FieldRange range,
                     std::string_view unit, std::string_view valueName, std::string_view help,
                     Shown shown, Accessor<double> value)
{
    SettingRow number = row(key, member, SettingRow::Number, help, shown);
    number.range = range;
    number.unit = unit;
    number.valueName = valueName;
    number.numberAt = value.get;
    number.level = value.level;
    return number;
}

SettingRow textRow(std::string_view key, std::string_view member, std::string_view help,
                   Shown shown, Accessor<std::string> value)
{
    SettingRow text = row(key, member, SettingRow::Text, help, shown);
    text.valueName = "text";
    text.textAt = value.get;
    text.level = value.level;
    return text;
}

SettingRow flagRow(std::string_view key, std::string_view member, std::string_view help,
                   std::string_view offHelp, Shown shown, Accessor<bool> value)
{
    SettingRow flag = row(key, member, SettingRow::Flag, help, shown);
    flag.offHelp = offHelp;
    flag.flagAt = value.get;
    flag.level = value.level;
    return flag;
}

// A choice stored in an enumeration member of Settings; each word's value
// is the enumerator's.
template <auto member, typename Enum>
SettingRow choiceRow(std::string_view key, std::string_view memberName, std::string_view valueName,
                     std::string_view help, Shown shown,
                     std::initializer_list<std::pair<Enum, ChoiceWord>> words)
{
    SettingRow choice = row(key, memberName, SettingRow::Choice, help, shown);
    choice.valueName = valueName;
    for (auto word : words) {
        word.second.value = std::int32_t(word.first);
        choice.words.push_back(word.second);
    }
    choice.level = levelOf<member>();
    choice.choiceAt = [](SettingPlace place) { return std::int32_t(fetch<member>(place)); };
    choice.setChoiceAt = [](SettingPlace place, std::int32_t value) {
        fetch<member>(place) = static_cast<Enum>(value);
    };
    return choice;
}

// A word without its value, which choiceRow() sets.
ChoiceWord word(std::string_view word, char const *label = nullptr, std::string_view unit = {},
                std::string_view suffix = {})
{
    return ChoiceWord{0, word, label, unit, suffix};
}

bool collisionalFamilyIn(Settings const &s)
{
    return std::any_of(s.populations.begin(), s.populations.end(), [](Population const &p) {
        return p.kind == Population::Kind::CollisionalFamily;
    });
}

std::vector<SettingRow> makeTable()
{
    std::vector<SettingRow> rows;
    rows.push_back(choiceRow<&Settings::objectType, BaseAsteroid::ObjectType>(
        "type", "objectType", "type", "Object type: {words}.",
        {nullptr, QT_TRANSLATE_NOOP("MainWindow",
                                    "Asteroid or comet: the kind of body the catalogue makes of "
                                    "every body of the belt")},
        {{BaseAsteroid::Asteroid, word("asteroid", QT_TRANSLATE_NOOP("MainWindow", "Asteroid"))},
         {BaseAsteroid::Comet, word("comet", QT_TRANSLATE_NOOP("MainWindow", "Comet"))}}));
    rows.push_back(textRow("name", "beltName", "Belt name, the stem of every body's name.",
                           {QT_TRANSLATE_NOOP("MainWindow", "Belt name"),
                            QT_TRANSLATE_NOOP("MainWindow",
                                              "Name of asteroids - a serial number is appended")},
                           valueOf<&Settings::beltName>));
    rows.push_back(textRow("center", "beltCenter", "Center object that the bodies orbit.",
                           {QT_TRANSLATE_NOOP("MainWindow", "Center object"),
                            QT_TRANSLATE_NOOP("MainWindow",
                                              "The object the bodies orbit, by the name the "
                                              "catalogue's reader knows it by")},
                           valueOf<&Settings::beltCenter>));

    rows.push_back(flagRow(
        "barycenter", "barycenter",
        "The center object is a barycenter: orbits get periods from --total-mass.",
        "The center object is not a barycenter.",
        {nullptr, QT_TRANSLATE_NOOP("MainWindow", "Is the center object a barycenter?")},
        valueOf<&Settings::barycenter>));

    SettingRow totalMass = numberRow(
        "total-mass", "totalMass", FieldLimits::totalMass, "", "mass",
        "Total mass of the main objects at the center, {range} in the unit of --mass-unit.",
        {QT_TRANSLATE_NOOP("MainWindow", "Total mass"),
         QT_TRANSLATE_NOOP("MainWindow",
                           "Total mass of main objects. An approximate value is sufficient")},
        valueOf<&Settings::totalMass>);
    totalMass.unitFrom = "mass-unit";
    rows.push_back(totalMass);

    // Two radio buttons in the window, which name their units themselves.
    SettingRow massUnit = row("mass-unit", "massUnit", SettingRow::Choice,
                              "Unit of --total-mass: solar (the default) or earth.", {});
    massUnit.valueName = "unit";
    massUnit.words = {{Settings::SolarMasses, "solar", nullptr, "solar masses", " M\u2299"},
                      {Settings::EarthMasses, "earth", nullptr, "Earth masses", " M\u2295"}};
    massUnit.choiceAt = [](SettingPlace place) { return std::int32_t(place.entered.massUnit); };
    massUnit.setChoiceAt = [](SettingPlace place, std::int32_t value) {
        place.entered.massUnit = static_cast<Settings::MassUnit>(value);
    };
    rows.push_back(massUnit);

    SettingRow number = row("number", "number", SettingRow::WholeNumber,
                            "Number of bodies, {range}.",
                            {nullptr, QT_TRANSLATE_NOOP("MainWindow",
                                                        "How many bodies the belt has, from 1 "
                                                        "to 1,000,000; about one in five is a "
                                                        "binary, which holds two more")});
    number.range = {0, double(FieldLimits::largestEnteredNumber), 0};
    number.valueName = "count";
    number.wholeAt = valueOf<&Settings::number>.get;
    rows.push_back(number);

    // Each population's name, share and kind; a recipe's section opens with them.
    SettingRow populationName =
        textRow("population-name", "populationName",
                "Name of the population, shown in the window's list and the preview's legend.",
                {QT_TRANSLATE_NOOP("MainWindow", "Population name")}, valueOf<&Population::name>);
    // Older recipes, of one population, lack them.
    populationName.optional = true;
    rows.push_back(populationName);
    SettingRow share = numberRow("share", "populationShare", FieldLimits::share, "%", "percent",
                                 "Share of the belt's bodies in the population in percent, "
                                 "{range}; the shares of all populations add up to 100.",
                                 {QT_TRANSLATE_NOOP("MainWindow", "Share"), nullptr, " %"},
                                 valueOf<&Population::share>);
    share.optional = true;
    rows.push_back(share);
    SettingRow kind = choiceRow<&Population::kind, Population::Kind>(
        "kind", "populationKind", "kind",
        "How the population's bodies are placed: {words} (trojans, family and resonant "
        "need --planet).",
        {QT_TRANSLATE_NOOP("MainWindow", "Kind")}, {});
    for (PopulationKind const &each : populationKinds())
        kind.words.push_back(ChoiceWord{std::int32_t(each.kind), each.word, each.label, {}, {}});
    kind.optional = true;
    rows.push_back(kind);

    rows.push_back(numberRow("inner", "innerRadius", FieldLimits::beltRadius, "AU", "AU",
                             "Belt inner radius in AU, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Belt inner radius"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The smallest semi-major axis of the bodies' orbits, in AU (astronomical units), from 0 to 1e21"),
                              " AU"},
                             valueOf<&Population::innerRadius>));
    rows.push_back(numberRow("outer", "outerRadius", FieldLimits::beltRadius, "AU", "AU",
                             "Belt outer radius in AU, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Belt outer radius"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The largest semi-major axis of the bodies' orbits, in AU (astronomical units), from 0 to 1e21"),
                              " AU"},
                             valueOf<&Population::outerRadius>));
    rows.push_back(numberRow("min-radius", "minRadius", FieldLimits::bodyRadius, "km", "km",
                             "Smallest body radius in km, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Min radius"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The radius of the smallest body, in km, from 0 to 1e21"),
                              " km"},
                             valueOf<&Population::minRadius>));
    rows.push_back(numberRow("max-radius", "maxRadius", FieldLimits::bodyRadius, "km", "km",
                             "Largest body radius in km, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Max radius"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The radius of the largest body, in km, from 0 to 1e21"),
                              " km"},
                             valueOf<&Population::maxRadius>));
    rows.push_back(numberRow("min-eccentricity", "minEccentricity", FieldLimits::eccentricity, "",
                             "e", "Smallest eccentricity, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Min eccentricity"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The smallest eccentricity of the orbits, from 0 "
                                                "(a circle) to 99.99; below 1 an ellipse")},
                             valueOf<&Population::minEccentricity>));
    rows.push_back(numberRow("max-eccentricity", "maxEccentricity", FieldLimits::eccentricity, "",
                             "e", "Largest eccentricity, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Max eccentricity"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The largest eccentricity of the orbits, from 0 "
                                                "(a circle) to 99.99; 1 or more makes open "
                                                "orbits")},
                             valueOf<&Population::maxEccentricity>));
    rows.push_back(numberRow("max-inclination", "maxInclination", FieldLimits::inclination,
                             "degrees", "degrees",
                             "Inclination bound in degrees, applied with both signs, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Max inclination"),
                              QT_TRANSLATE_NOOP("MainWindow", "Positive and negative bounds"),
                              "\u00b0"},
                             valueOf<&Population::maxInclination>));
    // The planes' names stay English in every language.
    rows.push_back(choiceRow<&Settings::referencePlane, Orbit::ReferencePlane>(
        "plane", "referencePlane", "plane", "Reference plane: {words}.",
        {nullptr, QT_TRANSLATE_NOOP("MainWindow",
                                    "The plane the inclinations and nodes are measured from: the "
                                    "ecliptic, the central object's equator, or the plane of an "
                                    "extrasolar system")},
        {{Orbit::Ecliptic, word("ecliptic", "Ecliptic")},
         {Orbit::Equator, word("equator", "Equator")},
         {Orbit::Extrasolar, word("extrasolar", "Extrasolar")}}));
    rows.push_back(numberRow("epoch", "epoch", FieldLimits::epoch, "(Julian date)", "JD",
                             "Epoch as a Julian date, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Epoch"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The time the orbits hold for, as a Julian date "
                                                "from 0 to 10000000 (2457395.5 is 8 January 2016)")},
                             valueOf<&Settings::epoch>));

    // The distributions: older recipes lack them, and the bell (a mean
    // anomaly of 0) stands. Each number counts only with its choice made.
    using S = Settings;
    using P = Population;
    SettingRow::Part part = SettingRow::Distribution;
    auto const distribution = [&](SettingRow row) {
        row.optional = true;
        row.part = part;
        rows.push_back(row);
    };
    auto const parameter = [&](SettingRow row, bool (*enabled)(Settings const &, Population const &),
                               bool positive = true) {
        row.optional = true;
        row.part = part;
        row.enabled = enabled;
        row.positive = positive;
        rows.push_back(row);
    };
    // A number above 0 where it counts: its range as help writes it.
    auto const open = [](SettingRow row, std::string_view range) {
        row.openRange = range;
        return row;
    };
    ChoiceWord const bell = word("bell", QT_TRANSLATE_NOOP("MainWindow", "Bell"));
    ChoiceWord const rayleigh = word("rayleigh", QT_TRANSLATE_NOOP("MainWindow", "Rayleigh"));
    distribution(choiceRow<&P::radiusDistribution, P::RadiusDistribution>(
        "radius-distribution", "radiusDistribution", "law",
        "How body radii are drawn: {words} (N(>R) ~ R^-q between the radii).",
        {nullptr, QT_TRANSLATE_NOOP("MainWindow",
                                    "How body radii are drawn: a bell between the smallest and "
                                    "largest radius, or a power law with ever more small bodies")},
        {{P::RadiusDistribution::Bell, bell},
         {P::RadiusDistribution::PowerLaw,
          word("power-law", QT_TRANSLATE_NOOP("MainWindow", "Power law"))}}));
    parameter(open(numberRow("radius-slope", "radiusSlope", FieldLimits::radiusSlope, "", "q",
                             "Slope q of the power law of sizes, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Size slope"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "Cumulative slope q of the power law: the number "
                                                "of bodies larger than R falls as R^-q (2.5 for a "
                                                "collisional cascade); above 0")},
                             valueOf<&P::radiusSlope>),
                   "above 0 and up to 10"),
              [](S const &, P const &s) { return s.radiusDistribution == P::RadiusDistribution::PowerLaw; });
    distribution(choiceRow<&P::eccentricityDistribution, P::SpreadDistribution>(
        "eccentricity-distribution", "eccentricityDistribution", "law",
        "How eccentricities are drawn: {words}.",
        {nullptr, QT_TRANSLATE_NOOP("MainWindow",
                                    "How eccentricities are drawn: a bell between their bounds, "
                                    "or a Rayleigh distribution, most orbits nearly circular with "
                                    "a tail towards the largest eccentricity")},
        {{P::SpreadDistribution::Bell, bell}, {P::SpreadDistribution::Rayleigh, rayleigh}}));
    parameter(open(numberRow("eccentricity-mode", "eccentricityMode",
                             FieldLimits::eccentricityMode, "", "e",
                             "Most common eccentricity of the Rayleigh law, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Eccentricity mode"),
                              QT_TRANSLATE_NOOP("MainWindow", "The most common eccentricity of "
                                                              "the Rayleigh distribution; above 0")},
                             valueOf<&P::eccentricityMode>),
                   "above 0 and up to 99.99"),
              [](S const &, P const &s) {
                  return s.eccentricityDistribution == P::SpreadDistribution::Rayleigh;
              });
    distribution(choiceRow<&P::inclinationDistribution, P::SpreadDistribution>(
        "inclination-distribution", "inclinationDistribution", "law",
        "How inclinations are drawn: {words} (rayleigh: from 0 to the bound).",
        {nullptr, QT_TRANSLATE_NOOP("MainWindow",
                                    "How inclinations are drawn: a bell from minus to plus the "
                                    "bound, or a Rayleigh distribution from 0 to the bound, most "
                                    "orbits nearly flat")},
        {{P::SpreadDistribution::Bell, bell}, {P::SpreadDistribution::Rayleigh, rayleigh}}));
    parameter(open(numberRow("inclination-mode", "inclinationMode", FieldLimits::inclinationMode,
                             "degrees", "degrees",
                             "Most common inclination of the Rayleigh law in degrees, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Inclination mode"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The most common inclination of the Rayleigh "
                                                "distribution, in degrees; above 0"),
                              "\u00b0"},
                             valueOf<&P::inclinationMode>),
                   "above 0 and up to 180"),
              [](S const &, P const &s) {
                  return s.inclinationDistribution == P::SpreadDistribution::Rayleigh;
              });
    distribution(choiceRow<&P::semiMajorAxisDistribution, P::SemiMajorAxisDistribution>(
        "semi-major-axis-distribution", "semiMajorAxisDistribution", "law",
        "How semi-major axes are drawn: {words} (a surface density ~ r^-p).",
        {nullptr, QT_TRANSLATE_NOOP("MainWindow",
                                    "How semi-major axes are drawn: a bell between the inner and "
                                    "outer radius, or a disc whose surface density falls as "
                                    "r^-p")},
        {{P::SemiMajorAxisDistribution::Bell, bell},
         {P::SemiMajorAxisDistribution::SurfaceDensity,
          word("surface-density", QT_TRANSLATE_NOOP("MainWindow", "Surface density"))}}));
    parameter(numberRow("surface-density-slope", "surfaceDensitySlope",
                        FieldLimits::surfaceDensitySlope, "", "p",
                        "Slope p of the surface density, {range}; 0 is an even disc.",
                        {QT_TRANSLATE_NOOP("MainWindow", "Surface density slope"),
                         QT_TRANSLATE_NOOP("MainWindow",
                                           "Slope p of the surface density r^-p: 0 an even disc, "
                                           "1.5 the minimum-mass solar nebula, negative thicker "
                                           "outwards")},
                        valueOf<&P::surfaceDensitySlope>),
              [](S const &, P const &s) {
                  // A scattered disc's semi-major axes always take the power law.
                  return s.semiMajorAxisDistribution ==
                             P::SemiMajorAxisDistribution::SurfaceDensity ||
                         s.kind == P::Kind::ScatteredDisc;
              },
              false);
    distribution(choiceRow<&P::meanAnomalyDistribution, P::MeanAnomalyDistribution>(
        "mean-anomaly-distribution", "meanAnomalyDistribution", "law",
        "Where bodies stand at the epoch: {words} (zero: at the pericenter).",
        {nullptr, QT_TRANSLATE_NOOP("MainWindow",
                                    "Where each body stands on its orbit at the epoch: at its "
                                    "pericenter (0), or anywhere along it (uniform over 0 to 360 "
                                    "degrees)")},
        {{P::MeanAnomalyDistribution::Zero,
          word("zero", QT_TRANSLATE_NOOP("MainWindow", "At pericenter"))},
         {P::MeanAnomalyDistribution::Uniform,
          word("uniform", QT_TRANSLATE_NOOP("MainWindow", "Uniform"))}}));

    // The planet: older recipes lack it, and the belt stands as without one.
    // Each of its numbers counts only with the planet on and its part used.
    part = SettingRow::Planet;
    auto const flag = [&](SettingRow row, bool (*enabled)(Settings const &, Population const &)) {
        row.optional = true;
        row.part = part;
        row.enabled = enabled;
        rows.push_back(row);
    };
    auto const planetOn = [](S const &s, P const &) { return s.planet; };
    flag(flagRow("planet", "planet",
                 "A planet on a circular orbit shapes the belt (see the options after it).",
                 "No planet shapes the belt.",
                 {QT_TRANSLATE_NOOP("MainWindow", "A planet shapes the belt"),
                  QT_TRANSLATE_NOOP("MainWindow",
                                    "A planet on a circular orbit in the reference plane shapes "
                                    "the belt: gaps at its resonances, a cleared orbit, Trojans "
                                    "and a resonant family")},
                 valueOf<&S::planet>),
         nullptr);
    parameter(open(numberRow("planet-semi-major-axis", "planetSemiMajorAxis",
                             FieldLimits::planetAxis, "AU", "AU",
                             "The planet's semi-major axis in AU, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Planet's semi-major axis"),
                              QT_TRANSLATE_NOOP("MainWindow", "Semi-major axis of the planet's "
                                                              "circular orbit; above 0"),
                              " AU"},
                             valueOf<&S::planetSemiMajorAxis>),
                   "above 0 and up to 1e+21"),
              planetOn);
    SettingRow planetMass = open(
        numberRow("planet-mass", "planetMass", FieldLimits::planetMass, "", "mass",
                  "The planet's mass, {range}, in the unit of --planet-mass-unit.",
                  {QT_TRANSLATE_NOOP("MainWindow", "Planet's mass"),
                   QT_TRANSLATE_NOOP("MainWindow",
                                     "Mass of the planet in the unit chosen beside it; above 0")},
                  valueOf<&S::planetMass>),
        "above 0 and up to 1e+09");
    planetMass.unitFrom = "planet-mass-unit";
    parameter(planetMass, planetOn);
    parameter(choiceRow<&S::planetMassUnit, S::PlanetMassUnit>(
                  "planet-mass-unit", "planetMassUnit", "unit",
                  "Unit of --planet-mass: jupiter (the default) or earth.",
                  {nullptr, QT_TRANSLATE_NOOP("MainWindow",
                                              "Unit of the planet's mass: Jupiter masses (M\u2643) "
                                              "or Earth masses (M\u2295)")},
                  {{S::PlanetMassUnit::JupiterMasses,
                    word("jupiter", QT_TRANSLATE_NOOP("MainWindow", "Jupiter masses"),
                         "Jupiter masses", " M\u2643")},
                   {S::PlanetMassUnit::EarthMasses,
                    word("earth", QT_TRANSLATE_NOOP("MainWindow", "Earth masses"), "Earth masses",
                         " M\u2295")}}),
              planetOn, false);
    parameter(open(numberRow("central-mass", "centralMass", FieldLimits::centralMass,
                             "solar masses", "mass",
                             "Mass of the center object in solar masses, {range}, for the planet "
                             "(with --barycenter, --total-mass stands instead).",
                             {QT_TRANSLATE_NOOP("MainWindow", "Central mass"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "Mass of the center object in solar masses, which "
                                                "the planet and the bodies go round; with "
                                                "Barycenter the total mass stands instead"),
                              " M\u2299"},
                             valueOf<&S::centralMass>),
                   "above 0 and up to 1e+09"),
              [](S const &s, P const &) {
                  // A collisional family's members are ejected at speeds
                  // measured against their orbits' speed about it.
                  return (s.planet || collisionalFamilyIn(s)) && !s.barycenter;
              });
    parameter(numberRow("planet-longitude", "planetLongitude", FieldLimits::longitude, "degrees",
                        "degrees", "The planet's mean longitude at the epoch in degrees, {range}.",
                        {QT_TRANSLATE_NOOP("MainWindow", "Planet's mean longitude"),
                         QT_TRANSLATE_NOOP("MainWindow",
                                           "Where the planet stands on its orbit at the epoch: "
                                           "its mean longitude in degrees, from the reference "
                                           "direction"),
                         "\u00b0"},
                        valueOf<&S::planetLongitude>),
              planetOn, false);
    parameter(open(numberRow("resonance-eccentricity", "resonanceEccentricity",
                             FieldLimits::resonanceEccentricity, "", "e",
                             "Eccentricity at which a resonance's width is taken, for its gap and "
                             "its family, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Resonance eccentricity"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The eccentricity at which a resonance's width is "
                                                "taken, for its gap and its family: the larger, "
                                                "the wider; above 0")},
                             valueOf<&S::resonanceEccentricity>),
                   "above 0 and up to 0.99"),
              [](S const &s, P const &) {
                  return s.planet &&
                         (s.resonanceGaps ||
                          std::any_of(s.populations.begin(), s.populations.end(), [](P const &p) {
                              return p.kind == P::Kind::ResonantFamily;
                          }));
              });
    flag(flagRow("resonance-gaps", "resonanceGaps",
                 "The belt's bodies avoid the planet's resonances of --gap-resonances.",
                 "No gaps at the planet's resonances.",
                 {QT_TRANSLATE_NOOP("MainWindow", "Gaps at resonances"),
                  QT_TRANSLATE_NOOP("MainWindow",
                                    "The belt's bodies keep out of the planet's resonances listed "
                                    "beside it, which leaves gaps such as the asteroid belt's "
                                    "Kirkwood gaps")},
                 valueOf<&S::resonanceGaps>),
         planetOn);
    SettingRow gaps = textRow("gap-resonances", "gapResonances",
                              "The resonances p:q of the gaps, apart by spaces (such as "
                              "\"4:1 3:1 5:2 7:3 2:1\"), where they fall in the belt.",
                              {QT_TRANSLATE_NOOP("MainWindow", "Gap resonances"),
                               QT_TRANSLATE_NOOP("MainWindow",
                                                 "The resonances p:q of the gaps, apart by "
                                                 "spaces, such as 4:1 3:1 5:2 7:3 2:1; those "
                                                 "that fall on the belt count")},
                              valueOf<&S::gapResonances>);
    gaps.valueName = "list";
    parameter(gaps, [](S const &s, P const &) { return s.planet && s.resonanceGaps; }, false);
    parameter(choiceRow<&S::gapWidth, S::GapWidth>(
                  "gap-width", "gapWidth", "width",
                  "Where a gap's width is taken: {words} (fixed: at --resonance-eccentricity; "
                  "own: at each body's eccentricity).",
                  {QT_TRANSLATE_NOOP("MainWindow", "Gap width"),
                   QT_TRANSLATE_NOOP("MainWindow",
                                     "A gap as wide as its resonance at the resonance "
                                     "eccentricity for every body, or at each body's own "
                                     "eccentricity: narrow for nearly circular orbits, wide for "
                                     "eccentric ones")},
                  {{S::GapWidth::Fixed, word("fixed", QT_TRANSLATE_NOOP("MainWindow", "Fixed"))},
                   {S::GapWidth::Own,
                    word("own", QT_TRANSLATE_NOOP("MainWindow", "Each body's own"))}}),
              [](S const &s, P const &) { return s.planet && s.resonanceGaps; }, false);
    parameter(numberRow("gap-depth", "gapDepth", FieldLimits::share, "%", "percent",
                        "Share of the density beside a gap that the gap keeps in percent, "
                        "{range} (0: empty gaps).",
                        {QT_TRANSLATE_NOOP("MainWindow", "Gap depth"),
                         QT_TRANSLATE_NOOP("MainWindow",
                                           "The share of the density beside a gap that the gap "
                                           "keeps, in percent: 0 leaves it empty"),
                         " %"},
                        valueOf<&S::gapDepth>),
              [](S const &s, P const &) { return s.planet && s.resonanceGaps; }, false);
    flag(flagRow("cleared-orbit", "clearedOrbit",
                 "No body but the Trojans in the planet's chaotic zone, 1.3 mu^(2/7) times its "
                 "semi-major axis on either side.",
                 "Bodies may lie in the planet's chaotic zone.",
                 {QT_TRANSLATE_NOOP("MainWindow", "Clear the planet's orbit"),
                  QT_TRANSLATE_NOOP("MainWindow",
                                    "No body but the Trojans in the planet's chaotic zone, which "
                                    "reaches 1.3 \u03bc^(2/7) times its semi-major axis to either "
                                    "side (\u03bc: the planet's mass over the central mass)")},
                 valueOf<&S::clearedOrbit>),
         planetOn);
    parameter(numberRow("trojan-l4-share", "trojanL4Share", FieldLimits::share, "%", "percent",
                        "Share of the Trojans at L4, 60 degrees ahead of the planet, in percent, "
                        "{range}; the rest are at L5.",
                        {QT_TRANSLATE_NOOP("MainWindow", "Trojans at L4"),
                         QT_TRANSLATE_NOOP("MainWindow", "Share of the Trojans at L4, ahead of the "
                                                         "planet; the rest are at L5, behind it"),
                         " %"},
                        valueOf<&P::trojanL4Share>),
              planetOn, false);
    parameter(numberRow("libration-amplitude", "librationAmplitude",
                        FieldLimits::librationAmplitude, "degrees", "degrees",
                        "Largest libration amplitude in degrees, {range}: a Trojan's angle "
                        "from L4 or L5, a resonant body's resonant angle from its centre.",
                        {QT_TRANSLATE_NOOP("MainWindow", "Libration amplitude"),
                         QT_TRANSLATE_NOOP("MainWindow",
                                           "The largest libration amplitude, in degrees: a "
                                           "Trojan's angle from L4 or L5, a resonant body's "
                                           "resonant angle from the centre it librates about"),
                         "\u00b0"},
                        valueOf<&P::librationAmplitude>),
              planetOn, false);
    parameter(choiceRow<&P::trojanShape, P::TrojanShape>(
                  "trojan-shape", "trojanShape", "shape",
                  "The Trojans' curve about L4 or L5: {words} (tadpole: each reaches farther "
                  "from the planet than towards it).",
                  {QT_TRANSLATE_NOOP("MainWindow", "Trojans' shape"),
                   QT_TRANSLATE_NOOP("MainWindow",
                                     "Each Trojan on the small tadpole's ellipse, even about L4 "
                                     "or L5, or on the tadpole's curve of its amplitude, which "
                                     "reaches farther from the planet than towards it")},
                  {{P::TrojanShape::Ellipse,
                    word("ellipse", QT_TRANSLATE_NOOP("MainWindow", "Ellipse"))},
                   {P::TrojanShape::Tadpole,
                    word("tadpole", QT_TRANSLATE_NOOP("MainWindow", "Tadpole"))}}),
              planetOn, false);
    parameter(choiceRow<&P::amplitudeDistribution, P::AmplitudeDistribution>(
                  "amplitude-distribution", "amplitudeDistribution", "law",
                  "How the libration amplitudes spread: {words} (even: evenly over the disc "
                  "of the largest amplitude).",
                  {nullptr, QT_TRANSLATE_NOOP("MainWindow",
                                              "How the libration amplitudes spread up to the "
                                              "largest: evenly over its disc, or by a Rayleigh "
                                              "distribution with a tail")},
                  {{P::AmplitudeDistribution::Even,
                    word("even", QT_TRANSLATE_NOOP("MainWindow", "Even"))},
                   {P::AmplitudeDistribution::Rayleigh,
                    word("rayleigh", QT_TRANSLATE_NOOP("MainWindow", "Rayleigh"))}}),
              planetOn, false);
    parameter(open(numberRow("amplitude-mode", "amplitudeMode", FieldLimits::librationAmplitude,
                             "degrees", "degrees",
                             "Mode of the Rayleigh distribution of libration amplitudes in "
                             "degrees, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Amplitude mode"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The most frequent libration amplitude of the "
                                                "Rayleigh distribution, in degrees; above 0"),
                              "\u00b0"},
                             valueOf<&P::amplitudeMode>),
                   "above 0 and up to 180"),
              [](S const &s, P const &p) {
                  return s.planet &&
                         p.amplitudeDistribution == P::AmplitudeDistribution::Rayleigh;
              });
    SettingRow family = textRow("family-resonance", "familyResonance",
                                "The resonance p:q of the resonant family (such as 3:2), on the "
                                "side of the planet where the belt lies.",
                                {QT_TRANSLATE_NOOP("MainWindow", "Family resonance"),
                                 QT_TRANSLATE_NOOP("MainWindow",
                                                   "The resonance p:q that holds the family, such "
                                                   "as 3:2; it lies on the side of the planet "
                                                   "where the belt lies")},
                                valueOf<&P::familyResonance>);
    family.valueName = "p:q";
    parameter(family, planetOn, false);
    SettingRow resonance = textRow("resonance", "resonance",
                                   "The resonance p:q that holds a resonant population (such "
                                   "as 3:2), order 1 to 4, p at most 12.",
                                   {QT_TRANSLATE_NOOP("MainWindow", "Resonance"),
                                    QT_TRANSLATE_NOOP("MainWindow",
                                                      "The mean-motion resonance p:q with the "
                                                      "planet that holds the population, such "
                                                      "as 3:2")},
                                   valueOf<&P::resonance>);
    resonance.valueName = "p:q";
    parameter(resonance, planetOn, false);
    parameter(choiceRow<&P::resonanceSide, P::ResonanceSide>(
                  "resonance-side", "resonanceSide", "side",
                  "Where the resonance lies: {words} the planet's orbit.",
                  {QT_TRANSLATE_NOOP("MainWindow", "Resonance side"),
                   QT_TRANSLATE_NOOP("MainWindow",
                                     "Inside the planet's orbit a body goes round p times while "
                                     "the planet goes round q times (the Hildas' 3:2); outside "
                                     "it q times while the planet goes round p times (the "
                                     "Plutinos' 3:2)")},
                  {{P::ResonanceSide::Inside,
                    word("inside", QT_TRANSLATE_NOOP("MainWindow", "Inside"))},
                   {P::ResonanceSide::Outside,
                    word("outside", QT_TRANSLATE_NOOP("MainWindow", "Outside"))}}),
              planetOn, false);
    // The kinds' own numbers, each read only by the kinds that list it.
    part = SettingRow::Kinds;
    auto const always = [](S const &, P const &) { return true; };
    parameter(open(numberRow("parent-semi-major-axis", "parentSemiMajorAxis",
                             FieldLimits::beltRadius, "AU", "AU",
                             "A collisional family's parent's semi-major axis in AU, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Parent's a"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "Semi-major axis of the body whose break-up made "
                                                "the family, in AU; above 0"),
                              " AU"},
                             valueOf<&P::parentSemiMajorAxis>),
                   "above 0 and up to 1e+21"),
              always);
    parameter(numberRow("parent-eccentricity", "parentEccentricity",
                        FieldLimits::boundEccentricity, "", "e",
                        "A collisional family's parent's eccentricity, {range}.",
                        {QT_TRANSLATE_NOOP("MainWindow", "Parent's e"),
                         QT_TRANSLATE_NOOP("MainWindow",
                                           "Eccentricity of the body whose break-up made the "
                                           "family, from 0 to 0.99")},
                        valueOf<&P::parentEccentricity>),
              always, false);
    parameter(numberRow("parent-inclination", "parentInclination", FieldLimits::inclination,
                        "degrees", "degrees",
                        "A collisional family's parent's inclination in degrees, {range}.",
                        {QT_TRANSLATE_NOOP("MainWindow", "Parent's i"),
                         QT_TRANSLATE_NOOP("MainWindow",
                                           "Inclination of the body whose break-up made the "
                                           "family, in degrees"),
                         "\u00b0"},
                        valueOf<&P::parentInclination>),
              always, false);
    parameter(numberRow("ejection-velocity", "ejectionVelocity", FieldLimits::ejectionVelocity,
                        "m/s", "m/s",
                        "Standard deviation of each component of the family members' ejection "
                        "velocities in m/s, {range}.",
                        {QT_TRANSLATE_NOOP("MainWindow", "Ejection velocity"),
                         QT_TRANSLATE_NOOP("MainWindow",
                                           "The scale of the members' ejection velocities from "
                                           "the break-up, in m/s: each of the radial, "
                                           "along-track and out-of-plane components is normal "
                                           "with this standard deviation"),
                         " m/s"},
                        valueOf<&P::ejectionVelocity>),
              always, false);
    parameter(numberRow("breakup-anomaly", "breakupAnomaly", FieldLimits::longitude, "degrees",
                        "degrees",
                        "The parent's true anomaly at the break-up in degrees, {range}.",
                        {QT_TRANSLATE_NOOP("MainWindow", "Break-up f"),
                         QT_TRANSLATE_NOOP("MainWindow",
                                           "Where on its orbit the parent broke up: its true "
                                           "anomaly f, in degrees"),
                         "\u00b0"},
                        valueOf<&P::breakupAnomaly>),
              always, false);
    parameter(numberRow("breakup-latitude", "breakupLatitude", FieldLimits::longitude, "degrees",
                        "degrees",
                        "The parent's argument of latitude (pericenter plus true anomaly) at the "
                        "break-up in degrees, {range}.",
                        {QT_TRANSLATE_NOOP("MainWindow", "Break-up \u03c9 + f"),
                         QT_TRANSLATE_NOOP("MainWindow",
                                           "Where the parent was above or below its orbit's "
                                           "node at the break-up: its argument of pericenter "
                                           "plus its true anomaly, \u03c9 + f, in degrees"),
                         "\u00b0"},
                        valueOf<&P::breakupLatitude>),
              always, false);
    parameter(open(numberRow("min-perihelion", "minPerihelion", FieldLimits::beltRadius, "AU",
                             "AU", "A scattered disc's smallest perihelion distance in AU, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Min perihelion"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The smallest perihelion distance of the "
                                                "scattered disc, in AU; above 0"),
                              " AU"},
                             valueOf<&P::minPerihelion>),
                   "above 0 and up to 1e+21"),
              always);
    parameter(open(numberRow("max-perihelion", "maxPerihelion", FieldLimits::beltRadius, "AU",
                             "AU", "A scattered disc's largest perihelion distance in AU, {range}.",
                             {QT_TRANSLATE_NOOP("MainWindow", "Max perihelion"),
                              QT_TRANSLATE_NOOP("MainWindow",
                                                "The largest perihelion distance of the scattered "
                                                "disc, in AU, at most its inner radius; above 0"),
                              " AU"},
                             valueOf<&P::maxPerihelion>),
                   "above 0 and up to 1e+21"),
              always);
    appendLookRows(rows);
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

namespace {

SettingPlace placeIn(EnteredSettings &entered, std::size_t population)
{
    std::vector<Population> &populations = entered.settings.populations;
    if (populations.size() <= population)
        populations.resize(population + 1);
    return SettingPlace{entered, populations[population]};
}

} // namespace

double &SettingRow::number(EnteredSettings &entered, std::size_t population) const
{
    return numberAt(placeIn(entered, population));
}

std::uint32_t &SettingRow::whole(EnteredSettings &entered, std::size_t population) const
{
    return wholeAt(placeIn(entered, population));
}

std::string &SettingRow::text(EnteredSettings &entered, std::size_t population) const
{
    return textAt(placeIn(entered, population));
}

bool &SettingRow::flag(EnteredSettings &entered, std::size_t population) const
{
    return flagAt(placeIn(entered, population));
}

std::int32_t SettingRow::choice(EnteredSettings const &entered, std::size_t population) const
{
    if (population < entered.settings.populations.size()) {
        // Only read: the accessor's reference is not written through.
        auto &readable = const_cast<EnteredSettings &>(entered);
        return choiceAt(SettingPlace{readable, readable.settings.populations[population]});
    }
    EnteredSettings copy = entered;
    return choiceAt(placeIn(copy, population));
}

void SettingRow::setChoice(EnteredSettings &entered, std::int32_t value,
                           std::size_t population) const
{
    setChoiceAt(placeIn(entered, population), value);
}

bool SettingRow::isEnabled(Settings const &settings, std::size_t population) const
{
    static Population const fresh;
    Population const &shaped =
        population < settings.populations.size() ? settings.populations[population] : fresh;
    if (level == OfPopulation && !kindUses(shaped.kind, key))
        return false;
    return !enabled || enabled(settings, shaped);
}

std::string_view SettingRow::word(EnteredSettings const &entered, std::size_t population) const
{
    ChoiceWord const *chosen = wordOf(choice(entered, population));
    return chosen ? chosen->word : std::string_view();
}

ChoiceWord const *SettingRow::wordOf(std::int32_t value) const
{
    for (auto const &each : words) {
        if (each.value == value)
            return &each;
    }
    return nullptr;
}

std::string_view SettingRow::unitOf(EnteredSettings const &entered, std::size_t population) const
{
    SettingRow const *units = unitFrom.empty() ? nullptr : findSetting(unitFrom);
    ChoiceWord const *chosen = units ? units->wordOf(units->choice(entered, population)) : nullptr;
    return chosen ? chosen->unit : unit;
}

bool SettingRow::isUnit() const
{
    return !words.empty() && !words.front().unit.empty();
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
    replace(line, "{range}", openRange.empty() ? rangeText(range) : std::string(openRange));
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

std::string rangeText(FieldRange range)
{
    return numberText(range.minimum) + " to " + numberText(range.maximum);
}

std::string wordList(std::vector<ChoiceWord> const &words)
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
