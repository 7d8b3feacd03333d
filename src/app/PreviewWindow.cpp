// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewWindow.h"

#include "RandomSource.h"
#include "Recipe.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// Whole numbers from 0 to largestSeed, the seeds an engine takes.
class SeedValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        if (input.isEmpty())
            return Intermediate;
        if (input.size() > 10)
            return Invalid;
        for (QChar c : input) {
            if (c < '0' || c > '9')
                return Invalid;
        }
        return input.toULongLong() <= largestSeed ? Acceptable : Invalid;
    }
};

// Every setting counts, those of the planet and the distributions too: the
// recipe's text holds each of them to its last bit.
bool sameSettings(Settings const &a, Settings const &b)
{
    Recipe first, second;
    first.settings = a;
    second.settings = b;
    return recipeText(first) == recipeText(second);
}

// The width of a panel's x axis when it is shown whole.
double wholeWidth(BeltPreview const &preview, BeltPlot::Slot slot)
{
    BeltPreview::Axis const &axis =
        slot == BeltPlot::TopView || slot == BeltPlot::RotatingView
            ? preview.panel(BeltPreview::TopView).x
        : slot == BeltPlot::Albedo       ? preview.panel(BeltPreview::AxisAlbedo).x
        : slot == BeltPlot::EdgeOn       ? preview.panel(BeltPreview::EdgeOn).x
        : slot == BeltPlot::Eccentricity ? preview.panel(BeltPreview::AxisEccentricity).x
        : slot == BeltPlot::Inclination  ? preview.panel(BeltPreview::AxisInclination).x
        : slot == BeltPlot::Sizes        ? preview.sizeDistribution().x
                                         : preview.axisHistogram().x;
    return axis.high - axis.low;
}

// Long enough that typing a number does not start a belt per digit, short
// enough that the picture follows within a moment of the last key.
constexpr int debounceMs = 120;

} // namespace

PreviewComputer::PreviewComputer(QObject *parent)
    : QObject(parent)
{
}

PreviewComputer::~PreviewComputer() = default;

void PreviewComputer::request(Settings const &settings, std::uint32_t seed, std::uint64_t serial)
{
    jobs.post([this, settings, seed, serial](std::atomic<bool> const &stop) {
        auto preview = BeltPreview::ofBelt(settings, seed, &stop);
        if (!preview)
            return;
        auto shared = std::make_shared<BeltPreview const>(std::move(*preview));
        // Queued to this object's thread; dropped if the object is gone.
        QMetaObject::invokeMethod(
            this, [this, shared, serial] { emit ready(shared, serial); }, Qt::QueuedConnection);
    });
}

PlotView::PlotView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Small enough for the preview to fit beside the form on a small
    // screen; the panels' labels still read.
    // Low enough for the preview below the form on a small screen.
    setMinimumSize(360, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PlotView::setPreview(std::shared_ptr<BeltPreview const> preview, QString const &centre)
{
    shown = std::move(preview);
    centreName = centre;
    update();
}

void PlotView::setColours(BeltPlot::Colours colours)
{
    shownColours = colours;
    update();
}

void PlotView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (shown)
        drawn = BeltPlot::draw(painter, rect(), *shown, centreName, QString(), locale(),
                               shownViews, shownColours);
}

// The sizes' panel counts in whole decades and is not zoomed.
std::optional<BeltPlot::Slot> PlotView::slotAt(QPointF const &point) const
{
    if (!shown)
        return std::nullopt;
    for (std::size_t slot = 0; slot < BeltPlot::slotCount; ++slot) {
        if (slot != BeltPlot::Sizes && drawn[slot].frame.contains(point))
            return BeltPlot::Slot(slot);
    }
    return std::nullopt;
}

BeltPlot::Range PlotView::rangeOf(BeltPlot::Slot slot) const
{
    if (shownViews[slot])
        return *shownViews[slot];
    BeltPlot::Place const &place = drawn[slot];
    return {place.x.low, place.x.high, place.y.low, place.y.high};
}

