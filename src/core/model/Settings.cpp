// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include <algorithm>

Settings::Settings(Preset preset)
    : Settings()
{
    Population &first = populations.front();
    switch (preset) {
    case Vulcanoids:
        beltName = "VS";
        beltCenter = "Sol";
        number = 200;
        first.innerRadius = 0.15;
        first.outerRadius = 0.18;
        first.maxRadius = 3.0;
        first.minRadius = 0.1;
        first.maxEccentricity = 0.001;
        first.maxInclination = 10.0;
        break;
    case OortCloud:
        beltName = "OS";
        beltCenter = "Sol";
        number = 2000;
        first.innerRadius = 5000.0;
        first.outerRadius = 50000.0;
        first.maxRadius = 500.0;
        first.minRadius = 0.1;
        first.maxEccentricity = 0.3;
        first.maxInclination = 180.0;
        break;
    case TolimanAComets:
        objectType = BaseAsteroid::Comet;
        beltName = "TC";
        beltCenter = "Toliman A";
        number = 500;
        first.innerRadius = 0.15;
        first.outerRadius = 5.0;
        first.maxRadius = 25.0;
        first.minRadius = 0.1;
        first.maxEccentricity = 0.5;
        first.maxInclination = 180.0;
        break;
    case EarthMoonBelt:
        beltName = "ES";
        beltCenter = "Earth-Moon";
        barycenter = true;
        // Earth and Moon together: the double nearest 1.0123 Earth masses.
        totalMass = 3.0401062188929665e-06;
        number = 250;
        first.innerRadius = 0.01;
        first.outerRadius = 0.02;
        first.maxRadius = 25.0;
        first.minRadius = 0.1;
        first.maxEccentricity = 0.001;
        first.maxInclination = 5.0;
        break;
    }
}

void splitOlderShares(Settings &settings, double trojanShare, double familyShare)
{
    if (!settings.planet || settings.populations.empty())
        return;
    Population const shape = settings.populations.front();
    double rest = shape.share;
    auto const add = [&](Population::Kind kind, double share) {
        Population population = shape;
        population.kind = kind;
        population.name = populationKind(kind).defaultName;
        population.share = share;
        settings.populations.push_back(population);
        rest -= share;
    };
    if (trojanShare > 0)
        add(Population::Kind::Trojans, trojanShare);
    if (familyShare > 0)
        add(Population::Kind::ResonantFamily, familyShare);
    // Shares above 100 % together stay above: the check refuses them as it
    // did. A first population left without bodies is left out.
    settings.populations.front().share = std::max(rest, 0.0);
    if (!(rest > 0) && settings.populations.size() > 1)
        settings.populations.erase(settings.populations.begin());
}
