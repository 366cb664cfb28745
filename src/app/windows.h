#pragma once
// Construction of the program's windows and the wiring of their handlers.
#include "framework/form.h"

namespace kelvaro {

class Application;

void buildMainWindow(Form& form);
void buildSettingsNotebook(Form& form);
void buildNightScreen(Form& form);
void buildAboutBox(Form& form);

// Creates the three windows of a start, in their order, and wires every feature.
void assembleProgram(Application& app);

} // namespace kelvaro
