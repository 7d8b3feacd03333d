// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the catalogue of a preset or an example, as the command line takes it, for a given
// seed through the core's own save, for comparison with an independent writer.
// Settings after the number ("-" for the preset's), as recipe lines KEY=VALUE,
// replace the preset's; "population" opens the next population, as the
// command line's --population does, and the Trojans' and the family's shares
// of older recipes become populations after the first.
#include "Examples.h"
#include "BeltRun.h"
#include "Presets.h"
#include "Recipe.h"
#include "SettingValue.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <variant>

namespace {

std::string trimmed(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// A recipe line's value read into its row, the population's rows into the
// population given; a text's value may come in double quotes.
bool apply(std::string const &line, EnteredSettings &entered, std::size_t population,
           double shares[2])
{
    auto const equals = line.find('=');
    if (equals == std::string::npos)
        return false;
    std::string const key = trimmed(line.substr(0, equals));
    std::string value = trimmed(line.substr(equals + 1));
    // The shares of older recipes, which become populations at the end.
    if (key == "trojan-share" || key == "family-share") {
        shares[key == "family-share"] = std::strtod(value.c_str(), nullptr);
        return true;
    }
    SettingRow const *row = findSetting(key);
    if (!row)
        return false;
    if (row->kind == SettingRow::Text) {
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        row->text(entered, population) = value;
        return true;
    }
    if (row->kind == SettingRow::Flag) {
        row->flag(entered, population) = value == "true";
        return true;
    }
    return readSettingValue(*row, value, entered, population) == ValueRead::Read;
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
    // The lines in order: "population" opens the next population, and the
    // population's settings after it act on it.
    EnteredSettings entered{base.settings, base.massUnit};
    std::size_t population = 0;
    double shares[2] = {0, 0};
    for (int i = 5; i < argc; ++i) {
        if (std::strcmp(argv[i], "population") == 0) {
            ++population;
            continue;
        }
        if (!apply(argv[i], entered, population, shares)) {
            std::fprintf(stderr, "writebelt: bad setting %s\n", argv[i]);
            return 2;
        }
    }
    splitOlderShares(entered.settings, shares[0], shares[1]);
    Settings const settings = entered.forRun();
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
