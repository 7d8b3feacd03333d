// SPDX-License-Identifier: GPL-3.0-or-later
// Uses the window as a user would, once: starts it with its first preset,
// generates NUMBER bodies with seed SEED into OUTPUT, opens the belt preview,
// waits for its picture and closes the window. Exit status 0 when the run
// ended with the file written and the preview was drawn. Run under wine by
// tests/stress_windows.sh, again and again.
//
//   windowrun OUTPUT.sc NUMBER SEED
#include "MainWindow.h"
#include "PreviewWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: windowrun OUTPUT.sc NUMBER SEED\n");
        return 2;
    }
    QString const output = QString::fromLocal8Bit(argv[1]);
    MainWindow window;
    window.show();
    window.setFileChooser([&](QWidget *) { return output; });
    window.setSeed(QByteArray(argv[3]).toUInt());
    window.findChild<QSpinBox *>("spinBox_number")->setValue(QByteArray(argv[2]).toInt());
    auto *generate = window.findChild<QPushButton *>("pushButton_generate");

    int status = 1;
    QTimer::singleShot(60000, [&] {
        std::fprintf(stderr, "windowrun: no end within 60 s\n");
        application.exit(1);
    });
    QTimer::singleShot(200, [&] {
        generate->click();
        auto *poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            if (!generate->isEnabled())
                return;
            poll->stop();
            if (!QFileInfo(output).isFile()) {
                std::fprintf(stderr, "windowrun: the run wrote no file\n");
                application.exit(1);
                return;
            }
            PreviewWindow *preview = window.showPreview();
            QObject::connect(preview, &PreviewWindow::previewShown, [&] {
                status = 0;
                window.close();
                QTimer::singleShot(0, &application, &QApplication::quit);
            });
        });
        poll->start(20);
    });
    int const loop = application.exec();
    return loop != 0 ? loop : status;
}
