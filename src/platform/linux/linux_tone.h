#pragma once
// Sample synthesis for the speaker: 16-bit PCM, interleaved channels.
#include <cstdint>
#include <vector>

namespace kelvaro {

struct ToneFormat {
    int sampleRate = 44100;
    int channels = 1;
};

// A sine tone with short fades at both ends, so it starts and stops without a click.
std::vector<std::int16_t> sineTone(const ToneFormat& format, double frequencyHz, int milliseconds,
                                   double amplitude = 0.5);

// The message "ding": a high note struck over a lower one, each fading away (about 220 ms).
std::vector<std::int16_t> dingSound(const ToneFormat& format);
int dingMilliseconds();

} // namespace kelvaro
