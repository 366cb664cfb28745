#include "fake_tray_service.h"

#include "platform/fake/fake_tray_icon.h"

#include <algorithm>

namespace kelvaro::scenario {

namespace {

bool number(const std::string& text) {
    return !text.empty() && text.size() <= 5 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class FakeTrayService : public FakeService {
  public:
    explicit FakeTrayService(ServiceHost& host) : host_(host) {}

    void attach(Platform& platform) override { platform.tray = &tray_; }

    std::string read(const std::string& pseudo, const std::string& property) override {
        if (property == "visible") return tray_.visible() ? "true" : "false";
        if (property == "tip") return tray_.tip(); // a script writes its line breaks as \n
        if (property == "menu") return tray_.menu();
        if (property == "menuat")
            return tray_.popUps() ? std::to_string(tray_.menuX()) + "," + std::to_string(tray_.menuY()) : "";
        if (property == "defaultitem") return tray_.defaultItem();
        if (property == "popups") return std::to_string(tray_.popUps());
        if (property == "handedmenu") return tray_.handedMenu();
        throw ScenarioFailure(pseudo + " has no property " + property);
    }

    void command(const std::string&, const Words& args) override {
        const std::string& what = args[0];
        if (what == "gone") {
            tray_.setAvailable(false);
            return;
        }
        if (what == "none" || what == "screen" || what == "hostmenu") {
            if (host_.program()) throw ScenarioFailure("tray " + what + ": only before start");
            if (what == "none")
                tray_.setAvailable(false);
            else if (what == "hostmenu")
                tray_.setHostMenu(true);
            else
                tray_.setScreenSize({std::stoi(args[1]), std::stoi(args[2])});
            return;
        }
        if (!host_.program()) throw ScenarioFailure("tray " + what + ": the program is not running");
        if (!tray_.visible()) throw ScenarioFailure("tray " + what + ": the icon is not shown");
        tray_.click(what == "click"      ? TrayEvent::Click
                    : what == "dblclick" ? TrayEvent::DoubleClick
                                         : TrayEvent::RightClick);
    }

  private:
    ServiceHost& host_;
    FakeTrayIcon tray_;
};

} // namespace

std::string checkTray(const Words& args) {
    if (args.size() == 1 && (args[0] == "none" || args[0] == "hostmenu" || args[0] == "gone" ||
                             args[0] == "click" || args[0] == "dblclick" || args[0] == "rightclick"))
        return {};
    if (args.size() == 3 && args[0] == "screen" && number(args[1]) && number(args[2])) return {};
    return "expected: tray none | tray hostmenu | tray gone | tray click | tray dblclick | tray rightclick | "
           "tray screen WIDTH HEIGHT";
}

std::unique_ptr<FakeService> makeFakeTrayService(ServiceHost& host) {
    return std::make_unique<FakeTrayService>(host);
}

} // namespace kelvaro::scenario
