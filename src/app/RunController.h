// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BeltSave.h"
#include "PlanetZones.h"
#include "Settings.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

class QTimer;

// One generation run at a time on a worker thread. The worker shares only
// atomics with the window's thread, which polls them every 10 ms and reports
// what it sees by signals.
class RunController : public QObject {
    Q_OBJECT

public:
    enum Phase { Generating, Saving };

    explicit RunController(QObject *parent = nullptr);
    // A run still going is stopped; its file is not replaced.
    ~RunController() override;

    // Starts a run of a copy of settings into path; not while one is going.
    // zones: those of settings, worked out once when they were checked.
    void generate(Settings const &settings, PlanetZones const &zones, std::string const &path,
                  std::uint32_t seed);
    // From generate() until ended() has been sent.
    bool running() const { return worker.joinable(); }
    // The worker is done: ended() follows at the next poll.
    bool done() const { return finished; }

    // The run ends at the next body and its file is not replaced; ended()
    // follows at the next poll with a stopped result.
    void requestStop();
    // Stops the run and waits for its thread; ended() is sent before it returns.
    void stopAndWait();
    // While held, a finished catalogue waits before it replaces the file.
    void holdReplacement(bool hold);

signals:
    void phaseChanged(RunController::Phase phase);
    void progressChanged(int percent);
    void ended(SaveResult const &result);

private:
    void check();
    void end();

    QTimer *timer;
    std::thread worker;
    std::atomic<bool> finished{false};
    std::atomic<bool> savingStarted{false};
    std::atomic<int> progress{0};
    std::atomic<bool> stopRequested{false};
    // Written by the worker before it sets finished; read only after the join.
    SaveResult saveResult;

    std::mutex replaceMutex;
    std::condition_variable replaceReleased;
    bool replaceHeld = false;
};
