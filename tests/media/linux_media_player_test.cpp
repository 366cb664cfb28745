// The real player against a private PulseAudio null sink (see run_with_pulse.sh).
#include "media_fixtures.h"

#include "platform/linux/linux_cd_drive.h"
#include "platform/linux/linux_media_player.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <vector>

using namespace kelvaro;
namespace fs = std::filesystem;

namespace {

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

const std::string soundsDir = KELVARO_SOURCE_DIR "/data/sounds/";

struct RealPlayerTest : ::testing::Test {
    fs::path dir;
    LinuxMediaPlayer player;
    std::vector<PlayerNotify> heard;

    void SetUp() override {
        dir = fs::temp_directory_path() / ("kelvaro-media-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        player.onNotify = [this](PlayerNotify n) { heard.push_back(n); };
    }
    void TearDown() override {
        player.close();
        fs::remove_all(dir);
    }
    std::string shortTone() {
        const std::string path = (dir / "tone.wav").string();
        media_test::writeWav(path, media_test::tone(0.4, 523));
        return path;
    }
    bool waitForNotification(int timeoutMs) {
        return waitUntil([this] { return !heard.empty(); }, timeoutMs);
    }
    void openFile(const std::string& path) {
        player.setDeviceType(DeviceType::Automatic);
        player.setFileName(path);
        player.open();
    }
};

TEST_F(RealPlayerTest, ShippedFanfarePlaysToItsEndAndPlaysAgain) {
    openFile(soundsDir + "TaDa.mp3");
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    QElapsedTimer clock;
    clock.start();
    player.play(true);
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    ASSERT_TRUE(waitForNotification(10000));
    EXPECT_EQ(heard, std::vector<PlayerNotify>{PlayerNotify::Successful});
    EXPECT_GT(clock.elapsed(), 2000); // it really played, in real time
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    // The restart after a piece ended, as the alarm does it.
    heard.clear();
    player.open();
    player.play(true);
    ASSERT_TRUE(waitForNotification(10000));
    EXPECT_EQ(heard, std::vector<PlayerNotify>{PlayerNotify::Successful});
}

TEST_F(RealPlayerTest, ShippedMidiTunePlaysToItsEnd) {
    openFile(soundsDir + "Mission2.mid");
    player.play(true);
    ASSERT_TRUE(waitForNotification(20000));
    EXPECT_EQ(heard, std::vector<PlayerNotify>{PlayerNotify::Successful});
}

TEST_F(RealPlayerTest, SourcesThatCannotPlayFailAtOpen) {
    const std::string garbage = (dir / "noise.mp3").string();
    {
        std::ofstream out(garbage, std::ios::binary);
        std::mt19937 random(7);
        for (int i = 0; i < 20000; ++i)
            out.put(static_cast<char>(random()));
    }
    for (const std::string& name : {garbage, (dir / "missing.mp3").string(), dir.string(),
                                    std::string("http://127.0.0.1:1/radio.mp3"), std::string()}) {
        SCOPED_TRACE(name);
        player.setFileName(name);
        EXPECT_THROW(player.open(), MediaError);
        EXPECT_EQ(player.mode(), PlayerMode::NotReady);
        EXPECT_THROW(player.play(true), MediaError);
    }
    EXPECT_TRUE(heard.empty());
}

// A file that decoded once is trusted only as long as it stays the same file.
TEST_F(RealPlayerTest, AFileReplacedAfterItPlayedIsCheckedAgain) {
    const std::string path = shortTone();
    openFile(path);
    player.close();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << "not a sound any more";
    }
    player.setFileName(path);
    EXPECT_THROW(player.open(), MediaError);
}

TEST_F(RealPlayerTest, StopAbortsOnlyAPlayWithNotify) {
    openFile(shortTone());
    player.play(false);
    player.stop();
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    player.play(true);
    player.stop();
    ASSERT_TRUE(waitForNotification(2000));
    EXPECT_EQ(heard, std::vector<PlayerNotify>{PlayerNotify::Aborted});
    // Neither the stop nor the earlier play without notify reports anything more.
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(heard.size(), 1u);
}

TEST_F(RealPlayerTest, PauseHoldsThePieceAndPlayResumesIt) {
    openFile(shortTone());
    player.play(true);
    ASSERT_TRUE(waitUntil([] { return false; }, 100) || true);
    player.pause();
    EXPECT_EQ(player.mode(), PlayerMode::Paused);
    waitUntil([] { return false; }, 700); // longer than the tone: a paused piece does not end
    EXPECT_TRUE(heard.empty());
    player.play(true);
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    // The rest of the tone takes about 1.4 s alone, over 3 s on a loaded machine.
    ASSERT_TRUE(waitForNotification(10000));
    EXPECT_EQ(heard, std::vector<PlayerNotify>{PlayerNotify::Successful});
}

TEST_F(RealPlayerTest, NotifyOffEndsSilently) {
    openFile(shortTone());
    player.play(false);
    ASSERT_TRUE(waitUntil([this] { return player.mode() == PlayerMode::Stopped; }, 10000));
    waitUntil([] { return false; }, 200);
    EXPECT_TRUE(heard.empty());
}

struct RealCdTest : RealPlayerTest {
    std::string cue;
    void SetUp() override {
        RealPlayerTest::SetUp();
        cue = media_test::writeCdImage(dir.string(), {45, 30, 45}); // 0.6 s, 0.4 s, 0.6 s
        player.setDeviceType(DeviceType::CdAudio);
        player.setTimeFormatTmsf();
        player.setFileName(cue);
    }
};

TEST_F(RealCdTest, LibcdioReadsTheImagesTableOfContents) {
    const auto disc = readCdDisc(cue);
    ASSERT_TRUE(disc);
    EXPECT_EQ(disc->firstTrack, 1);
    EXPECT_EQ(disc->trackCount(), 3);
    EXPECT_EQ(disc->trackStartSectors, (std::vector<long>{0, 45, 75}));
    EXPECT_EQ(disc->leadOutSector, 120);
    EXPECT_DOUBLE_EQ(disc->secondsBetween(2, 3), 0.4);
    EXPECT_DOUBLE_EQ(disc->secondsBetween(2, 9), 1.0); // past the last track: the end of the disc
    EXPECT_TRUE(player.mediaPresent());
    EXPECT_EQ(player.trackCount(), 3); // also before an open, as the alarm asks
}

TEST_F(RealCdTest, NoDiscMeansNoMediaAndNoOpen) {
    player.setFileName((dir / "none.cue").string());
    EXPECT_FALSE(player.mediaPresent());
    EXPECT_THROW(player.trackCount(), MediaError);
    EXPECT_THROW(player.open(), MediaError);
    player.setFileName("/dev/kelvaro-no-such-drive");
    EXPECT_THROW(player.open(), MediaError);
}

TEST_F(RealCdTest, OneTrackPlaysFromItsStartToTheNextTrack) {
    player.open();
    player.setStartPosition(player.trackPosition(2));
    player.setEndPosition(player.trackPosition(3));
    player.play(true);
    bool laterTrack = false;
    ASSERT_TRUE(waitUntil(
        [&] {
            laterTrack = laterTrack || player.currentTrack() != 2;
            return !heard.empty();
        },
        5000));
    EXPECT_EQ(heard, std::vector<PlayerNotify>{PlayerNotify::Successful});
    EXPECT_FALSE(laterTrack); // track 3 did not play
}

TEST_F(RealCdTest, WithoutAnEndTheRestOfTheDiscPlaysTrackAfterTrack) {
    player.open();
    player.setStartPosition(player.trackPosition(2));
    player.play(true);
    std::vector<int> tracks;
    waitUntil(
        [&] {
            if (tracks.empty() || tracks.back() != player.currentTrack())
                tracks.push_back(player.currentTrack());
            return !heard.empty();
        },
        6000);
    EXPECT_EQ(heard, std::vector<PlayerNotify>{PlayerNotify::Successful});
    EXPECT_EQ(tracks.front(), 2);
    EXPECT_NE(std::find(tracks.begin(), tracks.end(), 3), tracks.end());
}

} // namespace
