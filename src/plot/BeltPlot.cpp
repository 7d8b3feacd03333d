// SPDX-License-Identifier: GPL-3.0-or-later
#include "BeltPlot.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

QColor const BeltPlot::singleColour(31, 105, 180);
QColor const BeltPlot::binaryColour(230, 97, 1);

QColor BeltPlot::populationColour(std::size_t population)
{
    // Apart in hue or depth, and dark enough to read on white as dots; the
    // first is the single bodies' of a belt of one population.
    static QColor const palette[] = {
        {31, 105, 180}, {213, 94, 0},   {0, 150, 90},   {150, 60, 170},
        {200, 40, 110}, {0, 140, 160},  {140, 90, 40},  {110, 110, 0},
        {40, 50, 140},  {230, 160, 0},  {100, 170, 230}, {120, 40, 80},
        {60, 160, 40},  {240, 100, 160}, {0, 90, 70},   {180, 120, 200}};
    return palette[population % (sizeof palette / sizeof palette[0])];
}

namespace {

QColor const frameColour(70, 70, 70);
QColor const gridColour(225, 225, 225);
QColor const centreColour(200, 150, 0);
QColor const planetColour(170, 30, 45);
QColor const orbitColour(110, 110, 110);
QColor const gapColour(215, 48, 39);
QColor const familyColour(26, 150, 65);
// Looks' colours are pale, as surfaces are: they are shown on the dark of
// space, and a body without a surface in grey.
QColor const spaceColour(22, 24, 32);
QColor const spaceGridColour(58, 62, 74);
QColor const noSurfaceColour(140, 140, 140);

struct PanelText {
    QString title, xTitle, yTitle;
};

PanelText panelText(BeltPreview::Panel panel)
{
    switch (panel) {
    case BeltPreview::TopView:
        return {BeltPlot::tr("Seen from above"), BeltPlot::tr("x (AU)"), BeltPlot::tr("y (AU)")};
    case BeltPreview::EdgeOn:
        return {BeltPlot::tr("Seen edge-on"), BeltPlot::tr("x (AU)"), BeltPlot::tr("z (AU)")};
    case BeltPreview::AxisEccentricity:
        return {BeltPlot::tr("Eccentricity"), BeltPlot::tr("semi-major axis (AU)"),
                BeltPlot::tr("eccentricity")};
    case BeltPreview::AxisInclination:
        return {BeltPlot::tr("Inclination"), BeltPlot::tr("semi-major axis (AU)"),
                BeltPlot::tr("inclination (°)")};
    case BeltPreview::RotatingView:
        return {BeltPlot::tr("Turning with the planet"), BeltPlot::tr("x (AU)"),
                BeltPlot::tr("y (AU)")};
    case BeltPreview::AxisAlbedo:
        return {BeltPlot::tr("Albedo"), BeltPlot::tr("semi-major axis (AU)"),
                BeltPlot::tr("geometric albedo")};
    }
    return {};
}

// Maps a panel's axes onto its frame on the paint device; its labels stay
// within bounds.
struct Frame {
    QRectF rect;
    BeltPreview::Axis const *x;
    BeltPreview::Axis const *y;
    QRectF bounds;

