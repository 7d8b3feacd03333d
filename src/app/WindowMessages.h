// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CatalogueFile.h"
#include "SettingsCheck.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

class QLocale;
class QWidget;

// The window's words for refused settings, odd bounds, failed saves and seeds
// that cannot be had, in the language of the moment.
class WindowMessages {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // The label of the form's field.
    static QString fieldName(SettingsProblem::Field field);
    static QString refusal(std::vector<SettingsProblem> const &problems);
    static QString unreadable(QStringList const &fields);
    // Numbers in the locale the form shows them in.
    static QString warning(SettingsWarning const &warning, QLocale const &locale);
    static QString saveError(SaveError const &error);
    static QString noPreviewSeed();
    static QString noSystemSeed(QString const &previewShortcut);

    // A warning box titled like the window.
    static void show(QWidget *window, QString const &text);
    // A failed save; the one after which the file was replaced but may not be
    // on the disk yet gets a wording of its own.
    static void showSaveError(QWidget *window, SaveError const &error);

private:
    static QString problem(SettingsProblem const &problem);
    static QString systemError(int code);
};
