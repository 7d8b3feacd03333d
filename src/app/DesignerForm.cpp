// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignerForm.h"

#include "ui_MainWindow.h"

#include <QFont>
#include <QFontDatabase>
#include <QIcon>

namespace {

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/beltwright-%1.png").arg(size), QSize(size, size));
    return icon;
}

// The form asks for fonts that Linux desktops rarely have; DejaVu Sans stands
// in for both, and it carries the circled signs and the degree sign of the
// suffixes.
void useStandInFonts()
{
    QString const standIn = QStringLiteral("DejaVu Sans");
    QFontDatabase const database;
    for (QString const &family : {QStringLiteral("Segoe UI"), QStringLiteral("Segoe UI Symbol")}) {
        if (!database.hasFamily(family) && !QFont::substitutes(family).contains(standIn))
            QFont::insertSubstitution(family, standIn);
    }
}

} // namespace

std::unique_ptr<Ui_MainWindow> designerForm(QMainWindow *window)
{
    useStandInFonts();
    auto ui = std::make_unique<Ui_MainWindow>();
    ui->setupUi(window);
    window->setWindowIcon(applicationIcon());
    return ui;
}
