#include "app/wiring.h"

#include "app/steps.h"
#include "app/view_hooks.h"
#include "framework/application.h"

namespace kelvaro {

namespace {

void checkHandlers(const Application& app, const std::string& owner,
                   const std::map<Event, std::string>& handlers, std::vector<std::string>& problems) {
    for (const auto& [event, handler] : handlers)
        if (!handler.empty() && !app.hasOperation(handler))
            problems.push_back(owner + " routes an event to " + handler + ", which is not defined");
}

// Every question of `Queries`: one added there without a line here fails the size check.
void checkQueries(const Queries& q, std::vector<std::string>& problems) {
    static_assert(sizeof(Queries) == 8 * sizeof(std::function<bool()>), "check the new question below");
    const std::pair<bool, const char*> answered[] = {
        {bool(q.playerIsPlaying), "whether the player is playing"},
        {bool(q.alarmMinuteSkipped), "whether a zone change skipped the alarm's minute"},
        {bool(q.cityMinuteRepeated), "whether the city's clock repeats a minute"},
        {bool(q.cityZoneTip), "the city's zone for the tip"},
        {bool(q.cityClockTip), "the city clock's time for the tip"},
        {bool(q.wakeTip), "how the computer wakes for the alarm"},
        {bool(q.keepAwakeForAlarm), "whether the computer must stay awake for the alarm"},
        {bool(q.alarmMinuteDealtWith), "whether this minute's alarm was dealt with before the start"},
    };
    for (const auto& [isAnswered, question] : answered)
        if (!isAnswered) problems.push_back(std::string("nobody answers ") + question);
}

// What the views must know of the features: a hook left empty would make a view do nothing.
void checkHooks(const ViewHooks& h, std::vector<std::string>& problems) {
    const std::pair<bool, const char*> handed[] = {
        {!h.clockLabels.empty(), "the clock's labels"},
        {bool(h.closeMainWindow), "the main window's close"},
        {bool(h.mainBodyPressed), "a press on the main window's body"},
        {h.taskbarPanel != nullptr, "the taskbar clock's panel"},
        {bool(h.taskbarArea), "the taskbar clock's area"},
        {h.trayMenu != nullptr, "the tray menu"},
    };
    for (const auto& [isHanded, hook] : handed)
        if (!isHanded) problems.push_back(std::string("the views are not handed ") + hook);
}

} // namespace

std::vector<std::string> wiringProblems(Application& app) {
    std::vector<std::string> problems;
    for (Step step : kAllSteps)
        if (!stepDefined(app, step))
            problems.push_back(std::string("step ") + stepName(step) + " is not defined");
    for (const auto& form : app.forms()) {
        checkHandlers(app, form->name, form->handlers, problems);
        for (const auto& control : form->controls())
            checkHandlers(app, form->name + "." + control->name, control->handlers, problems);
    }
    checkQueries(queries(app), problems);
    checkHooks(viewHooks(app), problems);
    return problems;
}

} // namespace kelvaro
