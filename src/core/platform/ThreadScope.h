// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The core keeps per-thread caches (the chunk bodies are carved from, the
// buffer a body's text is formatted in) in thread_local variables of trivially
// destructible types only: MinGW-w64 frees a thread's thread_local storage
// before it runs their destructors when the thread ends, which crashes at
// random. Every thread that makes or formats bodies holds a ThreadScope
// in its own function instead; its destructor hands the caches back while the
// thread still runs.
class ThreadScope {
public:
    ThreadScope() = default;
    ThreadScope(ThreadScope const &) = delete;
    ThreadScope &operator=(ThreadScope const &) = delete;
    ~ThreadScope();
};
