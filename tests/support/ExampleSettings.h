// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Examples.h"

#include <string_view>
#include <variant>

// The settings of a built-in example by its short name, as a run takes them.
inline Settings exampleSettings(std::string_view name)
{
    return std::get<Recipe>(exampleRecipe(*findExample(name))).forRun();
}
