// SPDX-License-Identifier: GPL-3.0-or-later
#include "BinaryAsteroid.h"

#include "CatalogueText.h"

#include <limits>
#include <ostream>

void BinaryAsteroid::print(std::ostream &os) const
{
    os.precision(19);
    constexpr double notGiven = std::numeric_limits<double>::quiet_NaN();
    char *const text = CatalogueText::scratch(CatalogueText::maxBarycenterLength +
                                              2 * CatalogueText::maxSingleLength + 5 * name.size() +
                                              parentBody.size() + 4);
    char *end = CatalogueText::writeBarycenter(text, name, parentBody, orbit);

    // Both components orbit the barycenter, which carries the binary's name.
    end = CatalogueText::writeSingle(end, {objectType, name, " A", name,
                                           CatalogueText::bodyMass(radius, density), radius,
                                           notGiven, notGiven, componentOrbit});

    // B sits opposite A; the reader takes the angle as it is, unwrapped.
    Orbit companionOrbit = componentOrbit;
    companionOrbit.argOfPericenter = (companionOrbit.argOfPericenter + 180) - 360;
    end = CatalogueText::writeSingle(end, {objectType, name, " B", name,
                                           CatalogueText::bodyMass(companionRadius, density),
                                           companionRadius, notGiven, notGiven, companionOrbit});
    os.write(text, end - text);
}
