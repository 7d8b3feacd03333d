// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kepler.h"

#include "CorrectRounding.h"

#include <cmath>

namespace Kepler {

double orbitalPeriod(double semiMajorAxis, double totalMass)
{
    return std::sqrt(CorrectRounding::cube(semiMajorAxis) / totalMass);
}

} // namespace Kepler
