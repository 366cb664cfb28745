#pragma once
// The night screen "TFormScreenBlank": dim clock and alarm time on black for
// the night, closed by any key, a mouse button, a push of the mouse by more
// than 100 px from where it first moved, or another program's window taking over.
#include "framework/control.h"

#include <functional>
#include <utility>

namespace kelvaro {

class Application;
struct Form;
struct NightScreen;

// Lays the labels out on a screen of width x height from their present sizes.
void layoutNightScreen(NightScreen& screen, int width, int height);

// Width and height a label's caption takes at its font size, for a program
// without a display; the view writes the measured sizes over them.
void estimateLabelSize(Control& label);

// Shows it modally; `after` runs once it has closed.
void ShowNightScreen(Application& app, std::function<void()> after);
void CloseNightScreen(Application& app);
// The sleep-mode minute step put the display into standby; closing wakes it.
void noteMonitorDown(Application& app);
void addNightScreenLabels(Form& nightScreen);

} // namespace kelvaro
