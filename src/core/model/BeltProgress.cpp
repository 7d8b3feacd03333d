// SPDX-License-Identifier: GPL-3.0-or-later
#include "BeltProgress.h"

void BodyCount::publish(std::size_t built)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        count = built;
    }
    changed.notify_all();
}

void BodyCount::finish()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        finished = true;
    }
    changed.notify_all();
}

std::size_t BodyCount::waitFor(std::size_t wanted)
{
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [&] { return count >= wanted || finished; });
    return count;
}
