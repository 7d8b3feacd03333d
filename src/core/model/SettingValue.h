// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingsTable.h"

#include <cstdint>
#include <string_view>

// Reading a value as a recipe and the command line write it: numbers in the
// C locale whatever the user's language, choices by their words. Both read
// through these, and each words what went wrong in its own way.
enum class ValueRead {
    Read,
    NotANumber, // not a number of the kind asked for (a whole number for a count)
    NotFinite,  // infinite or not a number
    OutOfRange, // a number, but outside the range (or too large to hold)
    NotAWord,   // none of the choice's words
};

// A number within range, without a negative zero.
ValueRead readNumberValue(std::string_view text, FieldRange range, double &target);
// A whole number from 0 to maximum.
ValueRead readWholeValue(std::string_view text, std::uint64_t maximum, std::uint64_t &target);

// The value of a Number, WholeNumber or Choice row into entered; entered
// changes only when the value is read.
// A population's row reads into that population.
ValueRead readSettingValue(SettingRow const &row, std::string_view text, EnteredSettings &entered,
                           std::size_t population = 0);
