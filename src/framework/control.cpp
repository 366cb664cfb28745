#include "framework/control.h"

#include <algorithm>
#include <memory>
#include <vector>

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

namespace kelvaro {

namespace {

// Blocks that never move: a stamp keeps its cell for life, and a freed cell goes to the next stamp.
struct StampCells {
    static constexpr std::size_t kBlock = 512;
    std::vector<std::unique_ptr<std::uint64_t[]>> blocks;
    std::size_t usedInLast = kBlock;
    std::vector<std::uint64_t*> free;
};

StampCells& stampCells() {
    static auto* cells = new StampCells; // never destroyed: static controls end after it otherwise
    return *cells;
}

} // namespace

std::uint64_t* WriteStamp::takeCell() {
    StampCells& cells = stampCells();
    if (!cells.free.empty()) {
        std::uint64_t* cell = cells.free.back();
        cells.free.pop_back();
        return cell;
    }
    if (cells.usedInLast == StampCells::kBlock) {
        cells.blocks.push_back(std::make_unique<std::uint64_t[]>(StampCells::kBlock));
        cells.usedInLast = 0;
    }
    return &cells.blocks.back()[cells.usedInLast++];
}

void WriteStamp::giveBack(std::uint64_t* cell) {
    stampCells().free.push_back(cell);
}

} // namespace kelvaro
