#pragma once
// Every fake service in one place, wired into a Platform, for tests and benchmarks
// that run the whole program without a desktop.
#include "platform/fake/fake_autostart.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_dialogs.h"
#include "platform/fake/fake_mixer.h"
#include "platform/fake/fake_network.h"
#include "platform/fake/fake_notifier.h"
#include "platform/fake/fake_power.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_speaker.h"
#include "platform/fake/fake_tray_icon.h"
#include "platform/fake/fake_zone_database.h"
#include "platform/platform.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace kelvaro {

struct FakePlatform {
    FakeClock clock;
    FakeDialogs dialogs;
    FakeSpeaker speaker;
    FakeShell shell;
    FakeAutostart autostart;
    // The network fakes' answers wait here until runPending (or runUntil) delivers them.
    std::multimap<std::int64_t, std::function<void()>> pending;
    std::int64_t elapsedMs = 0;
    PostEvent post = [this](std::int64_t delayMs, std::function<void()> e) {
        pending.emplace(elapsedMs + delayMs, std::move(e));
    };
    FakeTimeClient timeClient{post};
    FakeClockSetter clockSetter{clock};
    FakeHostLookup lookup{post};
    FakeHttpClient http{post};
    FakeMixer mixer;
    FakeZoneDatabase zones;
    FakePowerStatus power;
    FakePowerInhibitor inhibitor;
    FakeSessionEnd sessionEnd{[this](std::function<void()> step) { post(0, std::move(step)); }};
    FakeNotifier notifier;
    FakeTrayIcon tray;

    explicit FakePlatform(double localNow = FakeClock::DefaultStart) : clock(localNow) {}

    // Delivers the events due up to `ms` of fake time, in order.
    void runUntil(std::int64_t ms) {
        while (!pending.empty() && pending.begin()->first <= ms) {
            auto next = pending.begin();
            elapsedMs = next->first;
            auto event = std::move(next->second);
            pending.erase(next);
            event();
        }
        elapsedMs = ms;
    }
    void runPending() {
        while (!pending.empty())
            runUntil(pending.rbegin()->first);
    }

    // The bundle the program borrows; the player and host stay empty unless given.
    Platform platform(const std::string& handoverFile, MediaPlayer* player = nullptr) {
        Platform p;
        p.clock = &clock;
        p.dialogs = &dialogs;
        p.speaker = &speaker;
        p.shell = &shell;
        p.autostart = &autostart;
        p.mixer = &mixer;
        p.zones = &zones;
        p.notifier = &notifier;
        p.tray = &tray;
        p.player = player;
        p.timeClient = &timeClient;
        p.clockSetter = &clockSetter;
        p.lookup = &lookup;
        p.http = &http;
        p.power = &power;
        p.inhibitor = &inhibitor;
        p.sessionEnd = &sessionEnd;
        p.handoverFile = handoverFile;
        return p;
    }
};

} // namespace kelvaro
