// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Every preset with all its values, as option names and values that give the
// same record when passed back.
std::string presetListing();

// Every example with its name, its option and what it shows.
std::string exampleListing();
