#include "app/program.h"
#include "app/steps.h"
#include "app/view_hooks.h"

#include "app/clock_formats.h"
#include "app/features.h"
#include "app/main_tick.h"
#include "app/startup.h"
#include "app/windows.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "framework/handle.h"
#include "settings/language_choice.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"

#include <sstream>

namespace kelvaro {

void installSettingCheckBoxes(Application& app);

namespace {

std::string number(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

void defineStates(Application& app) {
    MainState& m = app.main;
    auto dateTime = [&app](const double* v) {
        return [v] { return formatDateTime("yyyy-mm-dd hh:nn:ss", *v, LocaleInfo::enUS()); };
    };
    app.defineState("CityNow", dateTime(&m.CityNow));
    app.defineState("SnoozeUntil", dateTime(&m.SnoozeUntil));
    app.defineState("CityTimeOfDay", dateTime(&m.CityTimeOfDay));
    app.defineState("BaseDate", dateTime(&m.BaseDate));
    app.defineState("CityOffset", [&m] { return number(m.CityOffset); });
    app.defineState("SettingsLoaded", [&m] { return std::string(m.SettingsLoaded ? "true" : "false"); });
    app.defineState("MayRaiseWindow", [&m] { return std::string(m.mayRaiseWindow() ? "true" : "false"); });
    app.defineState("AllowEndSession", [&m] { return std::string(m.AllowEndSession ? "true" : "false"); });
    app.defineState("SleepModeActive", [&m] { return std::string(m.SleepModeActive ? "true" : "false"); });
    app.defineState("LastMinuteSeen", [&m] { return std::to_string(m.LastMinuteSeen); });
    app.defineState("CityWeekday", [&m] { return std::to_string(m.CityWeekday); });
    app.defineState("MusicOffMinutes", [&m] { return std::to_string(m.MusicOffMinutes); });
    app.defineState("AutoSnoozeMinutes", [&m] { return std::to_string(m.AutoSnoozeMinutes); });
    app.defineState("ProgramDir", [&m] { return m.ProgramDir; });
    app.defineState("MIDIPath", [&m] { return m.MIDIPath; });
    app.defineState("CDPath", [&m] { return m.CDPath; });
    app.defineState("ProgramPath", [&m] { return m.ProgramPath; });
    app.defineState("MP3Path", [&m] { return m.MP3Path; });
    app.defineState("WebRadioPath", [&m] { return m.WebRadioPath; });
    app.defineState("TClockH", [&m] { return std::to_string(m.TClockH); });
    app.defineState("TClockW", [&m] { return std::to_string(m.TClockW); });
    app.defineState("MIDIVolume", [&m] { return std::to_string(m.MIDIVolume); });
    app.defineState("WaveVolume", [&m] { return std::to_string(m.WaveVolume); });
    app.defineState("CDVolume", [&m] { return std::to_string(m.CDVolume); });
    app.defineState("HintPause", [&m] { return std::to_string(m.hintPause); });
    app.defineState("Version", [&m] { return m.versionText; });
}

void installNotebookCommands(Application& app) {
    handle(app, mainWindow(app).Settings1, Event::Click, "Settings1Click",
           [&app] { OpenNotebookOn(app, &notebook(app).TabSheetSettings); });
    handle(app, notebook(app).GradBtnnClose, Event::Click, "GradBtnnCloseClick",
           [&app] { app.closeForm(SettingsNotebook::kName); });
    // Escape closes the notebook as its window's close button does, from whichever page or box.
    handle(app, notebook(app).form, Event::KeyDown, "TFormCityKeyDown", [&app] {
        KeyEvent* key = app.currentKey();
        if (!key || key->key != "Escape" || !notebook(app).form.visible) return;
        key->suppressed = true;
        app.closeForm(SettingsNotebook::kName);
    });
}

} // namespace

void assembleProgram(Application& app) {
    Form& main = app.addForm(MainWindow::kName);
    Form& book = app.addForm(SettingsNotebook::kName);
    buildMainWindow(main);
    buildSettingsNotebook(book);
    Form& night = app.addForm(NightScreen::kName);
    buildNightScreen(night);
    addAboutBoxControls(app);
    addCitiesControls(main, book);
    addDaysControls(main);
    addSundayLabels(main);
    addSoundControls(main);
    addMusicListControls(book);
    addVolumeControls(main);
    addSnoozeLabels(main);
    addMinuteBoxControls(book);
    addMoonControls(main);
    addWebTimeControls(main, book);
    addOnlineControls(main, book);
    addCityZoneControls(book);
    addNowPlusControls(main);
    addSuperAlarmControls(main, book);
    addPowerControls(main, night);
    addListBackupControls(main);
    addTrayControls(main);
    addCityClockControls(main, book);
    addWakeControls(book);
    addLanguageControls(book);
    orderForKeyboard(main, book);
    bindWindows(app);

    installSettingsStore(app);
    installSettingsLock(app);
    installSettingCheckBoxes(app);
    installClockFormats(app);
    installMainTick(app);
    installStartup(app);
    installNotebookCommands(app);
    installCities(app);
    installAlarmEntry(app);
    installAlarmDays(app);
    installSoundSources(app);
    installMusicLists(app);
    installVolumeControl(app);
    installAlarmSounding(app);
    installMoon(app);
    installWebTime(app);
    installOnline(app);
    installCityZones(app);
    installNowPlus(app);
    installSuperAlarm(app);
    installNightScreen(app);
    installSleepMode(app);
    installBattery(app);
    installEndSession(app);
    installListBackup(app);
    installTray(app);
    installWindowStates(app);
    installCityClock(app);
    installAboutBox(app);
    installWakeUp(app);
    installMissedAlarms(app);
    installLanguageChoice(app);
    installWillItRing(app);
    defineStates(app);
    // The chosen city's hour difference, as the city list sets it.
    app.defineOperation("SetCityOffset", [&app](const Args& a) {
        app.main.CityOffset = a.empty() ? 0.0f : static_cast<float>(strToFloat(a[0], app.locale()));
        return std::string();
    });
    app.defineOperation("CloseMainWindow", [&app] { closeMainWindow(app); });
    viewHooks(app).closeMainWindow = [&app] { closeMainWindow(app); };
}

std::unique_ptr<Application> createProgram(const Platform& platform, const LocaleInfo& locale,
                                           const std::string& programDir,
                                           const std::vector<std::string>& arguments) {
    auto app = std::make_unique<Application>(platform, locale, programDir, arguments);
    assembleProgram(*app);
    ConstructMainWindow(*app);
    return app;
}

void firstPaint(Application& app) {
    app.guarded([&] { FormPaint(app); });
}

namespace {
struct TickError {
    std::string shown; // the message of the last failed tick, empty after a good one
};
} // namespace

void mainTick(Application& app) {
    // A fault that fails every tick would open a box a second, each over the last.
    std::string& shown = app.feature<TickError>().shown;
    try {
        Timer1Timer(app);
        shown.clear();
    } catch (const std::logic_error&) {
        throw; // a caller's mistake, as in the error guard
    } catch (const std::exception& e) {
        if (shown == e.what()) return;
        shown = e.what();
        app.showException(shown);
    }
}

void closeMainWindow(Application& app) {
    if (app.main.closing) return;
    app.main.closing = true;
    app.guarded([&] { FormClose(app); });
    mainWindow(app).form.visible = false;
    app.platform().host->quit();
}

} // namespace kelvaro
