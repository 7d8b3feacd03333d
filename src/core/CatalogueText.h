#pragma once

#include "BaseAsteroid.h"
#include "Orbit.h"

#include <string>
#include <string_view>

// The catalogue's words and layout, in one place. Every writer of the model
// appends through these functions, so the stream inserters and the bodies'
// print() produce the same bytes.
namespace CatalogueText {

// Longest text of one number: sign, 19 digits, point, "e-308" and spare room.
constexpr std::size_t maxNumberLength = 32;

// Writes a double as a stream at precision 19 with default flags does ("%.19g").
// Returns the number of characters written (at most maxNumberLength).
std::size_t formatNumber(char *first, double value);

void appendNumber(std::string &out, double value);
// The quoted reference-plane word, or nothing for an unknown value.
std::string_view referencePlaneWord(Orbit::ReferencePlane plane);
// The object-type word, or nothing for an unknown value.
std::string_view objectTypeWord(BaseAsteroid::ObjectType type);

void appendOrbit(std::string &out, Orbit const &orbit);

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
};
void appendSingle(std::string &out, SingleBlock const &block);
void appendBarycenter(std::string &out, std::string_view name, std::string_view parentBody,
                      Orbit const &orbit);

// Mass of a body of the given radius (km) and density (Earth masses per km^3).
double bodyMass(double radius, double density);

} // namespace CatalogueText