    double px(double value) const
    {
        return rect.left() + (value - x->low) / (x->high - x->low) * rect.width();
    }
    double py(double value) const
    {
        return rect.bottom() - (value - y->low) / (y->high - y->low) * rect.height();
    }
};

// Decade axes label their ticks as powers of ten.
QString axisText(double tick, BeltPreview::Axis const &axis, bool decades, QLocale const &locale)
{
    return decades ? BeltPlot::decadeText(tick, locale)
                   : BeltPlot::tickText(tick, axis.step, locale);
}

void drawAxes(QPainter &painter, Frame const &frame, PanelText const &text, QLocale const &locale,
              bool decades = false, bool dark = false)
{
    QFontMetricsF const metrics(painter.font());
    double const gap = metrics.height() * 0.3;
    if (dark)
        painter.fillRect(frame.rect, spaceColour);
    painter.setPen(QPen(dark ? spaceGridColour : gridColour, 1));
    for (double tick : frame.x->ticks)
        painter.drawLine(QPointF(frame.px(tick), frame.rect.top()),
                         QPointF(frame.px(tick), frame.rect.bottom()));
    for (double tick : frame.y->ticks)
        painter.drawLine(QPointF(frame.rect.left(), frame.py(tick)),
                         QPointF(frame.rect.right(), frame.py(tick)));

    painter.setPen(QPen(frameColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.rect);
    double const tickLength = gap * 1.5;
    // Labels too wide for their ticks go on every second tick only.
    double widestX = 0;
    for (double tick : frame.x->ticks)
        widestX = std::max(widestX,
                           metrics.horizontalAdvance(axisText(tick, *frame.x, decades, locale)));
    double const spacing = frame.rect.width() / std::max<std::size_t>(1, frame.x->ticks.size() - 1);
    bool const everySecond = widestX + gap * 2 > spacing;
    for (double tick : frame.x->ticks) {
        double const at = frame.px(tick);
        painter.drawLine(QPointF(at, frame.rect.bottom()),
                         QPointF(at, frame.rect.bottom() + tickLength));
        if (everySecond && std::llround(tick / frame.x->step) % 2 != 0)
            continue;
        QString const label = axisText(tick, *frame.x, decades, locale);
        double const width = metrics.horizontalAdvance(label);
        // Under its tick, but not past the panel's edge.
        double const left = std::clamp(at - width / 2, frame.bounds.left(),
                                       std::max(frame.bounds.left(), frame.bounds.right() - width));
        painter.drawText(QPointF(left, frame.rect.bottom() + tickLength + metrics.ascent()),
                         label);
    }
    double widest = 0;
    for (double tick : frame.y->ticks) {
        double const at = frame.py(tick);
        painter.drawLine(QPointF(frame.rect.left() - tickLength, at),
                         QPointF(frame.rect.left(), at));
        QString const label = axisText(tick, *frame.y, decades, locale);
        double const width = metrics.horizontalAdvance(label);
        widest = std::max(widest, width);
        painter.drawText(QPointF(frame.rect.left() - tickLength - gap - width,
                                 at + metrics.ascent() / 2 - metrics.descent() / 2),
                         label);
    }

    // Axis titles: below the tick labels, and turned up the left side.
    QRectF const below(frame.rect.left(), frame.rect.bottom() + tickLength + metrics.height(),
                       frame.rect.width(), metrics.height() * 1.2);
    painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, text.xTitle);
    painter.save();
    painter.translate(frame.rect.left() - tickLength - gap * 2 - widest, frame.rect.center().y());
    painter.rotate(-90);
    painter.drawText(
        QRectF(-frame.rect.height() / 2, -metrics.height(), frame.rect.height(), metrics.height()),
        Qt::AlignHCenter | Qt::AlignBottom | Qt::TextDontClip, text.yTitle);
    painter.restore();

    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    painter.drawText(QRectF(frame.rect.left(), frame.rect.top() - metrics.height() * 1.4,
                            frame.rect.width(), metrics.height() * 1.2),
                     Qt::AlignHCenter | Qt::AlignBottom | Qt::TextDontClip, text.title);
    painter.restore();
}

// A binary's ring: hollow and thin, so that it covers no more than a single
// body's dot does.
void drawRing(QPainter &painter, QPointF const &at, double size)
{
    painter.drawEllipse(at, size * 0.6, size * 0.6);
}

void ringPen(QPainter &painter, QColor const &colour = BeltPlot::binaryColour)
{
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
}

// Whether the belt's populations are told apart by their colours; a belt of
// one keeps single bodies blue and binaries orange.
bool several(BeltPreview const &preview)
{
    return preview.populations().size() > 1;
}


// The colour of a surface of the preview's (1 on), or grey for none.
QColor surfaceColour(BeltPreview const &preview, std::size_t surface)
{
    if (surface == 0 || surface > preview.surfaces().size())
        return noSurfaceColour;
    auto const &rgb = preview.surfaces()[surface - 1].colour;
    return QColor::fromRgbF(rgb[0], rgb[1], rgb[2]);
}

// Binaries as rings around their places, the single bodies' dots over them:
// neither kind hides the other. Of several populations each in its colour,
// or by looks each in its surface's.
void drawMarkers(QPainter &painter, Frame const &frame, BeltPreview const &preview,
                 std::vector<BeltPreview::Point> const &points, double size, bool looks)
{
    painter.save();
    painter.setClipRect(frame.rect);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QRectF const room = frame.rect.adjusted(-size, -size, size, size);
    std::size_t const groups =
        looks ? preview.surfaces().size() + 1 : preview.populations().size();
    auto const colourOf = [&](std::size_t group, bool binary) {
        return looks              ? surfaceColour(preview, group)
               : several(preview) ? BeltPlot::populationColour(group)
               : binary           ? BeltPlot::binaryColour
                                  : BeltPlot::singleColour;
    };
    std::vector<QVector<QPointF>> singles(groups), binaries(groups);
    for (BeltPreview::Point const &point : points) {
        QPointF const at(frame.px(point.x), frame.py(point.y));
        std::size_t const group = looks ? point.surface : point.population;
        if (room.contains(at) && group < groups)
            (point.binary ? binaries : singles)[group].push_back(at);
    }
    for (std::size_t p = 0; p < groups; ++p) {
        ringPen(painter, colourOf(p, true));
        for (QPointF const &at : binaries[p])
            drawRing(painter, at, size);
    }
    for (std::size_t p = 0; p < groups; ++p) {
        QColor colour = colourOf(p, false);
        colour.setAlphaF(0.8);
        painter.setPen(QPen(colour, size, Qt::SolidLine, Qt::RoundCap));
        painter.drawPoints(singles[p].constData(), singles[p].size());
    }
    painter.restore();
}

// The bodies per cell of a grid over the axes as they are drawn.
BeltPreview::Grid gridOf(std::vector<BeltPreview::Point> const &points, Frame const &frame,
                         int size, std::size_t split, BeltPreview const &preview)
{
    BeltPreview::Grid grid;
    grid.size = size;
    grid.singles.assign(std::size_t(size) * std::size_t(size), 0);
    grid.binaries = grid.singles;
    grid.populations.assign(split * grid.singles.size(), 0);
    auto const &surfaces = preview.surfaces();
    grid.surfaces.assign(surfaces.empty() ? 0 : 4 * grid.singles.size(), 0);
    double const width = frame.x->high - frame.x->low, height = frame.y->high - frame.y->low;
    for (BeltPreview::Point const &point : points) {
        double const column = (point.x - frame.x->low) / width * size;
        double const row = (point.y - frame.y->low) / height * size;
        if (!(column >= 0 && column < size && row >= 0 && row < size))
            continue;
        std::size_t const cell = std::size_t(row) * std::size_t(size) + std::size_t(column);
        ++(point.binary ? grid.binaries : grid.singles)[cell];
        if (point.population < split)
            ++grid.populations[point.population * grid.singles.size() + cell];
        if (point.surface > 0 && point.surface <= surfaces.size()) {
            for (std::size_t c = 0; c < 3; ++c)
                grid.surfaces[4 * cell + c] += float(surfaces[point.surface - 1u].colour[c]);
            grid.surfaces[4 * cell + 3] += 1;
        }
    }
    return grid;
}

// The cells as an image: the hue tells singles from binaries, or with several
// populations it mixes theirs as they share the cell; the depth of the colour
// tells the number of bodies (on a logarithmic scale, so that sparse
// outskirts stay visible next to a dense core).
QImage densityImage(BeltPreview::Grid const &grid, bool looks)
{
    int const size = grid.size;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    std::uint32_t most = 0;
    for (std::size_t cell = 0; cell < grid.singles.size(); ++cell)
        most = std::max(most, grid.singles[cell] + grid.binaries[cell]);
    if (most == 0)
        return image;
    double const scale = 1 / std::log1p(double(most));
    std::size_t const cells = grid.singles.size();
    for (int row = 0; row < size; ++row) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(size - 1 - row));
        for (int column = 0; column < size; ++column) {
            std::size_t const cell = std::size_t(row) * std::size_t(size) + std::size_t(column);
            double const singles = grid.singles[cell];
            double const binaries = grid.binaries[cell];
            double const count = singles + binaries;
            if (count == 0)
                continue;
            double const depth = 0.3 + 0.7 * std::log1p(count) * scale;
            int const alpha = int(std::lround(255 * depth));
            if (looks && !grid.surfaces.empty()) {
                // The mean of the surfaces' colours, grey for the bodies without.
                float const *sums = &grid.surfaces[4 * cell];
                double const none = count - sums[3];
                auto mean = [&](double sum, int grey) {
                    return int(std::lround((sum * 255 + grey * none) / count * depth));
                };
                line[column] = qRgba(mean(sums[0], noSurfaceColour.red()),
                                     mean(sums[1], noSurfaceColour.green()),
                                     mean(sums[2], noSurfaceColour.blue()), alpha);
                continue;
            }
            if (grid.populations.empty()) {
                double const share = binaries / count;
                auto mix = [&](int single, int binary) {
                    return int(std::lround((single * (1 - share) + binary * share) * depth));
                };
                line[column] =
                    qRgba(mix(BeltPlot::singleColour.red(), BeltPlot::binaryColour.red()),
                          mix(BeltPlot::singleColour.green(), BeltPlot::binaryColour.green()),
                          mix(BeltPlot::singleColour.blue(), BeltPlot::binaryColour.blue()),
                          alpha);
                continue;
            }
            double red = 0, green = 0, blue = 0;
            for (std::size_t p = 0; p * cells < grid.populations.size(); ++p) {
                double const part = grid.populations[p * cells + cell] / count;
                QColor const colour = BeltPlot::populationColour(p);
                red += colour.red() * part;
                green += colour.green() * part;
                blue += colour.blue() * part;
            }
            line[column] = qRgba(int(std::lround(red * depth)), int(std::lround(green * depth)),
                                 int(std::lround(blue * depth)), alpha);
        }
    }
    return image;
}

