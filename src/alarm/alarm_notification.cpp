// The desktop notification of a sounding alarm: it names the city and the alarm
// time, and its buttons do what a key and "Stop Alarm" do.
#include "alarm/alarm_sounding.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include "app/clock_formats.h"
#include "cities/city_list.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "platform/notifier.h"

namespace kelvaro {

namespace {

struct AlarmNotification {
    Notifier* notifier = nullptr;
    std::uint32_t id = 0; // the one shown for the alarm in progress, 0 when none
    // The notifier outlives a program in tests that start several on one platform.
    ~AlarmNotification() {
        if (notifier) notifier->onAction({});
    }
};

void pressed(Application& app, std::uint32_t id, const std::string& key) {
    if (id != app.feature<AlarmNotification>().id) return; // an earlier alarm's notification
    app.guarded([&] {
        if (key == "snooze") {
            StartSnooze(app); // as a key does: it snoozes only while an alarm is in progress
        } else if (key == "stop") {
            if (mainWindow(app).ButtonStopAlarm.enabled) StopAlarmSound(app);
        }
    });
    app.touch();
}

} // namespace

void ShowAlarmNotification(Application& app) {
    AlarmNotification& n = app.feature<AlarmNotification>();
    CloseAlarmNotification(app); // a snooze's return replaces the first one
    const AlarmSoundingState& a = alarmSoundingState(app);
    const std::string time = formatDateTime(is24Hour(app) ? "hh:mm" : "hh:mm AMPM",
                                            encodeTime(a.DueHour, a.DueMinute, 0), app.locale());
    const Control& cities = cityGrid(app);
    const std::string city = cityCell(cities, currentCityRow(cities), kCityName);
    const std::string body = city.empty() ? fillPattern(KV_TR("Alarm at %1"), {time})
                                          : fillPattern(KV_TR("%1: alarm at %2"), {city, time});
    n.id = app.platform().notifier->show(fillPattern(KV_TR("Alarm %1"), {time}), body,
                                         {{"snooze", KV_TR("Snooze")}, {"stop", KV_TR("Stop")}});
}

void CloseAlarmNotification(Application& app) {
    AlarmNotification& n = app.feature<AlarmNotification>();
    if (n.id != 0) app.platform().notifier->close(n.id);
    n.id = 0;
}

void installAlarmNotification(Application& app) {
    AlarmNotification& n = app.feature<AlarmNotification>();
    n.notifier = app.platform().notifier;
    n.notifier->onAction([&app](std::uint32_t id, const std::string& key) { pressed(app, id, key); });
}

} // namespace kelvaro
