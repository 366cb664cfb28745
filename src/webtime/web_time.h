#pragma once
// The settings notebook's web-time page: asking a time server (Time Protocol,
// TCP port 37) and setting the system clock from its answer.
#include <cstdint>
#include <optional>
#include <vector>

namespace kelvaro {

class Application;

struct WebTimeState {
    double WebTimeOffset = 0; // server time minus the computer's UTC time, in days
    std::vector<std::uint8_t> received;
    unsigned query = 0; // the running query; events of older ones are dropped
    bool queryOpen = false;
    bool quiet = false;                 // the running query is the automatic step's: no notes
    std::optional<double> measuredAt;   // local time of the reply that gave the offset
    std::optional<double> autoFailedAt; // local time of the automatic step's last failure
};

WebTimeState& webTime(Application& app);

constexpr int TimePort = 37;
constexpr int QueryTimeoutMs = 10'000;

// Get Time: starts a query and returns at once; quiet shows no notes.
void StartTimeQuery(Application& app, bool quiet);
// Set Time: applies the offset; false when the system refused. Closes the
// settings notebook only when asked (the user's own Set Time).
bool ApplyWebTimeOffset(Application& app, bool quiet, bool closeNotebook);
double utcNow(Application& app);

void installWebTimeAuto(Application& app);

} // namespace kelvaro