void drawPopulationBars(QPainter &painter, Frame const &frame,
                        BeltPreview::Histogram const &histogram)
{
    painter.save();
    painter.setClipRect(frame.rect);
    painter.setPen(Qt::NoPen);
    std::size_t const bins = histogram.singles.size();
    double const width = (histogram.x.high - histogram.x.low) / double(bins);
    for (std::size_t bin = 0; bin < bins; ++bin) {
        double const left = frame.px(histogram.x.low + double(bin) * width);
        double const right = frame.px(histogram.x.low + double(bin + 1) * width);
        double below = 0;
        for (std::size_t p = 0; p * bins < histogram.populations.size(); ++p) {
            double const above = below + histogram.populations[p * bins + bin];
            if (above > below) {
                painter.setBrush(BeltPlot::populationColour(p));
                painter.drawRect(QRectF(QPointF(left, frame.py(above)),
                                        QPointF(right, frame.py(below))));
            }
            below = above;
        }
    }
    painter.restore();
}

// Bars of bodies per bin, singles below and binaries stacked on them; of
// several populations, each population's bodies stacked in its colour.
void drawHistogram(QPainter &painter, Frame const &frame, BeltPreview::Histogram const &histogram)
{
    if (!histogram.populations.empty())
        return drawPopulationBars(painter, frame, histogram);
    painter.save();
    painter.setClipRect(frame.rect);
    painter.setPen(Qt::NoPen);
    double const bins = double(histogram.singles.size());
    double const width = (histogram.x.high - histogram.x.low) / bins;
    for (std::size_t bin = 0; bin < histogram.singles.size(); ++bin) {
        double const left = histogram.x.low + double(bin) * width;
        double const singles = histogram.singles[bin];
        double const all = singles + histogram.binaries[bin];
        QPointF const lowLeft(frame.px(left), frame.py(0));
        double const right = frame.px(left + width);
        painter.setBrush(BeltPlot::singleColour);
        painter.drawRect(QRectF(QPointF(lowLeft.x(), frame.py(singles)), QPointF(right, lowLeft.y())));
        painter.setBrush(BeltPlot::binaryColour);
        painter.drawRect(QRectF(QPointF(lowLeft.x(), frame.py(all)), QPointF(right, frame.py(singles))));
    }
    painter.restore();
}

// N(>=R) as a line through its steps; of several populations each
// population's own in its colour.
void drawCumulative(QPainter &painter, Frame const &frame, BeltPreview::Cumulative const &sizes)
{
    auto const lineOf = [&](std::vector<BeltPreview::Point> const &steps) {
        QPolygonF line;
        for (BeltPreview::Point const &step : steps)
            line << QPointF(frame.px(step.x), frame.py(step.y));
        return line;
    };
    painter.save();
    painter.setClipRect(frame.rect);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (sizes.populationSteps.empty()) {
        painter.setPen(QPen(BeltPlot::singleColour, 2));
        painter.drawPolyline(lineOf(sizes.steps));
    }
    for (std::size_t p = 0; p < sizes.populationSteps.size(); ++p) {
        painter.setPen(QPen(BeltPlot::populationColour(p), 2));
        painter.drawPolyline(lineOf(sizes.populationSteps[p]));
    }
    painter.restore();
}

