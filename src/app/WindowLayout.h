// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

#include <functional>
#include <memory>

class QDockWidget;
class QMainWindow;
class QSettings;
class QWidget;

// The window's size with the preview beside the form or without it, and the
// layout kept between sessions.
class WindowLayout {
public:
    // dock gives the preview's dock, or nothing before it was first opened.
    WindowLayout(QMainWindow *window, QWidget *form, std::function<QDockWidget *()> dock);
    ~WindowLayout();

    // The form alone is not resizable; with the preview docked beside it the
    // window is, down to the size that keeps the form whole.
    void fit();
    // fit() once the layouts have taken a change (a new language, the
    // style's polish, a dock that moved).
    void fitLater();
    bool previewDocked() const;

    // Where the layout is kept; true if the preview was shown when the
    // window last closed (or nothing was kept yet).
    bool keepIn(std::unique_ptr<QSettings> store);
    // After the preview was opened for keepIn's answer.
    void restore();
    void save(bool previewShown);

private:
    QMainWindow *window;
    QWidget *form;
    std::function<QDockWidget *()> dock;
    std::unique_ptr<QSettings> store;
    QSize formSize;      // the window's without the preview beside it
    bool docked = false; // the preview beside the form when last measured
};
