// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowMessages.h"

#include "RandomSource.h"

#include <QAbstractButton>
#include <QLocale>
#include <QMessageBox>
#include <QWidget>

#include <cerrno>
#include <system_error>

QString WindowMessages::fieldName(SettingRow const &row)
{
    return row.label ? QCoreApplication::translate("MainWindow", row.label) : QString();
}

QString WindowMessages::worded(Wording const &wording, QLocale const &locale)
{
    std::vector<std::string> args;
    for (Wording::Arg const &arg : wording.args) {
        SettingRow const *row = arg.setting.empty() ? nullptr : findSetting(arg.setting);
        QString const name = row ? fieldName(*row)
                             : arg.setting.empty() ? locale.toString(arg.number, 'g', 15)
                                                   : QString();
        args.push_back(name.toStdString());
    }
    QString const text = QCoreApplication::translate("MainWindow", wording.text);
    return QString::fromStdString(filledIn(text.toStdString(), args));
}

QString WindowMessages::refusal(std::vector<SettingsProblem> const &problems,
                                Settings const &settings)
{
    QString text = tr("No belt was generated: the catalogue could not be read with these "
                      "settings.");
    for (SettingsProblem const &each : problems)
        text += "\n\n\u2022 " + problem(each, settings);
    return text;
}

QString WindowMessages::unreadable(QStringList const &fields)
{
    return tr("No belt was generated: these fields hold text that cannot be read as a number "
              "in their range: %1. Write a number with one decimal point (a point or a comma), "
              "without digit grouping and with no more decimals than the field shows.")
        .arg(fields.join(QStringLiteral(", ")));
}

QString WindowMessages::whyNotRun(QStringList const &unreadableFields, Settings const &settings,
                                  PlanetZones const &zones)
{
    if (!unreadableFields.isEmpty())
        return unreadable(unreadableFields);
    std::vector<SettingsProblem> const problems = checkSettings(settings, zones);
    if (!problems.empty())
        return refusal(problems, settings);
    return settings.number == 0 ? noBodies() : QString();
}

QString WindowMessages::ofPopulation(QString const &text, int population,
                                     Settings const &settings)
{
    // A belt of one population needs no name for it.
    if (population < 0 || std::size_t(population) >= settings.populations.size() ||
        settings.populations.size() < 2)
        return text;
    return QCoreApplication::translate("MainWindow", populationWording(FrontEnd::Window))
        .arg(population + 1)
        .arg(QString::fromStdString(settings.populations[std::size_t(population)].name), text);
}

QString WindowMessages::problem(SettingsProblem const &problem, Settings const &settings)
{
    return ofPopulation(worded(problemWording(problem, FrontEnd::Window), QLocale()),
                        problem.population, settings);
}

QString WindowMessages::warning(SettingsWarning const &warning, QLocale const &locale,
                                Settings const &settings)
{
    return ofPopulation(worded(warningWording(warning, FrontEnd::Window), locale),
                        warning.population, settings);
}

QString WindowMessages::saveError(SaveError const &error)
{
    QString const path = QString::fromStdString(error.path);
    QString const reason = systemError(error.code);
    switch (error.step) {
    case SaveError::NoPath: return tr("No output file was given.");
    case SaveError::Open: return tr("Cannot open \"%1\": %2.").arg(path, reason);
    case SaveError::Create: return tr("Cannot create \"%1\": %2.").arg(path, reason);
    case SaveError::Permissions:
        return tr("Cannot set the permissions of \"%1\": %2.").arg(path, reason);
    case SaveError::Write: return tr("Cannot write \"%1\": %2.").arg(path, reason);
    case SaveError::Sync: return tr("Cannot sync \"%1\" to the disk: %2.").arg(path, reason);
    case SaveError::Close: return tr("Cannot finish writing \"%1\": %2.").arg(path, reason);
    case SaveError::Replace: return tr("Cannot replace \"%1\": %2.").arg(path, reason);
    case SaveError::NotFinite:
        return tr("Cannot write \"%1\": a body got an infinite or undefined number, which the "
                  "catalogue's reader cannot take. Nothing was saved.")
            .arg(path);
    case SaveError::SyncDirectory:
        // The file is in place already; only its safety is in doubt.
        return tr("\"%1\" was replaced, but its folder could not be synced to the disk: %2. A "
                  "system crash now could lose the new catalogue.")
            .arg(path, reason);
    }
    return {};
}

