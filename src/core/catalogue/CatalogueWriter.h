// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BaseAsteroid.h"
#include "BeltProgress.h"

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
    // NotFinite: a body held a number the reader cannot take; nothing of it
    // was written.
    enum class Outcome { Written, WriteFailed, Stopped, NotFinite };

    CatalogueWriter(std::vector<std::unique_ptr<BaseAsteroid>> const &bodies, std::uint64_t number);
    // Writes number bodies while they are still being built: each is written
    // once arriving counts it. Fewer than number in the end means the belt
    // was stopped, and so is the writing.
    CatalogueWriter(std::vector<std::unique_ptr<BaseAsteroid>> const &bodies, std::uint64_t number,
                    BodyCount &arriving);

    // Stores the percentage of number written after each body. A set stop flag
    // ends the writing between two bodies or blocks.
    Outcome write(std::ostream &out, std::atomic<int> &progress, std::atomic<bool> const *stop);

    static constexpr std::size_t blockSize = 1024; // bodies

private:
    Outcome writeInOrder(std::ostream &out, std::atomic<int> &progress,
                         std::atomic<bool> const *stop);
    Outcome writeInParallel(std::ostream &out, std::atomic<int> &progress,
                            std::atomic<bool> const *stop, unsigned formatters);

    // The end of the bodies up to index end, once they are there; fewer if
    // the belt ended before.
    std::size_t available(std::size_t end) const;

    std::vector<std::unique_ptr<BaseAsteroid>> const &bodies;
    std::uint64_t number;
    BodyCount *arriving = nullptr;
    std::size_t expected; // bodies to write
};
