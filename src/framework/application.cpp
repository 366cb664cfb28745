#include "framework/application.h"

#include "framework/translatable.h"
#include "platform/no_services.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace kelvaro {

namespace {

std::string withoutAccelerator(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size() && caption[i + 1] != '&') continue;
        out += caption[i];
    }
    return out;
}

// Rejects what a real user could not do, so that a script cannot pass by
// pressing a control that is hidden or disabled.
void requireUsable(const Control& c) {
    if (!c.enabled) throw ScriptError(c.name + " is disabled");
}

} // namespace

namespace {

// One UTF-8 encoded character (a key that types a letter such as "ä").
bool isOneUtf8Character(const std::string& key) {
    if (key.empty()) return false;
    const auto lead = static_cast<unsigned char>(key[0]);
    const size_t length = lead < 0x80           ? 1
                          : (lead >> 5) == 0x6  ? 2
                          : (lead >> 4) == 0xE  ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    return length == key.size();
}

} // namespace

bool KeyEvent::isCharacter() const {
    return isOneUtf8Character(key) || key == "Enter" || key == "Escape" || key == "Backspace" ||
           key == "Tab" || key == "Space";
}

char KeyEvent::character() const {
    if (key.size() == 1) return key[0];
    if (key == "Enter") return '\r';
    if (key == "Escape") return 27;
    if (key == "Backspace") return 8;
    if (key == "Tab") return '\t';
    if (key == "Space") return ' ';
    return 0;
}

Application::Application(const Platform& platform, const LocaleInfo& locale, std::string programDir,
                         std::vector<std::string> arguments)
    : platform_(withDefaultServices(platform)), locale_(locale), arguments_(std::move(arguments)) {
    main.ProgramDir = std::move(programDir);
    if (!main.ProgramDir.empty() && main.ProgramDir.back() != '/') main.ProgramDir += '/';
}

Application::~Application() = default;

Form& Application::addForm(const std::string& name) {
    forms_.push_back(std::make_unique<Form>(name));
    return *forms_.back();
}

Form& Application::form(const std::string& name) {
    if (Form* f = findForm(name)) return *f;
    throw std::out_of_range("no window " + name);
}

Form* Application::findForm(const std::string& name) {
    for (auto& f : forms_)
        if (f->name == name) return f.get();
    return nullptr;
}

// "TFormAbout.Label1" names the control of that window where two windows have one of the name.
Control* Application::find(const std::string& name) {
    if (const auto dot = name.find('.'); dot != std::string::npos) {
        Form* f = findForm(name.substr(0, dot));
        return f ? f->find(name.substr(dot + 1)) : nullptr;
    }
    for (auto& f : forms_)
        if (Control* c = f->find(name)) return c;
    return nullptr;
}

Control& Application::ctl(const std::string& name) {
    if (Control* c = find(name)) return *c;
    throw std::out_of_range("no control " + name);
}

std::size_t Application::nextFeatureIndex() {
    static std::atomic<std::size_t> next{0};
    return next++;
}

void Application::defineOperation(const std::string& name, Operation op) {
    OperationSlot& slot = operations_[name];
    if (running_ > 0 && slot) replacedWhileRunning_.push_back(std::move(slot));
    slot = std::make_shared<const Operation>(std::move(op));
}

void Application::defineOperation(const std::string& name, std::function<void()> op) {
    defineOperation(name, Operation([op = std::move(op)](const Args&) {
                        op();
                        return std::string();
                    }));
}

bool Application::hasOperation(const std::string& name) const {
    auto it = operations_.find(name);
    return it != operations_.end() && it->second;
}

const Application::OperationSlot& Application::operationSlot(const std::string& name) {
    return operations_[name];
}

std::string Application::run(const std::string& name, const Args& args) {
    auto it = operations_.find(name);
    if (it == operations_.end() || !it->second) throw std::out_of_range("no operation " + name);
    return run(it->second, args);
}

std::string Application::run(const OperationSlot& slot, const Args& args) {
    const Operation* op = slot.get();
    if (!op) throw std::out_of_range("no operation");
    touch();
    ++running_;
    struct Leave {
        Application& app;
        ~Leave() {
            if (--app.running_ == 0) app.replacedWhileRunning_.clear();
            app.touch(); // again: a view may have refreshed in a box's loop before the last writes
        }
    } leave{*this};
    return (*op)(args);
}

