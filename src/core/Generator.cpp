#include "Generator.h"

#include "Asteroid.h"
#include "BinaryAsteroid.h"
#include "CatalogueFile.h"
#include "CatalogueWriter.h"
#include "RandomSource.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace {

bool stopRequested(std::atomic<bool> const *stop)
{
    return stop && stop->load();
}

} // namespace

Generator::Generator(Settings settings, unsigned int seed)
    : maxRotationPeriod(12.0)
    , minRotationPeriod(0.1)
    , binaryFraction(0.2)
    , earthMass(5.9736e+24)
    , settings(std::move(settings))
    , engine(seed)
{
    if (this->settings.number > maxNumber)
        this->settings.number = maxNumber;
    asteroids.reserve(this->settings.number);
}

Generator::Generator(Settings settings)
    : Generator(std::move(settings), std::mt19937::default_seed)
{
    RandomSource::seedEngine(engine);
}

double Generator::canonical()
{
    double const low = engine();
    double const high = engine();
    return (low + high * 0x1p32) * 0x1p-64;
}

template <typename T> T Generator::gaussian(T lo, T hi)
{
    // Polar method; only the second variate is used, none is kept for later.
    T x, y, r2;
    do {
        x = 2 * canonical() - 1;
        y = 2 * canonical() - 1;
        r2 = x * x + y * y;
    } while (r2 > 1 || r2 == 0);
    T const m = std::sqrt(-2 * std::log(r2) / r2);
    T const z = y * m;
    T const sigma = (hi - lo) / 6;
    T const mu = (lo + hi) * 0.5;
    T const v = z * sigma + mu;
    return std::max(lo, std::min(hi, v));
}

std::string Generator::bodyName(unsigned int id) const
{
    return settings.beltName + " " + std::to_string(id);
}

void Generator::generate(std::atomic<int> &progress, std::atomic<bool> const *stop)
{
    std::uint32_t const number = settings.number;
    for (std::uint32_t id = 1; id <= number && id != 0; ++id) {
        if (stopRequested(stop))
            return;
        Orbit orbit;
        orbit.semiMajorAxis = gaussian(settings.innerRadius, settings.outerRadius);
        if (settings.barycenter)
            orbit.period = std::sqrt(std::pow(orbit.semiMajorAxis, 3.0) / settings.totalMass);
        orbit.inclination = gaussian(-settings.maxInclination, +settings.maxInclination);
        orbit.eccentricity = gaussian(settings.minEccentricity, settings.maxEccentricity);
        orbit.argOfPericenter = 360 * canonical();
        orbit.ascendingNode = 360 * canonical();
        orbit.referencePlane = settings.referencePlane;
        orbit.epoch = settings.epoch;

        double const unit = engine() * 0x1p-32;
        if (unit > binaryFraction)
            asteroids.push_back(makeAsteroid(id, orbit));
        else
            asteroids.push_back(makeBinaryAsteroid(id, orbit));
        progress.store(progressPercent(id, number));
    }
}

std::unique_ptr<BaseAsteroid> Generator::makeAsteroid(unsigned int id, Orbit orbit)
{
    auto body = std::make_unique<Asteroid>();
    body->objectType = settings.objectType;
    body->name = bodyName(id);
    body->parentBody = settings.beltCenter;
    body->radius = gaussian(settings.minRadius, settings.maxRadius);
    body->density = gaussian(2.0, 4.0) * 1e12 / earthMass;
    body->mass = std::pow(body->radius, 3.0) * 4.1887902047863905 * body->density;
    body->rotationPeriod = gaussian(minRotationPeriod, maxRotationPeriod);
    body->obliquity = 360 * canonical();
    body->orbit = orbit;
    return body;
}

std::unique_ptr<BaseAsteroid> Generator::makeBinaryAsteroid(unsigned int id, Orbit orbit)
{
    auto body = std::make_unique<BinaryAsteroid>();
    body->objectType = settings.objectType;
    body->name = bodyName(id);
    body->parentBody = settings.beltCenter;
    body->radius = gaussian(settings.minRadius, settings.maxRadius);
    body->companionRadius = body->radius * (canonical() * 0.75 + 0.25);
    body->density = gaussian(2.0, 4.0) * 1e12 / earthMass;
    body->orbit = orbit;

    Orbit &component = body->componentOrbit;
    component.epoch = orbit.epoch;
    component.period = (canonical() * 2.9 + 0.1) / BaseAsteroid::daysYear;
    component.inclination = canonical() * 360;
    component.eccentricity = gaussian(0.0, 0.1);
    component.argOfPericenter = canonical() * 360;
    component.ascendingNode = canonical() * 360;
    component.referencePlane = Orbit::Equator;
    return body;
}

SaveResult Generator::save(std::string const &path, std::atomic<int> &progress,
                           std::atomic<bool> const *stop)
{
    CatalogueFile file(path);
    return writeBodies(file, path, progress, stop);
}

SaveResult Generator::save(int descriptor, std::string const &name, std::atomic<int> &progress,
                           std::atomic<bool> const *stop)
{
    CatalogueFile file(descriptor, name);
    return writeBodies(file, name, progress, stop);
}

SaveResult Generator::writeBodies(CatalogueFile &file, std::string const &name,
                                  std::atomic<int> &progress, std::atomic<bool> const *stop)
{
    if (!file.open())
        return {false, false, file.error()};

    std::ostream out(&file);
    auto outcome = CatalogueWriter(asteroids, settings.number).write(out, progress, stop);
    // A stop that comes after the last body, or with no bodies at all, still
    // keeps the old file.
    if (outcome == CatalogueWriter::Outcome::Written && stopRequested(stop))
        outcome = CatalogueWriter::Outcome::Stopped;
    switch (outcome) {
    case CatalogueWriter::Outcome::Written: break;
    case CatalogueWriter::Outcome::Stopped:
        file.discard();
        return {false, true, "Saving \"" + name + "\" was stopped; the file was not changed."};
    case CatalogueWriter::Outcome::WriteFailed: return {false, false, file.error()};
    }
    if (!file.commit())
        return {false, false, file.error()};
    return {};
}

template double Generator::gaussian<double>(double, double);
