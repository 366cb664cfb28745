#pragma once
// The settings notebook's web-time page: asking a time server (Time Protocol,
// TCP port 37) and setting the system clock from its answer.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvaro {

class Application;

// One server's answer to one query.
struct ServerAnswer {
    std::string host;
    std::optional<double> offset; // server time minus the computer's UTC time, in days; none: no reply
    double roundTrip = 0;         // seconds from connect to reply
};

struct WebTimeState {
    double WebTimeOffset = 0; // server time minus the computer's UTC time, in days
    std::vector<std::uint8_t> received;
    unsigned query = 0; // the running query; events of older ones are dropped
    bool queryOpen = false;
    bool quiet = false;                  // the running query is the automatic step's: no notes
    std::optional<double> measuredAt;    // local time of the reply that gave the offset
    std::optional<double> autoFailedAt;  // local time of the automatic step's last failure
    std::vector<ServerAnswer> answers;   // of the last Get Time, or of the automatic step's round
    std::vector<std::string> roundHosts; // the automatic step's servers still to ask
    bool agreed = false;                 // WebTimeOffset is what two servers agreed on
    std::string askedHost;               // the server of the running query
};

WebTimeState& webTime(Application& app);

constexpr int TimePort = 37;
constexpr int QueryTimeoutMs = 10'000;

// A reply counts towards the automatic step only when it came this fast, and two such
// replies must agree this closely: one server, or one path to it, cannot move the clock.
constexpr double LongestCountedRoundTrip = 1.0; // seconds
constexpr double LargestDisagreement = 2.0;     // seconds

// Get Time: starts a query of the chosen server and returns at once; quiet shows no notes.
void StartTimeQuery(Application& app, bool quiet);
// The automatic step's query: the listed servers one after the other, quietly, until two
// agree (the offset is then theirs, ready to set) or the list is done (nothing changes,
// and the page says why).
void StartTimeRound(Application& app);
// Set Time: applies the offset; false when the system refused. Closes the
// settings notebook only when asked (the user's own Set Time).
bool ApplyWebTimeOffset(Application& app, bool quiet, bool closeNotebook);
double utcNow(Application& app);

void installWebTimeAuto(Application& app);

} // namespace kelvaro
