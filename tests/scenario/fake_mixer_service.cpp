#include "fake_mixer_service.h"

#include "platform/fake/fake_mixer.h"

#include <algorithm>
#include <optional>

namespace kelvaro::scenario {

namespace {

std::optional<FakeMixerLine> lineNamed(const std::string& name) {
    if (name == "master") return FakeMixerLine::Master;
    if (name == "wave") return FakeMixerLine::Wave;
    if (name == "synth") return FakeMixerLine::Synth;
    if (name == "cd") return FakeMixerLine::Cd;
    return std::nullopt;
}

bool mixerValue(const std::string& text) {
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return std::stoi(text) <= 65535;
}

class FakeMixerService : public FakeService {
  public:
    explicit FakeMixerService(ServiceHost& host) : host_(host) {
        // A change reaches the program as a platform event, before the next tick.
        mixer_.deliverChange = [this] {
            host_.post(0, [this] {
                if (mixer_.onChange) mixer_.onChange();
            });
        };
    }

    void attach(Platform& platform) override { platform.mixer = &mixer_; }

    std::string read(const std::string& pseudo, const std::string& property) override {
        if (property == "writes") return std::to_string(mixer_.writes());
        const bool muted = property.size() > 5 && property.compare(property.size() - 5, 5, "muted") == 0;
        if (auto line = lineNamed(muted ? property.substr(0, property.size() - 5) : property))
            return muted ? (mixer_.muted(*line) ? "true" : "false") : std::to_string(mixer_.value(*line));
        throw ScenarioFailure(pseudo + " has no property " + property);
    }

    void command(const std::string&, const Words& args) override {
        if (args[0] == "none") {
            if (host_.program()) throw ScenarioFailure("mixer none: only before start");
            mixer_.setPresent(false);
            return;
        }
        mixer_.userSet(*lineNamed(args[1]), std::stoi(args[2]), args.size() == 4);
        mixer_.raiseChange();
    }

  private:
    ServiceHost& host_;
    FakeMixer mixer_;
};

} // namespace

std::string checkMixer(const Words& args) {
    if (args.size() == 1 && args[0] == "none") return {};
    if ((args.size() == 3 || (args.size() == 4 && args[3] == "muted")) && args[0] == "set" &&
        lineNamed(args[1]) && mixerValue(args[2]))
        return {};
    return "expected: mixer none | mixer set master|wave|synth|cd 0..65535 [muted]";
}

std::unique_ptr<FakeService> makeFakeMixerService(ServiceHost& host) {
    return std::make_unique<FakeMixerService>(host);
}

} // namespace kelvaro::scenario
