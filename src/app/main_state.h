#pragma once
// Private data of the main window and the program-wide values of the tick.
// Everything else lives in the controls.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kelvaro {

struct MainState {
    std::string ProgramDir; // with a trailing separator
    std::string MIDIPath, CDPath, ProgramPath, MP3Path, WebRadioPath;
    double BaseDate = 0;
    int MusicOffMinutes = 0;
    int AutoSnoozeMinutes = 0;
    float CityOffset = 0.0f;
    bool SettingsLoaded = false;
    bool AllowEndSession = true;
    bool SleepModeActive = false;
    double CityNow = 0;
    double SnoozeUntil = 0;

    bool firstPaintPending = true; // cleared at the start of the first paint
    bool tickEnabled = false;
    // Notes about the files read during the first paint wait until the clock runs,
    // so that an unattended start does not hold the alarm behind an OK box.
    bool holdingStartNotes = false;
    std::vector<std::pair<std::string, bool>> startNotes; // text, beep
    bool closing = false;                                 // the tick does nothing until the first paint ends
    double CityTimeOfDay = 0;
    uint16_t CityHour = 0, CityMinute = 0, CitySecond = 0;
    int CityWeekday = 1;
    bool TodayEnabled = true;      // the day item of the city's weekday is checked
    bool SuperAlarmActive = false; // the planner's alarm is in force
    int SuperAlarmMusicStep = 1;
    bool CityClockUpdated = false; // the taskbar's city clock has had its first update
    uint16_t LastMinuteSeen = 0;
    std::int64_t CityDayShown = -1; // the city's day that the date line and the weekday show
    int minuteStepDepth = -1;       // minute whose step is on the stack, -1 when none

    std::string versionText;
    // The window may be raised or minimised only while no flow holds it down (see RaiseHold).
    int raiseHolds = 0;
    bool mayRaiseWindow() const { return raiseHolds == 0; }
    int TClockH = 0, TClockW = 0;                                 // taskbar clock size adjustments
    int MIDIVolume = 32767, WaveVolume = 32767, CDVolume = 32767; // alarm levels, 0..32767
    int hintPause = 0;                                            // ms before a hint shows
    unsigned randomSeed = 0;
};

// Held by each flow that shows a modal box, a file dialog or the notebook. A count, not
// a flag: a nested flow ending first, or a flow left by an exception, cannot leave the
// window stuck down (never minimising again) or let it be raised over a box still open.
class RaiseHold {
  public:
    explicit RaiseHold(MainState& m) : m_(m) { ++m_.raiseHolds; }
    ~RaiseHold() { --m_.raiseHolds; }
    RaiseHold(const RaiseHold&) = delete;
    RaiseHold& operator=(const RaiseHold&) = delete;

  private:
    MainState& m_;
};

} // namespace kelvaro
