// Construction of the main window, its first paint (where everything is read)
// and its close (where everything is saved).
#include "app/startup.h"

#include "framework/application.h"
#include "app/clock_formats.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "cities/city_list.h"
#include "settings/profile_file.h"
#include "sound/default_sounds.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace kelvaro {

namespace {

constexpr const char* kVersion = "3.23";
constexpr const char* kRunValue = "Alarm Clock";

void logProgress(Application& app, const std::string& mark) {
    Control& memo = app.ctl("Memo1");
    memo.text += (memo.text.empty() ? "" : "\n") + mark;
}

// The first paint must always run to its end, or no setting would ever be saved
// again; a step that fails is shown and the paint goes on.
void step(Application& app, const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        app.showException(e.what());
    }
}

int minutesIn(const Control& box) { return strToIntDef(trim(box.text), 0); }

} // namespace

void ConstructMainWindow(Application& app) {
    MainState& m = app.main;
    const LocaleInfo& loc = app.locale();
    m.versionText = std::string(kVersion) + "n";
    app.ctl("ButtonStopAlarm").enabled = false;
    app.form("TFormKelvaro").visible = false;
    m.BaseDate = encodeDate(2002, 1, 1);
    const std::string shown = formatDateTime(is24Hour(app) ? "hh:mm" : "hh:mm AMPM", app.now(), loc);
    for (const char* name : {"LabelAlarmTime", "LabelATimeShadow", "LabelTime", "LabelTime2"})
        app.ctl(name).caption = shown;
    app.ctl("LabelDate").caption = formatDateTime("dddd, dd mmmm yyyy", app.now(), loc);
    app.ctl("LabelAMPM").caption = loc.amDesignator + "/" + loc.pmDesignator;
    Control& ampm = app.ctl("ComboBoxAMPM");
    ampm.items = {loc.amDesignator, loc.pmDesignator};
    ampm.text = upperCaseUtf8(loc.amDesignator);
}

void ShowSoundLimits(Application& app) {
    MainState& m = app.main;
    m.MusicOffMinutes = minutesIn(app.ctl("ComboBoxMusicSeconds"));
    m.AutoSnoozeMinutes = minutesIn(app.ctl("ComboBoxSnoozeSeconds"));
    app.ctl("LabelMusicTime").caption =
        m.MusicOffMinutes == 0 ? "always on" : "off after " + intToStr(m.MusicOffMinutes) + " min";
    app.ctl("LabelSnoozeTime").caption =
        m.AutoSnoozeMinutes == 0 ? "." : "Snooze after " + intToStr(m.AutoSnoozeMinutes) + " min";
}

