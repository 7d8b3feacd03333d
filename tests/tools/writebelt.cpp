// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the catalogue of a preset, as the command line takes it, for a given
// seed through the core's own save, for comparison with an independent writer.
#include "Generator.h"
#include "Presets.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char **argv)
{
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: writebelt PRESET SEED OUTPUT [NUMBER]\n");
        return 2;
    }
    auto const preset = findPreset(argv[1]);
    if (!preset) {
        std::fprintf(stderr, "writebelt: unknown preset %s\n", argv[1]);
        return 2;
    }
    Settings settings = presetSettings(*preset);
    if (argc == 5)
        settings.number = static_cast<std::uint32_t>(std::strtoul(argv[4], nullptr, 10));
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
