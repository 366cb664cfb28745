#include "platform/fake/fake_media_player.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kelvaro;

namespace {

struct FakePlayerTest : ::testing::Test {
    FakeMediaPlayer player;
    std::vector<PlayerNotify> heard;
    void SetUp() override {
        player.onNotify = [this](PlayerNotify n) { heard.push_back(n); };
    }
    void openCd(int tracks) {
        player.setDisc(tracks);
        player.setDeviceType(DeviceType::CdAudio);
        player.setTimeFormatTmsf();
        player.setFileName("/dev/sr0");
        player.open();
    }
};

TEST_F(FakePlayerTest, FileModesFollowADeviceThroughPauseEndAndClose) {
    EXPECT_EQ(player.mode(), PlayerMode::NotReady);
    EXPECT_THROW(player.play(true), MediaError);
    player.setFileName("TaDa.mp3");
    player.open();
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    player.play(true);
    player.pause();
    EXPECT_EQ(player.mode(), PlayerMode::Paused);
    player.finish(); // a paused piece does not end
    EXPECT_TRUE(heard.empty());
    player.play(false);
    EXPECT_EQ(player.mode(), PlayerMode::Playing);
    player.setNotify(true);
    player.finish();
    EXPECT_EQ(player.mode(), PlayerMode::Stopped);
    EXPECT_EQ(heard, std::vector<PlayerNotify>{PlayerNotify::Successful});
    player.close();
    EXPECT_EQ(player.mode(), PlayerMode::NotReady);
    EXPECT_EQ(heard.size(), 1u); // nothing was playing any more
}

TEST_F(FakePlayerTest, StopReportsAbortedOnlyWithNotify) {
    player.setFileName("a.mid");
    player.open();
    player.play(false);
    player.stop();
    EXPECT_TRUE(heard.empty());
    player.play(true);
    player.stop();
    EXPECT_EQ(heard, std::vector<PlayerNotify>{PlayerNotify::Aborted});
}

TEST_F(FakePlayerTest, BrokenNamesFailToOpenAndLeaveTheDeviceNotReady) {
    player.breakName("http://radio/x");
    player.setFileName("http://radio/x");
    EXPECT_THROW(player.open(), MediaError);
    EXPECT_EQ(player.mode(), PlayerMode::NotReady);
    EXPECT_EQ(player.opens(), 0);
    player.setFileName("other.mp3");
    EXPECT_NO_THROW(player.open());
}

TEST_F(FakePlayerTest, CdWithoutDiscRefusesTheOpenAndTheTrackCount) {
    player.setDeviceType(DeviceType::CdAudio);
    player.setFileName("/dev/sr0");
    EXPECT_FALSE(player.mediaPresent());
    EXPECT_THROW(player.trackCount(), MediaError);
    EXPECT_THROW(player.open(), MediaError);
}

TEST_F(FakePlayerTest, CdPlaysFromStartTrackUpToTheEndTrack) {
    openCd(5);
    EXPECT_EQ(player.trackCount(), 5);
    player.setStartPosition(player.trackPosition(2));
    player.setEndPosition(player.trackPosition(4));
    player.play(true);
    EXPECT_EQ(player.currentTrack(), 2);
    player.finish();
    EXPECT_EQ(player.currentTrack(), 3);
    EXPECT_TRUE(heard.empty());
    player.finish();
    EXPECT_EQ(heard, std::vector<PlayerNotify>{PlayerNotify::Successful});
    EXPECT_EQ(player.played(), (std::vector<std::string>{"cd:2", "cd:3"}));
}

TEST_F(FakePlayerTest, CdWithoutPositionsPlaysTheWholeDiscAndOpenForgetsOldPositions) {
    openCd(3);
    player.setStartPosition(3);
    player.open();
    EXPECT_EQ(player.startPosition(), 0);
    player.play(true);
    player.finish();
    player.finish();
    player.finish();
    EXPECT_EQ(player.played(), (std::vector<std::string>{"cd:1", "cd:2", "cd:3"}));
    EXPECT_EQ(heard.size(), 1u);
    EXPECT_THROW(player.trackPosition(4), MediaError);
}

TEST_F(FakePlayerTest, LastTrackWithoutEndPositionEndsAtTheEndOfTheDisc) {
    openCd(7);
    player.setStartPosition(7);
    player.play(true);
    player.finish();
    EXPECT_EQ(heard, std::vector<PlayerNotify>{PlayerNotify::Successful});
    EXPECT_EQ(player.played(), std::vector<std::string>{"cd:7"});
}

} // namespace
