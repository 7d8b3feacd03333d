// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Orbit.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <limits>
#include <string>

// A body of the belt. Plain public data, filled by the generator; each kind
// writes its own catalogue text through print().
class BaseAsteroid {
public:
    enum ObjectType : std::int32_t { Asteroid = 0, Comet = 1 };

    static constexpr double AU = 149597870.691;      // km per astronomical unit
    static constexpr double daysYear = 365.24218985; // days per year

    BaseAsteroid() = default;
    BaseAsteroid(BaseAsteroid const &) = default;
    BaseAsteroid &operator=(BaseAsteroid const &) = default;
    virtual ~BaseAsteroid();

    // Bodies live in an arena of their own (see BodyArena).
    static void *operator new(std::size_t size);
    static void operator delete(void *pointer, std::size_t size) noexcept;

    // Writes the whole catalogue text of the body and leaves the stream at
    // precision 19. A number the reader could not take (infinite, or NaN where
    // it is not "not given") writes nothing and sets the stream's failbit.
    virtual void print(std::ostream &os) const = 0;

    // Safe orbit radius for a moon of this body, in AU.
    double getSafeMoonRadius() const;

    Orbit orbit;
    ObjectType objectType = Asteroid;
    std::string name = "Astro";
    std::string parentBody = "Sol";
    double radius = 0.0;  // km
    double density = 0.0; // Earth masses per km^3
    double mass = 0.0;    // Earth masses
    double rotationPeriod = std::numeric_limits<double>::quiet_NaN();
    double obliquity = std::numeric_limits<double>::quiet_NaN(); // degrees
};

std::ostream &operator<<(std::ostream &os, BaseAsteroid::ObjectType const &type);
