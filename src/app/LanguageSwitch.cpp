// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageSwitch.h"

#include <QAction>
#include <QApplication>
#include <QTranslator>

namespace {

QString const catalogueDirectory = QStringLiteral(":/i18n");

// A language's name in that language, with its first letter upper-cased.
QString ownName(QLocale::Language language)
{
    QString name = QLocale(language).nativeLanguageName();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

} // namespace

LanguageSwitch::LanguageSwitch(QWidget *window, QAction *english, QAction *german,
                               QAction *french)
    : translator(new QTranslator(window))
{
    english->setText(QStringLiteral("&English"));
    german->setText('&' + ownName(QLocale::German));
    french->setText('&' + ownName(QLocale::French));
    QObject::connect(english, &QAction::triggered, window,
                     [this] { switchTo("lang_en", QLocale::English); });
    QObject::connect(german, &QAction::triggered, window,
                     [this] { switchTo("lang_de", QLocale::German); });
    QObject::connect(french, &QAction::triggered, window,
                     [this] { switchTo("lang_fr", QLocale::French); });
}

void LanguageSwitch::installSystemLanguage()
{
    QString const language = QLocale::system().name().left(2);
    if (translator->load("lang_" + language, catalogueDirectory) ||
        translator->load(QStringLiteral("lang_en"), catalogueDirectory))
        QApplication::installTranslator(translator);
}

void LanguageSwitch::switchTo(QString const &catalogue, QLocale::Language language)
{
    // Numbers as the chosen language writes them, in the system's country
    // when it speaks that language.
    numberLocale = QLocale::system().language() == language ? QLocale::system() : QLocale(language);
    if (translator->load(catalogue, catalogueDirectory))
        QApplication::installTranslator(translator);
}
