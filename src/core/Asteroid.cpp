// SPDX-License-Identifier: GPL-3.0-or-later
#include "Asteroid.h"

#include "CatalogueText.h"

#include <ostream>

void Asteroid::print(std::ostream &os) const
{
    os.precision(19);
    // The whole block goes to the stream in one write.
    char *const text =
        CatalogueText::scratch(CatalogueText::maxSingleLength + name.size() + parentBody.size());
    char const *end = CatalogueText::writeSingle(
        text, {objectType, name, {}, parentBody, mass, radius, rotationPeriod, obliquity, orbit});
    os.write(text, end - text);
}
