// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Seeds are the whole numbers from 0 to this, the seeds the engine takes.
inline constexpr std::uint32_t largestSeed = 0xffffffffu;

// The operating system's cryptographic random source. It is reached through
// this interface so that tests can put a failing source in its place.
class RandomSource {
public:
    enum class OpenResult {
        Opened,
        NoKeyContainer, // the named container does not exist yet: create() it
        Failed,
    };

    virtual ~RandomSource();

    virtual OpenResult open(char const *container) = 0;
    virtual bool create(char const *container) = 0;
    virtual bool read(void *buffer, std::size_t size) = 0;
    virtual void close() = 0;

    // The source in force: the system's unless a test replaced it.
    static RandomSource &current();
    // Puts a source in force (nullptr restores the system's) and returns the
    // previous replacement, if any. Not for use while a run is going on.
    static RandomSource *replace(RandomSource *source);

    // A full 32-bit seed from the current source, silently; nothing when the
    // source cannot be opened or read.
    static std::optional<std::uint32_t> drawSeed();
};
