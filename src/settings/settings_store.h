#pragma once
// Moving the settings between the settings file and the controls that hold them.
namespace kelvaro {

class Application;

constexpr const char* kSettingsFile = "Kelvaro.ini";
constexpr const char* kDefaultTimeHost = "time.nist.gov";
constexpr const char* kDefaultWebRadio = "https://somafm.com/groovesalad.pls";

void LoadSettings(Application& app);
void SaveAllSettings(Application& app);
void installSettingsStore(Application& app);

} // namespace kelvaro
