// SPDX-License-Identifier: GPL-3.0-or-later
#include "BodyArena.h"

#include "AlignedChunk.h"

#include <atomic>
#include <cstdint>
#include <new>
#include <type_traits>

namespace BodyArena {

namespace {

constexpr std::size_t chunkSize = std::size_t(2) << 20;
constexpr std::size_t alignment = alignof(std::max_align_t);

struct alignas(alignof(std::max_align_t)) Chunk {
    // One count for each live body, and one for the thread still carving it.
    std::atomic<std::size_t> users{1};
};

Chunk *newChunk()
{
    // Aligned to its own size, so that a body's chunk is found from its address.
    void *const memory = allocateAlignedChunk(chunkSize);
    if (!memory)
        throw std::bad_alloc();
    return new (memory) Chunk;
}

void release(Chunk *chunk) noexcept
{
    if (chunk->users.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        chunk->~Chunk();
        freeAlignedChunk(chunk, chunkSize);
    }
}

// The chunk this thread carves bodies from. Without a destructor: MinGW-w64
// frees thread_local storage before it runs such destructors when a thread
// ends, so the chunk is handed back by releaseThread() (see ThreadScope).
struct Carver {
    Chunk *chunk = nullptr;
    std::size_t used = 0;
};

thread_local Carver carver;
static_assert(std::is_trivially_destructible_v<decltype(carver)>);

} // namespace

// Anything larger goes to the ordinary allocator.
constexpr std::size_t largest = chunkSize / 64;

void *allocate(std::size_t size)
{
    if (size > largest)
        return ::operator new(size);
    size = (size + alignment - 1) & ~(alignment - 1);
    if (!carver.chunk || carver.used + size > chunkSize) {
        Chunk *const fresh = newChunk();
        if (carver.chunk)
            release(carver.chunk);
        carver.chunk = fresh;
        carver.used = sizeof(Chunk);
    }
    carver.chunk->users.fetch_add(1, std::memory_order_relaxed);
    void *const body = reinterpret_cast<char *>(carver.chunk) + carver.used;
    carver.used += size;
    return body;
}

void deallocate(void *pointer, std::size_t size) noexcept
{
    if (size > largest) {
        ::operator delete(pointer);
        return;
    }
    auto const address = reinterpret_cast<std::uintptr_t>(pointer);
    release(reinterpret_cast<Chunk *>(address & ~(chunkSize - 1)));
}

void releaseThread() noexcept
{
    if (carver.chunk)
        release(carver.chunk);
    carver = Carver();
}

} // namespace BodyArena
