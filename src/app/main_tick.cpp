// The one-second main tick: city time, clock, and the per-second and
// per-minute steps of every feature in their fixed order.
#include "app/main_tick.h"
#include "app/steps.h"
#include "app/windows.h"

#include "app/clock_formats.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "framework/handle.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

DateTime cityShift(float cityOffset, const LocaleInfo& loc) {
    // The offset is hours.minutes held in a single float; the minutes go through the
    // "0" format so that 5.45 (44.99998 minutes after the subtraction) gives 45.
    const int hours = static_cast<int>(std::trunc(cityOffset));
    const double rawMinutes = static_cast<double>(cityOffset) * 100.0 - static_cast<double>(hours) * 100.0;
    const int minutes = static_cast<int>(std::trunc(strToFloat(formatFloat("0", rawMinutes, loc), loc)));
    return strToTimeOrThrow(TwoDigits(std::abs(hours)) + loc.timeSeparator + TwoDigits(std::abs(minutes)),
                            loc);
}

DateTime cityTime(DateTime now, float cityOffset, const LocaleInfo& loc) {
    const DateTime shift = cityShift(cityOffset, loc);
    return cityOffset >= 0 ? now + shift : now - shift;
}

namespace {

// The city's shift as last worked out, with what it was worked out from: the
// tick needs it each second and it changes only with the city or the locale.
struct CityShiftMemo {
    std::optional<float> offset;
    std::string timeSeparator, decimalSeparator;
    DateTime shift = 0;
};

DateTime tickCityTime(Application& app) {
    const LocaleInfo& loc = app.locale();
    const float offset = app.main.CityOffset;
    CityShiftMemo& memo = app.feature<CityShiftMemo>();
    if (memo.offset != offset || memo.timeSeparator != loc.timeSeparator ||
        memo.decimalSeparator != loc.decimalSeparator) {
        memo.shift = cityShift(offset, loc); // throws as before, and then remembers nothing
        memo.offset = offset;
        memo.timeSeparator = loc.timeSeparator;
        memo.decimalSeparator = loc.decimalSeparator;
    }
    const DateTime now = app.now();
    return offset >= 0 ? now + memo.shift : now - memo.shift;
}

// The clock's caption as last formatted, with what it was formatted from. The clock's
// formats show the hour and the minute only, so it changes about once a minute.
struct ClockCaptionMemo {
    std::string format, timeSeparator, am, pm;
    bool hourAndMinuteOnly = false;
    int hour = -1, minute = -1;
    std::string caption;
};

// Whether a format shows no more than the hour, the minute and AM/PM: no seconds, no date,
// no locale format and no quoted text.
bool showsHourAndMinuteOnly(std::string_view format) {
    return format.find_first_of("sSzZtTcCdDyY/'\"") == std::string_view::npos;
}

const std::string& clockCaption(Application& app, std::string_view format, const TimeParts& t) {
    const LocaleInfo& loc = app.locale();
    ClockCaptionMemo& memo = app.feature<ClockCaptionMemo>();
    if (memo.format != format || memo.timeSeparator != loc.timeSeparator || memo.am != loc.amDesignator ||
        memo.pm != loc.pmDesignator) {
        memo.format = format;
        memo.timeSeparator = loc.timeSeparator;
        memo.am = loc.amDesignator;
        memo.pm = loc.pmDesignator;
        memo.hourAndMinuteOnly = showsHourAndMinuteOnly(format);
        memo.hour = -1;
    }
    if (!memo.hourAndMinuteOnly || memo.hour != t.hour || memo.minute != t.minute) {
        memo.caption = formatDateTime(format, app.main.CityNow, loc);
        memo.hour = t.hour;
        memo.minute = t.minute;
    }
    return memo.caption;
}

// The date line and the weekday of the city's present day.
void showCityDay(Application& app) {
    MainState& m = app.main;
    m.CityDayShown = static_cast<std::int64_t>(std::floor(m.CityNow));
    mainWindow(app).LabelDate.caption = formatDateTime("dddd, dd mmmm yyyy", m.CityNow, app.locale());
    runStep(app, Step::WeekdayStep);
}

void minuteStep(Application& app, int minute) {
    MainState& m = app.main;
    if (m.minuteStepDepth == minute) return; // an earlier pass for this minute waits in a box
    const int outer = m.minuteStepDepth;
    m.minuteStepDepth = minute;
    struct Restore {
        MainState& m;
        int outer;
        ~Restore() { m.minuteStepDepth = outer; }
    } restore{m, outer};

    runStep(app, Step::SetMoonDate);
    m.LastMinuteSeen = static_cast<uint16_t>(minute);
    if (m.SleepModeActive) runStep(app, Step::SleepMinuteStep);
    if (notebook(app).CheckBoxAllowTimeUpdate.checked) {
        try {
            runStep(app, Step::WebTimeMinuteStep);
        } catch (const std::exception&) {
            // ends only the web-time step
        }
    }
    showCityDay(app);
    runStep(app, Step::CheckAlarmDue);
    runStep(app, Step::RefreshMilestones);
    runStep(app, Step::BannerStep);
    app.platform().host->processEvents();
    runStep(app, Step::CheckOnline);
}

} // namespace