void drawCentre(QPainter &painter, Frame const &frame, QString const &name, double size,
                bool dark)
{
    QPointF const at(frame.px(0), frame.py(0));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(centreColour);
    painter.drawEllipse(at, size, size);
    painter.setBrush(Qt::black);
    painter.drawEllipse(at, size * 0.3, size * 0.3);
    if (!name.isEmpty()) {
        painter.setPen(dark ? Qt::white : Qt::black);
        painter.drawText(at + QPointF(size + 2, -size - 2), name);
    }
    painter.restore();
}

// The planet's orbit as a dashed circle, the planet on it, and L3, L4 and L5
// as open triangles, named.
void drawPlanet(QPainter &painter, Frame const &frame, BeltPreview::PlanetMarks const &planet,
                double size)
{
    painter.save();
    painter.setClipRect(frame.rect);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPointF const centre(frame.px(0), frame.py(0));
    double const rx = frame.px(planet.orbitRadius) - centre.x();
    double const ry = centre.y() - frame.py(planet.orbitRadius);
    painter.setPen(QPen(orbitColour, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, rx, ry);

    QFontMetricsF const metrics(painter.font());
    for (auto const &[point, name] : {std::pair{planet.l3, QStringLiteral("L3")},
                                      std::pair{planet.l4, QStringLiteral("L4")},
                                      std::pair{planet.l5, QStringLiteral("L5")}}) {
        QPointF const at(frame.px(point.x), frame.py(point.y));
        double const r = size * 1.6;
        QPolygonF const triangle(QVector<QPointF>{at + QPointF(0, -r),
                                                  at + QPointF(r * 0.87, r * 0.5),
                                                  at + QPointF(-r * 0.87, r * 0.5)});
        painter.setPen(QPen(Qt::white, 3));
        painter.drawPolygon(triangle);
        painter.setPen(QPen(planetColour, 1.5));
        painter.drawPolygon(triangle);
        // Outwards from the centre, clear of the cloud that gathers there.
        QPointF const outwards = at - centre;
        // sqrt rather than hypot: IEEE alone, the same picture everywhere.
        double const length =
            std::sqrt(outwards.x() * outwards.x() + outwards.y() * outwards.y());
        QPointF const away = length > 0 ? outwards / length : QPointF(1, 0);
        QSizeF const textSize(metrics.horizontalAdvance(name) + 4, metrics.height());
        // Where the panel ends too soon, above the point (clear of a cloud
        // that reaches out to it along the orbit), else inwards.
        double const offset = r + 6 + std::max(textSize.width(), textSize.height()) / 2;
        QPointF const half(textSize.width() / 2, textSize.height() / 2);
        QRectF box(at + away * offset - half, textSize);
        if (!frame.rect.contains(box))
            box.moveCenter(at + QPointF(0, -offset));
        if (!frame.rect.contains(box))
            box.moveCenter(at - away * offset);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawRect(box);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(planetColour);
        painter.drawText(box, Qt::AlignCenter, name);
    }
    QPointF const at(frame.px(planet.planet.x), frame.py(planet.planet.y));
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(planetColour);
    painter.drawEllipse(at, size * 1.3, size * 1.3);
    painter.restore();
}

// The planet's resonances behind the bars, as bands as wide as they are; and
// over the bars a line at each one's centre, labelled p:q where the label
// finds room.
void drawResonances(QPainter &painter, Frame const &frame,
                    std::vector<BeltPreview::ResonanceMark> const &marks, bool behind)
{
    using Mark = BeltPreview::ResonanceMark;
    auto const colourOf = [](Mark const &mark) {
        return mark.kind == Mark::Gap ? gapColour
               : mark.kind == Mark::Family ? familyColour
                                           : orbitColour;
    };
    painter.save();
    painter.setClipRect(frame.rect);
    if (behind) {
        painter.setPen(Qt::NoPen);
        for (Mark const &mark : marks) {
            QColor band = colourOf(mark);
            band.setAlphaF(mark.kind == Mark::ChaoticZone ? 0.18 : 0.15);
            painter.setBrush(band);
            painter.drawRect(QRectF(QPointF(frame.px(mark.low), frame.rect.top()),
                                    QPointF(frame.px(mark.high), frame.rect.bottom())));
        }
        painter.restore();
        return;
    }
    QFont small = painter.font();
    small.setPixelSize(10);
    painter.setFont(small);
    QFontMetricsF const metrics(small);
    // Labels that would overlap the one before go on a row below it.
    std::vector<double> rowEnds(3, -std::numeric_limits<double>::infinity());
    for (Mark const &mark : marks) {
        double const x = frame.px(mark.centre);
        if (x < frame.rect.left() || x > frame.rect.right())
            continue;
        painter.setPen(QPen(colourOf(mark), 1, Qt::DashLine));
        painter.drawLine(QPointF(x, frame.rect.top()), QPointF(x, frame.rect.bottom()));
        // The chaotic zone lies around the planet's own orbit.
        QString const label = mark.kind == Mark::ChaoticZone ? BeltPlot::tr("planet")
                                                             : QString::fromStdString(mark.label);
        double const width = metrics.horizontalAdvance(label) + 4;
        // Inside the frame, and clear of the label before.
        double const leftmost = frame.rect.left() + 1;
        double const left = std::clamp(x - width / 2, leftmost,
                                       std::max(leftmost, frame.rect.right() - width - 1));
        auto const row = std::find_if(rowEnds.begin(), rowEnds.end(),
                                      [&](double end) { return left >= end + 2; });
        if (row == rowEnds.end() || left + width > frame.rect.right())
            continue;
        QRectF const box(left, frame.rect.top() + 2 + metrics.height() * double(row - rowEnds.begin()),
                         width, metrics.height());
        *row = box.right();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawRect(box);
        painter.setPen(colourOf(mark).darker(130));
        painter.drawText(box, Qt::AlignCenter, label);
    }
    painter.restore();
}


// The number of bodies and the caption, on the first line. Returns where the
// legend's line begins.
double drawHeader(QPainter &painter, QRectF const &area, BeltPreview const &preview,
                  QString const &caption, QLocale const &locale)
{
    double const line = QFontMetricsF(painter.font()).height();
    QString header =
        preview.bodyCount() < preview.beltSize()
            ? BeltPlot::tr("%1 bodies; %2 of them shown, %3 of those binary")
                  .arg(locale.toString(qulonglong(preview.beltSize())),
                       locale.toString(qulonglong(preview.bodyCount())),
                       locale.toString(qulonglong(preview.binaryCount())))
            : BeltPlot::tr("%1 bodies, %2 of them binary")
                  .arg(locale.toString(qulonglong(preview.bodyCount())),
                       locale.toString(qulonglong(preview.binaryCount())));
    if (!caption.isEmpty())
        header += QStringLiteral(" \u2014 ") + caption;
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left() + line * 0.5, area.top() + line * 0.3, area.width(), line),
                     Qt::AlignLeft | Qt::AlignVCenter, header);
    return area.top() + line * 1.6;
}

