// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CatalogueFile.h"
#include "Recipe.h"
#include "SettingsWords.h"

#include <string>

// The command line's words, each one line without a newline.

// Control characters shown escaped, so that a message stays one line.
std::string escaped(std::string const &text);
// In double quotes, escaped.
std::string quoted(std::string const &text);

// A sentence about settings: each setting by its option, each number as a
// recipe writes it.
std::string worded(Wording const &wording);
// A problem or a warning of settings, naming its population where it has one.
std::string problemText(SettingsProblem const &problem, Settings const &settings);
std::string warningText(SettingsWarning const &warning, Settings const &settings);

// A failed save, or an output refused before generating, naming the path and
// the system's reason.
std::string saveErrorText(SaveError const &error);

// Why a file is not a recipe, naming the file and the line.
std::string recipeErrorText(RecipeError const &error, std::string const &path);
