// SPDX-License-Identifier: GPL-3.0-or-later
#include "LatestJob.h"

#include "ThreadScope.h"

LatestJob::LatestJob()
    : thread([this] { work(); })
{
}

LatestJob::~LatestJob()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        quit = true;
        stop = true;
    }
    wake.notify_all();
    thread.join();
}

void LatestJob::post(Job job)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        pending = std::move(job);
        stop = true; // the job in progress is no longer wanted
    }
    wake.notify_all();
}

void LatestJob::work()
{
    ThreadScope const scope;
    for (;;) {
        Job next;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait(lock, [this] { return quit || pending; });
            if (quit)
                return;
            next = std::move(*pending);
            pending.reset();
            stop = false;
        }
        next(stop);
    }
}