struct LegendEntry {
    enum Shape { Dot, Ring, Outlined, Band, DotOnSpace };
    Shape shape;
    QColor colour;
    QString text;
};

void drawLegendMark(QPainter &painter, LegendEntry const &entry, QPointF const &centre,
                    double line)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    double const r = line * 0.3;
    switch (entry.shape) {
    case LegendEntry::Ring:
        ringPen(painter, entry.colour);
        drawRing(painter, centre, r * 1.1);
        break;
    case LegendEntry::Band:
        painter.setPen(Qt::NoPen);
        painter.setBrush(entry.colour);
        painter.drawRect(QRectF(centre - QPointF(r, r * 1.4), QSizeF(r * 2, r * 2.8)));
        break;
    case LegendEntry::DotOnSpace:
        painter.fillRect(QRectF(centre - QPointF(r * 1.6, r * 1.6), QSizeF(r * 3.2, r * 3.2)),
                         spaceColour);
        painter.setPen(Qt::NoPen);
        painter.setBrush(entry.colour);
        painter.drawEllipse(centre, r, r);
        break;
    default:
        painter.setPen(entry.shape == LegendEntry::Outlined ? QPen(Qt::black, 1.2)
                                                            : QPen(Qt::NoPen));
        painter.setBrush(entry.colour);
        painter.drawEllipse(centre, r, r);
    }
    painter.restore();
}

// The shadings of the histogram that the planet's resonances give.
std::vector<LegendEntry> shadingEntries(BeltPreview const &preview)
{
    using Mark = BeltPreview::ResonanceMark;
    std::vector<LegendEntry> entries;
    if (!preview.planet())
        return entries;
    // Those that fall on the histogram.
    BeltPreview::Axis const &axes = preview.axisHistogram().x;
    auto const has = [&](Mark::Kind kind) {
        auto const &marks = preview.planet()->resonances;
        return std::any_of(marks.begin(), marks.end(), [&](Mark const &mark) {
            return mark.kind == kind && mark.high >= axes.low && mark.low <= axes.high;
        });
    };
    auto const band = [](QColor colour, double alpha) {
        colour.setAlphaF(alpha);
        return colour;
    };
    if (has(Mark::Gap))
        entries.push_back({LegendEntry::Band, band(gapColour, 0.3), BeltPlot::tr("resonance gap")});
    if (has(Mark::Family))
        entries.push_back(
            {LegendEntry::Band, band(familyColour, 0.3), BeltPlot::tr("resonant family")});
    if (has(Mark::ChaoticZone))
        entries.push_back(
            {LegendEntry::Band, band(orbitColour, 0.35), BeltPlot::tr("planet's chaotic zone")});
    return entries;
}

