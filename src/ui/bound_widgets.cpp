#include "ui/bound_widgets.h"

#include <QPlainTextEdit>
#include <QWidget>

#include <set>

namespace kelvaro {

BoundWidget* BoundWidgets::find(const Control& control) {
    auto it = widgets_.find(&control);
    // A control made where a removed one was is not the removed one.
    return it != widgets_.end() && it->second.name == control.name ? &it->second : nullptr;
}

QWidget* BoundWidgets::widget(const Control& control) const {
    auto it = widgets_.find(&control);
    return it != widgets_.end() && it->second.name == control.name ? it->second.widget : nullptr;
}

BoundWidget& BoundWidgets::bind(const Control& control, const Form& form, QWidget* widget, bool custom) {
    BoundWidget& bound = widgets_[&control];
    bound = BoundWidget{&form, control.name, widget, custom, std::nullopt};
    return bound;
}

void BoundWidgets::drop(const Control& control) {
    auto it = widgets_.find(&control);
    if (it == widgets_.end()) return;
    if (QWidget* w = it->second.widget) {
        w->hide();
        w->deleteLater(); // a nested event loop may still hold it
    }
    forget(&control);
    widgets_.erase(it);
}

void BoundWidgets::dropRemoved(const Form& form) {
    std::set<const Control*> present;
    for (const auto& c : form.controls())
        present.insert(c.get());
    for (auto it = widgets_.begin(); it != widgets_.end();) {
        const bool gone =
            it->second.form == &form && (!present.count(it->first) || it->first->name != it->second.name);
        if (!gone) {
            ++it;
            continue;
        }
        if (QWidget* w = it->second.widget) {
            w->hide();
            w->deleteLater();
        }
        forget(it->first);
        it = widgets_.erase(it);
    }
}

void BoundWidgets::watch(QWidget* widget, Control& control, QObject* filter) {
    controls_[widget] = &control;
    widget->installEventFilter(filter);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        controls_[memo->viewport()] = &control;
        memo->viewport()->installEventFilter(filter);
    }
    QObject::connect(widget, &QObject::destroyed, filter, [this](QObject* gone) { controls_.erase(gone); });
}

Control* BoundWidgets::controlOf(const QObject* object) const {
    auto it = controls_.find(object);
    return it == controls_.end() ? nullptr : it->second;
}

void BoundWidgets::forget(const Control* control) {
    std::erase_if(controls_, [control](const auto& entry) { return entry.second == control; });
}

} // namespace kelvaro
