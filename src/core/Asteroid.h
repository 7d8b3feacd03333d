#pragma once

#include "BaseAsteroid.h"

#include <string>

// A single body.
class Asteroid : public BaseAsteroid {
public:
    void print(std::ostream &os) const override;
    // Appends the body's catalogue text; print() hands the same text to a stream.
    void appendTo(std::string &out) const;
};
