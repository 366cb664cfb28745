// The wake-up for the next alarm: armed whenever the alarm plan or the time moves
// on, again just before the system sleeps, and never left behind for an alarm that
// was switched off, moved or has rung.
#include "framework/translatable.h"
#include "wake/wake_alarm.h"

#include "app/show_note.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "platform/wake_timer.h"

#include <cmath>

namespace kelvaro {

namespace {

constexpr std::int64_t kEpochDays = 25569; // 1970-01-01 in framework days
constexpr std::int64_t kStayAwakeMinutes = 12 * 60;

WakeTimer& timer(Application& app) {
    return *app.platform().wake;
}

std::optional<int> minuteOfDayOf(Application& app, const std::string& text) {
    if (text.empty()) return std::nullopt;
    try {
        const TimeParts t = decodeTime(timeOfDay(strToTimeOrThrow(text, app.locale())));
        return t.hour * 60 + t.minute;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// An alarm time's minute as last read from its caption, with what it was read with: the
// plan is asked for each second and its captions change only when the alarm is edited.
struct TimeTextMemo {
    bool known = false;
    std::string text, timeSeparator, decimalSeparator, am, pm;
    std::optional<int> minute;
};

struct AlarmTimeMemos {
    TimeTextMemo alarm, sunday;
};

std::optional<int> rememberedMinuteOf(Application& app, TimeTextMemo& memo, const std::string& text) {
    const LocaleInfo& loc = app.locale();
    if (!memo.known || memo.text != text || memo.timeSeparator != loc.timeSeparator ||
        memo.decimalSeparator != loc.decimalSeparator || memo.am != loc.amDesignator ||
        memo.pm != loc.pmDesignator) {
        memo.minute = minuteOfDayOf(app, text);
        memo.text = text;
        memo.timeSeparator = loc.timeSeparator;
        memo.decimalSeparator = loc.decimalSeparator;
        memo.am = loc.amDesignator;
        memo.pm = loc.pmDesignator;
        memo.known = true;
    }
    return memo.minute;
}

std::int64_t cityMinuteNow(Application& app) {
    return wholeMinute(app.main.CityNow);
}

// The next alarm's moment, for the wake-up and the stay-awake window.
std::optional<DueMoment> nextAlarm(Application& app) {
    if (!app.main.SettingsLoaded) return std::nullopt;
    return nextDue(alarmPlan(app), cityMinuteNow(app));
}

// Shown once a run, as the system goes to sleep: the box waits for the user at the resume.
void noteNoWake(Application& app) {
    WakeState& w = wakeState(app);
    if (w.noWakeNoteShown || !nextAlarm(app)) return;
    w.noWakeNoteShown = true;
    RaiseHold hold(app.main);
    ShowNote(app,
             KV_TR("The computer will not wake up for the alarm. To let it wake, install the program's "
                   "package (its wake helper may set the kernel's alarm timer), run it where systemd "
                   "allows wake-up timers, or check \"Stop Hibernate and Stand-by\" so that the computer "
                   "stays awake."),
             false);
}

void onSleep(Application& app) {
    RearmWakeUp(app, true);
    if (wakeTierInForce(app) == WakeTier::None) noteNoWake(app);
    timer(app).sleepReady();
}

void onResume(Application& app) {
    // The one-shot timer is spent: the next tick arms again.
    wakeState(app).armedAt.reset();
    wakeState(app).armedPlan.reset();
}

} // namespace

WakeState& wakeState(Application& app) {
    return app.feature<WakeState>();
}

AlarmPlan alarmPlan(Application& app) {
    MainWindow& w = mainWindow(app);
    AlarmPlan plan;
    plan.on = w.ON1.checked;
    const Control* days[7] = {&w.Sunday1,   &w.Monday1, &w.Tuesday1, &w.Wednesday1,
                              &w.Thursday1, &w.Friday1, &w.Saturday1};
    for (std::size_t i = 0; i < 7; ++i)
        plan.days[i] = days[i]->checked;
    AlarmTimeMemos& memos = app.feature<AlarmTimeMemos>();
    plan.minuteOfDay = rememberedMinuteOf(app, memos.alarm, w.LabelAlarmTime.caption).value_or(-1);
    if (plan.minuteOfDay < 0) plan.on = false;
    if (w.SundayAlarmSeperate1.checked)
        plan.sundayMinute = rememberedMinuteOf(app, memos.sunday, w.LabelSundayAlarm1.caption);
    if (w.LightCheckSnooze.checked) {
        const TimeParts end = decodeTime(timeOfDay(app.main.SnoozeUntil));
        plan.snoozeMinute = end.hour * 60 + end.minute;
    }
    return plan;
}

std::int64_t cityToUtcSeconds(Application& app, DateTime city) {
    // The city's shift is whole minutes; CityNow is up to a second older than now.
    const std::int64_t shiftMinutes = std::llround((app.main.CityNow - app.now()) * 1440.0);
    const std::int64_t wall = toMilliseconds(city) / 1000 - shiftMinutes * 60 - kEpochDays * 86400;
    std::int64_t utc = wall - std::int64_t{app.platform().clock->utcOffsetMinutes()} * 60;
    // Across a change of daylight saving the offset at the alarm is not today's.
    const std::string zone = app.platform().clock->zoneId();
    if (!zone.empty())
        if (auto state = app.platform().zones->stateAt(zone, utc)) utc = wall - state->offsetSeconds;
    return utc;
}

WakeTier wakeTierInForce(Application& app) {
    const WakeState& w = wakeState(app);
    switch (timer(app).method()) {
    case WakeMethod::KernelAlarm:
    case WakeMethod::WakeHelper:
        if (!w.armFailed) return WakeTier::WakeTimer;
        break;
    case WakeMethod::SystemTimer:
        if (!w.armFailed) return WakeTier::SystemTimer;
        break;
    case WakeMethod::None:
        break;
    }
    return notebook(app).CheckBoxStopHybernateandSleep1.checked ? WakeTier::StayAwake : WakeTier::None;
}

std::string wakeTierText(Application& app) {
    switch (wakeTierInForce(app)) {
    case WakeTier::WakeTimer:
    case WakeTier::SystemTimer:
        return fillPattern(KV_TR("Wakes the computer for the alarm (%1)"),
                           {wakeMethodName(timer(app).method())});
    case WakeTier::StayAwake:
        return KV_TR("Keeps the computer awake for the alarm");
    case WakeTier::None:
        break;
    }
    return KV_TR("The computer will not wake for the alarm");
}

// The same, short enough for the tray's tip.
std::string wakeTipText(Application& app) {
    switch (wakeTierInForce(app)) {
    case WakeTier::WakeTimer:
    case WakeTier::SystemTimer:
        return fillPattern(KV_TR("Wakes the computer: %1"), {wakeMethodName(timer(app).method())});
    case WakeTier::StayAwake:
        return KV_TR("Keeps the computer awake");
    case WakeTier::None:
        break;
    }
    return KV_TR("Will not wake the computer");
}

void RearmWakeUp(Application& app, bool force) {
    WakeState& w = wakeState(app);
    const std::int64_t minute = cityMinuteNow(app);
    const AlarmPlan plan = alarmPlan(app);
    if (!force && w.armedPlan == plan && w.armedCityMinute == minute) return;
    w.armedPlan = plan;
    w.armedCityMinute = minute;
    const auto next = nextAlarm(app);
    if (!next) {
        if (w.armedAt) timer(app).disarm();
        w.armedAt.reset();
        return;
    }
    const std::int64_t wakeAt = cityToUtcSeconds(app, minuteToDateTime(next->minute)) - 60;
    if (!force && w.armedAt == wakeAt) return;
    if (timer(app).method() == WakeMethod::None) return;
    w.armFailed = !timer(app).arm(wakeAt);
    if (w.armFailed)
        w.armedAt.reset();
    else
        w.armedAt = wakeAt;
}

// The stay-awake window: no wake-up works, "Stop Hibernate and Stand-by" is checked and an
// alarm is due within 12 hours. The power feature holds its sleep block while this is true.
bool keepAwakeForAlarm(Application& app) {
    if (wakeTierInForce(app) != WakeTier::StayAwake) return false;
    const auto next = nextAlarm(app);
    return next && next->minute - cityMinuteNow(app) <= kStayAwakeMinutes;
}

void installWakeUp(Application& app) {
    WakeTimer& t = timer(app);
    t.onSleep = [&app] { app.guarded([&] { onSleep(app); }); };
    t.onResume = [&app] { app.guarded([&] { onResume(app); }); };
    struct Unhook {
        WakeTimer* t = nullptr;
        ~Unhook() {
            if (!t) return;
            t->onSleep = t->onResume = nullptr;
            t->disarm(); // a closed clock rings no alarm: nothing to wake for
        }
    };
    app.feature<Unhook>().t = &t;
    queries(app).wakeTip = [&app] { return wakeTipText(app); };
    queries(app).keepAwakeForAlarm = [&app] { return keepAwakeForAlarm(app); };
    app.defineState("WakeTier", [&app] { return wakeTierText(app); });
    app.defineState("KeepAwakeForAlarm",
                    [&app] { return std::string(keepAwakeForAlarm(app) ? "true" : "false"); });
}

} // namespace kelvaro
