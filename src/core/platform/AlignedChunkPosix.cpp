// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlignedChunk.h"

#include <cstdint>

#include <sys/mman.h>

void *allocateAlignedChunk(std::size_t size)
{
    // Twice the size, so that a chunk aligned to its own size fits inside.
    void *mapped =
        mmap(nullptr, 2 * size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    auto const start = reinterpret_cast<std::uintptr_t>(mapped);
    auto const aligned = (start + size - 1) & ~(size - 1);
    if (aligned > start)
        munmap(mapped, aligned - start);
    if (aligned + size < start + 2 * size)
        munmap(reinterpret_cast<void *>(aligned + size), start + size - aligned);
    // Fault the pages in at once; where the kernel cannot, they come one by one.
    madvise(reinterpret_cast<void *>(aligned), size, MADV_POPULATE_WRITE);
    return reinterpret_cast<void *>(aligned);
}

void freeAlignedChunk(void *chunk, std::size_t size) noexcept
{
    munmap(chunk, size);
}
