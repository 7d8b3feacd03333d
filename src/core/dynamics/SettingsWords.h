// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingsCheck.h"
#include "SettingsTable.h"

#include <string>
#include <string_view>
#include <vector>

// Who a sentence is for: the window names a setting by its label and writes
// numbers in its language; the command line names it by its option and
// writes numbers as recipes do.
enum class FrontEnd { Window, CommandLine };

// A sentence about settings before its names and numbers are in: %1, %2, ...
// stand for args in order. The window's sentences are English texts it
// translates in the context MainWindow.
struct Wording {
    struct Arg {
        std::string_view setting; // the key of a setting the front end names; empty: number
        double number = 0;
    };
    char const *text = "";
    std::vector<Arg> args;
};

// Why a run refuses the settings, and a bound it takes though the belt is odd.
Wording problemWording(SettingsProblem const &problem, FrontEnd frontEnd);
Wording warningWording(SettingsWarning const &warning, FrontEnd frontEnd);

// The sentence about one population: %1 its number from 1, %2 its name, %3
// what is said about it. The window's is an English text it translates.
char const *populationWording(FrontEnd frontEnd);

// text with each %1 to %9 replaced by that argument, in one pass, so that an
// argument's own % signs stay as they are; a marker without an argument stays.
std::string filledIn(std::string_view text, std::vector<std::string> const &args);
