// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QMainWindow;
class Ui_MainWindow;

// The designer's form set up on window, with the fonts it asks for (or their
// stand-ins) and the program's icon.
std::unique_ptr<Ui_MainWindow> designerForm(QMainWindow *window);
