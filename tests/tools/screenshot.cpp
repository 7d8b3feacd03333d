// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the main window, or its belt preview, as a user would see it and
// writes what the X server displays of it to a PNG file. Run under a virtual
// X server by scripts/screenshot.sh.
//
//   screenshot OUTPUT.png [window|preview] [EXAMPLE]
//
// With an example (its short name, such as main-belt), the window opens it
// from its menu and generates its belt first, and the preview shows the
// example's own seed.
#include "MainWindow.h"
#include "PreviewWindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

// Opens the example and generates its belt into dir; false if either fails.
bool generateExample(MainWindow &window, QString const &name, QTemporaryDir const &dir)
{
    auto *open = window.findChild<QAction *>("action_example_" + name);
    auto *generate = window.findChild<QPushButton *>("pushButton_generate");
    if (!open || !generate || !dir.isValid())
        return false;
    open->trigger();
    QString const file = window.formSettings().beltName.c_str() + QStringLiteral(".sc");
    window.setFileChooser([&dir, file](QWidget *) { return dir.filePath(file); });
    generate->click();
    QElapsedTimer clock;
    clock.start();
    while (!generate->isEnabled() && clock.elapsed() < 120000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return generate->isEnabled() && window.lastRunSeed().has_value();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    bool const preview = argc >= 3 && std::strcmp(argv[2], "preview") == 0;
    if (argc < 2 || argc > 4 || (argc >= 3 && !preview && std::strcmp(argv[2], "window") != 0)) {
        std::fprintf(stderr, "usage: screenshot OUTPUT.png [window|preview] [EXAMPLE]\n");
        return 2;
    }
    QString const example = argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString();
    MainWindow window;
    window.show();
    QTemporaryDir dir;
    if (!example.isEmpty() && !generateExample(window, example, dir)) {
        std::fprintf(stderr, "screenshot: cannot generate the example %s\n", argv[3]);
        return 1;
    }
    // The window as it starts for a new user: the preview beside the form,
    // with a fixed seed, so that the picture changes only when the program does.
    PreviewWindow *previewWidget = window.showPreview();
    if (example.isEmpty())
        previewWidget->setSeed(5489);
    QWidget *shown = preview ? static_cast<QWidget *>(previewWidget) : &window;
    int status = 1;
    // Give the windows time to be mapped, the preview to be drawn, and both
    // to be painted before reading them back.
    QTimer::singleShot(example.isEmpty() ? 1500 : 4000, [&] {
        QRect const area(shown->mapTo(&window, QPoint(0, 0)), shown->size());
        QPixmap const shot = preview ? window.screen()->grabWindow(window.winId(), area.x(),
                                                                   area.y(), area.width(),
                                                                   area.height())
                                     : window.screen()->grabWindow(window.winId());
        if (!shot.isNull() && shot.save(QString::fromLocal8Bit(argv[1]), "PNG"))
            status = 0;
        else
            std::fprintf(stderr, "screenshot: cannot write %s\n", argv[1]);
        application.exit(status);
    });
    application.exec();
    return status;
}
