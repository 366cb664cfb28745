// The alarm record in the program folder: how far every alarm minute and snooze end has
// been dealt with. Written after the tick that rang, reported or passed an alarm minute
// (and when the plan, the snooze or the city's hour changed), so a start after a close, a
// kill or a power cut looks back from there and rings once. The minutes between hold no
// alarm: the record need not follow them, and a disk is not written each minute for nothing.
// A crash between the sound's start and the write (the same tick) rings the alarm again
// at the next start: a second ring is the worst case, never a missed alarm.
#include "wake/wake_alarm.h"

#include "alarm/alarm_record.h"
#include "alarm/alarm_sounding.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "settings/text_file.h"
#include "sound/alarm_sound.h"

#include <cmath>

namespace kelvaro {

namespace {

struct RecordState {
    std::optional<AlarmRecord> written;          // what the file holds as far as this run knows
    std::optional<AlarmPlan> plan;               // the plan at that write
    std::optional<std::int64_t> ahead;           // the city's minutes ahead of UTC at that write
    std::optional<std::int64_t> quietCityMinute; // the start's minute, already dealt with before the start
    // UTC: a snooze that ran when the program ended and ends after this start.
    std::optional<std::int64_t> pendingSnoozeEnd;
};

RecordState& recordState(Application& app) {
    return app.feature<RecordState>();
}

std::string recordPath(Application& app) {
    return app.main.ProgramDir + kAlarmRecordFile;
}

std::int64_t utcMinuteNow(Application& app) {
    const ClockReading r = app.platform().clock->read();
    const std::int64_t ms = toMilliseconds(r.now) - std::int64_t{r.utcOffsetMinutes} * 60'000;
    return wholeMinute(fromMilliseconds(ms));
}

// The computer's zone and the city's shift, both whole minutes.
std::int64_t cityAheadOfUtc(Application& app) {
    return std::llround((app.main.CityNow - app.now()) * 1440.0) + app.platform().clock->utcOffsetMinutes();
}

std::optional<std::int64_t> snoozeEndUtc(Application& app, const AlarmPlan& plan) {
    if (!plan.snoozeMinute) return std::nullopt;
    const std::int64_t ahead = cityAheadOfUtc(app);
    const std::int64_t cityNow = utcMinuteNow(app) + ahead;
    std::int64_t end = cityNow - ((cityNow % 1440) + 1440) % 1440 + *plan.snoozeMinute;
    if (end < cityNow) end += 1440;
    return end - ahead;
}

// Whether an alarm minute or snooze end lies in (recorded, now], UTC; a clock set back
// counts too, so the record never stays ahead of the clock.
bool alarmMinutePassed(const AlarmPlan& plan, std::int64_t recorded, std::int64_t now, std::int64_t ahead) {
    return now < recorded || !dueMoments(plan, recorded + ahead, now + ahead).empty();
}

} // namespace

void RecordAlarmProgress(Application& app, bool force) {
    if (!app.main.SettingsLoaded || app.main.CityNow == 0) return; // no tick yet: nothing dealt with
    RecordState& s = recordState(app);
    if (s.pendingSnoozeEnd && (*s.pendingSnoozeEnd <= utcMinuteNow(app) || alarmInProgress(app))) {
        // The snooze from before the start ends now.
        if (!alarmInProgress(app))
            SoundAlarmNow(app, static_cast<int>((*s.pendingSnoozeEnd + cityAheadOfUtc(app)) % 1440));
        s.pendingSnoozeEnd.reset();
    }
    const AlarmPlan plan = alarmPlan(app);
    const std::int64_t ahead = cityAheadOfUtc(app);
    AlarmRecord now{utcMinuteNow(app), snoozeEndUtc(app, plan)};
    if (!now.snoozeEnd) now.snoozeEnd = s.pendingSnoozeEnd;
    const bool due = force || !s.written || s.plan != plan || s.ahead != ahead ||
                     s.written->snoozeEnd != now.snoozeEnd ||
                     (s.written->dealtUpTo != now.dealtUpTo && (plan.on || now.snoozeEnd) &&
                      alarmMinutePassed(plan, s.written->dealtUpTo, now.dealtUpTo, ahead));
    if (!due) return;
    s.written = now;
    s.plan = plan;
    s.ahead = ahead;
    try {
        writeFileAtomically(recordPath(app), writeAlarmRecord(now));
    } catch (const std::exception&) {
        // The settings save reports an unwritable folder; a box each minute would help nobody.
    }
}

void LookBackFromRecord(Application& app) {
    RecordState& s = recordState(app);
    const auto text = readTextFile(recordPath(app), 4096);
    const auto record = text ? readAlarmRecord(*text) : std::nullopt;
    if (!record) return; // a first start, or a record nobody can trust
    const std::int64_t nowUtc = utcMinuteNow(app);
    const std::int64_t cityNow = wholeMinute(app.main.CityNow);
    // The present minute rang or was passed before the start (or the clock went back): not again.
    if (record->dealtUpTo >= nowUtc) s.quietCityMinute = cityNow;
    // A snooze is never a day long: one further off comes from a clock that went back.
    if (record->snoozeEnd && *record->snoozeEnd > nowUtc && *record->snoozeEnd - nowUtc < 1440)
        s.pendingSnoozeEnd = record->snoozeEnd;
    DealWithMissed(app, missedSinceRecord(alarmPlan(app), *record, nowUtc, cityAheadOfUtc(app)), cityNow,
                   MissedBecause::NotRunning);
}

namespace {

bool startMinuteDealtWith(Application& app) {
    const auto& quiet = recordState(app).quietCityMinute;
    return quiet && *quiet == wholeMinute(app.main.CityNow);
}

} // namespace

void installAlarmRecord(Application& app) {
    defineStep(app, Step::RecordAlarmProgress, [&app](const Args& a) {
        RecordAlarmProgress(app, !a.empty() && a[0] == "close"); // a clean close always writes
        return std::string();
    });
    queries(app).alarmMinuteDealtWith = [&app] { return startMinuteDealtWith(app); };
}

} // namespace kelvaro
