// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsWords.h"

#include "WindowText.h"

namespace {

// A sentence for each front end, side by side; each names the settings and
// numbers it needs.
Wording either(FrontEnd frontEnd, char const *window, char const *commandLine,
               std::vector<Wording::Arg> args)
{
    return Wording{frontEnd == FrontEnd::Window ? window : commandLine, std::move(args)};
}

Wording::Arg setting(std::string_view key)
{
    return Wording::Arg{key, 0};
}

Wording::Arg number(double value)
{
    return Wording::Arg{{}, value};
}

} // namespace

Wording problemWording(SettingsProblem const &problem, FrontEnd end)
{
    using P = SettingsProblem;
    Wording::Arg const field = setting(problem.setting);
    switch (problem.kind) {
    case P::DoubleQuote:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 contains a double quote, which would end the name early in the "
                              "catalogue: remove it."),
            "%1: the name contains a double quote, which would end it early in the "
            "catalogue: remove it",
            {field});
    case P::Backslash:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 contains a backslash, which the catalogue's reader takes as the "
                              "start of an escape: remove it."),
            "%1: the name contains a backslash, which the catalogue's reader takes as "
            "the start of an escape: remove it",
            {field});
    case P::ControlCharacter:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 contains a control character (such as a line break or a tab): "
                              "remove it."),
            "%1: the name contains a control character (such as a line break or a "
            "tab): remove it",
            {field});
    case P::EmptyCenter:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 is empty or only spaces: every body would name an empty parent, "
                              "which the catalogue's reader cannot find, so none of them would "
                              "load. Enter the object the bodies orbit."),
            "%1: the center object is empty or only spaces, and every body names it as "
            "its parent, so none could be loaded: give the object the bodies orbit "
            "(for example --center Sol), or start from a --preset",
            {field});
    case P::NoPositiveMass:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 must be a finite number above 0 when the center object is a "
                              "barycenter: enter the total mass of the main objects, or clear "
                              "Barycenter."),
            "%1: the center object is a barycenter, so the total mass must be above 0: "
            "give the total mass of the main objects, or use --no-barycenter",
            {field});
    case P::NotFinite:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow", "%1 is not a finite number: enter a finite value."),
            "%1: not a finite number: give a finite value", {field});
    case P::PeriodOverflow:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 is too small for orbits out to %2: their periods would exceed "
                              "the largest number a catalogue can hold. Enter a larger total mass "
                              "or a smaller belt."),
            "%1: the total mass is too small for orbits out to the belt's outer "
            "radius: their periods would exceed the largest number a catalogue can "
            "hold; give a larger --total-mass or smaller --inner and --outer",
            {field, setting("outer")});
    case P::MassOverflow:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 is too large: such bodies would weigh more than the largest "
                              "number a catalogue can hold. Enter smaller radii."),
            "%1: bodies this large would weigh more than the largest number a "
            "catalogue can hold: give a smaller --max-radius and --min-radius",
            {field});
    case P::NotPositive:
        if (SettingRow const *row = findSetting(problem.setting);
            row && row->part == SettingRow::Planet)
            return either(
                end,
                QT_TRANSLATE_NOOP("MainWindow",
                                  "%1 must be above 0 for the planet: enter a larger value, or "
                                  "clear \"%2\"."),
                "%1: must be above 0 for the planet: give a larger value, or use "
                "--no-planet",
                {field, setting("planet")});
        if (SettingRow const *row = findSetting(problem.setting);
            row && row->part == SettingRow::Kinds)
            return either(end,
                          QT_TRANSLATE_NOOP("MainWindow",
                                            "%1 must be above 0 for this kind of population: "
                                            "enter a larger value."),
                          "%1: must be above 0 for this kind of population: give a larger value",
                          {field});
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 must be above 0 for the distribution chosen: enter a larger "
                              "value."),
            "%1: must be above 0 for the distribution chosen: give a larger value", {field});
    case P::NoSuchResonance:
        if (problem.setting == "gap-resonances")
            return either(
                end,
                QT_TRANSLATE_NOOP("MainWindow",
                                  "%1 holds a word that is not a resonance the planet has: enter "
                                  "resonances p:q apart by spaces, with whole numbers p > q \u2265 "
                                  "1 without a common factor, p \u2212 q from 1 to 4 and p up to "
                                  "12, such as 4:1 3:1 5:2."),
                "%1: not a resonance the planet has: give p:q with whole numbers p > q "
                ">= 1 without a common factor, p - q from 1 to 4 and p up to 12, such "
                "as 3:1 or 5:2, several apart by spaces",
                {field});
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 is not a resonance the planet has: enter p:q with whole numbers "
                              "p > q \u2265 1 without a common factor, p \u2212 q from 1 to 4 and "
                              "p up to 12, such as 3:2 or 2:1."),
            "%1: not a resonance the planet has: give p:q with whole numbers p > q >= "
            "1 without a common factor, p - q from 1 to 4 and p up to 12, such as 3:1 "
            "or 5:2",
            {field});
    case P::SharesNotWhole:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "The populations' shares (%1) add up to %2 %, not 100 %: enter "
                              "shares that do."),
            "%1: the populations' shares add up to %2 %, not 100 %: give shares that do",
            {field, number(problem.total)});
    case P::NeedsPlanet:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "The kind chosen as %1 needs the planet: check \"%2\", or choose "
                              "another kind."),
            "%1: this kind of population needs the planet: use --planet, or give another "
            "--kind",
            {field, setting("planet")});
    case P::TooManyPopulations:
        return either(end,
                      QT_TRANSLATE_NOOP("MainWindow",
                                        "A belt holds from 1 to 16 populations: remove some."),
                      "a belt holds from 1 to 16 populations: remove some", {});
    case P::PlanetTooHeavy:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 is at least the mass of the center object the planet goes "
                              "round: enter a smaller mass for the planet, or a larger %2 (with "
                              "Barycenter: %3)."),
            "%1: the planet is at least as heavy as the center object it goes round: "
            "give a smaller --planet-mass or a larger --central-mass (--total-mass "
            "with --barycenter)",
            {field, setting("central-mass"), setting("total-mass")});
    case P::NoRoomLeft:
        if (problem.setting == "family-resonance")
            return either(
                end,
                QT_TRANSLATE_NOOP("MainWindow",
                                  "%1 lies in the planet's cleared orbit, where no body but a "
                                  "Trojan stays: enter a resonance farther from the planet, or "
                                  "clear \"%2\"."),
                "%1: the resonance lies in the planet's cleared orbit, where no body "
                "but a Trojan stays: give a resonance farther from the planet, or use "
                "--no-cleared-orbit",
                {field, setting("cleared-orbit")});
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "The planet's gaps and its cleared orbit cover the whole belt from "
                              "%1 to %2, so its bodies have nowhere to go: widen the belt, or "
                              "clear \"%3\" or \"%4\"."),
            "%1: the planet's gaps and cleared orbit cover the whole belt from --inner "
            "to --outer, so its bodies have nowhere to go: widen the belt, or use "
            "--no-resonance-gaps or --no-cleared-orbit",
            {field, setting("outer"), setting("resonance-gaps"), setting("cleared-orbit")});
    case P::BadFileList:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 is not a list of files: enter names apart by semicolons, each "
                              "with an optional weight above 0 after a star, such as "
                              "rock1.mesh*2; rock2.mesh."),
            "%1: not a list of files: give names apart by semicolons, each with an "
            "optional weight above 0 after a star, such as \"rock1.mesh*2; rock2.mesh\"",
            {field});
    case P::PerihelionBeyondAxis:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 lies beyond %2, the scattered disc's smallest semi-major "
                              "axis: a perihelion cannot lie beyond the semi-major axis. Enter "
                              "smaller perihelia or a larger inner radius."),
            "%1: the largest perihelion lies beyond --inner, the scattered disc's smallest "
            "semi-major axis, and a perihelion cannot lie beyond the semi-major axis: give "
            "smaller --min-perihelion and --max-perihelion or a larger --inner",
            {field, setting("inner")});
    case P::ReachesCenter:
        if (problem.setting == "ejection-velocity")
            return either(
                end,
                QT_TRANSLATE_NOOP("MainWindow",
                                  "%1 is so large for the parent's orbit that some members would "
                                  "be thrown onto open orbits or into the center object: enter a "
                                  "smaller ejection velocity, or a parent orbit farther from "
                                  "the center object or less eccentric."),
                "%1: the ejection velocity is so large for the parent's orbit that some "
                "members would be thrown onto open orbits or into the center object: give a "
                "smaller --ejection-velocity, or a larger --parent-semi-major-axis or smaller "
                "--parent-eccentricity",
                {field});
        if (problem.setting == "resonance")
            return either(
                end,
                QT_TRANSLATE_NOOP("MainWindow",
                                  "Around a planet this heavy the resonance of %1 is so wide at "
                                  "the population's largest eccentricity that it reaches the "
                                  "center object: enter a smaller largest eccentricity, a "
                                  "smaller mass for the planet or another resonance."),
                "%1: around a planet this heavy the resonance is so wide at the "
                "population's largest eccentricity that it reaches the center object: give "
                "a smaller --max-eccentricity or --planet-mass, or another resonance",
                {field});
        if (problem.setting == "libration-amplitude")
            return either(
                end,
                QT_TRANSLATE_NOOP("MainWindow",
                                  "Around a planet this heavy the Trojans would spread down to the "
                                  "center object, to semi-major axes of 0 or below: enter a "
                                  "smaller %1 or a smaller mass for the planet."),
                "%1: around a planet this heavy the Trojans would spread down to the "
                "center object, to semi-major axes of 0 or below: give a smaller "
                "--libration-amplitude or --planet-mass",
                {field});
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "Around a planet this heavy the resonance of %1 is so wide that it "
                              "reaches the center object, to semi-major axes of 0 or below: enter "
                              "a smaller %2, a smaller mass for the planet or another resonance."),
            "%1: around a planet this heavy the family's resonance is so wide that it "
            "reaches the center object, to semi-major axes of 0 or below: give a "
            "smaller --resonance-eccentricity or --planet-mass, or another resonance",
            {field, setting("resonance-eccentricity")});
    case P::ZeroLowerBound:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 is 0, but the distribution chosen puts ever more bodies towards "
                              "0 without end: enter a value above 0, or choose another "
                              "distribution."),
            "%1: 0 is not accepted with the distribution chosen, which puts ever more "
            "bodies towards 0 without end: give a value above 0, or choose another "
            "distribution",
            {field});
    }
    return either(end, "%1", "%1: not accepted", {field});
}

