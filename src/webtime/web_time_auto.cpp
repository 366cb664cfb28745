// The automatic synchronisation the main tick runs once a minute. It runs while
// nobody watches, so it shows no notes, asks at most hourly after a failure,
// sets the clock only with a fresh offset that two servers agreed on, never closes a window under the
// user, leaves large corrections to the user's own "Set Time", and keeps out of
// the way of a system whose clock NTP keeps.
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/datetime.h"
#include "webtime/web_time.h"

#include <cmath>

namespace kelvaro {

namespace {

constexpr double Minute = 1.0 / 1440.0;
constexpr double FreshFor = 5 * Minute;    // a measurement older than this is asked again
constexpr double RetryAfter = 60 * Minute; // after a failure
constexpr double LargestAutomatic = 15 * Minute;

void automaticStep(Application& app) {
    WebTimeState& s = webTime(app);
    if (!notebook(app).CheckBoxAllowTimeUpdate.checked) return;
    if (!mainWindow(app).LightCheckOnLine.checked) return;
    const double now = app.now();
    const auto last = strToDateTime(notebook(app).LabelLastTimeSynch.caption, app.locale());
    if (!last || !(now > *last + 1.0)) return;
    if (s.autoFailedAt && now >= *s.autoFailedAt && now < *s.autoFailedAt + RetryAfter) return;
    if (app.platform().clockSetter->ntpSynchronized()) return;

    // Only an offset two servers agreed on: one answer alone never sets the clock by itself.
    const bool fresh = s.agreed && s.measuredAt && now >= *s.measuredAt && now - *s.measuredAt <= FreshFor;
    if (fresh && notebook(app).GradBtnnSetTime.enabled) {
        if (std::fabs(s.WebTimeOffset) > LargestAutomatic || !ApplyWebTimeOffset(app, true, false))
            s.autoFailedAt = now;
        return;
    }
    if (s.queryOpen) return; // the answer is on its way
    runStep(app, Step::CheckOnline);
    if (!mainWindow(app).LightCheckOnLine.checked) return;
    StartTimeRound(app);
}

} // namespace

void installWebTimeAuto(Application& app) {
    defineStep(app, Step::WebTimeMinuteStep, [&app] { automaticStep(app); });
    app.defineState("WebTimeAutoFailedAt", [&app] {
        const auto& at = webTime(app).autoFailedAt;
        return at ? formatDateTime("yyyy-mm-dd hh:nn:ss", *at, LocaleInfo::enUS()) : std::string();
    });
}

} // namespace kelvaro
