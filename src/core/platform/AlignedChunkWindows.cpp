// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlignedChunk.h"

#include <malloc.h>

// The C runtime's aligned heap; pages are committed as they are touched.
void *allocateAlignedChunk(std::size_t size)
{
    return _aligned_malloc(size, size);
}

void freeAlignedChunk(void *chunk, std::size_t) noexcept
{
    _aligned_free(chunk);
}
