// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextScratch.h"

#include <algorithm>
#include <type_traits>

namespace TextScratch {

namespace {

// A plain pointer, not a unique_ptr: MinGW-w64 frees thread_local storage
// before it runs their destructors when a thread ends, so the buffer is
// freed by releaseThread() (see ThreadScope).
thread_local char *scratchBuffer = nullptr;
thread_local std::size_t scratchCapacity = 0;
static_assert(std::is_trivially_destructible_v<decltype(scratchBuffer)>);
static_assert(std::is_trivially_destructible_v<decltype(scratchCapacity)>);

} // namespace

char *buffer(std::size_t size)
{
    if (size > scratchCapacity) {
        std::size_t const capacity = std::max(size, 2 * scratchCapacity);
        char *const fresh = new char[capacity];
        delete[] scratchBuffer;
        scratchBuffer = fresh;
        scratchCapacity = capacity;
    }
    return scratchBuffer;
}

void releaseThread() noexcept
{
    delete[] scratchBuffer;
    scratchBuffer = nullptr;
    scratchCapacity = 0;
}

} // namespace TextScratch
