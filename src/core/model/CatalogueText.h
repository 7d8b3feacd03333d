// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "NumberText.h"
#include "Orbit.h"

#include <cstddef>
#include <string_view>

struct BodyLook;

// The catalogue's words and layout, in one place. The stream inserters and
// the bodies' print() all write through these functions into a plain character
// buffer (TextScratch's), which the caller sizes with the bounds below.
namespace CatalogueText {

using NumberText::maxNumberLength;
// Room an Orbit block needs at most.
constexpr std::size_t maxOrbitLength = 256 + 8 * (maxNumberLength + 1);
// Room a single-body block needs at most, besides its strings.
constexpr std::size_t maxSingleLength = 256 + 4 * (maxNumberLength + 1) + maxOrbitLength;
// Room a barycenter block needs at most, besides its strings.
constexpr std::size_t maxBarycenterLength = 128 + maxOrbitLength;

// The quoted reference-plane word, or nothing for an unknown value.
std::string_view referencePlaneWord(Orbit::ReferencePlane plane);
// The object-type word, or nothing for an unknown value.
std::string_view objectTypeWord(BaseAsteroid::ObjectType type);

char *writeOrbit(char *out, Orbit const &orbit);
// Whether every number that writeOrbit or writeSingle would write is finite:
// the reader takes no inf or nan. Values left out as not given do not count.
bool finiteNumbers(Orbit const &orbit);

struct SingleBlock {
    BaseAsteroid::ObjectType objectType;
    std::string_view name;
    std::string_view nameSuffix; // " A" / " B" for a binary's components
    std::string_view parentBody;
    double mass;
    double radius;
    double rotationPeriod;
    double obliquity;
    Orbit const &orbit;
    BodyLook const *look; // null: no look lines
};
// Room the look lines of a body need at most.
std::size_t lookLength(BodyLook const &look);
char *writeSingle(char *out, SingleBlock const &block);
bool finiteNumbers(SingleBlock const &block);
char *writeBarycenter(char *out, std::string_view name, std::string_view parentBody,
                      Orbit const &orbit);

// Mass of a body of the given radius (km) and density (Earth masses per km^3).
double bodyMass(double radius, double density);

} // namespace CatalogueText
