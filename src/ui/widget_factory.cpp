#include "ui/widget_factory.h"

#include "ui/control_sync.h"
#include "ui/form_label.h"

namespace kelvaro {

void WidgetFactory::setCustom(const Control& control, Make make, WidgetUpdate update) {
    custom_[&control] = {std::move(make), std::move(update)};
}

const WidgetUpdate* WidgetFactory::update(const Control& control) const {
    auto it = custom_.find(&control);
    return it != custom_.end() && it->second.second ? &it->second.second : nullptr;
}

void WidgetFactory::setImage(const Control& control, const QPixmap& pixmap, QWidget* built) {
    images_[&control] = pixmap;
    if (auto* image = dynamic_cast<ImageWidget*>(built)) image->setPixmap(pixmap);
}

void WidgetFactory::foresee(const Control& control, QStringList captions, QWidget* built) {
    if (auto* label = dynamic_cast<FormLabel*>(built)) label->foresee(captions);
    foreseen_[&control] = std::move(captions);
}

QWidget* WidgetFactory::make(Control& control, QWidget* parent, bool& custom) const {
    QWidget* widget = nullptr;
    auto own = custom_.find(&control);
    custom = own != custom_.end();
    if (custom) {
        widget = own->second.first(parent, control);
    } else {
        widget = createControlWidget(control, parent);
        if (auto foreseen = foreseen_.find(&control); foreseen != foreseen_.end())
            if (auto* label = dynamic_cast<FormLabel*>(widget)) label->foresee(foreseen->second);
    }
    if (auto* image = dynamic_cast<ImageWidget*>(widget))
        if (auto pic = images_.find(&control); pic != images_.end()) image->setPixmap(pic->second);
    return widget;
}

} // namespace kelvaro
