// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"

struct BodyLook;

// A binary body: the inherited fields describe the barycenter (and component A's
// radius); the components exist only in the catalogue text.
class BinaryAsteroid : public BaseAsteroid {
public:
    void print(std::ostream &os) const override;

    double companionRadius = 0.0; // km, component B
    // Component A's orbit about the barycenter; B's pericenter is 180 degrees less.
    Orbit componentOrbit;

protected:
    // Both components with look's lines, or the belt's own lines alone.
    void printWith(std::ostream &os, BodyLook const *look) const;
};
