// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <cstdint>
#include <string_view>
#include <system_error>

// What users may enter for the settings that share a range: the ranges of
// the window's fields, which the command line and recipes apply as well
// through the settings table (SettingsTable.h).
struct FieldRange {
    double minimum;
    double maximum;
    int decimals; // the field keeps a value rounded to these
    constexpr bool contains(double value) const { return value >= minimum && value <= maximum; }
};

namespace FieldLimits {

// The most bodies the form, the command line and a recipe accept. The
// generator's own cap, Generator::numberCap, lies far above it.
inline constexpr std::uint32_t largestEnteredNumber = 1000000;
inline constexpr FieldRange totalMass{0.0, 1e35, 20}; // in the unit the user chose
inline constexpr FieldRange beltRadius{0.0, 1e21, 2}; // AU
inline constexpr FieldRange bodyRadius{0.0, 1e21, 2}; // km
inline constexpr FieldRange eccentricity{0.0, 99.99, 5};
inline constexpr FieldRange inclination{0.0, 180.0, 2}; // degrees
inline constexpr FieldRange epoch{0.0, 10000000.0, 2};  // Julian date
// The distributions' numbers; the settings check refuses the values at or
// below 0 where they cannot apply.
inline constexpr FieldRange radiusSlope{0.0, 10.0, 2};
inline constexpr FieldRange eccentricityMode{0.0, 99.99, 5};
inline constexpr FieldRange inclinationMode{0.0, 180.0, 2}; // degrees
inline constexpr FieldRange surfaceDensitySlope{-10.0, 10.0, 2};
// The planet's numbers.
inline constexpr FieldRange planetAxis{0.0, 1e21, 4};   // AU
inline constexpr FieldRange planetMass{0.0, 1e9, 6};    // Jupiter or Earth masses
inline constexpr FieldRange centralMass{0.0, 1e9, 8};   // solar masses
inline constexpr FieldRange longitude{0.0, 360.0, 4};   // degrees
inline constexpr FieldRange resonanceEccentricity{0.0, 0.99, 3};
inline constexpr FieldRange share{0.0, 100.0, 2};       // percent
inline constexpr FieldRange librationAmplitude{0.0, 180.0, 2}; // degrees
inline constexpr FieldRange boundEccentricity{0.0, 0.99, 5};    // a family's parent's
inline constexpr FieldRange ejectionVelocity{0.0, 100000.0, 2}; // m/s

// A value as a field with these decimals keeps it: rounded in decimal, as it
// is shown, and read back.
double roundedTo(double value, int decimals);

} // namespace FieldLimits

// Reads a number that is the whole of text, written as the C locale writes it
// whatever the user's language, with an optional '+' in front. Gives
// std::errc() when read, invalid_argument when text is no such number and
// result_out_of_range when the number does not fit.
template <typename Number> std::errc readNumberText(std::string_view text, Number &value)
{
    char const *first = text.data();
    char const *const last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    auto const result = std::from_chars(first, last, value);
    if (first == last || result.ptr != last ||
        (result.ec != std::errc() && result.ec != std::errc::result_out_of_range))
        return std::errc::invalid_argument;
    return result.ec;
}