Wording warningWording(SettingsWarning const &warning, FrontEnd end)
{
    // The command line gives both values, the window the one every body takes.
    std::vector<Wording::Arg> const args = {setting(warning.setting), setting(warning.other),
                                            number(warning.value), number(warning.otherValue)};
    switch (warning.kind) {
    case SettingsWarning::ReversedBounds:
        if (warning.setting == "inner")
            return either(
                end,
                QT_TRANSLATE_NOOP("MainWindow", "%1 is above %2: every body will orbit at %3 AU."),
                "%1 %3 is above %2 %4: every body will orbit at %3 AU", args);
        if (warning.setting == "min-radius")
            return either(
                end,
                QT_TRANSLATE_NOOP("MainWindow",
                                  "%1 is above %2: every body will have a radius of %3 km."),
                "%1 %3 is above %2 %4: every body will have a radius of %3 km", args);
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 is above %2: every orbit will have an eccentricity of %3."),
            "%1 %3 is above %2 %4: every orbit will have an eccentricity of %3", args);
    case SettingsWarning::SomeOrbitsOpen:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 is 1 or more: orbits with an eccentricity of 1 or more are "
                              "open, and a reader of orbital elements cannot place them."),
            "%1 %3: orbits with an eccentricity of 1 or more are open, and a reader of "
            "orbital elements cannot place them",
            args);
    case SettingsWarning::AllOrbitsOpen:
        return either(
            end,
            QT_TRANSLATE_NOOP("MainWindow",
                              "%1 is 1 or more: every orbit will be open, and a reader of orbital "
                              "elements cannot place it."),
            "%1 %3: every orbit will be open (an eccentricity of 1 or more), and a "
            "reader of orbital elements cannot place them",
            args);
    }
    return either(end, "%1", "%1: odd bounds", args);
}

char const *populationWording(FrontEnd end)
{
    return end == FrontEnd::Window
               ? QT_TRANSLATE_NOOP("MainWindow", "Population %1 (%2): %3")
               : "population %1 \"%2\": %3";
}

std::string filledIn(std::string_view text, std::vector<std::string> const &args)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t const n = i + 1 < text.size() ? std::size_t(text[i + 1] - '0') : 0;
        if (text[i] == '%' && n >= 1 && n <= 9 && n <= args.size()) {
            out += args[n - 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
