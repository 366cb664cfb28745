#pragma once
// Fake platform services as scripts see them: pseudo-controls that `expect` reads
// (`Speaker.count`) and commands of their own (`player end`). A new fake joins the
// language by adding one ServiceKit to serviceKits() in services.cpp.
#include "framework/application.h"
#include "platform/fake/fake_clock.h"

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
// Kits may share a verb (`power mains` and `power suspend` come from two fakes): the
// words after it choose the kit whose syntax they fit, else the first with the verb.
const ServiceKit* kitWithCommand(const std::string& verb, const Words& args = {});
// Kits may also share a pseudo-control by listing it with one property ("Power.monitor"):
// that kit answers the property; a kit listing the bare name answers the rest.
const ServiceKit* kitWithPseudoControl(const std::string& name, const std::string& property = {});

} // namespace kelvaro::scenario
