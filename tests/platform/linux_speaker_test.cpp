#include "platform/linux/linux_speaker.h"
#include "platform/linux/linux_tone.h"
#include "qt_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace kelvaro;

namespace {

int peak(const std::vector<std::int16_t>& samples) {
    int highest = 0;
    for (auto s : samples)
        highest = std::max(highest, std::abs(static_cast<int>(s)));
    return highest;
}

} // namespace

TEST(Tone, HasTheRequestedLengthPerChannelAndFadesAtBothEnds) {
    const ToneFormat stereo{48000, 2};
    const auto samples = sineTone(stereo, 523, 100, 0.5);
    ASSERT_EQ(samples.size(), 4800u * 2);
    EXPECT_EQ(samples[0], samples[1]);                    // same on both channels
    EXPECT_LE(std::abs(samples[2 * 10]), 32767 / 2 / 10); // 10 frames into a 240-frame fade
    EXPECT_LE(std::abs(samples[samples.size() - 1]), 32767 / 100);
    EXPECT_NEAR(peak(samples), 32767 / 2, 200);
}

TEST(Tone, DingIsShortLoudAndNeverClips) {
    const ToneFormat mono{44100, 1};
    const auto samples = dingSound(mono);
    const double ms = samples.size() * 1000.0 / mono.sampleRate;
    EXPECT_GE(ms, 150);
    EXPECT_LE(ms, 250);
    EXPECT_GT(peak(samples), 32767 * 0.8); // within 2 dB of full scale: it may be all that wakes
    EXPECT_LT(peak(samples), 32767 * 0.95);
}

TEST(LinuxSpeaker, PlaysAndEndsWithoutBlockingOrCrashing) {
    // With no sound server (as in CI) this is silent; with one, it plays and ends by itself.
    testApp();
    LinuxSpeaker speaker;
    speaker.tone(523, 100);
    speaker.tone(0, 100);
    speaker.tone(440, -5);
    speaker.ding();
    EXPECT_TRUE(processEventsUntil([&] { return !speaker.isPlaying(); }, 3000));
}
