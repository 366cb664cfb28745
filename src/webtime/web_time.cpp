#include "webtime/web_time.h"

#include "app/features.h"
#include "app/show_note.h"
#include "app/steps.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/colors.h"
#include "framework/datetime.h"
#include "framework/handle.h"
#include "framework/translatable.h"
#include "webtime/time_protocol.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kelvaro {

namespace {

constexpr const char* kShownFormat = "h:mm:ss AMPM dddd, dd mmmm yyyy";
constexpr std::size_t kBufferBytes = 2048;
constexpr double Second = 1.0 / 86'400.0;

void startQuery(Application& app, bool quiet, const std::string& host);

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%+.*f", decimals, value);
    return text;
}

bool counted(const ServerAnswer& a) {
    return a.offset && a.roundTrip < LongestCountedRoundTrip;
}

void showAnswers(Application& app) {
    std::string lines;
    for (const ServerAnswer& a : webTime(app).answers) {
        if (!lines.empty()) lines += "\n";
        if (!a.offset) {
            lines += fillPattern(KV_TR("%1: no reply"), {a.host});
            continue;
        }
        const std::string offset = fixed(*a.offset / Second, 1);
        const std::string trip = fixed(a.roundTrip, 2).substr(1);
        lines +=
            a.roundTrip >= LongestCountedRoundTrip
                ? fillPattern(KV_TR("%1: %2 s, reply in %3 s (too slow to count)"), {a.host, offset, trip})
                : fillPattern(KV_TR("%1: %2 s, reply in %3 s"), {a.host, offset, trip});
    }
    app.ctl("LabelWebTimeAnswers").caption = lines;
}

// The automatic round goes on after each answer: sets up the offset two quick answers agree
// on, or asks the next server, or, with the list done, changes nothing and says why.
void roundGoesOn(Application& app) {
    WebTimeState& s = webTime(app);
    SettingsNotebook& nb = notebook(app);
    showAnswers(app);
    const auto& a = s.answers;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = i + 1; j < a.size(); ++j)
            if (counted(a[i]) && counted(a[j]) &&
                std::fabs(*a[i].offset - *a[j].offset) <= LargestDisagreement * Second) {
                s.WebTimeOffset = (*a[i].offset + *a[j].offset) / 2;
                s.measuredAt = app.now();
                s.agreed = true;
                s.roundHosts.clear();
                nb.LabelWebTime.caption =
                    formatDateTime(kShownFormat, app.now() + s.WebTimeOffset, app.locale());
                nb.GradBtnnSetTime.enabled = true;
                return;
            }
    if (!s.roundHosts.empty()) {
        const std::string next = s.roundHosts.front();
        s.roundHosts.erase(s.roundHosts.begin());
        return startQuery(app, true, next);
    }
    const auto quick = std::count_if(a.begin(), a.end(), counted);
    nb.LabelWebTime.caption = quick < 2 ? KV_TR("Clock not set: fewer than two time servers answered quickly")
                                        : KV_TR("Clock not set: the time servers did not agree");
    nb.GradBtnnSetTime.enabled = false;
    s.measuredAt.reset();
    s.autoFailedAt = app.now();
}

void queryFailed(Application& app) {
    WebTimeState& s = webTime(app);
    SettingsNotebook& nb = notebook(app);
    s.queryOpen = false;
    nb.LightCheckgettime.checked = false;
    nb.LightCheckgettime.offcolor = colors::Red; // until the next Get Time
    // The last measurement is not this server's answer: Set Time must not apply it as if it were.
    nb.GradBtnnSetTime.enabled = false;
    s.measuredAt.reset();
    app.touch();
    s.answers.push_back({s.askedHost, std::nullopt, 0});
    if (s.quiet) return roundGoesOn(app);
    showAnswers(app);
    if (mainWindow(app).LightCheckOnLine.checked) {
        ShowNote(app, KV_TR("Unable to get Web time. select another Time Server!"), true);
        nb.LabelWebTime.caption = KV_TR("Unable to get Web time, try another Time Server");
    } else {
        ShowNote(app, KV_TR("You Must be on the Web To Set Time to the Atomic Clock!"), true);
        nb.LabelWebTime.caption = KV_TR("Must be on the Web To Set Time to the Atomic Clock!");
    }
}

void replyArrived(Application& app, std::uint32_t seconds) {
    WebTimeState& s = webTime(app);
    SettingsNotebook& nb = notebook(app);
    const double travel = app.platform().timeClient->elapsedSeconds();
    const double server = timeProtocolDateTime(seconds) - travel * 0.5 / 86'400.0;
    const double utc = utcNow(app);
    const double local = app.now();
    nb.LabelLocalTime.caption = formatDateTime(kShownFormat, local, app.locale());
    s.answers.push_back({s.askedHost, server - utc, travel});
    if (s.quiet) return roundGoesOn(app);
    s.WebTimeOffset = server - utc;
    s.measuredAt = local;
    nb.LabelWebTime.caption = formatDateTime(kShownFormat, local + s.WebTimeOffset, app.locale());
    nb.GradBtnnSetTime.enabled = true;
    showAnswers(app);
}

// The reply is complete when the server closes: a reply may come in pieces.
void connectionClosed(Application& app) {
    WebTimeState& s = webTime(app);
    s.queryOpen = false;
    notebook(app).LightCheckgettime.checked = false;
    std::vector<std::uint8_t> reply;
    reply.swap(s.received);
    app.touch();
    if (auto seconds = timeProtocolSeconds(reply))
        replyArrived(app, *seconds);
    else
        queryFailed(app); // closed without a usable reply is a failure like any other
}

} // namespace

