// SPDX-License-Identifier: GPL-3.0-or-later
#include "LookDraws.h"

#include "CorrectRounding.h"

#include <algorithm>
#include <cmath>

namespace {

// Running sums of the weights of a list that reads; empty otherwise (the
// settings check refuses such a list before a run).
std::vector<double> runningSums(std::string const &text, std::vector<std::string> &names)
{
    std::vector<WeightedName> list;
    std::vector<double> sums;
    if (readWeightedNames(text, list) != ListProblem::None)
        return sums;
    double sum = 0;
    for (WeightedName &each : list) {
        sum += each.weight;
        sums.push_back(sum);
        names.push_back(std::move(each.name));
    }
    return sums;
}

} // namespace

LookPlan::LookPlan(Looks const &looks)
    : active(looks.any())
    , composition(looks.composition)
    , ellipsoids(looks.shapes == Looks::Shapes::Ellipsoids)
    , bySize(looks.spins == Looks::Spins::BySize)
    , axes(looks.spinAxes)
{
    auto names = std::make_shared<LookFiles>();
    if (looks.shapes == Looks::Shapes::Meshes)
        meshWeights = runningSums(looks.meshes, names->meshes);
    textureWeights = runningSums(looks.textures, names->textures);
    meshes = !meshWeights.empty();
    textures = !textureWeights.empty();
    files = std::move(names);
}

// The looks' draws, after every other draw of the body, each only where its
// look is on:
//   composition: class (X), albedo (bell);
//   ellipsoids, single bodies: b/a (bell), c/b (bell);
//   meshes: the mesh (X); a texture list: the texture (X);
//   spins by size, single bodies: branch (X), fraction (X), a normal (bell);
//   spin axes, single bodies: cosine (X), for YORP two more (X, X), the
//   equator's node (X) and the rotation phase (X).
// X is a canonical fraction (two outputs), a bell its polar-method attempts.
void LookPlan::draw(Sampler &sampler, bool binary, LookDrawn &drawn) const
{
    if (composition != Looks::Composition::None) {
        drawn.classFraction = sampler.canonical();
        drawn.albedo = sampler.drawNormal();
    }
    if (!binary && ellipsoids) {
        drawn.elongation = sampler.drawNormal();
        drawn.flattening = sampler.drawNormal();
    }
    if (meshes)
        drawn.meshFraction = sampler.canonical();
    if (textures)
        drawn.textureFraction = sampler.canonical();
    if (!binary && bySize) {
        drawn.spinBranch = sampler.canonical();
        drawn.spinFraction = sampler.canonical();
        drawn.spinNormal = sampler.drawNormal();
    }
    if (!binary && axes != Looks::SpinAxes::Drawn) {
        drawn.axisCos = sampler.canonical();
        if (axes == Looks::SpinAxes::YorpClustered) {
            drawn.axisB = sampler.canonical();
            drawn.axisC = sampler.canonical();
        }
        drawn.node = sampler.canonical();
        drawn.phase = sampler.canonical();
    }
}

void LookPlan::make(LookDrawn const &drawn, double radius, double axis, bool binary,
                    BodyLook &look, LookedValues &values) const
{
    using namespace LookModels;
    if (composition != Looks::Composition::None) {
        int const chosen = surfaceClass(classWeights(composition, axis), drawn.classFraction);
        if (chosen >= 0) {
            SurfaceClass const &surface = surfaceClasses()[std::size_t(chosen)];
            look.surfaceClass = std::int16_t(chosen);
            look.albedo = LookModels::albedo(surface, drawn.albedo);
            look.color = &surface.color;
            values.density = surface.density;
        }
    }
    // Only a body that names a file holds the list (an atomic count each).
    if (meshes || textures)
        look.files = files;
    if (meshes)
        look.mesh = std::uint16_t(weighted(meshWeights, drawn.meshFraction));
    if (textures)
        look.texture = std::uint16_t(weighted(textureWeights, drawn.textureFraction));
    if (binary)
        return;
    if (ellipsoids)
        look.semiAxes = semiAxes(radius, drawn.elongation, drawn.flattening);
    if (bySize)
        values.rotationPeriod =
            rotationPeriod(radius, drawn.spinBranch, drawn.spinFraction, drawn.spinNormal);
    if (axes != Looks::SpinAxes::Drawn) {
        double const cosine =
            axisCosine(axes, radius, 2 * drawn.axisCos - 1, drawn.axisB, drawn.axisC);
        values.obliquity = obliquity(cosine);
        look.equatorNode = 360 * drawn.node;
        look.rotationOffset = 360 * drawn.phase;
    }
}

namespace LookModels {

int surfaceClass(std::array<double, 16> const &weights, double u)
{
    double total = 0;
    for (double w : weights)
        total += w;
    double const target = u * total;
    double sum = 0;
    int last = -1;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (!(weights[i] > 0))
            continue;
        sum += weights[i];
        last = int(i);
        if (target < sum)
            return last;
    }
    return last;
}

