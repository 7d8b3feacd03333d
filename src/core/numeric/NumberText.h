// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// A catalogue's numbers as text: every number a belt writes goes through here.
namespace NumberText {

// Longest text of one number: sign, 19 digits, point, "e-308" and spare room.
constexpr std::size_t maxNumberLength = 32;

// Writes a double as a stream at precision 19 with default flags does ("%.19g")
// and returns the end of the text (at most maxNumberLength characters).
char *writeNumber(char *out, double value);

// The same text, taken from a small per-thread memo of recent numbers when it
// is there. Copies maxNumberLength characters whatever the text's length, so
// out needs that much room.
char *writeRememberedNumber(char *out, double value);

} // namespace NumberText
