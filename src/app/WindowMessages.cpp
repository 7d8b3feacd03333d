// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowMessages.h"

#include "RandomSource.h"

#include <QLocale>
#include <QMessageBox>
#include <QWidget>

#include <cerrno>
#include <system_error>

QString WindowMessages::fieldName(SettingsProblem::Field field)
{
    switch (field) {
    case SettingsProblem::BeltName: return tr("Belt name");
    case SettingsProblem::BeltCenter: return tr("Center object");
    case SettingsProblem::TotalMass: return tr("Total mass");
    case SettingsProblem::InnerRadius: return tr("Belt inner radius");
    case SettingsProblem::OuterRadius: return tr("Belt outer radius");
    case SettingsProblem::MinRadius: return tr("Min radius");
    case SettingsProblem::MaxRadius: return tr("Max radius");
    case SettingsProblem::MinEccentricity: return tr("Min eccentricity");
    case SettingsProblem::MaxEccentricity: return tr("Max eccentricity");
    case SettingsProblem::MaxInclination: return tr("Max inclination");
    case SettingsProblem::Epoch: return tr("Epoch");
    case SettingsProblem::RadiusSlope: return tr("Size slope");
    case SettingsProblem::EccentricityMode: return tr("Eccentricity mode");
    case SettingsProblem::InclinationMode: return tr("Inclination mode");
    case SettingsProblem::SurfaceDensitySlope: return tr("Surface density slope");
    case SettingsProblem::PlanetSemiMajorAxis: return tr("Planet's semi-major axis");
    case SettingsProblem::PlanetMass: return tr("Planet's mass");
    case SettingsProblem::CentralMass: return tr("Central mass");
    case SettingsProblem::PlanetLongitude: return tr("Planet's mean longitude");
    case SettingsProblem::ResonanceEccentricity: return tr("Resonance eccentricity");
    case SettingsProblem::GapResonances: return tr("Gap resonances");
    case SettingsProblem::TrojanShare: return tr("Trojan share");
    case SettingsProblem::TrojanL4Share: return tr("Trojans at L4");
    case SettingsProblem::LibrationAmplitude: return tr("Libration amplitude");
    case SettingsProblem::FamilyResonance: return tr("Family resonance");
    case SettingsProblem::FamilyShare: return tr("Family share");
    }
    return {};
}

// The planet's check boxes, as the form labels them.
QString WindowMessages::planetSwitch()
{
    return tr("A planet shapes the belt");
}

QString WindowMessages::gapsSwitch()
{
    return tr("Gaps at resonances");
}

QString WindowMessages::clearingSwitch()
{
    return tr("Clear the planet's orbit");
}

QString WindowMessages::refusal(std::vector<SettingsProblem> const &problems)
{
    QString text = tr("No belt was generated: the catalogue could not be read with these "
                      "settings.");
    for (SettingsProblem const &each : problems)
        text += "\n\n\u2022 " + problem(each);
    return text;
}

QString WindowMessages::unreadable(QStringList const &fields)
{
    return tr("No belt was generated: these fields hold text that cannot be read as a number "
              "in their range: %1. Write a number with one decimal point (a point or a comma), "
              "without digit grouping and with no more decimals than the field shows.")
        .arg(fields.join(QStringLiteral(", ")));
}

