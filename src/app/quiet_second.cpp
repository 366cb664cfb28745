#include "app/quiet_second.h"

#include "framework/application.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace kelvaro {

namespace {

struct QuietSeconds {
    std::vector<std::function<bool()>> busy;
    int depth = 0;                      // passes running
    bool idle = false;                  // what the last full pass found
    std::optional<std::int64_t> second; // the city's second of the last pass done whole
    unsigned revision = 0;              // the program's revision after it
    std::uint64_t quietPasses = 0;
};

std::int64_t wholeSecond(DateTime cityNow) {
    return floorDiv(toMilliseconds(cityNow), 1000);
}

} // namespace

void needEverySecondWhile(Application& app, std::function<bool()> busy) {
    app.feature<QuietSeconds>().busy.push_back(std::move(busy));
}

std::uint64_t quietPasses(Application& app) {
    return app.feature<QuietSeconds>().quietPasses;
}

TickPass::TickPass(Application& app) : app_(app) {
    QuietSeconds& q = app.feature<QuietSeconds>();
    // Nothing ran since the last pass: no operation, user action or callback. (The controls'
    // stamps cannot tell: the views' own copies of controls take new ones.)
    mayBeQuiet_ = q.depth == 0 && q.idle && q.second && app.revision == q.revision;
    ++q.depth;
}

TickPass::~TickPass() {
    QuietSeconds& q = app_.feature<QuietSeconds>();
    --q.depth;
    if (!done_) q.second.reset(); // thrown out of: the next pass is full
}

bool TickPass::quiet(DateTime cityNow) const {
    if (!mayBeQuiet_) return false;
    const QuietSeconds& q = app_.feature<QuietSeconds>();
    const std::int64_t second = wholeSecond(cityNow);
    return second == *q.second + 1 && floorDiv(second, 60) == floorDiv(*q.second, 60);
}

void TickPass::done(DateTime cityNow, bool full) {
    QuietSeconds& q = app_.feature<QuietSeconds>();
    done_ = true;
    if (full)
        q.idle = std::none_of(q.busy.begin(), q.busy.end(), [](const auto& busy) { return busy(); });
    else
        ++q.quietPasses;
    app_.touch(); // the seconds changed: the view shows them
    q.second = wholeSecond(cityNow);
    q.revision = app_.revision;
}

} // namespace kelvaro
