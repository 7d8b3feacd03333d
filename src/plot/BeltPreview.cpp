// SPDX-License-Identifier: GPL-3.0-or-later
#include "BeltPreview.h"

#include "BinaryAsteroid.h"
#include "BodyLook.h"
#include "Generator.h"
#include "PlanetZones.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>

namespace {

constexpr double radiansPerDegree = 3.14159265358979323846 / 180;

// What a body's looks give it, if it has any.
BodyLook const *lookOf(BaseAsteroid const &body)
{
    if (auto const *single = dynamic_cast<LookedAsteroid const *>(&body))
        return &single->look;
    if (auto const *pair = dynamic_cast<LookedBinaryAsteroid const *>(&body))
        return &pair->look;
    return nullptr;
}

// The values one body shows in the panels.
struct Shown {
    BeltPreview::Position position;
    double a, e, i;
    double albedo; // NaN without one
    int surfaceClass; // -1 without a surface
    bool binary;
    bool finite;
};

Shown shownOf(BaseAsteroid const &body)
{
    Shown shown;
    BodyLook const *look = lookOf(body);
    shown.albedo = look ? look->albedo : std::numeric_limits<double>::quiet_NaN();
    shown.surfaceClass = look && look->color ? look->surfaceClass : -1;
    shown.position = BeltPreview::positionAtEpoch(body.orbit);
    shown.a = body.orbit.semiMajorAxis;
    shown.e = body.orbit.eccentricity;
    shown.i = body.orbit.inclination;
    shown.binary = dynamic_cast<BinaryAsteroid const *>(&body) != nullptr;
    shown.finite = std::isfinite(shown.position.x) && std::isfinite(shown.position.y) &&
                   std::isfinite(shown.position.z) && std::isfinite(shown.a) &&
                   std::isfinite(shown.e) && std::isfinite(shown.i);
    return shown;
}

struct Extent {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void take(double value)
    {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    BeltPreview::Axis axis() const
    {
        return low <= high ? BeltPreview::roundAxis(low, high) : BeltPreview::roundAxis(0, 1);
    }
};

// 10^e from IEEE operations alone, exact up to 10^22 either way: the C
// library's pow differs from system to system in the last bits (MinGW-w64's
// pow(10, -3) is 0.0010000000000000002), which moved an axis by a tick.
double powerOfTen(int e)
{
    double power = 1;
    for (int k = 0; k < std::abs(e); ++k)
        power *= 10;
    return e < 0 ? 1 / power : power;
}

// The largest power of ten not above x > 0; log10 only guesses its exponent.
double powerOfTenBelow(double x)
{
    int e = static_cast<int>(std::floor(std::log10(x)));
    while (powerOfTen(e) > x)
        --e;
    while (powerOfTen(e + 1) <= x)
        ++e;
    return powerOfTen(e);
}

// E - e sin E = M by Newton's method from E = M + e sin M, for 0 <= e < 1
// and M in radians within half a turn of 0; near e = 1 and M = 0, where the
// first steps overshoot, it starts from pi instead and converges all the same.
double eccentricAnomaly(double m, double e)
{
    double E = e < 0.8 ? m + e * std::sin(m) : (m < 0 ? -3.14159265358979323846
                                                      : 3.14159265358979323846);
    for (int step = 0; step < 50; ++step) {
        double const change = (E - e * std::sin(E) - m) / (1 - e * std::cos(E));
        E -= change;
        if (std::fabs(change) < 1e-12)
            break;
    }
    return E;
}

bool outside(double value, BeltPreview::Axis const &axis)
{
    return value < axis.low || value > axis.high;
}

int cellOf(double value, BeltPreview::Axis const &axis, int size)
{
    double const at = (value - axis.low) / (axis.high - axis.low) * size;
    return std::clamp(static_cast<int>(at), 0, size - 1);
}

std::vector<std::string> namesOf(Settings const &settings)
{
    std::vector<std::string> names;
    for (Population const &population : settings.populations)
        names.push_back(population.name);
    if (names.empty())
        names.emplace_back();
    return names;
}

// A scattered disc does not set the views of space when the belt has another
// population.
std::vector<bool> fittedTo(Settings const &settings)
{
    std::vector<bool> fitted;
    for (Population const &population : settings.populations)
        fitted.push_back(population.kind != Population::Kind::ScatteredDisc);
    if (std::find(fitted.begin(), fitted.end(), true) == fitted.end())
        fitted.assign(fitted.size(), true);
    if (fitted.empty())
        fitted.push_back(true);
    return fitted;
}

// The population of each of the first shown bodies: those of each population
// follow those of the one before.
// Of a belt whose populations have these counts, the first bodies of each
// population in proportion to its count, shown in all (largest remainders);
// each body's population beside it.
struct Sample {
    std::vector<BaseAsteroid const *> bodies;
    std::vector<std::uint8_t> owners;
};
Sample sampleOf(std::vector<std::unique_ptr<BaseAsteroid>> const &whole,
              std::vector<std::uint32_t> const &counts, std::size_t shown)
{
    std::uint64_t total = 0;
    for (std::uint32_t count : counts)
        total += count;
    std::vector<std::size_t> taken(counts.size(), 0);
    std::vector<std::uint64_t> remainders(counts.size(), 0);
    std::size_t given = 0;
    for (std::size_t p = 0; p < counts.size() && total > 0; ++p) {
        taken[p] = std::size_t(shown * std::uint64_t(counts[p]) / total);
        remainders[p] = shown * std::uint64_t(counts[p]) % total;
        given += taken[p];
    }
    while (given < shown && total > 0) {
        auto const most = std::max_element(remainders.begin(), remainders.end());
        ++taken[std::size_t(most - remainders.begin())], ++given;
        *most = 0;
    }
    Sample result;
    result.bodies.reserve(shown);
    result.owners.reserve(shown);
    std::size_t first = 0;
    for (std::size_t p = 0; p < counts.size(); ++p) {
        for (std::size_t k = 0; k < taken[p] && first + k < whole.size(); ++k) {
            result.bodies.push_back(whole[first + k].get());
            result.owners.push_back(std::uint8_t(p));
        }
        first += counts[p];
    }
    // Bodies beyond the counts (none in a belt the generator made) as the first.
    for (std::size_t k = result.bodies.size(); k < shown && k < whole.size(); ++k) {
        result.bodies.push_back(whole[k].get());
        result.owners.push_back(0);
    }
    return result;
}

// N(>=R) from radii sorted from the largest down: one step per body down to
// 100 bodies, then one per 0.005 in the count's logarithm.
std::vector<BeltPreview::Point> cumulativeSteps(std::vector<double> const &radii)
{
    std::vector<BeltPreview::Point> steps;
    double lastShown = -1;
    for (std::size_t k = 0; k < radii.size(); ++k) {
        double const count = std::log10(double(k + 1));
        if (k < 100 || k + 1 == radii.size() || count - lastShown >= 0.005) {
            steps.push_back({std::log10(radii[k]), count, false});
            lastShown = count;
        }
    }
    return steps;
}

} // namespace

BeltPreview::Position BeltPreview::positionAtEpoch(Orbit const &orbit)
{
    // A semi-major axis not above 0 is not given: such a body is shown at the
    // centre. Past e = 1 the pericenter distance is a(e - 1), never negative.
    double const a = orbit.semiMajorAxis > 0 ? orbit.semiMajorAxis : 0.0;
    double const e = orbit.eccentricity;
    // In the orbit's plane, x towards the pericenter.
    double inPlaneX = a * std::fabs(1 - e), inPlaneY = 0;
    if (e >= 0 && e < 1 && orbit.meanAnomaly != 0 && std::isfinite(orbit.meanAnomaly)) {
        double const m = std::remainder(orbit.meanAnomaly, 360.0) * radiansPerDegree;
        double const E = eccentricAnomaly(m, e);
        inPlaneX = a * (std::cos(E) - e);
        inPlaneY = a * std::sqrt((1 - e) * (1 + e)) * std::sin(E);
    }
    double const w = orbit.argOfPericenter * radiansPerDegree;
    double const i = orbit.inclination * radiansPerDegree;
    double const node = orbit.ascendingNode * radiansPerDegree;
    double const cosW = std::cos(w), sinW = std::sin(w);
    double const cosI = std::cos(i), sinI = std::sin(i);
    double const cosNode = std::cos(node), sinNode = std::sin(node);
    // The directions of the pericenter (P) and a quarter turn on from it (Q).
    Position const p{cosNode * cosW - sinNode * sinW * cosI,
                     sinNode * cosW + cosNode * sinW * cosI, sinW * sinI};
    Position const q{-cosNode * sinW - sinNode * cosW * cosI,
                     -sinNode * sinW + cosNode * cosW * cosI, cosW * sinI};
    return {inPlaneX * p.x + inPlaneY * q.x, inPlaneX * p.y + inPlaneY * q.y,
            inPlaneX * p.z + inPlaneY * q.z};
}

std::optional<BeltPreview::PlanetMarks> BeltPreview::planetMarks(Settings const &settings,
                                                                 PlanetZones const &zones)
{
    if (!settings.planet)
        return std::nullopt;
    PlanetMarks marks;
    marks.orbitRadius = zones.planetAxis;
    marks.longitude = zones.planetLongitude;
    auto const at = [&](double degrees) {
        double const angle = degrees * radiansPerDegree;
        return Position{zones.planetAxis * std::cos(angle), zones.planetAxis * std::sin(angle), 0};
    };
    marks.planet = at(zones.planetLongitude);
    marks.l3 = at(zones.planetLongitude + 180);
    marks.l4 = at(zones.planetLongitude + 60);
    marks.l5 = at(zones.planetLongitude - 60);
    auto const mark = [](ResonanceMark::Kind kind, ResonanceZone const &zone, std::string label) {
        return ResonanceMark{kind, zone.center, zone.center - zone.halfWidth,
                             zone.center + zone.halfWidth, std::move(label)};
    };
    // A gap at each body's own e is marked as wide as it clears the most
    // eccentric bodies, as a resonant population is.
    for (ResonanceZone gap : zones.gaps) {
        if (zones.ownWidth)
            gap.halfWidth = PlanetZones::gapHalfWidth(gap, zones.largestE);
        marks.resonances.push_back(mark(ResonanceMark::Gap, gap, gap.resonance.text()));
    }
    for (std::size_t i = 0; i < zones.populations.size(); ++i) {
        PopulationZone const &zone = zones.populations[i];
        if (zone.hasFamily)
            marks.resonances.push_back(
                mark(ResonanceMark::Family, zone.family, zone.family.resonance.text()));
        // A resonant population spans its resonance's width at its largest e.
        if (zone.hasResonance && i < settings.populations.size()) {
            ResonanceZone spread = zone.resonance;
            spread.halfWidth =
                PlanetZones::resonantWidth(zone, settings.populations[i].maxEccentricity);
            if (spread.halfWidth > 0)
                marks.resonances.push_back(
                    mark(ResonanceMark::Family, spread, spread.resonance.text()));
        }
    }
    if (zones.hasChaoticZone)
        marks.resonances.push_back(mark(ResonanceMark::ChaoticZone, zones.chaoticZone, {}));
    std::stable_sort(marks.resonances.begin(), marks.resonances.end(),
                     [](ResonanceMark const &a, ResonanceMark const &b) {
                         return a.centre < b.centre;
                     });
    return marks;
}

BeltPreview::PlanetMarks BeltPreview::turned(PlanetMarks marks)
{
    double const r = marks.orbitRadius;
    double const half = std::sqrt(3.0) / 2;
    marks.planet = {r, 0, 0};
    marks.l3 = {-r, 0, 0};
    marks.l4 = {r / 2, r * half, 0};
    marks.l5 = {r / 2, -r * half, 0};
    marks.longitude = 0;
    return marks;
}

BeltPreview::Axis BeltPreview::roundAxis(double low, double high)
{
    // Far enough from the ends of the doubles that steps, ticks and their
    // quotients stay normal finite numbers: a range of subnormals would make
    // the step 0, a range near the largest doubles make it infinite.
    constexpr double largest = 1e300, narrowest = 1e-290;
    if (!std::isfinite(low) || !std::isfinite(high) || low > high) {
        low = 0;
        high = 1;
    }
    low = std::clamp(low, -largest, largest);
    high = std::clamp(high, -largest, largest);
    if (high - low <= 1e-9 * std::max(std::fabs(low), std::fabs(high))) {
        double const room = low == 0 ? 1 : std::fabs(low) * 0.1;
        low -= room;
        high += room;
    }
    if (high - low < narrowest) {
        double const middle = low / 2 + high / 2;
        low = middle - narrowest / 2;
        high = middle + narrowest / 2;
    }
    double const rough = (high - low) / 5;
    double const magnitude = powerOfTenBelow(rough);
    double const fraction = rough / magnitude;
    double const step = (fraction <= 1   ? 1
                         : fraction <= 2 ? 2
                         : fraction <= 5 ? 5
                                         : 10) *
                        magnitude;
    double const first = std::floor(low / step);
    double const last = std::ceil(high / step);

    Axis axis;
    axis.low = first * step;
    axis.high = last * step;
    axis.step = step;
    // About six ticks; the bound only guards against a range the widening
    // above did not foresee.
    for (double k = first; k <= last && axis.ticks.size() < 100; ++k)
        axis.ticks.push_back(k * step);
    return axis;
}

BeltPreview::Axis BeltPreview::viewAxis(double low, double high)
{
    Axis axis = roundAxis(low, high);
    // A range too narrow or not finite keeps the round axis's room around it.
    if (!std::isfinite(low) || !std::isfinite(high) || !(high - low > axis.step * 1e-6) ||
        low < axis.low || high > axis.high)
        return axis;
    axis.low = low;
    axis.high = high;
    axis.ticks.clear();
    for (double k = std::ceil(low / axis.step); k * axis.step <= high && axis.ticks.size() < 100;
         ++k)
        axis.ticks.push_back(k * axis.step);
    return axis;
}

BeltPreview::Axis BeltPreview::decadeAxis(double low, double high)
{
    if (!std::isfinite(low) || !std::isfinite(high) || low > high) {
        low = 0;
        high = 1;
    }
    Axis axis;
    axis.low = std::floor(low);
    axis.high = std::max(std::ceil(high), axis.low + 1);
    double const decades = axis.high - axis.low;
    axis.step = decades > 12 ? 5 : decades > 6 ? 2 : 1;
    for (double k = std::ceil(axis.low / axis.step) * axis.step; k <= axis.high; k += axis.step)
        axis.ticks.push_back(k);
    return axis;
}

BeltPreview::BeltPreview(std::vector<std::unique_ptr<BaseAsteroid>> const &belt,
                         std::size_t markerLimit, int gridSize)
    : BeltPreview(belt, belt.size(), std::nullopt, {std::string()},
                  {std::uint32_t(belt.size())}, {true}, markerLimit, gridSize)
{
}

BeltPreview::BeltPreview(Generator const &generator, std::size_t markerLimit, int gridSize)
    : BeltPreview(generator.bodies(), std::min<std::size_t>(generator.bodies().size(), sampleLimit),
                  planetMarks(generator.belt(), generator.planetZones()), namesOf(generator.belt()),
                  populationCounts(std::uint32_t(generator.bodies().size()),
                                   generator.belt().populations),
                  fittedTo(generator.belt()), markerLimit, gridSize)
{
}

BeltPreview::BeltPreview(std::vector<std::unique_ptr<BaseAsteroid>> const &whole,
                         std::size_t shown, std::optional<PlanetMarks> planet,
                         std::vector<std::string> names, std::vector<std::uint32_t> const &counts,
                         std::vector<bool> const &fitted, std::size_t markerLimit, int gridSize)
    : bodies(shown)
    , beltBodies(whole.size())
    , isDense(shown > markerLimit)
    , planetShown(std::move(planet))
    , populationNames(std::move(names))
{
    // A large belt shows each of its populations in its share.
    auto const [belt, owners] = sampleOf(whole, counts, shown);
    std::size_t const split = populationNames.size() > 1 ? populationNames.size() : 0;
    // First the extents, then the markers or the cells: the trigonometry is
    // cheaper to do twice than a million positions are to keep.
    double reach = 0; // largest distance from the centre along any axis
    double fittedReach = 0; // the same of the populations the views are fitted to
    bool anyFitted = false;
    Extent a, e, i, albedo;
    std::map<int, std::array<double, 3>> colours; // of each surface class shown
    std::size_t n = 0;
    for (auto const &body : belt) {
        bool const fits = fitted[owners[n++]];
        Shown const shown = shownOf(*body);
        binaries += shown.binary;
        if (shown.surfaceClass >= 0)
            colours.emplace(shown.surfaceClass, *lookOf(*body)->color);
        if (!shown.finite)
            continue;
        double const far = std::max({std::fabs(shown.position.x), std::fabs(shown.position.y),
                                     std::fabs(shown.position.z)});
        reach = std::max(reach, far);
        if (fits)
            fittedReach = std::max(fittedReach, far), anyFitted = true;
        a.take(shown.a);
        e.take(shown.e);
        i.take(shown.i);
        if (std::isfinite(shown.albedo))
            albedo.take(shown.albedo);
    }
    // A point's surface is its class's place in this list, counted from 1.
    std::map<int, std::uint8_t> surfaceOf;
    for (auto const &[surface, colour] : colours) {
        if (surfaceColours.size() == 255)
            break;
        std::size_t const known = surfaceClasses().size();
        surfaceColours.push_back(
            {colour, std::size_t(surface) < known ? std::string(surfaceClasses()[std::size_t(surface)].name)
                                                  : std::string()});
        surfaceOf[surface] = std::uint8_t(surfaceColours.size());
    }
    // Both views of space share one scale, the same on both axes, so that the
    // belt keeps its shape; it holds the planet's orbit too. A scattered disc
    // reaches hundreds of AU, where the rest of the belt would shrink to a
    // dot: the views hold the other populations, the disc's inner part with
    // them, and the panels of semi-major axes the whole disc.
    if (anyFitted)
        reach = fittedReach;
    // With room around the planet's orbit for the names of L4 and L5.
    if (planetShown && std::isfinite(planetShown->orbitRadius))
        reach = std::max(reach, planetShown->orbitRadius * 1.15);
    // Fitted to them with a little room, not widened to round ticks, which
    // could double the view.
    Axis const space = reach > 0 ? viewAxis(-reach * 1.04, reach * 1.04) : roundAxis(0, 0);
    panels[TopView].x = panels[TopView].y = space;
    panels[EdgeOn].x = panels[EdgeOn].y = space;
    panels[RotatingView].x = panels[RotatingView].y = space;
    panels[AxisEccentricity].x = panels[AxisInclination].x = panels[AxisAlbedo].x = a.axis();
    panels[AxisEccentricity].y = e.axis();
    panels[AxisInclination].y = i.axis();
    // Albedos from 0, where the darkest bodies crowd.
    panels[AxisAlbedo].y = roundAxis(0, albedo.low <= albedo.high ? albedo.high : 1);
    // Turned back by the planet's longitude: cosine and sine once, the rest
    // IEEE operations alone.
    double const turn =
        planetShown ? -planetShown->longitude * radiansPerDegree : 0.0;
    double const cosTurn = std::cos(turn), sinTurn = std::sin(turn);

    bool const keep = !isDense || belt.size() <= keptLimit;
    for (std::size_t p = 0; p < allPanels; ++p) {
        PanelData &panel = panels[p];
        if (!shows(Panel(p)))
            continue;
        if (isDense) {
            panel.grid.size = gridSize;
            panel.grid.singles.assign(std::size_t(gridSize) * std::size_t(gridSize), 0);
            panel.grid.binaries = panel.grid.singles;
            panel.grid.populations.assign(split * panel.grid.singles.size(), 0);
            panel.grid.surfaces.assign(surfaceColours.empty() ? 0 : 4 * panel.grid.singles.size(), 0);
        }
        if (keep)
            panel.points.reserve(belt.size());
    }
    std::size_t k = 0;
    for (auto const &body : belt) {
        Shown const shown = shownOf(*body);
        std::uint8_t const owner = owners[k++];
        if (!shown.finite)
            continue;
        bool const beyond = std::max({std::fabs(shown.position.x), std::fabs(shown.position.y),
                                      std::fabs(shown.position.z)}) > space.high;
        beyondViews += beyond;
        std::uint8_t const surface = shown.surfaceClass >= 0 ? surfaceOf[shown.surfaceClass] : 0;
        double const x = shown.position.x, y = shown.position.y;
        Point const points[allPanels] = {
            {x, y, shown.binary, owner, surface},
            {x, shown.position.z, shown.binary, owner, surface},
            {shown.a, shown.e, shown.binary, owner, surface},
            {shown.a, shown.i, shown.binary, owner, surface},
            {x * cosTurn - y * sinTurn, x * sinTurn + y * cosTurn, shown.binary, owner, surface},
            {shown.a, shown.albedo, shown.binary, owner, surface}};
        for (std::size_t p = 0; p < allPanels; ++p) {
            PanelData &panel = panels[p];
            if (!shows(Panel(p)) || (p == AxisAlbedo && !std::isfinite(shown.albedo)))
                continue;
            // Not piled up on a view's edge: beyond it, or turned off its corner.
            bool const inSpace = p == TopView || p == EdgeOn || p == RotatingView;
            if (inSpace && (outside(points[p].x, panel.x) || outside(points[p].y, panel.y)))
                continue;
            if (keep)
                panel.points.push_back(points[p]);
            if (!isDense)
                continue;
            std::size_t const cell =
                std::size_t(cellOf(points[p].y, panel.y, gridSize)) * std::size_t(gridSize) +
                std::size_t(cellOf(points[p].x, panel.x, gridSize));
            ++(shown.binary ? panel.grid.binaries : panel.grid.singles)[cell];
            if (split)
                ++panel.grid.populations[owner * panel.grid.singles.size() + cell];
            if (surface) {
                for (std::size_t c = 0; c < 3; ++c)
                    panel.grid.surfaces[4 * cell + c] +=
                        float(surfaceColours[surface - 1u].colour[c]);
                panel.grid.surfaces[4 * cell + 3] += 1;
            }
        }
    }

    histogram.x = panels[AxisEccentricity].x;
    histogram.singles.assign(histogramBins, 0);
    histogram.binaries.assign(histogramBins, 0);
    histogram.populations.assign(split * histogramBins, 0);
    std::vector<double> radii;
    radii.reserve(belt.size());
    std::vector<std::vector<double>> radiiOf(split);
    k = 0;
    for (auto const &body : belt) {
        std::uint8_t const owner = owners[k++];
        double const axis = body->orbit.semiMajorAxis;
        if (std::isfinite(axis)) {
            bool const binary = dynamic_cast<BinaryAsteroid const *>(body) != nullptr;
            std::size_t const bin = std::size_t(cellOf(axis, histogram.x, histogramBins));
            ++(binary ? histogram.binaries : histogram.singles)[bin];
            if (split)
                ++histogram.populations[owner * std::size_t(histogramBins) + bin];
        }
        if (body->radius > 0 && std::isfinite(body->radius)) {
            radii.push_back(body->radius);
            if (split)
                radiiOf[owner].push_back(body->radius);
        }
    }
    std::uint32_t fullest = 0;
    for (int bin = 0; bin < histogramBins; ++bin)
        fullest = std::max(fullest, histogram.singles[std::size_t(bin)] +
                                        histogram.binaries[std::size_t(bin)]);
    histogram.y = roundAxis(0, std::max<std::uint32_t>(fullest, 1));

    std::sort(radii.begin(), radii.end(), std::greater<double>());
    sizes.steps = cumulativeSteps(radii);
    for (std::vector<double> &own : radiiOf) {
        std::sort(own.begin(), own.end(), std::greater<double>());
        sizes.populationSteps.push_back(cumulativeSteps(own));
    }
    sizes.x = radii.empty() ? decadeAxis(0, 1)
                            : decadeAxis(std::log10(radii.back()), std::log10(radii.front()));
    sizes.y = decadeAxis(0, radii.empty() ? 1 : std::log10(double(radii.size())));
}

std::optional<BeltPreview> BeltPreview::ofBelt(Settings const &settings, std::uint32_t seed,
                                               std::atomic<bool> const *stop)
{
    Settings sample = settings;
    sample.number = std::min(settings.number, sampleLimit);
    Generator generator(sample, seed);
    std::atomic<int> progress{0};
    generator.generate(progress, stop);
    if (stop && stop->load())
        return std::nullopt;
    BeltPreview preview(generator);
    preview.beltBodies =
        std::max<std::size_t>(preview.bodies, std::min(settings.number, Generator::numberCap));
    return preview;
}
