// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// Runs jobs on a thread of its own, one at a time. A new job replaces the one
// still waiting and asks the one in progress to stop, so that only the latest
// is worked out: the form changes faster than a belt is drawn. A job hands
// its result back itself (to the thread it came from, by a queued call).
class LatestJob {
public:
    // The job looks at stop between steps and gives up once it is set.
    using Job = std::function<void(std::atomic<bool> const &stop)>;

    LatestJob();
    ~LatestJob(); // stops the job in progress and waits for it
    LatestJob(LatestJob const &) = delete;
    LatestJob &operator=(LatestJob const &) = delete;

    void post(Job job);

private:
    void work();

    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Job> pending;
    bool quit = false;
    std::atomic<bool> stop{false};
    std::thread thread;
};
