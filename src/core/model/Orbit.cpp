// SPDX-License-Identifier: GPL-3.0-or-later
#include "Orbit.h"

#include "CatalogueText.h"

#include <ostream>

std::ostream &operator<<(std::ostream &os, Orbit const &orbit)
{
    os.precision(19);
    char text[CatalogueText::maxOrbitLength];
    char const *end = CatalogueText::writeOrbit(text, orbit);
    return os.write(text, end - text);
}

std::ostream &operator<<(std::ostream &os, Orbit::ReferencePlane const &plane)
{
    auto const word = CatalogueText::referencePlaneWord(plane);
    return os.write(word.data(), static_cast<std::streamsize>(word.size()));
}
