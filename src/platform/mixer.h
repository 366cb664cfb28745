#pragma once
// The sound card's mixer as the alarm drives it: destinations (outputs) whose
// line 0 is their own master control and whose line n >= 1 is their connection
// n - 1 (an input such as the wave or CD line). Volumes run from 0 to 65535 on
// the left channel; a line without a volume control reads -1.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvaro {

// The mixer refused or lost its connection.
struct MixerError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Mixer {
  public:
    virtual ~Mixer() = default;

    virtual int deviceCount() = 0; // 0: no mixer at all
    virtual std::vector<std::string> destinations() = 0;
    virtual std::vector<std::string> connections(int destination) = 0;
    // Left channel 0..65535, or -1 when the line has no volume control. Throws MixerError.
    virtual int volume(int destination, int line) = 0;
    // Whether the line is muted (false for a line without a mute control). Throws MixerError.
    virtual bool muted(int destination, int line) = 0;
    // Both channels and the mute state; throws MixerError.
    virtual void setVolume(int destination, int line, int left, int right, bool mute) = 0;

    // A mixer control changed (by anyone, this program included); called on the window thread.
    std::function<void()> onChange;
};

} // namespace kelvaro
