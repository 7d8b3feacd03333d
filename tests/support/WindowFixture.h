// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every window test holds: the window under test, made anew for each
// test function, and a folder for the files it writes.

#include "WindowProbe.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>

class WindowFixture : public QObject {
protected:
    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;

    QString target;  // what the file chooser answers
    int choices = 0; // how often the window asked it

    template <typename T> T *w(char const *name) { return child<T>(*window, name); }

    // A new window, shown as a user sees it.
    void openWindow()
    {
        window = std::make_unique<MainWindow>();
        window->show();
    }

    // The window's catalogue goes to belt.sc in the folder, when the window
    // itself asks.
    void chooseTarget()
    {
        target = dir.filePath("belt.sc");
        choices = 0;
        window->setFileChooser([this](QWidget *parent) {
            ++choices;
            return parent == window.get() ? target : QString("wrong parent");
        });
    }

    // Closes the window and empties the folder for the next test function.
    void closeWindow()
    {
        window.reset();
        for (QString const &name : entries(dir.path()))
            QFile::remove(dir.filePath(name));
    }
};
