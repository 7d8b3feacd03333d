// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldLimits.h"
#include "Settings.h"
#include "SettingsProblem.h"

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

// One setting as every front end knows it. The recipe's reading and writing,
// the command line's options, help, parsing and preset listing, the check's
// field names, the rounding of presets and the window's binding of its fields
// all come from these rows, so a new setting is one row here.
struct SettingRow {
    enum Kind {
        Number,      // a double in range, shown with decimals
        WholeNumber, // a whole number from 0 to range.maximum
        Text,        // UTF-8, quoted in a recipe
        Choice,      // one of words, stored in an enumeration member
        Flag,        // on or off: --key and --no-key, true or false
    };

    std::string_view key;    // recipe key and command-line option name
    std::string_view member; // the Settings member; the window's widget is "<type>_<member>"
    Kind kind = Number;
    FieldRange range{};         // Number and WholeNumber
    std::string_view unit;      // of a number, as messages write it after one; may be empty
    std::string_view valueName; // the command line's name of the value
    std::string_view help;      // the option's one line; {range} and {words} are filled in
    std::string_view offHelp;   // Flag: the line of --no-<key>
    std::vector<ChoiceWord<std::int32_t>> words; // Choice: in the order the form lists them
    // The row whose choice gives this number's unit (total-mass: mass-unit),
    // and of such a choice the unit each word stands for, as unit is written.
    std::string_view unitFrom;
    std::vector<std::string_view> wordUnits;
    // The field a settings problem names for this row, if any.
    std::optional<SettingsProblem::Field> field;
    // Whether the row counts for the belt as the other settings stand (the
    // form enables its field by it); null: always.
    bool (*enabled)(Settings const &settings) = nullptr;
    // A recipe may leave it out (recipes older than the setting): the record's
    // default then holds.
    bool optional = false;
    // The settings check refuses a value of 0 or below where it counts.
    bool positive = false;

    // The value, by kind; only the accessors of the row's kind are set.
    double &(*number)(EnteredSettings &) = nullptr;
    std::uint32_t &(*whole)(EnteredSettings &) = nullptr;
    std::string &(*text)(EnteredSettings &) = nullptr;
    bool &(*flag)(EnteredSettings &) = nullptr;
    std::int32_t (*choice)(EnteredSettings const &) = nullptr;
    void (*setChoice)(EnteredSettings &, std::int32_t) = nullptr;

    // The word of the row's current choice; empty for a value without one.
    std::string_view word(EnteredSettings const &entered) const;
    // The unit of a number as the settings stand: its own, or that of its unit's choice.
    std::string_view unitOf(EnteredSettings const &entered) const;
    // The value a word names, if it is one of the row's.
    std::optional<std::int32_t> valueOf(std::string_view word) const;
    // The help line with its range and words filled in.
    std::string helpLine() const;
    bool isEnabled(Settings const &settings) const { return !enabled || enabled(settings); }
};

// Every setting, in the order of the recipe, the command line's help and the form.
std::vector<SettingRow> const &settingsTable();

// The row of a key, or of the field a problem names; null when there is none.
SettingRow const *findSetting(std::string_view key);
SettingRow const *findSetting(SettingsProblem::Field field);

// "0 to 1e+21": a range as messages and help write it.
std::string rangeText(FieldRange range);

// The words of a choice as a sentence writes them: "a, b or c".
std::string wordList(std::vector<ChoiceWord<std::int32_t>> const &words);

// The shortest text that reads back as the same double; whole numbers of
// moderate size in full ("10000000" rather than "1e+07").
std::string numberText(double value);
