#pragma once
// The platform services one running program uses. Owned by whoever builds the
// program (the real main or a test); the application only borrows them.
#include "platform/autostart.h"
#include "platform/clock.h"
#include "platform/clock_setter.h"
#include "platform/dialogs.h"
#include "platform/host_lookup.h"
#include "platform/http_client.h"
#include "platform/media_player.h"
#include "platform/mixer.h"
#include "platform/notifier.h"
#include "platform/power.h"
#include "platform/shell.h"
#include "platform/speaker.h"
#include "platform/time_client.h"
#include "platform/tray_icon.h"
#include "platform/wake_timer.h"
#include "platform/window_host.h"
#include "platform/zone_database.h"

#include <string>

namespace kelvaro {

struct Platform {
    Clock* clock = nullptr;
    Dialogs* dialogs = nullptr;
    Speaker* speaker = nullptr;
    Shell* shell = nullptr;
    Autostart* autostart = nullptr;
    WindowHost* host = nullptr;
    MediaPlayer* player = nullptr;    // MediaPlayer1
    TimeClient* timeClient = nullptr; // WSocket1
    ClockSetter* clockSetter = nullptr;
    HostLookup* lookup = nullptr;        // Ping1
    HttpClient* http = nullptr;          // HttpCliFTP
    Mixer* mixer = nullptr;              // the sound card's (or sound server's) mixer
    ZoneDatabase* zones = nullptr;       // the tz database, for cities with their own zone
    PowerStatus* power = nullptr;        // mains or battery
    PowerInhibitor* inhibitor = nullptr; // suspend, shutdown and screen-saver holds; monitor; suspend
    Notifier* notifier = nullptr;        // desktop notifications
    TrayIcon* tray = nullptr;            // the icon in the desktop's tray
    SessionEnd* sessionEnd = nullptr;    // the desktop session's question before it ends
    WakeTimer* wake = nullptr;           // wakes the computer from suspend for the alarm
    std::string handoverFile;            // the per-user file through which a second start finds the first
    std::string programFile;             // this program's executable, for the autostart entry
    std::string instanceToken;           // how a second start reaches this one (written as "apphdl")
    std::string soundsDir;               // where the shipped default sounds are; empty: none to copy
};

} // namespace kelvaro
