// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <ostream>
#include <vector>

// Writes a belt's bodies to a stream in list order. A large belt is formatted
// on every core, block by block, each block through the bodies' print() into a
// buffer of its own; the blocks reach the stream strictly in order and only a
// few are held at a time, so memory stays flat whatever the belt's size.
class CatalogueWriter {
public:
    enum class Outcome { Written, WriteFailed, Stopped };

    CatalogueWriter(std::vector<std::unique_ptr<BaseAsteroid>> const &bodies, std::uint64_t number);

    // Stores the percentage of number written after each body. A set stop flag
    // ends the writing between two bodies or blocks.
    Outcome write(std::ostream &out, std::atomic<int> &progress, std::atomic<bool> const *stop);

    static constexpr std::size_t blockSize = 1024; // bodies

private:
    Outcome writeInOrder(std::ostream &out, std::atomic<int> &progress,
                         std::atomic<bool> const *stop);
    Outcome writeInParallel(std::ostream &out, std::atomic<int> &progress,
                            std::atomic<bool> const *stop, unsigned formatters);

    std::vector<std::unique_ptr<BaseAsteroid>> const &bodies;
    std::uint64_t number;
};
