// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "Orbit.h"
#include "PlanetZones.h"
#include "Settings.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What the preview shows of a belt, ready to be drawn: four panels (the belt
// from above and edge-on at the epoch, semi-major axis against eccentricity
// and against inclination), each with its axes and either one marker per body
// or, for a large belt, the number of bodies in each cell of a grid; and two
// distributions, the semi-major axes counted in bins and the cumulative
// count of bodies against their radius on logarithmic axes. With a planet, its
// orbit, place and Lagrange points L3, L4 and L5 in the view from above, the
// belt seen turning with the planet, and its resonances along the semi-major
// axes. With looks, each body's surface and a panel of albedo against
// semi-major axis.
class Generator;

class BeltPreview {
public:
    // The first panelCount panels every preview has; the view turning with
    // the planet only with a planet, the albedos only with looks (shows()).
    enum Panel { TopView, EdgeOn, AxisEccentricity, AxisInclination, RotatingView, AxisAlbedo };
    static constexpr std::size_t panelCount = 4;
    static constexpr std::size_t allPanels = 6;

    struct Position {
        double x, y, z; // AU, in the orbit's reference plane
    };

    // Where a body stands at the epoch: at its mean anomaly along its orbit
    // (Kepler's equation solved), turned by the argument of pericenter, the
    // inclination and the ascending node. An open orbit (e >= 1) is shown at
    // its pericenter, which its mean anomaly does not move.
    static Position positionAtEpoch(Orbit const &orbit);

    // One axis: its range, evenly spaced ticks at round values inside it, and
    // the spacing of the ticks.
    struct Axis {
        double low = 0;
        double high = 1;
        double step = 1;
        std::vector<double> ticks;
    };
    // An axis that holds every value from low to high, widened to round tick
    // values (steps of 1, 2 or 5 times a power of ten); a single value gets room
    // around it.
    static Axis roundAxis(double low, double high);
    // An axis of decimal logarithms from low to high, widened to whole
    // decades, with a tick at each (every second or fifth when there are many).
    static Axis decadeAxis(double low, double high);
    // An axis from exactly low to high, as a view fitted to its values or
    // zoomed into shows it, with round ticks inside (about six of them).
    static Axis viewAxis(double low, double high);

    struct Point {
        double x, y;
        bool binary;
        std::uint8_t population = 0; // its index in the belt's populations
        std::uint8_t surface = 0;    // 0: no look; else its surface colour + 1 (surfaces())
    };

    // Bodies per cell, singles and binaries apart; cell (column, row) is at
    // index row * size + column, row 0 at the low end of the y axis. With
    // more than one population, also the bodies of each population per cell,
    // population p's cells from p * size * size on.
    struct Grid {
        int size = 0;
        std::vector<std::uint32_t> singles;
        std::vector<std::uint32_t> binaries;
        std::vector<std::uint32_t> populations;
        // With looks: per cell the sums of the red, green and blue (0 to 1)
        // of the bodies with a surface, and their number: four floats a cell.
        std::vector<float> surfaces;
    };

    struct PanelData {
        Axis x, y;
        // One per body, in the belt's order; kept when dense too for belts up
        // to keptLimit, so that a view zoomed into can count them again.
        std::vector<Point> points;
        Grid grid;                 // filled only when dense
    };

    // Semi-major axes in equal bins across the scatter panels' axis; bin k
    // spans x.low + k (x.high - x.low) / bins up to the next.
    // With more than one population, also the bodies of each population per
    // bin, population p's bins from p * histogramBins on.
    struct Histogram {
        Axis x, y;
        std::vector<std::uint32_t> singles, binaries;
        std::vector<std::uint32_t> populations;
    };
    static constexpr int histogramBins = 50;

    // N(>=R) against R, both as decimal logarithms (decade axes), one step
    // per body's radius (A's for a binary) down to 100 bodies, then one per
    // 0.005 in the count's logarithm; radii of 0 have no place on it.
    // With more than one population, the steps of each population's own
    // count as well, on the same axes.
    struct Cumulative {
        Axis x, y;
        std::vector<Point> steps; // from the largest radius down
        std::vector<std::vector<Point>> populationSteps;
    };

