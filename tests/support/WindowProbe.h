// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the window tests: finding widgets by object name, answering the
// message boxes the window opens, and following a generation run.

#include "CoreCatalogue.h"
#include "MainWindow.h"
#include "TestFiles.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

// Runs a window test under a fixed system locale on the offscreen platform,
// whatever the calling shell has set.
#define BELT_WINDOW_TEST_MAIN(TestClass, locale)                                                   \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        qputenv("LC_ALL", locale);                                                                 \
        qputenv("LANG", locale);                                                                   \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))                                         \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication application(argc, argv);                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

template <typename T> T *child(QWidget &window, char const *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

// The status text is the one label in the status bar.
inline QLabel *statusLabel(QMainWindow &window)
{
    return window.statusBar()->findChild<QLabel *>();
}

inline QProgressBar *progressBar(QMainWindow &window)
{
    return window.statusBar()->findChild<QProgressBar *>();
}

inline QAction *actionWithText(QMenu *menu, QString const &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    qWarning("no menu entry %s", qPrintable(text));
    return nullptr;
}

// Answers every message box that opens while it lives with the given button
// and keeps what each box said.
class BoxAnswerer {
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QStringList buttons;
    };

    explicit BoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this, answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box == answered)
                return;
            answered = box;
            QStringList buttons;
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
            boxes.push_back({box->windowTitle(), box->text(), box->icon(), buttons});
            if (QAbstractButton *button = box->button(answer))
                button->click();
            else
                box->close();
        });
        poll.start();
    }

    QList<Box> boxes;

private:
    QTimer poll;
    QPointer<QMessageBox> answered;
};

// What the window showed while a run went on, sampled as often as the event
// loop allows.
struct RunTrace {
    QStringList statuses; // each new status text once, in order
    bool barAlwaysShown = true;
    int highestProgress = -1;
    bool ended = false; // the Generate button came back
};

inline RunTrace followRun(QMainWindow &window, int timeoutMs = 60000)
{
    RunTrace trace;
    auto *button = child<QPushButton>(window, "pushButton_generate");
    QLabel *status = statusLabel(window);
    QProgressBar *bar = progressBar(window);
    trace.statuses << status->text();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        QTest::qWait(1);
        if (status->text() != trace.statuses.last())
            trace.statuses << status->text();
        if (button->isEnabled()) {
            trace.ended = true;
            break;
        }
        trace.barAlwaysShown = trace.barAlwaysShown && bar->isVisible();
        trace.highestProgress = std::max(trace.highestProgress, bar->value());
    }
    return trace;
}

// The form's widgets that get less than the width they need or reach out of
// the form, which scrolls where the window is smaller.
inline QStringList crampedWidgets(QMainWindow &window)
{
    QStringList names;
    auto *form = window.findChild<QWidget *>(QStringLiteral("centralwidget"));
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        if (widget->objectName().startsWith("qt_") || !widget->isVisible())
            continue;
        QRect const inForm(widget->mapTo(form, QPoint(0, 0)), widget->size());
        if (widget->width() < widget->minimumSizeHint().width() || !form->rect().contains(inForm))
            names << widget->objectName();
    }
    // Never scrolled sideways.
    if (form->width() > form->parentWidget()->width())
        names << form->objectName();
    return names;
}
