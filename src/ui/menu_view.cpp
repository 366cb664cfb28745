#include "ui/menu_view.h"

#include <cstdint>
#include <string_view>

#include "platform/linux/translation.h"
#include "ui/qt_convert.h"

namespace kelvaro {

namespace {

bool isMenuKind(ControlKind k) {
    return k == ControlKind::Menu || k == ControlKind::MenuItem;
}
bool isSeparator(const Control& c) {
    return c.kind == ControlKind::MenuItem && c.caption == "-";
}

// A fingerprint of the menus' structure (names, nesting, separators and the
// controls themselves), computed without allocating.
std::uint64_t menuShape(const Form& form) {
    std::uint64_t hash = 1469598103934665603ull;
    auto mix = [&hash](std::string_view text) {
        for (const char ch : text)
            hash = (hash ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
        hash = (hash ^ 0x01u) * 1099511628211ull;
    };
    for (const auto& c : form.controls())
        if (isMenuKind(c->kind)) {
            const auto address = reinterpret_cast<std::uintptr_t>(c.get());
            mix(std::string_view(reinterpret_cast<const char*>(&address), sizeof address));
            mix(c->name);
            mix(c->parent);
            mix(isSeparator(*c) ? "-" : kindName(c->kind));
        }
    return hash;
}

// A submenu with more entries than this gets them when it first opens. Adding an entry looks
// through every entry the menu already holds, so a hundred thousand cities put in one by one
// kept the window from showing for seconds; made at once, their actions were most of the rest.
constexpr std::size_t kFilledWhenOpened = 256;

} // namespace

MenuView::~MenuView() {
    delete bar_;
    for (QWidget* menu : retired_)
        delete menu;
}

void MenuView::run(const Notify& notify, const std::string& name) {
    ++running_;
    struct Done {
        MenuView& view;
        ~Done() {
            if (--view.running_ == 0) view.freeRetired();
        }
    } done{*this};
    notify(name);
}

// A menu rebuilt while a choice from it runs (a box it opened pumps events, and
// the view syncs under it) must outlive that choice: its action is still on the stack.
void MenuView::retire(QWidget* menu) {
    menu->hide();
    retired_.push_back(menu);
    if (running_ == 0) freeRetired();
}

void MenuView::freeRetired() {
    // Deferred once more: deleteLater from here runs when control is back in the loop
    // that delivered the choice, not in a box's loop nested under it.
    for (QWidget* menu : retired_)
        menu->deleteLater();
    retired_.clear();
}

QAction* MenuView::action(const std::string& name) {
    auto it = actions_.find(name);
    if (it == actions_.end() && !unfilled_.empty()) {
        fillAll(); // asked for an entry of a long menu not yet opened
        it = actions_.find(name);
    }
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MenuView::menu(const std::string& name) {
    auto it = menus_.find(name);
    if (it == menus_.end() && !unfilled_.empty()) {
        fillAll();
        it = menus_.find(name);
    }
    return it == menus_.end() ? nullptr : it->second;
}

void MenuView::fillOnOpen(QMenu* menu) {
    auto it = unfilled_.find(menu);
    if (it == unfilled_.end() || !form_) return;
    const std::string name = it->second;
    unfilled_.erase(it);
    const std::size_t first = entries_.size();
    addChildren(*form_, name, menu, false);
    for (std::size_t i = first; i < entries_.size(); ++i) {
        entries_[i].remember(*entries_[i].control);
        write(entries_[i]);
    }
}

void MenuView::fillAll() {
    while (!unfilled_.empty())
        fillOnOpen(static_cast<QMenu*>(unfilled_.begin()->first));
}

void MenuView::addChildren(const Form& form, const std::string& parent, QWidget* into, bool mayWait) {
    const std::vector<Control*> children = form.children(parent);
    if (mayWait && children.size() > kFilledWhenOpened) {
        unfilled_[into] = parent;
        return;
    }
    for (Control* c : children) {
        if (!isMenuKind(c->kind)) continue;
        const std::string name = c->name;
        if (isSeparator(*c)) {
            auto* sep = new QAction(into);
            sep->setSeparator(true);
            into->addAction(sep);
            actions_[name] = sep;
            entries_.push_back({c, sep});
        } else if (c->kind == ControlKind::Menu || parents_.count(name)) {
            auto* sub = new QMenu(into);
            into->addAction(sub->menuAction());
            menus_[name] = sub;
            actions_[name] = sub->menuAction();
            entries_.push_back({c, sub->menuAction(), sub});
            QObject::connect(sub, &QMenu::aboutToShow, sub, [this, sub] { fillOnOpen(sub); });
            QObject::connect(sub, &QMenu::aboutToShow, sub, [this, name] { run(onOpen_, name); });
            addChildren(form, name, sub, true);
        } else {
            auto* item = new QAction(into);
            into->addAction(item);
            actions_[name] = item;
            entries_.push_back({c, item});
            QObject::connect(item, &QAction::triggered, item, [this, name] { run(onClick_, name); });
        }
    }
}

void MenuView::rebuild(const Form& form, QWidget* window) {
    // A menu may be open, or its signal running, right now.
    if (bar_) {
        retire(bar_);
        bar_ = nullptr;
    }
    for (auto& popup : popups_)
        retire(popup.release());
    popups_.clear();
    actions_.clear();
    menus_.clear();
    entries_.clear();
    unfilled_.clear();
    // Asking the form for each item's children would pass over every control per item.
    parents_.clear();
    for (const auto& c : form.controls())
        if (!c->parent.empty()) parents_.insert(c->parent);
    for (const auto& c : form.controls()) {
        if (c->kind != ControlKind::Menu || !c->parent.empty()) continue;
        if (c->name == "MainMenu") { // the framework's name for a form's menu bar, in every form
            bar_ = new QMenuBar(window);
            // The windows were laid out for the framework's 8-point menu titles with
            // narrow margins; the style's own would push the last menus under an overflow arrow.
            QFont font = bar_->font();
            font.setPointSize(8);
            bar_->setFont(font);
            bar_->setStyleSheet(
                QStringLiteral("QMenuBar { spacing: 1px; } QMenuBar::item { padding: 3px 5px; }"));
            addChildren(form, c->name, bar_, false);
            // A child made after its window was shown stays hidden until shown itself.
            if (window && window->isVisible()) bar_->show();
        } else {
            popups_.push_back(std::make_unique<QMenu>());
            menus_[c->name] = popups_.back().get();
            // The tray hands a pop-up's entries on as they stand: it is filled at once.
            addChildren(form, c->name, popups_.back().get(), false);
        }
    }
}

bool MenuView::Entry::shows(const Control& c) const {
    return written && visible == c.visible && enabled == c.enabled && checked == c.checked &&
           checkable == (c.checked || !c.group.empty()) && caption == c.caption && shortcut == c.shortcut &&
           hint == c.hint;
}

void MenuView::Entry::remember(const Control& c) {
    written = true;
    visible = c.visible;
    enabled = c.enabled;
    checked = c.checked;
    checkable = c.checked || !c.group.empty();
    caption = c.caption;
    shortcut = c.shortcut;
    hint = c.hint;
}

// Works the shape out again only when controls came or went: the tick calls sync
// every second, and a pass over every control's name would be most of its cost.
bool MenuView::shapeChanged(const Form& form) {
    if (shapeKnown_ && form.structure() == shapeStructure_) return false;
    shapeKnown_ = true;
    shapeStructure_ = form.structure();
    const std::uint64_t shape = menuShape(form);
    if (shape == shape_) return false;
    shape_ = shape;
    return true;
}

void MenuView::sync(const Form& form, QWidget* window, bool force) {
    form_ = &form;
    if (shapeChanged(form)) rebuild(form, window);
    for (Entry& entry : entries_) {
        const Control& c = *entry.control;
        if (entry.shows(c)) {
            // All a menu entry changes on its own is its check mark: with a hundred thousand
            // cities, writing every entry again after each key would cost a second.
            if (force && entry.action->isChecked() != c.checked) entry.action->setChecked(c.checked);
            continue;
        }
        if (entry.action->isSeparator() != isSeparator(c)) { // a caption became "-" or stopped being one
            shape_ = menuShape(form);
            rebuild(form, window);
            sync(form, window, true);
            return;
        }
        entry.remember(c);
        write(entry);
    }
}

void MenuView::write(Entry& entry) {
    QAction* action = entry.action;
    const Control& c = *entry.control;
    if (action->isVisible() != c.visible) action->setVisible(c.visible);
    if (action->isEnabled() != c.enabled) action->setEnabled(c.enabled);
    if (action->isSeparator()) return;
    if (entry.sub) {
        if (const QString title = translated(c.caption); entry.sub->title() != title)
            entry.sub->setTitle(title);
        return;
    }
    if (const QString text = translated(c.caption); action->text() != text) action->setText(text);
    const bool checkable = c.checked || !c.group.empty();
    if (action->isCheckable() != checkable) action->setCheckable(checkable);
    if (action->isChecked() != c.checked) action->setChecked(c.checked);
    const QKeySequence shortcut(qs(c.shortcut));
    if (action->shortcut() != shortcut) action->setShortcut(shortcut);
    const QString hint = translated(c.hint);
    if (action->toolTip() != hint && !hint.isEmpty()) action->setToolTip(hint);
}

} // namespace kelvaro
