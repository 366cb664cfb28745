#include "night/sleep_mode.h"

#include "app/features.h"
#include "app/show_note.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "framework/form_builder.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "night/night_screen.h"
#include "settings/settings_store.h"
#include "wake/wake_verdict.h"

#include <array>
#include <memory>

namespace kelvaro {

namespace {

Control& dayItem(Application& app, int day) {
    MainWindow& w = mainWindow(app);
    const std::array<Control*, 7> items = {&w.Sunday1,   &w.Monday1, &w.Tuesday1, &w.Wednesday1,
                                           &w.Thursday1, &w.Friday1, &w.Saturday1};
    return *items[static_cast<std::size_t>(day - 1)];
}

bool ask(Application& app, const std::string& text, Answer yes, Answer other) {
    return app.box(BoxKind::Warning, text, {yes, other}) == yes;
}

struct DayTexts {
    const char* firstNote;
    const char* question;
    const char* nowOn;
    const char* leftOff;
    bool noteBeforeHold; // tomorrow's note comes before the window is held down
};

constexpr DayTexts kToday = {KV_TR("Alarm NOT Set awwn for Today! Do you want to Turn awwn Todays Alarm?"),
                             KV_TR(" Note: Alarm NOT Set ON for Today! \n\nTurn ON Todays Alarm? \n"),
                             KV_TR("Todays Alarm is now awn."), KV_TR("Todays Alarm is left off."), false};
constexpr DayTexts kTomorrow = {
    KV_TR("Alarm NOT Set awwn for Tomorrow!"),
    KV_TR(" Note: Alarm NOT Set ON for Tomorrow! \n\nTurn ON Tomorrows Alarm? \n"),
    KV_TR("tomorrows Alarm is now set awn."), KV_TR("tomorrows Alarm is left off."), true};

// The alarm's next day is switched on, or the user agreed and the switch went
// through; false when the command ends here.
bool alarmDayReady(Application& app) {
    const LocaleInfo& loc = app.locale();
    const DateTime now = strToTimeOrThrow(mainWindow(app).LabelTime.caption, loc);
    const DateTime alarm = strToTimeOrThrow(mainWindow(app).LabelAlarmTime.caption, loc);
    const bool today = toMilliseconds(now) < toMilliseconds(alarm);
    const int day = dayOfWeek(today ? app.main.CityNow : app.main.CityNow + 1);
    if (runStep(app, Step::ShowCityDays, {std::to_string(day)}) == "true") return true;

    const DayTexts& t = today ? kToday : kTomorrow;
    std::unique_ptr<RaiseHold> hold;
    if (!t.noteBeforeHold) hold = std::make_unique<RaiseHold>(app.main);
    ShowNote(app, t.firstNote, true);
    if (!hold) hold = std::make_unique<RaiseHold>(app.main);
    if (ask(app, t.question, Answer::Yes, Answer::No)) {
        app.fire(dayItem(app, day), Event::Click);
        // The lock's question may have refused the change: say so rather than "now on".
        if (runStep(app, Step::ShowCityDays, {std::to_string(day)}) == "true") {
            ShowNote(app, t.nowOn, false);
            return true;
        }
    }
    ShowNote(app, t.leftOff, false);
    return false;
}

bool batteryAccepted(Application& app) {
    if (!mainWindow(app).LabelBattery.visible) return true;
    RaiseHold hold(app.main);
    ShowNote(app,
             KV_TR("You are running on BATTERY power!  The battery may run down while you are sleeping."),
             true);
    if (ask(app,
            KV_TR(
                " Note: You are running on BATTERY power!                \n\n                   Continue to "
                "Sleep?\n\n                  YES                     NO"),
            Answer::Yes, Answer::No)) {
        ShowNote(app, KV_TR("OK, but remember, I warned you."), true);
        return true;
    }
    ShowNote(app, KV_TR("Please plug in power before going to sleep."), true);
    return false;
}

void switchAlarmOn(Application& app) {
    MainWindow& w = mainWindow(app);
    w.ON1.checked = true;
    w.OFF1.checked = false;
    w.ImageAlarmOFF.visible = false;
    w.LabelAlarmOFF.visible = false;
    SaveAllSettings(app); // a crash in the night must not bring the switch back
}

void endCommand(Application& app) {
    app.main.AllowEndSession = true;
    SyncPowerHolds(app);
}

// The last word before the night: when the alarm will not ring, what to do about it. A
// verdict with only warnings (a file the alarm falls back from) stays off the screen.
void tellRingVerdict(Application& app) {
    const PowerStatus::Reading reading = app.platform().power->read();
    BatteryReading battery{reading.onBattery, std::nullopt};
    const bool known = reading.secondsLeft != 0 && reading.secondsLeft != PowerStatus::kUnknownSeconds;
    if (reading.onBattery && known) battery.secondsLeft = reading.secondsLeft;
    const RingVerdict verdict = willItRing(app, battery);
    if (!verdict.willRing) ShowNote(app, verdict.text(), true);
}

} // namespace

void SyncPowerHolds(Application& app) {
    PowerInhibitor& inhibitor = *app.platform().inhibitor;
    inhibitor.holdSleep(mainWindow(app).ON1.checked && notebook(app).CheckBoxStopHybernateandSleep1.checked);
    inhibitor.holdShutdown(!app.main.AllowEndSession);
}

void Sleep1Click(Application& app) {
    MainState& m = app.main;
    m.AllowEndSession = false;
    SyncPowerHolds(app);
    try {
        MainWindow& w = mainWindow(app);
        NightScreen& s = nightScreen(app);
        s.LabelATime.caption = w.LabelAlarmTime.caption;
        s.LabelCity.caption = w.LabelTZ.caption;
        s.LabelStBy.caption = w.Labelsb3.caption;
        for (Control* c : {&s.LabelATime, &s.LabelCity, &s.LabelStBy})
            estimateLabelSize(*c);
        if (!alarmDayReady(app) || !batteryAccepted(app)) return endCommand(app);
        if (w.ON1.checked) {
            tellRingVerdict(app);
            return ShowNightScreen(app, [&app] { endCommand(app); });
        }
        bool switchOn = false;
        {
            ShowNote(app, KV_TR("Alarm is NOT awwn!"), true);
            RaiseHold hold(m);
            switchOn =
                ask(app, KV_TR(" Note: Alarm Clock is NOT ON!                \n\nTurn Alarm ON       CANCEL"),
                    Answer::Yes, Answer::Cancel);
        }
        if (!switchOn) {
            ShowNote(app, KV_TR("Alarm is left off."), false);
            return endCommand(app);
        }
        switchAlarmOn(app);
        SyncPowerHolds(app);
        tellRingVerdict(app);
        ShowNightScreen(app, [&app] {
            ShowNote(app, KV_TR("Alarm is now set awn."), false);
            endCommand(app);
        });
    } catch (...) {
        endCommand(app);
        throw;
    }
}

void SleepMinuteStep(Application& app) {
    // The clock follows the minute whatever the monitor does: many displays cannot be put to
    // standby (no DPMS under Wayland or Xvfb), and a monitor woken by hand must not show a stale time.
    Control& time = nightScreen(app).LabelTime;
    time.caption = mainWindow(app).LabelTime.caption;
    estimateLabelSize(time);
    if (notebook(app).CheckBoxMonitorOff.checked) return;
    if (app.platform().inhibitor->setMonitor(MonitorPower::Standby)) noteMonitorDown(app);
}

// Runs before the window handles are bound, so it finds controls by the names they are built under.
void addPowerControls(Form& main, Form& night) {
    Control& sleep = addMenuItem(main, "Sleep1", KV_TR("&Sleep"), "Alarm1");
    main.moveBefore(sleep.name, "N3"); // with the alarm's own switch, at hand at bedtime
    Control& battery = *main.find("LabelBattery");
    battery.caption = "---";
    battery.color = 0x000000;
    Control& low = addLabel(main, "LabelLowBattery", KV_TR("WARNING LOW BATTERY"), {8, 226, 504, 42});
    low.color = 0x0000FF; // red
    low.fontSize = 35;
    low.bold = true;
    low.visible = false;
    // The screen's size until a display tells the real one.
    night.width = 1024;
    night.height = 768;
    addNightScreenLabels(night);
}

void installSleepMode(Application& app) {
    handle(app, mainWindow(app).Sleep1, Event::Click, "Sleep1Click", [&app] { Sleep1Click(app); });
    // The tray menu's "Sleep" does what the main menu's does.
    mainWindow(app).Sleep2.handlers[Event::Click] = mainWindow(app).Sleep1.handler(Event::Click);
    defineStep(app, Step::SleepMinuteStep, [&app] { SleepMinuteStep(app); });
}

} // namespace kelvaro
