// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <functional>

// The processor time the calling thread has used, in ms; -1 where the system
// cannot tell.
inline double threadMs()
{
#if defined(CLOCK_THREAD_CPUTIME_ID)
    timespec now{};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) == 0)
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
#endif
    return -1;
}

// Watches the window's event loop with a 1 ms timer: how long the longest gap
// between two ticks was, and how many were over 50 ms, until done() is true.
class EventLoopWatch {
public:
    explicit EventLoopWatch(std::function<bool()> done)
    {
        tick.setTimerType(Qt::PreciseTimer);
        tick.setInterval(1);
        QObject::connect(&tick, &QTimer::timeout, [this, done] {
            qint64 const now = clock.elapsed();
            double const used = threadMs();
            // How much of the longest gap the window's own thread worked: the
            // rest it waited for a processor that other programs held.
            if (now - last > longest)
                longestBusy = used - lastUsed, longestAt = last;
            lastUsed = used;
            longest = std::max(longest, now - last);
            over50 += now - last > 50;
            last = now;
            ++ticks;
            if (done()) {
                tick.stop();
                finished();
            }
        });
    }

    // Starts watching; whenDone runs once done() has turned true.
    void start(std::function<void()> whenDone)
    {
        finished = std::move(whenDone);
        clock.start();
        lastUsed = threadMs();
        tick.start();
    }
    double seconds() const { return clock.elapsed() / 1000.0; }

    qint64 longest = 0, over50 = 0, ticks = 0;
    double longestBusy = 0; // ms the thread ran during the longest gap
    qint64 longestAt = 0;   // ms from the start to the longest gap's beginning

private:
    QElapsedTimer clock;
    QTimer tick;
    qint64 last = 0;
    double lastUsed = 0;
    std::function<void()> finished;
};
