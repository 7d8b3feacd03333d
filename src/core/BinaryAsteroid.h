#pragma once

#include "BaseAsteroid.h"

#include <string>

// A binary body: the inherited fields describe the barycenter (and component A's
// radius); the components exist only in the catalogue text.
class BinaryAsteroid : public BaseAsteroid {
public:
    void print(std::ostream &os) const override;
    void appendTo(std::string &out) const;

    double companionRadius = 0.0; // km, component B
    // Component A's orbit about the barycenter; B's pericenter is 180 degrees less.
    Orbit componentOrbit;
};
