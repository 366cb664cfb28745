#pragma once
// The mixer on the sound server (PulseAudio, or PipeWire's pulse server) through
// libpulse. One destination, "Speakers": its master is the default sink (volume
// and mute); its lines "Wave", "SW Synth" and "CD Audio" are this program's own
// playback streams (one player carries every source, so they are one stream).
// No server: no mixer device. Change notifications reach `onChange` through the
// Qt event loop of the thread that made the mixer.
#include "platform/mixer.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

struct pa_threaded_mainloop;
struct pa_context;

namespace kelvaro {

class LinuxPulseMixer : public Mixer {
  public:
    LinuxPulseMixer();
    ~LinuxPulseMixer() override;
    LinuxPulseMixer(const LinuxPulseMixer&) = delete;
    LinuxPulseMixer& operator=(const LinuxPulseMixer&) = delete;

    int deviceCount() override;
    std::vector<std::string> destinations() override;
    std::vector<std::string> connections(int destination) override;
    int volume(int destination, int line) override;
    bool muted(int destination, int line) override;
    void setVolume(int destination, int line, int left, int right, bool mute) override;

    // Number of change events the server sent (for tests).
    int changeEvents() const { return changeEvents_.load(); }

  private:
    struct Impl;
    void connect();
    void requireLine(int destination, int line) const;
    void serverEvent(unsigned facility, unsigned type, std::uint32_t index); // pulse thread
    void postChange();

    std::unique_ptr<Impl> impl_;
    QObject context_; // delivers notifications on the window thread
    std::atomic<int> changeEvents_{0};
    std::atomic<bool> changePosted_{false};
};

} // namespace kelvaro
