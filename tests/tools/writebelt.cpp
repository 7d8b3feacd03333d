// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the catalogue of a preset, as the command line takes it, for a given
// seed through the core's own save, for comparison with an independent writer.
// Settings after the number ("-" for the preset's), as KEY=VALUE, choose the
// distributions.
#include "FieldLimits.h"
#include "Generator.h"
#include "Presets.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

template <typename Enum, std::size_t N>
bool setChoice(std::array<ChoiceWord<Enum>, N> const &words, std::string_view word, Enum &value)
{
    auto const found = findChoice(words, word);
    if (found)
        value = *found;
    return bool(found);
}

bool setNumber(std::string_view text, double &value)
{
    return readNumberText(text, value) == std::errc();
}

bool apply(Settings &s, std::string_view key, std::string_view value)
{
    if (key == "radius-distribution")
        return setChoice(radiusDistributionWords, value, s.radiusDistribution);
    if (key == "radius-slope")
        return setNumber(value, s.radiusSlope);
    if (key == "eccentricity-distribution")
        return setChoice(spreadDistributionWords, value, s.eccentricityDistribution);
    if (key == "eccentricity-mode")
        return setNumber(value, s.eccentricityMode);
    if (key == "inclination-distribution")
        return setChoice(spreadDistributionWords, value, s.inclinationDistribution);
    if (key == "inclination-mode")
        return setNumber(value, s.inclinationMode);
    if (key == "semi-major-axis-distribution")
        return setChoice(semiMajorAxisDistributionWords, value, s.semiMajorAxisDistribution);
    if (key == "surface-density-slope")
        return setNumber(value, s.surfaceDensitySlope);
    if (key == "mean-anomaly-distribution")
        return setChoice(meanAnomalyDistributionWords, value, s.meanAnomalyDistribution);
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: writebelt PRESET SEED OUTPUT [NUMBER|- [KEY=VALUE]...]\n");
        return 2;
    }
    auto const preset = findPreset(argv[1]);
    if (!preset) {
        std::fprintf(stderr, "writebelt: unknown preset %s\n", argv[1]);
        return 2;
    }
    Settings settings = presetSettings(*preset);
    if (argc >= 5 && std::strcmp(argv[4], "-") != 0)
        settings.number = static_cast<std::uint32_t>(std::strtoul(argv[4], nullptr, 10));
    for (int i = 5; i < argc; ++i) {
        std::string_view const setting = argv[i];
        auto const equals = setting.find('=');
        if (equals == setting.npos ||
            !apply(settings, setting.substr(0, equals), setting.substr(equals + 1))) {
            std::fprintf(stderr, "writebelt: bad setting %s\n", argv[i]);
            return 2;
        }
    }
    Generator generator(settings, static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)));
    std::atomic<int> progress{0};
    generator.generate(progress);
    SaveResult const result = generator.save(argv[3], progress);
    if (!result.ok) {
        std::fprintf(stderr, "writebelt: %s %s: %s\n", saveStepName(result.error.step),
                     result.error.path.c_str(), std::strerror(result.error.code));
        return 1;
    }
    return 0;
}