bool PlotView::zoom(QPointF const &point, double factor)
{
    std::optional<BeltPlot::Slot> const slot = slotAt(point);
    if (!slot)
        return false;
    BeltPlot::Place const &place = drawn[*slot];
    BeltPlot::Range const now = rangeOf(*slot);
    double const x = now.xLow + (point.x() - place.frame.left()) / place.frame.width() *
                                    (now.xHigh - now.xLow);
    double const y = now.yLow + (place.frame.bottom() - point.y()) / place.frame.height() *
                                    (now.yHigh - now.yLow);
    BeltPlot::Range next{x - (x - now.xLow) * factor, x + (now.xHigh - x) * factor,
                         y - (y - now.yLow) * factor, y + (now.yHigh - y) * factor};
    // The histogram's height follows the bodies in view.
    if (*slot == BeltPlot::SemiMajorAxes)
        next.yLow = now.yLow, next.yHigh = now.yHigh;
    // No closer than a millionth of the values' size, no further than the whole.
    double const finest = 1e-6 * std::max({std::fabs(x), std::fabs(y), 1e-300});
    if (factor < 1 && next.xHigh - next.xLow < finest)
        return true;
    if (factor > 1 && next.xHigh - next.xLow >= wholeWidth(*shown, *slot))
        shownViews[*slot].reset();
    else
        shownViews[*slot] = next;
    update();
    return true;
}

void PlotView::resetViews()
{
    shownViews = {};
    update();
}

void PlotView::wheelEvent(QWheelEvent *event)
{
    double const steps = event->angleDelta().y() / 120.0;
    if (steps == 0 || !zoom(event->position(), std::pow(0.8, steps)))
        return QWidget::wheelEvent(event);
    event->accept();
}

void PlotView::mousePressEvent(QMouseEvent *event)
{
    dragged = event->button() == Qt::LeftButton ? slotAt(event->localPos()) : std::nullopt;
    if (!dragged)
        return QWidget::mousePressEvent(event);
    dragStart = event->pos();
    dragRange = rangeOf(*dragged);
    setCursor(Qt::ClosedHandCursor);
}

void PlotView::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragged)
        return QWidget::mouseMoveEvent(event);
    QRectF const frame = drawn[*dragged].frame;
    QPoint const moved = event->pos() - dragStart;
    double const dx = moved.x() / frame.width() * (dragRange.xHigh - dragRange.xLow);
    double const dy = *dragged == BeltPlot::SemiMajorAxes
                          ? 0
                          : moved.y() / frame.height() * (dragRange.yHigh - dragRange.yLow);
    shownViews[*dragged] = BeltPlot::Range{dragRange.xLow - dx, dragRange.xHigh - dx,
                                           dragRange.yLow + dy, dragRange.yHigh + dy};
    update();
}

void PlotView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!dragged)
        return QWidget::mouseReleaseEvent(event);
    dragged.reset();
    unsetCursor();
}

