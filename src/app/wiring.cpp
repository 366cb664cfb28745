#include "app/wiring.h"

#include "app/steps.h"
#include "framework/application.h"

namespace kelvaro {

namespace {

// TEMPORARY: handlers that the tray feature defines; remove once it is merged.
bool definedByTheTray(const std::string& handler) {
    return handler == "Maximize1Click";
}

void checkHandlers(const Application& app, const std::string& owner,
                   const std::map<Event, std::string>& handlers, std::vector<std::string>& problems) {
    for (const auto& [event, handler] : handlers)
        if (!handler.empty() && !app.hasOperation(handler) && !definedByTheTray(handler))
            problems.push_back(owner + " routes an event to " + handler + ", which is not defined");
}

} // namespace

std::vector<std::string> wiringProblems(Application& app) {
    std::vector<std::string> problems;
    for (Step step : kAllSteps) {
        const bool defined = stepDefined(app, step);
        if (!defined && !stepComesLater(step))
            problems.push_back(std::string("step ") + stepName(step) + " is not defined");
        if (defined && stepComesLater(step))
            problems.push_back(std::string("step ") + stepName(step) +
                               " is defined but listed as coming later");
    }
    for (const auto& form : app.forms()) {
        checkHandlers(app, form->name, form->handlers, problems);
        for (const auto& control : form->controls())
            checkHandlers(app, form->name + "." + control->name, control->handlers, problems);
    }
    if (!queries(app).playerIsPlaying) problems.push_back("nobody answers whether the player is playing");
    return problems;
}

} // namespace kelvaro
