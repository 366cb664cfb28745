#pragma once
// Short-hands for laying out a window's controls.
#include "framework/form.h"

#include <string>

namespace kelvaro {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

inline Control& place(Control& c, Rect r) {
    c.left = r.left;
    c.top = r.top;
    c.width = r.width;
    c.height = r.height;
    return c;
}

inline Control& addLabel(Form& f, const std::string& name, const std::string& caption, Rect r,
                         const std::string& parent = {}) {
    Control& c = place(f.add(name, ControlKind::Label, parent), r);
    c.caption = caption;
    c.bgcolor = -1; // transparent
    return c;
}

inline Control& addCheckBox(Form& f, const std::string& name, const std::string& caption, bool checked,
                            Rect r, const std::string& parent = {}) {
    Control& c = place(f.add(name, ControlKind::CheckBox, parent), r);
    c.caption = caption;
    c.checked = checked;
    return c;
}

inline Control& addRadio(Form& f, const std::string& name, const std::string& caption, bool checked,
                         const std::string& group, Rect r, const std::string& parent = {}) {
    Control& c = place(f.add(name, ControlKind::RadioButton, parent), r);
    c.caption = caption;
    c.checked = checked;
    c.group = group;
    return c;
}

inline Control& addCombo(Form& f, const std::string& name, const std::string& text, Rect r,
                         const std::string& parent = {}) {
    Control& c = place(f.add(name, ControlKind::ComboBox, parent), r);
    c.text = text;
    return c;
}

inline Control& addButton(Form& f, const std::string& name, const std::string& caption, Rect r,
                          const std::string& parent = {}) {
    Control& c = place(f.add(name, ControlKind::Button, parent), r);
    c.caption = caption;
    return c;
}

inline Control& addMenu(Form& f, const std::string& name, const std::string& caption,
                        const std::string& parent = "MainMenu") {
    Control& c = f.add(name, ControlKind::Menu, parent);
    c.caption = caption;
    return c;
}

inline Control& addMenuItem(Form& f, const std::string& name, const std::string& caption,
                            const std::string& parent, bool checked = false, const std::string& group = {}) {
    Control& c = f.add(name, ControlKind::MenuItem, parent);
    c.caption = caption;
    c.checked = checked;
    c.group = group;
    return c;
}

inline Control& addSeparator(Form& f, const std::string& name, const std::string& parent) {
    Control& c = f.add(name, ControlKind::MenuItem, parent);
    c.caption.assign(1, '-'); // not = "-": a false -Wrestrict of GCC 12 at -O2
    return c;
}

inline Control& addLamp(Form& f, const std::string& name, int onColor, int offColor, Rect r,
                        const std::string& parent = {}) {
    Control& c = place(f.add(name, ControlKind::Lamp, parent), r);
    c.oncolor = onColor;
    c.offcolor = offColor;
    return c;
}

inline Control& addUpDown(Form& f, const std::string& name, const std::string& associate, int min, int max,
                          Rect r, const std::string& parent = {}) {
    Control& c = place(f.add(name, ControlKind::UpDown, parent), r);
    c.associate = associate;
    c.min = min;
    c.max = max;
    return c;
}

} // namespace kelvaro
