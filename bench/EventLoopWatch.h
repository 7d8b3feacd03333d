// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <functional>

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
        tick.start();
    }
    double seconds() const { return clock.elapsed() / 1000.0; }

    qint64 longest = 0, over50 = 0, ticks = 0;

private:
    QElapsedTimer clock;
    QTimer tick;
    qint64 last = 0;
    std::function<void()> finished;
};
