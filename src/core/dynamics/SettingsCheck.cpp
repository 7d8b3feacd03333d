// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsCheck.h"

#include "CatalogueText.h"
#include "FamilyKicks.h"
#include "Kepler.h"
#include "PlanetZones.h"
#include "Resonance.h"
#include "SettingsTable.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using P = SettingsProblem;

// Characters that a quoted name in the catalogue cannot carry: a double quote
// would end it early, a backslash would start an escape in the reader, and a
// line break or any other control character would let the name spill into
// catalogue text.
void checkName(std::vector<SettingsProblem> &problems, std::string_view setting,
               std::string const &text, int population = -1)
{
    bool quote = false, backslash = false, control = false;
    for (unsigned char c : text) {
        quote = quote || c == '"';
        backslash = backslash || c == '\\';
        control = control || c < 0x20 || c == 0x7f;
    }
    if (quote)
        problems.push_back({setting, P::DoubleQuote, population});
    if (backslash)
        problems.push_back({setting, P::Backslash, population});
    if (control)
        problems.push_back({setting, P::ControlCharacter, population});
}

bool blank(std::string const &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); });
}

// A bound in the wrong order gives every body the first one, so the largest
// value a body can get is the larger of the two.
double largest(double low, double high)
{
    return std::max(low, high);
}

bool isKind(Population const &population, Population::Kind kind)
{
    return population.kind == kind;
}

// The file lists of the looks, where they are read: each name goes into the
// catalogue between double quotes, as the belt's name does.
void checkLooks(std::vector<SettingsProblem> &problems, Settings const &s)
{
    for (std::size_t i = 0; i < s.populations.size(); ++i) {
        Looks const &looks = s.populations[i].looks;
        auto const check = [&](std::string_view key, std::string const &text) {
            std::vector<WeightedName> names;
            ListProblem const read = readWeightedNames(text, names);
            if (read == ListProblem::Empty || read == ListProblem::BadWeight)
                problems.push_back({key, P::BadFileList, int(i)});
            else
                checkName(problems, key, text, int(i));
        };
        if (looks.shapes == Looks::Shapes::Meshes)
            check("meshes", looks.meshes);
        check("textures", looks.textures);
    }
}

// The planet's parts once its numbers are finite; positive ones are judged
// with the table's rows.
void checkPlanet(std::vector<SettingsProblem> &problems, Settings const &s,
                 PlanetZones const &zones)
{
    double const central = centralMassOf(s);
    double const planetMass = planetMassInSolarMasses(s);
    if (planetMass > 0 && central > 0 && !(planetMass < central))
        problems.push_back({"planet-mass", P::PlanetTooHeavy});
    if (s.resonanceGaps && !parseResonances(s.gapResonances))
        problems.push_back({"gap-resonances", P::NoSuchResonance});
    for (std::size_t i = 0; i < s.populations.size(); ++i) {
        if (isKind(s.populations[i], Population::Kind::ResonantFamily) &&
            !parseResonance(s.populations[i].familyResonance))
            problems.push_back({"family-resonance", P::NoSuchResonance, int(i)});
        if (isKind(s.populations[i], Population::Kind::Resonant) &&
            !parseResonance(s.populations[i].resonance))
            problems.push_back({"resonance", P::NoSuchResonance, int(i)});
    }
    if (!problems.empty() || !(s.planetSemiMajorAxis > 0) || !(planetMass > 0) ||
        !(central > 0))
        return;
    // Bodies that fall in a zone are drawn again, so each population needs
    // room outside the zones: a family beside the cleared orbit, a background
    // population between the gaps.
    for (std::size_t i = 0; i < s.populations.size(); ++i) {
        Population const &population = s.populations[i];
        PopulationZone const &zone = zones.populations[i];
        int const at = int(i);
        // A Trojan lies within a_p k of the planet's orbit, a family body
        // within its zone's half-width of the zone's center: the nearest one
        // at 0 or below is no orbit.
        if (isKind(population, Population::Kind::Trojans) &&
            !(zone.trojanAxisScale < zones.planetAxis))
            problems.push_back({"libration-amplitude", P::ReachesCenter, at});
        if (zone.hasFamily && !(zone.family.halfWidth < zone.family.center))
            problems.push_back({"family-resonance", P::ReachesCenter, at});
        else if (zone.hasFamily && zones.clears(PlanetZones::familyAxis(zone.family, 0)) &&
                 zones.clears(PlanetZones::familyAxis(zone.family, 1)))
            problems.push_back({"family-resonance", P::NoRoomLeft, at});
        // A resonant body lies within w(e) of a_res, widest at the largest e.
        if (zone.hasResonance &&
            !(PlanetZones::resonantWidth(zone, largest(population.minEccentricity,
                                                       population.maxEccentricity)) <
              zone.resonance.center))
            problems.push_back({"resonance", P::ReachesCenter, at});
        // Reversed bounds put every body at the inner radius; a population
        // without bodies needs no room.
        if (isKind(population, Population::Kind::Background) && shareUnits(population.share) > 0 &&
            zones.roomLeft(population.innerRadius,
                           std::max(population.innerRadius, population.outerRadius)) <= 0)
            problems.push_back({"inner", P::NoRoomLeft, at});
    }
}

