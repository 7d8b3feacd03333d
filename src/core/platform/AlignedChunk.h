// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Memory straight from the system for the body arena: size bytes (a power of
// two), aligned to size, its pages faulted in where the system can do that at
// once. Each platform has a unit of its own (AlignedChunkPosix.cpp,
// AlignedChunkWindows.cpp). Null when the system has no memory to give.
void *allocateAlignedChunk(std::size_t size);
void freeAlignedChunk(void *chunk, std::size_t size) noexcept;
