// The six sound sources of the "&Music Settings" menu, the request of sound
// when an alarm falls due, and the controls shown while it sounds.
#include "sound/alarm_sound.h"

#include "framework/application.h"
#include "framework/datetime.h"
#include "app/features.h"
#include "framework/form_builder.h"

namespace kelvaro {

namespace {

constexpr int kFlashInterval = 1050;

void addSoundControls(Application& app) {
    Form& f = app.form("TFormKelvaro");
    Control& test = addButton(f, "ButtonTestVolume", "Test Volume", {410, 234, 100, 24});
    test.hint = "Test Alarm Sound";
    // Lit while a volume test sounds; a stop then is no alarm's end.
    addLamp(f, "LightCheckTestVolume", 0x00FF00, 0x808080, {8, 72, 10, 10}).hint = "Volume Test = Green";
    app.ctl("CDPlayer1").shortcut = "Ctrl+C";
    app.ctl("MP3Music1").shortcut = "Ctrl+P";
    app.ctl("WebRadioTV1").shortcut = "Ctrl+W";
    app.ctl("WebRadioTV1").enabled = false; // only the settings file can choose the web stream
    app.ctl("MIDIMusic1").shortcut = "Ctrl+M";
    app.ctl("Ding1").shortcut = "Ctrl+D";
    app.ctl("ProgramofYourChoice1").shortcut = "Ctrl+R";
}

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
    app.defineState("AlarmStartTime", [&s] {
        return formatDateTime("yyyy-mm-dd hh:nn:ss", s.AlarmStartTime, LocaleInfo::enUS());
    });
}

} // namespace

SoundState& soundState(Application& app) {
    return app.feature<SoundState>();
}

SoundSource checkedSource(Application& app) {
    if (app.ctl("CDPlayer1").checked) return SoundSource::Cd;
    if (app.ctl("MP3Music1").checked) return SoundSource::Media;
    if (app.ctl("WebRadioTV1").checked) return SoundSource::WebRadio;
    if (app.ctl("MIDIMusic1").checked) return SoundSource::Midi;
    if (app.ctl("Ding1").checked) return SoundSource::Ding;
    if (app.ctl("ProgramofYourChoice1").checked) return SoundSource::Program;
    return SoundSource::None;
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
    return app.ctl("ButtonStopAlarm").enabled;
}

PlayerMode playerMode(Application& app) {
    MediaPlayer* player = app.platform().player;
    return player ? player->mode() : PlayerMode::NotReady;
}

void RequestCheckedSource(Application& app) {
    SoundState& s = soundState(app);
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
    app.ctl("ButtonStopAlarm").enabled = true;
    app.ctl("MusicSettings1").enabled = false;
    app.ctl("ButtonTestVolume").enabled = false;
    Control& flash = app.ctl("Flash1");
    flash.interval = kFlashInterval;
    flash.enabled = true;
    if (!app.main.MayRaiseWindow) return; // a dialog is up; it keeps the front
    app.applicationMinimized = false;
    if (app.form("TFormCity").visible) app.closeForm("TFormCity");
    Form& window = app.form("TFormKelvaro");
    window.minimized = false;
    window.visible = true;
    if (WindowHost* host = app.platform().host) host->bringToFront("TFormKelvaro");
}

void installSoundSources(Application& app) {
    addSoundControls(app);
    defineSoundStates(app);
    installSoundService(app);
    installSoundChoice(app);
    app.defineOperation("RequestAlarmSound", [&app] { RequestAlarmSound(app); });
    app.defineOperation("RequestCheckedSource", [&app] { RequestCheckedSource(app); });
    app.defineOperation("ShowAlarmControls", [&app] { ShowAlarmControls(app); });
}

} // namespace kelvaro
