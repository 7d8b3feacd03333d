// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliMessages.h"

#include <cstdio>
#include <system_error>

std::string escaped(std::string const &text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", c);
            out += code;
        } else {
            out += char(c);
        }
    }
    return out;
}

std::string quoted(std::string const &text)
{
    return "\"" + escaped(text) + "\"";
}

namespace {

// A sentence about one population names it first.
std::string ofPopulation(std::string const &text, int population, Settings const &settings)
{
    // A belt of one population needs no name for it.
    if (population < 0 || std::size_t(population) >= settings.populations.size() ||
        settings.populations.size() < 2)
        return text;
    return filledIn(populationWording(FrontEnd::CommandLine),
                    {std::to_string(population + 1),
                     escaped(settings.populations[std::size_t(population)].name), text});
}

} // namespace

std::string problemText(SettingsProblem const &problem, Settings const &settings)
{
    return ofPopulation(worded(problemWording(problem, FrontEnd::CommandLine)),
                        problem.population, settings);
}

std::string warningText(SettingsWarning const &warning, Settings const &settings)
{
    return ofPopulation(worded(warningWording(warning, FrontEnd::CommandLine)),
                        warning.population, settings);
}

std::string worded(Wording const &wording)
{
    std::vector<std::string> args;
    for (Wording::Arg const &arg : wording.args) {
        if (arg.setting.empty())
            args.push_back(numberText(arg.number));
        else
            args.push_back(findSetting(arg.setting) ? "--" + std::string(arg.setting) : "--help");
    }
    return filledIn(wording.text, args);
}

std::string saveErrorText(SaveError const &error)
{
    std::string const path = quoted(error.path);
    std::string const reason = std::error_code(error.code, std::generic_category()).message();
    switch (error.step) {
    case SaveError::NoPath: return "No output file was given.";
    case SaveError::Open: return "Cannot open " + path + ": " + reason + ".";
    case SaveError::Create: return "Cannot create " + path + ": " + reason + ".";
    case SaveError::Permissions:
        return "Cannot set the permissions of " + path + ": " + reason + ".";
    case SaveError::Write: return "Cannot write " + path + ": " + reason + ".";
    case SaveError::Sync: return "Cannot sync " + path + " to the disk: " + reason + ".";
    case SaveError::Close: return "Cannot finish writing " + path + ": " + reason + ".";
    case SaveError::Replace: return "Cannot replace " + path + ": " + reason + ".";
    case SaveError::NotFinite:
        return "Cannot write " + path +
               ": a body got an infinite or undefined number, which the catalogue's reader "
               "cannot take. Nothing was saved.";
    case SaveError::SyncDirectory:
        return path +
               " was replaced, but its directory could not be synced to the disk: " + reason +
               ". A system crash now could lose the new catalogue.";
    }
    return "Cannot save " + path + ": " + reason + ".";
}

std::string recipeErrorText(RecipeError const &error, std::string const &path)
{
    std::string const where = quoted(path) + ", line " + std::to_string(error.line) + ": ";
    std::string const key = quoted(error.key);
    std::string const value = quoted(error.value);
    switch (error.kind) {
    case RecipeError::CannotRead:
        return "cannot read " + quoted(path) + ": " +
               std::error_code(error.code, std::generic_category()).message();
    case RecipeError::TooLarge: return quoted(path) + " is not a recipe: it is far larger than one";
    case RecipeError::NotUtf8: return where + "the line is not UTF-8 text";
    case RecipeError::NoVersion:
        return where + "a recipe starts with the line '" + std::string(Recipe::versionKey) + " = " +
               std::to_string(Recipe::version) + "'";
    case RecipeError::UnknownVersion:
        return where + "recipe version " + value + " is not known: this program reads version " +
               std::to_string(Recipe::version);
    case RecipeError::NotASetting:
        return where + value + " is not a setting: write key = value, or start a comment with #";
    case RecipeError::UnknownKey: {
        std::string known;
        for (std::string_view name : recipeKeys())
            known += (known.empty() ? "" : ", ") + std::string(name);
        return where + "unknown key " + key + ": the keys are " + known;
    }
    case RecipeError::DuplicateKey:
        return where + error.key + " is given again (first on line " +
               std::to_string(error.firstLine) + "): keep one";
    case RecipeError::TooManyPopulations:
        return where + "a belt holds at most " + std::to_string(largestPopulationCount) +
               " populations: remove a section";
    case RecipeError::MissingKey:
        return where + "the recipe has no " + error.key +
               (error.key.front() == '[' ? ": add one" : ": add a line '" + error.key + " = ...'");
    case RecipeError::BadValue: break;
    }
    std::string accepted;
    switch (error.accepted) {
    case RecipeError::Number: accepted = "give a number from " + rangeText(error.range); break;
    case RecipeError::WholeNumber:
        accepted = "give a whole number from " + rangeText(error.range);
        break;
    case RecipeError::Word:
        for (std::size_t i = 0; i < error.words.size(); ++i) {
            accepted += i == 0 ? "give " : i + 1 == error.words.size() ? " or " : ", ";
            accepted += error.words[i];
        }
        break;
    case RecipeError::Text:
        accepted = "give UTF-8 text in double quotes (\\\" for a quote, \\\\ for a backslash)";
        break;
    case RecipeError::TrueOrFalse: accepted = "give true or false"; break;
    }
    // A name is shown as written, so that missing quotes show.
    std::string const found = error.accepted == RecipeError::Text ? escaped(error.value) : value;
    return where + error.key + ": " + found + " is not accepted: " + accepted;
}
