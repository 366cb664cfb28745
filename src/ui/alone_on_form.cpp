#include "ui/alone_on_form.h"

#include "ui/control_widgets.h"

#include <QPainter>

namespace kelvaro {

namespace {

// The form window whose body holds `widget` directly, when it paints a background there.
FormWindow* formUnder(const QWidget& widget) {
    QWidget* body = widget.parentWidget();
    if (!body || widget.autoFillBackground() || widget.isWindow()) return nullptr;
    auto* form = dynamic_cast<FormWindow*>(body->parentWidget());
    return form && form->body() == body && form->hasBackground() ? form : nullptr;
}

bool overlapped(const QWidget& widget) {
    const QRect place = widget.geometry();
    for (const QObject* child : widget.parentWidget()->children()) {
        if (child == &widget || !child->isWidgetType()) continue;
        const auto* sibling = static_cast<const QWidget*>(child);
        if (!sibling->isHidden() && sibling->geometry().intersects(place)) return true;
    }
    return false;
}

} // namespace

void keepOpaqueWhenAlone(QWidget& widget) {
    const bool alone = formUnder(widget) && !overlapped(widget);
    if (widget.testAttribute(Qt::WA_OpaquePaintEvent) != alone)
        widget.setAttribute(Qt::WA_OpaquePaintEvent, alone);
}

void paintFormUnder(QPainter& painter, const QWidget& widget) {
    if (!widget.testAttribute(Qt::WA_OpaquePaintEvent)) return;
    if (FormWindow* form = formUnder(widget))
        form->paintBackground(painter, widget.mapTo(form, QPoint()), widget.size());
}

long long formBackgroundKey(const QWidget& widget) {
    FormWindow* form = formUnder(widget);
    return form ? form->backgroundKey() : 0;
}

void CheckedSurroundings::remember(const QWidget& widget) {
    form_ = widget.testAttribute(Qt::WA_OpaquePaintEvent) ? formUnder(widget) : nullptr;
    if (form_) seen_ = form_->surroundings();
}

void CheckedSurroundings::forget() {
    form_ = nullptr;
}

bool CheckedSurroundings::unchanged() const {
    return form_ && form_->surroundings() == seen_;
}

} // namespace kelvaro
