// SPDX-License-Identifier: GPL-3.0-or-later
#include "Looks.h"

#include "CorrectRounding.h"
#include "FieldLimits.h"

#include <cmath>

namespace {

enum : std::size_t { S, C, X, D, V, B, K, L, BB, BR, IR, RR, Nucleus, classCount };

} // namespace

// Albedo: the median and log-spread of the geometric albedo of each class,
// read from the albedo distributions of the asteroid classes (Masiero et al.
// 2011, ApJ 741, 68; DeMeo & Carry 2013, Icarus 226, 723), of the colour
// groups of the Kuiper belt (Vilenius et al. 2014, A&A 564, A35: cold
// classicals about 0.14, the hot about 0.085; Lacerda et al. 2014, ApJL 793,
// L2: the red objects the brighter) and of comet nuclei (Lamy et al. 2004,
// Comets II, 223: about 0.04).
// Colour: the reflectance at 0.70, 0.55 and 0.45 micrometres as red, green
// and blue, over the largest of the three: for the asteroid classes from the
// class means of the visible and near-infrared taxonomy (DeMeo et al. 2009,
// Icarus 202, 160), for the Kuiper belt's groups and comet nuclei from a
// straight spectrum of the group's mean slope in % per 100 nm (BB 3, BR 12,
// IR 22, RR 35: Fulchignoni et al. 2008, The Solar System Beyond Neptune, 181;
// nuclei as BR, Jewitt 2015, AJ 150, 201).
// Each colour component to 8 bits, k/256, exact in binary and so written in
// few digits.
// Density: the classes' bulk densities (Carry 2012, PSS 73, 98); the Kuiper
// belt's small bodies about 1 g/cm^3 (Brown 2013, ApJL 778, L34) and comet
// nuclei 0.53 (67P: Paetzold et al. 2016, Nature 530, 63).
namespace {

std::array<double, 3> rgb(int r, int g, int b)
{
    return {r / 256.0, g / 256.0, b / 256.0};
}

std::vector<SurfaceClass> withLogarithms(std::vector<SurfaceClass> classes)
{
    for (SurfaceClass &surface : classes)
        surface.logAlbedoMedian = CorrectRounding::log(surface.albedoMedian);
    return classes;
}

} // namespace

std::vector<SurfaceClass> const &surfaceClasses()
{
    static std::vector<SurfaceClass> const classes = withLogarithms({
        {"S", 0.23, 0.30, rgb(256, 229, 190), 2.72},
        {"C", 0.06, 0.35, rgb(256, 251, 238), 1.33},
        {"X", 0.10, 0.55, rgb(256, 241, 225), 1.85},
        {"D", 0.05, 0.30, rgb(256, 219, 193), 1.00},
        {"V", 0.35, 0.25, rgb(256, 227, 177), 1.93},
        {"B", 0.07, 0.35, rgb(246, 253, 256), 2.38},
        {"K", 0.14, 0.30, rgb(256, 237, 201), 3.54},
        {"L", 0.16, 0.30, rgb(256, 223, 183), 3.22},
        {"BB", 0.06, 0.40, rgb(256, 245, 238), 1.0},
        {"BR", 0.08, 0.40, rgb(256, 217, 191), 1.0},
        {"IR", 0.12, 0.40, rgb(256, 193, 150), 1.0},
        {"RR", 0.15, 0.40, rgb(256, 168, 109), 1.0},
        {"nucleus", 0.04, 0.25, rgb(256, 217, 191), 0.53},
    });
    return classes;
}

