#pragma once
// What the views must know of the program's features, handed to them as typed
// handles and callbacks rather than names: a hook no feature sets is reported by the
// wiring check (app/wiring.h), not found by a user whose click does nothing.
#include "framework/application.h"

#include <functional>
#include <vector>

namespace kelvaro {

struct ViewHooks {
    // The plate behind the main window's clock is drawn around these labels.
    std::vector<const Control*> clockLabels;
    // The user closed the main window (its close box or the window manager's close).
    std::function<void()> closeMainWindow;
    // A press on the main window's bare body, where no control takes it (a drag).
    std::function<void()> mainBodyPressed;
    // The taskbar clock's panel: a control of the main window that lives on the desktop.
    Control* taskbarPanel = nullptr;
    // The width of the screen's free area, where the taskbar clock stands right-aligned.
    std::function<void(int width)> taskbarArea;
    // The tray's pop-up menu; the taskbar clock opens it too.
    Control* trayMenu = nullptr;
};

ViewHooks& viewHooks(Application& app);

} // namespace kelvaro
