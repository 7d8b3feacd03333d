// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <system_error>

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

char *writeRememberedNumber(char *out, double value);

// A number and its line end.
char *line(char *out, double value)
{
    out = writeRememberedNumber(out, value);
    *out = '\n';
    return out + 1;
}

} // namespace

char *writeNumber(char *out, double value)
{
    // to_chars with a precision is specified as printf's %.19g in the C locale,
    // which is what a stream at precision 19 writes, at a fraction of the cost.
    auto const result =
        std::to_chars(out, out + maxNumberLength, value, std::chars_format::general, 19);
    return result.ec == std::errc() ? result.ptr : out;
}

namespace {

// A quarter of a belt's numbers repeat within a few lines: every orbit's epoch
// and mean anomaly, and the four elements that a binary's second component
// shares with the first. A small per-thread memo of recent texts, keyed by the
// double's bits, spares formatting them again.
class NumberMemo {
public:
    char *write(char *out, double value)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        Entry &entry = entries[(bits * 0x9E3779B97F4A7C15ull) >> (64 - indexBits)];
        if (entry.length == 0 || entry.bits != bits) {
            entry.bits = bits;
            entry.length = static_cast<std::uint8_t>(writeNumber(entry.text, value) - entry.text);
        }
        std::memcpy(out, entry.text, maxNumberLength);
        return out + entry.length;
    }

private:
    static constexpr int indexBits = 4;
    struct Entry {
        std::uint64_t bits = 0;
        std::uint8_t length = 0;
        char text[maxNumberLength] = {};
    };
    Entry entries[1 << indexBits];
};

thread_local NumberMemo memo;

char *writeRememberedNumber(char *out, double value)
{
    return memo.write(out, value);
}

} // namespace

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
    if (!std::isnan(block.rotationPeriod)) {
        out = put(out, "\tRotationPeriod\t");
        out = line(out, block.rotationPeriod);
    }
    if (!std::isnan(block.obliquity)) {
        // An empty line goes before the Obliquity line.
        out = put(out, "\n\tObliquity\t\t");
        out = line(out, block.obliquity);
    }
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
    return std::pow(radius, 3.0) * 4.1887902047863905 * density;
}

char *scratch(std::size_t size)
{
    thread_local std::unique_ptr<char[]> buffer;
    thread_local std::size_t capacity = 0;
    if (size > capacity) {
        capacity = std::max(size, 2 * capacity);
        buffer = std::make_unique<char[]>(capacity);
    }
    return buffer.get();
}

} // namespace CatalogueText
