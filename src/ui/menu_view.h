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
    QAction* action(const std::string& name) const;
    QMenu* menu(const std::string& name) const;

  private:
    void rebuild(const Form& form, QWidget* window);
    void addChildren(const Form& form, const std::string& parent, QWidget* into);

    Notify onClick_, onOpen_;
    std::uint64_t shape_ = 0;
    QMenuBar* bar_ = nullptr;
    std::vector<std::unique_ptr<QMenu>> popups_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    std::set<std::string> parents_;        // controls with children, found in one pass per rebuild
    std::map<std::string, Control> shown_; // item as last written
};

} // namespace kelvaro
