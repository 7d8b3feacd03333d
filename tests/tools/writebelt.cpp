// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the catalogue of a preset or an example, as the command line takes it, for a given
// seed through the core's own save, for comparison with an independent writer.
// Settings after the number ("-" for the preset's), as recipe lines KEY=VALUE,
// replace the preset's.
#include "Examples.h"
#include "BeltRun.h"
#include "Presets.h"
#include "Recipe.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <variant>

namespace {

std::string keyOf(std::string const &line)
{
    std::string key = line.substr(0, line.find('='));
    key.erase(key.find_last_not_of(' ') + 1);
    return key;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: writebelt PRESET|EXAMPLE SEED OUTPUT [NUMBER|- [KEY=VALUE]...]\n");
        return 2;
    }
    // A preset, or an example with its own seed and mass units.
    Recipe base;
    if (auto const preset = findPreset(argv[1]))
        base = Recipe{presetSettings(*preset), Recipe::SolarMasses, 0};
    else if (ExampleInfo const *example = findExample(argv[1]))
        base = std::get<Recipe>(exampleRecipe(*example));
    else {
        std::fprintf(stderr, "writebelt: unknown preset or example %s\n", argv[1]);
        return 2;
    }
    if (argc >= 5 && std::strcmp(argv[4], "-") != 0)
        base.settings.number = static_cast<std::uint32_t>(std::strtoul(argv[4], nullptr, 10));
    Settings settings = base.forRun();
    if (argc > 5) {
        // The recipe with the given lines in place of its own.
        std::string text;
        std::istringstream lines(recipeText(base));
        for (std::string line; std::getline(lines, line);) {
            bool replaced = false;
            for (int i = 5; i < argc; ++i)
                replaced = replaced || (!line.empty() && line[0] != '#' && keyOf(argv[i]) == keyOf(line));
            if (!replaced)
                text += line + "\n";
        }
        for (int i = 5; i < argc; ++i)
            text += std::string(argv[i]) + "\n";
        auto const recipe = parseRecipe(text);
        if (auto const *error = std::get_if<RecipeError>(&recipe)) {
            std::fprintf(stderr, "writebelt: bad setting %s on line %d\n", error->key.c_str(),
                         error->line);
            return 2;
        }
        settings = std::get<Recipe>(recipe).forRun();
    }
    Generator generator(settings, static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)));
    std::atomic<int> progress{0};
    generator.generate(progress);
    SaveResult const result = saveBelt(generator, argv[3], progress);
    if (!result.ok) {
        std::fprintf(stderr, "writebelt: %s %s: %s\n", saveStepName(result.error.step),
                     result.error.path.c_str(), std::strerror(result.error.code));
        return 1;
    }
    return 0;
}
