// SPDX-License-Identifier: GPL-3.0-or-later
// The preview beside the form while the user types. Two measures, with the
// window offscreen and keys sent to its fields 100 ms apart:
//  - with a belt of --number bodies (1,000,000 by default), the longest gap of
//    the event loop (a 1 ms timer's ticks) from the first key typed into the
//    inner radius until the preview of the last value is shown;
//  - with a belt of --typed bodies (20,000 by default) typed into the number
//    field, the time from the last key until its preview is shown;
// and how long one drawing of the picture takes.
//
//   previewstall [--number N] [--typed N]

#include "EventLoopWatch.h"
#include "MainWindow.h"
#include "PreviewWindow.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

void typeKey(QAbstractSpinBox *field, QString const &text)
{
    int const key = text.at(0).unicode();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
}

// Types the keys 100 ms apart, then calls done with the time of the last.
void typeSlowly(QAbstractSpinBox *field, QStringList keys, std::function<void()> done)
{
    if (keys.isEmpty())
        return done();
    typeKey(field, keys.takeFirst());
    if (keys.isEmpty())
        return done();
    QTimer::singleShot(100, [field, keys, done] { typeSlowly(field, keys, done); });
}

bool waitFor(std::function<bool()> const &ready, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!ready() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return ready();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int number = 1000000, typed = 20000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--number") == 0)
            number = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--typed") == 0)
            typed = std::atoi(argv[i + 1]);
    }
    QApplication application(argc, argv);
    MainWindow window;
    window.show();
    PreviewWindow *preview = window.showPreview();
    preview->setSeed(5489);
    auto *count = window.findChild<QSpinBox *>(QStringLiteral("spinBox_number"));
    auto *inner = window.findChild<QAbstractSpinBox *>(QStringLiteral("doubleSpinBox_innerRadius"));
    auto *plot = preview->findChild<QWidget *>(QStringLiteral("plotView"));
    if (!count || !inner || !plot)
        return 1;
    auto const showing = [&](int bodies) {
        return [preview, bodies] {
            auto const shown = preview->shownPreview();
            return !preview->busy() && shown && shown->beltSize() == std::size_t(bodies);
        };
    };

    // Typing into a field of the large belt: "0.2" over the inner radius.
    count->setValue(number);
    if (!waitFor(showing(number), 60000))
        return 1;
    bool typing = true;
    EventLoopWatch watch([&] { return !typing && showing(number)(); });
    QTimer::singleShot(0, [&] {
        watch.start([&] { application.quit(); });
        inner->selectAll();
        typeSlowly(inner, {"0", ".", "2"}, [&] { typing = false; });
    });
    application.exec();

    // Typing the number of a smaller belt, key by key.
    count->setValue(2000);
    if (!waitFor(showing(2000), 60000))
        return 1;
    QStringList keys;
    for (QChar digit : QString::number(typed))
        keys << QString(digit);
    count->selectAll();
    QElapsedTimer sinceLast;
    typeSlowly(count, keys, [&] { sinceLast.start(); });
    bool const updated = waitFor([&] { return sinceLast.isValid() && showing(typed)(); }, 60000);
    qint64 const updateMs = sinceLast.elapsed();

    // One drawing of the picture at the preview's size, as a paint event does.
    QElapsedTimer paint;
    qint64 fastest = -1;
    for (int run = 0; run < 5; ++run) {
        paint.start();
        QPixmap const picture = plot->grab();
        qint64 const took = paint.elapsed();
        fastest = fastest < 0 ? took : std::min(fastest, took);
    }

    bool const stallMet = watch.longest <= 50;
    bool const updateMet = updated && updateMs <= 300;
    std::printf("typing into a field of a %d-body belt: longest event-loop gap %lld ms (target at "
                "most 50 ms): %s, the window's thread running %.0f ms of it; gaps over 50 ms: %lld; "
                "shown %.2f s after the first key\n",
                number, watch.longest, stallMet ? "met" : "NOT MET", watch.longestBusy,
                watch.over50, watch.seconds());
    std::printf("typing %d as the number of bodies: shown %lld ms after the last key (target at "
                "most 300 ms): %s\n",
                typed, updated ? updateMs : -1, updateMet ? "met" : "NOT MET");
    std::printf("drawing the %dx%d picture: %lld ms\n", plot->width(), plot->height(), fastest);
    return stallMet && updateMet ? 0 : 1;
}
