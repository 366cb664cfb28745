// The six sound sources of the "&Music Settings" menu, the request of sound
// when an alarm falls due, and the controls shown while it sounds.
#include "app/windows.h"
#include "framework/translatable.h"
#include "sound/alarm_sound.h"

#include "app/features.h"
#include "app/steps.h"
#include "framework/application.h"
#include "framework/datetime.h"
#include "framework/form_builder.h"

namespace kelvaro {

namespace {

constexpr int kFlashInterval = 1050;

} // namespace

// Runs before the window handles are bound, so it finds controls by the names they are built under.
void addSoundControls(Form& f) {
    Control& test = addButton(f, "ButtonTestVolume", KV_TR("Test Volume"), {410, 234, 100, 24});
    test.hint = KV_TR("Test Alarm Sound");
    // Lit while a volume test sounds; a stop then is no alarm's end.
    addLamp(f, "LightCheckTestVolume", 0x00FF00, 0x808080, {8, 72, 10, 10}).hint =
        KV_TR("Volume Test = Green");
    f.find("CDPlayer1")->shortcut = "Ctrl+C";
    f.find("MP3Music1")->shortcut = "Ctrl+P";
    f.find("WebRadioTV1")->shortcut = "Ctrl+W";
    f.find("MIDIMusic1")->shortcut = "Ctrl+M";
    f.find("Ding1")->shortcut = "Ctrl+D";
    f.find("ProgramofYourChoice1")->shortcut = "Ctrl+R";
}

namespace {

std::string flag(bool b) {
    return b ? "true" : "false";
}

void defineSoundStates(Application& app) {
    SoundState& s = soundState(app);
    app.defineState("SoundPlaying", [&s] { return flag(s.SoundPlaying); });
    app.defineState("CdRequested", [&s] { return flag(s.CdRequested); });
    app.defineState("MediaRequested", [&s] { return flag(s.MediaRequested); });
    app.defineState("MidiRequested", [&s] { return flag(s.MidiRequested); });
    app.defineState("DingRequested", [&s] { return flag(s.DingRequested); });
    app.defineState("ProgramRequested", [&s] { return flag(s.ProgramRequested); });
    app.defineState("SoundingSource", [&app] { return std::string(sourceMenuItem(soundingSource(app))); });
    app.defineState("AlarmStartTime", [&s] {
        return formatDateTime("yyyy-mm-dd hh:nn:ss", s.AlarmStartTime, LocaleInfo::enUS());
    });
}

} // namespace

SoundState& soundState(Application& app) {
    return app.feature<SoundState>();
}

SoundSource checkedSource(Application& app) {
    if (mainWindow(app).CDPlayer1.checked) return SoundSource::Cd;
    if (mainWindow(app).MP3Music1.checked) return SoundSource::Media;
    if (mainWindow(app).WebRadioTV1.checked) return SoundSource::WebRadio;
    if (mainWindow(app).MIDIMusic1.checked) return SoundSource::Midi;
    if (mainWindow(app).Ding1.checked) return SoundSource::Ding;
    if (mainWindow(app).ProgramofYourChoice1.checked) return SoundSource::Program;
    return SoundSource::None;
}

SoundSource soundingSource(Application& app) {
    const SoundSource standIn = soundState(app).StandIn;
    return standIn != SoundSource::None ? standIn : checkedSource(app);
}

const char* sourceMenuItem(SoundSource source) {
    switch (source) {
    case SoundSource::Cd:
        return "CDPlayer1";
    case SoundSource::Media:
        return "MP3Music1";
    case SoundSource::WebRadio:
        return "WebRadioTV1";
    case SoundSource::Midi:
        return "MIDIMusic1";
    case SoundSource::Ding:
        return "Ding1";
    case SoundSource::Program:
        return "ProgramofYourChoice1";
    case SoundSource::None:
        break;
    }
    return "";
}

bool alarmInProgress(Application& app) {
    return mainWindow(app).ButtonStopAlarm.enabled;
}

PlayerMode playerMode(Application& app) {
    MediaPlayer* player = app.platform().player;
    return player ? player->mode() : PlayerMode::NotReady;
}

void RequestCheckedSource(Application& app) {
    SoundState& s = soundState(app);
    // Each start tries the user's own choice again: the stream may be back.
    s.StandIn = s.Failed = SoundSource::None;
    s.StandInToNote = false;
    s.Breaks = 0;
    switch (checkedSource(app)) {
    case SoundSource::Cd:
        s.CdRequested = true;
        break;
    case SoundSource::Midi:
        s.MidiRequested = true;
        break;
    case SoundSource::Media:
    case SoundSource::WebRadio:
        s.MediaRequested = true;
        break;
    case SoundSource::Ding:
        s.DingRequested = true;
        break;
    case SoundSource::Program:
        s.ProgramRequested = true;
        break;
    case SoundSource::None:
        break;
    }
}

void RequestAlarmSound(Application& app) {
    SoundState& s = soundState(app);
    s.AlarmStartTime = app.now();
    const SoundSource source = checkedSource(app);
    // A piece still sounding goes on; the ding and the program do not use the player.
    if (!s.SoundPlaying || source == SoundSource::Ding || source == SoundSource::Program)
        RequestCheckedSource(app);
    ShowAlarmControls(app);
}

void ShowAlarmControls(Application& app) {
    mainWindow(app).ButtonStopAlarm.enabled = true;
    mainWindow(app).MusicSettings1.enabled = false;
    mainWindow(app).ButtonTestVolume.enabled = false;
    Control& flash = mainWindow(app).Flash1;
    flash.interval = kFlashInterval;
    flash.enabled = true;
    runStep(app, Step::ShowMainWindow); // not over a dialog: that keeps the front
}

void installSoundSources(Application& app) {
    defineSoundStates(app);
    installSoundService(app);
    installSoundChoice(app);
    app.defineOperation("RequestAlarmSound", [&app] { RequestAlarmSound(app); });
    app.defineOperation("RequestCheckedSource", [&app] { RequestCheckedSource(app); });
    app.defineOperation("ShowAlarmControls", [&app] { ShowAlarmControls(app); });
}

} // namespace kelvaro
