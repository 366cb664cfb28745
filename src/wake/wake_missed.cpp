// Alarms that fell due while the program was not ticking: after a sleep, a start
// (looking back from the alarm record, wake_record.cpp) or a clock set forward, the tick looks back over the
// gap. One missed by no more than the late limit sounds at once with a note saying when it was due; older
// ones are only reported, and a snooze from long ago ends silently.
#include "framework/handle.h"
#include "framework/translatable.h"
#include "wake/wake_alarm.h"

#include "alarm/alarm_sounding.h"
#include "app/show_note.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/form_builder.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"
#include "sound/alarm_sound.h"

namespace kelvaro {

namespace {

constexpr std::int64_t kGapMs = 90'000; // more than a late tick: the program was not ticking
constexpr int kDefaultLateLimit = 60;

std::int64_t utcMs(Application& app) {
    const ClockReading r = app.platform().clock->read();
    return toMilliseconds(r.now) - std::int64_t{r.utcOffsetMinutes} * 60'000;
}

int minuteBox(const Control& box, int fallback) {
    try {
        const int value = std::stoi(box.text);
        return value >= 0 ? value : fallback;
    } catch (const std::exception&) {
        return fallback;
    }
}

std::string when(Application& app, const DueMoment& d) {
    return formatDateTime("hh:nn", minuteToDateTime(d.minute), app.locale());
}

std::string whenWithDay(Application& app, const DueMoment& d) {
    return formatDateTime("hh:nn \"on\" dddd, dd mmmm", minuteToDateTime(d.minute), app.locale());
}

std::string reportLine(Application& app, const DueMoment& d) {
    return fillPattern(d.snooze ? KV_TR("The snooze that ended at %1 was missed and stays silent: it is more "
                                        "than %2 minutes late.")
                                : KV_TR("The alarm due at %1 was missed and stays silent: it is more than %2 "
                                        "minutes late."),
                       {whenWithDay(app, d), notebook(app).ComboBoxLateLimit.text});
}

void report(Application& app, const std::vector<DueMoment>& missed) {
    std::string text;
    for (const DueMoment& d : missed) {
        if (!text.empty()) text += '\n'; // appended: "\n" + line draws a false -Wrestrict of GCC 12
        text += reportLine(app, d);
    }
    if (auto& notify = wakeState(app).notify) notify(KV_TR("Missed alarm"), text);
    ShowNote(app, text, false);
}

} // namespace

void DealWithMissed(Application& app, std::vector<DueMoment> missed, std::int64_t toMinute,
                    MissedBecause because) {
    MainState& m = app.main;
    // The minute step about to run tests the present minute itself (a snooze end only while one runs).
    if (m.CityMinute != m.LastMinuteSeen)
        std::erase_if(missed, [&](const DueMoment& d) {
            return d.minute == toMinute && (!d.snooze || mainWindow(app).LightCheckSnooze.checked);
        });
    if (missed.empty()) return;
    const int limit = minuteBox(notebook(app).ComboBoxLateLimit, kDefaultLateLimit);
    const MissedVerdict verdict = judgeMissed(missed, toMinute, limit);
    const bool staleSnooze = !verdict.sound && mainWindow(app).LightCheckSnooze.checked &&
                             std::any_of(verdict.reported.begin(), verdict.reported.end(),
                                         [](const DueMoment& d) { return d.snooze; });
    if (staleSnooze) StopAlarmSound(app); // last night's snooze is over
    // Raises the window, so before the hold below.
    if (verdict.sound) SoundAlarmNow(app, static_cast<int>(verdict.sound->minute % 1440));
    RaiseHold hold(m);
    if (verdict.sound) {
        const DueMoment& d = *verdict.sound;
        ShowNote(
            app,
            fillPattern(
                because == MissedBecause::NotRunning
                    ? (d.snooze ? KV_TR("The snooze that ended at %1 sounds late: Kelvaro Clock was not "
                                        "running then.")
                                : KV_TR("The alarm due at %1 sounds late: Kelvaro Clock was not running "
                                        "then."))
                    : (d.snooze ? KV_TR("The snooze that ended at %1 sounds late: the computer was asleep "
                                        "or its clock was set forward.")
                                : KV_TR("The alarm due at %1 sounds late: the computer was asleep or its "
                                        "clock was set forward.")),
                {when(app, d)}),
            false);
    }
    if (!verdict.reported.empty()) report(app, verdict.reported);
}

namespace {

void addMinuteSetting(Form& f, const std::string& box, const std::string& text, const std::string& before,
                      const std::string& after, int top) {
    const std::string p = "TabSheetSettings";
    const std::string stem = box.substr(8); // "LateLimit" of "ComboBoxLateLimit"
    addLabel(f, "Label" + stem, before, {10, top + 4, 236, 16}, p);
    Control& c = addCombo(f, box, text, {250, top, 60, 22}, p);
    c.items = {"0", "1", "2", "5", "10", "15", "20", "30", "45", "60", "90", "120"};
    addLabel(f, "Label" + stem + "Unit", after, {316, top + 4, 150, 16}, p);
}

void minuteSettingChange(Application& app, Control& box, const char* fallback) {
    if (ConfirmSettingChange(app)) return; // the user kept the old setting
    if (minuteBox(box, -1) < 0) box.text = fallback;
    SaveAllSettings(app);
}

} // namespace

void CheckMissedAlarms(Application& app) {
    WakeState& w = wakeState(app);
    MainState& m = app.main;
    const std::int64_t now = utcMs(app);
    if (w.lastTickUtcMs == 0)
        LookBackFromRecord(app); // the first tick: the program was not running before
    else if (now - w.lastTickUtcMs > kGapMs)
        DealWithMissed(app, dueMoments(alarmPlan(app), wholeMinute(w.lastCityNow), wholeMinute(m.CityNow)),
                       wholeMinute(m.CityNow), MissedBecause::NotTicking);
    w.lastTickUtcMs = now;
    w.lastCityNow = m.CityNow;
    RearmWakeUp(app);
}

// Runs before the window handles are bound, so it finds controls by the names they are built under.
void addWakeControls(Form& notebook) {
    addMinuteSetting(notebook, "ComboBoxLateLimit", "60", KV_TR("Sound a missed alarm when at most"),
                     KV_TR("minutes late"), 284);
    addMinuteSetting(notebook, "ComboBoxGentleStart", "0", KV_TR("Reach the alarm volume over"),
                     KV_TR("seconds (0 = at once)"), 310);
}

void installMissedAlarms(Application& app) {
    SettingsNotebook& nb = notebook(app);
    for (Control* box : {&nb.ComboBoxLateLimit, &nb.ComboBoxGentleStart}) {
        const char* fallback = box == &nb.ComboBoxLateLimit ? "60" : "0";
        handle(app, *box, Event::Change, box->name + "Change",
               [&app, box, fallback] { minuteSettingChange(app, *box, fallback); });
        box->handlers[Event::Exit] = box->handlers[Event::Change];
    }
    defineStep(app, Step::CheckMissedAlarms, [&app] { CheckMissedAlarms(app); });
    // Reported alarms reach the desktop too: the note alone may wait behind a locked screen.
    wakeState(app).notify = [&app](const std::string& title, const std::string& body) {
        app.platform().notifier->show(title, body, {});
    };
    app.defineOperation("RearmWakeUp", [&app] { RearmWakeUp(app, true); });
    installAlarmRecord(app);
}

} // namespace kelvaro
