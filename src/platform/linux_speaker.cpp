#include "platform/linux_speaker.h"

#include "platform/linux_media_env.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <algorithm>
#include <optional>

namespace kelvaro {
namespace {

constexpr int WatchdogSlackMs = 1000;
constexpr int LongestToneMs = 10'000;

std::optional<QAudioFormat> formatFor(const QAudioDevice& device) {
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Int16);
    format.setSampleRate(44100);
    format.setChannelCount(1);
    if (device.isFormatSupported(format))
        return format;
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
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, &LinuxSpeaker::stop);
}

LinuxSpeaker::~LinuxSpeaker() {
    watchdog_.stop();
    delete sink_;
}

void LinuxSpeaker::tone(int frequencyHz, int milliseconds) {
    if (frequencyHz <= 0 || milliseconds <= 0)
        return;
    const double hz = std::clamp(frequencyHz, 20, 20'000);
    const int ms = std::min(milliseconds, LongestToneMs);
    play(ms, [hz, ms](const ToneFormat& format) { return sineTone(format, hz, ms); });
}

void LinuxSpeaker::ding() { play(dingMilliseconds(), &dingSound); }

void LinuxSpeaker::play(int milliseconds, const Synthesis& synthesis) {
    stop(); // a new sound cuts the previous one short, like the PC speaker did
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    const std::optional<QAudioFormat> format = formatFor(device);
    if (!format)
        return;

    const ToneFormat toneFormat{format->sampleRate(), format->channelCount()};
    const std::vector<std::int16_t> samples = synthesis(toneFormat);
    if (samples.empty())
        return;

    auto* sink = new QAudioSink(device, *format, this);
    auto* buffer = new QBuffer(sink); // dies with the sink, after the sink has let go of it
    buffer->setData(reinterpret_cast<const char*>(samples.data()),
                    static_cast<qsizetype>(samples.size() * sizeof(std::int16_t)));
    buffer->open(QIODevice::ReadOnly);
    sink_ = sink;
    connect(sink, &QAudioSink::stateChanged, this, [this, sink](QAudio::State state) {
        if (sink != sink_)
            return;
        const bool finished = state == QAudio::IdleState ||
                              (state == QAudio::StoppedState && sink->error() != QAudio::NoError);
        if (finished)
            QTimer::singleShot(0, this, [this, sink] {
                if (sink == sink_)
                    stop();
            });
    });
    watchdog_.start(milliseconds + WatchdogSlackMs);
    sink->start(buffer);
}

void LinuxSpeaker::stop() {
    watchdog_.stop();
    if (!sink_)
        return;
    QAudioSink* sink = sink_;
    sink_ = nullptr;
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
}

} // namespace kelvaro
