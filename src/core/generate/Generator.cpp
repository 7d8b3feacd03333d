// SPDX-License-Identifier: GPL-3.0-or-later
#include "Generator.h"

#include "Asteroid.h"
#include "BeltSave.h"
#include "BinaryAsteroid.h"
#include "CatalogueText.h"
#include "CorrectRounding.h"
#include "Kepler.h"
#include "ThreadScope.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

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
    , shapes(this->settings)
    , zones(this->settings)
    , engine(seed)
{
    if (this->settings.number > numberCap)
        this->settings.number = numberCap;
    asteroids.reserve(this->settings.number);
}

Generator::Shapes::Shapes(Settings const &s)
    : radius(s.radiusDistribution == Settings::RadiusDistribution::PowerLaw)
    , semiMajorAxis(s.semiMajorAxisDistribution ==
                    Settings::SemiMajorAxisDistribution::SurfaceDensity)
    , inclination(s.inclinationDistribution == Settings::SpreadDistribution::Rayleigh)
    , eccentricity(s.eccentricityDistribution == Settings::SpreadDistribution::Rayleigh)
    , meanAnomaly(s.meanAnomalyDistribution == Settings::MeanAnomalyDistribution::Uniform)
    // N(>R) ~ R^-q; a disc of surface density r^-p holds ~ r^(1-p) dr.
    , radiusDraw(InverseDraw::powerLaw(s.minRadius, s.maxRadius, -s.radiusSlope))
    , semiMajorAxisDraw(
          InverseDraw::powerLaw(s.innerRadius, s.outerRadius, 2 - s.surfaceDensitySlope))
    // Inclinations lie in [0, bound]: the node's direction gives the other side.
    , inclinationDraw(InverseDraw::rayleigh(0, s.maxInclination, s.inclinationMode))
    , eccentricityDraw(
          InverseDraw::rayleigh(s.minEccentricity, s.maxEccentricity, s.eccentricityMode))
{}

double Generator::canonical()
{
    double const low = engine();
    double const high = engine();
    return (low + high * 0x1p32) * 0x1p-64;
}

Generator::ElementDraw Generator::drawNormal()
{
    // Polar method; only the second variate is used, none is kept for later.
    double x, y, r2;
    do {
        x = 2 * canonical() - 1;
        y = 2 * canonical() - 1;
        r2 = x * x + y * y;
    } while (r2 > 1 || r2 == 0);
    return {y, r2};
}

Generator::ElementDraw Generator::drawElement(bool inverted)
{
    if (inverted)
        return {canonical(), 1};
    return drawNormal();
}

double Generator::bounded(ElementDraw draw, double lo, double hi)
{
    double const m = std::sqrt(-2 * CorrectRounding::log(draw.r2) / draw.r2);
    double const z = draw.y * m;
    double const sigma = (hi - lo) / 6;
    double const mu = (lo + hi) * 0.5;
    double const v = z * sigma + mu;
    return std::max(lo, std::min(hi, v));
}

template <typename T> T Generator::gaussian(T lo, T hi)
{
    return bounded(drawNormal(), lo, hi);
}

std::string Generator::bodyName(unsigned int id) const
{
    return settings.beltName + " " + std::to_string(id);
}

void Generator::generate(std::atomic<int> &progress, std::atomic<bool> const *stop)
{
    drawStop = stop;
    if (settings.number >= pipelineFrom && std::thread::hardware_concurrency() > 1)
        generateInPipeline(progress, stop);
    else
        generateInOrder(progress, stop);
}

// The draws of each body, in engine order. An element with an inverted
// distribution takes one canonical fraction (two outputs) where the bell
// takes its polar-method attempts (four outputs each); the mean anomaly, when
// spread, takes one fraction after the ascending node. So a body draws:
//   semi-major axis, inclination, eccentricity, argument of pericenter (X),
//   ascending node (X), [mean anomaly (X)], the decision (one output), then
//   single: radius, density (bell), rotation period (bell), obliquity (X);
//   binary: radius, companion share (X), density (bell), component period
//   (X), inclination (X), eccentricity (bell), argument of pericenter (X),
//   ascending node (X).
// With a planet (PlanetZones.h), a body first takes one output whose unit
// fraction picks its population when there are Trojans or a family; its
// semi-major axis draw is then:
//   belt body: the draw above, repeated, whole, as long as the semi-major
//     axis it gives lies in a gap or the chaotic zone;
//   Trojan: x = 2X - 1, then y = 2X - 1, repeated as a pair until x x + y y < 1;
//   family body: one fraction u, a = center + halfWidth (2u - 1), repeated
//     while the cleared orbit holds a.
// A Trojan's mean anomaly is lambda - node - pericenter, brought into [0, 360)
// by adding or taking 360 as often as needed; a mean anomaly drawn for it is
// drawn all the same and not used.
void Generator::drawSemiMajorAxis(OrbitDraws &orbit)
{
    using Population = PlanetZones::Population;
    orbit.population = Population::Belt;
    if (zones.drawsPopulation())
        orbit.population = zones.population(engine() * 0x1p-32);
    switch (orbit.population) {
    case Population::Belt:
        orbit.semiMajorAxis = drawElement(shapes.semiMajorAxis);
        orbit.axisKnown = zones.excludes();
        if (orbit.axisKnown) {
            // A belt with little room left may redraw for long: a stop ends
            // it, and a stopped run keeps none of its bodies.
            while (zones.excluded(orbit.axis = beltAxis(orbit.semiMajorAxis)) &&
                   !stopRequested(drawStop))
                orbit.semiMajorAxis = drawElement(shapes.semiMajorAxis);
        }
        break;
    case Population::L4:
    case Population::L5:
        do {
            orbit.discX = 2 * canonical() - 1;
            orbit.discY = 2 * canonical() - 1;
        } while (!(orbit.discX * orbit.discX + orbit.discY * orbit.discY < 1));
        break;
    case Population::Family:
        do
            orbit.familyFraction = canonical();
        while (zones.clears(zones.familyAxis(orbit.familyFraction)) && !stopRequested(drawStop));
        break;
    }
}