// What the colours and shadings mean, from legendY on as many lines as they
// take, and for a dense belt how to read its shades below them. Returns where
// the panels begin.
double drawLegend(QPainter &painter, QRectF const &area, double legendY,
                  BeltPreview const &preview, QString const &centre, bool looks,
                  QLocale const &locale)
{
    QFontMetricsF const metrics(painter.font());
    double const line = metrics.height();
    std::vector<LegendEntry> entries;
    if (looks) {
        // Each surface by its class's name, and the bodies without one.
        for (std::size_t s = 1; s <= preview.surfaces().size(); ++s)
            entries.push_back({LegendEntry::DotOnSpace, surfaceColour(preview, s),
                               QString::fromStdString(preview.surfaces()[s - 1].name)});
        auto const &points = preview.panel(BeltPreview::AxisEccentricity).points;
        if (std::any_of(points.begin(), points.end(),
                        [](BeltPreview::Point const &point) { return point.surface == 0; }))
            entries.push_back(
                {LegendEntry::DotOnSpace, noSurfaceColour, BeltPlot::tr("no surface")});
        if (!preview.dense())
            entries.push_back({LegendEntry::Ring, frameColour, BeltPlot::tr("binary bodies")});
        // The histogram's bars and the sizes' lines keep the populations' colours.
        for (std::size_t p = 0; several(preview) && p < preview.populations().size(); ++p)
            entries.push_back({LegendEntry::Band, BeltPlot::populationColour(p),
                               QString::fromStdString(preview.populations()[p])});
    } else if (several(preview)) {
        // Each population by its name; the ring alone tells a binary.
        for (std::size_t p = 0; p < preview.populations().size(); ++p)
            entries.push_back({LegendEntry::Dot, BeltPlot::populationColour(p),
                               QString::fromStdString(preview.populations()[p])});
        // Shaded cells keep no ring.
        if (!preview.dense())
            entries.push_back({LegendEntry::Ring, frameColour, BeltPlot::tr("binary bodies")});
    } else {
        entries.push_back({LegendEntry::Dot, BeltPlot::singleColour, BeltPlot::tr("single bodies")});
        entries.push_back({LegendEntry::Ring, BeltPlot::binaryColour, BeltPlot::tr("binary bodies")});
    }
    entries.push_back({LegendEntry::Outlined, centreColour,
                       centre.isEmpty() ? BeltPlot::tr("central object")
                                        : BeltPlot::tr("central object (%1)").arg(centre)});
    if (preview.planet())
        entries.push_back(
            {LegendEntry::Dot, planetColour, BeltPlot::tr("planet, its orbit and L3, L4, L5")});
    for (LegendEntry const &shading : shadingEntries(preview))
        entries.push_back(shading);
    double const left = area.left() + line * 0.5;
    double x = left;
    for (LegendEntry const &entry : entries) {
        double const width = line * 0.8 + metrics.horizontalAdvance(entry.text);
        if (x > left && x + width > area.right() - line * 0.5) {
            x = left;
            legendY += line * 1.2;
        }
        drawLegendMark(painter, entry, QPointF(x + line * 0.3, legendY + line * 0.5), line);
        painter.drawText(QPointF(x + line * 0.8, legendY + metrics.ascent()), entry.text);
        x += width + line;
    }
    std::size_t const beyond = preview.beyondViewCount();
    if (!preview.dense() && beyond == 0)
        return legendY + line * 1.6;
    QRectF const room(area.left() + line * 0.5, legendY + line * 1.2, area.width() - line,
                      line * 4);
    int const flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QString text =
        !preview.dense() ? QString()
        : looks ? BeltPlot::tr("Too many bodies to mark one by one: the deeper the colour, the "
                               "more bodies there; its hue mixes the surfaces there.")
        : several(preview)
            ? BeltPlot::tr("Too many bodies to mark one by one: the deeper the colour, the "
                           "more bodies there; its hue mixes those of the populations there.")
            : BeltPlot::tr("Too many bodies to mark one by one: the deeper the colour, the "
                           "more bodies there; the more orange, the more of them binary.");
    if (beyond > 0) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += BeltPlot::tr("%1 bodies of the scattered disc lie beyond the views of space, "
                             "which hold the rest of the belt; the panels of semi-major axes "
                             "show them all.")
                    .arg(locale.toString(qulonglong(beyond)));
    }
    painter.drawText(room, flags, text);
    return painter.boundingRect(room, flags, text).bottom() + line * 0.4;
}

// Six to eight panels, each frame the same square, with room on the left and
// below for the tick labels and axis titles: in rows of two, three or four,
// whichever gives the larger squares. The views of space come first, the
// sizes beside them or last; the panel turning with the planet beside the
// one from above, the albedos after the other panels of semi-major axes.
class PanelGrid {
public:
    using Slot = BeltPlot::Slot;

    PanelGrid(QRectF const &area, double top, QFontMetricsF const &metrics, bool rotating,
              bool albedo)
        : area(area)
        , top(top)
        , line(metrics.height())
        , leftRoom(metrics.horizontalAdvance(QStringLiteral("-0.0000")) + line * 2.2)
        , count(6 + rotating + albedo)
    {
        columns = 2;
        for (int across : {3, 4}) {
            if (sideFor(across) > sideFor(columns))
                columns = across;
        }
        cellWidth = area.width() / columns;
        cellHeight = (area.bottom() - top) / rowsFor(columns);
        side = std::max(10.0, sideFor(columns));
        using B = BeltPlot;
        std::vector<Slot> order{B::TopView};
        if (rotating)
            order.push_back(B::RotatingView);
        order.push_back(B::EdgeOn);
        if (columns == 4 || (columns == 3 && !rotating))
            order.push_back(B::Sizes);
        order.insert(order.end(), {B::Eccentricity, B::Inclination, B::SemiMajorAxes});
        if (albedo)
            order.push_back(B::Albedo);
        if (columns == 2 || (columns == 3 && rotating))
            order.push_back(B::Sizes);
        cells.fill(-1);
        for (std::size_t k = 0; k < order.size(); ++k)
            cells[order[k]] = int(k);
    }

    Frame frame(Slot slot, BeltPreview::Axis const &x, BeltPreview::Axis const &y) const
    {
        int const cell = cells[slot];
        double const cellLeft = area.left() + (cell % columns) * cellWidth;
        double const cellTop = top + (cell / columns) * cellHeight;
        return Frame{QRectF(cellLeft + leftRoom + (cellWidth - leftRoom - line - side) / 2,
                            cellTop + topRoom(), side, side),
                     &x, &y, QRectF(cellLeft, cellTop, cellWidth, cellHeight)};
    }

    double markerSize() const { return std::clamp(side / 90, 2.0, 4.0); }

private:
    double bottomRoom() const { return line * 3.2; }
    double topRoom() const { return line * 1.6; }
    int rowsFor(int across) const { return (count + across - 1) / across; }
    double sideFor(int across) const
    {
        double const rows = rowsFor(across);
        return std::min(area.width() / across - leftRoom - line,
                        (area.bottom() - top) / rows - topRoom() - bottomRoom());
    }

    QRectF area;
    double top;
    double line;
    double leftRoom;
    int count;
    std::array<int, BeltPlot::slotCount> cells;
    int columns;
    double cellWidth;
    double cellHeight;
    double side;
};

// What every panel is drawn with.
struct Canvas {
    QPainter &painter;
    BeltPreview const &preview;
    QLocale const &locale;
    PanelGrid const &grid;
    BeltPlot::Views const &views;
    BeltPlot::Places &places;
    bool looks; // bodies in their surfaces' colours, on the dark of space
};

// The axes of a panel as drawn: the whole, or the part of it in view.
struct ShownAxes {
    BeltPreview::Axis x, y;
    bool zoomed = false;
};

