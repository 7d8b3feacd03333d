#include "BaseAsteroid.h"

#include "CatalogueText.h"

#include <ostream>

BaseAsteroid::~BaseAsteroid() = default;

double BaseAsteroid::getSafeMoonRadius() const
{
    return radius / AU * 1.2;
}

std::ostream &operator<<(std::ostream &os, BaseAsteroid::ObjectType const &type)
{
    auto const word = CatalogueText::objectTypeWord(type);
    return os.write(word.data(), static_cast<std::streamsize>(word.size()));
}
