// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueText.h"

#include "BodyLook.h"
#include "Looks.h"

#include "CorrectRounding.h"
#include "NumberText.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace CatalogueText {

namespace {

template <std::size_t N> char *put(char *out, char const (&literal)[N])
{
    std::memcpy(out, literal, N - 1);
    return out + (N - 1);
}

char *put(char *out, std::string_view text)
{
    if (!text.empty())
        std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

// A number and its line end.
char *line(char *out, double value)
{
    out = NumberText::writeRememberedNumber(out, value);
    *out = '\n';
    return out + 1;
}

// "[ x y z ]" and its line end.
char *triple(char *out, std::array<double, 3> const &values)
{
    out = put(out, "[ ");
    for (double value : values) {
        out = NumberText::writeRememberedNumber(out, value);
        *out++ = ' ';
    }
    return put(out, "]\n");
}

bool finiteOrNotGiven(double value)
{
    return !std::isinf(value);
}

// Every body of a class has its class's colour: its line is written once.
char *colorLine(char *out, BodyLook const &look)
{
    static std::vector<std::string> const lines = [] {
        std::vector<std::string> made;
        for (SurfaceClass const &surface : surfaceClasses()) {
            char text[16 + 3 * (maxNumberLength + 1)];
            char *end = put(text, "\tColor\t\t");
            end = triple(end, surface.color);
            made.emplace_back(text, end);
        }
        return made;
    }();
    std::size_t const index = std::size_t(look.surfaceClass);
    if (look.surfaceClass >= 0 && index < lines.size() &&
        look.color == &surfaceClasses()[index].color)
        return put(out, lines[index]);
    out = put(out, "\tColor\t\t");
    return triple(out, *look.color);
}

// What the simulation program reads of a body's looks, after its Radius line.
char *writeSurface(char *out, BodyLook const &look)
{
    if (!std::isnan(look.albedo)) {
        out = put(out, "\tAlbedo\t\t");
        out = line(out, look.albedo);
    }
    if (look.color)
        out = colorLine(out, look);
    if (!std::isnan(look.semiAxes[0])) {
        out = put(out, "\tSemiAxes\t");
        out = triple(out, look.semiAxes);
    }
    if (std::string_view const mesh = look.meshName(); !mesh.empty()) {
        out = put(out, "\tMesh\t\t\"");
        out = put(out, mesh);
        out = put(out, "\"\n");
    }
    if (std::string_view const texture = look.textureName(); !texture.empty()) {
        out = put(out, "\tTexture\t\t\"");
        out = put(out, texture);
        out = put(out, "\"\n");
    }
    return out;
}

// The node of the equator and the phase, after the Obliquity line.
char *writeSpin(char *out, BodyLook const &look)
{
    if (!std::isnan(look.equatorNode)) {
        out = put(out, "\tEquatorAscendingNode\t");
        out = line(out, look.equatorNode);
    }
    if (!std::isnan(look.rotationOffset)) {
        out = put(out, "\tRotationOffset\t");
        out = line(out, look.rotationOffset);
    }
    return out;
}

} // namespace

std::size_t lookLength(BodyLook const &look)
{
    return 256 + 9 * (maxNumberLength + 1) + look.meshName().size() + look.textureName().size();
}

std::string_view referencePlaneWord(Orbit::ReferencePlane plane)
{
    switch (plane) {
    case Orbit::Ecliptic: return "\"Ecliptic\"";
    case Orbit::Equator: return "\"Equator\"";
    case Orbit::Extrasolar: return "\"Extrasolar\"";
    }
    return {};
}

std::string_view objectTypeWord(BaseAsteroid::ObjectType type)
{
    switch (type) {
    case BaseAsteroid::Asteroid: return "Asteroid";
    case BaseAsteroid::Comet: return "Comet";
    }
    return {};
}

char *writeOrbit(char *out, Orbit const &orbit)
{
    // The reader expects an empty line before the Orbit keyword.
    out = put(out, "\n\tOrbit\n\t{\n\t\tEpoch\t\t\t");
    out = line(out, orbit.epoch);
    if (orbit.semiMajorAxis > 0) {
        out = put(out, "\t\tSemiMajorAxis\t");
        out = line(out, orbit.semiMajorAxis);
    }
    if (!std::isnan(orbit.period)) {
        out = put(out, "\t\tPeriod\t\t\t");
        out = line(out, orbit.period);
    }
    out = put(out, "\t\tEccentricity\t");
    out = line(out, orbit.eccentricity);
    out = put(out, "\t\tInclination\t\t");
    out = line(out, orbit.inclination);
    out = put(out, "\t\tAscendingNode\t");
    out = line(out, orbit.ascendingNode);
    out = put(out, "\t\tArgOfPericen\t");
    out = line(out, orbit.argOfPericenter);
    out = put(out, "\t\tRefPlane\t\t");
    out = put(out, referencePlaneWord(orbit.referencePlane));
    out = put(out, "\n\t\tMeanAnomaly\t\t");
    out = line(out, orbit.meanAnomaly);
    return put(out, "\t}\n");
}

bool finiteNumbers(Orbit const &orbit)
{
    // A semi-major axis not above 0 is left out, and so is a NaN one; +inf is not.
    return std::isfinite(orbit.epoch) && !std::isinf(orbit.semiMajorAxis) &&
           !std::isinf(orbit.period) && std::isfinite(orbit.eccentricity) &&
           std::isfinite(orbit.inclination) && std::isfinite(orbit.ascendingNode) &&
           std::isfinite(orbit.argOfPericenter) && std::isfinite(orbit.meanAnomaly);
}

bool finiteNumbers(SingleBlock const &block)
{
    BodyLook const *look = block.look;
    bool const lookFinite =
        !look || (finiteOrNotGiven(look->albedo) && finiteOrNotGiven(look->semiAxes[0]) &&
                  finiteOrNotGiven(look->semiAxes[1]) && finiteOrNotGiven(look->semiAxes[2]) &&
                  finiteOrNotGiven(look->equatorNode) && finiteOrNotGiven(look->rotationOffset));
    return std::isfinite(block.mass) && std::isfinite(block.radius) &&
           !std::isinf(block.rotationPeriod) && !std::isinf(block.obliquity) && lookFinite &&
           finiteNumbers(block.orbit);
}

char *writeSingle(char *out, SingleBlock const &block)
{
    out = put(out, objectTypeWord(block.objectType));
    out = put(out, " \"");
    out = put(out, block.name);
    out = put(out, block.nameSuffix);
    out = put(out, "\"\n{\n\tParentBody\t\"");
    out = put(out, block.parentBody);
    out = put(out, "\"\n\tClass\t\t\"Asteroid\"\n\tMass\t\t");
    out = line(out, block.mass);
    out = put(out, "\tRadius\t\t");
    out = line(out, block.radius);
    if (block.look)
        out = writeSurface(out, *block.look);
    if (!std::isnan(block.rotationPeriod)) {
        out = put(out, "\tRotationPeriod\t");
        out = line(out, block.rotationPeriod);
    }
    if (!std::isnan(block.obliquity)) {
        // An empty line goes before the Obliquity line.
        out = put(out, "\n\tObliquity\t\t");
        out = line(out, block.obliquity);
    }
    if (block.look)
        out = writeSpin(out, *block.look);
    out = writeOrbit(out, block.orbit);
    return put(out, "}\n\n");
}

char *writeBarycenter(char *out, std::string_view name, std::string_view parentBody,
                      Orbit const &orbit)
{
    out = put(out, "Barycenter \"");
    out = put(out, name);
    out = put(out, "\"\n{\n\tParentBody\t\"");
    out = put(out, parentBody);
    out = put(out, "\"\n");
    out = writeOrbit(out, orbit);
    return put(out, "}\n\n");
}

double bodyMass(double radius, double density)
{
    return CorrectRounding::cube(radius) * 4.1887902047863905 * density;
}

} // namespace CatalogueText
