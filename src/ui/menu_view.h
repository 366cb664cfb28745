#pragma once
// The menus of one form, built from its Menu and MenuItem controls: "MainMenu"
// becomes the window's menu bar, other parentless menus become pop-up menus.
#include "framework/form.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace kelvaro {

class MenuView {
  public:
    using Notify = std::function<void(const std::string& controlName)>;
    // onClick: the user chose an item; onOpen: a menu with a click handler is about to open.
    MenuView(Notify onClick, Notify onOpen) : onClick_(std::move(onClick)), onOpen_(std::move(onOpen)) {}
    ~MenuView();
    MenuView(const MenuView&) = delete;
    MenuView& operator=(const MenuView&) = delete;

    // Rebuilds when the menus changed shape, then writes the captions and states
    // that changed since the last sync (every one when `force`).
    void sync(const Form& form, QWidget* window, bool force = true);
    QMenuBar* bar() const { return bar_; }
    // Asking for an entry of a long menu not yet opened makes the entries of every such menu.
    QAction* action(const std::string& name);
    QMenu* menu(const std::string& name);

  private:
    // One menu entry and what was last written to it; the control outlives the
    // entry, since removing a control changes the menus' shape and rebuilds them.
    struct Entry {
        Entry(const Control* c, QAction* a, QMenu* s = nullptr) : control(c), action(a), sub(s) {}
        const Control* control = nullptr;
        QAction* action = nullptr;
        QMenu* sub = nullptr; // the entry opens this menu
        bool written = false;
        bool visible = false, enabled = false, checked = false, checkable = false;
        std::string caption, shortcut, hint;
        bool shows(const Control& c) const;
        void remember(const Control& c);
    };

    bool shapeChanged(const Form& form);
    void rebuild(const Form& form, QWidget* window);
    // mayWait: `into` is a submenu, which may be filled only when it opens.
    void addChildren(const Form& form, const std::string& parent, QWidget* into, bool mayWait);
    void fillOnOpen(QMenu* menu);
    void fillAll();
    static void write(Entry& entry);
    // Runs a user's choice; menus retired meanwhile are freed once no choice is running.
    void run(const Notify& notify, const std::string& name);
    void retire(QWidget* menu);
    void freeRetired();

    Notify onClick_, onOpen_;
    int running_ = 0;               // choices whose handler has not returned (a box may be open)
    std::vector<QWidget*> retired_; // old menus, hidden, kept while a choice from them may run
    std::uint64_t shape_ = 0;
    unsigned shapeStructure_ = 0; // the form's structure() when shape_ was worked out
    bool shapeKnown_ = false;
    std::vector<Entry> entries_;
    QMenuBar* bar_ = nullptr;
    std::vector<std::unique_ptr<QMenu>> popups_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    std::set<std::string> parents_;            // controls with children, found in one pass per rebuild
    std::map<QWidget*, std::string> unfilled_; // long submenus not yet opened, and their controls' names
    const Form* form_ = nullptr;               // the form of the last sync
};

} // namespace kelvaro
