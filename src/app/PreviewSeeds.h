// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BeltPlot.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

class PreviewWindow;
class QDockWidget;
class QMainWindow;
class SettingsForm;

// Where the window's seeds come from: the belt preview while it is shown, the
// latest run, a seed set by tests, or the system. The preview follows the form
// beside it, in a dock of the window that can be hidden, moved or undocked.
class PreviewSeeds {
public:
    PreviewSeeds(QMainWindow *window, SettingsForm *form);

    void setFixedSeed(std::optional<unsigned int> seed) { fixed = seed; }
    void setLatest(std::uint32_t seed) { latestSeed = seed; }
    std::optional<std::uint32_t> latest() const { return latestSeed; }
    // The seed the next run will take, when it is known before it starts.
    std::optional<std::uint32_t> next() const;

    // Nothing, after a warning that names the keys of the preview, when no
    // seed could be had.
    std::optional<std::uint32_t> forRun(QString const &previewKeys);
    std::optional<std::uint32_t> onShow();
    // Opens the preview with withSeed, else the seed it holds, else a new one.
    PreviewWindow *open(std::optional<std::uint32_t> withSeed);
    // Nothing before the preview was first opened.
    QDockWidget *dock() const { return holder; }
    bool shown() const { return previewOpen(); }
    // The preview's colours while it is shown, so that a saved picture is the
    // one on the screen; by population else.
    BeltPlot::Colours colours() const;
    void formChanged();
    // The language changed: the preview writes its numbers as numbers does.
    void languageChanged(QLocale const &numbers);

private:
    bool previewOpen() const;
    std::optional<std::uint32_t> previewSeed();

    QMainWindow *window;
    SettingsForm *form;
    QDockWidget *holder = nullptr;
    PreviewWindow *preview = nullptr;
    std::optional<unsigned int> fixed;
    std::optional<std::uint32_t> latestSeed;
    QLocale numbers;
};
