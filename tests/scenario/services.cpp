#include "services.h"

#include "fake_mixer_service.h"
#include "fake_player_service.h"
#include "network_services.h"
#include "wake_service.h"

#include "platform/fake_shell.h"
#include "platform/fake_speaker.h"
#include "platform/fake_zone_database.h"

#include <algorithm>

namespace kelvaro::scenario {

void FakeService::command(const std::string& verb, const Words&) {
    throw ScenarioFailure(verb + ": not available");
}

namespace {

[[noreturn]] void unknownProperty(const std::string& pseudo, const std::string& property) {
    throw ScenarioFailure(pseudo + " has no property " + property);
}

class SpeakerService : public FakeService {
  public:
    void attach(Platform& platform) override { platform.speaker = &speaker_; }
    std::string read(const std::string& pseudo, const std::string& property) override {
        // The ding source's 1 Hz, 1 ms beep only keeps the sound system awake; it is not a sound.
        std::vector<std::string> heard;
        for (const auto& sound : speaker_.sounds())
            if (sound != "1/1") heard.push_back(sound);
        if (property == "count") return std::to_string(heard.size());
        if (property == "last") return heard.empty() ? std::string() : heard.back();
        unknownProperty(pseudo, property);
    }

  private:
    FakeSpeaker speaker_;
};

class ShellService : public FakeService {
  public:
    void attach(Platform& platform) override { platform.shell = &shell_; }
    std::string read(const std::string& pseudo, const std::string& property) override {
        if (property == "last") return shell_.last();
        if (property == "count") return std::to_string(shell_.requests().size());
        unknownProperty(pseudo, property);
    }

  private:
    FakeShell shell_;
};

std::string checkPlayer(const Words& args) {
    if (args.size() == 1 && (args[0] == "end" || args[0] == "fail")) return {};
    if (args.size() == 2 && args[0] == "broken") return {};
    return "expected: player end | player fail | player broken NAME";
}

std::string checkCd(const Words& args) {
    if (args.size() == 1 && args[0] == "none") return {};
    if (args.size() == 2 && args[0] == "tracks" && !args[1].empty() &&
        std::all_of(args[1].begin(), args[1].end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    return "expected: cd none | cd tracks N";
}

// The tz database of the program and of the fake clock: `zone ZONE` lets the clock follow one.
class ZoneService : public FakeService {
  public:
    explicit ZoneService(ServiceHost& host) : host_(host) {}
    void attach(Platform& platform) override { platform.zones = &zones_; }
    std::string read(const std::string& pseudo, const std::string& property) override {
        unknownProperty(pseudo, property);
    }
    void command(const std::string&, const Words& args) override {
        if (!zones_.knows(args[0])) throw ScenarioFailure("the fake tz database has no zone " + args[0]);
        host_.clock().followZone(zones_, args[0]);
    }

  private:
    ServiceHost& host_;
    FakeZoneDatabase zones_;
};

std::string checkZone(const Words& args) {
    if (args.size() == 1 && args[0].find('/') != std::string::npos) return {};
    if (args.size() == 1 && args[0] == "UTC") return {};
    return "expected: zone AREA/CITY";
}

template <typename Service> std::function<std::unique_ptr<FakeService>(ServiceHost&)> factory() {
    return [](ServiceHost&) { return std::make_unique<Service>(); };
}

} // namespace

const std::vector<ServiceKit>& serviceKits() {
    static const std::vector<ServiceKit> kits = {
        {"speaker", {"Speaker"}, {}, factory<SpeakerService>()},
        {"shell", {"Shell"}, {}, factory<ShellService>()},
        {"media player", {"MediaPlayer1"}, {{"player", checkPlayer}, {"cd", checkCd}}, makeFakePlayerService},
        {"time server",
         {"TimeServer", "Clock"},
         {{"timeserver", checkTimeServer}, {"clockset", checkClockSet}, {"clock", checkClockNtp}},
         makeTimeServerService},
        {"name look-up and HTTP", {"DNS", "HTTP"}, {{"dns", checkDns}, {"http", checkHttp}}, makeWebService},
        {"mixer", {"Mixer"}, {{"mixer", checkMixer}}, makeFakeMixerService},
        {"time zones",
         {},
         {{"zone", checkZone}},
         [](ServiceHost& host) { return std::make_unique<ZoneService>(host); }},
        {"sleep and wake-up", {"Power.wakeat"}, {{"power", checkPowerSuspend}}, makeWakeService},
    };
    return kits;
}

const ServiceKit* kitWithCommand(const std::string& verb, const Words& args) {
    const ServiceKit* first = nullptr;
    for (const auto& kit : serviceKits()) {
        auto command = kit.commands.find(verb);
        if (command == kit.commands.end()) continue;
        if (!first) first = &kit;
        if (command->second(args).empty()) return &kit;
    }
    return first;
}

const ServiceKit* kitWithPseudoControl(const std::string& name, const std::string& property) {
    auto owns = [](const ServiceKit& kit, const std::string& pseudo) {
        return std::find(kit.pseudoControls.begin(), kit.pseudoControls.end(), pseudo) !=
               kit.pseudoControls.end();
    };
    if (!property.empty())
        for (const auto& kit : serviceKits())
            if (owns(kit, name + "." + property)) return &kit;
    for (const auto& kit : serviceKits())
        if (owns(kit, name)) return &kit;
    return nullptr;
}

} // namespace kelvaro::scenario