void FormPaint(Application& app) {
    MainState& m = app.main;
    if (!m.firstPaintPending) return;
    m.firstPaintPending = false;
    Platform& p = app.platform();

    app.form("TFormKelvaro").visible = false;
    if (app.hook("PlayerIsPlaying") == "1") app.hook("StopAlarmSound");
    for (const std::string& arg : app.arguments()) {
        if (sameText(arg, "auto")) {
            app.form("TFormKelvaro").visible = true;
            app.applicationMinimized = true;
        } else {
            app.applicationWindowShown = true;
        }
    }
    // Saves killed half-way leave their temporary files; none of ours can be running yet.
    step(app, [&] {
        removeStaleTempFiles(m.ProgramDir, {kSettingsFile, kCitiesFile, "Waves.wva", "CDs.wva", "WebRadio.wva"});
        const std::filesystem::path handover(p.handoverFile);
        removeStaleTempFiles(handover.parent_path().string(), {handover.filename().string()});
    });
    step(app, [&] {
        std::error_code ec; // a fresh account may have no configuration folder yet
        std::filesystem::create_directories(std::filesystem::path(p.handoverFile).parent_path(), ec);
        ProfileFile handover(p.handoverFile);
        handover.writeString("app", "apphdl", p.instanceToken);
        handover.writeString("Data", "Version", m.versionText);
        handover.writeString("Data", "CurrDir", m.ProgramDir);
        handover.flush();
    });
    // The default alarm sounds come with the program; put them where the settings point.
    if (!p.soundsDir.empty()) step(app, [&] { installDefaultSounds(m.ProgramDir, p.soundsDir); });
    app.hook("OpenBanner");
    app.hook("ShapeMainWindow");
    m.randomSeed = static_cast<unsigned>(std::time(nullptr));
    std::srand(m.randomSeed);
    logProgress(app, "1");
    step(app, [&] { app.hook("DiscoverMixerLines"); });
    app.ctl("LabelCDTrack").caption.clear();
    step(app, [&] { UpdateAlarmDisplay(app); });
    logProgress(app, "2");
    step(app, [&] { LoadSettings(app); });
    // The city list and its menu are read once here, before anything may be written.
    step(app, [&] { app.hook("LoadCitiesAtStart"); });
    // The music lists too, or a restart would play "MP3Path" instead of the user's list.
    step(app, [&] { app.hook("LoadMusicListsAtStart"); });
    step(app, [&] { UpdateAlarmDisplay(app); });
    // The Sunday switch is read after the city list; show the stored Sunday time now.
    step(app, [&] { app.hook("ShowSundayAlarmAtStart"); });
    app.ctl("LabelBattery").visible = false;
    app.ctl("Labelver").caption = "v" + m.versionText;
    step(app, [&] {
        if (p.autostart) p.autostart->writeEntry(kRunValue, p.programFile, "auto");
    });
    step(app, [&] { app.hook("GivePlayerDefaultFile"); });
    step(app, [&] { app.hook("PlaceTaskbarClock"); });
    ShowSoundLimits(app);
    logProgress(app, "4");
    m.hintPause = app.ctl("UsePopUpHints1").checked ? 0 : 99999999;
    ApplyClockLayout(app);
    if (app.ctl("ProgramofYourChoice1").checked) {
        for (const char* name : {"LabelProgramParams", "EditProgramParams"}) {
            app.ctl(name).visible = true;
            app.ctl(name).enabled = true;
        }
    }
    logProgress(app, "5");
    if (app.ctl("LightCheckOnLine").checked) step(app, [&] { app.hook("OnlineStartup"); });
    const bool alarmOn = app.ctl("ON1").checked;
    step(app, [&] { app.hook("UpdateTaskbarClock", {app.ctl("LabelTime").caption + " ", alarmOn ? "0" : "128"}); });
    app.ctl("ImageAlarmOFF").visible = !alarmOn;
    app.ctl("LabelAlarmOFF").visible = !alarmOn;
    ApplySettingsLock(app);
    Control& ampm = app.ctl("ComboBoxAMPM");
    ampm.text = upperCaseUtf8(ampm.text);
    m.SettingsLoaded = true;
    step(app, [&] { app.hook("AfterSettingsLoaded"); });
    if (app.hook("PlayerIsPlaying") == "1") step(app, [&] { app.hook("StopAlarmSound"); });
    logProgress(app, "6");
    m.tickEnabled = true;
}

void FormClose(Application& app) {
    Platform& p = app.platform();
    const std::string& dir = app.main.ProgramDir;
    step(app, [&] {
        if (!app.ctl("CheckBoxAutoStartwithWindows1").checked && p.autostart) p.autostart->removeEntry(kRunValue);
    });
    step(app, [&] { app.hook("StopAlarmSound"); });
    step(app, [&] { SaveAllSettings(app); });
    app.hook("EndSessionThreadTerminate");
    for (const char* cleanup : {"CleanUp.exe", "CleanUp"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(dir + cleanup, ec)) {
            if (p.shell) p.shell->startProgram(dir + cleanup, {});
            break;
        }
    }
}

void installStartup(Application& app) {
    app.defineOperation("FormPaint", [&app] { FormPaint(app); });
    app.defineOperation("FormClose", [&app] { FormClose(app); });
    app.defineOperation("ShowSoundLimits", [&app] { ShowSoundLimits(app); });
    app.defineOperation("LogProgress", [&app](const Args& a) {
        logProgress(app, a.empty() ? "" : a[0]);
        return std::string();
    });
    app.defineOperation("Close1Click", [&app] { app.run("CloseMainWindow"); });
    app.defineOperation("aaImage1DblClick", [] {});
    app.defineOperation("TextToSpeech1ClickIn", [] {});
    app.defineOperation("ImageMainMouseDown", [&app] {
        if (app.platform().host) app.platform().host->beginWindowDrag("TFormKelvaro");
    });
    app.ctl("Close1").handlers[Event::Click] = "Close1Click";
}

} // namespace kelvaro
