// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RunCost.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QProgressBar;
class QStatusBar;
class QToolButton;
struct Settings;

// The window's status bar: what a run is doing and how far it got, its Stop
// button, what the last save did and the seed of the latest run; before a
// run, the size and time it is expected to take, and during it the time left.
class StatusLine {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    explicit StatusLine(QStatusBar *bar);

    QToolButton *stopButton() const { return stop; }
    QProgressBar *progressBar() const { return progress; }

    void showPhase(bool saving);
    void showReady();
    // text gives the message in the language of the moment; empty clears it.
    void setLastSave(std::function<QString()> text);
    // A run begins: the last save's message goes, its seed shows.
    void runStarted(std::uint32_t seed);
    // numbers, kept by the caller, writes the count in the language of the moment.
    void showSaved(std::uint64_t entries, QString const &file, QLocale const &numbers);
    void showStopped();
    void retranslate();
    // The form changed: its cost is worked out anew with seed, else with a
    // seed of the estimate's own. numbers, kept by the caller, writes it.
    void estimate(Settings const &settings, std::optional<std::uint32_t> seed,
                  QLocale const &numbers);

    // For the catalogue's save dialog: the expected size and time of a large
    // belt, so that they are seen before the file is chosen; else empty.
    QString largeBeltCaption() const;

private:
    void showCost();
    void showTimeLeft();

    QProgressBar *progress;
    QLabel *status;
    QLabel *seedLabel;
    QLabel *saved;
    QLabel *cost;
    QToolButton *stop;
    QAction *stopKey;
    std::function<QString()> lastSaveText;
    std::optional<std::uint32_t> seed;

    RunCostEstimator *estimator;
    std::optional<RunCost> expected; // of the form as it stands
    QLocale const *numbers = nullptr;
    std::optional<RunCost> runExpected; // of the run going on
    QElapsedTimer runClock;
    bool saving = false;
};
