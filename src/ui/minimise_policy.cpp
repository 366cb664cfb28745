#include "ui/minimise_policy.h"

#include "framework/application.h"

namespace kelvaro {

void MinimisePolicy::show(Application& app, Form& form, FormView& view, bool isMain) {
    FormWindow* w = view.window.get();
    if (!form.visible) {
        if (w->isVisible()) w->hide();
        return;
    }
    bool minimized = form.minimized || (isMain && app.applicationMinimized);
    // Not under an open message box: it would go down with its window, out of reach.
    if (minimized && !view.minimizedShown && boxIsOpen_()) {
        minimized = false;
        waits_ = true;
    }
    if (minimized && form.hideWhenMinimized) {
        // Down to the tray: a hidden window has no taskbar button under any window manager.
        if (w->isVisible()) w->hide();
        view.minimizedShown = true;
        return;
    }
    if (!w->isVisible() || view.shownModal != form.modal) {
        if (w->isVisible()) w->hide(); // modality changes only on a hidden window
        w->setWindowModality(form.modal ? Qt::ApplicationModal : Qt::NonModal);
        view.shownModal = form.modal;
        if (minimized)
            w->showMinimized();
        else
            w->show();
        view.minimizedShown = minimized;
    } else if (minimized != view.minimizedShown) {
        view.minimizedShown = minimized;
        if (minimized)
            w->showMinimized();
        else
            w->showNormal();
    }
}

// The model takes the real state, so what it shows next (and what the program tests)
// is what the user sees.
std::function<void()> MinimisePolicy::stateChanged(Application& app, Form& form, FormView& view,
                                                   bool isMain) {
    if (!form.visible) return {};
    const bool minimized = view.window->isMinimized();
    view.minimizedShown = minimized;
    const bool modelMinimized = form.minimized || (isMain && app.applicationMinimized);
    if (minimized == modelMinimized) return {};
    return [&app, &form, isMain, minimized] {
        app.touch();
        if (isMain) {
            app.applicationMinimized = minimized;
            if (!minimized) form.minimized = false;
        } else {
            form.minimized = minimized;
        }
    };
}

} // namespace kelvaro