QString WindowMessages::recipeError(RecipeError const &error, QString const &path)
{
    auto const text = [](std::string const &bytes) { return QString::fromStdString(bytes); };
    auto const number = [](double value) { return QString::fromStdString(numberText(value)); };
    QString detail;
    switch (error.kind) {
    case RecipeError::CannotRead:
        return tr("The recipe \"%1\" could not be read: %2.").arg(path, systemError(error.code));
    case RecipeError::TooLarge:
        return tr("\"%1\" is not a recipe: it is far larger than one.").arg(path);
    case RecipeError::NotUtf8: detail = tr("the line is not UTF-8 text."); break;
    case RecipeError::NoVersion:
        detail = tr("a recipe starts with the line \"%1 = %2\".")
                     .arg(text(std::string(Recipe::versionKey)))
                     .arg(Recipe::version);
        break;
    case RecipeError::UnknownVersion:
        detail = tr("recipe version %1 is not known; this program reads version %2.")
                     .arg(text(error.value))
                     .arg(Recipe::version);
        break;
    case RecipeError::NotASetting:
        detail = tr("\"%1\" is not a setting: write key = value, or start a comment with #.")
                     .arg(text(error.value));
        break;
    case RecipeError::UnknownKey: {
        QStringList keys;
        for (std::string_view key : recipeKeys())
            keys << QString::fromUtf8(key.data(), int(key.size()));
        detail = tr("unknown key \"%1\"; the keys are %2.")
                     .arg(text(error.key), keys.join(QStringLiteral(", ")));
        break;
    }
    case RecipeError::DuplicateKey:
        detail =
            tr("%1 is given again (first on line %2).").arg(text(error.key)).arg(error.firstLine);
        break;
    case RecipeError::MissingKey: detail = tr("the recipe has no %1.").arg(text(error.key)); break;
    case RecipeError::TooManyPopulations:
        detail = tr("a belt holds at most %1 populations.").arg(int(largestPopulationCount));
        break;
    case RecipeError::BadValue: {
        QString accepted;
        switch (error.accepted) {
        case RecipeError::Number:
            accepted = tr("give a number from %1 to %2, with a decimal point")
                           .arg(number(error.range.minimum), number(error.range.maximum));
            break;
        case RecipeError::WholeNumber:
            accepted = tr("give a whole number from %1 to %2")
                           .arg(number(error.range.minimum), number(error.range.maximum));
            break;
        case RecipeError::Word: {
            QStringList words;
            for (std::string_view word : error.words)
                words << QString::fromUtf8(word.data(), int(word.size()));
            accepted = tr("give one of %1").arg(words.join(QStringLiteral(", ")));
            break;
        }
        case RecipeError::Text: accepted = tr("give UTF-8 text in double quotes"); break;
        case RecipeError::TrueOrFalse: accepted = tr("give true or false"); break;
        }
        detail =
            tr("%1: \"%2\" is not accepted: %3.").arg(text(error.key), text(error.value), accepted);
        break;
    }
    }
    return tr("The recipe \"%1\" could not be read. Line %2: %3")
               .arg(path)
               .arg(error.line)
               .arg(detail) +
           "\n\n" + tr("The form was left as it was.");
}

QString WindowMessages::roundedByForm(QStringList const &fields)
{
    return tr("The form shows fewer decimals than the recipe gives for %1, and makes the belt "
              "of the values it shows. beltwright-cli --recipe makes the recipe's own belt.")
        .arg(fields.join(QStringLiteral(", ")));
}

QString WindowMessages::recipeNotSaved(SaveError const &error)
{
    return tr("The recipe could not be saved.") + "\n\n" + saveError(error);
}

QString WindowMessages::pictureNotSaved(QString const &path, QString const &reason)
{
    return tr("The picture could not be saved to \"%1\": %2").arg(path, reason);
}

QString WindowMessages::unreadableNotKept(QStringList const &fields)
{
    return tr("These fields hold text that cannot be read as a number in their range: %1. "
              "Correct them first.")
        .arg(fields.join(QStringLiteral(", ")));
}

QString WindowMessages::noBodies()
{
    return tr("The belt would have no body, so no catalogue was written: set the number of "
              "objects to 1 or more.");
}

QString WindowMessages::noPreviewSeed()
{
    return tr("The belt preview holds no valid seed. Enter a seed from 0 to %1 there, "
              "or hide the preview to draw a new seed for each run.")
        .arg(largestSeed);
}

QString WindowMessages::noSystemSeed(QString const &previewShortcut)
{
    return tr("No seed could be drawn from the system's random source, so no belt was "
              "generated. Enter a seed in the belt preview (%1) to generate one.")
        .arg(previewShortcut);
}

void WindowMessages::show(QWidget *window, QString const &text)
{
    QMessageBox::warning(window, window->windowTitle(), text);
}

void WindowMessages::showSaveError(QWidget *window, SaveError const &error)
{
    if (error.step == SaveError::SyncDirectory)
        show(window, saveError(error));
    else
        show(window, tr("The catalogue could not be saved.") + "\n\n" + saveError(error));
}

// The system's reasons that a save meets in practice, in the window's
// language; any other in the system's words.
QString WindowMessages::systemError(int code)
{
    switch (code) {
    case ENOENT: return tr("No such file or directory");
    case EACCES: return tr("Permission denied");
    case EPERM: return tr("Operation not permitted");
    case EISDIR: return tr("Is a directory");
    case ENOTDIR: return tr("Not a directory");
    case ENOSPC: return tr("No space left on device");
#ifdef EDQUOT // Windows has no disk quotas in its C library
    case EDQUOT: return tr("Disk quota exceeded");
#endif
    case EFBIG: return tr("File too large");
    case EROFS: return tr("Read-only file system");
    case EIO: return tr("Input/output error");
    case ENAMETOOLONG: return tr("File name too long");
    case ELOOP: return tr("Too many levels of symbolic links");
    case EBUSY: return tr("Device or resource busy");
    }
    return QString::fromStdString(std::error_code(code, std::generic_category()).message());
}

bool WindowMessages::askStopAndClose(QWidget *window)
{
    QMessageBox question(QMessageBox::Question, window->windowTitle(),
                         tr("A belt is being generated. Stop it and close the window?"),
                         QMessageBox::Yes | QMessageBox::No, window);
    question.setDefaultButton(QMessageBox::No);
    // The toolkit's own button texts are not translated by our catalogue.
    question.button(QMessageBox::Yes)->setText(tr("&Yes"));
    question.button(QMessageBox::No)->setText(tr("&No"));
    return question.exec() == QMessageBox::Yes;
}
