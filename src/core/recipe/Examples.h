// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Recipe.h"

#include <string_view>
#include <variant>
#include <vector>

// Belts of our Solar System shipped as recipes (resources/examples), built
// into the programs: the menu text of the window, the short name of the
// command line, which is also the file's name without ".belt", and the text.
struct ExampleInfo {
    std::string_view menuText;
    std::string_view shortName;
    std::string_view text;
};

// In the order the menu lists them.
std::vector<ExampleInfo> const &examples();

// Finds an example by its menu text or short name, ignoring ASCII case.
ExampleInfo const *findExample(std::string_view name);

// The example's recipe; an error only if its text were broken.
std::variant<Recipe, RecipeError> exampleRecipe(ExampleInfo const &example);
