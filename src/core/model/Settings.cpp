// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

Settings::Settings(Preset preset)
    : Settings()
{
    switch (preset) {
    case Vulcanoids:
        beltName = "VS";
        beltCenter = "Sol";
        number = 200;
        innerRadius = 0.15;
        outerRadius = 0.18;
        maxRadius = 3.0;
        minRadius = 0.1;
        maxEccentricity = 0.001;
        maxInclination = 10.0;
        break;
    case OortCloud:
        beltName = "OS";
        beltCenter = "Sol";
        number = 2000;
        innerRadius = 5000.0;
        outerRadius = 50000.0;
        maxRadius = 500.0;
        minRadius = 0.1;
        maxEccentricity = 0.3;
        maxInclination = 180.0;
        break;
    case TolimanAComets:
        objectType = BaseAsteroid::Comet;
        beltName = "TC";
        beltCenter = "Toliman A";
        number = 500;
        innerRadius = 0.15;
        outerRadius = 5.0;
        maxRadius = 25.0;
        minRadius = 0.1;
        maxEccentricity = 0.5;
        maxInclination = 180.0;
        break;
    case EarthMoonBelt:
        beltName = "ES";
        beltCenter = "Earth-Moon";
        barycenter = true;
        // Earth and Moon together: the double nearest 1.0123 Earth masses.
        totalMass = 3.0401062188929665e-06;
        number = 250;
        innerRadius = 0.01;
        outerRadius = 0.02;
        maxRadius = 25.0;
        minRadius = 0.1;
        maxEccentricity = 0.001;
        maxInclination = 5.0;
        break;
    }
}
