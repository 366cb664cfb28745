#pragma once
// The state of one window control. The controls are the only copy of every
// setting, so everything a view shows and a handler reads lives here.
#include <map>
#include <string>
#include <vector>

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

    std::string caption;
    std::string text;
    std::string hint;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    int color = 0;          // font colour, framework colour number (blue in the high byte)
    int bgcolor = 0xFFFFFF; // background colour
    int oncolor = 0;        // lamps
    int offcolor = 0;
    int left = 0, top = 0, width = 0, height = 0;
    int fontSize = 0; // 0: the view's default
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::string fontName;

    std::vector<std::string> items; // combo boxes and list boxes
    std::string group;              // radio group of radio buttons and radio menu items
    std::string shortcut;           // menu items ("Ctrl+O"); shown by the view only
    bool readOnly = false;          // combo boxes that take no typing
    // Edit and combo boxes, and a grid's current cell: the cursor as a byte offset
    // into the text (at a character boundary; -1: at the end, where focus puts it)
    // and the length of the selection that starts there.
    int cursor = -1;
    int selLength = 0;

    int position = 0, min = 0, max = 100;          // up-down buttons, track bars
    int selStart = 0, selEnd = 0;                  // track bars: the range drawn as the blue selection
    int lineStep = 1, pageStep = 10, tickStep = 0; // track bars: arrow keys, page keys, tick marks
    std::string associate;                         // up-down's box

    int interval = 0; // timers (ms)
    double value = 0; // a control's date or number that has no text (the moon's date)

    // Grids: cells[row][col], row 0 is the header row.
    std::vector<std::vector<std::string>> cells;
    int colCount = 0;
    int row = 0, col = 0;
    std::vector<int> colWidths;

    std::map<Event, std::string> handlers;

    const std::string& handler(Event e) const;
    bool isChecked() const { return checked; }
    bool operator==(const Control&) const = default; // views compare against what they last showed
};

const char* kindName(ControlKind kind);

// One typed key at the cursor: a text replaces the selection (or goes in at the
// cursor), an empty text is Backspace (deletes the selection or the character
// before the cursor). A cursor at the end stays at the end.
void typeAtCursor(std::string& text, int& cursor, int& selLength, const std::string& typed);

} // namespace kelvaro
