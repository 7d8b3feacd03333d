// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusLine.h"

#include <QAction>
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
    , stop(new QToolButton(bar))
    , stopKey(new QAction(stop))
{
    QString const mid = QApplication::palette().color(QPalette::Mid).name();
    bar->setStyleSheet("QStatusBar {border-top: 1px solid " + mid +
                       ";}QStatusBar QProgressBar { margin-right: 2px;}QStatusBar QLabel "
                       "{ margin-left: 1px;} ");
    bar->addPermanentWidget(status);
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
    // to replace the file. Being the button's, it works only while the button
    // is shown; a modal dialog keeps Escape for itself.
    stopKey->setObjectName("action_stop");
    stopKey->setShortcut(QKeySequence(Qt::Key_Escape));
    stopKey->setShortcutContext(Qt::ApplicationShortcut);
    stop->addAction(stopKey);
    QObject::connect(stopKey, &QAction::triggered, stop, &QToolButton::click);
    stop->hide();
    progress->hide();
    progress->setMaximumHeight(15);
    progress->setTextVisible(false);
    progress->setRange(0, 100);
    progress->setValue(0);
    status->setText(tr("Ready"));
    // The seed of the latest run, for copying; hidden until the first run.
    seedLabel->setObjectName("label_seed");
    seedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar->addPermanentWidget(seedLabel);
    seedLabel->hide();
}

void StatusLine::showPhase(bool saving)
{
    status->setText(saving ? tr("Saving") : tr("Generating"));
    progress->show();
    stop->show();
}

void StatusLine::showReady()
{
    status->setText(tr("Ready"));
    progress->hide();
    stop->hide();
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
}
