// The view passes over a control whose stamp it has already seen. A change that
// leaves the stamp where it was stays off the screen; one that moves another
// control's stamp is shown late or never.
#include "framework/form.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using Write = std::pair<const char*, std::function<void(Control&)>>;

// One write to every field a view shows, in each of the ways the program writes.
std::vector<Write> everyWrite() {
    return {
        {"caption", [](Control& c) { c.caption = "Other"; }},
        {"text appended", [](Control& c) { c.text += "b"; }},
        {"hint", [](Control& c) { c.hint = "A hint"; }},
        {"checked", [](Control& c) { c.checked = !c.checked; }},
        {"enabled", [](Control& c) { c.enabled = false; }},
        {"visible", [](Control& c) { c.visible = false; }},
        {"colour", [](Control& c) { c.color = 0xFF; }},
        {"fill", [](Control& c) { c.bgcolor = 0; }},
        {"lamp on", [](Control& c) { c.oncolor = 0xFF00; }},
        {"lamp off", [](Control& c) { c.offcolor = 0x8000; }},
        {"left", [](Control& c) { ++c.left; }},
        {"top", [](Control& c) { c.top -= 2; }},
        {"width", [](Control& c) { c.width = 9; }},
        {"height", [](Control& c) { c.height = 9; }},
        {"font size", [](Control& c) { c.fontSize = 12; }},
        {"bold", [](Control& c) { c.bold = true; }},
        {"italic", [](Control& c) { c.italic = true; }},
        {"underline", [](Control& c) { c.underline = true; }},
        {"font", [](Control& c) { c.fontName = "Serif"; }},
        {"item appended", [](Control& c) { c.items.edit().push_back("x"); }},
        {"items", [](Control& c) { c.items = {"a"}; }},
        {"group", [](Control& c) { c.group = "g"; }},
        {"shortcut", [](Control& c) { c.shortcut = "Ctrl+O"; }},
        {"read-only", [](Control& c) { c.readOnly = true; }},
        {"cursor", [](Control& c) { c.cursor = 0; }},
        {"selection", [](Control& c) { c.selLength = 1; }},
        {"position", [](Control& c) { c.position = 5; }},
        {"min", [](Control& c) { c.min = -5; }},
        {"max", [](Control& c) { c.max = 5; }},
        {"selection start", [](Control& c) { c.selStart = 1; }},
        {"selection end", [](Control& c) { c.selEnd = 1; }},
        {"line step", [](Control& c) { c.lineStep = 2; }},
        {"page step", [](Control& c) { c.pageStep = 2; }},
        {"tick step", [](Control& c) { c.tickStep = 2; }},
        {"associate", [](Control& c) { c.associate = "Edit1"; }},
        {"interval", [](Control& c) { c.interval = 500; }},
        {"value", [](Control& c) { c.value = 1.5; }},
        {"cell written", [](Control& c) { c.cells.edit()[0][0] = "z"; }},
        {"column count", [](Control& c) { c.colCount = 3; }},
        {"row", [](Control& c) { c.row = 1; }},
        {"col", [](Control& c) { c.col = 1; }},
        {"column width", [](Control& c) { c.colWidths.edit().push_back(40); }},
    };
}

Control withOneCell() {
    Control c;
    c.cells = {{"a"}};
    return c;
}

TEST(ControlStamp, EveryWriteMovesTheStampOfItsOwnControlOnly) {
    for (const auto& [what, write] : everyWrite()) {
        // Controls as a window holds them, and copies and moves of one: each field
        // must find its own control wherever that control was made.
        Form form("F");
        Control& held = form.add("A", ControlKind::Label);
        held.cells = {{"a"}};
        Control& neighbour = form.add("B", ControlKind::Label);
        std::optional<Control> copy = held;
        std::vector<Control> moved;
        moved.push_back(withOneCell());
        moved.push_back(withOneCell()); // the first moves as the vector grows

        for (Control* c : {&held, &*copy, &moved[0]}) {
            const auto before = c->stamp();
            const auto others = {held.stamp(), neighbour.stamp(), copy->stamp(), moved[0].stamp(),
                                 moved[1].stamp()};
            write(*c);
            EXPECT_NE(c->stamp(), before) << what;
            std::size_t moves = 0;
            for (const auto s :
                 {held.stamp(), neighbour.stamp(), copy->stamp(), moved[0].stamp(), moved[1].stamp()})
                moves += std::find(others.begin(), others.end(), s) == others.end();
            EXPECT_EQ(moves, 1u) << what << ": another control's stamp moved too";
        }
    }
}

TEST(ControlStamp, OnlyARealChangeMovesIt) {
    Control c;
    c.caption = "10:47";
    c.left = 4;
    c.items = {"a", "b"};
    const auto stamp = c.stamp();
    c.caption = std::string("10:47"); // the tick writes the same minute sixty times
    c.caption = "10:47";
    c.left = 4;
    c.items = {"a", "b"};
    EXPECT_EQ(c.stamp(), stamp);

    // A copy and an assignment each take a stamp never seen before, so a view
    // that remembers a control's stamp never meets it again on another state.
    Control copy = c;
    EXPECT_NE(copy.stamp(), c.stamp());
    Control other;
    other = c;
    EXPECT_NE(other.stamp(), c.stamp());
    EXPECT_NE(other.stamp(), copy.stamp());
    EXPECT_EQ(other, c); // the stamp is no part of what a control shows
}

} // namespace
} // namespace kelvaro