void PlotView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseDoubleClickEvent(event);
    resetViews();
}
PreviewWindow::PreviewWindow(QWidget *parent)
    : QWidget(parent)
    , seedLabel(new QLabel)
    , seedEdit(new QLineEdit)
    , newSeedButton(new QPushButton)
    , copyButton(new QPushButton)
    , coloursLabel(new QLabel)
    , coloursBox(new QComboBox)
    , noteLabel(new QLabel)
    , warningLabel(new QLabel)
    , statusLabel(new QLabel)
    , plot(new PlotView)
    , debounce(new QTimer(this))
    , computer(new PreviewComputer(this))
{
    setObjectName("PreviewWindow");
    // A window does not take its parent's font, and the system's may be one
    // the form never asked for (under wine a large serif): use the form's.
    if (parent)
        setFont(parent->font());
    seedEdit->setObjectName("lineEdit_seed");
    newSeedButton->setObjectName("pushButton_newSeed");
    copyButton->setObjectName("pushButton_copySeed");
    statusLabel->setObjectName("label_previewStatus");
    // Wrapped rather than widening the preview beside the colours' choice.
    statusLabel->setWordWrap(true);
    coloursBox->setObjectName("comboBox_previewColours");
    coloursLabel->setBuddy(coloursBox);
    coloursBox->addItems({QString(), QString()});
    plot->setObjectName("plotView");

    seedEdit->setValidator(new SeedValidator(seedEdit));
    seedEdit->setMaxLength(10);
    seedEdit->setMinimumWidth(
        seedEdit->fontMetrics().horizontalAdvance(QString::number(largestSeed)) + 24);
    seedLabel->setBuddy(seedEdit);
    noteLabel->setWordWrap(true);
    warningLabel->setObjectName("label_previewWarnings");
    warningLabel->setWordWrap(true);
    warningLabel->setStyleSheet(QStringLiteral("QLabel { background: #ffecb0; padding: 4px; }"));
    warningLabel->hide();

    // The seed and its buttons, on two lines where the preview is narrow.
    auto *seedPart = new QHBoxLayout;
    seedPart->addWidget(seedLabel);
    seedPart->addWidget(seedEdit);
    auto *seedButtons = new QHBoxLayout;
    seedButtons->addWidget(newSeedButton);
    seedButtons->addWidget(copyButton);
    seedButtons->addStretch(1);
    seedRow = new QBoxLayout(QBoxLayout::LeftToRight);
    seedRow->addLayout(seedPart);
    seedRow->addLayout(seedButtons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(seedRow);
    layout->addWidget(noteLabel);
    layout->addWidget(warningLabel);
    layout->addWidget(plot, 1);
    // Below the picture, where it takes no width from the seed's row.
    auto *statusRow = new QHBoxLayout;
    statusRow->addWidget(statusLabel, 1);
    statusRow->addWidget(coloursLabel);
    statusRow->addWidget(coloursBox);
    layout->addLayout(statusRow);

    debounce->setSingleShot(true);
    debounce->setInterval(debounceMs);
    connect(debounce, &QTimer::timeout, this, [this] { compute(); });
    connect(seedEdit, &QLineEdit::textChanged, this, [this] { schedule(); });
    connect(newSeedButton, &QPushButton::clicked, this, [this] { drawSeed(); });
    connect(copyButton, &QPushButton::clicked, this, [this] {
        if (auto const current = seed())
            QApplication::clipboard()->setText(QString::number(*current));
    });
    connect(coloursBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this] { plot->setColours(colours()); });
    connect(computer, &PreviewComputer::ready, this,
            [this](std::shared_ptr<BeltPreview const> preview, std::uint64_t done) {
                display(std::move(preview), done);
            });
    retranslate();
    updateColours();
}

// The least width is that of the seed's row on two lines; it takes one line
// wherever it fits.
void PreviewWindow::measureSeedRow()
{
    QBoxLayout::Direction const shown = seedRow->direction();
    int widths[2] = {};
    for (auto const direction : {QBoxLayout::TopToBottom, QBoxLayout::LeftToRight}) {
        seedRow->setDirection(direction);
        layout()->invalidate();
        widths[direction == QBoxLayout::LeftToRight] = layout()->totalMinimumSize().width();
    }
    seedRow->setDirection(shown);
    layout()->invalidate();
    oneLineWidth = widths[1];
    setMinimumWidth(widths[0]);
    arrangeSeedRow();
}

void PreviewWindow::arrangeSeedRow()
{
    auto const direction =
        width() >= oneLineWidth ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (direction != seedRow->direction())
        seedRow->setDirection(direction);
}

void PreviewWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrangeSeedRow();
}

void PreviewWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Measured once the style has polished the buttons.
    measureSeedRow();
}

void PreviewWindow::setSettings(Settings const &newSettings)
{
    if (settings && sameSettings(*settings, newSettings))
        return;
    settings = newSettings;
    schedule();
}

void PreviewWindow::setNumbers(QLocale const &numbers)
{
    plot->setLocale(numbers);
    plot->update();
}

void PreviewWindow::setWarnings(QStringList const &warnings)
{
    warningLabel->setText(warnings.join('\n'));
    warningLabel->setVisible(!warnings.isEmpty());
}

std::optional<std::uint32_t> PreviewWindow::seed() const
{
    QString text = seedEdit->text();
    int position = 0;
    if (seedEdit->validator()->validate(text, position) != QValidator::Acceptable)
        return std::nullopt;
    return static_cast<std::uint32_t>(text.toULongLong());
}

void PreviewWindow::setSeed(std::uint32_t newSeed)
{
    seedEdit->setText(QString::number(newSeed));
}

bool PreviewWindow::drawSeed()
{
    if (auto const drawn = RandomSource::drawSeed()) {
        setSeed(*drawn);
        return true;
    }
    QMessageBox::warning(this, windowTitle(),
                         tr("No seed could be drawn from the system's random source. Enter a "
                            "seed from 0 to %1 instead.")
                             .arg(largestSeed));
    return false;
}

