#include "settings/settings_store.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include "alarm/alarm_rules.h"
#include "alarm/sounding_rules.h"
#include "app/show_note.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "settings/language_choice.h"
#include "settings/profile_file.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace kelvaro {

namespace {

constexpr const char* kData = "Data";
constexpr int kTopLevel = 32767; // the alarm levels run from 0 to here
constexpr int kNotWritten = -1;

using ControlOf = Control& (*)(Application&);
#define MW(control) [](Application& a) -> Control& { return mainWindow(a).control; }
#define NB(control) [](Application& a) -> Control& { return notebook(a).control; }

enum class Kind { Check, Text, Caption, AmPm, CurrDir, Path, Integer };

struct Key {
    const char* name;
    int writeAt; // place in the order the save writes, kNotWritten for none
    Kind kind;
    ControlOf control = nullptr;            // Check, Text, Caption, AmPm
    std::string MainState::*path = nullptr; // Path
    int MainState::*number = nullptr;       // Integer
    const char* textDefault = "";
    bool boolDefault = false;
    int intDefault = 0;
    bool inProgramDir = false; // the default is a file of the program folder
};

Key check(const char* name, int at, ControlOf c, bool def) {
    return {name, at, Kind::Check, c, nullptr, nullptr, "", def};
}
Key text(const char* name, int at, ControlOf c, const char* def) {
    return {name, at, Kind::Text, c, nullptr, nullptr, def};
}
Key caption(const char* name, int at, ControlOf c) {
    return {name, at, Kind::Caption, c};
}
Key amPm(const char* name, int at, ControlOf c) {
    return {name, at, Kind::AmPm, c};
}
Key currDir(const char* name) {
    return {name, kNotWritten, Kind::CurrDir};
}
Key path(const char* name, int at, std::string MainState::*m, const char* def, bool inProgramDir = false) {
    return {name, at, Kind::Path, nullptr, m, nullptr, def, false, 0, inProgramDir};
}
Key integer(const char* name, int at, int MainState::*m, int def) {
    return {name, at, Kind::Integer, nullptr, nullptr, m, "", false, def};
}

// Every key in the order the first paint reads them, each with its place in the save.
const std::vector<Key>& keys() {
    static const std::vector<Key> table = {
        check("WInOrder", 0, NB(RadioButtonWInOrder), false),
        check("WRandom", 1, NB(RadioButtonWRandom), true),
        check("WSingle", 2, NB(RadioButtonWSingle), false),
        check("STNewMusic", 3, NB(CheckBoxSTNewMusic), true),
        check("AlarmON", 13, MW(ON1), true),
        check("AlarmOFF", 14, MW(OFF1), false),
        check("AlarmOnce", 15, NB(CheckBoxAlarmOnce1), false),
        check("MonitorOff", 16, NB(CheckBoxMonitorOff), false),
        check("MuteFix1", 17, NB(CheckBoxVolumeMuteFix1), false),
        check("StopHibernate", 18, NB(CheckBoxStopHybernateandSleep1), true),
        check("ShowTimeInTask", 5, NB(CheckBoxShowKVTimeinTaskBar1), true),
        check("AlarmMilestones", 4, NB(CheckBoxShowMilestones), true),
        check("WarnChange", 6, NB(CheckBoxWarnifChangingSettings1), false),
        check("SayTime", 7, NB(CheckBoxSayTimeEveryHour1), true),
        check("QuietTime", 8, NB(CheckBoxQuietAfterBedTime1), true),
        check("SayAlarm", 9, NB(CheckBoxSpeakDuringAlarm1), true),
        check("AllowWebTime", 21, NB(CheckBoxAllowTimeUpdate), true),
        check("AutoStart", 11, NB(CheckBoxAutoStartwithWindows1), true),
        check("N24Hour", 12, MW(N24HourFormat1), false),
        check("SeperateSunday", 10, MW(SundayAlarmSeperate1), false),
        check("WarnBatteryLow", 32, NB(CheckBoxLowBattCheck1), true),
        check("Snooze", 19, NB(CheckBoxSnooze1), true),
        check("CDPlayer", 20, MW(CDPlayer1), false),
        check("Ding", 29, MW(Ding1), false),
        check("CDInOrder", 22, NB(RadioButtonCDInOrder), false),
        check("CDRandom", 23, NB(RadioButtonCDRandom), false),
        check("CDSingle", 24, NB(RadioButtonCDSingle), false),
        check("CDWhole", 25, NB(RadioButtonCDWhole), true),
        check("MIDIMusic", 26, MW(MIDIMusic1), true),
        check("MP3Music", 28, MW(MP3Music1), false),
        check("WebRadioMusic", 27, MW(WebRadioTV1), false),
        check("ProgChoice", 30, MW(ProgramofYourChoice1), false),
        text("MusicSeconds", 34, NB(ComboBoxMusicSeconds), "120"),
        text("SnoozeSeconds", 35, NB(ComboBoxSnoozeSeconds), "0"),
        text("TimeHost", 36, NB(ComboBoxTimeHostName), kDefaultTimeHost),
        caption("LastTimeSynch", 33, NB(LabelLastTimeSynch)), // default: now
        text("SnozTime", 37, MW(ComboBoxSnooze), "05"),
        text("Hour", 38, MW(ComboBoxHour), "07"),
        text("Minute", 39, MW(ComboBoxMinute), "30"),
        amPm("AMPM", 40, MW(ComboBoxAMPM)),
        currDir("CurrDir"),
        path("CDPath", 42, &MainState::CDPath, "D:\\Track01.cda"),
        path("WebRadioPath", 43, &MainState::WebRadioPath, kDefaultWebRadio),
        path("MIDIPath", 44, &MainState::MIDIPath, "Mission2.mid", true),
        path("MP3Path", 45, &MainState::MP3Path, "TaDa.mp3", true),
        path("ProgramPath", 46, &MainState::ProgramPath, "australia.exe", true),
        text("ProgParams", 41, MW(EditProgramParams), ""),
        integer("TClockH", 47, &MainState::TClockH, 0),
        integer("TClockW", 48, &MainState::TClockW, 0),
        integer("MIDIVolume", 49, &MainState::MIDIVolume, kTopLevel),
        integer("WaveVolume", 50, &MainState::WaveVolume, kTopLevel),
        integer("CDVolume", 51, &MainState::CDVolume, kTopLevel),
        text("LateLimit", 52, NB(ComboBoxLateLimit), "60"),
        text("GentleStart", 53, NB(ComboBoxGentleStart), "0"),
        text(kLanguageKey, 54, NB(ComboBoxLanguage), "Follow the desktop"), // missing: follow the desktop
        check("Locked", 31, MW(CheckBoxLock), false),
    };
    return table;
}

const std::vector<const Key*>& keysInWriteOrder() {
    static const std::vector<const Key*> ordered = [] {
        std::vector<const Key*> list;
        for (const Key& key : keys())
            if (key.writeAt != kNotWritten) list.push_back(&key);
        std::sort(list.begin(), list.end(),
                  [](const Key* a, const Key* b) { return a->writeAt < b->writeAt; });
        return list;
    }();
    return ordered;
}

#undef MW
#undef NB

std::string pathDefault(Application& app, const Key& key) {
    return key.inProgramDir ? app.main.ProgramDir + key.textDefault : std::string(key.textDefault);
}

// A stored alarm time that no time parser accepts must not stop every start
// from now on: fall back to the values the alarm boxes use for a bad entry.
void repairAlarmBoxes(Application& app) {
    const bool h24 = mainWindow(app).N24HourFormat1.checked;
    Control& hour = mainWindow(app).ComboBoxHour;
    const auto h = tryStrToInt(hour.text);
    if (!h || *h < (h24 ? 0 : 1) || *h > (h24 ? 23 : 12)) hour.text = "07";
    Control& minute = mainWindow(app).ComboBoxMinute;
    const auto m = tryStrToInt(minute.text);
    if (!m || *m < 0)
        minute.text = "30";
    else if (*m >= 60)
        minute.text = "59";
    Control& ampm = mainWindow(app).ComboBoxAMPM;
    const LocaleInfo& loc = app.locale();
    if (ampm.text != upperCaseUtf8(loc.amDesignator) && ampm.text != upperCaseUtf8(loc.pmDesignator))
        ampm.text = upperCaseUtf8(loc.amDesignator);
}

// The other stored numbers get the checks their boxes make on input, so a value
// no box would take is neither shown nor written back.
void repairStoredNumbers(Application& app) {
    Control& snooze = mainWindow(app).ComboBoxSnooze;
    const auto minutes = tryStrToInt(snooze.text);
    if (!minutes || *minutes < 0)
        snooze.text = "05";
    else if (snoozeOutOfRange(*minutes))
        snooze.text = "59";
    for (Control* box : {&notebook(app).ComboBoxMusicSeconds, &notebook(app).ComboBoxSnoozeSeconds})
        box->text = readMinuteBox(box->text).text;
    for (int MainState::*level : {&MainState::MIDIVolume, &MainState::WaveVolume, &MainState::CDVolume})
        if (app.main.*level < 0 || app.main.*level > kTopLevel) app.main.*level = kTopLevel;
}

// A file that leaves every sound source unchecked would give a silent alarm.
void ensureOneSoundSource(Application& app) {
    MainWindow& w = mainWindow(app);
    for (const Control* item :
         {&w.CDPlayer1, &w.Ding1, &w.MIDIMusic1, &w.MP3Music1, &w.WebRadioTV1, &w.ProgramofYourChoice1})
        if (item->checked) return;
    app.setChecked(w.MIDIMusic1, true);
}

std::string keptFileNote(const ProfileFile& file) {
    const bool tooLarge = file.loadOutcome() == ReadOutcome::TooLarge;
    return fillPattern(tooLarge
                           ? KV_TR("%1 is too large to read (%2). The clock runs on its default settings "
                                   "and will not save them over that file.")
                           : KV_TR("%1 cannot be read (%2). The clock runs on its default settings and "
                                   "will not save them over that file."),
                       {kSettingsFile, file.loadProblem()});
}

} // namespace

