// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BeltPreview.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QLocale>
#include <QRectF>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class QPainter;

// Draws a belt preview with QPainter: four panels with labelled axes, the
// central object marked, single and binary bodies in two colours (or each
// population in its own, binaries ringed, with a legend of names), a histogram
// of semi-major axes and the cumulative size distribution on logarithmic
// axes, and a header with the number of bodies; with a planet the belt seen
// turning with it, with looks the albedos against the semi-major axes and,
// as a choice, each body in its surface's colour on a dark ground. Works on any paint device, a
// widget as well as an image without a display, always in the font it carries
// (see font()), so that texts and layout are the same on every system whatever
// the device's or the application's font. Texts are translated in the context
// "BeltPlot".
class BeltPlot {
    Q_DECLARE_TR_FUNCTIONS(BeltPlot)

public:
    static QColor const singleColour;
    static QColor const binaryColour;
    // The colour of a belt's population of this index, of a belt of more
    // than one: a fixed palette, the same in every picture.
    static QColor populationColour(std::size_t population);

    // Makes the embedded font (DejaVu Sans) known to the application; call it
    // once the application object exists. False when it could not be loaded.
    static bool registerFont();
    // The font every picture is drawn in: the embedded one, at a fixed size
    // in pixels and without hinting, so that it has the same metrics on every
    // platform.
    static QFont font();

    // The panels of the picture; the last two only where the preview shows
    // them (an empty frame in Places where not).
    enum Slot {
        TopView, EdgeOn, Eccentricity, Inclination, Sizes, SemiMajorAxes, RotatingView, Albedo
    };
    static constexpr std::size_t slotCount = 8;
    // What the bodies' colours tell: their population (or single and
    // binary), or the colour their looks give them in the catalogue.
    enum class Colours { Populations, Looks };
    // Whether a preview has colours of looks to show.
    static bool hasLooks(BeltPreview const &preview) { return !preview.surfaces().empty(); }
    // A part of a panel shown instead of the whole: the ranges of its axes
    // (of the semi-major axes only for their histogram, whose height follows).
    struct Range {
        double xLow, xHigh, yLow, yHigh;
    };
    using Views = std::array<std::optional<Range>, slotCount>;
    // Where a panel was drawn, and its axes as drawn.
    struct Place {
        QRectF frame;
        BeltPreview::Axis x, y;
    };
    using Places = std::array<Place, slotCount>;

    // caption, if not empty, is shown after the number of bodies; centre names
    // the central object. Numbers follow locale. Panels with a view show
    // that part of themselves. Returns where the panels went.
    static Places draw(QPainter &painter, QRectF const &area, BeltPreview const &preview,
                       QString const &centre, QString const &caption = QString(),
                       QLocale const &locale = QLocale(), Views const &views = {},
                       Colours colours = Colours::Populations);

    // The picture on a white image of the given size.
    static QImage image(BeltPreview const &preview, QSize size, QString const &centre,
                        QString const &caption = QString(), QLocale const &locale = QLocale::c(),
                        Colours colours = Colours::Populations);

    // The picture of a belt as a file holds it: 1000 by 1000 pixels, with
    // the seed as caption, so that the window and the command line save the
    // same picture.
    static QImage picture(BeltPreview const &preview, QString const &centre, std::uint32_t seed,
                          QLocale const &locale, Colours colours = Colours::Populations);
    // Saves an image as a PNG file that is replaced only once the picture is
    // complete. Returns an empty string, or the reason it failed.
    static QString savePng(QImage const &image, QString const &path);

    // A tick value as the axis labels show it: as many decimals as the tick
    // spacing needs, powers of ten for very large or very small numbers.
    static QString tickText(double value, double step, QLocale const &locale);
    // The label of a decade tick k: 10^k written out from 0.0001 to 100000,
    // as 1e-5 or 1e6 beyond.
    static QString decadeText(double k, QLocale const &locale);
};
