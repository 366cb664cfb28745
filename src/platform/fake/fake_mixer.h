#pragma once
// One mixer device with a playback destination and its wave, synthesizer and CD
// lines, as a desktop's mixer would show them. Changes made by "the user" raise
// the change notification; the program's own writes are counted.
#include "platform/mixer.h"

#include <array>
#include <functional>

namespace kelvaro {

enum class FakeMixerLine { Master, Wave, Synth, Cd };

class FakeMixer : public Mixer {
  public:
    static constexpr int kFullScale = 65534; // 32767 doubled, the default of every line

    int deviceCount() override { return present_ ? 1 : 0; }
    std::vector<std::string> destinations() override;
    std::vector<std::string> connections(int destination) override;
    int volume(int destination, int line) override;
    bool muted(int destination, int line) override;
    void setVolume(int destination, int line, int left, int right, bool mute) override;

    void setPresent(bool present) { present_ = present; }
    // What the user's own mixer does; the caller raises the notification.
    void userSet(FakeMixerLine line, int value, bool muted);
    int value(FakeMixerLine line) const { return lines_[index(line)].value; }
    bool muted(FakeMixerLine line) const { return lines_[index(line)].muted; }
    int writes() const { return writes_; }
    // How a change reaches the program: by default at once; scripts queue it as
    // a platform event, as the real mixer's message arrives later.
    std::function<void()> deliverChange;
    void raiseChange();

  private:
    struct Line {
        int value = kFullScale;
        bool muted = false;
    };
    static std::size_t index(FakeMixerLine line) { return static_cast<std::size_t>(line); }
    Line& lineAt(int destination, int line);

    bool present_ = true;
    std::array<Line, 4> lines_{};
    int writes_ = 0;
};

} // namespace kelvaro