std::vector<std::string> settingsReadOrder() {
    std::vector<std::string> names;
    for (const Key& key : keys())
        names.push_back(key.name);
    return names;
}

std::vector<std::string> settingsWriteOrder() {
    std::vector<std::string> names;
    for (const Key* key : keysInWriteOrder())
        names.push_back(key->name);
    return names;
}

void LoadSettings(Application& app) {
    const std::string file = app.filePath(kSettingsFile);
    ProfileFile profile(file);
    if (!profile.mayReplace()) ShowNote(app, keptFileNote(profile), false);
    for (const Key& key : keys()) {
        switch (key.kind) {
        case Kind::Check:
            app.setChecked(key.control(app), profile.readBool(kData, key.name, key.boolDefault));
            break;
        case Kind::Text:
            key.control(app).text = profile.readString(kData, key.name, key.textDefault);
            break;
        case Kind::Caption:
            key.control(app).caption =
                profile.readString(kData, key.name, dateTimeToStr(app.now(), app.locale()));
            break;
        case Kind::AmPm:
            key.control(app).text =
                upperCaseUtf8(profile.readString(kData, key.name, app.locale().amDesignator));
            break;
        case Kind::CurrDir:
            if (profile.mayReplace() && profile.readString(kData, key.name, "").empty())
                writeProfileString(file, kData, key.name, app.main.ProgramDir);
            break;
        case Kind::Path:
            if (key.path == &MainState::CDPath) runStep(app, Step::LogProgress, {"3"});
            app.main.*key.path = profile.readString(kData, key.name, pathDefault(app, key));
            break;
        case Kind::Integer:
            app.main.*key.number = profile.readInteger(kData, key.name, key.intDefault);
            break;
        }
    }
    repairAlarmBoxes(app);
    repairStoredNumbers(app);
    ensureOneSoundSource(app);
}

void SaveAllSettings(Application& app) {
    if (!app.main.SettingsLoaded) return;
    ProfileFile profile(app.filePath(kSettingsFile));
    if (!profile.mayReplace()) return; // the start told the user; their file stays as it is
    for (const Key* key : keysInWriteOrder()) {
        switch (key->kind) {
        case Kind::Check:
            profile.writeBool(kData, key->name, key->control(app).checked);
            break;
        case Kind::Text:
        case Kind::AmPm:
            profile.writeString(kData, key->name, key->control(app).text);
            break;
        case Kind::Caption:
            profile.writeString(kData, key->name, key->control(app).caption);
            break;
        case Kind::Path:
            profile.writeString(kData, key->name, app.main.*key->path);
            break;
        case Kind::Integer:
            profile.writeInteger(kData, key->name, app.main.*key->number);
            break;
        case Kind::CurrDir:
            break;
        }
    }
    profile.flush(); // one atomic replacement for the whole save
}

void installSettingsStore(Application& app) {
    app.defineOperation("LoadSettings", std::function<void()>([&app] { LoadSettings(app); }));
    app.defineOperation("SaveAllSettings", std::function<void()>([&app] { SaveAllSettings(app); }));
}

} // namespace kelvaro
