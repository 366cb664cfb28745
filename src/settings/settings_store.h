#pragma once
// Moving the settings between the settings file and the controls that hold them.
#include <string>
#include <vector>

namespace kelvaro {

class Application;

constexpr const char* kSettingsFile = "Kelvaro.ini";
constexpr const char* kDefaultTimeHost = "time.nist.gov";
constexpr const char* kDefaultWebRadio = "https://somafm.com/groovesalad.pls";

void LoadSettings(Application& app);
void SaveAllSettings(Application& app);
void installSettingsStore(Application& app);

// The keys in the order the load reads them and the save writes them ("CurrDir" is only read).
std::vector<std::string> settingsReadOrder();
std::vector<std::string> settingsWriteOrder();

} // namespace kelvaro
