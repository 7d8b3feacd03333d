// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <Qt>

#include <functional>
#include <memory>

class FormScroll;
class QDockWidget;
class QMainWindow;
class QSettings;

// The window's size with the preview beside the form or without it, and the
// layout kept between sessions. The window never asks for more than the
// screen: the form scrolls, and on a screen too narrow for the form and the
// preview side by side the preview goes below the form.
class WindowLayout {
public:
    // dock gives the preview's dock, or nothing before it was first opened.
    WindowLayout(QMainWindow *window, FormScroll *form, std::function<QDockWidget *()> dock);
    ~WindowLayout();

    // The form alone is not resizable; with the preview docked beside it the
    // window is, down to the size that keeps the form one column wide.
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
    // The size of the window's inside that the screen leaves, less its frame.
    QSize room() const;
    // The form's menu and status bars.
    int barsHeight() const;
    void placePreview(Qt::DockWidgetArea area);
    void sizeDocked(QSize const &least);
    // Shrinks the window to the screen, as far as its least size allows, and
    // moves it onto it.
    void bringOntoScreen();

    QMainWindow *window;
    FormScroll *form;
    std::function<QDockWidget *()> dock;
    std::unique_ptr<QSettings> store;
    QSize formSize;           // the window's without the preview beside it
    bool docked = false;      // the preview beside the form when last measured
    bool provisional = false; // docked and sized before the window was shown
    int sizedFor = -1;        // the form's width in two columns when last sized docked
};
