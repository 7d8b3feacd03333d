// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldLimits.h"
#include "Settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The settings as a person enters them in the form, a recipe or on the
// command line: the record with its total mass in the unit chosen.
struct EnteredSettings {
    Settings settings; // totalMass in massUnit
    Settings::MassUnit massUnit = Settings::SolarMasses;

    // The record a run takes: an Earth-mass total converted to solar masses.
    Settings forRun() const;
};

// Where a row's value lives: the belt's settings as entered, and the
// population a population's row acts on.
struct SettingPlace {
    EnteredSettings &entered;
    Population &population;
};

// A word that names one value of a choice, and how the window shows it.
struct ChoiceWord {
    std::int32_t value;
    std::string_view word;    // in a recipe and on the command line
    char const *label = nullptr; // the window's item, translated there; null: the word
    // Of a unit's choice: the unit as messages write it and the field's suffix.
    std::string_view unit;
    std::string_view suffix;
};

// One setting as every front end knows it. The recipe's reading and writing,
// the command line's options, help, parsing and preset listing, the check's
// and the messages' names, the rounding of presets and the window's binding
// of its fields all come from these rows, so a new setting is one row here.
struct SettingRow {
    enum Kind {
        Number,      // a double in range, shown with decimals
        WholeNumber, // a whole number from 0 to range.maximum
        Text,        // UTF-8, quoted in a recipe
        Choice,      // one of words, stored in an enumeration member
        Flag,        // on or off: --key and --no-key, true or false
    };
    // The part of the belt a setting shapes; the messages tell a planet's
    // number from a distribution's by it.
    enum Part { Belt, Distribution, Planet, Kinds }; // Kinds: a kind's own numbers
    // What a setting belongs to: the belt as a whole, or each of its
    // populations (a recipe's sections; the command line's and the form's
    // first population).
    enum Level { OfBelt, OfPopulation };

    std::string_view key;    // recipe key and command-line option name
    std::string_view member; // the Settings member; the window's widget is "<type>_<member>"
    Kind kind = Number;
    Part part = Belt;
    Level level = OfBelt;
    FieldRange range{};         // Number and WholeNumber; range.decimals the field's
    // The range as help writes it where the check refuses the lower bound
    // ("above 0 and up to 10"); empty: "<minimum> to <maximum>".
    std::string_view openRange;
    std::string_view unit;      // of a number, as messages write it after one; may be empty
    std::string_view suffix;    // of a number in the window, after the value
    // The name the window's messages give the setting, and the field's
    // tooltip: English texts the window translates (context MainWindow).
    char const *label = nullptr;
    char const *tip = nullptr;
    std::string_view valueName; // the command line's name of the value
    std::string_view help;      // the option's one line; {range} and {words} are filled in
    std::string_view offHelp;   // Flag: the line of --no-<key>
    std::vector<ChoiceWord> words; // Choice: in the order the form lists them
    // The row whose choice gives this number's unit and suffix (total-mass:
    // mass-unit); that row's words carry them.
    std::string_view unitFrom;
    // Whether the row counts for the belt and the population as the other
    // settings stand (the form enables its field by it); null: always.
    bool (*enabled)(Settings const &settings, Population const &population) = nullptr;
    // A recipe may leave it out (recipes older than the setting): the record's
    // default then holds.
    bool optional = false;
    // The settings check refuses a value of 0 or below where it counts.
    bool positive = false;

    // The value, by kind; only the accessors of the row's kind are set.
    double &(*numberAt)(SettingPlace) = nullptr;
    std::uint32_t &(*wholeAt)(SettingPlace) = nullptr;
    std::string &(*textAt)(SettingPlace) = nullptr;
    bool &(*flagAt)(SettingPlace) = nullptr;
    std::int32_t (*choiceAt)(SettingPlace) = nullptr;
    void (*setChoiceAt)(SettingPlace, std::int32_t) = nullptr;

    // The value in entered: a belt's row ignores population, a population's
    // row acts on that population, which is added when entered has fewer.
    double &number(EnteredSettings &entered, std::size_t population = 0) const;
    std::uint32_t &whole(EnteredSettings &entered, std::size_t population = 0) const;
    std::string &text(EnteredSettings &entered, std::size_t population = 0) const;
    bool &flag(EnteredSettings &entered, std::size_t population = 0) const;
    std::int32_t choice(EnteredSettings const &entered, std::size_t population = 0) const;
    void setChoice(EnteredSettings &entered, std::int32_t value, std::size_t population = 0) const;

    // The word of the row's current choice; empty for a value without one.
    std::string_view word(EnteredSettings const &entered, std::size_t population = 0) const;
    // The word of a value; null when it is none of the row's.
    ChoiceWord const *wordOf(std::int32_t value) const;
    // The unit of a number as the settings stand: its own, or that of its unit's choice.
    std::string_view unitOf(EnteredSettings const &entered, std::size_t population = 0) const;
    // The value a word names, if it is one of the row's.
    std::optional<std::int32_t> valueOf(std::string_view word) const;
    // The help line with its range and words filled in.
    std::string helpLine() const;
    // Whether it counts: for a population's row, also whether its kind uses it.
    bool isEnabled(Settings const &settings, std::size_t population = 0) const;
    // Whether its words stand for units of another row's number.
    bool isUnit() const;
};

// Every setting, in the order of the recipe, the command line's help and the form.
std::vector<SettingRow> const &settingsTable();
// The rows of the populations' looks, the table's last (LookRows.cpp).
void appendLookRows(std::vector<SettingRow> &rows);

// The row of a key; null when there is none.
SettingRow const *findSetting(std::string_view key);

// "0 to 1e+21": a range as messages and help write it.
std::string rangeText(FieldRange range);

// The words of a choice as a sentence writes them: "a, b or c".
std::string wordList(std::vector<ChoiceWord> const &words);

// The shortest text that reads back as the same double; whole numbers of
// moderate size in full ("10000000" rather than "1e+07").
std::string numberText(double value);
