#pragma once
// Each feature adds its controls to the windows, wires its handlers and defines
// its operations and readable state here. Called once, in this order, after the
// windows' own controls exist and before the main window is constructed.
namespace kelvaro {

class Application;

void installCities(Application& app);        // cities/
void installAlarmEntry(Application& app);    // alarm/
void installAlarmDays(Application& app);     // alarm/
void installSoundSources(Application& app);  // sound/
void installMusicLists(Application& app);    // sound/
void installAlarmSounding(Application& app); // alarm/
void installMoon(Application& app);          // moon/

} // namespace kelvaro
