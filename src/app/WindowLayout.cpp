// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowLayout.h"

#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace {

// The width at which the preview's labels read well.
constexpr int comfortablePreviewWidth = 820;

// Every layout below widget, those of its group boxes included.
void invalidateLayouts(QWidget *widget)
{
    for (QLayout *layout : widget->findChildren<QLayout *>())
        layout->invalidate();
}

} // namespace

WindowLayout::WindowLayout(QMainWindow *window, QWidget *form, std::function<QDockWidget *()> dock)
    : window(window)
    , form(form)
    , dock(std::move(dock))
{
}

WindowLayout::~WindowLayout() = default;

bool WindowLayout::previewDocked() const
{
    QDockWidget const *preview = dock();
    return preview && !preview->isHidden() && !preview->isFloating();
}

void WindowLayout::fitLater()
{
    QMetaObject::invokeMethod(
        window, [this] { fit(); }, Qt::QueuedConnection);
}

// The form grows only when a language needs more room, so that it does not
// jump about when the language is switched back.
void WindowLayout::fit()
{
    // Texts that changed a moment ago have not yet reached the layouts' cached
    // sizes, and invalidating a layout leaves the layouts nested in it alone.
    invalidateLayouts(form);
    // The window's layout keeps the form's old size until told it changed.
    form->updateGeometry();
    window->layout()->invalidate();
    bool const wasDocked = docked;
    docked = previewDocked();
    if (!docked) {
        formSize = (wasDocked ? formSize : window->size()).expandedTo(window->minimumSizeHint());
        window->setFixedSize(formSize);
        return;
    }
    QSize const least = window->minimumSizeHint().expandedTo(formSize);
    window->setMinimumSize(least);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (wasDocked)
        return;
    // Just docked: room for the preview beside the form, as much as the
    // screen leaves, up to the width at which its labels read well; never
    // wider than the screen.
    int const frame = window->frameGeometry().width() - window->width();
    QScreen const *screen = window->screen();
    int const room = screen ? screen->availableGeometry().width() - frame - formSize.width()
                            : comfortablePreviewWidth;
    int const width = std::clamp(room, dock()->minimumSizeHint().width(), comfortablePreviewWidth);
    window->resize(std::max(least.width(), formSize.width() + width),
                   std::max(least.height(), formSize.height()));
    window->resizeDocks({dock()}, {width}, Qt::Horizontal);
    // Grown to the right, the window may now reach past the screen's edge:
    // move it back as far as its left edge allows.
    if (screen && window->isVisible()) {
        QRect const available = screen->availableGeometry();
        QRect const frameRect = window->frameGeometry();
        int const over = frameRect.right() - available.right();
        if (over > 0)
            window->move(std::max(available.left(), frameRect.left() - over), frameRect.top());
    }
}

bool WindowLayout::keepIn(std::unique_ptr<QSettings> kept)
{
    store = std::move(kept);
    return store->value(QStringLiteral("preview/shown"), true).toBool();
}

void WindowLayout::restore()
{
    window->restoreState(store->value(QStringLiteral("window/state")).toByteArray());
    QSize const size = store->value(QStringLiteral("window/size")).toSize();
    if (previewDocked() && size.isValid())
        window->resize(size.expandedTo(window->minimumSize()));
    fit();
}

void WindowLayout::save(bool previewShown)
{
    if (!store)
        return;
    store->setValue(QStringLiteral("preview/shown"), previewShown);
    store->setValue(QStringLiteral("window/state"), window->saveState());
    store->setValue(QStringLiteral("window/size"), window->size());
    store->sync();
}