    // A resonance of the planet along the semi-major axes: a gap the belt's
    // bodies keep out of, the resonance that holds the family, or the chaotic
    // zone around the planet's orbit; from low to high AU, centred on centre.
    struct ResonanceMark {
        enum Kind { Gap, Family, ChaoticZone };
        Kind kind;
        double centre, low, high;
        std::string label; // "p:q"; empty for the chaotic zone
    };
    // The planet on its circular orbit in the reference plane at the epoch.
    struct PlanetMarks {
        double orbitRadius = 0; // AU
        double longitude = 0;   // degrees, the planet's mean longitude
        Position planet{}, l3{}, l4{}, l5{};
        std::vector<ResonanceMark> resonances; // in the order of their centres
    };
    // Nothing without a planet.
    static std::optional<PlanetMarks> planetMarks(Settings const &settings,
                                                  PlanetZones const &zones);
    // The same marks seen turning with the planet: the planet on the +x axis,
    // L4 at +60 degrees.
    static PlanetMarks turned(PlanetMarks marks);

    // A surface colour the belt's bodies show: the colour their looks write
    // (r, g, b from 0 to 1) and the name of its class.
    struct Surface {
        std::array<double, 3> colour;
        std::string name;
    };

    // Belts up to this size are drawn body by body.
    static constexpr std::size_t defaultMarkerLimit = 5000;
    // Dense belts up to this size keep their points as well.
    static constexpr std::size_t keptLimit = 50000;
    // A larger belt is shown by a sample: a belt of this many bodies with
    // the same settings and seed (ofBelt()), which is the larger belt's first
    // bodies where it has one population. The bodies of a belt are drawn one
    // after another from the same numbers, whatever its size, and each
    // population's share of the sample is its share of the belt, so that the
    // sample is a fair one and the window can follow the form as it is typed in.
    static constexpr std::uint32_t sampleLimit = 20000;

    explicit BeltPreview(std::vector<std::unique_ptr<BaseAsteroid>> const &bodies,
                         std::size_t markerLimit = defaultMarkerLimit, int gridSize = 320);
    // The generator's belt and the planet of its settings, whose orbit the
    // views of space hold as well, each body of the population the settings
    // give it; a belt of more than sampleLimit bodies by its first ones.
    explicit BeltPreview(Generator const &generator, std::size_t markerLimit = defaultMarkerLimit,
                         int gridSize = 320);

    // Generates the belt as a run with this seed would and reduces it to its
    // preview; nothing when stop was set before the belt was complete.
    static std::optional<BeltPreview> ofBelt(Settings const &settings, std::uint32_t seed,
                                             std::atomic<bool> const *stop = nullptr);

    // The bodies shown: a sample when fewer than the belt's.
    std::size_t bodyCount() const { return bodies; }
    // The bodies of the belt the settings make.
    std::size_t beltSize() const { return beltBodies; }
    std::size_t binaryCount() const { return binaries; }
    // The bodies of a scattered disc beyond the views of space, which are
    // fitted to the belt's other populations.
    std::size_t beyondViewCount() const { return beyondViews; }
    // Drawn as densities rather than markers.
    bool dense() const { return isDense; }
    PanelData const &panel(Panel which) const { return panels[which]; }
    bool shows(Panel which) const
    {
        return which < panelCount || (which == RotatingView && planetShown) ||
               (which == AxisAlbedo && !surfaceColours.empty());
    }
    // The surfaces of the bodies shown, in the order of their classes; empty
    // without looks.
    std::vector<Surface> const &surfaces() const { return surfaceColours; }
    Histogram const &axisHistogram() const { return histogram; }
    Cumulative const &sizeDistribution() const { return sizes; }
    std::optional<PlanetMarks> const &planet() const { return planetShown; }
    // The names of the belt's populations (UTF-8), in their order; one
    // unnamed one for a belt without settings.
    std::vector<std::string> const &populations() const { return populationNames; }

private:
    // counts: the bodies of each population, in the belt's order; fitted:
    // whether the views of space are fitted to each population's bodies.
    BeltPreview(std::vector<std::unique_ptr<BaseAsteroid>> const &bodies, std::size_t shown,
                std::optional<PlanetMarks> planet, std::vector<std::string> names,
                std::vector<std::uint32_t> const &counts, std::vector<bool> const &fitted,
                std::size_t markerLimit, int gridSize);

    std::size_t bodies = 0;
    std::size_t beltBodies = 0;
    std::size_t binaries = 0;
    std::size_t beyondViews = 0;
    bool isDense = false;
    std::array<PanelData, allPanels> panels;
    Histogram histogram;
    Cumulative sizes;
    std::optional<PlanetMarks> planetShown;
    std::vector<std::string> populationNames;
    std::vector<Surface> surfaceColours;
};
