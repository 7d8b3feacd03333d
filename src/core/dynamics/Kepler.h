// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Kepler {

// Kepler's third law: the period in years of an orbit of semi-major axis
// a (AU) around totalMass (solar masses).
double orbitalPeriod(double semiMajorAxis, double totalMass);

} // namespace Kepler