ShownAxes shownAxes(Canvas const &canvas, BeltPlot::Slot slot, BeltPreview::Axis const &x,
                    BeltPreview::Axis const &y)
{
    auto const &view = canvas.views[slot];
    if (!view)
        return {x, y, false};
    return {BeltPreview::viewAxis(view->xLow, view->xHigh),
            BeltPreview::viewAxis(view->yLow, view->yHigh), true};
}

Frame placed(Canvas const &canvas, BeltPlot::Slot slot, ShownAxes const &axes)
{
    canvas.places[slot] = {QRectF(), axes.x, axes.y};
    BeltPlot::Place &place = canvas.places[slot];
    Frame const frame = canvas.grid.frame(slot, place.x, place.y);
    place.frame = frame.rect;
    return frame;
}

void drawDensity(QPainter &painter, QRectF const &target, BeltPreview::Grid const &grid,
                 bool looks)
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, densityImage(grid, looks));
    painter.restore();
}

// The bodies of a panel: one marker each, or as shaded cells when there are
// too many to mark; in a view zoomed into, the cells are counted again over it
// where the bodies were kept, else the whole panel's cells are enlarged.
void drawBodies(Canvas const &canvas, Frame const &frame, BeltPreview::PanelData const &data,
                bool zoomed)
{
    if (!canvas.preview.dense()) {
        drawMarkers(canvas.painter, frame, canvas.preview, data.points, canvas.grid.markerSize(),
                    canvas.looks);
        return;
    }
    if (!zoomed)
        return drawDensity(canvas.painter, frame.rect, data.grid, canvas.looks);
    if (!data.points.empty())
        return drawDensity(canvas.painter, frame.rect,
                           gridOf(data.points, frame, data.grid.size,
                                  several(canvas.preview) ? canvas.preview.populations().size()
                                                          : 0,
                                  canvas.preview),
                           canvas.looks);
    canvas.painter.save();
    canvas.painter.setClipRect(frame.rect);
    drawDensity(canvas.painter,
                QRectF(QPointF(frame.px(data.x.low), frame.py(data.y.high)),
                       QPointF(frame.px(data.x.high), frame.py(data.y.low))),
                data.grid, canvas.looks);
    canvas.painter.restore();
}

// A panel of bodies in space or in their elements, as axes and bodies.
Frame drawBodyPanel(Canvas const &canvas, BeltPreview::Panel panel, BeltPlot::Slot slot)
{
    BeltPreview::PanelData const &data = canvas.preview.panel(panel);
    ShownAxes const axes = shownAxes(canvas, slot, data.x, data.y);
    Frame const frame = placed(canvas, slot, axes);
    drawAxes(canvas.painter, frame, panelText(panel), canvas.locale, false, canvas.looks);
    drawBodies(canvas, frame, data, axes.zoomed);
    return frame;
}

double centreSize(Canvas const &canvas)
{
    return std::max(3.0, canvas.grid.markerSize() * 1.3);
}

// The central object, where it is in view.
void drawCentreShown(Canvas const &canvas, Frame const &frame, QString const &centre)
{
    canvas.painter.save();
    canvas.painter.setClipRect(frame.bounds);
    if (frame.rect.contains(QPointF(frame.px(0), frame.py(0))))
        drawCentre(canvas.painter, frame, centre, centreSize(canvas), canvas.looks);
    canvas.painter.restore();
}

// The belt from above, with the planet, its orbit and its Lagrange points.
void drawTopView(Canvas const &canvas, QString const &centre)
{
    Frame const frame = drawBodyPanel(canvas, BeltPreview::TopView, BeltPlot::TopView);
    if (canvas.preview.planet())
        drawPlanet(canvas.painter, frame, *canvas.preview.planet(), centreSize(canvas));
    drawCentreShown(canvas, frame, centre);
}

// The belt turning with the planet: each body turned back by the planet's
// longitude, so that the planet stays on the +x axis and L4 at +60 degrees.
void drawRotatingView(Canvas const &canvas, QString const &centre)
{
    auto const &planet = canvas.preview.planet();
    if (!planet || !canvas.preview.shows(BeltPreview::RotatingView))
        return;
    Frame const frame = drawBodyPanel(canvas, BeltPreview::RotatingView, BeltPlot::RotatingView);
    drawPlanet(canvas.painter, frame, BeltPreview::turned(*planet), centreSize(canvas));
    drawCentreShown(canvas, frame, centre);
}

void drawAlbedos(Canvas const &canvas)
{
    if (canvas.preview.shows(BeltPreview::AxisAlbedo))
        drawBodyPanel(canvas, BeltPreview::AxisAlbedo, BeltPlot::Albedo);
}

void drawEdgeOn(Canvas const &canvas, QString const &centre)
{
    Frame const frame = drawBodyPanel(canvas, BeltPreview::EdgeOn, BeltPlot::EdgeOn);
    drawCentreShown(canvas, frame, centre);
}

// Eccentricity or inclination against the semi-major axis.
void drawElement(Canvas const &canvas, BeltPreview::Panel panel)
{
    drawBodyPanel(canvas, panel,
                  panel == BeltPreview::AxisEccentricity ? BeltPlot::Eccentricity
                                                         : BeltPlot::Inclination);
}

void drawSizes(Canvas const &canvas)
{
    BeltPreview::Cumulative const &sizes = canvas.preview.sizeDistribution();
    Frame const frame = placed(canvas, BeltPlot::Sizes, {sizes.x, sizes.y, false});
    drawAxes(canvas.painter, frame,
             {BeltPlot::tr("Sizes"), BeltPlot::tr("radius R (km)"),
              BeltPlot::tr("N(radius ≥ R)")},
             canvas.locale, true);
    drawCumulative(canvas.painter, frame, sizes);
}

