// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileCommands.h"

#include "BeltPlot.h"
#include "Examples.h"
#include "FileDialogs.h"
#include "PreviewSeeds.h"
#include "Recipe.h"
#include "SettingsForm.h"
#include "StatusLine.h"
#include "WindowMessages.h"

#include <QApplication>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

FileCommands::FileCommands(QWidget *window, SettingsForm *form, FileDialogs &dialogs,
                           PreviewSeeds &seeds, StatusLine &status)
    : window(window)
    , form(form)
    , dialogs(dialogs)
    , seeds(seeds)
    , status(status)
{
}

// The stem the file dialogs propose: the belt name.
QString FileCommands::beltStem() const
{
    return form->beltName();
}

// The seed a save keeps and the file it goes to; nothing when the form holds
// an unreadable number or no file is chosen.
std::optional<std::uint32_t> FileCommands::seedAndFile(FileDialogs::Kind kind, QString &path)
{
    QStringList const unreadable = form->unreadableFields();
    if (!unreadable.isEmpty()) {
        WindowMessages::show(window, WindowMessages::unreadableNotKept(unreadable));
        return std::nullopt;
    }
    std::optional<std::uint32_t> const shown = seeds.onShow();
    if (shown)
        path = dialogs.ask(window, kind, beltStem());
    return path.isEmpty() ? std::nullopt : shown;
}

void FileCommands::openRecipe()
{
    QString const path = dialogs.ask(window, FileDialogs::OpenRecipe);
    if (!path.isEmpty())
        openRecipeFile(path);
}

void FileCommands::openRecipeFile(QString const &path)
{
    auto const reading = readRecipe(path.toUtf8().toStdString());
    if (auto const *error = std::get_if<RecipeError>(&reading))
        return WindowMessages::show(window, WindowMessages::recipeError(*error, path));
    loadRecipe(std::get<Recipe>(reading));
}

// An example is a recipe built into the program, opened as one.
void FileCommands::openExample(ExampleInfo const &example)
{
    auto const reading = exampleRecipe(example);
    if (auto const *error = std::get_if<RecipeError>(&reading))
        return WindowMessages::show(
            window, WindowMessages::recipeError(
                        *error, QString::fromUtf8(example.shortName.data(),
                                                  int(example.shortName.size()))));
    loadRecipe(std::get<Recipe>(reading));
}

// A recipe fills the form and gives the preview its seed, which the next run
// then uses.
void FileCommands::loadRecipe(Recipe const &recipe)
{
    QStringList const rounded = form->load(recipe);
    seeds.open(recipe.seed);
    if (!rounded.isEmpty())
        WindowMessages::show(window, WindowMessages::roundedByForm(rounded));
}

void FileCommands::saveRecipe()
{
    QString path;
    std::optional<std::uint32_t> const shown = seedAndFile(FileDialogs::SaveRecipe, path);
    if (!shown)
        return;
    if (auto const failed = writeRecipe(path.toUtf8().toStdString(), form->recipe(*shown)))
        return WindowMessages::show(window, WindowMessages::recipeNotSaved(*failed));
    status.setLastSave(
        [file = QFileInfo(path).fileName()] { return tr("Saved the recipe to %1").arg(file); });
}

// The picture that beltwright-cli --preview draws of the form and the seed.
void FileCommands::savePicture(QLocale const &numbers)
{
    QString path;
    std::optional<std::uint32_t> const shown = seedAndFile(FileDialogs::Picture, path);
    if (!shown)
        return;
    Settings const settings = form->settings();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto const preview = BeltPreview::ofBelt(settings, *shown, nullptr);
    QString const failed = BeltPlot::savePng(
        BeltPlot::picture(*preview, QString::fromStdString(settings.beltCenter), *shown, numbers,
                          seeds.colours()),
        path);
    QApplication::restoreOverrideCursor();
    if (!failed.isEmpty())
        return WindowMessages::show(window, WindowMessages::pictureNotSaved(path, failed));
    status.setLastSave(
        [file = QFileInfo(path).fileName()] { return tr("Saved the picture to %1").arg(file); });
}

QString FileCommands::droppedRecipe(QMimeData const *data)
{
    if (!data || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    QString const path = data->urls().first().toLocalFile();
    return path.endsWith(QStringLiteral(".belt"), Qt::CaseInsensitive) ? path : QString();
}
