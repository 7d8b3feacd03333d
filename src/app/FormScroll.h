// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>
#include <QSize>

class QBoxLayout;
class QMainWindow;

// The settings form as the window's central widget, in a scroll area so that
// a screen smaller than the form still reaches every field. Its two columns
// stand beside each other where the width holds them, else one above the
// other, so that the form never needs to scroll sideways.
class FormScroll : public QScrollArea {
    Q_OBJECT

public:
    // form is the window's central widget now; columns, in its layout, holds
    // the two columns.
    FormScroll(QMainWindow *window, QWidget *form, QBoxLayout *columns);

    // Measures the form again in both arrangements, after its texts or style
    // changed, and arranges it for the width it has.
    void remeasure();
    // The size that shows the whole form without scrolling.
    QSize wholeSize(bool besideEachOther) const;
    bool besideEachOther() const;
    int scrollBarWidth() const;

    // As narrow as the columns one above the other, as low as a few rows.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void arrange();

    QWidget *form;
    QBoxLayout *columns;
    // Measured with the columns beside each other [1] and stacked [0].
    QSize least[2];
    QSize whole[2];
};
