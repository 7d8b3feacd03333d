// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// A per-thread buffer that bodies write their text into, reused from body to
// body so that writing a body allocates nothing.
namespace TextScratch {

// The buffer, of at least size characters.
char *buffer(std::size_t size);
// Frees this thread's buffer; the next buffer() makes a new one.
void releaseThread() noexcept;

} // namespace TextScratch
