#pragma once
// One running program: its windows and controls, the named operations that
// handlers and scripts call, the main window's private state, and the platform
// services it borrows. No Qt: views and tests drive it through the same calls.
#include "app/main_state.h"
#include "framework/form.h"
#include "framework/locale_info.h"
#include "platform/platform.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvaro {

using Args = std::vector<std::string>;
using Operation = std::function<std::string(const Args&)>;

// The key being delivered; handlers may swallow it (the framework's Key := 0).
struct KeyEvent {
    std::string key; // one character, or Enter, Escape, Backspace, Tab, Insert, Delete, Up, Down, ...
    bool suppressed = false;
    bool isCharacter() const; // produces a character (key press) event
    char character() const;   // the character it produces (Enter = CR, Backspace = BS, ...)
};

// Something a user could not have done (a disabled control, an unknown item).
struct ScriptError : std::logic_error {
    using std::logic_error::logic_error;
};

class Application {
  public:
    Application(const Platform& platform, const LocaleInfo& locale, std::string programDir,
                std::vector<std::string> arguments);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Windows and controls.
    Form& addForm(const std::string& name);
    Form& form(const std::string& name);
    Form* findForm(const std::string& name);
    const std::vector<std::unique_ptr<Form>>& forms() const { return forms_; }
    Control& ctl(const std::string& name); // throws std::out_of_range when unknown
    Control* find(const std::string& name);

    // Named operations: handlers, shared routines and anything a script may call.
    void defineOperation(const std::string& name, Operation op);
    void defineOperation(const std::string& name, std::function<void()> op);
    bool hasOperation(const std::string& name) const;
    std::string run(const std::string& name, const Args& args = {});
    // Where the operation `name` is kept, for callers that run it every second: the
    // place lasts the program's life and holds what is defined under the name, or nothing.
    using OperationSlot = std::shared_ptr<const Operation>;
    const OperationSlot& operationSlot(const std::string& name);
    std::string run(const OperationSlot& slot, const Args& args = {}); // throws when nothing is defined
    void fire(Control& control, Event event); // runs the control's handler for the event, if any
    void fire(const std::string& controlName, Event event) { fire(ctl(controlName), event); }

    // What the user does, with the handlers the real widget would run.
    void userClick(const std::string& name);
    void userDblClick(const std::string& name);
    void userChoose(const std::string& name, const std::string& value);
    void userUpDown(const std::string& name, bool up);
    // The thumb of track bar NAME moved to `position` (kept within its range); its change handler runs.
    void userSlide(const std::string& name, int position);
    void userFocus(const std::string& name);
    void userLeave(const std::string& name);
    // True when a handler swallowed the key, so the widget must not act on it either.
    bool userKey(const std::string& key);
    void userEditText(const std::string& name, const std::string& text);
    KeyEvent* currentKey() { return currentKey_; }
    const std::string& focused() const { return focused_; }

    // Writes by the program, with the framework's side effects: a check box runs
    // its click operation when its state changes, a radio button when it becomes
    // checked, a radio menu item clears the rest of its group.
    void setChecked(Control& control, bool checked);
    void setChecked(const std::string& name, bool checked) { setChecked(ctl(name), checked); }

    // Private members readable by name (tests and scripts).
    void defineState(const std::string& name, std::function<std::string()> reader);
    std::optional<std::string> state(const std::string& name) const;

    // Message boxes; they block until answered.
    Answer box(BoxKind kind, const std::string& text, const std::vector<Answer>& buttons = {Answer::OK});
    // The application's standard error box for an error that reached a handler.
    void showException(const std::string& message);
    // Runs one event from outside (a user action, a timer); an error that escapes
    // its handlers is shown in the standard error box and the program goes on.
    void guarded(const std::function<void()>& action);

    // Modal windows do not block: `after` runs once the window has closed.
    void showModal(const std::string& formName, std::function<void()> after = {});
    void closeForm(const std::string& formName);
    bool applicationMinimized = false;
    bool applicationWindowShown = false;

    double now() const { return platform_.clock->now(); }
    Platform& platform() { return platform_; }
    const LocaleInfo& locale() const { return locale_; }
    const std::vector<std::string>& arguments() const { return arguments_; }
    std::string filePath(const std::string& fileName) const { return main.ProgramDir + fileName; }

    MainState main;
    // Private state of one feature, made on first use and kept for the program's life.
    template <class T> T& feature() {
        // A number per type rather than a hash of its name: the tick asks for features often.
        static const std::size_t index = nextFeatureIndex();
        if (index >= features_.size()) features_.resize(index + 1);
        auto& slot = features_[index];
        if (!slot) slot = std::shared_ptr<void>(new T(), [](void* p) { delete static_cast<T*>(p); });
        return *static_cast<T*>(slot.get());
    }
    // Counts every change made through the application; views refresh when it moves.
    unsigned revision = 0;
    void touch() { ++revision; }

  private:
    static std::size_t nextFeatureIndex();
    void runHandler(const std::string& handler, const Args& args = {});
    bool deliverKey(Control* target, KeyEvent& event);
    void typeInto(Control& target, const KeyEvent& event);

    Platform platform_;
    LocaleInfo locale_;
    std::vector<std::string> arguments_;
    std::vector<std::unique_ptr<Form>> forms_;
    std::map<std::string, OperationSlot> operations_; // map nodes stay put: slots are kept
    // An operation may redefine operations, itself included, while it runs: what is
    // replaced then is kept here until no operation runs.
    int running_ = 0;
    std::vector<OperationSlot> replacedWhileRunning_;
    std::map<std::string, std::function<std::string()>> states_;
    std::map<std::string, std::function<void()>> afterModal_;
    std::string focused_;
    KeyEvent* currentKey_ = nullptr;
    std::vector<std::shared_ptr<void>> features_; // by nextFeatureIndex()
};

} // namespace kelvaro
