// The alarm's sound against the fake player, for what the scenario language
// cannot set up: a program that will not start, a preview, no player at all.
#include "app/program.h"
#include "framework/datetime.h"
#include "platform/fake/fake_autostart.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_dialogs.h"
#include "platform/fake/fake_media_player.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_speaker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// A program started at 06:59:58 on a Monday whose alarm is 07:00.
class AlarmSound : public ::testing::Test {
  protected:
    // "{dir}" in the settings names the program folder, which holds a MIDI file "wake.mid".
    void start(std::string settings, bool withPlayer = true) {
        char pattern[] = "/tmp/kelvaro-sound-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        std::ofstream(dir_ / "wake.mid", std::ios::binary) << "MThd";
        for (size_t at; (at = settings.find("{dir}")) != std::string::npos;)
            settings.replace(at, 5, dir_.string());
        std::ofstream(dir_ / "Kelvaro.ini", std::ios::binary)
            << "[Data]\r\nMinute=00\r\n"
            << (settings.find("Hour=") == std::string::npos ? "Hour=07\r\n" : "") << settings;
        platform_.clock = &clock_;
        platform_.dialogs = &dialogs_;
        platform_.speaker = &speaker_;
        platform_.shell = &shell_;
        platform_.autostart = &autostart_;
        platform_.player = withPlayer ? &player_ : nullptr;
        platform_.handoverFile = (dir_ / "handover.ini").string();
        clock_.set(encodeDate(2026, 12, 7) + encodeTime(6, 59, 58));
        app_ = createProgram(platform_, LocaleInfo::enUS(), dir_.string(), {"kelvaro"});
        firstPaint(*app_);
    }
    void TearDown() override {
        app_.reset();
        if (!dir_.empty()) fs::remove_all(dir_);
    }
    void tick(int seconds = 1) {
        for (int i = 0; i < seconds; ++i) {
            clock_.advanceSeconds(1);
            mainTick(*app_);
        }
    }
    std::string state(const std::string& name) { return app_->state(name).value_or("?"); }
    bool alarmInProgress() { return app_->ctl("ButtonStopAlarm").enabled; }
    int dings() {
        int n = 0;
        for (const auto& s : speaker_.sounds())
            n += s == "ding";
        return n;
    }

    fs::path dir_;
    FakeClock clock_;
    FakeDialogs dialogs_;
    FakeSpeaker speaker_;
    FakeShell shell_;
    FakeAutostart autostart_;
    FakeMediaPlayer player_;
    Platform platform_;
    std::unique_ptr<Application> app_;
};

TEST_F(AlarmSound, AProgramThatCannotStartLeavesTheDingSounding) {
    start("ProgChoice=1\r\nMIDIMusic=0\r\nProgramPath=/opt/none/wake\r\nProgParams=-v\r\n");
    shell_.markMissing("/opt/none/wake");
    tick(2);
    EXPECT_EQ(shell_.requests(), std::vector<std::string>{"/opt/none/wake -v"});
    EXPECT_TRUE(alarmInProgress());
    EXPECT_EQ(dings(), 1);
    tick(3);
    EXPECT_EQ(dings(), 4);
    EXPECT_EQ(shell_.requests().size(), 1u); // tried once per alarm
    EXPECT_TRUE(app_->ctl("ProgramofYourChoice1").checked);
    app_->run("ButtonStopAlarmClick");
    tick(2);
    EXPECT_EQ(dings(), 4);
}

TEST_F(AlarmSound, WithoutAPlayerTheChainEndsAtTheDing) {
    start("", false);
    tick(2);
    EXPECT_FALSE(app_->ctl("Ding1").checked); // the ding stands in for this alarm only
    EXPECT_EQ(dings(), 1);
    EXPECT_EQ(state("SoundPlaying"), "true");
    EXPECT_EQ(app_->run("PlayerIsPlaying"), "0");
}

TEST_F(AlarmSound, ACdPreviewThatEndsDoesNotBecomeAnAlarm) {
    start("CDPlayer=1\r\nMIDIMusic=0\r\nHour=09\r\n");
    player_.setDisc(3);
    tick(1);
    player_.setDeviceType(DeviceType::CdAudio);
    player_.open();
    player_.play(true);
    for (int i = 0; i < 3; ++i)
        player_.finish();
    ASSERT_EQ(player_.mode(), PlayerMode::Stopped);
    tick(3);
    EXPECT_FALSE(alarmInProgress());
    EXPECT_EQ(state("CdRequested"), "false");
    EXPECT_EQ(player_.opens(), 1);
}

TEST_F(AlarmSound, APieceResumedAfterAMessageStillStartsTheNextOne) {
    start("MIDIPath={dir}/wake.mid\r\n");
    tick(2);
    ASSERT_EQ(player_.mode(), PlayerMode::Playing);
    app_->run("PausePlayerForNote");
    ASSERT_EQ(player_.mode(), PlayerMode::Paused);
    tick(1);
    EXPECT_EQ(player_.mode(), PlayerMode::Playing);
    player_.finish();
    tick(1);
    EXPECT_EQ(player_.played().size(), 2u);
    EXPECT_EQ(player_.mode(), PlayerMode::Playing);
}

TEST_F(AlarmSound, AStopAlsoEndsAPlayerPausedForAMessage) {
    start("MIDIPath={dir}/wake.mid\r\n");
    tick(2);
    app_->run("PausePlayerForNote");
    app_->run("StopAlarmSound");
    EXPECT_EQ(player_.mode(), PlayerMode::NotReady);
    tick(2);
    EXPECT_NE(player_.mode(), PlayerMode::Playing);
    EXPECT_FALSE(alarmInProgress());
}

// A piece that breaks off is tried again; one that keeps breaking gives way to the ding,
// for this alarm only.
TEST_F(AlarmSound, APieceThatKeepsBreakingOffGivesWayToTheDing) {
    start("MIDIPath={dir}/wake.mid\r\n");
    tick(2);
    for (std::size_t tries = 2; tries <= 3; ++tries) {
        player_.fail();
        EXPECT_EQ(state("SoundPlaying"), "false");
        tick(1);
        EXPECT_EQ(player_.played().size(), tries);
    }
    player_.fail();
    EXPECT_EQ(state("DingRequested"), "true");
    tick(2);
    EXPECT_EQ(player_.played().size(), 3u);
    EXPECT_EQ(speaker_.last(), "ding");
    EXPECT_TRUE(app_->ctl("MIDIMusic1").checked);
}

TEST_F(AlarmSound, TheNotificationDoesNotOutliveTheProgram) {
    start("MIDIPath={dir}/wake.mid\r\n");
    tick(2);
    app_.reset();
    EXPECT_FALSE(player_.onNotify);
    player_.finish(); // nothing to call into
}

} // namespace
} // namespace kelvaro
