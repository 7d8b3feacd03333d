// SPDX-License-Identifier: GPL-3.0-or-later
#include "Population.h"

#include "WideInteger.h"
#include "WindowText.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// A kind's own rows, with the bounds and laws of the drawn eccentricities
// and inclinations where it draws them: a collisional family's members take
// theirs from the parent's orbit, a scattered disc's eccentricities follow
// from its perihelia.
enum Drawn { Inclinations = 1, Eccentricities = 2, Both = 3 };

std::vector<std::string_view> rowsOf(std::initializer_list<std::string_view> own, int drawn)
{
    std::vector<std::string_view> rows(own);
    if (drawn & Eccentricities)
        rows.insert(rows.end(), {"min-eccentricity", "max-eccentricity",
                                 "eccentricity-distribution", "eccentricity-mode"});
    if (drawn & Inclinations)
        rows.insert(rows.end(), {"max-inclination", "inclination-distribution", "inclination-mode"});
    return rows;
}

} // namespace

std::vector<PopulationKind> const &populationKinds()
{
    using K = Population::Kind;
    static std::vector<PopulationKind> const kinds = {
        {K::Background, "background", QT_TRANSLATE_NOOP("MainWindow", "Background"),
         QT_TRANSLATE_NOOP("MainWindow", "Background"), false,
         rowsOf({"inner", "outer", "semi-major-axis-distribution", "surface-density-slope",
                 "mean-anomaly-distribution"},
                Both)},
        {K::Trojans, "trojans", QT_TRANSLATE_NOOP("MainWindow", "Trojans"),
         QT_TRANSLATE_NOOP("MainWindow", "Trojans"), true,
         rowsOf({"trojan-l4-share", "libration-amplitude", "amplitude-distribution",
                 "amplitude-mode", "trojan-shape"},
                Both)},
        {K::ResonantFamily, "family", QT_TRANSLATE_NOOP("MainWindow", "Resonant family"),
         QT_TRANSLATE_NOOP("MainWindow", "Family"), true,
         rowsOf({"inner", "outer", "family-resonance", "mean-anomaly-distribution"}, Both)},
        {K::Resonant, "resonant", QT_TRANSLATE_NOOP("MainWindow", "Resonant"),
         QT_TRANSLATE_NOOP("MainWindow", "Resonant"), true,
         rowsOf({"resonance", "resonance-side", "libration-amplitude", "amplitude-distribution",
                 "amplitude-mode"},
                Both)},
        {K::CollisionalFamily, "collisional-family",
         QT_TRANSLATE_NOOP("MainWindow", "Collisional family"),
         QT_TRANSLATE_NOOP("MainWindow", "Collisional family"), false,
         rowsOf({"parent-semi-major-axis", "parent-eccentricity", "parent-inclination",
                 "ejection-velocity", "breakup-anomaly", "breakup-latitude",
                 "mean-anomaly-distribution"},
                0)},
        {K::ScatteredDisc, "scattered-disc", QT_TRANSLATE_NOOP("MainWindow", "Scattered disc"),
         QT_TRANSLATE_NOOP("MainWindow", "Scattered disc"), false,
         rowsOf({"inner", "outer", "surface-density-slope", "min-perihelion", "max-perihelion",
                 "mean-anomaly-distribution"},
                Inclinations)},
    };
    return kinds;
}


PopulationKind const &populationKind(Population::Kind kind)
{
    for (PopulationKind const &row : populationKinds()) {
        if (row.kind == kind)
            return row;
    }
    return populationKinds().front();
}

bool kindUses(Population::Kind kind, std::string_view key)
{
    auto const lists = [&](PopulationKind const &row) {
        return std::find(row.rows.begin(), row.rows.end(), key) != row.rows.end();
    };
    if (std::none_of(populationKinds().begin(), populationKinds().end(), lists))
        return true;
    return lists(populationKind(kind));
}

std::uint64_t shareUnits(double share)
{
    double const units = share * 100;
    if (!(units > 0) || !std::isfinite(units))
        return 0;
    return static_cast<std::uint64_t>(std::llround(std::min(units, 1e15)));
}

std::vector<std::uint32_t> populationCounts(std::uint32_t number,
                                            std::vector<Population> const &populations)
{
    std::size_t const n = populations.size();
    std::vector<std::uint32_t> counts(n, 0);
    if (n == 0)
        return counts;
    std::vector<std::uint64_t> units(n);
    std::transform(populations.begin(), populations.end(), units.begin(),
                   [](Population const &p) { return shareUnits(p.share); });
    std::uint64_t const total = std::accumulate(units.begin(), units.end(), std::uint64_t(0));
    if (total == 0) {
        counts.front() = number;
        return counts;
    }
    // number < 2^32 and each unit count at most 1e15: the products fit 128 bits.
    std::vector<std::uint64_t> remainders(n);
    std::uint64_t given = 0;
    for (std::size_t i = 0; i < n; ++i) {
        WideInteger::U128 const product = WideInteger::U128(number) * units[i];
        counts[i] = static_cast<std::uint32_t>(product / total);
        remainders[i] = static_cast<std::uint64_t>(product % total);
        given += counts[i];
    }
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return remainders[a] > remainders[b];
    });
    for (std::size_t k = 0; given < number; ++k, ++given)
        ++counts[order[k % n]];
    return counts;
}
