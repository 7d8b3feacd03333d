// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>

class QAction;
class QMainWindow;
class QMenu;
class Ui_MainWindow;

// The window's menus beyond those of the designer form: the file menu with
// the recipes and the examples, the preview's menu, the presets and the about
// box's entry. The window connects the actions.
class WindowMenus {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    WindowMenus(QMainWindow *window, Ui_MainWindow &ui);

    // The texts, in the language of the moment.
    void retranslate();

    QAction *openRecipe = nullptr;
    QList<QAction *> examples; // in the order of the core's examples
    QAction *saveRecipe = nullptr;
    QAction *quit = nullptr;
    QAction *preview = nullptr;
    QAction *savePicture = nullptr;
    QAction *about = nullptr;

private:
    void fillPresetMenu(QMenu *presets);

    QMenu *fileMenu = nullptr;
    QMenu *exampleMenu = nullptr;
    QMenu *previewMenu = nullptr;
};
