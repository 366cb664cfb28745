// The answers of the running clock to `kelvaro --status`, `--snooze`, `--stop`,
// `--alarm on|off` and `--set-alarm HH:MM`.
#include "app/remote_control.h"
#include "app/windows.h"
#include "framework/translatable.h"

#include "alarm/alarm_entry.h"
#include "alarm/alarm_sounding.h"
#include "app/after_remote_answer.h"
#include "app/clock_formats.h"
#include "app/program.h"
#include "app/steps.h"
#include "cities/cities.h"
#include "cities/city_list.h"
#include "framework/application.h"
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "settings/settings_lock.h"
#include "settings/settings_store.h"
#include "settings/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>
#include <utility>

namespace kelvaro {

namespace {

// "Warn if Changing Settings": the question waits for the user at the clock, not the asker.
constexpr const char* kAskedAtTheClock = KV_TR("asked at the clock");

bool locked(Application& app) {
    return mainWindow(app).CheckBoxLock.checked;
}

bool alarmInProgress(Application& app) {
    return mainWindow(app).ButtonStopAlarm.enabled;
}

std::optional<int> number(const std::string& text, int max) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value <= max ? std::optional<int>(value) : std::nullopt;
}

// The first city date-time after `cityNow` whose hour and minute are these: the alarm test
// runs at the change of the minute, so the minute already running comes round tomorrow.
DateTime nextAt(DateTime cityNow, int hour, int minute) {
    DateTime candidate = datePart(cityNow) + encodeTime(hour, minute, 0);
    if (candidate <= cityNow) candidate += 1;
    return candidate;
}

std::optional<DateTime> nextCityRing(Application& app, DateTime cityNow) {
    MainWindow& w = mainWindow(app);
    if (w.LightCheckSnooze.checked) { // a snooze comes back even with the alarm off
        const TimeParts end = decodeTime(timeOfDay(app.main.SnoozeUntil));
        return nextAt(cityNow, end.hour, end.minute);
    }
    if (!w.ON1.checked) return std::nullopt;
    const std::array<Control*, 7> days = {&w.Sunday1,   &w.Monday1, &w.Tuesday1, &w.Wednesday1,
                                          &w.Thursday1, &w.Friday1, &w.Saturday1};
    for (int ahead = 0; ahead <= 7; ++ahead) {
        const DateTime day = datePart(cityNow) + ahead;
        const int weekday = dayOfWeek(day);
        if (!days[static_cast<size_t>(weekday - 1)]->checked) continue;
        const std::string& sunday = w.LabelSundayAlarm1.caption;
        const std::string& text = w.SundayAlarmSeperate1.checked && weekday == 1 && !sunday.empty()
                                      ? sunday
                                      : w.LabelAlarmTime.caption;
        const std::optional<DateTime> alarm = strToTime(text, app.locale());
        if (!alarm) return std::nullopt;
        const TimeParts t = decodeTime(*alarm);
        const DateTime ring = day + encodeTime(t.hour, t.minute, 0);
        if (ring > cityNow) return ring;
    }
    return std::nullopt; // no day of the week is enabled
}

std::string nextRingText(Application& app) {
    const DateTime localNow = app.now();
    const DateTime cityNow = ShiftToCity(app, app.main.CityOffset);
    const std::optional<DateTime> ring = nextCityRing(app, cityNow);
    if (!ring) return KV_TR("off");
    // Back from the city's clock to the computer's, to the whole minute.
    const double minutes = std::round((*ring - (cityNow - localNow)) * 1440.0);
    return formatDateTime("yyyy\"-\"mm\"-\"dd\"T\"hh\":\"nn\":\"ss", minutes / 1440.0, LocaleInfo::enUS());
}

std::string stateText(Application& app) {
    if (!alarmInProgress(app)) return KV_TR("idle");
    if (mainWindow(app).LightCheckSnooze.checked) return KV_TR("snoozing");
    return mainWindow(app).Flash1.enabled ? KV_TR("sounding") : KV_TR("silenced");
}

RemoteAnswer switchAlarm(Application& app, bool on) {
    const char* wanted = on ? KV_TR("alarm on") : KV_TR("alarm off");
    if (locked(app)) return {RemoteOutcome::Locked, KV_TR("locked")};
    if (mainWindow(app).ON1.checked == on)
        return {RemoteOutcome::Done, fillPattern(KV_TR("%1 (unchanged)"), {wanted})};
    if (AskAfterRemoteAnswer(app, [&app, on] {
            if (mainWindow(app).ON1.checked != on) AlarmON1Click(app);
        }))
        return {RemoteOutcome::NotDone, kAskedAtTheClock};
    AlarmON1Click(app); // the taskbar clock's "Alarm ON / OFF": asks, flips and saves, shows no note
    if (mainWindow(app).ON1.checked != on) return {RemoteOutcome::NotDone, KV_TR("refused")};
    return {RemoteOutcome::Done, wanted};
}

// As the user types the time into the alarm boxes and leaves them.
void typeAlarmTime(Application& app, int hour, int minute) {
    MainWindow& w = mainWindow(app);
    const bool h24 = is24Hour(app);
    w.ComboBoxHour.text = TwoDigits(h24 ? hour : (hour % 12 == 0 ? 12 : hour % 12));
    w.ComboBoxMinute.text = TwoDigits(minute);
    if (!h24)
        w.ComboBoxAMPM.text =
            upperCaseUtf8(hour < 12 ? app.locale().amDesignator : app.locale().pmDesignator);
    ComboBoxHourExit(app);
    ComboBoxMinuteExit(app);
    if (!h24) ComboBoxAMPMExit(app);
}

RemoteAnswer setAlarm(Application& app, int hour, int minute) {
    if (locked(app)) return {RemoteOutcome::Locked, KV_TR("locked")};
    if (AskAfterRemoteAnswer(app, [&app, hour, minute] { typeAlarmTime(app, hour, minute); }))
        return {RemoteOutcome::NotDone, kAskedAtTheClock};
    typeAlarmTime(app, hour, minute);
    return {RemoteOutcome::Done, fillPattern(KV_TR("alarm at %1"), {mainWindow(app).LabelAlarmTime.caption})};
}

} // namespace

