#pragma once
// One scenario while it runs: its temporary program folder, its fakes, the program
// (when started) and the fake time that drives the timers.
#include "../support/file_modes_as_user.h"
#include "script.h"
#include "services.h"

#include "framework/application.h"
#include "platform/fake/fake_autostart.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_dialogs.h"
#include "platform/window_host.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class FileModesAsUser;

namespace kelvaro::scenario {

// The windowing system's side: records what the program asks of it.
class ScenarioHost : public WindowHost {
  public:
    void quit() override { quitRequested = true; }
    void bringToFront(const std::string& form) override { raised.push_back(form); }
    bool quitRequested = false;
    std::vector<std::string> raised;
};

// Callbacks due at a point of fake time, in order of time, then of posting.
class PendingEvents {
  public:
    void post(std::int64_t dueMs, std::function<void()> event) { queue_.emplace(dueMs, std::move(event)); }
    std::optional<std::int64_t> nextDue() const;
    std::function<void()> takeNext();
    void clear() { queue_.clear(); }

  private:
    std::multimap<std::int64_t, std::function<void()>> queue_;
};

class Session : public ServiceHost {
  public:
    Session();
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs one command; throws ScenarioFailure or std::logic_error when the scenario fails.
    void run(const Command& command);
    // Runs a scenario's commands in order; some may run under a held box (holdBox).
    void runAll(const std::vector<Command>& commands);
    int currentLine() const { return line_; }

    const std::string& programDir() const override { return programDir_; }
    FakeClock& clock() override { return clock_; }
    void post(std::int64_t delayMs, std::function<void()> event) override;
    Application* program() override { return app_.get(); }

  private:
    // Program life and time (session.cpp).
    void start();
    void endProgram();
    void tick(long count);
    void tickOnce();
    void settle();
    void watchTimers();
    void guarded(const std::function<void()>& action);
    void afterStep();
    Application& app();
    FakeService& serviceFor(const ServiceKit& kit);

    // Scene and user commands (actions.cpp).
    void setScene(const Command& command);
    void act(const Command& command);
    void typeText(const std::string& name, const std::string& text);
    void drag(const Words& args);
    void writeFile(const std::string& name, const std::string& bytes);
    std::string resolvePath(const std::string& path) const;

    // Checks (checks.cpp).
    void expect(const Words& args);
    void expectShown(const std::string& kind, const std::string& text);
    void expectNothingShown();
    void expectProfile(const std::string& what, const std::string& path, const Words& args);
    void expectFile(const Words& args);
    void expectTarget(const Words& args);

    void expectFailure(const Command& command);

    // `hold-boxes`: the script goes on under an open OK box until `release-boxes`.
    void runNext();
    void holdBox();
    const std::vector<Command>* commands_ = nullptr;
    std::size_t next_ = 0;
    int line_ = 0;
    int openBoxes_ = 0;
    bool releasing_ = false;
    std::exception_ptr heldFailure_; // a failure under a box, reported once the boxes are closed

    std::string root_, programDir_, handoverFile_;
    LocaleInfo locale_;
    std::vector<std::string> arguments_;
    FakeClock clock_;
    FakeDialogs dialogs_;
    FakeAutostart autostart_;
    ScenarioHost host_;
    std::vector<std::pair<const ServiceKit*, std::unique_ptr<FakeService>>> services_;
    std::unique_ptr<Application> app_;

    std::int64_t elapsedMs_ = 0; // monotonic fake time, as timers see it
    PendingEvents events_;
    struct TimerDue {
        int interval = 0;
        std::int64_t nextMs = 0;
    };
    std::map<std::string, TimerDue> timers_; // running timer controls besides the main tick

    std::size_t boxesChecked_ = 0;
    std::optional<std::string> lastResult_;
    // After `unreadable`, root too obeys file modes until the scenario ends.
    std::unique_ptr<FileModesAsUser> modesAsUser_;
};

} // namespace kelvaro::scenario
