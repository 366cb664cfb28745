#include "ui/feature_widgets.h"

#include "moon/moon_widget.h"
#include "ui/program_view.h"

#include <QFrame>

namespace kelvaro {

void registerFeatureWidgets(ProgramView& view) {
    view.registerCustomWidget("PanelMoon", [](QWidget* parent, Control&) {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(2);
        return frame;
    });
    view.registerCustomWidget(
        "Moon1",
        [](QWidget* parent, Control& c) {
            auto* moon = new MoonWidget(parent);
            moon->setMoonSize(moon::TMoonSize::ms32);
            moon->setDate(c.value);
            return moon;
        },
        [](QWidget* widget, const Control& c) {
            if (auto* moon = qobject_cast<MoonWidget*>(widget)) moon->setDate(c.value);
        });
}

} // namespace kelvaro