WebTimeState& webTime(Application& app) {
    return app.feature<WebTimeState>();
}

double utcNow(Application& app) {
    return app.now() - app.platform().clock->utcOffsetMinutes() / 1440.0;
}

namespace {

void startQuery(Application& app, bool quiet, const std::string& host) {
    WebTimeState& s = webTime(app);
    SettingsNotebook& nb = notebook(app);
    TimeClient& client = *app.platform().timeClient;
    nb.LightCheckgettime.offcolor = colors::Black;
    runStep(app, Step::CheckOnline);
    nb.LabelWebTime.caption.clear();
    nb.LabelLocalTime.caption.clear();
    if (s.queryOpen) client.abort(); // a new query replaces an unfinished one
    nb.LightCheckgettime.checked = false;
    s.received.clear();
    s.quiet = quiet;
    s.queryOpen = true;
    s.agreed = false;
    s.askedHost = host;
    const unsigned query = ++s.query;
    auto current = [&app, query](auto&& action) {
        return [&app, query, action](auto&&... args) {
            if (webTime(app).query != query || !webTime(app).queryOpen) return;
            app.guarded([&] { action(args...); });
        };
    };
    TimeClientEvents events;
    events.connected = current([&app] {
        notebook(app).LightCheckgettime.checked = true;
        app.touch();
    });
    events.data = current([&app](const std::vector<std::uint8_t>& bytes) {
        std::vector<std::uint8_t>& held = webTime(app).received;
        const std::size_t room = kBufferBytes - 1 - std::min(held.size(), kBufferBytes - 1);
        held.insert(held.end(), bytes.begin(),
                    bytes.begin() + static_cast<long>(std::min(room, bytes.size())));
    });
    events.closed = current([&app] { connectionClosed(app); });
    events.failed = current([&app](const std::string&) { queryFailed(app); });
    try {
        client.connect(host, TimePort, QueryTimeoutMs, std::move(events));
    } catch (const std::exception&) {
        queryFailed(app);
    }
}

} // namespace

void StartTimeQuery(Application& app, bool quiet) {
    webTime(app).answers.clear();
    webTime(app).roundHosts.clear();
    startQuery(app, quiet, notebook(app).ComboBoxTimeHostName.text);
}

void StartTimeRound(Application& app) {
    WebTimeState& s = webTime(app);
    const SettingsNotebook& nb = notebook(app);
    // The chosen server first, then the rest of the list.
    std::vector<std::string> hosts;
    auto add = [&hosts](const std::string& host) {
        if (!host.empty() && std::find(hosts.begin(), hosts.end(), host) == hosts.end())
            hosts.push_back(host);
    };
    add(nb.ComboBoxTimeHostName.text);
    for (const std::string& host : nb.ComboBoxTimeHostName.items)
        add(host);
    s.answers.clear();
    s.roundHosts.assign(hosts.begin() + 1, hosts.end());
    startQuery(app, true, hosts.front());
}

bool ApplyWebTimeOffset(Application& app, bool quiet, bool closeNotebook) {
    WebTimeState& s = webTime(app);
    const double utc = utcNow(app) + s.WebTimeOffset;
    // Whole milliseconds, as the clock is set.
    const double target = std::round(utc * 86'400'000.0) / 86'400'000.0;
    if (!app.platform().clockSetter->setUtc(target, !quiet)) {
        if (!quiet) {
            const std::string why = app.platform().clockSetter->refusal();
            ShowNote(app,
                     why.empty() ? std::string(KV_TR("The system clock could not be set."))
                                 : fillPattern(KV_TR("The system clock could not be set.\n%1"), {why}),
                     true);
        }
        return false;
    }
    // The clock now agrees with the server: pressing Set Time again must not move it twice.
    s.WebTimeOffset = 0;
    s.measuredAt.reset();
    s.agreed = false;
    notebook(app).LabelLastTimeSynch.caption = dateTimeToStr(app.now(), app.locale());
    if (closeNotebook && notebook(app).form.visible) app.closeForm(SettingsNotebook::kName);
    return true;
}

void installWebTime(Application& app) {
    SettingsNotebook& nb = notebook(app);
    handle(app, mainWindow(app).GetWebTimeSynch1, Event::Click, "GetWebTimeSynch1Click", [&app] {
        notebook(app).LabelWebTime.caption.clear();
        notebook(app).LabelLocalTime.caption.clear();
        OpenNotebookOn(app, &notebook(app).TabSheetWebTime);
    });
    handle(app, nb.GradBtnnGetTime, Event::Click, "GradBtnnGetTimeClick",
           [&app] { StartTimeQuery(app, false); });
    handle(app, nb.GradBtnnSetTime, Event::Click, "GradBtnnSetTimeClick",
           [&app] { ApplyWebTimeOffset(app, false, true); });
    handle(app, nb.GradBtnnOKWT, Event::Click, "GradBtnnOKWTClick",
           [&app] { app.closeForm(SettingsNotebook::kName); });
    app.defineState("WebTimeAnswers", [&app] { return app.ctl("LabelWebTimeAnswers").caption; });
    app.defineState("WebTimeOffset", [&app] {
        return std::to_string(std::llround(webTime(app).WebTimeOffset * 86'400'000.0)) + " ms";
    });
    installWebTimeAuto(app);
}

} // namespace kelvaro
