#include "power_services.h"

#include "platform/fake/fake_power.h"

#include <algorithm>

namespace kelvaro::scenario {

namespace {

bool isSeconds(const std::string& w) {
    return !w.empty() && w.size() <= 10 &&
           std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           std::stoull(w) <= PowerStatus::kUnknownSeconds;
}

const char* yesNo(bool b) {
    return b ? "true" : "false";
}

class PowerService : public FakeService {
  public:
    explicit PowerService(ServiceHost& host)
        : host_(host), session_([&host](std::function<void()> step) { host.post(0, std::move(step)); }) {
        // A change reaches the program as a platform event, before the next tick.
        power_.onChangeFromTest = [this] {
            host_.post(0, [this] {
                if (power_.onChange) power_.onChange();
            });
        };
    }

    void attach(Platform& platform) override {
        platform.power = &power_;
        platform.inhibitor = &inhibitor_;
        platform.sessionEnd = &session_;
    }

    std::string read(const std::string& pseudo, const std::string& property) override {
        if (pseudo == "Session" && property == "answer")
            return session_.answer ? (*session_.answer ? "allow" : "deny") : "";
        if (pseudo == "Power") {
            if (property == "sleepinhibit") return yesNo(inhibitor_.sleep);
            if (property == "shutdowninhibit") return yesNo(inhibitor_.shutdown);
            if (property == "idleinhibit") return yesNo(inhibitor_.idle);
            if (property == "monitor") return monitorName(inhibitor_.monitor);
            if (property == "suspends") return std::to_string(inhibitor_.suspends);
        }
        throw ScenarioFailure(pseudo + " has no property " + property);
    }

    void command(const std::string& verb, const Words& a) override {
        if (verb == "session") {
            session_.answer.reset();
            host_.post(0, [this] { session_.request(); });
            return;
        }
        if (a[0] == "monitor") {
            inhibitor_.monitorAnswers = false;
            return;
        }
        PowerStatus::Reading r;
        r.onBattery = a[0] == "battery";
        if (r.onBattery && a[1] != "unknown") r.secondsLeft = static_cast<std::uint32_t>(std::stoull(a[1]));
        power_.reading = r;
        power_.onChangeFromTest();
    }

  private:
    struct Status : FakePowerStatus {
        std::function<void()> onChangeFromTest;
    };
    ServiceHost& host_;
    Status power_;
    FakePowerInhibitor inhibitor_;
    FakeSessionEnd session_;
};

} // namespace

std::string checkPower(const Words& args) {
    if (args.size() == 1 && args[0] == "mains") return {};
    if (args.size() == 2 && args[0] == "battery" && (args[1] == "unknown" || isSeconds(args[1]))) return {};
    if (args.size() == 2 && args[0] == "monitor" && args[1] == "unsupported") return {};
    return "expected: power mains | power battery SECONDS | power battery unknown | power monitor "
           "unsupported";
}

std::string checkSession(const Words& args) {
    if (args.size() == 1 && args[0] == "end-request") return {};
    return "expected: session end-request";
}

std::unique_ptr<FakeService> makePowerService(ServiceHost& host) {
    return std::make_unique<PowerService>(host);
}

} // namespace kelvaro::scenario
