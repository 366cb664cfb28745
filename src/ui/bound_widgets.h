#pragma once
// Which widget shows which control, and back: the view finds a control's widget by
// the control, and the control under a widget the user acts on by the widget.
#include "ui/form_view.h"

#include <map>

class QObject;
class QWidget;

namespace kelvaro {

class BoundWidgets {
  public:
    BoundWidget* find(const Control& control);
    QWidget* widget(const Control& control) const;
    BoundWidget& bind(const Control& control, const Form& form, QWidget* widget, bool custom);
    // Hides the control's widget and forgets it; it is deleted once no event uses it.
    void drop(const Control& control);
    // Drops the widgets of controls the form no longer has.
    void dropRemoved(const Form& form);

    // The user's events on `widget` go to `filter`, and tell the control.
    void watch(QWidget* widget, Control& control, QObject* filter);
    Control* controlOf(const QObject* object) const;
    bool isWatched(const QObject* object) const { return controls_.count(object) != 0; }

  private:
    void forget(const Control* control);

    std::map<const Control*, BoundWidget> widgets_;
    std::map<const QObject*, Control*> controls_; // watched widget -> its control
};

} // namespace kelvaro
