// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunController.h"

#include "BeltRun.h"
#include "ThreadScope.h"

#include <QTimer>

#include <memory>

RunController::RunController(QObject *parent)
    : QObject(parent)
    , timer(new QTimer(this))
{
    timer->setInterval(10);
    timer->setTimerType(Qt::CoarseTimer);
    connect(timer, &QTimer::timeout, this, &RunController::check);
}

RunController::~RunController()
{
    if (worker.joinable()) {
        stopRequested = true;
        holdReplacement(false);
        worker.join();
    }
}

void RunController::generate(Settings const &settings, PlanetZones const &zones,
                             std::string const &path, std::uint32_t seed)
{
    if (worker.joinable())
        return;
    finished = false;
    savingStarted = false;
    stopRequested = false;
    progress = 0;
    timer->start();
    emit phaseChanged(Generating);
    emit progressChanged(0);

    auto run = [this, seed](Settings settings, PlanetZones zones, std::string const &path) {
        ThreadScope const scope;
        auto generator = std::make_unique<Generator>(std::move(settings), std::move(zones), seed);
        generator->generate(progress, &stopRequested);
        savingStarted = true;
        // A belt cut short holds fewer bodies (possibly none); it must not
        // replace the file.
        if (stopRequested)
            saveResult = SaveResult{false, true, {}};
        else
            saveResult = saveBelt(*generator, path, progress, &stopRequested, [this] {
                std::unique_lock<std::mutex> lock(replaceMutex);
                replaceReleased.wait(lock, [this] { return !replaceHeld; });
            });
        // Freeing a million bodies takes a while: do it here, so that the join
        // that follows finished does not hold up the window.
        generator.reset();
        finished = true;
    };
    worker = std::thread(run, settings, zones, path);
}

void RunController::check()
{
    emit progressChanged(progress);
    if (finished) {
        end();
    } else if (savingStarted) {
        savingStarted = false;
        emit phaseChanged(Saving);
    }
}

void RunController::end()
{
    if (worker.joinable())
        worker.join();
    timer->stop();
    emit ended(saveResult);
}

void RunController::requestStop()
{
    stopRequested = true;
    holdReplacement(false);
}

void RunController::stopAndWait()
{
    if (!worker.joinable())
        return;
    requestStop();
    end();
}

void RunController::holdReplacement(bool hold)
{
    {
        std::lock_guard<std::mutex> lock(replaceMutex);
        replaceHeld = hold;
    }
    replaceReleased.notify_all();
}
