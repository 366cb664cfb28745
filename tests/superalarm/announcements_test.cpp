// What scripts cannot reach: the announcements before the clock has first run,
// what a screen reader is told through the morning, and Now+ with a designator
// that is not two characters long.
#include "alarm/announcements.h"
#include "app/program.h"
#include "app/windows.h"
#include "framework/application.h"
#include "framework/datetime.h"
#include "platform/fake/fake_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace kelvaro;

namespace {

struct Running : ::testing::Test {
    std::string dir =
        std::filesystem::temp_directory_path() / ("kelvaro-superalarm-" + std::to_string(::getpid()));
    FakePlatform fakes{encodeDate(2026, 12, 8) + encodeTime(6, 33, 55)};
    std::unique_ptr<Application> app;

    void start(const std::string& ini, const LocaleInfo& locale = LocaleInfo::enUS()) {
        std::filesystem::create_directories(dir);
        std::ofstream(dir + "/Kelvaro.ini", std::ios::binary) << ini;
        std::ofstream(dir + "/Mission2.mid", std::ios::binary) << "MThd";
        Platform p = fakes.platform(dir + "/handover.ini");
        app = createProgram(p, locale, dir + "/", {"kelvaro"});
        firstPaint(*app);
    }
    void tick(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            fakes.clock.advanceSeconds(1);
            mainTick(*app);
        }
    }
    void TearDown() override {
        app.reset();
        std::filesystem::remove_all(dir);
    }
};

TEST_F(Running, UntilTheClockHasRunOnceTheAnnouncementsStopTheSound) {
    start("[Data]\r\nHour=06\r\nMinute=09\r\nAMPM=AM\r\n");
    Control& stop = mainWindow(*app).ButtonStopAlarm;
    stop.enabled = true; // as if an alarm were in progress
    app->run("RefreshMilestones");
    EXPECT_FALSE(stop.enabled);
    tick(1);
    stop.enabled = true;
    app->run("RefreshMilestones");
    EXPECT_TRUE(stop.enabled);
}

// The 06:09 alarm and its four steps at 06:34, 06:54, 07:14 and 07:24, each told once,
// however often the milestones are worked out again in between.
TEST_F(Running, AScreenReaderIsToldTheAlarmAndEachStepOnce) {
    fakes.clock.set(encodeDate(2026, 12, 8) + encodeTime(6, 8, 59));
    start("[Data]\r\nHour=06\r\nMinute=09\r\nAMPM=AM\r\nMusicSeconds=0\r\n");
    std::vector<std::pair<Announcement, int>> told;
    app->feature<Announcements>().listener = [&told](Announcement what, int number) {
        told.emplace_back(what, number);
    };
    for (int minutes = 0; minutes < 80; ++minutes) {
        tick(60);
        app->run("RefreshMilestones");
    }
    const std::vector<std::pair<Announcement, int>> expected = {{Announcement::AlarmSounding, 0},
                                                                {Announcement::SuperAlarmStep, 1},
                                                                {Announcement::SuperAlarmStep, 2},
                                                                {Announcement::SuperAlarmStep, 3},
                                                                {Announcement::SuperAlarmStep, 4}};
    EXPECT_EQ(told, expected);
}

TEST_F(Running, NowPlusTakesTheWholeDesignatorAfterTheTime) {
    LocaleInfo spanish = LocaleInfo::enUS();
    spanish.amDesignator = "a. m.";
    spanish.pmDesignator = "p. m.";
    fakes.clock.set(encodeDate(2026, 12, 7) + encodeTime(11, 45, 10));
    start("[Data]\r\n", spanish);
    tick(1);
    app->userChoose("ComboBoxNowPlus", "90");
    EXPECT_EQ(mainWindow(*app).ComboBoxHour.text, "01");
    EXPECT_EQ(mainWindow(*app).ComboBoxMinute.text, "15");
    EXPECT_EQ(mainWindow(*app).ComboBoxAMPM.text, "P. M.");
}

} // namespace
