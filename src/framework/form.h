#pragma once
// A window: its own flags and its controls in creation order, reachable by name.
#include "framework/control.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace kelvaro {

struct Form {
    std::string name;
    std::string caption;
    bool visible = false;
    bool modal = false;     // shown modally and not yet closed
    bool minimized = false; // the window's own minimised state
    bool stayOnTop = false;
    bool borderless = false;
    bool rounded = false;           // corners cut round (the main window's shape)
    bool hideWhenMinimized = false; // minimised, it leaves the taskbar: the tray brings it back
    int roundCorners = 0;           // corner ellipse of a rounded window (pixels); 0: square corners
    int left = 0, top = 0, width = 0, height = 0;
    int bgcolor = 0xF0F0F0;
    std::string activePage; // tab sheet shown by the page control, if any
    std::map<Event, std::string> handlers;

    explicit Form(std::string formName = {}) : name(std::move(formName)) { ++anyStructure_; }
    ~Form() { ++anyStructure_; }
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Control& add(const std::string& controlName, ControlKind kind, const std::string& parent = {});
    Control* find(const std::string& controlName);
    const Control* find(const std::string& controlName) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    // Children of a menu or container, in creation order.
    std::vector<Control*> children(const std::string& parentName) const;
    void remove(const std::string& controlName);
    // Puts a control just before another in the creation order (tab and menu order follow it);
    // before no control (an empty name): last.
    void moveBefore(const std::string& controlName, const std::string& beforeName);
    // Moves whenever a control is added, removed or moved: views rebuild what
    // depends on the list of controls only then, not every second.
    unsigned structure() const { return structure_; }
    // Moves whenever any form is made or dropped or changes its list of controls: a view
    // that lists controls across the forms checks this alone each second.
    static unsigned anyStructure() { return anyStructure_; }

  private:
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<std::string, Control*> index_;
    unsigned structure_ = 0;
    inline static unsigned anyStructure_ = 0; // the program's forms live on one thread
    void restructured() {
        ++structure_;
        ++anyStructure_;
    }
};

} // namespace kelvaro
