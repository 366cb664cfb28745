#pragma once
// The language the windows speak: "Follow the desktop" or one the clock has a catalogue for,
// chosen in the notebook and kept in the settings file under "Language". The choice shows from
// the next start, when every window is made in it.
#include <string>
#include <string_view>

namespace kelvaro {

class Application;
struct Form;

inline constexpr const char* kLanguageKey = "Language";

// "de" for "Deutsch"; "" (follow the desktop) for "Follow the desktop", an empty or unknown text.
std::string languageCode(std::string_view shown);

void addLanguageControls(Form& notebook);
void installLanguageChoice(Application& app);

} // namespace kelvaro
