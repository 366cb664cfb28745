#include "framework/control.h"

namespace kelvaro {

const std::string& Control::handler(Event e) const {
    static const std::string none;
    auto it = handlers.find(e);
    return it == handlers.end() ? none : it->second;
}

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return "label";
    case ControlKind::Button: return "button";
    case ControlKind::CheckBox: return "check box";
    case ControlKind::RadioButton: return "radio button";
    case ControlKind::ComboBox: return "combo box";
    case ControlKind::Edit: return "edit";
    case ControlKind::Memo: return "memo";
    case ControlKind::MenuItem: return "menu item";
    case ControlKind::Menu: return "menu";
    case ControlKind::Lamp: return "lamp";
    case ControlKind::Panel: return "panel";
    case ControlKind::Image: return "image";
    case ControlKind::UpDown: return "up-down";
    case ControlKind::Grid: return "grid";
    case ControlKind::TabSheet: return "tab sheet";
    case ControlKind::PageControl: return "page control";
    case ControlKind::Timer: return "timer";
    case ControlKind::Shape: return "shape";
    case ControlKind::TrackBar: return "track bar";
    case ControlKind::Other: return "control";
    }
    return "control";
}

} // namespace kelvaro
