#include "Orbit.h"

#include "CatalogueText.h"

#include <ostream>
#include <string>

std::ostream &operator<<(std::ostream &os, Orbit const &orbit)
{
    os.precision(19);
    std::string text;
    CatalogueText::appendOrbit(text, orbit);
    return os.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::ostream &operator<<(std::ostream &os, Orbit::ReferencePlane const &plane)
{
    auto const word = CatalogueText::referencePlaneWord(plane);
    return os.write(word.data(), static_cast<std::streamsize>(word.size()));
}
