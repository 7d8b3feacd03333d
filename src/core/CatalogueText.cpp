#include "CatalogueText.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace CatalogueText {

std::size_t formatNumber(char *first, double value)
{
    // to_chars with a precision is specified as printf's %.19g in the C locale,
    // which is what a stream at precision 19 writes, at a fraction of the cost.
    auto const result =
        std::to_chars(first, first + maxNumberLength, value, std::chars_format::general, 19);
    return result.ec == std::errc() ? static_cast<std::size_t>(result.ptr - first) : 0;
}

void appendNumber(std::string &out, double value)
{
    char buffer[maxNumberLength];
    out.append(buffer, formatNumber(buffer, value));
    out.push_back('\n');
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

void appendOrbit(std::string &out, Orbit const &orbit)
{
    // The reader expects an empty line before the Orbit keyword.
    out += "\n\tOrbit\n\t{\n\t\tEpoch\t\t\t";
    appendNumber(out, orbit.epoch);
    if (orbit.semiMajorAxis > 0) {
        out += "\t\tSemiMajorAxis\t";
        appendNumber(out, orbit.semiMajorAxis);
    }
    if (!std::isnan(orbit.period)) {
        out += "\t\tPeriod\t\t\t";
        appendNumber(out, orbit.period);
    }
    out += "\t\tEccentricity\t";
    appendNumber(out, orbit.eccentricity);
    out += "\t\tInclination\t\t";
    appendNumber(out, orbit.inclination);
    out += "\t\tAscendingNode\t";
    appendNumber(out, orbit.ascendingNode);
    out += "\t\tArgOfPericen\t";
    appendNumber(out, orbit.argOfPericenter);
    out += "\t\tRefPlane\t\t";
    out += referencePlaneWord(orbit.referencePlane);
    out += "\n\t\tMeanAnomaly\t\t";
    appendNumber(out, orbit.meanAnomaly);
    out += "\t}\n";
}

void appendSingle(std::string &out, SingleBlock const &block)
{
    out += objectTypeWord(block.objectType);
    out += " \"";
    out += block.name;
    out += block.nameSuffix;
    out += "\"\n{\n\tParentBody\t\"";
    out += block.parentBody;
    out += "\"\n\tClass\t\t\"Asteroid\"\n\tMass\t\t";
    appendNumber(out, block.mass);
    out += "\tRadius\t\t";
    appendNumber(out, block.radius);
    if (!std::isnan(block.rotationPeriod)) {
        out += "\tRotationPeriod\t";
        appendNumber(out, block.rotationPeriod);
    }
    if (!std::isnan(block.obliquity)) {
        out += "\n\tObliquity\t\t";
        appendNumber(out, block.obliquity);
    }
    appendOrbit(out, block.orbit);
    out += "}\n\n";
}

void appendBarycenter(std::string &out, std::string_view name, std::string_view parentBody,
                      Orbit const &orbit)
{
    out += "Barycenter \"";
    out += name;
    out += "\"\n{\n\tParentBody\t\"";
    out += parentBody;
    out += "\"\n";
    appendOrbit(out, orbit);
    out += "}\n\n";
}

double bodyMass(double radius, double density)
{
    return std::pow(radius, 3.0) * 4.1887902047863905 * density;
}

} // namespace CatalogueText
