// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CatalogueFile.h"
#include "Recipe.h"
#include "SettingsCheck.h"
#include "SettingsWords.h"

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
    // The name messages give a setting, in the language of the moment.
    static QString fieldName(SettingRow const &row);
    // Each problem of a population names it from settings.
    static QString refusal(std::vector<SettingsProblem> const &problems,
                           Settings const &settings);
    static QString unreadable(QStringList const &fields);
    // Why the form's belt cannot be generated, or nothing: fields that
    // cannot be read, settings the check refuses, a belt of no body.
    static QString whyNotRun(QStringList const &unreadableFields, Settings const &settings,
                             PlanetZones const &zones);
    // Numbers in the locale the form shows them in.
    static QString warning(SettingsWarning const &warning, QLocale const &locale,
                           Settings const &settings);
    static QString saveError(SaveError const &error);
    // Why a file is not a recipe: its name, the line and what is wrong there.
    static QString recipeError(RecipeError const &error, QString const &path);
    // The form took a recipe, but these fields show its values rounded.
    static QString roundedByForm(QStringList const &fields);
    static QString recipeNotSaved(SaveError const &error);
    static QString pictureNotSaved(QString const &path, QString const &reason);
    // Fields whose text cannot be read, when the form is to be kept.
    static QString unreadableNotKept(QStringList const &fields);
    static QString noPreviewSeed();
    // A belt of no bodies, which would make an empty catalogue.
    static QString noBodies();
    static QString noSystemSeed(QString const &previewShortcut);

    // Asked when the window is closed during a run; true to stop and close.
    static bool askStopAndClose(QWidget *window);
    // A warning box titled like the window.
    static void show(QWidget *window, QString const &text);
    // A failed save; the one after which the file was replaced but may not be
    // on the disk yet gets a wording of its own.
    static void showSaveError(QWidget *window, SaveError const &error);

private:
    static QString problem(SettingsProblem const &problem, Settings const &settings);
    // A sentence about one population names it first.
    static QString ofPopulation(QString const &text, int population, Settings const &settings);
    // Each setting by its name, each number in the locale given.
    static QString worded(Wording const &wording, QLocale const &locale);
    static QString systemError(int code);
};
