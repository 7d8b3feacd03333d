// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewWindow.h"

#include "BeltPlot.h"
#include "RandomSource.h"
#include "ThreadScope.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>

#include <tuple>

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

bool sameSettings(Settings const &a, Settings const &b)
{
    auto fields = [](Settings const &s) {
        return std::tie(s.objectType, s.beltName, s.beltCenter, s.barycenter, s.totalMass, s.number,
                        s.populations, s.referencePlane, s.epoch);
    };
    return fields(a) == fields(b);
}

// Long enough that typing a number does not start a belt per digit.
constexpr int debounceMs = 250;

} // namespace

PreviewComputer::PreviewComputer(QObject *parent)
    : QObject(parent)
    , thread([this] { work(); })
{}

PreviewComputer::~PreviewComputer()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        quit = true;
        cancel = true;
    }
    wake.notify_all();
    thread.join();
}

void PreviewComputer::request(Settings const &settings, std::uint32_t seed, std::uint64_t serial)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        pending = Request{settings, seed, serial};
        cancel = true; // the belt in progress is no longer wanted
    }
    wake.notify_all();
}

void PreviewComputer::work()
{
    ThreadScope const scope;
    for (;;) {
        Request next;
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait(lock, [this] { return quit || pending; });
            if (quit)
                return;
            next = std::move(*pending);
            pending.reset();
            cancel = false;
        }
        auto preview = BeltPreview::ofBelt(next.settings, next.seed, &cancel);
        if (!preview)
            continue;
        auto shared = std::make_shared<BeltPreview const>(std::move(*preview));
        std::uint64_t const serial = next.serial;
        // Queued to this object's thread; dropped if the object is gone.
        QMetaObject::invokeMethod(
            this, [this, shared, serial] { emit ready(shared, serial); }, Qt::QueuedConnection);
    }
}

PlotView::PlotView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(480, 420);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PlotView::setPreview(std::shared_ptr<BeltPreview const> preview, QString const &centre)
{
    shown = std::move(preview);
    centreName = centre;
    update();
}

void PlotView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (shown)
        BeltPlot::draw(painter, rect(), *shown, centreName, QString(), locale());
}

PreviewWindow::PreviewWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , seedLabel(new QLabel)
    , seedEdit(new QLineEdit)
    , newSeedButton(new QPushButton)
    , copyButton(new QPushButton)
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

    auto *seedRow = new QHBoxLayout;
    seedRow->addWidget(seedLabel);
    seedRow->addWidget(seedEdit);
    seedRow->addWidget(newSeedButton);
    seedRow->addWidget(copyButton);
    seedRow->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(seedRow);
    layout->addWidget(noteLabel);
    layout->addWidget(warningLabel);
    layout->addWidget(plot, 1);
    layout->addWidget(statusLabel);

    debounce->setSingleShot(true);
    debounce->setInterval(debounceMs);
    connect(debounce, &QTimer::timeout, this, [this] { compute(); });
    connect(seedEdit, &QLineEdit::textChanged, this, [this] { schedule(); });
    connect(newSeedButton, &QPushButton::clicked, this, [this] { drawSeed(); });
    connect(copyButton, &QPushButton::clicked, this, [this] {
        if (auto const current = seed())
            QApplication::clipboard()->setText(QString::number(*current));
    });
    connect(computer, &PreviewComputer::ready, this,
            [this](std::shared_ptr<BeltPreview const> preview, std::uint64_t done) {
                display(std::move(preview), done);
            });
    retranslate();
    resize(820, 760);
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

std::shared_ptr<BeltPreview const> PreviewWindow::shownPreview() const
{
    return plot->preview();
}

void PreviewWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        plot->update();
    }
    QWidget::changeEvent(event);
}

// Escape closes the preview as it closes a dialog. A key press, not a
// shortcut: while a run goes on, the shortcut that stops it takes Escape first.
void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void PreviewWindow::retranslate()
{
    setWindowTitle(tr("Belt Preview"));
    seedLabel->setText(tr("&Seed:"));
    seedEdit->setToolTip(tr("A whole number from 0 to %1. The same settings and seed "
                            "always give the same belt.")
                             .arg(largestSeed));
    newSeedButton->setText(tr("&New Seed"));
    newSeedButton->setToolTip(tr("Draw a new seed from the system's random source"));
    copyButton->setText(tr("&Copy"));
    copyButton->setToolTip(tr("Copy the seed to the clipboard"));
    noteLabel->setText(tr("This is the belt that Generate writes: while this window is open, "
                          "Generate uses this seed. Once it is closed, every run draws a new "
                          "seed."));
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