double Generator::beltAxis(ElementDraw draw) const
{
    return shapes.semiMajorAxis ? shapes.semiMajorAxisDraw(draw.y)
                                : bounded(draw, settings.innerRadius, settings.outerRadius);
}

bool Generator::drawOrbit(OrbitDraws &orbit)
{
    drawSemiMajorAxis(orbit);
    orbit.inclination = drawElement(shapes.inclination);
    orbit.eccentricity = drawElement(shapes.eccentricity);
    orbit.argOfPericenter = 360 * canonical();
    orbit.ascendingNode = 360 * canonical();
    if (shapes.meanAnomaly)
        orbit.meanAnomaly = 360 * canonical();

    double const unit = engine() * 0x1p-32;
    return !(unit > binaryFraction);
}

Orbit Generator::finishOrbit(OrbitDraws const &draws) const
{
    using Population = PlanetZones::Population;
    Orbit orbit;
    switch (draws.population) {
    case Population::Belt:
        orbit.semiMajorAxis = draws.axisKnown ? draws.axis : beltAxis(draws.semiMajorAxis);
        break;
    case Population::L4:
    case Population::L5:
        orbit.semiMajorAxis = zones.planetAxis + zones.trojanAxisScale * draws.discY;
        break;
    case Population::Family:
        orbit.semiMajorAxis = zones.familyAxis(draws.familyFraction);
        break;
    }
    if (settings.barycenter)
        orbit.period = Kepler::orbitalPeriod(orbit.semiMajorAxis, settings.totalMass);
    orbit.inclination =
        shapes.inclination
            ? shapes.inclinationDraw(draws.inclination.y)
            : bounded(draws.inclination, -settings.maxInclination, +settings.maxInclination);
    orbit.eccentricity =
        shapes.eccentricity
            ? shapes.eccentricityDraw(draws.eccentricity.y)
            : bounded(draws.eccentricity, settings.minEccentricity, settings.maxEccentricity);
    orbit.argOfPericenter = draws.argOfPericenter;
    orbit.ascendingNode = draws.ascendingNode;
    orbit.meanAnomaly = draws.meanAnomaly;
    if (draws.population == Population::L4 || draws.population == Population::L5) {
        double const point = draws.population == Population::L4 ? 60 : -60;
        double const longitude =
            zones.planetLongitude + point + zones.trojanAmplitude * draws.discX;
        double anomaly = longitude - orbit.ascendingNode - orbit.argOfPericenter;
        while (anomaly < 0)
            anomaly += 360;
        while (anomaly >= 360)
            anomaly -= 360;
        orbit.meanAnomaly = anomaly;
    }
    orbit.referencePlane = settings.referencePlane;
    orbit.epoch = settings.epoch;
    return orbit;
}

void Generator::drawSingle(BodyDraws &body)
{
    body.radius = drawElement(shapes.radius);
    body.density = drawNormal();
    body.rotationPeriod = drawNormal();
    body.obliquity = 360 * canonical();
}

void Generator::drawBinary(BodyDraws &body)
{
    body.radius = drawElement(shapes.radius);
    body.companionShare = canonical();
    body.density = drawNormal();

    Orbit &component = body.componentOrbit;
    component = Orbit();
    component.period = (canonical() * 2.9 + 0.1) / BaseAsteroid::daysYear;
    component.inclination = canonical() * 360;
    body.componentEccentricity = drawNormal();
    component.argOfPericenter = canonical() * 360;
    component.ascendingNode = canonical() * 360;
    component.referencePlane = Orbit::Equator;
}

