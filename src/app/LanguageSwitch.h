// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

class QAction;
class QTranslator;
class QWidget;

// The window's language: the catalogue installed at start (the system's
// language, else English), the Language menu's entries, and the numbers as
// the chosen language writes them.
class LanguageSwitch {
public:
    LanguageSwitch(QWidget *window, QAction *english, QAction *german, QAction *french);

    // Installs the system's catalogue, else the English one.
    void installSystemLanguage();
    QLocale const &numbers() const { return numberLocale; }

private:
    void switchTo(QString const &catalogue, QLocale::Language language);

    QTranslator *translator;
    QLocale numberLocale;
};
