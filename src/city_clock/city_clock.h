#pragma once
// The city clock: a small always-on-top panel (`PanelKV`) at the bottom right of
// the screen showing the chosen city's time. Its background tells the sign of
// the city's hour difference, its text colour whether the alarm is on; a click
// shows the alarm time for two seconds, Ctrl+drag changes its width, and its
// font is the user's, kept in "KVFont.RFT".
#include "framework/font_choice.h"

#include <optional>
#include <string>

namespace kelvaro {

class Application;
struct Form;

// Background colours by the sign of the chosen city's hour difference.
inline constexpr int kCityClockBehind = 0x8CE8E6; // pale yellow
inline constexpr int kCityClockHome = 0xADC6BD;   // grey green
inline constexpr int kCityClockAhead = 0x8DE78F;  // light green
// Text colours by the alarm switch.
inline constexpr int kCityClockAlarmOn = 0x000000;
inline constexpr int kCityClockAlarmOff = 0x000080;
// Linux has no taskbar clock to measure: the panel starts from this size.
inline constexpr int kClockBaseWidth = 80;
inline constexpr int kClockHeight = 22;
inline constexpr int kMinClockWidthDelta = -46;

struct CityClockState {
    int baseWidth = kClockBaseWidth;    // ClockBaseWidth
    int holdTicks = 0;                  // TaskbarHoldTicks: updates still to be skipped
    bool firstUpdateDone = false;       // the first update only sets the text
    int dragStartX = 0;                 // DragStartX
    int dragPanelLeft = 0;              // DragPanelLeft
    int areaWidth = 1024;               // the width of the screen's free area (the view tells the real one)
    std::optional<bool> paintedAlarmOn; // the alarm state the text colour shows
    FontChoice font;                    // the font as read from or written to "KVFont.RFT"
    bool noOverlay = false;             // the desktop cannot keep it above the windows (GNOME on Wayland)
};

CityClockState& cityClockState(Application& app);

void addCityClockControls(Form& mainWindow, Form& notebook);
void installCityClock(Application& app);
// The font button and its dialog (city_clock_font.cpp).
void installCityClockFont(Application& app);
// Reads "KVFont.RFT" (made with the default font when missing) into the state and the panel.
void loadCityClockFont(Application& app);

} // namespace kelvaro
