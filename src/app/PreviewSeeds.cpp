// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewSeeds.h"

#include "PreviewWindow.h"
#include "RandomSource.h"
#include "SettingsForm.h"
#include "WindowMessages.h"

#include <QDockWidget>
#include <QMainWindow>

PreviewSeeds::PreviewSeeds(QMainWindow *window, SettingsForm *form)
    : window(window)
    , form(form)
{
}

// The seed a run starts with: the preview's while it is open, else one drawn
// from the system now, so that it is known before the run begins.
std::optional<std::uint32_t> PreviewSeeds::forRun(QString const &previewKeys)
{
    if (previewOpen())
        return previewSeed();
    if (fixed)
        return fixed;
    if (auto const drawn = RandomSource::drawSeed())
        return drawn;
    WindowMessages::show(window, WindowMessages::noSystemSeed(previewKeys));
    return std::nullopt;
}

// The seed a recipe or a picture is saved with: the preview's while it is
// open, else the latest run's. Before the first run the preview opens with a
// seed of its own, so that the seed saved is shown and the next run uses it.
std::optional<std::uint32_t> PreviewSeeds::onShow()
{
    if (previewOpen())
        return previewSeed();
    if (latestSeed)
        return latestSeed;
    return open(std::nullopt)->seed();
}

std::optional<std::uint32_t> PreviewSeeds::next() const
{
    return previewOpen() ? preview->seed() : fixed;
}

bool PreviewSeeds::previewOpen() const
{
    // Shown beside the form or apart, whether or not the window is now.
    return preview && preview->isVisibleTo(window);
}

// The seed in the open preview; nothing, with a warning, while it holds none.
std::optional<std::uint32_t> PreviewSeeds::previewSeed()
{
    std::optional<std::uint32_t> const shown = preview->seed();
    if (!shown)
        WindowMessages::show(window, WindowMessages::noPreviewSeed());
    return shown;
}

PreviewWindow *PreviewSeeds::open(std::optional<std::uint32_t> withSeed)
{
    if (!preview) {
        holder = new QDockWidget(window);
        holder->setObjectName("dock_preview");
        holder->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
        preview = new PreviewWindow(holder);
        preview->setNumbers(numbers);
        holder->setWidget(preview);
        holder->setWindowTitle(preview->windowTitle());
        window->addDockWidget(Qt::RightDockWidgetArea, holder);
        // Shown again, it draws the form as it is now.
        QObject::connect(holder, &QDockWidget::visibilityChanged, preview,
                         [this](bool visible) {
                             if (visible)
                                 formChanged();
                         });
    }
    if (withSeed)
        preview->setSeed(*withSeed);
    else if (!preview->seed())
        preview->drawSeed();
    holder->show();
    formChanged();
    holder->raise();
    if (holder->isFloating())
        holder->activateWindow();
    return preview;
}

// Every change of the form reaches the open preview.
void PreviewSeeds::formChanged()
{
    if (previewOpen()) {
        preview->setSettings(form->settings());
        preview->setWarnings(form->warningTexts());
    }
}

void PreviewSeeds::languageChanged(QLocale const &newNumbers)
{
    numbers = newNumbers;
    if (preview)
        preview->setNumbers(numbers);
    formChanged();
}

BeltPlot::Colours PreviewSeeds::colours() const
{
    return previewOpen() ? preview->colours() : BeltPlot::Colours::Populations;
}
