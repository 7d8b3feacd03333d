// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowLayout.h"

#include "FormScroll.h"

#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include <algorithm>

namespace {

// The width at which the preview's labels read well.
constexpr int comfortablePreviewWidth = 820;
// Narrower than this beside the form's two columns, the preview draws too
// small a picture: the form then takes one column.
constexpr int readablePreviewWidth = 480;

// Every layout below widget, those of its group boxes included.
void invalidateLayouts(QWidget *widget)
{
    for (QLayout *layout : widget->findChildren<QLayout *>())
        layout->invalidate();
}

bool beside(Qt::DockWidgetArea area)
{
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
}

} // namespace

WindowLayout::WindowLayout(QMainWindow *window, FormScroll *form,
                           std::function<QDockWidget *()> dock)
    : window(window)
    , form(form)
    , dock(std::move(dock))
{}

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

QSize WindowLayout::room() const
{
    QScreen const *screen = window->screen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return screen->availableGeometry().size() - (window->frameGeometry().size() - window->size());
}

int WindowLayout::barsHeight() const
{
    int height = 0;
    for (QWidget const *bar : {window->menuWidget(), static_cast<QWidget *>(window->statusBar())})
        if (bar && !bar->isHidden())
            height += bar->sizeHint().height();
    return height;
}

// The form grows only when a language needs more room, so that it does not
// jump about when the language is switched back.
void WindowLayout::fit()
{
    // Texts that changed a moment ago have not yet reached the layouts' cached
    // sizes, and invalidating a layout leaves the layouts nested in it alone.
    invalidateLayouts(form->widget());
    form->widget()->updateGeometry();
    form->remeasure();
    // The window's layout keeps the form's old size until told it changed.
    window->layout()->invalidate();
    bool const wasDocked = docked;
    docked = previewDocked();
    QSize const space = room();
    if (!docked) {
        // Whole, its columns beside each other where the screen is wide
        // enough; a form higher than the screen scrolls.
        QSize whole = form->wholeSize(form->wholeSize(true).width() <= space.width());
        whole.rheight() += barsHeight();
        if (whole.height() > space.height())
            whole.rwidth() += form->scrollBarWidth();
        formSize = (wasDocked ? formSize : window->size())
                       .expandedTo(whole)
                       .boundedTo(space)
                       .expandedTo(window->minimumSizeHint());
        window->setFixedSize(formSize);
        bringOntoScreen();
        return;
    }
    QDockWidget *preview = dock();
    // Beside the form wherever the screen holds both; below it (where only
    // the window puts it) on a screen too narrow.
    if (!wasDocked && !beside(window->dockWidgetArea(preview)))
        placePreview(Qt::RightDockWidgetArea);
    if (!wasDocked && window->minimumSizeHint().width() > space.width())
        placePreview(Qt::BottomDockWidgetArea);
    QSize const least = window->minimumSizeHint();
    window->setMinimumSize(least);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Sized before the window was first shown, the form may since have taken
    // its language and its style's polish: size it again once shown, and
    // whenever its columns need another width (another language's texts).
    int const columnsWidth = form->wholeSize(true).width();
    if (!wasDocked || provisional || columnsWidth != sizedFor) {
        sizeDocked(least);
        provisional = !window->isVisible();
        sizedFor = columnsWidth;
    }
    bringOntoScreen();
}

void WindowLayout::placePreview(Qt::DockWidgetArea area)
{
    window->addDockWidget(area, dock());
    window->layout()->invalidate();
}

// Just docked: room for the preview as the screen leaves it, beside the form
// up to the width at which its labels read well, or below the form.
void WindowLayout::sizeDocked(QSize const &least)
{
    QDockWidget *preview = dock();
    QSize const space = room();
    QSize const stacked = form->wholeSize(false) + QSize(form->scrollBarWidth(), 0);
    if (!beside(window->dockWidgetArea(preview))) {
        int const width = std::max(stacked.width(), preview->sizeHint().width());
        QSize const size = QSize(std::min(width, space.width()), space.height()).expandedTo(least);
        window->resize(size);
        // The preview as high as it asks, its note wrapped, while the form
        // keeps its least height.
        int const lowest = preview->minimumSizeHint().height();
        int const inside = size.height() - barsHeight();
        int const height =
            std::clamp(std::max(preview->sizeHint().height(), inside / 2), lowest,
                       std::max(lowest, inside - form->minimumSizeHint().height()));
        window->resizeDocks({preview}, {height}, Qt::Vertical);
        return;
    }
    int const between = std::max(0, least.width() - form->minimumSizeHint().width() -
                                        preview->minimumSizeHint().width());
    // With room for a scroll bar, should the columns be higher than the window.
    QSize const besideForm = form->wholeSize(true) + QSize(form->scrollBarWidth(), 0);
    QSize const formWhole =
        space.width() - besideForm.width() - between >= readablePreviewWidth ? besideForm : stacked;
    int const width = std::clamp(space.width() - formWhole.width() - between,
                                 preview->minimumSizeHint().width(), comfortablePreviewWidth);
    window->resize(QSize(formWhole.width() + between + width, formWhole.height() + barsHeight())
                       .boundedTo(space)
                       .expandedTo(least));
    window->resizeDocks({preview}, {width}, Qt::Horizontal);
}

void WindowLayout::bringOntoScreen()
{
    QScreen const *screen = window->screen();
    if (!screen || window->isMaximized() || window->isFullScreen())
        return;
    QSize const size = window->size().boundedTo(room()).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    // Before it is shown, the window's place is the desktop's to choose.
    if (!window->isVisible())
        return;
    QRect const available = screen->availableGeometry();
    QRect const frame = window->frameGeometry();
    int const x =
        std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    int const y =
        std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top())
        window->move(x, y);
}

bool WindowLayout::keepIn(std::unique_ptr<QSettings> kept)
{
    store = std::move(kept);
    return store->value(QStringLiteral("preview/shown"), true).toBool();
}

void WindowLayout::restore()
{
    window->restoreState(store->value(QStringLiteral("window/state")).toByteArray());
    // Placed for this screen as when just docked, then at the kept size and
    // place as far as the screen holds them.
    docked = false;
    fit();
    QByteArray const geometry = store->value(QStringLiteral("window/geometry")).toByteArray();
    QSize const size = store->value(QStringLiteral("window/size")).toSize();
    if (!geometry.isEmpty())
        provisional = !window->restoreGeometry(geometry);
    else if (docked && size.isValid()) { // kept by earlier versions
        window->resize(size.expandedTo(window->minimumSize()));
        provisional = false;
    }
    bringOntoScreen();
}

void WindowLayout::save(bool previewShown)
{
    if (!store)
        return;
    store->setValue(QStringLiteral("preview/shown"), previewShown);
    store->setValue(QStringLiteral("window/state"), window->saveState());
    store->setValue(QStringLiteral("window/geometry"), window->saveGeometry());
    store->remove(QStringLiteral("window/size"));
    store->sync();
}
