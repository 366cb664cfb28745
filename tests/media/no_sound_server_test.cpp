// Run by the harness with no sound server reachable.
#include "platform/linux/linux_media_player.h"

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(NoSoundServer, OpenFailsInsteadOfPlayingIntoNothing) {
    LinuxMediaPlayer player;
    player.setFileName(KELVARO_SOURCE_DIR "/data/sounds/TaDa.mp3");
    EXPECT_THROW(player.open(), MediaError);
    EXPECT_EQ(player.mode(), PlayerMode::NotReady);
}