// The semi-major axes within a view, counted again in as many bins as the
// whole has.
BeltPreview::Histogram histogramWithin(BeltPreview const &preview, BeltPreview::Axis const &x)
{
    BeltPreview::Histogram histogram;
    histogram.x = x;
    int const bins = BeltPreview::histogramBins;
    histogram.singles.assign(bins, 0);
    histogram.binaries.assign(bins, 0);
    std::size_t const split = several(preview) ? preview.populations().size() : 0;
    histogram.populations.assign(split * std::size_t(bins), 0);
    double const width = x.high - x.low;
    for (BeltPreview::Point const &point : preview.panel(BeltPreview::AxisEccentricity).points) {
        double const bin = (point.x - x.low) / width * bins;
        if (!(bin >= 0 && bin < bins))
            continue;
        ++(point.binary ? histogram.binaries : histogram.singles)[std::size_t(bin)];
        if (point.population < split)
            ++histogram.populations[point.population * std::size_t(bins) + std::size_t(bin)];
    }
    std::uint32_t fullest = 1;
    for (int bin = 0; bin < bins; ++bin)
        fullest = std::max(fullest, histogram.singles[std::size_t(bin)] +
                                        histogram.binaries[std::size_t(bin)]);
    histogram.y = BeltPreview::roundAxis(0, fullest);
    return histogram;
}

// The histogram, between the planet's resonances behind and their lines and
// labels over it. A view narrows its semi-major axes; its height follows them.
void drawSemiMajorAxes(Canvas const &canvas)
{
    BeltPreview::Histogram const &whole = canvas.preview.axisHistogram();
    auto const &view = canvas.views[BeltPlot::SemiMajorAxes];
    bool const recount =
        view && !canvas.preview.panel(BeltPreview::AxisEccentricity).points.empty();
    BeltPreview::Histogram const histogram =
        recount ? histogramWithin(canvas.preview, BeltPreview::viewAxis(view->xLow, view->xHigh))
                : whole;
    ShownAxes axes{histogram.x, histogram.y, false};
    if (view && !recount)
        axes.x = BeltPreview::viewAxis(view->xLow, view->xHigh);
    Frame const frame = placed(canvas, BeltPlot::SemiMajorAxes, axes);
    drawAxes(canvas.painter, frame,
             {BeltPlot::tr("Semi-major axes"), BeltPlot::tr("semi-major axis (AU)"),
              BeltPlot::tr("bodies")},
             canvas.locale);
    auto const &planet = canvas.preview.planet();
    if (planet)
        drawResonances(canvas.painter, frame, planet->resonances, true);
    drawHistogram(canvas.painter, frame, histogram);
    if (planet)
        drawResonances(canvas.painter, frame, planet->resonances, false);
}

} // namespace

bool BeltPlot::registerFont()
{
    static bool const registered = [] {
        bool loaded = true;
        for (char const *face : {":/fonts/DejaVuSans.ttf", ":/fonts/DejaVuSans-Bold.ttf"})
            loaded = QFontDatabase::addApplicationFont(QString::fromLatin1(face)) >= 0 && loaded;
        return loaded;
    }();
    return registered;
}

QFont BeltPlot::font()
{
    registerFont();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    // Hinting is the platform's choice and moves every glyph.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

QString BeltPlot::decadeText(double k, QLocale const &locale)
{
    int const power = int(std::lround(k));
    if (power < -4 || power > 5)
        return QStringLiteral("1e%1").arg(power);
    return locale.toString(std::pow(10.0, power), 'f', std::max(0, -power));
}

QString BeltPlot::tickText(double value, double step, QLocale const &locale)
{
    if (std::fabs(value) < step * 1e-6)
        value = 0; // not "-0" nor a rounding residue
    double const largest = std::max(std::fabs(value), step);
    if (largest >= 1e6 || step < 1e-5)
        return locale.toString(value, 'g', 3);
    int const decimals = std::max(0, -int(std::floor(std::log10(step) + 1e-9)));
    return locale.toString(value, 'f', decimals);
}

BeltPlot::Places BeltPlot::draw(QPainter &painter, QRectF const &area,
                                BeltPreview const &preview, QString const &centre,
                                QString const &caption, QLocale const &locale, Views const &views,
                                Colours colours)
{
    painter.save();
    painter.setFont(font());
    double const legendY = drawHeader(painter, area, preview, caption, locale);
    bool const looks = colours == Colours::Looks && hasLooks(preview);
    double const top = drawLegend(painter, area, legendY, preview, centre, looks, locale);
    PanelGrid const grid(area, top, QFontMetricsF(painter.font()),
                         preview.shows(BeltPreview::RotatingView),
                         preview.shows(BeltPreview::AxisAlbedo));
    Places places;
    Canvas const canvas{painter, preview, locale, grid, views, places, looks};
    drawTopView(canvas, centre);
    drawRotatingView(canvas, centre);
    drawAlbedos(canvas);
    drawEdgeOn(canvas, centre);
    drawElement(canvas, BeltPreview::AxisEccentricity);
    drawElement(canvas, BeltPreview::AxisInclination);
    drawSizes(canvas);
    drawSemiMajorAxes(canvas);
    painter.restore();
    return places;
}

QImage BeltPlot::image(BeltPreview const &preview, QSize size, QString const &centre,
                       QString const &caption, QLocale const &locale, Colours colours)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)), preview, centre, caption, locale, {},
         colours);
    painter.end();
    return image;
}

QImage BeltPlot::picture(BeltPreview const &preview, QString const &centre, std::uint32_t seed,
                         QLocale const &locale, Colours colours)
{
    // Room for four panels with readable labels.
    QSize const size(1000, 1000);
    return image(preview, size, centre, tr("seed %1").arg(seed), locale, colours);
}

QString BeltPlot::savePng(QImage const &image, QString const &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return file.errorString();
    return {};
}
