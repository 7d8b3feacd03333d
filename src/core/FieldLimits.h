// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "Orbit.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// What users may enter for each setting: the ranges of the window's fields,
// which the command line applies to its options as well, and the words that
// name the two choices. Kept here so that both front ends agree.
struct FieldRange {
    double minimum;
    double maximum;
    int decimals; // the field keeps a value rounded to these
    constexpr bool contains(double value) const { return value >= minimum && value <= maximum; }
};

namespace FieldLimits {

inline constexpr std::uint32_t maxNumber = 1000000;
inline constexpr FieldRange totalMass{0.0, 1e35, 20}; // in the unit the user chose
inline constexpr FieldRange beltRadius{0.0, 1e21, 2}; // AU
inline constexpr FieldRange bodyRadius{0.0, 1e21, 2}; // km
inline constexpr FieldRange eccentricity{0.0, 99.99, 5};
inline constexpr FieldRange inclination{0.0, 180.0, 2}; // degrees
inline constexpr FieldRange epoch{0.0, 10000000.0, 2};  // Julian date

// A value as a field with these decimals keeps it: rounded in decimal, as it
// is shown, and read back.
double roundedTo(double value, int decimals);

} // namespace FieldLimits

template <typename Enum> struct ChoiceWord {
    Enum value;
    std::string_view word;
};

inline constexpr std::array<ChoiceWord<BaseAsteroid::ObjectType>, 2> objectTypeWords{{
    {BaseAsteroid::Asteroid, "asteroid"},
    {BaseAsteroid::Comet, "comet"},
}};

inline constexpr std::array<ChoiceWord<Orbit::ReferencePlane>, 3> referencePlaneWords{{
    {Orbit::Ecliptic, "ecliptic"},
    {Orbit::Equator, "equator"},
    {Orbit::Extrasolar, "extrasolar"},
}};

// The value a word names (words are lower case and matched exactly).
template <typename Enum, std::size_t N> constexpr std::optional<Enum>
findChoice(std::array<ChoiceWord<Enum>, N> const &words, std::string_view word)
{
    for (auto const &choice : words) {
        if (choice.word == word)
            return choice.value;
    }
    return std::nullopt;
}

// The word of a value; empty for a value outside the enumeration.
template <typename Enum, std::size_t N>
constexpr std::string_view choiceWord(std::array<ChoiceWord<Enum>, N> const &words, Enum value)
{
    for (auto const &choice : words) {
        if (choice.value == value)
            return choice.word;
    }
    return {};
}
