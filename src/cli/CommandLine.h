// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CatalogueFile.h"
#include "PlanetZones.h"
#include "Recipe.h"
#include "Settings.h"

#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What one invocation asks for, read from its arguments. Everything that can
// be refused is refused here, before any file is touched.
struct Request {
    enum Action {
        Generate,
        ListPresets,
        ListExamples,
        ShowHelp,
        ShowVersion,
        Refuse, // bad input: message says which option and what it accepts
    };
    Action action = Generate;
    EnteredSettings entered; // as given: the total mass in its unit
    Settings settings;       // the run's, entered.forRun()
    std::optional<PlanetZones> zones; // of settings, worked out once by the check
    std::optional<std::uint32_t> seed;
    std::string outputPath;     // empty: standard output
    std::string previewPath;    // empty: no picture
    bool writeCatalogue = true; // false when only the picture was asked for
    bool surfaceColours = false; // the picture's bodies in their surfaces' colours
    bool quiet = false;
    std::string saveRecipePath; // empty: no recipe to write
    std::string message; // the help text, or the refusal (one line, no newline)
    // Bounds taken as they stand though they make an odd belt, one line each.
    std::vector<std::string> warnings;
};

// arguments[0] is the program name, as in argv.
Request parseCommandLine(QStringList const &arguments);

// Whether the arguments ask for a picture, which needs the toolkit's painting
// set up before they are parsed.
bool asksForPreview(QStringList const &arguments);

// The recipe of the belt a request makes with the given seed.
Recipe recipeOf(Request const &request, std::uint32_t seed);
