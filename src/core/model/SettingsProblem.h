// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// A setting that would make a catalogue the reader cannot load: the key of
// its row in the settings table and the kind of problem. The front ends word
// it (SettingsWords.h).
struct SettingsProblem {
    enum Kind {
        DoubleQuote,      // would end the quoted name early
        Backslash,        // the reader takes it as the start of an escape
        ControlCharacter, // a line break, a tab or another control character
        EmptyCenter,      // empty or only white space: every body would name no parent
        NoPositiveMass,   // a barycenter without a finite total mass above 0
        NotFinite,        // infinite or not a number
        PeriodOverflow,   // the widest orbits around this mass would take infinite time
        MassOverflow,     // the largest bodies would weigh more than a number holds
        NotPositive,      // a slope or a mode of 0 or below, where its distribution is chosen
        // A lower bound of 0 where the distribution's count grows without end
        // towards 0: a power law of sizes, a disc of surface-density slope 2 or more.
        ZeroLowerBound,
        // Not a list of resonances p:q the planet has: whole numbers p > q >= 1
        // without a common factor, p - q from 1 to 4, p at most 12.
        NoSuchResonance,
        SharesNotWhole,     // the populations' shares do not add up to 100 %
        NeedsPlanet,        // a population of a kind that needs the planet, without it
        TooManyPopulations, // more than largestPopulationCount, or none
        PlanetTooHeavy,   // the planet at least as heavy as the central object
        // The planet's gaps and cleared orbit cover every semi-major axis
        // between a population's radii, so its bodies have no room.
        NoRoomLeft,
        // The Trojans' spread or the family's resonance, as wide as this
        // planet makes it, reaches the center: bodies at a semi-major axis of
        // 0 or below; or a collisional family's largest plausible kicks make
        // orbits that are not bound.
        ReachesCenter,
        // A scattered disc's perihelia reach beyond its smallest semi-major
        // axis: eccentricities below 0.
        PerihelionBeyondAxis,
        // A list of files that does not read: an empty name, or a weight
        // that is not a number above 0.
        BadFileList,
    };
    std::string_view setting; // the key of its row in the settings table
    Kind kind;
    int population = -1; // the population's index; -1 for the belt's setting
    double total = 0;    // SharesNotWhole: the shares' sum in percent
};

// Bounds that a run takes as they stand, though the belt they make is hardly
// the one meant: the front ends show them and still generate.
struct SettingsWarning {
    enum Kind {
        // A lower bound above its upper bound: every body takes the lower one.
        ReversedBounds,
        // Eccentricities of 1 or more make open orbits, which a reader of
        // orbital elements cannot place with a positive semi-major axis.
        SomeOrbitsOpen, // the largest eccentricity is 1 or more
        AllOrbitsOpen,  // the smallest is, so every orbit is open
    };
    Kind kind;
    // ReversedBounds: the lower bound, whose value every body takes, and the
    // upper one. Open orbits: the eccentricity bound of 1 or more, twice.
    std::string_view setting; // the keys of their rows
    std::string_view other;
    double value;      // of setting
    double otherValue; // of other
    int population = -1; // the population's index
};
