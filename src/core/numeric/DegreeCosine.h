// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The cosine of an angle in degrees, made of IEEE operations alone (an exact
// remainder, exact reflections, one product by pi/180 and a fixed polynomial
// evaluated left to right), so every build gives the same bits. Not always
// the nearest double to the cosine: within a few units in the last place.
double degreeCosine(double degrees);
