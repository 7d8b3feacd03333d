// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "BeltProgress.h"
#include "BeltSave.h"
#include "CatalogueWriter.h"
#include "InverseDraw.h"
#include "Orbit.h"
#include "PlanetZones.h"
#include "Settings.h"

#include <atomic>
#include <functional>
#include <iosfwd>
#include <memory>
#include <random>
#include <string>
#include <vector>

// One run's generator: draws a belt from its settings and one engine, then
// hands it to a BeltSave to write it as a catalogue.
class Generator {
public:
    // The engine starts from seed; RandomSource::drawSeed() gives one from the
    // operating system.
    Generator(Settings settings, unsigned int seed);
    Generator(Generator const &) = delete;
    Generator &operator=(Generator const &) = delete;

    // Appends settings.number bodies, storing the percentage done after each.
    // A set stop flag ends the loop between two bodies.
    void generate(std::atomic<int> &progress, std::atomic<bool> const *stop = nullptr);

    // Writes the bodies to path. An existing file is replaced only by a complete
    // catalogue; a failure or a stop leaves it as it was.
    SaveResult save(std::string const &path, std::atomic<int> &progress,
                    std::atomic<bool> const *stop = nullptr);
    // Writes the bodies to a descriptor the caller keeps open, such as standard
    // output; name stands for it in messages.
    SaveResult save(int descriptor, std::string const &name, std::atomic<int> &progress,
                    std::atomic<bool> const *stop = nullptr);

    // Generates the belt and saves it to path at once: each block of bodies
    // is written as soon as it is built, so that the disk works while the
    // belt is drawn. The same bytes as generate() and then save(); generated
    // and saved take the percentages of the two.
    SaveResult generateAndSave(std::string const &path, std::atomic<int> &generated,
                               std::atomic<int> &saved, std::atomic<bool> const *stop = nullptr);

    // Called by a save once the whole catalogue is in the temporary file, just
    // before it replaces the file: it may wait, and a stop set meanwhile still
    // keeps the old file.
    void setBeforeReplace(std::function<void()> wait) { beforeReplace = std::move(wait); }

    std::vector<std::unique_ptr<BaseAsteroid>> const &bodies() const { return asteroids; }
    Settings const &belt() const { return settings; }

    // The most bodies a belt may have: a larger number is cut to it. The
    // front ends accept far fewer (FieldLimits::largestEnteredNumber).
    static constexpr std::uint32_t numberCap = 0x3fffffff;

    // Belts from this size on are generated on two threads: one draws every
    // number in engine order, the other builds and stores the bodies.
    static constexpr std::uint32_t pipelineFrom = 16384;

private:
    // One element's draw as the engine gives it. For the bell, the polar
    // method's second coordinate and squared radius; for an inverted
    // distribution, its canonical fraction in y. Making a number of it needs
    // no engine output, so it can run off the drawing thread.
    struct ElementDraw {
        double y = 0;
        double r2 = 1;
    };
    // Everything drawn for an orbit, in the order of the draws.
    struct OrbitDraws {
        PlanetZones::Population population = PlanetZones::Population::Belt;
        ElementDraw semiMajorAxis, inclination, eccentricity;
        // A belt body's semi-major axis, worked out while drawing when the
        // planet's zones make some draws void.
        bool axisKnown = false;
        double axis = 0;
        double discX = 0, discY = 0; // a Trojan's point in the unit disc
        double familyFraction = 0;   // a family body's fraction of its width
        double argOfPericenter = 0;
        double ascendingNode = 0;
        double meanAnomaly = 0; // drawn only when spread along the orbit
    };
    // Everything drawn for a body after the single/binary decision.
    struct BodyDraws {
        ElementDraw radius;
        ElementDraw density;
        ElementDraw rotationPeriod;        // single only
        double obliquity = 0;              // single only
        double companionShare = 0;         // binary only: the fraction X
        ElementDraw componentEccentricity; // binary only
        Orbit componentOrbit;              // binary only; eccentricity still to come
    };
    struct Draws {
        OrbitDraws orbit;
        bool binary = false;
        BodyDraws body;
    };

    // Which elements take a fraction for an inverted distribution instead
    // of the bell, and those distributions.
    struct Shapes {
        explicit Shapes(Settings const &settings);
        bool radius, semiMajorAxis, inclination, eccentricity, meanAnomaly;
        InverseDraw radiusDraw, semiMajorAxisDraw, inclinationDraw, eccentricityDraw;
    };

    std::unique_ptr<BaseAsteroid> makeAsteroid(unsigned int id, Orbit orbit);
    std::unique_ptr<BaseAsteroid> makeBinaryAsteroid(unsigned int id, Orbit orbit);

    // The draws of one body: its orbit and the single/binary decision (true
    // for a binary), then the rest; and the body built from them.
    bool drawOrbit(OrbitDraws &orbit);
    void drawSingle(BodyDraws &body);
    void drawBinary(BodyDraws &body);
    void drawSemiMajorAxis(OrbitDraws &orbit);
    double beltAxis(ElementDraw draw) const;
    Orbit finishOrbit(OrbitDraws const &draws) const;
    std::unique_ptr<BaseAsteroid> build(unsigned int id, Orbit const &orbit, bool binary,
                                        BodyDraws const &draws) const;

    void generateInOrder(std::atomic<int> &progress, std::atomic<bool> const *stop);
    void generateInPipeline(std::atomic<int> &progress, std::atomic<bool> const *stop);

    template <typename T> T gaussian(T lo, T hi);
    ElementDraw drawNormal();
    // A bell's draw, or a canonical fraction when inverted is set.
    ElementDraw drawElement(bool inverted);
    // The normal variate scaled to mean (lo + hi) / 2 and deviation
    // (hi - lo) / 6, clamped to [lo, hi].
    static double bounded(ElementDraw draw, double lo, double hi);
    // Two engine outputs, low half first, as a fraction in [0, 1).
    double canonical();

    std::string bodyName(unsigned int id) const;

    double maxRotationPeriod;
    double minRotationPeriod;
    double binaryFraction;
    double earthMass; // kg

    Settings settings;
    Shapes shapes;
    PlanetZones zones;
    std::vector<std::unique_ptr<BaseAsteroid>> asteroids;
    std::mt19937 engine;
    std::function<void()> beforeReplace;
    BodyCount *arrivals = nullptr;               // set while a writer follows the generation
    std::atomic<bool> const *drawStop = nullptr; // the running generation's stop flag

    friend class GeneratorProbe; // tests reach the draws through it
};
