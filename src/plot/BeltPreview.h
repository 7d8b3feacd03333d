// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "Orbit.h"
#include "Settings.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What the preview shows of a belt, ready to be drawn: four panels (the belt
// from above and edge-on at the epoch, semi-major axis against eccentricity
// and against inclination), each with its axes and either one marker per body
// or, for a large belt, the number of bodies in each cell of a grid.
class BeltPreview {
public:
    enum Panel { TopView, EdgeOn, AxisEccentricity, AxisInclination };
    static constexpr std::size_t panelCount = 4;

    struct Position {
        double x, y, z; // AU, in the orbit's reference plane
    };

    // Where a body stands at the epoch. Every catalogue body has mean anomaly
    // 0, so it sits at its pericenter, turned by the argument of pericenter,
    // the inclination and the ascending node.
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

    struct Point {
        double x, y;
        bool binary;
    };

    // Bodies per cell, singles and binaries apart; cell (column, row) is at
    // index row * size + column, row 0 at the low end of the y axis.
    struct Grid {
        int size = 0;
        std::vector<std::uint32_t> singles;
        std::vector<std::uint32_t> binaries;
    };

    struct PanelData {
        Axis x, y;
        std::vector<Point> points; // one per body, in the belt's order; empty when dense
        Grid grid;                 // filled only when dense
    };

    // Belts up to this size are drawn body by body.
    static constexpr std::size_t defaultMarkerLimit = 5000;

    explicit BeltPreview(std::vector<std::unique_ptr<BaseAsteroid>> const &bodies,
                         std::size_t markerLimit = defaultMarkerLimit, int gridSize = 320);

    // Generates the belt as a run with this seed would and reduces it to its
    // preview; nothing when stop was set before the belt was complete.
    static std::optional<BeltPreview> ofBelt(Settings const &settings, std::uint32_t seed,
                                             std::atomic<bool> const *stop = nullptr);

    std::size_t bodyCount() const { return bodies; }
    std::size_t binaryCount() const { return binaries; }
    // Drawn as densities rather than markers.
    bool dense() const { return isDense; }
    PanelData const &panel(Panel which) const { return panels[which]; }

private:
    std::size_t bodies = 0;
    std::size_t binaries = 0;
    bool isDense = false;
    std::array<PanelData, panelCount> panels;
};
