#include "platform/linux/linux_speaker.h"

#include "platform/linux/linux_media_env.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <algorithm>
#include <optional>

namespace kelvaro {
namespace {

constexpr int PlayoutSlackMs = 400;
constexpr int LongestToneMs = 10'000;

std::optional<QAudioFormat> formatFor(const QAudioDevice& device) {
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Int16);
    format.setSampleRate(44100);
    format.setChannelCount(1);
    if (device.isFormatSupported(format)) return format;
    const QAudioFormat preferred = device.preferredFormat();
    format.setSampleRate(preferred.sampleRate());
    format.setChannelCount(preferred.channelCount());
    if (format.sampleRate() > 0 && format.channelCount() > 0 && device.isFormatSupported(format))
        return format;
    return std::nullopt;
}

} // namespace

LinuxSpeaker::LinuxSpeaker(QObject* parent) : QObject(parent) {
    preferGStreamerBackend(); // in case main() has not; harmless once multimedia is up
    finish_.setSingleShot(true);
    connect(&finish_, &QTimer::timeout, this, &LinuxSpeaker::stop);
}

LinuxSpeaker::~LinuxSpeaker() {
    finish_.stop();
    delete sink_;
}

void LinuxSpeaker::tone(int frequencyHz, int milliseconds) {
    if (frequencyHz <= 0 || milliseconds <= 0) return;
    const double hz = std::clamp(frequencyHz, 20, 20'000);
    const int ms = std::min(milliseconds, LongestToneMs);
    play(ms, [hz, ms](const ToneFormat& format) { return sineTone(format, hz, ms); });
}

void LinuxSpeaker::ding() {
    play(dingMilliseconds(), &dingSound);
}

void LinuxSpeaker::play(int milliseconds, const Synthesis& synthesis) {
    stop(); // a new sound cuts the previous one short, like the PC speaker did
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    const std::optional<QAudioFormat> format = formatFor(device);
    if (!format) return;

    const ToneFormat toneFormat{format->sampleRate(), format->channelCount()};
    const std::vector<std::int16_t> samples = synthesis(toneFormat);
    if (samples.empty()) return;

    auto* sink = new QAudioSink(device, *format, this);
    auto* buffer = new QBuffer(sink); // dies with the sink, after the sink has let go of it
    buffer->setData(reinterpret_cast<const char*>(samples.data()),
                    static_cast<qsizetype>(samples.size() * sizeof(std::int16_t)));
    buffer->open(QIODevice::ReadOnly);
    sink_ = sink;
    // The sink turns idle once the last bytes are handed to the sound server,
    // which still has up to a few hundred ms of them to play: stopping then would
    // cut the sound short. So it ends on a timer, or at once on an error.
    connect(sink, &QAudioSink::stateChanged, this, [this, sink](QAudio::State state) {
        if (state == QAudio::StoppedState && sink->error() != QAudio::NoError)
            QTimer::singleShot(0, this, [this, sink] {
                if (sink == sink_) stop();
            });
    });
    finish_.start(milliseconds + PlayoutSlackMs);
    sink->start(buffer);
}

void LinuxSpeaker::stop() {
    finish_.stop();
    if (!sink_) return;
    QAudioSink* sink = sink_;
    sink_ = nullptr;
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
}

} // namespace kelvaro
