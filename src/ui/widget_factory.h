#pragma once
// Makes the widget of a control: a feature's own widget where one is registered
// for the control, else the generic widget of its kind, with the picture and the
// foreseen captions a feature gave for it. Everything is keyed by the control itself.
#include "framework/control.h"
#include "ui/form_view.h"

#include <QPixmap>
#include <QStringList>

#include <functional>
#include <map>

class QWidget;

namespace kelvaro {

class WidgetFactory {
  public:
    using Make = std::function<QWidget*(QWidget* parent, Control& control)>;

    void setCustom(const Control& control, Make make, WidgetUpdate update);
    bool isCustom(const Control& control) const { return custom_.count(&control) != 0; }
    // The custom widget's update, or nullptr.
    const WidgetUpdate* update(const Control& control) const;
    // Remembers the picture and puts it into `built` when that is an image widget.
    void setImage(const Control& control, const QPixmap& pixmap, QWidget* built);
    void foresee(const Control& control, QStringList captions, QWidget* built);

    // The widget for `control` inside `parent`; `custom` tells whose it is.
    QWidget* make(Control& control, QWidget* parent, bool& custom) const;

  private:
    std::map<const Control*, std::pair<Make, WidgetUpdate>> custom_;
    std::map<const Control*, QPixmap> images_;
    std::map<const Control*, QStringList> foreseen_; // a label's captions it shows in turn
};

} // namespace kelvaro