QString WindowMessages::problem(SettingsProblem const &problem)
{
    QString const field = fieldName(problem.field);
    switch (problem.kind) {
    case SettingsProblem::DoubleQuote:
        return tr("%1 contains a double quote, which would end the name early in the catalogue: "
                  "remove it.")
            .arg(field);
    case SettingsProblem::Backslash:
        return tr("%1 contains a backslash, which the catalogue's reader takes as the start of "
                  "an escape: remove it.")
            .arg(field);
    case SettingsProblem::ControlCharacter:
        return tr("%1 contains a control character (such as a line break or a tab): remove it.")
            .arg(field);
    case SettingsProblem::EmptyCenter:
        return tr("%1 is empty or only spaces: every body would name an empty parent, which the "
                  "catalogue's reader cannot find, so none of them would load. Enter the object "
                  "the bodies orbit.")
            .arg(field);
    case SettingsProblem::NoPositiveMass:
        return tr("%1 must be a finite number above 0 when the center object is a barycenter: "
                  "enter the total mass of the main objects, or clear Barycenter.")
            .arg(field);
    case SettingsProblem::NotFinite:
        return tr("%1 is not a finite number: enter a finite value.").arg(field);
    case SettingsProblem::PeriodOverflow:
        return tr("%1 is too small for orbits out to %2: their periods would exceed the largest "
                  "number a catalogue can hold. Enter a larger total mass or a smaller belt.")
            .arg(field, fieldName(SettingsProblem::OuterRadius));
    case SettingsProblem::MassOverflow:
        return tr("%1 is too large: such bodies would weigh more than the largest number a "
                  "catalogue can hold. Enter smaller radii.")
            .arg(field);
    case SettingsProblem::NotPositive:
        if (problem.field >= SettingsProblem::PlanetSemiMajorAxis)
            return tr("%1 must be above 0 for the planet: enter a larger value, or clear \"%2\".")
                .arg(field, planetSwitch());
        return tr("%1 must be above 0 for the distribution chosen: enter a larger value.")
            .arg(field);
    case SettingsProblem::NoSuchResonance:
        if (problem.field == SettingsProblem::GapResonances)
            return tr("%1 holds a word that is not a resonance the planet has: enter resonances "
                      "p:q apart by spaces, with whole numbers p > q \u2265 1 without a common "
                      "factor, p \u2212 q from 1 to 4 and p up to 12, such as 4:1 3:1 5:2.")
                .arg(field);
        return tr("%1 is not a resonance the planet has: enter p:q with whole numbers p > q "
                  "\u2265 1 without a common factor, p \u2212 q from 1 to 4 and p up to 12, such "
                  "as 3:2 or 2:1.")
            .arg(field);
    case SettingsProblem::SharesAboveWhole:
        return tr("%1 and %2 come to more than 100 % together: enter smaller shares.")
            .arg(fieldName(SettingsProblem::TrojanShare), field);
    case SettingsProblem::PlanetTooHeavy:
        return tr("%1 is at least the mass of the center object the planet goes round: enter a "
                  "smaller mass for the planet, or a larger %2 (with Barycenter: %3).")
            .arg(field, fieldName(SettingsProblem::CentralMass),
                 fieldName(SettingsProblem::TotalMass));
    case SettingsProblem::NoRoomLeft:
        if (problem.field == SettingsProblem::FamilyResonance)
            return tr("%1 lies in the planet's cleared orbit, where no body but a Trojan stays: "
                      "enter a resonance farther from the planet, or clear \"%2\".")
                .arg(field, clearingSwitch());
        return tr("The planet's gaps and its cleared orbit cover the whole belt from %1 to %2, "
                  "so its bodies have nowhere to go: widen the belt, or clear \"%3\" or \"%4\".")
            .arg(field, fieldName(SettingsProblem::OuterRadius), gapsSwitch(), clearingSwitch());
    case SettingsProblem::ReachesCenter:
        if (problem.field == SettingsProblem::LibrationAmplitude)
            return tr("Around a planet this heavy the Trojans would spread down to the center "
                      "object, to semi-major axes of 0 or below: enter a smaller %1 or a smaller "
                      "mass for the planet.")
                .arg(field);
        return tr("Around a planet this heavy the resonance of %1 is so wide that it reaches the "
                  "center object, to semi-major axes of 0 or below: enter a smaller %2, a smaller "
                  "mass for the planet or another resonance.")
            .arg(field, fieldName(SettingsProblem::ResonanceEccentricity));
    case SettingsProblem::ZeroLowerBound:
        return tr("%1 is 0, but the distribution chosen puts ever more bodies towards 0 "
                  "without end: enter a value above 0, or choose another distribution.")
            .arg(field);
    }
    return field;
}

QString WindowMessages::warning(SettingsWarning const &warning, QLocale const &locale)
{
    QString const field = fieldName(warning.field);
    QString const value = locale.toString(warning.value, 'g', 15);
    switch (warning.kind) {
    case SettingsWarning::ReversedBounds: {
        QString const other = fieldName(warning.other);
        if (warning.field == SettingsProblem::InnerRadius)
            return tr("%1 is above %2: every body will orbit at %3 AU.").arg(field, other, value);
        if (warning.field == SettingsProblem::MinRadius)
            return tr("%1 is above %2: every body will have a radius of %3 km.")
                .arg(field, other, value);
        return tr("%1 is above %2: every orbit will have an eccentricity of %3.")
            .arg(field, other, value);
    }
    case SettingsWarning::SomeOrbitsOpen:
        return tr("%1 is 1 or more: orbits with an eccentricity of 1 or more are open, and a "
                  "reader of orbital elements cannot place them.")
            .arg(field);
    case SettingsWarning::AllOrbitsOpen:
        return tr("%1 is 1 or more: every orbit will be open, and a reader of orbital elements "
                  "cannot place it.")
            .arg(field);
    }
    return field;
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

QString WindowMessages::noPreviewSeed()
{
    return tr("The belt preview holds no valid seed. Enter a seed from 0 to %1 there, "
              "or close the preview to draw a new seed for each run.")
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