std::size_t weighted(std::vector<double> const &runningSums, double u)
{
    double const target = u * runningSums.back();
    for (std::size_t i = 0; i < runningSums.size(); ++i) {
        if (target < runningSums[i])
            return i;
    }
    return runningSums.size() - 1;
}

// The albedos of a class spread log-normally around its median, ln(p) a bell
// of deviation sigma, cut at 3 sigma (the bell's draw over ln(median) +- 3
// sigma); never above 1.
double albedo(SurfaceClass const &surface, Sampler::ElementDraw draw)
{
    double const centre = surface.logAlbedoMedian;
    double const spread = 3 * surface.albedoSpread;
    double const logAlbedo = Sampler::bounded(draw, centre - spread, centre + spread);
    return std::min(1.0, CorrectRounding::exp(logAlbedo));
}

// Lightcurve amplitudes give most small asteroids b/a of 0.6 to 0.9
// (Cibulkova et al. 2016, A&A 596, A57); bodies above about 200 km radius are
// nearly round, relaxed by their own gravity. Below 100 km: b/a a bell over
// [0.5, 1], c/b over [0.6, 1]; the lower bounds rise linearly to 0.95 and 0.9
// at 200 km. The radius stays the volume-equivalent one: a b c = 1, so the
// factors are k, k b/a, k c/a with k = ((b/a)^2 c/b)^(-1/3), and the mass of
// the sphere of that radius is the ellipsoid's.
std::array<double, 3> semiAxes(double radius, Sampler::ElementDraw elongation,
                               Sampler::ElementDraw flattening)
{
    double const towardsRound =
        std::max(0.0, std::min(1.0, (radius - roundRadius / 2) / (roundRadius / 2)));
    double const ba = Sampler::bounded(elongation, 0.5 + 0.45 * towardsRound, 1.0);
    double const cb = Sampler::bounded(flattening, 0.6 + 0.3 * towardsRound, 1.0);
    double const k = CorrectRounding::power(ba * ba * cb, -1.0 / 3);
    return {k, k * ba, k * ba * cb};
}

// Rotation by size (Pravec & Harris 2000, Icarus 148, 12; Warner, Harris &
// Pravec 2009, Icarus 202, 134; Pravec et al. 2008, Icarus 197, 497):
//   radius 20 km and above: the rate f (turns a day) is Maxwellian,
//     f = 1.75 sqrt(-2 ln(1 - branch) + z^2), z the standard normal of the
//     bell (cut at 3), a median period near 9 hours;
//   0.15 to 20 km: with branch below 0.15 a slow rotator, its period
//     log-uniform over 24 to 500 hours, else f uniform from 1 to the spin
//     barrier's 24 / 2.2;
//   below 0.15 km (0.3 km across): the barrier does not hold, the period
//     log-uniform over 0.01 to 24 hours.
// From 0.15 km up no period is below the barrier's 2.2 hours, and none of the
// largest above 1000 hours.
double rotationPeriod(double radius, double branch, double fraction,
                      Sampler::ElementDraw normal)
{
    // The log-uniform spans, worked out once.
    static double const slowSpan = CorrectRounding::log(500.0 / 24);
    static double const smallSpan = CorrectRounding::log(2400.0);
    using CorrectRounding::exp;
    using CorrectRounding::log;
    if (radius >= 20) {
        double const z = Sampler::bounded(normal, -3, 3);
        double const rate = 1.75 * std::sqrt(-2 * log(1 - branch) + z * z);
        return std::max(spinBarrier, std::min(1000.0, 24 / rate));
    }
    if (radius >= barrierRadius) {
        if (branch < 0.15)
            return 24 * exp(fraction * slowSpan);
        double const rate = 1 + fraction * (24 / spinBarrier - 1);
        return std::max(spinBarrier, 24 / rate);
    }
    return 0.01 * exp(fraction * smallSpan);
}

// Isotropic: the cosine uniform over [-1, 1). YORP turns the spin axes of
// bodies below about 30 km across towards the poles of their orbits (Hanus et
// al. 2011, A&A 530, A134): there |cos| is the largest of three uniform
// numbers (density 3 c^2), keeping the sign of the isotropic draw.
double axisCosine(Looks::SpinAxes axes, double radius, double cosine, double b, double c)
{
    if (axes != Looks::SpinAxes::YorpClustered || radius >= 15)
        return cosine;
    double const magnitude = std::max(std::fabs(cosine), std::max(b, c));
    return cosine < 0 ? -magnitude : magnitude;
}

double obliquity(double cosine)
{
    return CorrectRounding::acos(cosine) * (180 / 3.141592653589793);
}

} // namespace LookModels
