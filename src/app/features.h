#pragma once
// How the features join the program, in two passes. First each feature adds its
// own controls to the windows (by name: views, scripts and the settings file
// know them so); then the typed handles of app/windows.h are bound, and each
// feature wires its handlers, steps and readable state through them. Called
// once, in this order, by assembleProgram.
namespace kelvaro {

class Application;
struct Form;

// Controls, added before the handles are bound.
void addCitiesControls(Form& mainWindow, Form& notebook);     // cities/
void addDaysControls(Form& mainWindow);                       // alarm/
void addSundayLabels(Form& mainWindow);                       // alarm/
void addSoundControls(Form& mainWindow);                      // sound/
void addMusicListControls(Form& notebook);                    // sound/
void addSnoozeLabels(Form& mainWindow);                       // alarm/
void addMinuteBoxControls(Form& notebook);                    // alarm/
void addMoonControls(Form& mainWindow);                       // moon/
void addVolumeControls(Form& mainWindow);                     // sound/
void addWebTimeControls(Form& mainWindow, Form& notebook);    // webtime/
void addOnlineControls(Form& mainWindow, Form& notebook);     // online/
void addCityZoneControls(Form& notebook);                     // cities/
void addNowPlusControls(Form& mainWindow);                    // alarm/
void addSuperAlarmControls(Form& mainWindow, Form& notebook); // superalarm/
void addPowerControls(Form& mainWindow, Form& nightScreen);   // night/
void addListBackupControls(Form& mainWindow);                 // settings/
void addTrayControls(Form& mainWindow);                       // tray/
void addCityClockControls(Form& mainWindow, Form& notebook);  // city_clock/
void addAboutBoxControls(Application& app);                   // app/ (the about box is a window of its own)
void addWakeControls(Form& notebook);                         // wake/
// Last: the order Tab walks the windows in, once every control is there.
void orderForKeyboard(Form& mainWindow, Form& notebook); // app/

// Wiring, once every control exists and the handles are bound.
void installCities(Application& app);        // cities/
void installAlarmEntry(Application& app);    // alarm/
void installAlarmDays(Application& app);     // alarm/
void installSoundSources(Application& app);  // sound/
void installMusicLists(Application& app);    // sound/
void installVolumeControl(Application& app); // sound/
void installAlarmSounding(Application& app); // alarm/
void installMoon(Application& app);          // moon/
void installWebTime(Application& app);       // webtime/
void installOnline(Application& app);        // online/
void installCityZones(Application& app);     // cities/
void installNowPlus(Application& app);       // alarm/
void installSuperAlarm(Application& app);    // superalarm/
void installNightScreen(Application& app);   // night/
void installSleepMode(Application& app);     // night/
void installBattery(Application& app);       // night/
void installEndSession(Application& app);    // night/
void installListBackup(Application& app);    // settings/
void installTray(Application& app);          // night/
void installWindowStates(Application& app);  // night/
void installCityClock(Application& app);     // night/
void installAboutBox(Application& app);      // app/
void installWakeUp(Application& app);        // night/
void installMissedAlarms(Application& app);  // night/
void installWillItRing(Application& app);    // night/

} // namespace kelvaro
