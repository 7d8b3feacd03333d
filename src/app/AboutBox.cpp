// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(std::optional<Recipe> const &lastRun, QWidget *parent)
    : QDialog(parent)
{
    setObjectName("dialog_about");
    setWindowTitle(tr("About Beltwright"));
    auto *layout = new QVBoxLayout(this);

    auto *about = new QLabel(this);
    about->setObjectName("label_about");
    about->setTextFormat(Qt::RichText);
    about->setWordWrap(true);
    about->setText(
        QStringLiteral("<h3>Beltwright %1</h3><p>%2</p><p>%3</p>")
            .arg(QStringLiteral(BELTWRIGHT_VERSION),
                 tr("Creates a belt of asteroids or comets around a central object and writes "
                    "it as a catalogue script."),
                 tr("Free software under the GNU General Public License, version 3 or any later "
                    "version (GPL-3.0-or-later).")));
    layout->addWidget(about);

    auto *lastBelt = new QLabel(this);
    lastBelt->setObjectName("label_lastRun");
    lastBelt->setWordWrap(true);
    layout->addWidget(lastBelt);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    buttons->button(QDialogButtonBox::Close)->setToolTip(tr("Close this box"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    if (!lastRun) {
        lastBelt->setText(tr("No belt has been generated in this session yet."));
    } else {
        command = QString::fromStdString(recipeCommandLine(*lastRun));
        lastBelt->setText(
            tr("The last belt, seed %1, with its settings as a command line that makes it "
               "again:")
                .arg(lastRun->seed));
        auto *line = new QPlainTextEdit(command, this);
        line->setObjectName("plainTextEdit_commandLine");
        line->setReadOnly(true);
        line->setMinimumWidth(line->fontMetrics().averageCharWidth() * 60);
        layout->addWidget(line);
        auto *copy = buttons->addButton(tr("C&opy"), QDialogButtonBox::ActionRole);
        copy->setObjectName("pushButton_copyCommand");
        copy->setToolTip(tr("Copy the command line to the clipboard"));
        connect(copy, &QPushButton::clicked, this,
                [this] { QApplication::clipboard()->setText(command); });
    }
    layout->addWidget(buttons);
}

void AboutBox::showCredits(QWidget *parent)
{
    // The texts were the window's before this box was; they keep its context.
    QString const text =
        QStringLiteral("<p>Mira Halvorsen - %1</p>"
                       "<p>Mira Halvorsen, Tobias Renner, Ines Akerlund - %2</p>")
            .arg(QCoreApplication::translate("MainWindow", "Python version and enhancements"),
                 QCoreApplication::translate("MainWindow", "original Batch version"));
    QMessageBox::about(parent, QCoreApplication::translate("MainWindow", "Credits"), text);
}
