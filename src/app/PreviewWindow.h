// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BeltPlot.h"
#include "BeltPreview.h"
#include "LatestJob.h"
#include "Settings.h"

#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QBoxLayout;
class QComboBox;
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
    LatestJob jobs;
};

// The picture of a belt, drawn anew at every size. The mouse wheel zooms a
// panel about the pointer, a drag moves it, a double-click shows every panel
// whole again; the views stay while the belt is drawn anew.
class PlotView : public QWidget {
    Q_OBJECT

public:
    explicit PlotView(QWidget *parent = nullptr);
    void setPreview(std::shared_ptr<BeltPreview const> preview, QString const &centre);
    std::shared_ptr<BeltPreview const> preview() const { return shown; }
    void setColours(BeltPlot::Colours colours);
    BeltPlot::Colours colours() const { return shownColours; }

    BeltPlot::Views const &views() const { return shownViews; }
    // Where the panels were last drawn.
    BeltPlot::Places const &places() const { return drawn; }
    // Zooms the panel at point by factor (below 1 zooms in), keeping point
    // where it is; out to the whole panel at most. False where no panel zooms.
    bool zoom(QPointF const &point, double factor);
    void resetViews();

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::optional<BeltPlot::Slot> slotAt(QPointF const &point) const;
    BeltPlot::Range rangeOf(BeltPlot::Slot slot) const;

    std::shared_ptr<BeltPreview const> shown;
    QString centreName;
    BeltPlot::Colours shownColours = BeltPlot::Colours::Populations;
    BeltPlot::Views shownViews;
    BeltPlot::Places drawn;
    // A drag: the panel, where it began and the view then.
    std::optional<BeltPlot::Slot> dragged;
    QPoint dragStart;
    BeltPlot::Range dragRange{};
};

// The belt the form and the seed will make, and the seed itself: shown,
// entered, drawn anew or copied. While it is shown, Generate uses its seed.
// It lives beside the form, or apart from it when undocked.
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
    // How the bodies are coloured: by looks only where the belt shown has them.
    BeltPlot::Colours colours() const;
    // True while a picture for the latest form and seed is on its way.
    bool busy() const;
    // How many pictures were asked for so far: one per pause in the changes.
    std::uint64_t requests() const { return serial; }

signals:
    void previewShown();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void measureSeedRow();
    void arrangeSeedRow();
    void retranslate();
    void schedule();
    void compute();
    void display(std::shared_ptr<BeltPreview const> preview, std::uint64_t serial);
    void updateStatus();
    void updateColours();

    QBoxLayout *seedRow;
    int oneLineWidth = 0; // the least width for the seed's row on one line
    QLabel *seedLabel;
    QLineEdit *seedEdit;
    QPushButton *newSeedButton;
    QPushButton *copyButton;
    QLabel *coloursLabel;
    QComboBox *coloursBox;
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