bool PreviewWindow::busy() const
{
    return waiting || debounce->isActive();
}

BeltPlot::Colours PreviewWindow::colours() const
{
    auto const shown = plot->preview();
    return coloursBox->currentIndex() == 1 && shown && BeltPlot::hasLooks(*shown)
               ? BeltPlot::Colours::Looks
               : BeltPlot::Colours::Populations;
}

// The choice is kept while a belt without looks is shown, and counts again
// once one with looks is.
void PreviewWindow::updateColours()
{
    auto const shown = plot->preview();
    bool const looks = shown && BeltPlot::hasLooks(*shown);
    coloursBox->setEnabled(looks);
    coloursLabel->setEnabled(looks);
    plot->setColours(colours());
}

std::shared_ptr<BeltPreview const> PreviewWindow::shownPreview() const
{
    return plot->preview();
}

void PreviewWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        measureSeedRow();
        plot->update();
    }
    QWidget::changeEvent(event);
}

// Escape closes the preview undocked, as it closes a dialog; beside the form
// it stays. A key press, not a shortcut: while a run goes on, the shortcut
// that stops it takes Escape first.
void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    auto *dock = qobject_cast<QDockWidget *>(parentWidget());
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        (!dock || dock->isFloating()))
        (dock ? static_cast<QWidget *>(dock) : this)->close();
    else
        QWidget::keyPressEvent(event);
}

void PreviewWindow::retranslate()
{
    setWindowTitle(tr("Belt Preview"));
    if (auto *dock = qobject_cast<QDockWidget *>(parentWidget()))
        dock->setWindowTitle(windowTitle());
    seedLabel->setText(tr("&Seed:"));
    seedEdit->setToolTip(tr("A whole number from 0 to %1. The same settings and seed "
                            "always give the same belt.")
                             .arg(largestSeed));
    newSeedButton->setText(tr("&New Seed"));
    newSeedButton->setToolTip(tr("Draw a new seed from the system's random source"));
    copyButton->setText(tr("&Copy"));
    copyButton->setToolTip(tr("Copy the seed to the clipboard"));
    coloursLabel->setText(tr("Colo&urs:"));
    coloursBox->setItemText(0, tr("By population"));
    coloursBox->setItemText(1, tr("By surface"));
    coloursBox->setToolTip(tr("Colour the bodies by their population, or in the colour their "
                              "looks give them in the catalogue (only for a belt with a "
                              "composition)"));
    noteLabel->setText(tr("This is the belt that Generate writes: while the preview is shown, "
                          "Generate uses this seed. Once it is hidden, every run draws a new "
                          "seed. Zoom with the mouse wheel, drag to move, double-click to see "
                          "the whole."));
    updateStatus();
}

void PreviewWindow::schedule()
{
    waiting = settings && seed();
    debounce->start();
    updateStatus();
}

void PreviewWindow::compute()
{
    std::optional<std::uint32_t> const current = seed();
    if (!settings || !current) {
        waiting = false;
        updateStatus();
        return;
    }
    if (requestedSettings && sameSettings(*requestedSettings, *settings) &&
        requestedSeed == current) {
        waiting = shownSerial != serial;
        updateStatus();
        return;
    }
    requestedSettings = settings;
    requestedSeed = current;
    waiting = true;
    computer->request(*settings, *current, ++serial);
    updateStatus();
}

void PreviewWindow::display(std::shared_ptr<BeltPreview const> preview, std::uint64_t done)
{
    // A picture of an older request that was not stopped in time.
    if (done != serial)
        return;
    drawnSeed = requestedSeed;
    shownSerial = done;
    plot->setPreview(std::move(preview), QString::fromStdString(requestedSettings->beltCenter));
    updateColours();
    waiting = debounce->isActive();
    updateStatus();
    emit previewShown();
}

void PreviewWindow::updateStatus()
{
    if (!seed())
        statusLabel->setText(tr("Enter a seed from 0 to %1 to see the belt.").arg(largestSeed));
    else if (waiting)
        statusLabel->setText(tr("Drawing the belt\u2026"));
    else if (drawnSeed)
        statusLabel->setText(tr("Seed %1").arg(*drawnSeed));
    else
        statusLabel->clear();
}
