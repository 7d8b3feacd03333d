// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Storage for bodies. A belt's bodies are made together and freed together,
// up to a million of them: they are carved one after another from 2 MiB chunks
// whose pages are faulted in by one call, which spares a page fault every
// twenty bodies and the general-purpose allocator's bookkeeping. A chunk goes
// back to the system when its last body is freed and its thread has moved on
// or called releaseThread().
namespace BodyArena {

void *allocate(std::size_t size);
// size must be the one given to allocate().
void deallocate(void *pointer, std::size_t size) noexcept;
// Lets go of the chunk this thread carves from; its bodies stay valid.
void releaseThread() noexcept;

} // namespace BodyArena
