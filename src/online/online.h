#pragma once
// Whether the computer is on the internet, the banner pages while it is, and the
// update fetch once per run.
#include <map>
#include <string>
#include <vector>

namespace kelvaro {

class Application;

struct OnlineState {
    bool LookupDone = true;
    bool UseSecondTestHost = false;
    bool UpdatePending = true;
    int BannerType = 1;
    int BannerCount = 0;
    int TopMax = 30;
    int Top1Max = 30;
    int topMore[3] = {30, 30, 30}; // top2Max ... top4Max: read, kept, not used
    bool fetching = false;         // an update fetch is under way
    std::string BannerPage;        // the page last shown
};

OnlineState& online(Application& app);

// Starts the update fetch unless one runs; it goes on as the answers come.
void CheckForUpdates(Application& app);
void logUpdate(Application& app, const std::string& line);

// Removes the temporary downloads (".NAME.download" of a name an update may bring) that a
// fetch ended half-way left in `folder`; only at the start, when no fetch can run.
int removeStaleDownloads(const std::string& folder);

} // namespace kelvaro
