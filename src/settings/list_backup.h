#pragma once
// The city list and the three music lists carried to and from a folder of the
// user's choice ("&Save Settings to Disk", "&Restore Settings from Disk").
#include <string>

namespace kelvaro {

class Application;
struct Form;

// The list files of a backup, in the order they are written and read.
inline constexpr const char* kBackupFiles[] = {"Waves.wva", "CDs.wva", "WebRadio.wva", "Cities.txt"};
// The cities' time zones, written beside the lists (section "Zones", as in the settings file).
inline constexpr const char* kBackupZonesFile = "Zones.ini";

// The folder a dialog answer names, with a trailing '/': the answer itself when it is a
// folder (the desktop's folder chooser), else the folder part of a chosen file.
std::string backupFolderOf(const std::string& chosen);

void SaveSettingstoFloppy1Click(Application& app);
void RestoreSettingsfromFloppy1Click(Application& app);

void addListBackupControls(Form& mainWindow);
void installListBackup(Application& app);

} // namespace kelvaro
