// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The cosine of an angle in degrees, correctly rounded: the angle is reduced
// to [0, 45] exactly (a remainder and reflections), its cosine or sine is
// worked out with 128-bit multiple precision and rounded to the nearest
// double once, so that every build gives the same bits. A double-double
// evaluation settles nearly every angle first; only those it leaves in doubt
// go to the multiple precision.
double degreeCosine(double degrees);
// How many angles went to the multiple precision.
std::uint64_t degreeCosineFallbackCount();
