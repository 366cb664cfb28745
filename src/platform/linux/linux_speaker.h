#pragma once
// Tones and the message ding, generated and played through the default audio
// output. Playing never blocks and never fails: without an output it is silent.
#include "platform/linux/linux_tone.h"
#include "platform/speaker.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <vector>

class QAudioSink;

namespace kelvaro {

class LinuxSpeaker : public QObject, public Speaker {
    Q_OBJECT
  public:
    explicit LinuxSpeaker(QObject* parent = nullptr);
    ~LinuxSpeaker() override;

    void tone(int frequencyHz, int milliseconds) override;
    void ding() override;

    bool isPlaying() const { return sink_ != nullptr; }

  private:
    using Synthesis = std::function<std::vector<std::int16_t>(const ToneFormat&)>;
    void play(int milliseconds, const Synthesis& synthesis);
    void stop();

    QAudioSink* sink_ = nullptr;
    // Ends each sound after its length plus the server's latency; this also
    // frees a sink that a vanished sound server would leave "active" forever.
    QTimer finish_;
};

} // namespace kelvaro
