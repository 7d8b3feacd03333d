// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

// The window's file dialogs. Each starts in the folder of the file last chosen
// in this session (the working folder before that) and proposes a name; no
// folder is kept from one session to the next.
class FileDialogs {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    enum Kind { Catalogue, OpenRecipe, SaveRecipe, Picture };
    // Asks for a file, starting from proposal (a folder, or a path in it);
    // an empty string means that none was chosen.
    using Asker = std::function<QString(QWidget *parent, Kind kind, QString const &proposal)>;

    FileDialogs();
    FileDialogs(FileDialogs const &) = delete; // its dialogs refer to it
    FileDialogs &operator=(FileDialogs const &) = delete;

    // stem, if not empty, proposes the file stem.<kind's suffix>.
    QString ask(QWidget *parent, Kind kind, QString const &stem = {});
    // The catalogue's dialog gets this caption (the toolkit's own when empty).
    void setCatalogueCaption(QString caption) { catalogueCaption = std::move(caption); }
    // Tests answer in place of the dialogs; an empty asker brings them back.
    void setAsker(Asker replacement);

private:
    QString dialog(QWidget *parent, Kind kind, QString const &proposal) const;

    Asker asker;
    QString folder; // of the last file chosen; empty until then
    QString catalogueCaption;
};
