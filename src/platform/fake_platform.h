#pragma once
// Every fake service in one place, wired into a Platform, for tests and benchmarks
// that run the whole program without a desktop.
#include "platform/fake_autostart.h"
#include "platform/fake_clock.h"
#include "platform/fake_dialogs.h"
#include "platform/fake_shell.h"
#include "platform/fake_speaker.h"
#include "platform/fake_zone_database.h"
#include "platform/platform.h"

#include <string>

namespace kelvaro {

struct FakePlatform {
    FakeClock clock;
    FakeDialogs dialogs;
    FakeSpeaker speaker;
    FakeShell shell;
    FakeAutostart autostart;
    FakeZoneDatabase zones;

    explicit FakePlatform(double localNow = FakeClock::DefaultStart) : clock(localNow) {}

    // The bundle the program borrows; the player and host stay empty unless given.
    Platform platform(const std::string& handoverFile, MediaPlayer* player = nullptr) {
        Platform p;
        p.clock = &clock;
        p.dialogs = &dialogs;
        p.speaker = &speaker;
        p.shell = &shell;
        p.autostart = &autostart;
        p.zones = &zones;
        p.player = player;
        p.handoverFile = handoverFile;
        return p;
    }
};

} // namespace kelvaro
