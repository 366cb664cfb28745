#pragma once
// Control from outside: `kelvaro --status`, `--snooze`, `--stop`, `--alarm on|off` and
// `--set-alarm HH:MM` reach the running clock through its single-instance socket as one
// request line, and are answered through the same handlers as the window.
#include <optional>
#include <string>

namespace kelvaro {

class Application;
struct LocaleInfo;
struct Platform;

enum class RemoteCommand { Status, Snooze, Stop, AlarmOn, AlarmOff, SetAlarm };

struct RemoteRequest {
    RemoteCommand command = RemoteCommand::Status;
    int hour = 0, minute = 0; // for SetAlarm, 24-hour
    bool operator==(const RemoteRequest&) const = default;
};

// Exit status of each outcome, as `--help` and the manual page give them.
enum class RemoteOutcome : int {
    Done = 0,
    NotDone = 1, // no alarm in progress to snooze or stop, or the change was refused
    Locked = 3,  // the settings are locked: the clock answers "locked"
    NoClock = 4, // no running clock (every command but --status), or it did not answer
};

struct RemoteAnswer {
    RemoteOutcome outcome = RemoteOutcome::Done;
    std::string text; // printed on standard output (NotDone and Locked: standard error)
};

// "status", "snooze", "stop", "alarm on", "alarm off", "set-alarm HH:MM" (H 0..23, MM 0..59).
std::optional<RemoteRequest> parseRemoteRequest(const std::string& line);
std::string remoteRequestLine(const RemoteRequest& request);

// Runs the request in the running clock. Nothing in it waits on the user: the boxes it would
// show, and a change that asks "Are you sure ...?" first, are left for finishRemoteRequest,
// to run once the answer has gone out.
RemoteAnswer answerRemoteRequest(Application& app, const RemoteRequest& request);
void finishRemoteRequest(Application& app);
// The chosen city, the alarm time, whether it is on, and the next ring as an ISO 8601 local
// time or "off", one "key: value" line each.
std::string remoteStatus(Application& app);

// With no clock running: the status as the settings and the city list in `programDir` give
// it. Reads only; nothing is written (the platform's services are not asked to do anything).
// A file there that cannot be read (or is larger than the clock reads) is NotDone, saying why.
RemoteAnswer statusFromFiles(const Platform& platform, const LocaleInfo& locale,
                             const std::string& programDir);

// The answer as it travels back over the socket: the exit status on the first line, then the text.
std::string encodeRemoteAnswer(const RemoteAnswer& answer);
std::optional<RemoteAnswer> decodeRemoteAnswer(const std::string& bytes);

} // namespace kelvaro
