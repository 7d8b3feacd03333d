// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"
#include "Recipe.h"
#include "SettingsTable.h"

#include <QCommandLineOption>
#include <QString>

#include <string>
#include <vector>

// The presets' and the examples' short names, as help and refusals list them.
std::string presetNames();
std::string exampleNames();

// The options a user may give; names as scripts and documentation use them.
struct Options {
    QCommandLineOption preset{"preset",
                              "Start from a built-in preset (see --list-presets): " +
                                  QString::fromStdString(presetNames()) +
                                  ", or its menu text, in any case. Without it, start "
                                  "from empty names and zero bounds.",
                              "name"};
    QCommandLineOption recipe{"recipe",
                              "Start from a recipe file (.belt) that holds every setting and a "
                              "seed; field options override its values, and --seed its seed. "
                              "Not together with --preset.",
                              "file"};
    QCommandLineOption example{"example",
                               "Start from a belt of our Solar System (see --list-examples): " +
                                   QString::fromStdString(exampleNames()) +
                                   ", or its menu text, in any case; its settings and seed, as "
                                   "with --recipe. Not together with --preset or --recipe.",
                               "name"};
    QCommandLineOption listExamples{"list-examples",
                                    "Print the examples with what each one shows."};
    QCommandLineOption saveRecipe{"save-recipe",
                                  "Also write the recipe of this belt, with the seed it was made "
                                  "with, once the belt is written.",
                                  "file"};
    QCommandLineOption population{QString::fromUtf8(Recipe::populationOption.data(),
                                                    int(Recipe::populationOption.size())),
                                  "Start the next population: the population options after it "
                                  "(--population-name to the end of the list) act on it, those "
                                  "before the first on the first population. A recipe's or an "
                                  "example's populations are counted from the first."};
    QCommandLineOption listPresets{"list-presets", "Print the presets with all their values."};
    QCommandLineOption seed{"seed",
                            "Engine seed, 0 to " + QString::number(largestSeed) +
                                ". Without it a seed is drawn from the system's random source; "
                                "either way it is reported as 'seed: N'.",
                            "N"};
    // The settings' options, in the table's order: a flag has two.
    std::vector<QCommandLineOption> settings = settingOptions();

    static std::vector<QCommandLineOption> settingOptions();
    // The option of a setting that takes a value.
    QCommandLineOption const &of(SettingRow const &row) const;

    QCommandLineOption output{{"o", "output"},
                              "Write the catalogue to this file ('-' or no option: standard "
                              "output; /dev/stdout and /dev/fd/N are written as they are). An "
                              "existing file is replaced only by a complete catalogue.",
                              "file"};
    QCommandLineOption preview{"preview",
                               "Also draw the belt as a PNG picture: seen from above and "
                               "edge-on at the epoch (with a planet also turning with it), "
                               "its semi-major axes against eccentricity and inclination (and "
                               "albedo, with looks) and in a histogram, and the count of "
                               "bodies against their radius on logarithmic axes. The "
                               "catalogue is then written only when -o is given.",
                               "png"};
    QCommandLineOption previewColours{"preview-colours",
                                      "Colour the picture's bodies by their population "
                                      "('populations', the default) or in their surface's "
                                      "colour ('surfaces'; a belt without a composition keeps "
                                      "its populations' colours).",
                                      "colours"};
    QCommandLineOption quiet{{"q", "quiet"},
                             "Print only errors on standard error (no seed, no progress)."};
};
