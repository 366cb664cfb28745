#pragma once
// Whether a form's window is shown, minimised or hidden, and the window manager's
// minimise and restore told back to the model. The main window follows the
// application's minimised state too; minimised to the tray it is hidden.
#include "ui/form_view.h"

#include <functional>

namespace kelvaro {

class Application;

class MinimisePolicy {
  public:
    // `boxIsOpen`: a message box (no window of a form) is open.
    explicit MinimisePolicy(std::function<bool()> boxIsOpen) : boxIsOpen_(std::move(boxIsOpen)) {}

    // Shows, hides or minimises the window as the model says.
    void show(Application& app, Form& form, FormView& view, bool isMain);
    // A minimise held back while a message box was open: the next refresh tries again.
    bool waits() const { return waits_; }
    void clearWait() { waits_ = false; }

    // The window manager minimised or restored the window. Returns what the model must
    // take, or nothing when it already says so.
    std::function<void()> stateChanged(Application& app, Form& form, FormView& view, bool isMain);

  private:
    std::function<bool()> boxIsOpen_;
    bool waits_ = false;
};

} // namespace kelvaro
