#include "framework/control.h"

#include <algorithm>

namespace kelvaro {

const std::string& Control::handler(Event e) const {
    static const std::string none;
    auto it = handlers.find(e);
    return it == handlers.end() ? none : it->second;
}

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::Button:
        return "button";
    case ControlKind::CheckBox:
        return "check box";
    case ControlKind::RadioButton:
        return "radio button";
    case ControlKind::ComboBox:
        return "combo box";
    case ControlKind::Edit:
        return "edit";
    case ControlKind::Memo:
        return "memo";
    case ControlKind::MenuItem:
        return "menu item";
    case ControlKind::Menu:
        return "menu";
    case ControlKind::Lamp:
        return "lamp";
    case ControlKind::Panel:
        return "panel";
    case ControlKind::Image:
        return "image";
    case ControlKind::UpDown:
        return "up-down";
    case ControlKind::Grid:
        return "grid";
    case ControlKind::TabSheet:
        return "tab sheet";
    case ControlKind::PageControl:
        return "page control";
    case ControlKind::Timer:
        return "timer";
    case ControlKind::Shape:
        return "shape";
    case ControlKind::TrackBar:
        return "track bar";
    case ControlKind::Other:
        return "control";
    }
    return "control";
}

namespace {
bool continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
} // namespace

void typeAtCursor(std::string& text, int& cursor, int& selLength, const std::string& typed) {
    const size_t size = text.size();
    const bool atEnd = cursor < 0 || static_cast<size_t>(cursor) >= size;
    size_t at = atEnd ? size : static_cast<size_t>(cursor);
    while (at > 0 && at < size && continuation(text[at]))
        --at;
    size_t cut = selLength > 0 && !atEnd ? std::min(static_cast<size_t>(selLength), size - at) : 0;
    if (typed.empty() && cut == 0) {
        // Backspace without a selection: one whole character before the cursor.
        if (at == 0) return;
        size_t from = at - 1;
        while (from > 0 && continuation(text[from]))
            --from;
        cut = at - from;
        at = from;
    }
    text.replace(at, cut, typed);
    selLength = 0;
    cursor = atEnd ? -1 : static_cast<int>(at + typed.size());
}

} // namespace kelvaro
