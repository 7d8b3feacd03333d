// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LatestJob.h"
#include "Settings.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <optional>

// What a run will cost before it starts: the catalogue's size and the time to
// make it. Both come from a sample of the belt that the program draws, prints
// and times itself with the same settings, so that the bytes of each kind of
// body, the share of binaries and this computer's speed are measured, not
// assumed.
struct RunCost {
    std::uint64_t bytes = 0;
    double seconds = 0;         // generating and saving
    double generatingShare = 0; // of seconds

    // At most this many bodies are drawn for the sample; a smaller belt is
    // drawn whole.
    static constexpr std::uint32_t sampleSize = 10000;

    // Nothing when stop was set on the way.
    static std::optional<RunCost> of(Settings const &settings, std::uint32_t seed,
                                     std::atomic<bool> const *stop = nullptr);
};

// Works out the cost on a thread of its own; a new request replaces the one
// in progress, so that only the latest form is measured.
class RunCostEstimator : public QObject {
    Q_OBJECT

public:
    explicit RunCostEstimator(QObject *parent = nullptr);
    ~RunCostEstimator() override;

    void request(Settings const &settings, std::uint32_t seed);

signals:
    void ready(RunCost cost);

private:
    LatestJob jobs;
};
