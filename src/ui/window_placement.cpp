#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace kelvaro {

void WindowPlacement::place(Form& form, FormView& view, bool force) {
    FormWindow* w = view.window.get();
    QMenuBar* bar = view.menus->bar();
    const int width = form.width > 0 ? form.width : 400;
    const int height = form.height > 0 ? form.height : 300;
    if (bar != view.sizedBar || force) { // a new bar: measure it once, and on user actions
        view.sizedBar = bar;
        view.barHeight = bar ? bar->sizeHint().height() : 0;
    }
    const int barHeight = view.barHeight;
    if (bar && bar->geometry() != QRect(0, 0, width, barHeight)) bar->setGeometry(0, 0, width, barHeight);
    const QSize size(width, height + barHeight);
    if (size != view.sizedTo) {
        view.sizedTo = size;
        w->setClientArea(barHeight, width, height);
    } else if (w->body()->height() != w->height() - barHeight) {
        w->body()->setGeometry(0, barHeight, w->width(), w->height() - barHeight);
    }
    const QPoint place(form.left, form.top);
    if (place != view.placedAt) {
        view.placedAt = place;
        if (form.left != 0 || form.top != 0) w->move(place); // the frame's corner
    }
    if (form.visible && !w->isVisible()) keepOnScreen(form, view);
}

// The frame is estimated until the window manager has framed the window once; the
// view checks again then (moved).
void WindowPlacement::keepOnScreen(Form& form, FormView& view) {
    FormWindow* w = view.window.get();
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = form.borderless ? QMargins() : frameOf(w);
    QRect outer(w->pos(), w->size().grownBy(frame));
    const bool placed = form.left != 0 || form.top != 0;
    if (placed && area.contains(outer)) return;
    if (!placed) outer.moveCenter(area.center());
    outer.moveLeft(
        std::clamp(outer.left(), area.left(), std::max(area.left(), area.right() - outer.width() + 1)));
    outer.moveTop(
        std::clamp(outer.top(), area.top(), std::max(area.top(), area.bottom() - outer.height() + 1)));
    w->move(outer.topLeft());
    form.left = outer.left(); // the model holds where the window is
    form.top = outer.top();
    view.placedAt = outer.topLeft();
}

// The model takes the new place, so the view never moves it back. The first move
// after the window is framed also tells the real frame: a window that then sticks
// out is brought in once.
void WindowPlacement::moved(Form& form, FormView& view) {
    QWidget* window = view.window.get();
    if (!window->isVisible()) return;
    if (!view.onScreenChecked && window->windowHandle() && !window->windowHandle()->frameMargins().isNull()) {
        view.onScreenChecked = true;
        knownFrame_ = window->windowHandle()->frameMargins();
        const QScreen* screen = window->screen();
        if (screen && !screen->availableGeometry().contains(window->frameGeometry())) {
            form.left = form.top = 0; // not placed: centre it
            keepOnScreen(form, view);
            return;
        }
    }
    form.left = window->x();
    form.top = window->y();
    view.placedAt = QPoint(form.left, form.top);
}

QMargins WindowPlacement::frameOf(const QWidget* window) const {
    if (window->windowHandle() && !window->windowHandle()->frameMargins().isNull())
        return window->windowHandle()->frameMargins();
    return knownFrame_;
}

} // namespace kelvaro
