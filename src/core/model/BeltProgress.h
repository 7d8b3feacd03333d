// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

// Percentage done after done of total, formed in 64 bits so that no belt
// size overflows it.
inline int progressPercent(std::uint64_t done, std::uint64_t total)
{
    return static_cast<int>(100 * done / total);
}

// How many bodies another thread has built so far, for a writer that starts
// before the belt is complete.
class BodyCount {
public:
    void publish(std::size_t count);
    // No more bodies will come (the belt is complete, or was stopped).
    void finish();
    // Waits until at least wanted bodies are there or no more will come, and
    // returns how many there are.
    std::size_t waitFor(std::size_t wanted);

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t count = 0;
    bool finished = false;
};
