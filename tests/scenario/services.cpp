#include "services.h"

#include "fake_mixer_service.h"
#include "fake_player_service.h"
#include "fake_tray_service.h"
#include "network_services.h"
#include "power_services.h"
#include "wake_service.h"

#include "platform/fake/fake_notifier.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_speaker.h"
#include "platform/fake/fake_zone_database.h"

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

// The desktop's notifications: `Notify.count`, `.last` (title, a line break, body), `.open`
// (the last one still shown), and `notify action NAME` pressing a button of the last one.
class NotifyService : public FakeService {
  public:
    void attach(Platform& platform) override { platform.notifier = &notifier_; }
    std::string read(const std::string& pseudo, const std::string& property) override {
        const auto& shown = notifier_.shown();
        if (property == "count") return std::to_string(shown.size());
        if (property == "last")
            return shown.empty() ? std::string() : shown.back().title + "\n" + shown.back().body;
        if (property == "open") return !shown.empty() && shown.back().open ? "true" : "false";
        unknownProperty(pseudo, property);
    }
    void command(const std::string&, const Words& args) override {
        if (!notifier_.press(args[1]))
            throw ScenarioFailure("the last notification offers no button " + args[1] +
                                  " (or none is shown)");
    }

  private:
    FakeNotifier notifier_;
};

std::string checkNotify(const Words& args) {
    if (args.size() == 2 && args[0] == "action") return {};
    return "expected: notify action NAME";
}

std::string checkPlayer(const Words& args) {
    if (args.size() == 1 && (args[0] == "end" || args[0] == "fail" || args[0] == "stall")) return {};
    if (args.size() == 2 && args[0] == "broken") return {};
    return "expected: player end | player fail | player stall | player broken NAME";
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
        {"desktop notifications", {"Notify"}, {{"notify", checkNotify}}, factory<NotifyService>()},
        {"media player", {"MediaPlayer1"}, {{"player", checkPlayer}, {"cd", checkCd}}, makeFakePlayerService},
        {"time server",
         {"TimeServer", "Clock"},
         {{"timeserver", checkTimeServer}, {"clockset", checkClockSet}, {"clock", checkClockNtp}},
         makeTimeServerService},
        {"name look-up and HTTP", {"DNS", "HTTP"}, {{"dns", checkDns}, {"http", checkHttp}}, makeWebService},
        {"mixer", {"Mixer"}, {{"mixer", checkMixer}}, makeFakeMixerService},
        {"tray", {"Tray"}, {{"tray", checkTray}}, makeFakeTrayService},
        {"time zones",
         {},
         {{"zone", checkZone}},
         [](ServiceHost& host) { return std::make_unique<ZoneService>(host); }},
        {"power and session",
         {"Power.sleepinhibit", "Power.shutdowninhibit", "Power.idleinhibit", "Power.monitor",
          "Power.suspends", "Session"},
         {{"power", checkPower}, {"session", checkSession}},
         makePowerService},
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
    auto lists = [](const ServiceKit& kit, const std::string& entry) {
        return std::find(kit.pseudoControls.begin(), kit.pseudoControls.end(), entry) !=
               kit.pseudoControls.end();
    };
    auto listsSome = [&name](const ServiceKit& kit) {
        return std::any_of(kit.pseudoControls.begin(), kit.pseudoControls.end(),
                           [&name](const std::string& e) { return e.rfind(name + ".", 0) == 0; });
    };
    for (const auto& kit : serviceKits())
        if (!property.empty() && lists(kit, name + "." + property)) return &kit;
    for (const auto& kit : serviceKits())
        if (lists(kit, name)) return &kit;
    for (const auto& kit : serviceKits())
        if (listsSome(kit)) return &kit;
    return nullptr;
}

} // namespace kelvaro::scenario
