#pragma once
// The state of one window control. The controls are the only copy of every
// setting, so everything a view shows and a handler reads lives here.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "framework/watched.h"

namespace kelvaro {

enum class ControlKind {
    Label,
    Button,
    CheckBox,
    RadioButton,
    ComboBox,
    Edit,
    Memo,
    MenuItem,
    Menu,
    Lamp,
    Panel,
    Image,
    UpDown,
    Grid,
    TabSheet,
    PageControl,
    Timer,
    Shape,
    TrackBar,
    Other
};

// Events a control can route to a named handler (an operation of the application).
enum class Event {
    Click,
    DblClick,
    Enter,
    Exit,
    Change,
    MouseDown,
    MouseUp,
    MouseMove,
    KeyDown,
    KeyPress,
    KeyUp,
    Paint,
    Close,
    Show
};

struct Control {
    std::string name;
    ControlKind kind = ControlKind::Other;
    std::string form;   // owning window
    std::string parent; // menu item's menu, control's container ("" = the window)

    Watched<std::string> caption{this};
    Watched<std::string> text{this};
    Watched<std::string> hint{this};
    Watched<bool> checked{this, false};
    Watched<bool> enabled{this, true};
    Watched<bool> visible{this, true};
    Watched<int> color{this, 0};          // font colour, framework colour number (blue in the high byte)
    Watched<int> bgcolor{this, 0xFFFFFF}; // background colour
    Watched<int> oncolor{this, 0};        // lamps
    Watched<int> offcolor{this, 0};
    Watched<int> left{this, 0}, top{this, 0}, width{this, 0}, height{this, 0};
    Watched<int> fontSize{this, 0}; // 0: the view's default
    Watched<bool> bold{this, false};
    Watched<bool> italic{this, false};
    Watched<bool> underline{this, false};
    Watched<std::string> fontName{this};

    Watched<std::vector<std::string>> items{this}; // combo boxes and list boxes
    Watched<std::string> group{this};              // radio group of radio buttons and radio menu items
    Watched<std::string> shortcut{this};           // menu items ("Ctrl+O"); shown by the view only
    Watched<bool> readOnly{this, false};           // combo boxes that take no typing
    // Edit and combo boxes, and a grid's current cell: the cursor as a byte offset
    // into the text (at a character boundary; -1: at the end, where focus puts it)
    // and the length of the selection that starts there.
    Watched<int> cursor{this, -1};
    Watched<int> selLength{this, 0};

    Watched<int> position{this, 0}, min{this, 0}, max{this, 100}; // up-down buttons, track bars
    Watched<int> selStart{this, 0}, selEnd{this, 0}; // track bars: the range drawn as the blue selection
    Watched<int> lineStep{this, 1}, pageStep{this, 10},
        tickStep{this, 0};                // track bars: arrow keys, page keys, tick marks
    Watched<std::string> associate{this}; // up-down's box

    Watched<int> interval{this, 0}; // timers (ms)
    Watched<double> value{this, 0}; // a control's date or number that has no text (the moon's date)

    // Grids: cells[row][col], row 0 is the header row.
    Watched<std::vector<std::vector<std::string>>> cells{this};
    Watched<int> colCount{this, 0};
    Watched<int> row{this, 0}, col{this, 0};
    Watched<std::vector<int>> colWidths{this};

    std::map<Event, std::string> handlers;

    const std::string& handler(Event e) const;
    bool isChecked() const { return checked; }
    bool operator==(const Control&) const = default; // views compare against what they last showed
    // Moves whenever a field above changes: a view that remembers it knows the control
    // is as it showed it. The name, kind, window, parent and handlers are not counted.
    std::uint64_t stamp() const { return stamp_.value(); }
    // Where stamp() reads from: views keep it and check a control without touching it.
    const std::uint64_t* stampCell() const { return stamp_.cell(); }

  private:
    template <class> friend class Watched;
    WriteStamp stamp_;
};

template <class T> void Watched<T>::changed() {
    reinterpret_cast<Control*>(reinterpret_cast<char*>(this) - back_)->stamp_.renew();
}

const char* kindName(ControlKind kind);

// One typed key at the cursor: a text replaces the selection (or goes in at the
// cursor), an empty text is Backspace (deletes the selection or the character
// before the cursor). A cursor at the end stays at the end.
void typeAtCursor(std::string& text, int& cursor, int& selLength, const std::string& typed);

} // namespace kelvaro
