// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Generator.h"

#include <atomic>
#include <memory>

// The belt of these settings and seed, made at once.
inline std::unique_ptr<Generator> madeBelt(Settings const &settings, unsigned seed)
{
    auto generator = std::make_unique<Generator>(settings, seed);
    std::atomic<int> progress{0};
    generator->generate(progress);
    return generator;
}
