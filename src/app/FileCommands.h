// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileDialogs.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

struct ExampleInfo;
struct Recipe;
class PreviewSeeds;
class QMimeData;
class QWidget;
class SettingsForm;
class StatusLine;

// The files the window reads and writes besides catalogues: recipes, opened
// and saved, the examples built in, and the preview's picture. Each save is told in the status bar.
class FileCommands {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    FileCommands(QWidget *window, SettingsForm *form, FileDialogs &dialogs, PreviewSeeds &seeds,
                 StatusLine &status);

    void openRecipe();
    // A recipe named otherwise than by the dialog: on the command line, dropped.
    void openRecipeFile(QString const &path);
    void openExample(ExampleInfo const &example);
    // The one local file of a drag, if it is a recipe; else empty.
    static QString droppedRecipe(QMimeData const *data);
    void saveRecipe();
    void savePicture(QLocale const &numbers);

private:
    std::optional<std::uint32_t> seedAndFile(FileDialogs::Kind kind, QString &path);
    QString beltStem() const;
    void loadRecipe(Recipe const &recipe);

    QWidget *window;
    SettingsForm *form;
    FileDialogs &dialogs;
    PreviewSeeds &seeds;
    StatusLine &status;
};
