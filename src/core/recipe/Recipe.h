// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CatalogueFile.h"
#include "FieldLimits.h"
#include "Settings.h"
#include "SettingsTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A belt to keep or to share: every setting and the seed. Its file (".belt")
// is plain "key = value" lines that a person can read and edit; the keys are
// the command line's option names, so a recipe reads like the options that
// make the same belt.
// The settings are kept as entered (the total mass in its unit); forRun()
// gives the record a run takes.
struct Recipe : EnteredSettings {
    using MassUnit = Settings::MassUnit;
    static constexpr MassUnit SolarMasses = Settings::SolarMasses;
    static constexpr MassUnit EarthMasses = Settings::EarthMasses;

    Recipe() = default;
    Recipe(EnteredSettings const &entered, std::uint32_t seed) : EnteredSettings(entered), seed(seed) {}
    Recipe(Settings const &settings, MassUnit unit, std::uint32_t seed)
        : Recipe(EnteredSettings{settings, unit}, seed)
    {
    }

    std::uint32_t seed = 0;

    // Version 2 holds each population in a section; version 1, one
    // population with the Trojans' and the family's shares, still reads.
    static constexpr int version = 2;
    // The key of the line that opens every recipe and gives its version.
    static constexpr std::string_view versionKey = "beltwright-recipe";
    // The line that opens a population's section.
    static constexpr std::string_view sectionLine = "[population]";
    // The command line's option that opens the next population.
    static constexpr std::string_view populationOption = "population";
};

// Why a text is not a recipe: the kind, the line (from 1) and what was found
// there. The front ends word it.
struct RecipeError {
    enum Kind {
        CannotRead,     // the file could not be opened or read; code says why
        TooLarge,       // far larger than any recipe, so not one
        NotUtf8,        // the line is not UTF-8 text
        NoVersion,      // the first setting is not the version line, or there is none
        UnknownVersion, // value: the version given
        NotASetting,    // value: a line that is neither "key = value", a comment nor empty
        UnknownKey,     // key: as written
        DuplicateKey,   // firstLine: where the key was given before
        BadValue,       // accepted, range and words say what the key takes
        MissingKey,     // the recipe or a section ends (line: its last line) without key
        TooManyPopulations, // a section beyond the largest number of populations
    };
    enum Accepted { Number, WholeNumber, Word, Text, TrueOrFalse };

    Kind kind = CannotRead;
    int line = 0; // 0 when the file could not be read
    std::string key;
    std::string value;
    int firstLine = 0;
    Accepted accepted = Number;
    FieldRange range{};                  // of a Number or a WholeNumber
    std::vector<std::string_view> words; // of a Word
    int code = 0;                        // errno, for CannotRead
};

// The text of a recipe. It reads back as the same recipe, every number to
// its last bit.
std::string recipeText(Recipe const &recipe);

// Reads a recipe's text. Blank lines and lines starting with '#' are skipped;
// the keys may come in any order after the version line, but each exactly
// once at the top and once in each section.
std::variant<Recipe, RecipeError> parseRecipe(std::string_view text);

// Reads a recipe file.
std::variant<Recipe, RecipeError> readRecipe(std::string const &path);

// Writes a recipe file as a catalogue is saved: an existing file is replaced
// only by the complete new text, and never left half written.
std::optional<SaveError> writeRecipe(std::string const &path, Recipe const &recipe);

// The command line that makes the same belt: program and the option of every
// key with its value, each word quoted for a POSIX shell where it needs it.
std::string recipeCommandLine(Recipe const &recipe, std::string const &program = "beltwright-cli");

// A word for a POSIX shell: as it is when it holds only characters that no
// shell treats specially, else in single quotes.
std::string shellQuoted(std::string const &word);

// Every key of a recipe in the order it is written: the top's, the seed last
// of them, then a section's.
std::vector<std::string_view> recipeKeys();
