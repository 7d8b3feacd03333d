// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BeltPreview.h"
#include "Settings.h"

#include <QStringList>
#include <QWidget>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// Computes previews on a thread of its own, one at a time; a new request
// stops the one in progress, so that only the latest form is drawn.
class PreviewComputer : public QObject {
    Q_OBJECT

public:
    explicit PreviewComputer(QObject *parent = nullptr);
    ~PreviewComputer() override;

    // serial comes back with the preview, to tell it from older ones.
    void request(Settings const &settings, std::uint32_t seed, std::uint64_t serial);

signals:
    // Delivered on the thread that owns this object.
    void ready(std::shared_ptr<BeltPreview const> preview, std::uint64_t serial);

private:
    void work();

    struct Request {
        Settings settings;
        std::uint32_t seed;
        std::uint64_t serial;
    };
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Request> pending;
    bool quit = false;
    std::atomic<bool> cancel{false};
    std::thread thread;
};

// The picture of a belt, drawn anew at every size.
class PlotView : public QWidget {
    Q_OBJECT

public:
    explicit PlotView(QWidget *parent = nullptr);
    void setPreview(std::shared_ptr<BeltPreview const> preview, QString const &centre);
    std::shared_ptr<BeltPreview const> preview() const { return shown; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<BeltPreview const> shown;
    QString centreName;
};

// The belt the form and the seed will make, and the seed itself: shown,
// entered, drawn anew or copied. While it is open, Generate uses its seed.
class PreviewWindow : public QWidget {
    Q_OBJECT

public:
    explicit PreviewWindow(QWidget *parent = nullptr);

    // Follows the form; the picture is redrawn a moment after the last change.
    void setSettings(Settings const &settings);
    // The seed in the field; nothing while the field holds no valid seed.
    std::optional<std::uint32_t> seed() const;
    void setSeed(std::uint32_t seed);
    // The picture's numbers are written as numbers writes them.
    void setNumbers(QLocale const &numbers);
    // Notes on odd bounds of the form, one a line; none hides them.
    void setWarnings(QStringList const &warnings);
    // Puts a new seed from the system in the field; false (with a warning box)
    // when none could be drawn.
    bool drawSeed();

    // What is drawn now, and the seed it was drawn with.
    std::shared_ptr<BeltPreview const> shownPreview() const;
    std::optional<std::uint32_t> shownSeed() const { return drawnSeed; }
    // True while a picture for the latest form and seed is on its way.
    bool busy() const;

signals:
    void previewShown();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void retranslate();
    void schedule();
    void compute();
    void display(std::shared_ptr<BeltPreview const> preview, std::uint64_t serial);
    void updateStatus();

    QLabel *seedLabel;
    QLineEdit *seedEdit;
    QPushButton *newSeedButton;
    QPushButton *copyButton;
    QLabel *noteLabel;
    QLabel *warningLabel;
    QLabel *statusLabel;
    PlotView *plot;
    QTimer *debounce;
    PreviewComputer *computer;

    std::optional<Settings> settings;
    std::optional<Settings> requestedSettings;
    std::optional<std::uint32_t> requestedSeed;
    std::optional<std::uint32_t> drawnSeed;
    std::uint64_t serial = 0;      // of the latest request
    std::uint64_t shownSerial = 0; // of the picture shown
    bool waiting = false;
};
