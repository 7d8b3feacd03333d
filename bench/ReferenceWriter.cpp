// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceWriter.h"

#include "Asteroid.h"
#include "BinaryAsteroid.h"
#include "CorrectRounding.h"

#include <cmath>
#include <fstream>

namespace {

void orbitBlock(std::ostream &os, Orbit const &o)
{
    os << "\n\tOrbit\n\t{\n\t\tEpoch\t\t\t" << o.epoch << "\n";
    if (o.semiMajorAxis > 0)
        os << "\t\tSemiMajorAxis\t" << o.semiMajorAxis << "\n";
    if (!std::isnan(o.period))
        os << "\t\tPeriod\t\t\t" << o.period << "\n";
    os << "\t\tEccentricity\t" << o.eccentricity << "\n";
    os << "\t\tInclination\t\t" << o.inclination << "\n";
    os << "\t\tAscendingNode\t" << o.ascendingNode << "\n";
    os << "\t\tArgOfPericen\t" << o.argOfPericenter << "\n";
    os << "\t\tRefPlane\t\t" << o.referencePlane << "\n";
    os << "\t\tMeanAnomaly\t\t" << o.meanAnomaly << "\n";
    os << "\t}\n";
}

void singleBlock(std::ostream &os, BaseAsteroid const &b)
{
    os << b.objectType << " \"" << b.name << "\"\n";
    os << "{\n\tParentBody\t\"" << b.parentBody << "\"\n";
    os << "\tClass\t\t\"Asteroid\"\n";
    os << "\tMass\t\t" << b.mass << "\n";
    os << "\tRadius\t\t" << b.radius << "\n";
    if (!std::isnan(b.rotationPeriod))
        os << "\tRotationPeriod\t" << b.rotationPeriod << "\n";
    if (!std::isnan(b.obliquity))
        os << "\n\tObliquity\t\t" << b.obliquity << "\n";
    orbitBlock(os, b.orbit);
    os << "}\n\n";
}

void binaryBlocks(std::ostream &os, BinaryAsteroid const &b)
{
    os << "Barycenter \"" << b.name << "\"\n{\n\tParentBody\t\"" << b.parentBody << "\"\n";
    orbitBlock(os, b.orbit);
    os << "}\n\n";
    Asteroid t;
    t.objectType = b.objectType;
    t.name = b.name + " A";
    t.parentBody = b.name;
    t.radius = b.radius;
    t.density = b.density;
    // The masses as the model defines them, so that both files can be compared;
    // the writing is what is measured.
    t.mass = CorrectRounding::cube(t.radius) * 4.1887902047863905 * t.density;
    t.orbit = b.componentOrbit;
    singleBlock(os, t);
    t.name = b.name + " B";
    t.radius = b.companionRadius;
    t.mass = CorrectRounding::cube(t.radius) * 4.1887902047863905 * t.density;
    t.orbit.argOfPericenter = (t.orbit.argOfPericenter + 180) - 360;
    singleBlock(os, t);
}

} // namespace

bool writeReference(Generator const &generator, std::string const &path)
{
    std::ofstream os(path);
    if (!os.is_open())
        return false;
    os.precision(19);
    for (auto const &body : generator.bodies()) {
        if (auto const *binary = dynamic_cast<BinaryAsteroid const *>(body.get()))
            binaryBlocks(os, *binary);
        else
            singleBlock(os, *body);
    }
    os.flush();
    return bool(os);
}
