#pragma once
// Fake platform services as scripts see them: pseudo-controls that `expect` reads
// (`Speaker.count`) and commands of their own (`player end`). A new fake joins the
// language by adding one ServiceKit to serviceKits() in services.cpp.
#include "framework/application.h"
#include "platform/fake_clock.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvaro::scenario {

using Words = std::vector<std::string>;

// Fails the running scenario with its message.
struct ScenarioFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What a running scenario offers its services.
class ServiceHost {
  public:
    virtual ~ServiceHost() = default;
    virtual const std::string& programDir() const = 0; // with a trailing '/'
    virtual FakeClock& clock() = 0;
    // Queues `event` to run `delayMs` of fake time from now, between ticks, through
    // the program's error guard. Events still queued when the program ends are dropped.
    virtual void post(std::int64_t delayMs, std::function<void()> event) = 0;
    virtual Application* program() = 0; // null while no program runs
};

// One scenario's instance of a fake service.
class FakeService {
  public:
    virtual ~FakeService() = default;
    // Lays the fake into the platform bundle before every start.
    virtual void attach(Platform& platform) = 0;
    // PROPERTY of one of the kit's pseudo-controls; throws ScenarioFailure when unknown.
    virtual std::string read(const std::string& pseudoControl, const std::string& property) = 0;
    // One of the kit's commands: its verb and the words after it.
    virtual void command(const std::string& verb, const Words& args);
};

// Checks the words after a command's verb when the script is parsed: "" when fine,
// else what is wrong.
using SyntaxCheck = std::function<std::string(const Words& args)>;

struct ServiceKit {
    std::string name;
    std::vector<std::string> pseudoControls;
    std::map<std::string, SyntaxCheck> commands;
    std::function<std::unique_ptr<FakeService>(ServiceHost&)> create;
};

const std::vector<ServiceKit>& serviceKits();
// Two kits may share a verb ("power mains", "power suspend 8h"): the one whose syntax check
// accepts the words wins; with none, the first kit with the verb (for its message).
const ServiceKit* kitWithCommand(const std::string& verb, const Words& args = {});
// A kit may own one property of a pseudo-control shared with another kit, named
// "Power.wakeat" in its list; that comes before a kit owning the whole "Power".
const ServiceKit* kitWithPseudoControl(const std::string& name, const std::string& property = {});

} // namespace kelvaro::scenario
