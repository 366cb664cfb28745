#include "settings/settings_store.h"

#include "app/show_note.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "settings/profile_file.h"

#include <functional>
#include <string>
#include <vector>

namespace kelvaro {

namespace {

constexpr const char* kData = "Data";

enum class Kind { Check, Text, Caption, Member, Integer, AmPm, CurrDir };

struct Key {
    const char* name;
    Kind kind;
    const char* where; // control name, or member name for Member/Integer
    const char* textDefault = "";
    bool boolDefault = false;
    int intDefault = 0;
};

// The keys in the order the first paint reads them.
const std::vector<Key>& keys() {
    static const std::vector<Key> table = {
        {"WInOrder", Kind::Check, "RadioButtonWInOrder", "", false},
        {"WRandom", Kind::Check, "RadioButtonWRandom", "", true},
        {"WSingle", Kind::Check, "RadioButtonWSingle", "", false},
        {"STNewMusic", Kind::Check, "CheckBoxSTNewMusic", "", true},
        {"AlarmON", Kind::Check, "ON1", "", true},
        {"AlarmOFF", Kind::Check, "OFF1", "", false},
        {"AlarmOnce", Kind::Check, "CheckBoxAlarmOnce1", "", false},
        {"MonitorOff", Kind::Check, "CheckBoxMonitorOff", "", false},
        {"MuteFix1", Kind::Check, "CheckBoxVolumeMuteFix1", "", false},
        {"StopHibernate", Kind::Check, "CheckBoxStopHybernateandSleep1", "", true},
        {"ShowTimeInTask", Kind::Check, "CheckBoxShowKVTimeinTaskBar1", "", true},
        {"AlarmMilestones", Kind::Check, "CheckBoxShowMilestones", "", true},
        {"WarnChange", Kind::Check, "CheckBoxWarnifChangingSettings1", "", false},
        {"SayTime", Kind::Check, "CheckBoxSayTimeEveryHour1", "", true},
        {"QuietTime", Kind::Check, "CheckBoxQuietAfterBedTime1", "", true},
        {"SayAlarm", Kind::Check, "CheckBoxSpeakDuringAlarm1", "", true},
        {"AllowWebTime", Kind::Check, "CheckBoxAllowTimeUpdate", "", true},
        {"AutoStart", Kind::Check, "CheckBoxAutoStartwithWindows1", "", true},
        {"N24Hour", Kind::Check, "N24HourFormat1", "", false},
        {"SeperateSunday", Kind::Check, "SundayAlarmSeperate1", "", false},
        {"WarnBatteryLow", Kind::Check, "CheckBoxLowBattCheck1", "", true},
        {"Snooze", Kind::Check, "CheckBoxSnooze1", "", true},
        {"CDPlayer", Kind::Check, "CDPlayer1", "", false},
        {"Ding", Kind::Check, "Ding1", "", false},
        {"CDInOrder", Kind::Check, "RadioButtonCDInOrder", "", false},
        {"CDRandom", Kind::Check, "RadioButtonCDRandom", "", false},
        {"CDSingle", Kind::Check, "RadioButtonCDSingle", "", false},
        {"CDWhole", Kind::Check, "RadioButtonCDWhole", "", true},
        {"MIDIMusic", Kind::Check, "MIDIMusic1", "", true},
        {"MP3Music", Kind::Check, "MP3Music1", "", false},
        {"WebRadioMusic", Kind::Check, "WebRadioTV1", "", false},
        {"ProgChoice", Kind::Check, "ProgramofYourChoice1", "", false},
        {"MusicSeconds", Kind::Text, "ComboBoxMusicSeconds", "120"},
        {"SnoozeSeconds", Kind::Text, "ComboBoxSnoozeSeconds", "0"},
        {"TimeHost", Kind::Text, "ComboBoxTimeHostName", kDefaultTimeHost},
        {"LastTimeSynch", Kind::Caption, "LabelLastTimeSynch"}, // default: now
        {"SnozTime", Kind::Text, "ComboBoxSnooze", "05"},
        {"Hour", Kind::Text, "ComboBoxHour", "07"},
        {"Minute", Kind::Text, "ComboBoxMinute", "30"},
        {"AMPM", Kind::AmPm, "ComboBoxAMPM"},
        {"CurrDir", Kind::CurrDir, ""},
        {"CDPath", Kind::Member, "CDPath", "D:\\Track01.cda"},
        {"WebRadioPath", Kind::Member, "WebRadioPath", kDefaultWebRadio},
        {"MIDIPath", Kind::Member, "MIDIPath"},       // default: ProgramDir + "Mission2.mid"
        {"MP3Path", Kind::Member, "MP3Path"},         // default: ProgramDir + "TaDa.mp3"
        {"ProgramPath", Kind::Member, "ProgramPath"}, // default: ProgramDir + "australia.exe"
        {"ProgParams", Kind::Text, "EditProgramParams", ""},
        {"TClockH", Kind::Integer, "TClockH", "", false, 0},
        {"TClockW", Kind::Integer, "TClockW", "", false, 0},
        {"MIDIVolume", Kind::Integer, "MIDIVolume", "", false, 32767},
        {"WaveVolume", Kind::Integer, "WaveVolume", "", false, 32767},
        {"CDVolume", Kind::Integer, "CDVolume", "", false, 32767},
        {"Locked", Kind::Check, "CheckBoxLock", "", false},
    };
    return table;
}

const char* const kSaveOrder[] = {
    "WInOrder", "WRandom", "WSingle", "STNewMusic", "AlarmMilestones", "ShowTimeInTask", "WarnChange",
    "SayTime", "QuietTime", "SayAlarm", "SeperateSunday", "AutoStart", "N24Hour", "AlarmON", "AlarmOFF",
    "AlarmOnce", "MonitorOff", "MuteFix1", "StopHibernate", "Snooze", "CDPlayer", "AllowWebTime",
    "CDInOrder", "CDRandom", "CDSingle", "CDWhole", "MIDIMusic", "WebRadioMusic", "MP3Music", "Ding",
    "ProgChoice", "Locked", "WarnBatteryLow", "LastTimeSynch", "MusicSeconds", "SnoozeSeconds", "TimeHost",
    "SnozTime", "Hour", "Minute", "AMPM", "ProgParams", "CDPath", "WebRadioPath", "MIDIPath", "MP3Path",
    "ProgramPath", "TClockH", "TClockW", "MIDIVolume", "WaveVolume", "CDVolume"};

std::string* textMember(MainState& m, const std::string& name) {
    if (name == "CDPath") return &m.CDPath;
    if (name == "WebRadioPath") return &m.WebRadioPath;
    if (name == "MIDIPath") return &m.MIDIPath;
    if (name == "MP3Path") return &m.MP3Path;
    if (name == "ProgramPath") return &m.ProgramPath;
    return nullptr;
}

int* intMember(MainState& m, const std::string& name) {
    if (name == "TClockH") return &m.TClockH;
    if (name == "TClockW") return &m.TClockW;
    if (name == "MIDIVolume") return &m.MIDIVolume;
    if (name == "WaveVolume") return &m.WaveVolume;
    if (name == "CDVolume") return &m.CDVolume;
    return nullptr;
}

std::string memberDefault(Application& app, const Key& key) {
    const std::string name = key.where;
    if (name == "MIDIPath") return app.main.ProgramDir + "Mission2.mid";
    if (name == "MP3Path") return app.main.ProgramDir + "TaDa.mp3";
    if (name == "ProgramPath") return app.main.ProgramDir + "australia.exe";
    return key.textDefault;
}

// A stored alarm time that no time parser accepts must not stop every start
// from now on: fall back to the values the alarm boxes use for a bad entry.
void repairAlarmBoxes(Application& app) {
    const bool h24 = app.ctl("N24HourFormat1").checked;
    Control& hour = app.ctl("ComboBoxHour");
    const auto h = tryStrToInt(hour.text);
    if (!h || *h < (h24 ? 0 : 1) || *h > (h24 ? 23 : 12)) hour.text = "07";
    Control& minute = app.ctl("ComboBoxMinute");
    const auto m = tryStrToInt(minute.text);
    if (!m || *m < 0)
        minute.text = "30";
    else if (*m >= 60)
        minute.text = "59";
    Control& ampm = app.ctl("ComboBoxAMPM");
    const LocaleInfo& loc = app.locale();
    if (ampm.text != upperCaseUtf8(loc.amDesignator) && ampm.text != upperCaseUtf8(loc.pmDesignator))
        ampm.text = upperCaseUtf8(loc.amDesignator);
}

std::string keptFileNote(const ProfileFile& file) {
    const bool tooLarge = file.loadOutcome() == ReadOutcome::TooLarge;
    return std::string(kSettingsFile) + (tooLarge ? " is too large to read (" : " cannot be read (") +
           file.loadProblem() + "). The clock runs on its default settings and will not save them over that file.";
}

} // namespace

void LoadSettings(Application& app) {
    const std::string path = app.filePath(kSettingsFile);
    ProfileFile file(path);
    if (!file.mayReplace()) ShowNote(app, keptFileNote(file), false);
    for (const Key& key : keys()) {
        const std::string name = key.name;
        switch (key.kind) {
        case Kind::Check:
            app.setChecked(key.where, file.readBool(kData, name, key.boolDefault));
            break;
        case Kind::Text:
            app.ctl(key.where).text = file.readString(kData, name, key.textDefault);
            break;
        case Kind::Caption:
            app.ctl(key.where).caption =
                file.readString(kData, name, dateTimeToStr(app.now(), app.locale()));
            break;
        case Kind::AmPm:
            app.ctl(key.where).text = upperCaseUtf8(file.readString(kData, name, app.locale().amDesignator));
            break;
        case Kind::CurrDir:
            if (file.mayReplace() && file.readString(kData, name, "").empty())
                writeProfileString(path, kData, name, app.main.ProgramDir);
            break;
        case Kind::Member:
            if (name == "CDPath") app.run("LogProgress", {"3"});
            *textMember(app.main, key.where) = file.readString(kData, name, memberDefault(app, key));
            break;
        case Kind::Integer:
            *intMember(app.main, key.where) = file.readInteger(kData, name, key.intDefault);
            break;
        }
    }
    repairAlarmBoxes(app);
}

void SaveAllSettings(Application& app) {
    if (!app.main.SettingsLoaded) return;
    ProfileFile file(app.filePath(kSettingsFile));
    if (!file.mayReplace()) return; // the start told the user; their file stays as it is
    for (const char* saved : kSaveOrder) {
        for (const Key& key : keys()) {
            if (std::string(key.name) != saved) continue;
            switch (key.kind) {
            case Kind::Check:
                file.writeBool(kData, key.name, app.ctl(key.where).checked);
                break;
            case Kind::Text:
            case Kind::AmPm:
                file.writeString(kData, key.name, app.ctl(key.where).text);
                break;
            case Kind::Caption:
                file.writeString(kData, key.name, app.ctl(key.where).caption);
                break;
            case Kind::Member:
                file.writeString(kData, key.name, *textMember(app.main, key.where));
                break;
            case Kind::Integer:
                file.writeInteger(kData, key.name, *intMember(app.main, key.where));
                break;
            case Kind::CurrDir:
                break;
            }
        }
    }
    file.flush(); // one atomic replacement for the whole save
}

void installSettingsStore(Application& app) {
    app.defineOperation("LoadSettings", std::function<void()>([&app] { LoadSettings(app); }));
    app.defineOperation("SaveAllSettings", std::function<void()>([&app] { SaveAllSettings(app); }));
}

} // namespace kelvaro