namespace {

using Weights = std::array<double, 16>;

// The main belt's classes by zone, as shares of the bodies (DeMeo & Carry
// 2014, Nature 505, 629, Fig. 3 and 4, read for bodies of a few km and
// more): S-types dominate the inner belt, C-types the outer, D- and P-types
// (our X) the Cybele and Hilda region and the Trojans.
struct Zone {
    double below; // AU: the zone holds semi-major axes below this
    Weights weights;
};

constexpr Weights zoneWeights(double s, double c, double x, double d, double v, double b,
                              double k, double l)
{
    Weights w{};
    w[S] = s, w[C] = c, w[X] = x, w[D] = d, w[V] = v, w[B] = b, w[K] = k, w[L] = l;
    return w;
}

constexpr Zone mainBeltZones[] = {
    {2.5, zoneWeights(0.50, 0.14, 0.12, 0.02, 0.12, 0.03, 0.04, 0.03)},  // inner, Hungarias
    {2.82, zoneWeights(0.38, 0.27, 0.14, 0.03, 0.06, 0.04, 0.05, 0.03)}, // middle
    {2.96, zoneWeights(0.30, 0.33, 0.15, 0.05, 0.01, 0.05, 0.07, 0.04)}, // pristine
    {3.3, zoneWeights(0.17, 0.47, 0.15, 0.08, 0.01, 0.07, 0.03, 0.02)},  // outer
    {4.6, zoneWeights(0.05, 0.35, 0.25, 0.30, 0.0, 0.05, 0.0, 0.0)},     // Cybeles, Hildas
};

// Trojans and Hildas: about two thirds D-types, the rest mostly P-types
// (Emery et al. 2011, AJ 141, 25; DeMeo & Carry 2014).
constexpr Weights trojans = zoneWeights(0, 0.10, 0.25, 0.65, 0, 0, 0, 0);

Weights kuiper(double bb, double br, double ir, double rr)
{
    Weights w{};
    w[BB] = bb, w[BR] = br, w[IR] = ir, w[RR] = rr;
    return w;
}

} // namespace

std::array<double, 16> const &classWeights(Looks::Composition composition, double a)
{
    // The cold classicals are nearly all very red; the hot population spans
    // every colour group (Tegler & Romanishin 2000, Nature 407, 979;
    // Fulchignoni et al. 2008).
    static Weights const cold = kuiper(0, 0, 0.2, 0.8);
    static Weights const hot = kuiper(0.3, 0.3, 0.25, 0.15);
    static Weights const nuclei = [] {
        Weights w{};
        w[Nucleus] = 1;
        return w;
    }();
    static Weights const none{};
    switch (composition) {
    case Looks::Composition::None: return none;
    case Looks::Composition::MainBelt:
        for (Zone const &zone : mainBeltZones) {
            if (a < zone.below)
                return zone.weights;
        }
        return trojans;
    case Looks::Composition::TrojansHildas: return trojans;
    case Looks::Composition::KuiperCold: return cold;
    case Looks::Composition::KuiperHot: return hot;
    case Looks::Composition::Comets: return nuclei;
    }
    return none;
}

namespace {

std::string_view trimmed(std::string_view text)
{
    auto const space = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

ListProblem readWeightedNames(std::string_view text, std::vector<WeightedName> &names)
{
    names.clear();
    if (trimmed(text).empty())
        return ListProblem::None;
    for (;;) {
        std::size_t const end = text.find(';');
        std::string_view entry = trimmed(text.substr(0, end));
        WeightedName name;
        std::size_t const star = entry.rfind('*');
        if (star != std::string_view::npos) {
            // As the C locale writes a number, whatever the user's language.
            if (readNumberText(trimmed(entry.substr(star + 1)), name.weight) != std::errc() ||
                !std::isfinite(name.weight) || !(name.weight > 0))
                return ListProblem::BadWeight;
            entry = trimmed(entry.substr(0, star));
        }
        if (entry.find('"') != std::string_view::npos)
            return ListProblem::Quote;
        if (entry.find_first_of("\r\n") != std::string_view::npos)
            return ListProblem::LineBreak;
        if (entry.empty())
            return ListProblem::Empty;
        name.name = std::string(entry);
        names.push_back(std::move(name));
        if (end == std::string_view::npos)
            return ListProblem::None;
        text.remove_prefix(end + 1);
    }
}
