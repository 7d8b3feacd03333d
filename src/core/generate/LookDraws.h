// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BodyLook.h"
#include "Looks.h"
#include "Sampler.h"

#include <array>
#include <memory>
#include <vector>

// The engine outputs of a body's looks, drawn after all its other draws.
struct LookDrawn {
    double classFraction = 0;
    Sampler::ElementDraw albedo;
    Sampler::ElementDraw elongation, flattening; // b/a and c/b
    double meshFraction = 0, textureFraction = 0;
    double spinBranch = 0, spinFraction = 0;
    Sampler::ElementDraw spinNormal;
    double axisCos = 0, axisB = 0, axisC = 0, node = 0, phase = 0;
};

// What a body's looks make of its draws besides the look itself: values that
// replace those of the belt's own draws where a look is on.
struct LookedValues {
    double density;        // Earth masses per km^3
    double rotationPeriod; // hours
    double obliquity;      // degrees
};

// One population's looks as a run draws them.
class LookPlan {
public:
    explicit LookPlan(Looks const &looks);

    bool on() const { return active; }
    // Appends the look's draws; binary bodies draw no shape and no spin.
    void draw(Sampler &sampler, bool binary, LookDrawn &drawn) const;
    // The look of a body of radius (km) at semi-major axis (AU); values holds
    // the belt's own draws and takes the looks' where they are on.
    void make(LookDrawn const &drawn, double radius, double axis, bool binary, BodyLook &look,
              LookedValues &values) const;

private:
    bool active;
    Looks::Composition composition;
    bool ellipsoids, meshes, textures, bySize;
    Looks::SpinAxes axes;
    std::shared_ptr<LookFiles const> files;
    std::vector<double> meshWeights, textureWeights; // running sums
};

// The single draws, as the plan makes them; each takes what it needs.
namespace LookModels {

// The class whose running share first exceeds u times the total: weights in
// class order, zero weights never chosen. -1 without any weight.
int surfaceClass(std::array<double, 16> const &weights, double u);
// The index of a running sum of weights that u falls in, as surfaceClass.
std::size_t weighted(std::vector<double> const &runningSums, double u);
// Log-normal: exp of a bell over ln(median) +- 3 sigma.
double albedo(SurfaceClass const &surface, Sampler::ElementDraw draw);
// The factors [x y z] of a volume-equivalent radius: the product is 1, z the
// spin axis, x the longest.
std::array<double, 3> semiAxes(double radius, Sampler::ElementDraw elongation,
                               Sampler::ElementDraw flattening);
// Hours, from the body's radius.
double rotationPeriod(double radius, double branch, double fraction,
                      Sampler::ElementDraw normal);
// The cosine of the obliquity: isotropic, or, for small bodies, towards the
// poles.
double axisCosine(Looks::SpinAxes axes, double radius, double cosine, double b, double c);
double obliquity(double cosine);

// The spin barrier in hours and the radius (km) from which it holds.
inline constexpr double spinBarrier = 2.2;
inline constexpr double barrierRadius = 0.15;
// From this radius (km) up nearly round.
inline constexpr double roundRadius = 200;

} // namespace LookModels
