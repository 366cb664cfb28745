#include "network_services.h"

#include "framework/datetime.h"
#include "platform/fake/fake_network.h"

#include <algorithm>
#include <optional>

namespace kelvaro::scenario {

namespace {

bool isNumber(const std::string& w) {
    return !w.empty() && std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::vector<std::uint8_t>> hexBytes(const std::string& hex) {
    if (hex.size() % 2) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const std::string pair = hex.substr(i, 2);
        if (pair.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(pair, nullptr, 16)));
    }
    return bytes;
}

PostEvent poster(ServiceHost& host) {
    return
        [&host](std::int64_t delayMs, std::function<void()> event) { host.post(delayMs, std::move(event)); };
}

class TimeServerService : public FakeService {
  public:
    explicit TimeServerService(ServiceHost& host) : client_(poster(host)), setter_(host.clock()) {}

    void attach(Platform& platform) override {
        platform.timeClient = &client_;
        platform.clockSetter = &setter_;
    }

    std::string read(const std::string& pseudo, const std::string& property) override {
        if (pseudo == "TimeServer" && property == "connects") return std::to_string(client_.connects());
        if (pseudo == "TimeServer" && property == "host") return client_.lastHost();
        if (pseudo == "Clock" && property == "sets") return std::to_string(setter_.sets);
        if (pseudo == "Clock" && property == "lastset")
            return setter_.lastSet
                       ? formatDateTime("yyyy-mm-dd hh:nn:ss.zzz", *setter_.lastSet, LocaleInfo::enUS())
                       : std::string();
        if (pseudo == "Clock" && property == "ntp") return setter_.ntp ? "on" : "off";
        throw ScenarioFailure(pseudo + " has no property " + property);
    }

    void command(const std::string& verb, const Words& a) override {
        if (verb == "clockset") {
            setter_.accept = a[0] == "accept";
            if (a.size() > 1) setter_.refusalText = a[1];
        } else if (verb == "clock") {
            setter_.ntp = a[1] == "on";
        } else {
            FakeTimeClient::Plan plan;
            if (a[0] == "silent") plan.kind = FakeTimeClient::Plan::Silent;
            if (a[0] == "refuse") plan.kind = FakeTimeClient::Plan::Refuse;
            if (a[0] == "reply") {
                plan.bytes = *hexBytes(a[1]);
                for (std::size_t i = 2; i + 1 < a.size(); i += 2) {
                    if (a[i] == "split") plan.split = std::stoul(a[i + 1]);
                    if (a[i] == "after") plan.afterMs = std::stoi(a[i + 1]);
                }
            }
            client_.plan(plan);
        }
    }

  private:
    FakeTimeClient client_;
    FakeClockSetter setter_;
};

class WebService : public FakeService {
  public:
    explicit WebService(ServiceHost& host) : lookup_(poster(host)), http_(poster(host)) {}

    void attach(Platform& platform) override {
        platform.lookup = &lookup_;
        platform.http = &http_;
    }

    std::string read(const std::string& pseudo, const std::string& property) override {
        if (pseudo == "DNS" && property == "lookups") return std::to_string(lookup_.lookups);
        if (pseudo == "HTTP" && property == "requests") return std::to_string(http_.requests);
        if (pseudo == "HTTP" && property == "last") return http_.last;
        throw ScenarioFailure(pseudo + " has no property " + property);
    }

    void command(const std::string& verb, const Words& a) override {
        if (verb == "dns") {
            lookup_.online = a[0] == "ok";
        } else if (a[1] == "fail") {
            http_.answer(a[0], {});
        } else {
            http_.answer(a[0], {true, std::stoi(a[1]), a[2], a.size() > 4 ? a[4] : std::string()});
        }
    }

  private:
    FakeHostLookup lookup_;
    FakeHttpClient http_;
};

} // namespace

std::string checkTimeServer(const Words& a) {
    const std::string usage =
        "expected: timeserver reply HEX [split N] [after MS] | timeserver silent | timeserver refuse";
    if (a.size() == 1 && (a[0] == "silent" || a[0] == "refuse")) return {};
    if (a.size() < 2 || a[0] != "reply" || !hexBytes(a[1])) return usage;
    if (a.size() % 2) return usage;
    for (std::size_t i = 2; i < a.size(); i += 2)
        if ((a[i] != "split" && a[i] != "after") || !isNumber(a[i + 1])) return usage;
    return {};
}

std::string checkClockSet(const Words& a) {
    if (a.size() == 1 && (a[0] == "accept" || a[0] == "refuse")) return {};
    if (a.size() == 2 && a[0] == "refuse") return {};
    return "expected: clockset accept | clockset refuse [REASON]";
}

std::string checkClockNtp(const Words& a) {
    if (a.size() == 2 && a[0] == "ntp" && (a[1] == "on" || a[1] == "off")) return {};
    return "expected: clock ntp on | clock ntp off";
}

std::string checkDns(const Words& a) {
    if (a.size() == 1 && (a[0] == "ok" || a[0] == "fail")) return {};
    return "expected: dns ok | dns fail";
}

std::string checkHttp(const Words& a) {
    if (a.size() == 2 && a[1] == "fail") return {};
    if (a.size() == 3 && isNumber(a[1])) return {};
    if (a.size() == 5 && isNumber(a[1]) && a[3] == "error") return {};
    return "expected: http URL STATUS TEXT [error REASON] | http URL fail";
}

std::unique_ptr<FakeService> makeTimeServerService(ServiceHost& host) {
    return std::make_unique<TimeServerService>(host);
}

std::unique_ptr<FakeService> makeWebService(ServiceHost& host) {
    return std::make_unique<WebService>(host);
}

} // namespace kelvaro::scenario
