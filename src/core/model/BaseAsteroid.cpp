// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaseAsteroid.h"

#include "BodyArena.h"
#include "CatalogueText.h"

#include <ostream>

BaseAsteroid::~BaseAsteroid() = default;

void *BaseAsteroid::operator new(std::size_t size)
{
    return BodyArena::allocate(size);
}

void BaseAsteroid::operator delete(void *pointer, std::size_t size) noexcept
{
    BodyArena::deallocate(pointer, size);
}

double BaseAsteroid::getSafeMoonRadius() const
{
    return radius / AU * 1.2;
}

std::ostream &operator<<(std::ostream &os, BaseAsteroid::ObjectType const &type)
{
    auto const word = CatalogueText::objectTypeWord(type);
    return os.write(word.data(), static_cast<std::streamsize>(word.size()));
}
