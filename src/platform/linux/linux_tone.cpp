#include "platform/linux/linux_tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvaro {
namespace {

constexpr int FadeMs = 5;
constexpr int DingFirstMs = 80;
constexpr int DingTotalMs = 220;

std::int16_t toSample(double value) {
    return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
}

int frameCount(const ToneFormat& format, int milliseconds) {
    return static_cast<int>(static_cast<long long>(format.sampleRate) * std::max(milliseconds, 0) / 1000);
}

void putFrame(std::vector<std::int16_t>& samples, const ToneFormat& format, double value) {
    samples.insert(samples.end(), static_cast<std::size_t>(std::max(format.channels, 1)), toSample(value));
}

} // namespace

std::vector<std::int16_t> sineTone(const ToneFormat& format, double frequencyHz, int milliseconds,
                                   double amplitude) {
    const int frames = frameCount(format, milliseconds);
    const int fadeFrames = std::max(1, std::min(frameCount(format, FadeMs), frames / 2));
    const double step = 2.0 * std::numbers::pi * frequencyHz / format.sampleRate;
    std::vector<std::int16_t> samples;
    samples.reserve(static_cast<std::size_t>(frames) * std::max(format.channels, 1));
    for (int i = 0; i < frames; ++i) {
        const int edge = std::min(i, frames - 1 - i);
        const double envelope = std::min(1.0, static_cast<double>(edge) / fadeFrames);
        putFrame(samples, format, amplitude * envelope * std::sin(step * i));
    }
    return samples;
}

std::vector<std::int16_t> dingSound(const ToneFormat& format) {
    // E6 struck first, then C6 joins; both decay like a small bell. The ding is the
    // last sound of the alarm's chain: it peaks near -1 dBFS, as loud as the tunes.
    constexpr double High = 1318.5;
    constexpr double Low = 1046.5;
    const int frames = frameCount(format, DingTotalMs);
    const int secondStart = frameCount(format, DingFirstMs);
    const int fadeFrames = std::max(1, frameCount(format, FadeMs));
    const double rate = format.sampleRate;
    std::vector<std::int16_t> samples;
    samples.reserve(static_cast<std::size_t>(frames) * std::max(format.channels, 1));
    for (int i = 0; i < frames; ++i) {
        const double t = i / rate;
        double value = 0.65 * std::exp(-t * 18.0) * std::sin(2.0 * std::numbers::pi * High * t);
        if (i >= secondStart) {
            const double t2 = (i - secondStart) / rate;
            value += 0.75 * std::exp(-t2 * 14.0) * std::sin(2.0 * std::numbers::pi * Low * t2);
        }
        const int edge = std::min(i, frames - 1 - i);
        value *= std::min(1.0, static_cast<double>(edge) / fadeFrames);
        putFrame(samples, format, value);
    }
    return samples;
}

int dingMilliseconds() {
    return DingTotalMs;
}

} // namespace kelvaro
