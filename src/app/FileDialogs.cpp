// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString suffixOf(FileDialogs::Kind kind)
{
    switch (kind) {
    case FileDialogs::Catalogue: return QStringLiteral("sc");
    case FileDialogs::OpenRecipe:
    case FileDialogs::SaveRecipe: return QStringLiteral("belt");
    case FileDialogs::Picture: return QStringLiteral("png");
    }
    return {};
}

} // namespace

FileDialogs::FileDialogs()
{
    setAsker({});
}

void FileDialogs::setAsker(Asker replacement)
{
    if (replacement)
        asker = std::move(replacement);
    else
        asker = [this](QWidget *parent, Kind kind, QString const &proposal) {
            return dialog(parent, kind, proposal);
        };
}

QString FileDialogs::ask(QWidget *parent, Kind kind, QString const &stem)
{
    QDir const start(folder.isEmpty() ? QDir::currentPath() : folder);
    // A name is one path component: a slash in a belt name must not lead the
    // file elsewhere.
    QString name = stem.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    QString const proposal = name.isEmpty() || kind == OpenRecipe
                                 ? start.path()
                                 : start.filePath(name + QLatin1Char('.') + suffixOf(kind));
    QString const chosen = asker(parent, kind, proposal);
    if (!chosen.isEmpty())
        folder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString FileDialogs::dialog(QWidget *parent, Kind kind, QString const &proposal) const
{
    QFileDialog dialog(parent);
    if (kind == Catalogue)
        dialog.setWindowTitle(catalogueCaption);
    QFileInfo const proposed(proposal);
    if (proposed.isDir()) {
        dialog.setDirectory(proposal);
    } else {
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    switch (kind) {
    case Catalogue: dialog.setNameFilter(tr("SC file (*.sc)")); break;
    case OpenRecipe:
    case SaveRecipe: dialog.setNameFilter(tr("Recipe (*.belt)")); break;
    case Picture: dialog.setNameFilter(tr("PNG picture (*.png)")); break;
    }
    if (kind == OpenRecipe) {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(suffixOf(kind));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QStringList const files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}
