#pragma once
// The tray icon and the main window's states: minimised to the tray, brought back,
// closed; its shape, the power image and the window menu's items.
#include <cstddef>
#include <string>

namespace kelvaro {

class Application;
struct Form;

// Trays show a tip of a few short lines; a longer one is cut at a word.
inline constexpr std::size_t kTrayTipLimit = 127; // characters, not bytes

// TEXT when it has at most `limit` characters; else its words that fit with "…".
std::string shortenTip(const std::string& text, std::size_t limit = kTrayTipLimit);
// The tray icon's tip: program, version, the clock's time and date, the city's zone.
std::string trayTip(Application& app);
// Gives the tray the tip when it differs from the one given last.
void ShowTrayTip(Application& app);

// The tray's left click and "Maximize": back when minimised, else down.
void ToggleMainWindow(Application& app);
// Down to the tray (or the taskbar when the desktop has no tray), unless a box holds the window up.
void MinimizeMainWindow(Application& app);
// Back on the taskbar, still minimised, when the tray it was hidden to has gone.
void KeepMinimizedWindowReachable(Application& app);

} // namespace kelvaro
