#include "wake_service.h"

#include "script.h"

#include "framework/datetime.h"
#include "framework/locale_info.h"
#include "platform/fake/fake_wake_timer.h"

namespace kelvaro::scenario {

namespace {

std::optional<long> durationSeconds(std::string word) {
    if (!word.empty() && word.back() == 's') word.pop_back();
    return parseTickCount(word);
}

std::optional<WakeMethod> methodNamed(const std::string& name) {
    if (name == "kernel") return WakeMethod::KernelAlarm;
    if (name == "helper") return WakeMethod::WakeHelper;
    if (name == "system") return WakeMethod::SystemTimer;
    if (name == "none") return WakeMethod::None;
    return std::nullopt;
}

class WakeService : public FakeService {
  public:
    explicit WakeService(ServiceHost& host) : host_(host) {}

    void attach(Platform& platform) override { platform.wake = &timer_; }

    std::string read(const std::string& pseudo, const std::string& property) override {
        if (property == "wakeat") {
            if (!timer_.wakeAt()) return {};
            const std::int64_t localMs =
                (*timer_.wakeAt() + std::int64_t{host_.clock().utcOffsetMinutes()} * 60 + 25569LL * 86400) *
                1000;
            return formatDateTime("yyyy-mm-dd hh:nn:ss", fromMilliseconds(localMs), LocaleInfo::enUS());
        }
        throw ScenarioFailure(pseudo + " has no property " + property);
    }

    void command(const std::string&, const Words& args) override {
        if (args[0] == "wake") {
            timer_.setMethod(*methodNamed(args[1]));
            return;
        }
        if (host_.program() && !timer_.announceSleep())
            throw ScenarioFailure("power suspend: the program did not let the system sleep");
        host_.clock().advanceSeconds(static_cast<double>(*durationSeconds(args[1])));
        host_.post(0, [this] {
            if (timer_.onResume) timer_.onResume();
        });
    }

  private:
    ServiceHost& host_;
    FakeWakeTimer timer_;
};

} // namespace

std::string checkPowerSuspend(const Words& args) {
    if (args.size() == 2 && args[0] == "suspend" && durationSeconds(args[1])) return {};
    if (args.size() == 2 && args[0] == "wake" && methodNamed(args[1])) return {};
    return "expected: power suspend DURATION (90s, 5m, 8h) | power wake kernel|helper|system|none";
}

std::unique_ptr<FakeService> makeWakeService(ServiceHost& host) {
    return std::make_unique<WakeService>(host);
}

} // namespace kelvaro::scenario