void Timer1Timer(Application& app) {
    MainState& m = app.main;
    if (!m.tickEnabled) return;
    Control& lamp = mainWindow(app).LightCheckTimer;
    lamp.checked = !lamp.checked;
    mainWindow(app).form.visible = true;

    runStep(app, Step::RefreshCityZones); // a city's zone may have changed its hour difference
    m.CityNow = tickCityTime(app);
    const TimeParts t = decodeTime(m.CityNow);
    const std::string& clock = clockCaption(app, clockFormat(app), t);
    mainWindow(app).LabelTime.caption = clock;
    mainWindow(app).LabelTime2.caption = clock;

    m.CityTimeOfDay = encodeTime(t.hour, t.minute, t.second); // the whole second, as "h:mm:ss" read back
    m.CityHour = static_cast<uint16_t>(t.hour);
    m.CityMinute = static_cast<uint16_t>(t.minute);
    m.CitySecond = static_cast<uint16_t>(t.second);
    mainWindow(app).LabelSeconds.caption = TwoDigits(t.second);
    mainWindow(app).LabelSeconds2.caption = mainWindow(app).LabelSeconds.caption;

    runStep(app, Step::BatteryStep);
    runStep(app, Step::WatchPlayer);
    runStep(app, Step::ShowSnoozeCountdown);
    if (!mainWindow(app).LightCheckSnooze.checked) runStep(app, Step::ShowCdTrack);
    if (stepDefined(app, Step::UpdateTaskbarClock)) // spares building the arguments each second
        runStep(app, Step::UpdateTaskbarClock, {mainWindow(app).LabelTime.caption + " ", "1"});
    m.CityClockUpdated = true; // also when the taskbar clock is not shown
    runStep(app, Step::UpdateTrayTip);
    runStep(app, Step::CheckMusicOff);
    runStep(app, Step::CheckAutoSnooze);

    runStep(app, Step::CheckMissedAlarms); // before the minute step, which it leaves the present minute to
    if (t.minute != m.LastMinuteSeen)
        minuteStep(app, t.minute);
    else if (static_cast<std::int64_t>(std::floor(m.CityNow)) != m.CityDayShown)
        showCityDay(app);                    // another city, whose day is another, within the same minute
    runStep(app, Step::RecordAlarmProgress); // after what rang or passed this tick

    runStep(app, Step::ServiceAlarmSound);
}

void installMainTick(Application& app) {
    handle(app, mainWindow(app).Timer1, Event::Click, "Timer1Timer", [&app] { Timer1Timer(app); });
}

} // namespace kelvaro
