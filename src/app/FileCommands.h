// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileDialogs.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

class PreviewSeeds;
class QWidget;
class SettingsForm;
class StatusLine;

// The files the window reads and writes besides catalogues: recipes, opened
// and saved, and the preview's picture. Each save is told in the status bar.
class FileCommands {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    FileCommands(QWidget *window, SettingsForm *form, FileDialogs &dialogs, PreviewSeeds &seeds,
                 StatusLine &status);

    void openRecipe();
    void saveRecipe();
    void savePicture(QLocale const &numbers);

private:
    std::optional<std::uint32_t> seedAndFile(FileDialogs::Kind kind, QString &path);
    QString beltStem() const;

    QWidget *window;
    SettingsForm *form;
    FileDialogs &dialogs;
    PreviewSeeds &seeds;
    StatusLine &status;
};