// The widest orbit a population's bodies can get, for the periods.
double widestOrbit(Settings const &s, PlanetZones const &zones, std::size_t i)
{
    Population const &population = s.populations[i];
    if (isKind(population, Population::Kind::CollisionalFamily))
        return FamilyKicks(population, centralMassOf(s)).widestAxis();
    if (isKind(population, Population::Kind::ScatteredDisc))
        return largest(population.innerRadius, population.outerRadius);
    if (!s.planet || isKind(population, Population::Kind::Background))
        return largest(population.innerRadius, population.outerRadius);
    PopulationZone const &zone = zones.populations[i];
    if (isKind(population, Population::Kind::Trojans))
        return zones.planetAxis + zone.trojanAxisScale;
    if (isKind(population, Population::Kind::Resonant))
        return zone.resonance.center +
               PlanetZones::resonantWidth(zone, largest(population.minEccentricity,
                                                        population.maxEccentricity));
    return zone.family.center + zone.family.halfWidth;
}

void checkPopulations(std::vector<SettingsProblem> &problems, Settings const &s)
{
    if (s.populations.empty() || s.populations.size() > largestPopulationCount) {
        problems.push_back({"kind", P::TooManyPopulations});
        return;
    }
    std::uint64_t units = 0;
    for (Population const &population : s.populations)
        units += shareUnits(population.share);
    if (units != wholeShareUnits)
        problems.push_back({"share", P::SharesNotWhole, -1, double(units) / 100});
    for (std::size_t i = 0; i < s.populations.size(); ++i) {
        if (!s.planet && populationKind(s.populations[i].kind).needsPlanet)
            problems.push_back({"kind", P::NeedsPlanet, int(i)});
    }
}

} // namespace

std::vector<SettingsProblem> checkSettings(Settings const &settings)
{
    return checkSettings(settings, PlanetZones(settings));
}