std::optional<RemoteRequest> parseRemoteRequest(const std::string& line) {
    std::istringstream words(line);
    std::string verb, argument, extra;
    words >> verb >> argument >> extra;
    if (!extra.empty()) return std::nullopt;
    if (argument.empty()) {
        if (verb == "status") return RemoteRequest{RemoteCommand::Status};
        if (verb == "snooze") return RemoteRequest{RemoteCommand::Snooze};
        if (verb == "stop") return RemoteRequest{RemoteCommand::Stop};
        return std::nullopt;
    }
    if (verb == "alarm" && argument == "on") return RemoteRequest{RemoteCommand::AlarmOn};
    if (verb == "alarm" && argument == "off") return RemoteRequest{RemoteCommand::AlarmOff};
    if (verb != "set-alarm") return std::nullopt;
    const auto colon = argument.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::optional<int> hour = number(argument.substr(0, colon), 23);
    const std::string minuteText = argument.substr(colon + 1);
    const std::optional<int> minute = minuteText.size() == 2 ? number(minuteText, 59) : std::nullopt;
    if (!hour || !minute) return std::nullopt;
    return RemoteRequest{RemoteCommand::SetAlarm, *hour, *minute};
}

std::string remoteRequestLine(const RemoteRequest& r) {
    switch (r.command) {
    case RemoteCommand::Status:
        return "status";
    case RemoteCommand::Snooze:
        return "snooze";
    case RemoteCommand::Stop:
        return "stop";
    case RemoteCommand::AlarmOn:
        return "alarm on";
    case RemoteCommand::AlarmOff:
        return "alarm off";
    case RemoteCommand::SetAlarm:
        break;
    }
    return "set-alarm " + TwoDigits(r.hour) + ":" + TwoDigits(r.minute);
}

namespace {

std::string statusText(Application& app, const std::string& state) {
    const Control& cities = cityGrid(app);
    const std::string city = cityCell(cities, currentCityRow(cities), kCityName);
    return fillPattern(KV_TR("city: %1\nalarm: %2\nalarm on: %3\nstate: %4\nnext ring: %5"),
                       {city.empty() ? KV_TR("(none)") : city, mainWindow(app).LabelAlarmTime.caption,
                        mainWindow(app).ON1.checked ? KV_TR("yes") : KV_TR("no"), state, nextRingText(app)});
}

} // namespace

std::string remoteStatus(Application& app) {
    return statusText(app, stateText(app));
}

namespace {

// Copies `from` to the new file `to` in pieces, at most `limit` bytes: nothing when `from` is
// missing. Returns why it could not, or nothing when it could.
std::optional<std::string> copyBounded(const std::string& from, const std::string& to, std::size_t limit) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (in < 0) {
        if (errno == ENOENT) return std::nullopt; // a missing file reads as defaults
        return from + ": " + std::strerror(errno);
    }
    struct Close {
        int fd;
        ~Close() {
            if (fd >= 0) ::close(fd);
        }
    } closeIn{in};
    struct stat st {};
    if (::fstat(in, &st) != 0) return from + ": " + std::strerror(errno);
    if (!S_ISREG(st.st_mode)) return from + ": not a regular file";
    const std::string tooLarge = from + ": larger than " + std::to_string(limit >> 20) + " MB";
    if (static_cast<std::uintmax_t>(st.st_size) > limit) return tooLarge;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (out < 0) return "the temporary folder: " + std::string(std::strerror(errno));
    const Close closeOut{out};
    std::array<char, 65536> buffer{};
    std::size_t copied = 0;
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return from + ": " + std::strerror(errno);
        if (n == 0) return std::nullopt;
        copied += static_cast<std::size_t>(n);
        if (copied > limit) return tooLarge; // grew while being read
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(out, buffer.data() + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w < 0) return "the temporary folder: " + std::string(std::strerror(errno));
            done += w;
        }
    }
}

} // namespace

