// The volume slider, the mixer levels around each piece of the alarm, the
// mixer's change notification and "Test Volume".
#include "sound/volume_control.h"

#include "alarm/alarm_sounding.h"
#include "app/features.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/datetime.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "sound/alarm_sound.h"
#include "sound/gentle_start.h"

#include <algorithm>
#include <string>

namespace kelvaro {

namespace {

constexpr int kFullScale = 65534; // 32767 doubled: the top the program ever writes

Mixer& mixer(Application& app) {
    return *app.platform().mixer;
}

bool muteFix(Application& app) {
    return notebook(app).CheckBoxVolumeMuteFix1.checked;
}

// Which line and alarm level belong to the source that sounds (a stand-in's own).
enum class SourceLine { Wave, Synth, Cd };

SourceLine sourceLine(Application& app) {
    switch (soundingSource(app)) {
    case SoundSource::Media:
    case SoundSource::Ding:
        return SourceLine::Wave;
    case SoundSource::Midi:
        return SourceLine::Synth;
    default:
        return SourceLine::Cd;
    }
}

int lineNumber(const VolumeState& v, SourceLine line) {
    return line == SourceLine::Wave ? v.WaveLine : line == SourceLine::Synth ? v.SynthLine : v.CdLine;
}

int& alarmLevel(Application& app, SourceLine line) {
    MainState& m = app.main;
    return line == SourceLine::Wave ? m.WaveVolume : line == SourceLine::Synth ? m.MIDIVolume : m.CDVolume;
}

int& savedLevel(VolumeState& v, SourceLine line) {
    return line == SourceLine::Wave    ? v.SavedWaveLevel
           : line == SourceLine::Synth ? v.SavedSynthLevel
                                       : v.SavedCdLevel;
}

bool savedMuted(const VolumeState& v, SourceLine line) {
    return line == SourceLine::Wave    ? v.SavedWaveMuted
           : line == SourceLine::Synth ? v.SavedSynthMuted
                                       : v.SavedCdMuted;
}

int readLine(Application& app, int line) {
    return mixer(app).volume(volumeState(app).PlaybackDestination, line);
}

// Every write un-mutes the line, unless it puts a user's mute back.
void writeLine(Application& app, int line, int value, bool mute = false) {
    mixer(app).setVolume(volumeState(app).PlaybackDestination, line, value, value, mute);
}

void showSlider(Application& app, bool shown) {
    MainWindow& w = mainWindow(app);
    w.TrackBarCD.visible = shown;
    w.BevelCD.visible = shown;
}

void removeSlider(Application& app) {
    mainWindow(app).TrackBarCD.enabled = false;
    showSlider(app, false);
}

// A line the device lacks (or a server that went away) keeps the remembered level.
void readSaved(Application& app, int line, int& saved, bool& muted) {
    try {
        saved = readLine(app, line) / 2;
        muted = mixer(app).muted(volumeState(app).PlaybackDestination, line);
    } catch (const MixerError&) {
    }
}

void writeQuietly(Application& app, int line, int value, bool mute = false) {
    try {
        writeLine(app, line, value, mute);
    } catch (const MixerError&) {
    }
}

// Seconds the alarm level takes to reach from a quiet start; 0: at once.
int gentleSeconds(Application& app) {
    try {
        return std::max(0, std::stoi(notebook(app).ComboBoxGentleStart.text));
    } catch (const std::exception&) {
        return 0;
    }
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

} // namespace

VolumeState& volumeState(Application& app) {
    return app.feature<VolumeState>();
}

void DiscoverMixerLines(Application& app) {
    VolumeState& v = volumeState(app);
    Control& slider = mainWindow(app).TrackBarCD;
    try {
        if (mixer(app).deviceCount() < 1) {
            slider.handlers.erase(Event::Change);
            return;
        }
        v.PlaybackDestination = 0;
        const auto destinations = mixer(app).destinations();
        for (int i = 0; i < static_cast<int>(destinations.size()); ++i) {
            const std::string& name = destinations[static_cast<std::size_t>(i)];
            if (contains(name, "Vol") || contains(name, "Spe") || contains(name, "Play Con"))
                v.PlaybackDestination = i;
        }
        v.MasterLine = v.PlaybackDestination;
        v.SavedMasterLevel = readLine(app, v.MasterLine) / 2;
        const auto lines = mixer(app).connections(v.PlaybackDestination);
        bool wave = false, synth = false, cd = false;
        for (int j = 0; j < static_cast<int>(lines.size()); ++j) {
            const int volume = readLine(app, j + 1);
            if (volume == -1) continue;
            const std::string& name = lines[static_cast<std::size_t>(j)];
            auto take = [&](const char* part, bool& found, int& line, int& saved) {
                if (found || !contains(name, part)) return;
                found = true;
                line = j + 1;
                saved = volume / 2;
            };
            take("Wav", wave, v.WaveLine, v.SavedWaveLevel);
            take("Syn", synth, v.SynthLine, v.SavedSynthLevel);
            take("CD", cd, v.CdLine, v.SavedCdLevel);
        }
        v.mixerFound = true;
    } catch (const MixerError&) {
        removeSlider(app);
    }
}

void SaveLineVolumes(Application& app) {
    VolumeState& v = volumeState(app);
    if (!v.mixerFound) return;
    Control& slider = mainWindow(app).TrackBarCD;
    const SourceLine source = sourceLine(app);
    const SoundSource sounding = soundingSource(app);
    readSaved(app, v.MasterLine, v.SavedMasterLevel, v.SavedMasterMuted);
    readSaved(app, v.WaveLine, v.SavedWaveLevel, v.SavedWaveMuted);
    if (source == SourceLine::Wave) slider.selEnd = v.SavedWaveLevel;
    readSaved(app, v.SynthLine, v.SavedSynthLevel, v.SavedSynthMuted);
    if (source == SourceLine::Synth) slider.selEnd = v.SavedSynthLevel;
    readSaved(app, v.CdLine, v.SavedCdLevel, v.SavedCdMuted);
    if (sounding == SoundSource::Cd) slider.selEnd = v.SavedCdLevel; // the web stream matches no line here
    slider.selStart = 0;
    v.CurrentLine = v.CdLine;
}

void ApplyAlarmVolume(Application& app) {
    VolumeState& v = volumeState(app);
    // Without a mixer the slider could do nothing; it stays hidden.
    if (!v.mixerFound) return;
    const bool fix = muteFix(app);
    if (!fix) mainWindow(app).TrackBarCD.enabled = true;
    showSlider(app, true);
    const SourceLine source = sourceLine(app);
    v.CurrentLine = v.MasterLine;
    if (!fix) writeQuietly(app, v.MasterLine, kFullScale);
    v.CurrentLine = lineNumber(v, source);
    const int seconds = gentleSeconds(app);
    // Only the first piece of an alarm climbs; the next piece keeps the level reached.
    if (!fix && seconds > 0 && !v.levelsRaised) {
        v.climbStart = app.now();
        v.climbTarget = alarmLevel(app, source) * 2;
        writeQuietly(app, v.CurrentLine, gentleStartLevel(v.climbTarget));
        mainWindow(app).TimerGentleStart.enabled = true;
    } else if (!fix && !mainWindow(app).TimerGentleStart.enabled) {
        writeQuietly(app, v.CurrentLine, alarmLevel(app, source) * 2);
    }
    v.levelsRaised = !fix;
}

void GentleStartStep(Application& app) {
    VolumeState& v = volumeState(app);
    Control& climb = mainWindow(app).TimerGentleStart;
    if (!v.levelsRaised) {
        climb.enabled = false;
        return;
    }
    const std::int64_t elapsed = toMilliseconds(app.now()) - toMilliseconds(v.climbStart);
    const int level = gentleLevelAt(v.climbTarget, elapsed, gentleSeconds(app));
    writeQuietly(app, v.CurrentLine, level);
    if (level >= v.climbTarget) climb.enabled = false;
}

void RestoreLineVolumes(Application& app) {
    VolumeState& v = volumeState(app);
    mainWindow(app).TrackBarCD.enabled = false;
    mainWindow(app).TimerGentleStart.enabled = false;
    showSlider(app, false);
    // Only levels this program raised are put back: a stop with no alarm (at
    // close, say) must not undo what the user set since the start.
    if (!v.mixerFound || !v.levelsRaised) return;
    v.levelsRaised = false;
    const bool fix = muteFix(app);
    const SourceLine source = sourceLine(app);
    v.CurrentLine = v.MasterLine;
    if (!fix) writeQuietly(app, v.MasterLine, v.SavedMasterLevel * 2, v.SavedMasterMuted);
    v.CurrentLine = lineNumber(v, source);
    if (!fix) writeQuietly(app, v.CurrentLine, savedLevel(v, source) * 2, savedMuted(v, source));
}

void OnVolumeSlider(Application& app) {
    Control& slider = mainWindow(app).TrackBarCD;
    try {
        if (!muteFix(app)) writeLine(app, volumeState(app).CurrentLine, slider.position * 2);
        alarmLevel(app, sourceLine(app)) = slider.position; // saved with the next save of the settings
    } catch (const MixerError&) {
        removeSlider(app);
    }
}

// Setting the position here runs no change handler: the slider follows the
// mixer, and a change made in the desktop's own mixer is no new alarm level.
void OnMixerChange(Application& app) {
    Control& slider = mainWindow(app).TrackBarCD;
    try {
        const int volume = readLine(app, volumeState(app).CurrentLine);
        if (!slider.enabled) return;
        slider.enabled = volume != -1;
        slider.position = volume / 2;
        app.touch();
    } catch (const MixerError&) {
        removeSlider(app);
    }
}

void TestVolume(Application& app) {
    alarmSoundingState(app).MinimizeAfterStop = false; // the stop that ends the test leaves the window up
    RequestCheckedSource(app);
    soundState(app).AlarmStartTime = app.now();
    mainWindow(app).LightCheckTestVolume.checked = true;
    ShowAlarmControls(app);
}

namespace {

// A message raises master and wave to full for its beep, then puts back the
// levels they had just before it (not those of the start, which would undo the
// user's own changes since).
void raiseLevelsForNote(Application& app) {
    VolumeState& v = volumeState(app);
    v.noteMasterLevel = v.noteWaveLevel = -1;
    if (!v.mixerFound || muteFix(app)) return;
    try {
        const int master = readLine(app, v.MasterLine) / 2;
        const int wave = readLine(app, v.WaveLine) / 2;
        v.noteMasterMuted = mixer(app).muted(v.PlaybackDestination, v.MasterLine);
        v.noteWaveMuted = mixer(app).muted(v.PlaybackDestination, v.WaveLine);
        v.noteMasterLevel = master;
        v.noteWaveLevel = wave;
        writeLine(app, v.MasterLine, kFullScale);
        writeLine(app, v.WaveLine, kFullScale);
    } catch (const MixerError&) {
    }
}

void restoreLevelsAfterNote(Application& app, bool beep) {
    VolumeState& v = volumeState(app);
    if (!v.mixerFound || muteFix(app)) return;
    const SoundState& s = soundState(app);
    const PlayerMode mode = playerMode(app);
    const bool playerIdle = mode != PlayerMode::Playing && mode != PlayerMode::Paused;
    const bool noRequest = !s.CdRequested && !s.MidiRequested && !s.MediaRequested;
    if (v.noteMasterLevel < 0) return; // the raise did not happen
    if (playerIdle || mainWindow(app).LightCheckSnooze.checked || (noRequest && !beep)) {
        writeQuietly(app, v.MasterLine, v.noteMasterLevel * 2, v.noteMasterMuted);
        writeQuietly(app, v.WaveLine, v.noteWaveLevel * 2, v.noteWaveMuted);
    } else if (s.MediaRequested || beep) {
        writeQuietly(app, v.WaveLine, app.main.WaveVolume * 2);
    } else {
        writeQuietly(app, v.WaveLine, v.noteWaveLevel * 2, v.noteWaveMuted);
    }
}

// The mixer outlives the program in tests; its notification must not reach a
// program that has ended.
struct MixerLink {
    Mixer* mixer = nullptr;
    ~MixerLink() {
        if (mixer) mixer->onChange = nullptr;
    }
};

} // namespace

void addVolumeControls(Form& f) {
    Control& bevel = place(f.add("BevelCD", ControlKind::Shape), {176, 253, 262, 36});
    bevel.visible = false;
    bevel.bgcolor = 0xD8D8D8; // the frame: a grey field behind the slider
    Control& slider = place(f.add("TrackBarCD", ControlKind::TrackBar), {179, 255, 256, 32});
    slider.min = 250;
    slider.max = 32767;
    slider.lineStep = 12;
    slider.pageStep = 1000;
    slider.tickStep = 2500;
    slider.position = 5000;
    slider.enabled = false;
    slider.visible = false;
    slider.hint = KV_TR(" Volume Control, The Blue area is the non-alarm volume setting");
    Control& climb = f.add("TimerGentleStart", ControlKind::Timer);
    climb.interval = 250; // steps of a quarter second are not heard as steps
    climb.enabled = false;
}

void installVolumeControl(Application& app) {
    MainWindow& w = mainWindow(app);
    handle(app, w.TrackBarCD, Event::Change, "OnVolumeSlider", [&app] { OnVolumeSlider(app); });
    handle(app, w.ButtonTestVolume, Event::Click, "TestVolume", [&app] { TestVolume(app); });
    handle(app, w.TimerGentleStart, Event::Click, "GentleStartStep", [&app] { GentleStartStep(app); });
    app.defineOperation("OnMixerChange", [&app] { OnMixerChange(app); });
    defineStep(app, Step::DiscoverMixerLines, [&app] { DiscoverMixerLines(app); });
    defineStep(app, Step::SaveLineVolumes, [&app] { SaveLineVolumes(app); });
    defineStep(app, Step::ApplyAlarmVolume, [&app] { ApplyAlarmVolume(app); });
    defineStep(app, Step::RestoreLineVolumes, [&app] { RestoreLineVolumes(app); });
    defineStep(app, Step::RaiseLevelsForNote, [&app] { raiseLevelsForNote(app); });
    defineStep(app, Step::RestoreLevelsAfterNote, [&app](const Args& a) {
        restoreLevelsAfterNote(app, !a.empty() && a[0] == "1");
        return std::string();
    });
    Mixer* m = app.platform().mixer;
    app.feature<MixerLink>().mixer = m;
    m->onChange = [&app] { app.guarded([&] { OnMixerChange(app); }); };
    VolumeState& v = volumeState(app);
    auto number = [](const int& value) { return [&value] { return std::to_string(value); }; };
    app.defineState("PlaybackDestination", number(v.PlaybackDestination));
    app.defineState("MasterLine", number(v.MasterLine));
    app.defineState("WaveLine", number(v.WaveLine));
    app.defineState("SynthLine", number(v.SynthLine));
    app.defineState("CdLine", number(v.CdLine));
    app.defineState("CurrentLine", number(v.CurrentLine));
    app.defineState("SavedMasterLevel", number(v.SavedMasterLevel));
    app.defineState("SavedWaveLevel", number(v.SavedWaveLevel));
    app.defineState("SavedSynthLevel", number(v.SavedSynthLevel));
    app.defineState("SavedCdLevel", number(v.SavedCdLevel));
}

} // namespace kelvaro
