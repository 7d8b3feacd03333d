// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Asteroid.h"
#include "BinaryAsteroid.h"

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

// The file names a population's bodies draw from, shared by its bodies.
struct LookFiles {
    std::vector<std::string> meshes;
    std::vector<std::string> textures;
};

// What a body with looks writes besides the belt's own lines; a NaN number
// or a missing name is not written.
struct BodyLook {
    static constexpr double notGiven = std::numeric_limits<double>::quiet_NaN();
    static constexpr std::uint16_t noFile = 0xffff;

    double albedo = notGiven;
    std::array<double, 3> const *color = nullptr; // the surface class's
    std::array<double, 3> semiAxes{notGiven, notGiven, notGiven};
    double equatorNode = notGiven;    // degrees
    double rotationOffset = notGiven; // degrees
    std::shared_ptr<LookFiles const> files;
    std::uint16_t mesh = noFile; // index into files->meshes
    std::uint16_t texture = noFile;
    std::int16_t surfaceClass = -1; // index into surfaceClasses()

    std::string_view meshName() const;
    std::string_view textureName() const;
};

// A single body with looks.
class LookedAsteroid : public Asteroid {
public:
    void print(std::ostream &os) const override;
    BodyLook look;
};

// A binary body with looks: both components take its surface and files.
class LookedBinaryAsteroid : public BinaryAsteroid {
public:
    void print(std::ostream &os) const override;
    BodyLook look;
};
