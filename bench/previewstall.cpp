// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window's event loop goes without turning while the belt
// preview of a large belt is computed and shown, and how long one drawing of
// the picture takes. The window runs offscreen; a 1 ms timer notes the longest
// gap between its ticks from the change of the body count until the new
// picture is shown.
//
//   previewstall [--number N]

#include "EventLoopWatch.h"
#include "MainWindow.h"
#include "PreviewWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int number = 1000000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--number") == 0)
            number = std::atoi(argv[i + 1]);
    }
    QApplication application(argc, argv);
    MainWindow window;
    window.show();
    PreviewWindow *preview = window.showPreview();
    preview->setSeed(5489);
    auto *count = window.findChild<QSpinBox *>(QStringLiteral("spinBox_number"));
    auto *plot = preview->findChild<QWidget *>(QStringLiteral("plotView"));
    if (!count || !plot)
        return 1;

    bool started = false;
    EventLoopWatch watch([&] {
        auto const shown = preview->shownPreview();
        return started && !preview->busy() && shown && shown->bodyCount() == std::size_t(number);
    });
    // Start from the small belt's picture, as a user changing the count would.
    QTimer::singleShot(0, [&] {
        QElapsedTimer settle;
        settle.start();
        while ((preview->busy() || !preview->shownPreview()) && settle.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        watch.start([&] { application.quit(); });
        started = true;
        count->setValue(number);
    });
    application.exec();
    double const seconds = watch.seconds();

    // One drawing of the picture at the window's size, as a paint event does.
    QElapsedTimer paint;
    qint64 fastest = -1;
    for (int run = 0; run < 5; ++run) {
        paint.start();
        QPixmap const picture = plot->grab();
        qint64 const took = paint.elapsed();
        fastest = fastest < 0 ? took : std::min(fastest, took);
    }

    std::printf("preview of %d bodies: shown after %.2f s, %lld ticks, longest event-loop gap "
                "%lld ms (target at most 50 ms): %s; gaps over 50 ms: %lld; drawing the "
                "%dx%d picture: %lld ms\n",
                number, seconds, watch.ticks, watch.longest,
                watch.longest <= 50 ? "met" : "NOT MET", watch.over50, plot->width(),
                plot->height(), fastest);
    return watch.longest <= 50 ? 0 : 1;
}