std::vector<SettingsProblem> checkSettings(Settings const &settings, PlanetZones const &zones)
{
    std::vector<SettingsProblem> problems;
    checkName(problems, "name", settings.beltName);
    if (blank(settings.beltCenter))
        problems.push_back({"center", P::EmptyCenter});
    checkName(problems, "center", settings.beltCenter);
    checkPopulations(problems, settings);
    if (settings.populations.empty() || settings.populations.size() > largestPopulationCount)
        return problems;

    if (settings.barycenter && !(std::isfinite(settings.totalMass) && settings.totalMass > 0))
        problems.push_back({"total-mass", P::NoPositiveMass});

    // Every number of the table, of the belt and of each population; the
    // total mass is judged above, and only around a barycenter. A number
    // counts only where it is used: its distribution chosen, its kind's.
    EnteredSettings entered{settings, Settings::SolarMasses};
    bool allFinite = true;
    for (SettingRow const &row : settingsTable()) {
        if (row.kind != SettingRow::Number || row.key == "total-mass")
            continue;
        std::size_t const count = row.level == SettingRow::OfPopulation ? settings.populations.size() : 1;
        for (std::size_t i = 0; i < count; ++i) {
            if (!row.isEnabled(settings, i))
                continue;
            int const at = row.level == SettingRow::OfPopulation ? int(i) : -1;
            double const value = row.number(entered, i);
            if (!std::isfinite(value)) {
                problems.push_back({row.key, P::NotFinite, at});
                allFinite = false;
            } else if (row.positive && !(value > 0)) {
                problems.push_back({row.key, P::NotPositive, at});
            }
        }
    }
    if (!allFinite)
        return problems;

    for (std::size_t i = 0; i < settings.populations.size(); ++i) {
        Population const &p = settings.populations[i];
        bool const powerLaw = p.radiusDistribution == Population::RadiusDistribution::PowerLaw;
        bool const disc = (kindUses(p.kind, "semi-major-axis-distribution") &&
                           p.semiMajorAxisDistribution ==
                               Population::SemiMajorAxisDistribution::SurfaceDensity) ||
                          isKind(p, Population::Kind::ScatteredDisc);
        // N(>R) ~ R^-q and a disc holding ~ r^(1-p) dr with p >= 2 have no
        // finite count down to 0.
        if (powerLaw && !(p.minRadius > 0))
            problems.push_back({"min-radius", P::ZeroLowerBound, int(i)});
        if (disc && p.surfaceDensitySlope >= 2 && !(p.innerRadius > 0))
            problems.push_back({"inner", P::ZeroLowerBound, int(i)});
        // e = 1 - q / a: a perihelion beyond the smallest semi-major axis,
        // the inner radius whatever the bounds' order, is no orbit.
        if (isKind(p, Population::Kind::ScatteredDisc) &&
            largest(p.minPerihelion, p.maxPerihelion) > p.innerRadius)
            problems.push_back({"max-perihelion", P::PerihelionBeyondAxis, int(i)});
        double const central = centralMassOf(settings);
        if (isKind(p, Population::Kind::CollisionalFamily) && central > 0 &&
            p.parentSemiMajorAxis > 0 && !FamilyKicks(p, central).staysBound())
            problems.push_back({"ejection-velocity", P::ReachesCenter, int(i)});
    }

    if (settings.planet)
        checkPlanet(problems, settings, zones);
    checkLooks(problems, settings);

    // The period and the mass grow with the semi-major axis and the radius, so
    // the largest ones decide. A body's density is far below 1 Earth mass per
    // cubic kilometre, so a finite mass at density 1 is finite at any.
    bool const massGiven = std::isfinite(settings.totalMass) && settings.totalMass > 0;
    for (std::size_t i = 0; i < settings.populations.size(); ++i) {
        Population const &p = settings.populations[i];
        if (settings.barycenter && massGiven &&
            !std::isfinite(Kepler::orbitalPeriod(widestOrbit(settings, zones, i),
                                                 settings.totalMass)))
            problems.push_back({"total-mass", P::PeriodOverflow, int(i)});
        if (!std::isfinite(CatalogueText::bodyMass(largest(p.minRadius, p.maxRadius), 1.0)))
            problems.push_back({"max-radius", P::MassOverflow, int(i)});
    }
    return problems;
}

std::vector<SettingsWarning> checkWarnings(Settings const &settings)
{
    std::vector<SettingsWarning> warnings;
    for (std::size_t i = 0; i < settings.populations.size(); ++i) {
        Population const &s = settings.populations[i];
        int const at = int(i);
        struct Pair {
            std::string_view lowerField, upperField;
            double lower, upper;
        };
        Pair const pairs[] = {
            {"inner", "outer", s.innerRadius, s.outerRadius},
            {"min-radius", "max-radius", s.minRadius, s.maxRadius},
            {"min-eccentricity", "max-eccentricity", s.minEccentricity, s.maxEccentricity},
        };
        // The generator clamps to the upper bound first, then to the lower one.
        for (Pair const &pair : pairs) {
            if (pair.lower > pair.upper && kindUses(s.kind, pair.lowerField))
                warnings.push_back({SettingsWarning::ReversedBounds, pair.lowerField,
                                    pair.upperField, pair.lower, pair.upper, at});
        }
        if (!kindUses(s.kind, "max-eccentricity"))
            continue;
        if (s.minEccentricity >= 1)
            warnings.push_back({SettingsWarning::AllOrbitsOpen, "min-eccentricity",
                                "min-eccentricity", s.minEccentricity, s.minEccentricity, at});
        else if (s.maxEccentricity >= 1)
            warnings.push_back({SettingsWarning::SomeOrbitsOpen, "max-eccentricity",
                                "max-eccentricity", s.maxEccentricity, s.maxEccentricity, at});
    }
    return warnings;
}
