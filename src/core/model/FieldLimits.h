// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "Orbit.h"
#include "Settings.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <system_error>

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
// The distributions' parameters; the settings check refuses the values at or
// below 0 where they cannot apply.
inline constexpr FieldRange radiusSlope{0.0, 10.0, 2};
inline constexpr FieldRange eccentricityMode{0.0, 99.99, 5};
inline constexpr FieldRange inclinationMode{0.0, 180.0, 2}; // degrees
inline constexpr FieldRange surfaceDensitySlope{-10.0, 10.0, 2};

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

inline constexpr std::array<ChoiceWord<Settings::RadiusDistribution>, 2> radiusDistributionWords{{
    {Settings::RadiusDistribution::Bell, "bell"},
    {Settings::RadiusDistribution::PowerLaw, "power-law"},
}};

// For the eccentricity and the inclination.
inline constexpr std::array<ChoiceWord<Settings::SpreadDistribution>, 2> spreadDistributionWords{{
    {Settings::SpreadDistribution::Bell, "bell"},
    {Settings::SpreadDistribution::Rayleigh, "rayleigh"},
}};

inline constexpr std::array<ChoiceWord<Settings::SemiMajorAxisDistribution>, 2>
    semiMajorAxisDistributionWords{{
        {Settings::SemiMajorAxisDistribution::Bell, "bell"},
        {Settings::SemiMajorAxisDistribution::SurfaceDensity, "surface-density"},
    }};

inline constexpr std::array<ChoiceWord<Settings::MeanAnomalyDistribution>, 2>
    meanAnomalyDistributionWords{{
        {Settings::MeanAnomalyDistribution::Zero, "zero"},
        {Settings::MeanAnomalyDistribution::Uniform, "uniform"},
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
