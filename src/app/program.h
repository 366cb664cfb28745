#pragma once
// The life of one program run, the same for the real binary and for scripts:
// construct the windows, paint the main window the first time, tick, close.
#include "framework/application.h"

#include <memory>

namespace kelvaro {

// Builds the windows in their order and wires every feature; nothing is read yet.
std::unique_ptr<Application> createProgram(const Platform& platform, const LocaleInfo& locale,
                                           const std::string& programDir,
                                           const std::vector<std::string>& arguments);

// The first paint of the main window: reads the settings and lets the tick run.
void firstPaint(Application& app);
// One pass of the main tick (the host calls it once a second).
void mainTick(Application& app);
// Closes the main window as the user would: its close handling runs and the settings are saved.
void closeMainWindow(Application& app);

} // namespace kelvaro