std::unique_ptr<BaseAsteroid> Generator::build(unsigned int id, Orbit const &orbit, bool binary,
                                               BodyDraws const &draws) const
{
    double const radius = shapes.radius
                              ? shapes.radiusDraw(draws.radius.y)
                              : bounded(draws.radius, settings.minRadius, settings.maxRadius);
    double const density = bounded(draws.density, 2.0, 4.0) * 1e12 / earthMass;
    std::unique_ptr<BaseAsteroid> body;
    if (binary) {
        auto pair = std::make_unique<BinaryAsteroid>();
        pair->companionRadius = radius * (draws.companionShare * 0.75 + 0.25);
        pair->componentOrbit = draws.componentOrbit;
        pair->componentOrbit.epoch = orbit.epoch;
        pair->componentOrbit.eccentricity = bounded(draws.componentEccentricity, 0.0, 0.1);
        body = std::move(pair);
    } else {
        body = std::make_unique<Asteroid>();
        body->mass = CatalogueText::bodyMass(radius, density);
        body->rotationPeriod = bounded(draws.rotationPeriod, minRotationPeriod, maxRotationPeriod);
        body->obliquity = draws.obliquity;
    }
    body->objectType = settings.objectType;
    body->name = bodyName(id);
    body->parentBody = settings.beltCenter;
    body->radius = radius;
    body->density = density;
    body->orbit = orbit;
    return body;
}

std::unique_ptr<BaseAsteroid> Generator::makeAsteroid(unsigned int id, Orbit orbit)
{
    BodyDraws draws;
    drawSingle(draws);
    return build(id, orbit, false, draws);
}

std::unique_ptr<BaseAsteroid> Generator::makeBinaryAsteroid(unsigned int id, Orbit orbit)
{
    BodyDraws draws;
    drawBinary(draws);
    return build(id, orbit, true, draws);
}

void Generator::generateInOrder(std::atomic<int> &progress, std::atomic<bool> const *stop)
{
    std::uint32_t const number = settings.number;
    for (std::uint32_t id = 1; id <= number && id != 0; ++id) {
        if (stopRequested(stop))
            return;
        OrbitDraws draws;
        bool const binary = drawOrbit(draws);
        Orbit const orbit = finishOrbit(draws);
        asteroids.push_back(binary ? makeBinaryAsteroid(id, orbit) : makeAsteroid(id, orbit));
        progress.store(progressPercent(id, number));
        if (arrivals)
            arrivals->publish(id);
    }
}

void Generator::generateInPipeline(std::atomic<int> &progress, std::atomic<bool> const *stop)
{
    // The draws are one sequence and stay on this thread; turning them into
    // numbers (the logarithms) and building a body (memory, name, list) needs
    // no engine output, so a second thread does it.
    // The two meet batch by batch in a small ring of draws.
    constexpr std::uint32_t batch = 256;
    constexpr std::uint32_t ringSize = 16 * batch;
    std::vector<Draws> ring(ringSize);
    std::uint32_t const number = settings.number;

    std::mutex mutex;
    std::condition_variable changed;
    std::uint32_t drawn = 0; // bodies whose draws are in the ring
    std::uint32_t built = 0; // bodies built from the ring
    bool drawing = true;

    std::thread builder([&] {
        ThreadScope const scope;
        std::uint32_t next = 0;
        for (;;) {
            std::uint32_t available;
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return drawn > next || !drawing; });
                available = drawn;
                if (available == next)
                    return;
            }
            for (; next < available; ++next) {
                Draws const &draws = ring[next % ringSize];
                asteroids.push_back(
                    build(next + 1, finishOrbit(draws.orbit), draws.binary, draws.body));
                progress.store(progressPercent(next + 1, number));
            }
            {
                std::lock_guard<std::mutex> lock(mutex);
                built = next;
            }
            if (arrivals)
                arrivals->publish(next);
            changed.notify_all();
        }
    });

    std::uint32_t count = 0;
    for (; count < number; ++count) {
        if (stopRequested(stop))
            break;
        if (count % batch == 0 && count > 0) {
            std::unique_lock<std::mutex> lock(mutex);
            drawn = count;
            changed.notify_all();
            changed.wait(lock, [&] { return count + batch - built <= ringSize; });
        }
        Draws &draws = ring[count % ringSize];
        draws.binary = drawOrbit(draws.orbit);
        if (draws.binary)
            drawBinary(draws.body);
        else
            drawSingle(draws.body);
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        drawn = count;
        drawing = false;
    }
    changed.notify_all();
    builder.join();
}

SaveResult Generator::save(std::string const &path, std::atomic<int> &progress,
                           std::atomic<bool> const *stop)
{
    CatalogueFile file(path);
    return BeltSave(asteroids, settings.number, beforeReplace).write(file, progress, stop);
}

SaveResult Generator::save(int descriptor, std::string const &name, std::atomic<int> &progress,
                           std::atomic<bool> const *stop)
{
    CatalogueFile file(descriptor, name);
    return BeltSave(asteroids, settings.number, beforeReplace).write(file, progress, stop);
}

SaveResult Generator::generateAndSave(std::string const &path, std::atomic<int> &generated,
                                      std::atomic<int> &saved, std::atomic<bool> const *stop)
{
    CatalogueFile file(path);
    return BeltSave(asteroids, settings.number, beforeReplace)
        .write(file, saved, stop, [&](BodyCount &arriving) {
            arrivals = &arriving;
            generate(generated, stop);
            arrivals = nullptr;
        });
}

template double Generator::gaussian<double>(double, double);