void Application::runHandler(const std::string& handler, const Args& args) {
    if (!handler.empty() && hasOperation(handler)) run(handler, args);
}

void Application::fire(Control& control, Event event) {
    runHandler(control.handler(event));
}

void Application::userClick(const std::string& name) {
    Control& c = ctl(name);
    requireUsable(c);
    touch();
    switch (c.kind) {
    case ControlKind::CheckBox:
        c.checked = !c.checked;
        fire(c, Event::Click);
        break;
    case ControlKind::RadioButton:
        if (!c.checked) setChecked(c, true); // runs the click handler
        break;
    default:
        fire(c, Event::Click);
        break;
    }
}

void Application::userDblClick(const std::string& name) {
    Control& c = ctl(name);
    requireUsable(c);
    touch();
    fire(c, Event::DblClick);
}

void Application::userChoose(const std::string& name, const std::string& value) {
    Control& c = ctl(name);
    requireUsable(c);
    touch();
    if (c.kind == ControlKind::Menu || c.kind == ControlKind::MenuItem) {
        Form& f = form(c.form);
        for (Control* item : f.children(c.name))
            if (item->caption == value || withoutAccelerator(item->caption) == value) {
                userClick(item->name);
                return;
            }
        throw ScriptError("menu " + name + " has no item " + value);
    }
    if (std::find(c.items.begin(), c.items.end(), value) == c.items.end())
        throw ScriptError(name + " has no item " + value);
    c.text = value;
    fire(c, Event::Click);
    fire(c, Event::Change);
}

void Application::userUpDown(const std::string& name, bool up) {
    Control& c = ctl(name);
    requireUsable(c);
    touch();
    // Like the platform's up-down with a buddy box, start from the number the box shows.
    if (!c.associate.empty()) {
        const std::string& shown = ctl(c.associate).text;
        char* end = nullptr;
        const long value = std::strtol(shown.c_str(), &end, 10);
        if (!shown.empty() && end && *end == '\0') c.position = static_cast<int>(value);
    }
    c.position = std::clamp(c.position + (up ? 1 : -1), c.min, c.max);
    if (!c.associate.empty()) ctl(c.associate).text = std::to_string(c.position);
    runHandler(c.handler(Event::Click), {up ? "up" : "down"});
    fire(c, Event::MouseUp);
}

void Application::userSlide(const std::string& name, int position) {
    Control& c = ctl(name);
    requireUsable(c);
    touch();
    const int moved = std::clamp(position, c.min, c.max);
    if (moved == c.position) return;
    c.position = moved;
    fire(c, Event::Change);
}

void Application::userFocus(const std::string& name) {
    Control& c = ctl(name);
    requireUsable(c);
    touch();
    if (focused_ == name) return;
    if (!focused_.empty()) userLeave(focused_);
    focused_ = name;
    c.cursor = -1; // focus puts the cursor at the end
    c.selLength = 0;
    fire(c, Event::Enter);
}

void Application::userLeave(const std::string& name) {
    Control& c = ctl(name);
    touch();
    if (focused_ == name) focused_.clear();
    fire(c, Event::Exit);
}

void Application::userEditText(const std::string& name, const std::string& text) {
    Control& c = ctl(name);
    requireUsable(c);
    touch();
    c.text = text;
    fire(c, Event::Change);
}

bool Application::userKey(const std::string& key) {
    touch();
    KeyEvent event{key};
    Control* target = focused_.empty() ? nullptr : find(focused_);
    KeyEvent* outer = currentKey_;
    currentKey_ = &event;
    bool swallowed = false;
    try {
        swallowed = deliverKey(target, event);
    } catch (...) {
        currentKey_ = outer;
        throw;
    }
    currentKey_ = outer;
    return swallowed;
}

