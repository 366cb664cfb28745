// The mixer on a real sound server: a private PulseAudio with a null sink that
// the harness starts. The master is the default sink; the stream lines are this
// process's own playback streams.
#include "media_fixtures.h"

#include "platform/linux/linux_media_player.h"
#include "platform/linux/linux_pulse_mixer.h"
#include "platform/pulse_volume.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace kelvaro {
namespace {

bool waitFor(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

int pactl(const std::string& args) {
    return std::system(("pactl " + args + " >/dev/null 2>&1").c_str());
}

TEST(PulseVolumeScale, EveryMixerValueComesBackUnchanged) {
    for (int v = 0; v <= 65535; ++v)
        ASSERT_EQ(pulseToMixer(mixerToPulse(v)), v) << v;
    EXPECT_EQ(mixerToPulse(65535), 65536u); // full scale is the server's 100 %
    EXPECT_EQ(pulseToMixer(150000), 65535); // over 100 % reads as the top
}

TEST(NoSoundServer, TheMixerHasNoDevice) {
    LinuxPulseMixer mixer;
    EXPECT_EQ(mixer.deviceCount(), 0);
    EXPECT_THROW(mixer.volume(0, 0), MixerError);
    EXPECT_THROW(mixer.setVolume(0, 0, 1, 1, false), MixerError);
}

TEST(PulseMixer, RaisesTheSinkAroundARealPlaybackAndPutsItBack) {
    ASSERT_EQ(pactl("set-sink-volume alarmnull 30000"), 0);
    ASSERT_EQ(pactl("set-sink-mute alarmnull 1"), 0);
    LinuxPulseMixer mixer;
    ASSERT_EQ(mixer.deviceCount(), 1);
    EXPECT_EQ(mixer.destinations(), std::vector<std::string>{"Speakers"});
    EXPECT_EQ(mixer.volume(0, 0), 30000);
    EXPECT_TRUE(mixer.muted(0, 0));

    QTemporaryDir dir;
    const std::string wav = dir.path().toStdString() + "/tone.wav";
    media_test::writeWav(wav, media_test::tone(2.0, 523));
    // The alarm level is given before the stream exists, as the program does.
    mixer.setVolume(0, 0, 65534, 65534, false);
    mixer.setVolume(0, 1, 40000, 40000, false);
    LinuxMediaPlayer player;
    player.setFileName(wav);
    player.open();
    player.play(true);
    EXPECT_EQ(mixer.volume(0, 0), 65534);
    EXPECT_FALSE(mixer.muted(0, 0));
    ASSERT_TRUE(waitFor([&] { return mixer.volume(0, 1) == 40000; })) << mixer.volume(0, 1);
    mixer.setVolume(0, 1, 12000, 12000, true);
    EXPECT_EQ(mixer.volume(0, 1), 12000);
    EXPECT_TRUE(mixer.muted(0, 1));
    player.stop();
    player.close();

    mixer.setVolume(0, 0, 30000, 30000, true);
    EXPECT_EQ(mixer.volume(0, 0), 30000);
    EXPECT_TRUE(mixer.muted(0, 0));
}

TEST(PulseMixer, AChangeMadeWithPactlIsNotified) {
    LinuxPulseMixer mixer;
    ASSERT_EQ(mixer.deviceCount(), 1);
    int notified = 0;
    mixer.onChange = [&] { ++notified; };
    ASSERT_EQ(pactl("set-sink-volume alarmnull 23456"), 0);
    ASSERT_TRUE(waitFor([&] { return notified > 0; }));
    EXPECT_EQ(mixer.volume(0, 0), 23456);
}

} // namespace
} // namespace kelvaro
