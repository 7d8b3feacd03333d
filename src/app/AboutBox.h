// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Recipe.h"

#include <QDialog>

#include <optional>

// The program's version and licence, and the belt of the last run: its seed
// and the beltwright-cli command line that makes it again, to copy.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(std::optional<Recipe> const &lastRun, QWidget *parent);

    // The names of those who wrote the earlier versions.
    static void showCredits(QWidget *parent);

    // The command line the Copy button copies; empty before the first run.
    QString commandLine() const { return command; }

private:
    QString command;
};