bool Application::deliverKey(Control* target, KeyEvent& event) {
    // The key preview of the window goes first; each stage may swallow the key.
    Form* window = target ? findForm(target->form) : (forms_.empty() ? nullptr : forms_.front().get());
    auto stage = [&](Event e) {
        if (window && !event.suppressed) {
            auto it = window->handlers.find(e);
            if (it != window->handlers.end()) runHandler(it->second);
        }
        if (target && !event.suppressed) fire(*target, e);
    };
    stage(Event::KeyDown);
    if (event.isCharacter() && !event.suppressed) {
        stage(Event::KeyPress);
        if (target && !event.suppressed) typeInto(*target, event);
    }
    const bool swallowed = event.suppressed;
    event.suppressed = false; // key-up arrives whatever the key-down did
    stage(Event::KeyUp);
    return swallowed;
}

void Application::typeInto(Control& target, const KeyEvent& event) {
    if (target.readOnly) return;
    if (target.kind != ControlKind::Edit && target.kind != ControlKind::ComboBox &&
        target.kind != ControlKind::Memo)
        return;
    const char ch = event.character();
    if (ch == '\r' || ch == 27 || ch == '\t') return;
    const std::string typed = ch == 8                                        ? ""
                              : event.key.size() > 1 && event.key != "Space" ? event.key
                                                                             : std::string(1, ch);
    std::string text = target.text;
    int cursor = target.cursor, selLength = target.selLength;
    typeAtCursor(text, cursor, selLength, typed);
    target.text = std::move(text);
    target.cursor = cursor;
    target.selLength = selLength;
    fire(target, Event::Change);
}

void Application::setChecked(Control& c, bool checked) {
    touch();
    const bool changed = c.checked != checked;
    switch (c.kind) {
    case ControlKind::CheckBox:
        c.checked = checked;
        if (changed) fire(c, Event::Click);
        break;
    case ControlKind::RadioButton:
        c.checked = checked;
        if (checked && changed) {
            for (auto& f : forms_)
                for (auto& other : f->controls())
                    if (other.get() != &c && other->kind == ControlKind::RadioButton && !c.group.empty() &&
                        other->group == c.group)
                        other->checked = false;
            fire(c, Event::Click);
        }
        break;
    case ControlKind::MenuItem:
        c.checked = checked;
        if (changed && !c.group.empty()) {
            Form& f = form(c.form);
            for (auto& other : f.controls())
                if (other.get() != &c && other->kind == ControlKind::MenuItem && other->group == c.group)
                    other->checked = false;
        }
        break;
    default:
        c.checked = checked;
        break;
    }
}

void Application::defineState(const std::string& name, std::function<std::string()> reader) {
    states_[name] = std::move(reader);
}

std::optional<std::string> Application::state(const std::string& name) const {
    auto it = states_.find(name);
    if (it == states_.end()) return std::nullopt;
    return it->second();
}

Answer Application::box(BoxKind kind, const std::string& text, const std::vector<Answer>& buttons) {
    touch();
    return platform_.dialogs->messageBox(kind, KV_TR("Kelvaro Clock"), text, buttons);
}

void Application::guarded(const std::function<void()>& action) {
    // A callback from outside: what it changes need not be a control. Before and after, as
    // a view may refresh in a box's loop within it.
    touch();
    struct Leave {
        Application& app;
        ~Leave() { app.touch(); }
    } leave{*this};
    try {
        action();
    } catch (const std::logic_error&) {
        throw; // a caller's mistake, not an error of the running program
    } catch (const std::exception& e) {
        showException(e.what());
    }
}

void Application::showException(const std::string& message) {
    box(BoxKind::Error, message);
}

void Application::showModal(const std::string& formName, std::function<void()> after) {
    Form& f = form(formName);
    touch();
    f.visible = true;
    f.modal = true;
    afterModal_[formName] = std::move(after);
    // Once each time it is shown (not at every repaint, which would throw away edits).
    auto shown = f.handlers.find(Event::Show);
    if (shown != f.handlers.end()) runHandler(shown->second);
}

void Application::closeForm(const std::string& formName) {
    Form& f = form(formName);
    touch();
    auto close = f.handlers.find(Event::Close);
    if (close != f.handlers.end()) runHandler(close->second);
    f.visible = false;
    const bool wasModal = f.modal;
    f.modal = false;
    if (!wasModal) return;
    auto it = afterModal_.find(formName);
    if (it == afterModal_.end()) return;
    auto after = std::move(it->second);
    afterModal_.erase(it);
    if (after) after();
}

} // namespace kelvaro
