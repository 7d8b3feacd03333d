// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the bodies of a population look in the simulation program: their
// surface (class, albedo, colour), shape and spin. Everything off by default,
// and then a catalogue is exactly what it was without looks.
struct Looks {
    // A mix of surface classes, fixed or varying with the semi-major axis.
    enum class Composition : std::int32_t {
        None,
        MainBelt,      // the zones of the main belt, stony inside, dark outside
        TrojansHildas, // dark D and P (our X) types
        KuiperCold,    // the cold classical belt: very red
        KuiperHot,     // the hot belt: neutral to red
        Comets,
    };
    enum class Shapes : std::int32_t { Off, Ellipsoids, Meshes };
    // Drawn: the rotation period of the belt's own draw.
    enum class Spins : std::int32_t { Drawn, BySize };
    // Drawn: the obliquity of the belt's own draw, no node, no phase.
    enum class SpinAxes : std::int32_t { Drawn, Isotropic, YorpClustered };

    Composition composition = Composition::None;
    Shapes shapes = Shapes::Off;
    Spins spins = Spins::Drawn;
    SpinAxes spinAxes = SpinAxes::Drawn;
    // Weighted lists of file names, "name*weight; name" (weight 1 when left
    // out): the meshes with Shapes::Meshes, the textures whenever not empty.
    std::string meshes;
    std::string textures;

    bool any() const
    {
        return composition != Composition::None || shapes != Shapes::Off ||
               spins != Spins::Drawn || spinAxes != SpinAxes::Drawn || !textures.empty();
    }
};

// A surface class: its geometric albedo's log-normal distribution, its
// colour and its bulk density. Sources in Looks.cpp.
struct SurfaceClass {
    std::string_view name;
    double albedoMedian;         // geometric albedo
    double albedoSpread;         // sigma of ln(albedo)
    std::array<double, 3> color; // r g b, the largest 1
    double density;              // g/cm^3
    double logAlbedoMedian = 0;  // ln(albedoMedian), worked out once per class
};

std::vector<SurfaceClass> const &surfaceClasses();

// The weight of each class (index into surfaceClasses()) for a body of the
// composition at semi-major axis a (AU). The weights need not add up to 1.
std::array<double, 16> const &classWeights(Looks::Composition composition, double a);

// One entry of a weighted list.
struct WeightedName {
    std::string name;
    double weight = 1;
};

// Why a weighted list cannot be used.
enum class ListProblem { None, Empty, BadWeight, Quote, LineBreak };

// Reads "name*weight; name; ...": names trimmed of spaces, a weight a finite
// number above 0. An empty text is an empty list (ListProblem::None).
ListProblem readWeightedNames(std::string_view text, std::vector<WeightedName> &names);
