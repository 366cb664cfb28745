#include "wake/wake_verdict.h"

#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/translatable.h"
#include "sound/alarm_sound.h"
#include "sound/volume_control.h"
#include "wake/wake_alarm.h"

#include <filesystem>

namespace kelvaro {

namespace {

RingCheck fail(std::string text, bool blocking = true) {
    return {false, blocking, std::move(text)};
}

std::string hhnn(Application& app, DateTime t) {
    return formatDateTime("hh:nn", t, app.locale());
}

RingCheck wakeCheck(Application& app) {
    switch (wakeTierInForce(app)) {
    case WakeTier::WakeTimer:
    case WakeTier::SystemTimer:
        return {true, true, fillPattern(KV_TR("%1."), {wakeTierText(app)})};
    case WakeTier::StayAwake:
        return {
            true, true,
            KV_TR("The computer is kept awake for the alarm; do not close the lid, which sends it to sleep "
                  "anyway.")};
    case WakeTier::None:
        break;
    }
    return fail(KV_TR(
        "The computer will not wake up for the alarm: check \"Stop Hibernate and Stand-by\", or install "
        "the program's package so that its wake helper can wake the computer."));
}

RingCheck soundCheck(Application& app) {
    Mixer& mixer = *app.platform().mixer;
    const VolumeState& v = volumeState(app);
    try {
        if (mixer.deviceCount() < 1)
            return fail(KV_TR("No sound output was found: start the sound server or connect speakers."));
        // The alarm raises and un-mutes master itself, unless told to leave the mixer alone.
        if (notebook(app).CheckBoxVolumeMuteFix1.checked &&
            (mixer.muted(v.PlaybackDestination, v.MasterLine) ||
             mixer.volume(v.PlaybackDestination, v.MasterLine) == 0))
            return fail(KV_TR("The sound output is muted: turn the master volume up."));
    } catch (const MixerError&) {
        return fail(KV_TR("The sound output does not answer: restart the sound server."));
    }
    return {true, true, KV_TR("The sound output is ready.")};
}

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

bool fileThere(Application& app, const std::string& path) {
    if (path.empty()) return false;
    std::error_code ignored;
    return std::filesystem::exists(path, ignored) || std::filesystem::exists(app.filePath(path), ignored);
}

RingCheck sourceCheck(Application& app) {
    const MainState& m = app.main;
    switch (checkedSource(app)) {
    case SoundSource::Midi:
        if (!fileThere(app, m.MIDIPath))
            return fail(fillPattern(KV_TR("The MIDI file %1 is missing; the alarm falls back to the ding."),
                                    {fileName(m.MIDIPath)}),
                        false);
        break;
    case SoundSource::Media:
        if (!fileThere(app, m.MP3Path))
            return fail(fillPattern(KV_TR("The media file %1 is missing; the alarm falls back to the ding."),
                                    {fileName(m.MP3Path)}),
                        false);
        break;
    case SoundSource::Program:
        if (!app.platform().shell->isExecutable(m.ProgramPath))
            return fail(fillPattern(KV_TR("The program %1 cannot be started: choose another sound source."),
                                    {fileName(m.ProgramPath)}));
        break;
    case SoundSource::Cd:
        try {
            if (!app.platform().player->mediaPresent())
                return fail(KV_TR("There is no disc in the drive; the alarm falls back to the ding."), false);
        } catch (const std::exception&) {
            return fail(KV_TR("The CD drive does not answer; the alarm falls back to the ding."), false);
        }
        break;
    default:
        break;
    }
    return {true, true, KV_TR("The sound source is ready.")};
}

RingCheck batteryCheck(Application& app, const BatteryReading& battery, DateTime alarmAt) {
    if (!battery.onBattery) return {true, true, KV_TR("The computer runs on mains power.")};
    if (!battery.secondsLeft)
        return fail(KV_TR("The computer runs on battery and its time left is unknown: plug in the power."),
                    false);
    const std::int64_t needed = (toMilliseconds(alarmAt) - toMilliseconds(app.main.CityNow)) / 1000 + 30 * 60;
    if (*battery.secondsLeft < needed)
        return fail(fillPattern(KV_TR("The battery will run down before the alarm at %1: plug in the power."),
                                {hhnn(app, alarmAt)}));
    return {true, true, KV_TR("The battery lasts past the alarm.")};
}

} // namespace

std::string RingVerdict::text() const {
    std::string out = willRing ? KV_TR("The alarm will ring.") : KV_TR("The alarm will NOT ring.");
    for (const RingCheck& c : checks)
        if (!c.ok) out += "\n" + c.text;
    return out;
}

RingVerdict willItRing(Application& app, const BatteryReading& battery) {
    RingVerdict verdict;
    const auto next = nextDue(alarmPlan(app), wholeMinute(app.main.CityNow));
    if (!next || next->snooze) {
        verdict.checks.push_back(
            fail(KV_TR("No alarm is set for the next days: switch the alarm and its days on.")));
    } else {
        verdict.alarmAt = minuteToDateTime(next->minute);
        verdict.checks.push_back(wakeCheck(app));
        verdict.checks.push_back(soundCheck(app));
        verdict.checks.push_back(sourceCheck(app));
        verdict.checks.push_back(batteryCheck(app, battery, *verdict.alarmAt));
    }
    for (const RingCheck& c : verdict.checks)
        if (!c.ok && c.blocking) verdict.willRing = false;
    return verdict;
}

void installWillItRing(Application& app) {
    // For scripts: "WillItRing" [battery seconds left | "battery"].
    app.defineOperation("WillItRing", [&app](const Args& a) {
        BatteryReading battery;
        if (!a.empty()) {
            battery.onBattery = true;
            if (a[0] != "battery") battery.secondsLeft = std::stoll(a[0]);
        }
        return willItRing(app, battery).text();
    });
}

} // namespace kelvaro
