#pragma once
#include <string>

namespace kelvaro {

class Application;

// The one routine for messages to the user: pauses the player, beeps when asked, shows an OK box.
void ShowNote(Application& app, const std::string& text, bool beep);

} // namespace kelvaro
