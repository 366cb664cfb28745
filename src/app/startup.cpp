// Construction of the main window, its first paint (where everything is read)
// and its close (where everything is saved).
#include "app/startup.h"
#include "app/program.h"
#include "app/show_note.h"
#include "app/steps.h"
#include "app/view_hooks.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include "alarm/alarm_record.h"
#include "app/clock_formats.h"
#include "cities/city_list.h"
#include "city_clock/font_file.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "framework/handle.h"
#include "online/online.h"
#include "settings/profile_file.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"
#include "sound/default_sounds.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <utility>

namespace kelvaro {

namespace {

constexpr const char* kVersion = "3.23";
constexpr const char* kRunValue = "Alarm Clock";

void logProgress(Application& app, const std::string& mark) {
    Control& memo = notebook(app).Memo1;
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

std::string programFolderArgument(std::string dir) {
    if (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

int minutesIn(const Control& box) {
    return strToIntDef(trim(box.text), 0);
}

} // namespace

void WriteAutostartEntry(Application& app) {
    Platform& p = app.platform();
    // The session starts the program on the folder it runs on now, not on the default one.
    p.autostart->writeEntry(kRunValue, p.programFile,
                            {"--dir", programFolderArgument(app.main.ProgramDir), "auto"});
}

void RemoveAutostartEntry(Application& app) {
    app.platform().autostart->removeEntry(kRunValue);
}

void ConstructMainWindow(Application& app) {
    MainState& m = app.main;
    const LocaleInfo& loc = app.locale();
    m.versionText = std::string(kVersion) + "n";
    mainWindow(app).ButtonStopAlarm.enabled = false;
    mainWindow(app).form.visible = false;
    m.BaseDate = encodeDate(2002, 1, 1);
    const std::string shown = formatDateTime(is24Hour(app) ? "hh:mm" : "hh:mm AMPM", app.now(), loc);
    MainWindow& w = mainWindow(app);
    for (Control* label : {&w.LabelAlarmTime, &w.LabelATimeShadow, &w.LabelTime, &w.LabelTime2})
        label->caption = shown;
    mainWindow(app).LabelDate.caption = formatDateTime("dddd, dd mmmm yyyy", app.now(), loc);
    mainWindow(app).LabelAMPM.caption = loc.amDesignator + "/" + loc.pmDesignator;
    Control& ampm = mainWindow(app).ComboBoxAMPM;
    ampm.items = {loc.amDesignator, loc.pmDesignator};
    ampm.text = upperCaseUtf8(loc.amDesignator);
}

void ShowSoundLimits(Application& app) {
    MainState& m = app.main;
    m.MusicOffMinutes = minutesIn(notebook(app).ComboBoxMusicSeconds);
    m.AutoSnoozeMinutes = minutesIn(notebook(app).ComboBoxSnoozeSeconds);
    mainWindow(app).LabelMusicTime.caption =
        m.MusicOffMinutes == 0 ? KV_TR("always on")
                               : fillPattern(KV_TR("off after %1 min"), {intToStr(m.MusicOffMinutes)});
    mainWindow(app).LabelSnoozeTime.caption =
        m.AutoSnoozeMinutes == 0 ? "."
                                 : fillPattern(KV_TR("Snooze after %1 min"), {intToStr(m.AutoSnoozeMinutes)});
}

void FormPaint(Application& app) {
    MainState& m = app.main;
    if (!m.firstPaintPending) return;
    m.firstPaintPending = false;
    m.holdingStartNotes = true;
    struct Release {
        MainState& m;
        ~Release() { m.holdingStartNotes = false; }
    } release{m};
    Platform& p = app.platform();

    mainWindow(app).form.visible = false;
    if (playerIsPlaying(app)) runStep(app, Step::StopAlarmSound);
    for (const std::string& arg : app.arguments()) {
        if (sameText(arg, "auto")) {
            mainWindow(app).form.visible = true;
            app.applicationMinimized = true;
        } else {
            app.applicationWindowShown = true;
        }
    }
    // Saves killed half-way leave their temporary files; none of ours can be running yet.
    step(app, [&] {
        removeStaleTempFiles(m.ProgramDir, {kSettingsFile, kCitiesFile, "Waves.wva", "CDs.wva",
                                            "WebRadio.wva", kAlarmRecordFile, kCityClockFontFile});
        removeStaleDownloads(m.ProgramDir);
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
    runStep(app, Step::OpenBanner);
    runStep(app, Step::ShapeMainWindow);
    m.randomSeed = static_cast<unsigned>(std::time(nullptr));
    std::srand(m.randomSeed);
    logProgress(app, "1");
    step(app, [&] { runStep(app, Step::DiscoverMixerLines); });
    mainWindow(app).LabelCDTrack.caption.clear();
    step(app, [&] { UpdateAlarmDisplay(app); });
    logProgress(app, "2");
    step(app, [&] { LoadSettings(app); });
    // The city list and its menu are read once here, before anything may be written.
    step(app, [&] { runStep(app, Step::LoadCitiesAtStart); });
    // The music lists too, or a restart would play "MP3Path" instead of the user's list.
    step(app, [&] { runStep(app, Step::LoadMusicListsAtStart); });
    step(app, [&] { UpdateAlarmDisplay(app); });
    // The Sunday switch is read after the city list; show the stored Sunday time now.
    step(app, [&] { runStep(app, Step::ShowSundayAlarmAtStart); });
    mainWindow(app).LabelBattery.visible = false;
    mainWindow(app).Labelver.caption = "v" + m.versionText;
    // Only a wish the user has: an entry left from an earlier run with the option off (a crash
    // before the close removed it) would start the clock with the session for good.
    step(app, [&] {
        if (notebook(app).CheckBoxAutoStartwithWindows1.checked)
            WriteAutostartEntry(app);
        else
            RemoveAutostartEntry(app);
    });
    step(app, [&] { runStep(app, Step::GivePlayerDefaultFile); });
    step(app, [&] { runStep(app, Step::PlaceTaskbarClock); });
    ShowSoundLimits(app);
    logProgress(app, "4");
    m.hintPause = mainWindow(app).UsePopUpHints1.checked ? 0 : 99999999;
    ApplyClockLayout(app);
    if (mainWindow(app).ProgramofYourChoice1.checked) {
        for (Control* c : {&mainWindow(app).LabelProgramParams, &mainWindow(app).EditProgramParams}) {
            c->visible = true;
            c->enabled = true;
        }
    }
    logProgress(app, "5");
    if (mainWindow(app).LightCheckOnLine.checked) step(app, [&] { runStep(app, Step::OnlineStartup); });
    const bool alarmOn = mainWindow(app).ON1.checked;
    step(app, [&] {
        runStep(app, Step::UpdateTaskbarClock,
                {mainWindow(app).LabelTime.caption + " ", alarmOn ? "0" : "128"});
    });
    mainWindow(app).ImageAlarmOFF.visible = !alarmOn;
    mainWindow(app).LabelAlarmOFF.visible = !alarmOn;
    ApplySettingsLock(app);
    Control& ampm = mainWindow(app).ComboBoxAMPM;
    ampm.text = upperCaseUtf8(ampm.text);
    m.SettingsLoaded = true;
    if (playerIsPlaying(app)) step(app, [&] { runStep(app, Step::StopAlarmSound); });
    logProgress(app, "6");
    m.tickEnabled = true;
    m.holdingStartNotes = false;
    for (const auto& [text, beep] : std::exchange(m.startNotes, {}))
        ShowNote(app, text, beep);
}

void FormClose(Application& app) {
    Platform& p = app.platform();
    const std::string& dir = app.main.ProgramDir;
    step(app, [&] {
        if (!notebook(app).CheckBoxAutoStartwithWindows1.checked) p.autostart->removeEntry(kRunValue);
    });
    step(app, [&] { runStep(app, Step::StopAlarmSound); });
    step(app, [&] { runStep(app, Step::RecordAlarmProgress, {"close"}); });
    step(app, [&] { SaveAllSettings(app); });
    runStep(app, Step::EndSessionThreadTerminate);
    for (const char* cleanup : {"CleanUp.exe", "CleanUp"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(dir + cleanup, ec)) {
            p.shell->startProgram(dir + cleanup, {});
            break;
        }
    }
}

void installStartup(Application& app) {
    handle(app, mainWindow(app).form, Event::Paint, "FormPaint", [&app] { FormPaint(app); });
    app.defineOperation("FormClose", [&app] { FormClose(app); });
    app.defineOperation("ShowSoundLimits", [&app] { ShowSoundLimits(app); });
    defineStep(app, Step::LogProgress, [&app](const Args& a) {
        logProgress(app, a.empty() ? "" : a[0]);
        return std::string();
    });
    app.defineOperation("aaImage1DblClick", [] {});
    app.defineOperation("TextToSpeech1ClickIn", [] {});
    handle(app, mainWindow(app).ImageMain, Event::MouseDown, "ImageMainMouseDown",
           [&app] { app.platform().host->beginWindowDrag(MainWindow::kName); });
    handle(app, mainWindow(app).Close1, Event::Click, "Close1Click", [&app] { closeMainWindow(app); });
    MainWindow& w = mainWindow(app);
    ViewHooks& hooks = viewHooks(app);
    hooks.clockLabels = {&w.LabelTime, &w.LabelSeconds, &w.LabelDate};
    // The bare body of the window stands for the picture behind the clock.
    hooks.mainBodyPressed = [&app] { app.fire(mainWindow(app).ImageMain, Event::MouseDown); };
}

} // namespace kelvaro
