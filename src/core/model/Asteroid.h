// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"

// A single body.
class Asteroid : public BaseAsteroid {
public:
    void print(std::ostream &os) const override;
};
