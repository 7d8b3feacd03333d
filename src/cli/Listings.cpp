// SPDX-License-Identifier: GPL-3.0-or-later
#include "Listings.h"

#include "Examples.h"
#include "Presets.h"
#include "Recipe.h"
#include "SettingsTable.h"

#include <algorithm>
#include <variant>

std::string presetListing()
{
    std::string text;
    for (auto const &info : presetTable) {
        Settings const s = presetSettings(info.preset);
        auto line = [&](std::string const &option, std::string const &value) {
            text += "    --" + option;
            if (!value.empty()) {
                // Values line up in column 25; longer options keep two spaces.
                text.append(option.size() < 17 ? 18 - option.size() : 2, ' ');
                text += value;
            }
            text += '\n';
        };
        if (!text.empty())
            text += '\n';
        text += std::string(info.menuText) + " (--preset " + std::string(info.shortName) + ")\n";
        // Every number in its unit, so a unit's own choice needs no line.
        EnteredSettings entered{presetSettings(info.preset), Settings::SolarMasses};
        for (SettingRow const &row : settingsTable()) {
            std::string const key(row.key);
            std::string const unit(row.unitOf(entered));
            // "(Julian date)" is a note already.
            std::string const note = unit.empty()          ? ""
                                     : unit.front() == '(' ? " " + unit
                                                           : " (" + unit + ")";
            switch (row.kind) {
            case SettingRow::Number: line(key, numberText(row.number(entered)) + note); break;
            case SettingRow::WholeNumber: line(key, std::to_string(row.whole(entered))); break;
            case SettingRow::Text: line(key, row.text(entered)); break;
            case SettingRow::Choice:
                if (row.isUnit())
                    break;
                line(key, std::string(row.word(entered)));
                break;
            case SettingRow::Flag: line(row.flag(entered) ? key : "no-" + key, ""); break;
            }
        }
    }
    return text;
}

std::string exampleListing()
{
    std::string text;
    for (ExampleInfo const &example : examples()) {
        if (!text.empty())
            text += '\n';
        text += std::string(example.menuText) + " (--example " + std::string(example.shortName) +
                ")\n";
        auto const parsed = exampleRecipe(example);
        // The recipe's opening comment says what it shows.
        std::string_view rest = example.text;
        while (!rest.empty() && rest.front() == '#') {
            std::size_t const end = std::min(rest.find('\n'), rest.size());
            std::string_view line = rest.substr(1, end - 1);
            if (!line.empty() && line.front() == ' ')
                line.remove_prefix(1);
            if (line != "Beltwright example." && line.substr(0, 24) != "SPDX-License-Identifier:")
                text += "    " + std::string(line) + "\n";
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
        // Its populations: name, kind and share.
        if (auto const *recipe = std::get_if<Recipe>(&parsed)) {
            std::string line;
            for (Population const &population : recipe->settings.populations)
                line += std::string(line.empty() ? "" : ", ") + population.name + " (" +
                        std::string(populationKind(population.kind).word) + ", " +
                        numberText(population.share) + " %)";
            text += "    Populations: " + line + ".\n";
        }
    }
    return text;
}