RemoteAnswer statusFromFiles(const Platform& platform, const LocaleInfo& locale,
                             const std::string& programDir) {
    namespace fs = std::filesystem;
    auto cannot = [](const std::string& why) {
        return RemoteAnswer{RemoteOutcome::NotDone,
                            fillPattern(KV_TR("cannot read the settings: %1"), {why})};
    };
    // Read from copies: the settings load itself writes a missing "CurrDir", and asking
    // must leave the user's folder as it was. Only as much is copied as the clock would
    // read: a larger file is refused there too.
    std::error_code ec;
    const fs::path temp = fs::temp_directory_path(ec);
    if (ec) return cannot("no temporary folder (" + ec.message() + ")");
    std::string pattern = (temp / "kelvaro-status-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return cannot("no temporary folder (" + std::string(std::strerror(errno)) + ")");
    const fs::path copy = pattern;
    struct Remove {
        fs::path path;
        ~Remove() {
            std::error_code ec;
            fs::remove_all(path, ec);
        }
    } removeCopy{copy};
    for (const auto& [name, limit] :
         {std::pair{"Kelvaro.ini", kMaxSettingsFileBytes}, std::pair{kCitiesFile, kMaxListFileBytes}})
        if (const auto problem = copyBounded(programDir + name, (copy / name).string(), limit))
            return cannot(*problem);
    auto app = createProgram(platform, locale, copy.string() + "/", {});
    // The first paint's reading alone: SettingsLoaded stays false, so nothing is saved.
    UpdateAlarmDisplay(*app);
    LoadSettings(*app);
    runStep(*app, Step::LoadCitiesAtStart);
    UpdateAlarmDisplay(*app);
    runStep(*app, Step::ShowSundayAlarmAtStart);
    return {RemoteOutcome::Done, statusText(*app, KV_TR("not running"))};
}

namespace {

RemoteAnswer answer(Application& app, const RemoteRequest& request) {
    switch (request.command) {
    case RemoteCommand::Status:
        return {RemoteOutcome::Done, remoteStatus(app)};
    case RemoteCommand::Snooze:
        if (!alarmInProgress(app)) return {RemoteOutcome::NotDone, KV_TR("no alarm in progress")};
        StartSnooze(app); // what any key does while the alarm sounds
        if (!mainWindow(app).LightCheckSnooze.checked) return {RemoteOutcome::Done, KV_TR("silenced")};
        return {RemoteOutcome::Done,
                fillPattern(KV_TR("snoozing until %1"),
                            {formatDateTime(is24Hour(app) ? "hh:mm" : "hh:mm AMPM",
                                            timeOfDay(app.main.SnoozeUntil), app.locale())})};
    case RemoteCommand::Stop:
        if (!alarmInProgress(app)) return {RemoteOutcome::NotDone, KV_TR("no alarm in progress")};
        StopAlarmSound(app); // "Stop Alarm"
        return {RemoteOutcome::Done, KV_TR("stopped")};
    case RemoteCommand::AlarmOn:
    case RemoteCommand::AlarmOff:
        return switchAlarm(app, request.command == RemoteCommand::AlarmOn);
    case RemoteCommand::SetAlarm:
        return setAlarm(app, request.hour, request.minute);
    }
    return {RemoteOutcome::NotDone, KV_TR("unknown request")};
}

} // namespace

RemoteAnswer answerRemoteRequest(Application& app, const RemoteRequest& request) {
    RemoteAnswerHold& remote = remoteAnswerHold(app);
    struct Answering {
        RemoteAnswerHold& remote;
        bool before;
        ~Answering() { remote.answering = before; }
    } answering{remote, std::exchange(remote.answering, true)};
    try {
        return answer(app, request);
    } catch (const std::logic_error&) {
        throw; // a caller's mistake, not an error of the running program
    } catch (const std::exception& e) {
        const std::string message = e.what();
        remote.after.push_back([&app, message] { app.showException(message); }); // after the answer too
        return {RemoteOutcome::NotDone, message};
    }
}

void finishRemoteRequest(Application& app) {
    for (const std::function<void()>& step : std::exchange(remoteAnswerHold(app).after, {}))
        app.guarded(step);
}

std::string encodeRemoteAnswer(const RemoteAnswer& answer) {
    return std::to_string(static_cast<int>(answer.outcome)) + "\n" + answer.text;
}

std::optional<RemoteAnswer> decodeRemoteAnswer(const std::string& bytes) {
    const auto end = bytes.find('\n');
    const std::string code = bytes.substr(0, end);
    RemoteAnswer answer;
    if (code == "0")
        answer.outcome = RemoteOutcome::Done;
    else if (code == "1")
        answer.outcome = RemoteOutcome::NotDone;
    else if (code == "3")
        answer.outcome = RemoteOutcome::Locked;
    else
        return std::nullopt;
    answer.text = end == std::string::npos ? std::string() : bytes.substr(end + 1);
    return answer;
}

} // namespace kelvaro
