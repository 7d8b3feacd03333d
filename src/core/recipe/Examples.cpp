// SPDX-License-Identifier: GPL-3.0-or-later
#include "Examples.h"

#include "Presets.h"

// Each example's text, read from resources/examples at configure time.
namespace ExampleText {
extern char const mainBelt[];
extern char const jupiterTrojans[];
extern char const hildas[];
extern char const kuiperBelt[];
} // namespace ExampleText

std::vector<ExampleInfo> const &examples()
{
    static std::vector<ExampleInfo> const list{
        {"Main belt", "main-belt", ExampleText::mainBelt},
        {"Jupiter Trojans", "jupiter-trojans", ExampleText::jupiterTrojans},
        {"Hildas", "hildas", ExampleText::hildas},
        {"Kuiper belt", "kuiper-belt", ExampleText::kuiperBelt},
    };
    return list;
}

ExampleInfo const *findExample(std::string_view name)
{
    for (ExampleInfo const &example : examples()) {
        if (equalsIgnoringCase(name, example.menuText) ||
            equalsIgnoringCase(name, example.shortName))
            return &example;
    }
    return nullptr;
}

std::variant<Recipe, RecipeError> exampleRecipe(ExampleInfo const &example)
{
    return parseRecipe(example.text);
}
