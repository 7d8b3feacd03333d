// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormScroll.h"

#include <QBoxLayout>
#include <QEvent>
#include <QMainWindow>
#include <QScrollBar>
#include <QStyle>

FormScroll::FormScroll(QMainWindow *window, QWidget *form, QBoxLayout *columns)
    : QScrollArea(window)
    , form(form)
    , columns(columns)
{
    setObjectName(QStringLiteral("scrollArea_form"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // The fields take the keys; the area only follows them into view.
    setFocusPolicy(Qt::NoFocus);
    window->takeCentralWidget();
    setWidget(form);
    window->setCentralWidget(this);
    remeasure();
}

bool FormScroll::besideEachOther() const
{
    return columns->direction() == QBoxLayout::LeftToRight;
}

int FormScroll::scrollBarWidth() const
{
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
}

void FormScroll::remeasure()
{
    QBoxLayout::Direction const was = columns->direction();
    for (bool const beside : {false, true}) {
        columns->setDirection(beside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
        // The form's own layout keeps the columns' old size until told.
        form->layout()->invalidate();
        least[beside] = form->minimumSizeHint();
        whole[beside] = form->sizeHint().expandedTo(least[beside]);
    }
    columns->setDirection(was);
    form->layout()->invalidate();
    arrange();
    updateGeometry();
}

QSize FormScroll::wholeSize(bool besideEachOther) const
{
    int const frame = 2 * frameWidth();
    return whole[besideEachOther] + QSize(frame, frame);
}

QSize FormScroll::minimumSizeHint() const
{
    int const frame = 2 * frameWidth();
    return QSize(least[false].width() + scrollBarWidth() + frame,
                 6 * fontMetrics().height() + frame);
}

QSize FormScroll::sizeHint() const
{
    return wholeSize(besideEachOther());
}

// The one column may scroll where the columns beside each other need not:
// its scroll bar's width then counts as room for them, or the form would keep
// one column for the bar it shows only because it has one column.
void FormScroll::arrange()
{
    int width = viewport()->width();
    if (verticalScrollBar()->isVisible() && least[true].height() <= viewport()->height())
        width += verticalScrollBar()->width();
    bool const beside = width >= least[true].width();
    if (beside != besideEachOther())
        columns->setDirection(beside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

bool FormScroll::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize)
        arrange();
    return QScrollArea::viewportEvent(event);
}
