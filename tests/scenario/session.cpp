#include "session.h"

#include "lexer.h"

#include "app/program.h"
#include "app/timer_controls.h"
#include "framework/datetime.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace kelvaro::scenario {

namespace fs = std::filesystem;

std::optional<std::int64_t> PendingEvents::nextDue() const {
    if (queue_.empty()) return std::nullopt;
    return queue_.begin()->first;
}

std::function<void()> PendingEvents::takeNext() {
    auto event = std::move(queue_.begin()->second);
    queue_.erase(queue_.begin());
    return event;
}

Session::Session() : locale_(LocaleInfo::enUS()) {
    std::string pattern = (fs::temp_directory_path() / "kelvaro-scenario-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw ScenarioFailure("cannot create a temporary folder");
    root_ = pattern;
    programDir_ = root_ + "/program/";
    fs::create_directories(programDir_);
    // The hand-over file lives outside the program folder, as the per-user one does.
    fs::create_directories(root_ + "/config");
    handoverFile_ = root_ + "/config/Kelvaro.ini";
    for (const auto& kit : serviceKits())
        services_.emplace_back(&kit, kit.create(*this));
}

Session::~Session() {
    app_.reset();
    modesAsUser_.reset();
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void Session::post(std::int64_t delayMs, std::function<void()> event) {
    events_.post(elapsedMs_ + std::max<std::int64_t>(delayMs, 0), std::move(event));
}

Application& Session::app() {
    if (!app_) throw ScenarioFailure("the program is not running");
    return *app_;
}

FakeService& Session::serviceFor(const ServiceKit& kit) {
    for (auto& [k, service] : services_)
        if (k == &kit) return *service;
    throw ScenarioFailure("no service " + kit.name);
}

void Session::guarded(const std::function<void()>& action) {
    app().guarded(action);
}

// After every event: a question nobody answered fails even when the program
// swallowed the exception; a program that asked to quit ends.
void Session::afterStep() {
    if (heldFailure_ && openBoxes_ == 0) std::rethrow_exception(std::exchange(heldFailure_, nullptr));
    if (!dialogs_.failure().empty()) {
        std::string failure = dialogs_.failure();
        dialogs_.clearFailure();
        throw ScenarioFailure(failure);
    }
    if (app_ && host_.quitRequested) endProgram();
    watchTimers();
}

void Session::start() {
    if (app_) throw ScenarioFailure("the program is already running");
    Platform platform;
    platform.clock = &clock_;
    platform.dialogs = &dialogs_;
    platform.autostart = &autostart_;
    platform.host = &host_;
    platform.handoverFile = handoverFile_;
    platform.programFile = "/usr/bin/kelvaro";
    platform.instanceToken = "kelvaro-" + fs::path(root_).filename().string();
    for (auto& entry : services_)
        entry.second->attach(platform);
    host_.quitRequested = false;
    app_ = createProgram(platform, locale_, programDir_, arguments_);
    if (app_) guarded([this] { firstPaint(*app_); });
    afterStep();
}

void Session::endProgram() {
    app_.reset();
    events_.clear();
    timers_.clear();
}

void Session::tick(long count) {
    for (long i = 0; i < count; ++i)
        tickOnce();
}

// One second of fake time: timers and platform events fall due on the way, then
// the clock reaches the next whole step and the main tick runs. An event due at
// the very moment of a tick runs after that tick.
void Session::tickOnce() {
    const std::int64_t startElapsed = elapsedMs_;
    const std::int64_t startWall = toMilliseconds(clock_.now());
    const std::int64_t target = startElapsed + 1000;
    const bool inZone = !clock_.zoneId().empty();
    auto moveTo = [&](std::int64_t elapsed) {
        const std::int64_t before = elapsedMs_;
        elapsedMs_ = std::max(elapsedMs_, elapsed);
        if (inZone) // time moves on, not the wall clock: at a change of the zone local time jumps
            clock_.advanceSeconds(static_cast<double>(elapsedMs_ - before) / 1000.0);
        else
            clock_.set(fromMilliseconds(startWall + (elapsedMs_ - startElapsed)));
    };
    while (app_) {
        auto event = events_.nextDue();
        // The earliest running timer (on a tie, the first by name).
        const std::string* timer = nullptr;
        for (const auto& [name, due] : timers_)
            if (!timer || due.nextMs < timers_[*timer].nextMs) timer = &name;
        const bool timerFirst = timer && (!event || timers_[*timer].nextMs < *event);
        const std::int64_t due = timerFirst ? timers_[*timer].nextMs : event.value_or(target);
        if (due >= target) break;
        moveTo(due);
        if (timerFirst) {
            const std::string name = *timer;
            timers_[name].nextMs += timers_[name].interval;
            guarded([this, name] { timerTick(*app_, name); });
        } else {
            auto callback = events_.takeNext();
            guarded(callback);
        }
        afterStep();
    }
    moveTo(target);
    if (!app_) return; // time passes while no program runs
    guarded([this] { mainTick(*app_); });
    afterStep();
}

// Runs the events due now; events they post for now run too. No time passes.
void Session::settle() {
    while (app_) {
        auto due = events_.nextDue();
        if (!due || *due > elapsedMs_) break;
        auto callback = events_.takeNext();
        guarded(callback);
        afterStep();
    }
}

// A timer restarts its interval whenever it is switched on or retimed.
void Session::watchTimers() {
    std::map<std::string, TimerDue> running;
    if (app_)
        for (const RunningTimer& t : runningTimers(*app_)) {
            auto was = timers_.find(t.name);
            running[t.name] = was != timers_.end() && was->second.interval == t.interval
                                  ? was->second
                                  : TimerDue{t.interval, elapsedMs_ + t.interval};
        }
    timers_ = std::move(running);
}

void Session::runAll(const std::vector<Command>& commands) {
    commands_ = &commands;
    next_ = 0;
    while (next_ < commands.size())
        runNext();
}

void Session::runNext() {
    const Command& command = (*commands_)[next_++];
    line_ = command.line;
    run(command);
}

// A box stays open while the following commands run, as ticks and clicks run under a
// real one. Boxes shown meanwhile open inside it; `release-boxes` closes them all.
void Session::holdBox() {
    if (heldFailure_ || !commands_) return;
    ++openBoxes_;
    try {
        while (!releasing_ && next_ < commands_->size())
            runNext();
    } catch (...) {
        // The program would take it for its own error: keep it for the command that opened the box.
        heldFailure_ = std::current_exception();
        releasing_ = true;
    }
    if (--openBoxes_ == 0) releasing_ = false;
}

void Session::run(const Command& command) {
    const std::string& verb = command.verb;
    if (verb == "hold-boxes") {
        dialogs_.whileOpen = [this] { holdBox(); };
        return;
    }
    if (verb == "release-boxes") {
        dialogs_.whileOpen = nullptr;
        releasing_ = openBoxes_ > 0;
        return;
    }
    if (verb == "start") return start();
    if (verb == "close-program") {
        guarded([this] { closeMainWindow(*app_); });
        endProgram();
        return afterStep();
    }
    if (verb == "crash") {
        app();
        return endProgram();
    }
    if (verb == "settle") return settle();
    if (verb == "tick") return tick(command.args.empty() ? 1 : *parseTickCount(command.args[0]));
    if (verb == "expect") return expect(command.args);
    if (verb == "expect-failure") return expectFailure(command);
    if (const ServiceKit* kit = kitWithCommand(verb, command.args)) {
        serviceFor(*kit).command(verb, command.args);
        return afterStep();
    }
    static const std::vector<std::string> scene = {"locale",     "now",        "utc-offset", "write",
                                                   "unreadable", "readable",   "touch",      "args",
                                                   "answer",     "answer-file"};
    if (std::find(scene.begin(), scene.end(), verb) != scene.end()) return setScene(command);
    act(command);
    afterStep();
}

// Runs a command that must fail, and fails unless its message contains the text:
// lets the runner's own tests check failure reports.
void Session::expectFailure(const Command& command) {
    const std::string& wanted = command.args[0];
    Command inner{command.file, command.line, command.args[1],
                  Words(command.args.begin() + 2, command.args.end())};
    try {
        run(inner);
    } catch (const std::exception& e) {
        dialogs_.clearFailure(); // reported here, not again after the next step
        const std::string message = e.what();
        if (message.find(wanted) != std::string::npos) return;
        throw ScenarioFailure("expected a failure containing " + quoteText(wanted) + ", got " +
                              quoteText(message));
    }
    throw ScenarioFailure("expected a failure containing " + quoteText(wanted) + ", but " + inner.verb +
                          " passed");
}

} // namespace kelvaro::scenario
