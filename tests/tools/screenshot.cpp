// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the main window, or its belt preview, as a user would see it and
// writes what the X server displays of it to a PNG file. Run under a virtual
// X server by scripts/screenshot.sh.
//
//   screenshot OUTPUT.png [window|preview]
#include "MainWindow.h"
#include "PreviewWindow.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    bool const preview = argc == 3 && std::strcmp(argv[2], "preview") == 0;
    if (argc < 2 || argc > 3 || (argc == 3 && !preview && std::strcmp(argv[2], "window") != 0)) {
        std::fprintf(stderr, "usage: screenshot OUTPUT.png [window|preview]\n");
        return 2;
    }
    MainWindow window;
    window.show();
    QWidget *shown = &window;
    if (preview) {
        // A fixed seed, so that the picture changes only when the program does.
        PreviewWindow *previewWindow = window.showPreview();
        previewWindow->setSeed(5489);
        previewWindow->move(window.frameGeometry().topRight() + QPoint(8, 0));
        shown = previewWindow;
    }
    int status = 1;
    // Give the windows time to be mapped, the preview to be drawn, and both
    // to be painted before reading them back.
    QTimer::singleShot(1500, [&] {
        QPixmap const shot = shown->screen()->grabWindow(shown->winId());
        if (!shot.isNull() && shot.save(QString::fromLocal8Bit(argv[1]), "PNG"))
            status = 0;
        else
            std::fprintf(stderr, "screenshot: cannot write %s\n", argv[1]);
        application.exit(status);
    });
    application.exec();
    return status;
}
