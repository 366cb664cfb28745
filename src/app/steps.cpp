#include "app/steps.h"

#include <algorithm>
#include <iterator>

namespace kelvaro {

namespace {

constexpr const char* kStepNames[] = {
#define KELVARO_STEP_NAME(name) #name,
    KELVARO_STEPS(KELVARO_STEP_NAME)
#undef KELVARO_STEP_NAME
};
static_assert(std::size(kStepNames) == std::size(kAllSteps));

// What the taskbar and tray features will fill in.
constexpr Step kComesLater[] = {
    Step::AfterSettingsLoaded,
};

} // namespace

const char* stepName(Step step) {
    return kStepNames[static_cast<int>(step)];
}

bool stepComesLater(Step step) {
    return std::find(std::begin(kComesLater), std::end(kComesLater), step) != std::end(kComesLater);
}

void defineStep(Application& app, Step step, Operation op) {
    app.defineOperation(stepName(step), std::move(op));
}

void defineStep(Application& app, Step step, std::function<void()> op) {
    app.defineOperation(stepName(step), std::move(op));
}

bool stepDefined(const Application& app, Step step) {
    return app.hasOperation(stepName(step));
}

std::string runStep(Application& app, Step step, const Args& args) {
    const char* name = stepName(step);
    return app.hasOperation(name) ? app.run(name, args) : std::string();
}

Queries& queries(Application& app) {
    return app.feature<Queries>();
}

bool playerIsPlaying(Application& app) {
    const Queries& q = queries(app);
    return q.playerIsPlaying && q.playerIsPlaying();
}

bool alarmMinuteSkipped(Application& app, int hour, int minute) {
    const Queries& q = queries(app);
    return q.alarmMinuteSkipped && q.alarmMinuteSkipped(hour, minute);
}

bool cityMinuteRepeated(Application& app) {
    const Queries& q = queries(app);
    return q.cityMinuteRepeated && q.cityMinuteRepeated();
}

std::string cityZoneTip(Application& app) {
    const Queries& q = queries(app);
    return q.cityZoneTip ? q.cityZoneTip() : std::string();
}

} // namespace kelvaro
