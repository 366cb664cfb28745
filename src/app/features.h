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
void addPowerControls(Form& mainWindow, Form& nightScreen);   // desktop/
void addListBackupControls(Form& mainWindow);                 // settings/
void addTrayControls(Form& mainWindow);                       // desktop/
void addCityClockControls(Form& mainWindow, Form& notebook);  // desktop/
void addAboutBoxControls(Application& app);                   // app/ (the about box is a window of its own)
void addWakeControls(Form& notebook);                         // desktop/

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
void installNightScreen(Application& app);   // desktop/
void installSleepMode(Application& app);     // desktop/
void installBattery(Application& app);       // desktop/
void installEndSession(Application& app);    // desktop/
void installListBackup(Application& app);    // settings/
void installTray(Application& app);          // desktop/
void installWindowStates(Application& app);  // desktop/
void installCityClock(Application& app);     // desktop/
void installAboutBox(Application& app);      // app/
void installWakeUp(Application& app);        // desktop/
void installMissedAlarms(Application& app);  // desktop/
void installWillItRing(Application& app);    // desktop/

} // namespace kelvaro
