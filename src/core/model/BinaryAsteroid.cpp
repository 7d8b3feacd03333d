// SPDX-License-Identifier: GPL-3.0-or-later
#include "BinaryAsteroid.h"

#include "BodyLook.h"
#include "CatalogueText.h"
#include "TextScratch.h"

#include <limits>
#include <ostream>

void BinaryAsteroid::print(std::ostream &os) const
{
    printWith(os, nullptr);
}

void BinaryAsteroid::printWith(std::ostream &os, BodyLook const *look) const
{
    os.precision(19);
    constexpr double notGiven = std::numeric_limits<double>::quiet_NaN();
    // B sits opposite A; the reader takes the angle as it is, unwrapped.
    Orbit companionOrbit = componentOrbit;
    companionOrbit.argOfPericenter = (companionOrbit.argOfPericenter + 180) - 360;
    CatalogueText::SingleBlock const a{
        objectType, name,     " A",     name,          CatalogueText::bodyMass(radius, density),
        radius,     notGiven, notGiven, componentOrbit, look};
    CatalogueText::SingleBlock const b{objectType,
                                       name,
                                       " B",
                                       name,
                                       CatalogueText::bodyMass(companionRadius, density),
                                       companionRadius,
                                       notGiven,
                                       notGiven,
                                       companionOrbit,
                                       look};
    if (!CatalogueText::finiteNumbers(orbit) || !CatalogueText::finiteNumbers(a) ||
        !CatalogueText::finiteNumbers(b)) {
        os.setstate(std::ios::failbit); // the writer reports it; nothing half-written
        return;
    }
    std::size_t const lookLength = look ? CatalogueText::lookLength(*look) : 0;
    char *const text = TextScratch::buffer(CatalogueText::maxBarycenterLength +
                                           2 * (CatalogueText::maxSingleLength + lookLength) +
                                           5 * name.size() + parentBody.size() + 4);
    char *end = CatalogueText::writeBarycenter(text, name, parentBody, orbit);

    // Both components orbit the barycenter, which carries the binary's name.
    end = CatalogueText::writeSingle(end, a);
    end = CatalogueText::writeSingle(end, b);
    os.write(text, end - text);
}
