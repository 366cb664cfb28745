#include "fake_player_service.h"

#include "platform/fake/fake_media_player.h"

namespace kelvaro::scenario {

namespace {

class FakePlayerService : public FakeService {
  public:
    explicit FakePlayerService(ServiceHost& host) : host_(host) {}

    void attach(Platform& platform) override { platform.player = &player_; }

    std::string read(const std::string& pseudo, const std::string& property) override {
        if (property == "file") return player_.fileName();
        if (property == "mode") return playerModeName(player_.mode());
        if (property == "device") return player_.deviceType() == DeviceType::CdAudio ? "cdaudio" : "auto";
        if (property == "start") return std::to_string(player_.startPosition() & 0xFF);
        if (property == "end") return std::to_string(player_.endPosition() & 0xFF);
        throw ScenarioFailure(pseudo + " has no property " + property);
    }

    void command(const std::string& verb, const Words& args) override {
        if (verb == "cd") {
            player_.setDisc(args[0] == "none" ? 0 : std::stoi(args[1]));
        } else if (args[0] == "broken") {
            player_.breakName(args[1]);
        } else {
            // The end of a piece is the device's message: it reaches the program
            // through its error guard, as every platform event does.
            const std::string what = "player " + args[0];
            Application* program = host_.program();
            if (!program) throw ScenarioFailure(what + ": the program is not running");
            if (player_.mode() != PlayerMode::Playing)
                throw ScenarioFailure(what + ": the player is " + playerModeName(player_.mode()));
            if (args[0] == "fail")
                program->guarded([this] { player_.fail(); }); // the piece breaks off (a stream drops)
            else if (args[0] == "stall")
                player_.stall(); // no message: the sound just stops coming
            else
                program->guarded([this] { player_.finish(); });
        }
    }

  private:
    ServiceHost& host_;
    FakeMediaPlayer player_;
};

} // namespace

std::unique_ptr<FakeService> makeFakePlayerService(ServiceHost& host) {
    return std::make_unique<FakePlayerService>(host);
}

} // namespace kelvaro::scenario
