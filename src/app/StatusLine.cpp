// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusLine.h"

#include <QAction>
#include "SettingsCheck.h"

#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolButton>

StatusLine::StatusLine(QStatusBar *bar)
    : progress(new QProgressBar(bar))
    , status(new QLabel(bar))
    , seedLabel(new QLabel(bar))
    , saved(new QLabel(bar))
    , cost(new QLabel(bar))
    , stop(new QToolButton(bar))
    , stopKey(new QAction(progress))
    , estimator(new RunCostEstimator(bar))
{
    QString const mid = QApplication::palette().color(QPalette::Mid).name();
    bar->setStyleSheet("QStatusBar {border-top: 1px solid " + mid +
                       ";}QStatusBar QProgressBar { margin-right: 2px;}QStatusBar QLabel "
                       "{ margin-left: 1px;} ");
    bar->addPermanentWidget(status);
    // The expected size and time, beside the status text while no run goes on.
    cost->setObjectName("label_cost");
    bar->addPermanentWidget(cost);
    // What the last save did, beside the status text; empty until then. It
    // takes the room the status text took, so that the text stays on the left.
    saved->setObjectName("label_saved");
    // A long file name is cut off rather than pushing the seed out of sight.
    saved->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addPermanentWidget(saved, 1);
    bar->addPermanentWidget(progress, 2);
    stop->setObjectName("toolButton_stop");
    bar->addPermanentWidget(stop);
    // The status bar takes the height of its tallest widget, shown or not:
    // the button must not make it taller than the text.
    stop->setMaximumHeight(status->sizeHint().height());
    // Escape stops a run from any of the program's windows, the preview
    // included, where it would otherwise close the preview and leave the run
    // to replace the file. Being the progress bar's (a tool button would show
    // it as a menu), it works only while a run is shown; a modal dialog keeps
    // Escape for itself.
    stopKey->setObjectName("action_stop");
    stopKey->setShortcut(QKeySequence(Qt::Key_Escape));
    stopKey->setShortcutContext(Qt::ApplicationShortcut);
    progress->addAction(stopKey);
    QObject::connect(stopKey, &QAction::triggered, stop, &QToolButton::click);
    stop->hide();
    progress->hide();
    progress->setMaximumHeight(15);
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setAlignment(Qt::AlignCenter);
    QObject::connect(progress, &QProgressBar::valueChanged, bar, [this] { showTimeLeft(); });
    QObject::connect(estimator, &RunCostEstimator::ready, bar, [this](RunCost measured) {
        expected = measured;
        showCost();
    });
    status->setText(tr("Ready"));
    // The seed of the latest run, for copying; hidden until the first run.
    seedLabel->setObjectName("label_seed");
    seedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar->addPermanentWidget(seedLabel);
    seedLabel->hide();
}

void StatusLine::showPhase(bool savingNow)
{
    saving = savingNow;
    status->setText(saving ? tr("Saving") : tr("Generating"));
    cost->hide();
    progress->show();
    stop->show();
    showTimeLeft();
}

void StatusLine::showReady()
{
    status->setText(tr("Ready"));
    progress->hide();
    stop->hide();
    runExpected.reset();
    showCost();
}

void StatusLine::setLastSave(std::function<QString()> text)
{
    lastSaveText = std::move(text);
    saved->setText(lastSaveText ? lastSaveText() : QString());
    saved->setToolTip(saved->text());
}

void StatusLine::runStarted(std::uint32_t newSeed)
{
    setLastSave({});
    runExpected = expected;
    runClock.start();
    saving = false;
    seed = newSeed;
    seedLabel->setText(tr("Seed: %1").arg(*seed));
    seedLabel->show();
}

void StatusLine::showSaved(std::uint64_t entries, QString const &file, QLocale const &numbers)
{
    setLastSave([entries, file, &numbers] {
        return entries == 1
                   ? tr("Saved 1 entry to %1").arg(file)
                   : tr("Saved %1 entries to %2").arg(numbers.toString(qulonglong(entries)), file);
    });
}

void StatusLine::showStopped()
{
    setLastSave([] { return tr("Stopped: nothing was saved"); });
}

void StatusLine::retranslate()
{
    stop->setText(tr("Stop"));
    stop->setToolTip(tr("Stop the run (%1): an existing file is left as it was")
                         .arg(stopKey->shortcut().toString(QKeySequence::NativeText)));
    setLastSave(lastSaveText);
    if (seed)
        seedLabel->setText(tr("Seed: %1").arg(*seed));
    showCost();
    showTimeLeft();
}

void StatusLine::estimate(Settings const &settings, std::optional<std::uint32_t> withSeed,
                          QLocale const &newNumbers)
{
    numbers = &newNumbers;
    // A belt the run would refuse has no cost to show.
    if (!checkSettings(settings).empty()) {
        expected.reset();
        showCost();
        return;
    }
    estimator->request(settings, withSeed.value_or(1));
}

namespace {

// A file's size in the units of the decimal system.
QString sizeText(std::uint64_t bytes, QLocale const &numbers)
{
    if (bytes < 1000)
        return StatusLine::tr("%1 bytes").arg(bytes);
    char const *const units[] = {"kB", "MB", "GB", "TB"};
    double value = double(bytes) / 1000;
    int unit = 0;
    for (; value >= 999.5 && unit < 3; ++unit)
        value /= 1000;
    return numbers.toString(value, 'f', value < 99.95 ? 1 : 0) + QChar(0x00a0) +
           QLatin1String(units[unit]);
}

QString durationText(double seconds, QLocale const &numbers)
{
    if (seconds < 1)
        return StatusLine::tr("under 1 s");
    if (seconds < 90)
        return StatusLine::tr("about %1 s").arg(numbers.toString(qlonglong(seconds + 0.5)));
    return StatusLine::tr("about %1 min").arg(numbers.toString(qlonglong(seconds / 60 + 0.5)));
}

} // namespace

void StatusLine::showCost()
{
    cost->setVisible(expected && !runExpected && numbers && progress->isHidden());
    if (!expected || !numbers) {
        cost->clear();
        return;
    }
    cost->setText(tr("Expected: %1 in %2")
                      .arg(sizeText(expected->bytes, *numbers),
                           durationText(expected->seconds, *numbers)));
    cost->setToolTip(tr("The size of the catalogue and the time to make it, worked out from "
                        "a sample of the belt drawn with these settings"));
}

QString StatusLine::largeBeltCaption() const
{
    constexpr std::uint64_t large = 100'000'000;
    if (!expected || !numbers || expected->bytes < large)
        return {};
    return tr("Save the catalogue: %1, made in %2")
        .arg(sizeText(expected->bytes, *numbers), durationText(expected->seconds, *numbers));
}

// The time left from the share of the work done so far, the generating and
// the saving weighed as the estimate found them.
void StatusLine::showTimeLeft()
{
    progress->setTextVisible(runExpected.has_value() && numbers);
    if (!runExpected || !numbers)
        return;
    double const done = progress->value() / 100.0;
    double const share = runExpected->generatingShare;
    double const fraction = saving ? share + (1 - share) * done : share * done;
    double const elapsed = runClock.elapsed() / 1000.0;
    double const left = fraction > 0.05 && elapsed > 0.5 ? elapsed * (1 - fraction) / fraction
                                                         : runExpected->seconds - elapsed;
    progress->setFormat(tr("%1 left").arg(durationText(std::max(0.0, left), *numbers)));
}
