// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowMenus.h"

#include "Examples.h"
#include "Presets.h"
#include "ui_MainWindow.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

#include <algorithm>

namespace {

// The examples' menu texts, for the translations' catalogue.
[[maybe_unused]] char const *const exampleNames[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Main belt"),
    QT_TRANSLATE_NOOP("MainWindow", "Jupiter Trojans"),
    QT_TRANSLATE_NOOP("MainWindow", "Hildas"),
    QT_TRANSLATE_NOOP("MainWindow", "Kuiper belt"),
};

} // namespace

// The form's three menus come with it; the file menu goes before them and the
// preview's after.
WindowMenus::WindowMenus(QMainWindow *window, Ui_MainWindow &ui)
{
    auto newAction = [window](char const *name, QKeySequence const &keys = {}) {
        auto *action = new QAction(window);
        action->setObjectName(name);
        action->setShortcut(keys);
        return action;
    };
    preview = newAction("action_preview", QKeySequence(Qt::CTRL | Qt::Key_P));
    preview->setCheckable(true);
    savePicture = newAction("action_savePicture");
    openRecipe = newAction("action_openRecipe", QKeySequence(Qt::CTRL | Qt::Key_O));
    for (ExampleInfo const &example : ::examples()) {
        QString const name =
            QString::fromUtf8(example.shortName.data(), int(example.shortName.size()));
        examples << newAction(qPrintable("action_example_" + name));
    }
    saveRecipe = newAction("action_saveRecipe", QKeySequence(Qt::CTRL | Qt::Key_S));
    quit = newAction("action_quit", QKeySequence(Qt::CTRL | Qt::Key_Q));
    about = newAction("action_about");

    fileMenu = new QMenu(window);
    fileMenu->setObjectName("menu_file");
    fileMenu->addAction(openRecipe);
    exampleMenu = fileMenu->addMenu(QString());
    exampleMenu->setObjectName("menu_openExample");
    for (QAction *action : examples)
        exampleMenu->addAction(action);
    fileMenu->addAction(saveRecipe);
    fileMenu->addSeparator();
    fileMenu->addAction(quit);
    window->menuBar()->insertMenu(window->menuBar()->actions().value(0), fileMenu);

    previewMenu = window->menuBar()->addMenu(QString());
    previewMenu->setObjectName("menu_preview");
    previewMenu->addAction(preview);
    previewMenu->addAction(savePicture);
    ui.menu_info->addAction(about);
    fillPresetMenu(ui.menu_loadPreset);
}

// Each item carries its preset; the menu lists them by their texts, capitals first.
void WindowMenus::fillPresetMenu(QMenu *presets)
{
    auto sorted = presetTable;
    std::sort(sorted.begin(), sorted.end(),
              [](PresetInfo const &a, PresetInfo const &b) { return a.menuText < b.menuText; });
    for (PresetInfo const &info : sorted) {
        auto *action = presets->addAction(
            QString::fromUtf8(info.menuText.data(), int(info.menuText.size())));
        action->setData(info.preset);
    }
}

void WindowMenus::retranslate()
{
    fileMenu->setTitle(tr("&File"));
    openRecipe->setText(tr("&Open Recipe…"));
    exampleMenu->setTitle(tr("Open &Example"));
    // The examples' names come from the core, in English; the catalogue has them.
    for (int k = 0; k < examples.size(); ++k)
        examples[k]->setText(tr(std::string(::examples()[std::size_t(k)].menuText).c_str()));
    saveRecipe->setText(tr("&Save Recipe…"));
    quit->setText(tr("&Quit"));
    previewMenu->setTitle(tr("&View"));
    preview->setText(tr("&Belt Preview and Seed"));
    savePicture->setText(tr("Save &Picture…"));
    about->setText(tr("&About Beltwright"));
}
