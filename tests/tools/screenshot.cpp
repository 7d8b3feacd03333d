// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the main window as a user would see it and writes what the X server
// displays of it to a PNG file. Run under a virtual X server by
// scripts/screenshot.sh.
#include "MainWindow.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot OUTPUT.png\n");
        return 2;
    }
    MainWindow window;
    window.show();
    int status = 1;
    // Give the window time to be mapped and painted before reading it back.
    QTimer::singleShot(1000, [&] {
        QPixmap const shot = window.screen()->grabWindow(window.winId());
        if (!shot.isNull() && shot.save(QString::fromLocal8Bit(argv[1]), "PNG"))
            status = 0;
        else
            std::fprintf(stderr, "screenshot: cannot write %s\n", argv[1]);
        application.exit(status);
    });
    application.exec();
    return status;
}
