#include "app/steps.h"

#include <array>
#include <iterator>

namespace kelvaro {

namespace {

constexpr const char* kStepNames[] = {
#define KELVARO_STEP_NAME(name) #name,
    KELVARO_STEPS(KELVARO_STEP_NAME)
#undef KELVARO_STEP_NAME
};
static_assert(std::size(kStepNames) == std::size(kAllSteps));

// Each step's operation slot, found by name once: the tick runs some twenty
// steps a second and looks up none of them.
struct StepSlots {
    std::array<const Application::OperationSlot*, std::size(kAllSteps)> slots{};
};

const Application::OperationSlot& stepSlot(Application& app, Step step) {
    const Application::OperationSlot*& slot = app.feature<StepSlots>().slots[static_cast<size_t>(step)];
    if (!slot) slot = &app.operationSlot(stepName(step));
    return *slot;
}

} // namespace

const char* stepName(Step step) {
    return kStepNames[static_cast<int>(step)];
}

void defineStep(Application& app, Step step, Operation op) {
    app.defineOperation(stepName(step), std::move(op));
}

void defineStep(Application& app, Step step, std::function<void()> op) {
    app.defineOperation(stepName(step), std::move(op));
}

bool stepDefined(Application& app, Step step) {
    return stepSlot(app, step) != nullptr;
}

std::string runStep(Application& app, Step step, const Args& args) {
    const Application::OperationSlot& slot = stepSlot(app, step);
    return slot ? app.run(slot, args) : std::string();
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

bool alarmMinuteDealtWith(Application& app) {
    const Queries& q = queries(app);
    return q.alarmMinuteDealtWith && q.alarmMinuteDealtWith();
}

std::string cityZoneTip(Application& app) {
    const Queries& q = queries(app);
    return q.cityZoneTip ? q.cityZoneTip() : std::string();
}

} // namespace kelvaro
