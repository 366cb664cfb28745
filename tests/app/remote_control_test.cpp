// The running clock's answers to `kelvaro --status` and the other requests, through
// the window's own handlers, on fake services and a fake clock.
#include "../profile_file/temp_folder.h"
#include "app/program.h"
#include "app/remote_control.h"
#include "framework/application.h"
#include "framework/datetime.h"
#include "platform/fake/fake_platform.h"

#include <gtest/gtest.h>

#include <memory>

using namespace kelvaro;

namespace {

bool hasLine(const std::string& text, const std::string& line) {
    return ("\n" + text + "\n").find("\n" + line + "\n") != std::string::npos;
}

// 2026-12-07 is a Monday.
struct RunningClock {
    TempFolder folder;
    FakePlatform fakes{encodeDate(2026, 12, 7) + encodeTime(6, 59, 58)};
    std::unique_ptr<Application> app;

    explicit RunningClock(const std::string& settings, const std::string& cities = "Paris\x07"
                                                                                   "0\x07"
                                                                                   "1\x07\r\n") {
        folder.put("Kelvaro.ini", "[Data]\r\n" + settings);
        folder.put("Cities.txt", cities);
        folder.put("Mission2.mid", "MThd");
    }
    Platform platform() { return fakes.platform(folder.file("handover.ini")); }
    std::string dir() const { return folder.path().string() + "/"; }
    Application& start() {
        app = createProgram(platform(), LocaleInfo::enUS(), dir(), {});
        firstPaint(*app);
        return *app;
    }
    void tick(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            fakes.clock.advanceSeconds(1);
            mainTick(*app);
        }
    }
    RemoteAnswer ask(const std::string& line) {
        const auto request = parseRemoteRequest(line);
        EXPECT_TRUE(request) << line;
        return answerRemoteRequest(*app, *request);
    }
};

constexpr const char* k24 = "Hour=07\r\nMinute=00\r\nN24Hour=1\r\n";

} // namespace

TEST(RemoteRequest, LinesReadBackAsWritten) {
    for (const char* line : {"status", "snooze", "stop", "alarm on", "alarm off", "set-alarm 07:05"})
        EXPECT_EQ(remoteRequestLine(*parseRemoteRequest(line)), line);
    EXPECT_EQ(parseRemoteRequest("set-alarm 7:05"), (RemoteRequest{RemoteCommand::SetAlarm, 7, 5}));
    for (const char* bad : {"", "raise", "alarm", "alarm yes", "stop now", "set-alarm 24:00", "set-alarm 7:5",
                            "set-alarm -1:00", "set-alarm 07:00 x"})
        EXPECT_FALSE(parseRemoteRequest(bad)) << bad;
    const RemoteAnswer answer{RemoteOutcome::Locked, "locked"};
    EXPECT_EQ(decodeRemoteAnswer(encodeRemoteAnswer(answer))->text, "locked");
    EXPECT_EQ(decodeRemoteAnswer("0\ncity: A\nalarm: 07:00")->text, "city: A\nalarm: 07:00");
    EXPECT_FALSE(decodeRemoteAnswer("garbage"));
}

TEST(RemoteStatus, NextRingFollowsTheDaysTheSwitchAndTheCity) {
    {
        RunningClock c(k24);
        c.start();
        const std::string s = remoteStatus(*c.app);
        EXPECT_TRUE(hasLine(s, "city: Paris")) << s;
        EXPECT_TRUE(hasLine(s, "alarm: 07:00")) << s;
        EXPECT_TRUE(hasLine(s, "alarm on: yes")) << s;
        EXPECT_TRUE(hasLine(s, "state: idle")) << s;
        EXPECT_TRUE(hasLine(s, "next ring: 2026-12-07T07:00:00")) << s;
    }
    {
        // Ticked Saturday only: Monday's alarm comes on Saturday the 12th.
        RunningClock c(k24, "Paris\x07"
                            "0\x07"
                            "1\x07\x07\x07"
                            "64\x07\r\n");
        c.start();
        const std::string s = remoteStatus(*c.app);
        EXPECT_TRUE(hasLine(s, "next ring: 2026-12-12T07:00:00")) << s;
    }
    {
        // The city is 2 hours ahead: 07:00 there is 05:00 here, already past, so tomorrow.
        RunningClock c(k24, "Tokyo\x07"
                            "2\x07"
                            "1\x07\r\n");
        c.start();
        EXPECT_TRUE(hasLine(remoteStatus(*c.app), "next ring: 2026-12-08T05:00:00")) << remoteStatus(*c.app);
    }
    {
        RunningClock c(std::string(k24) + "AlarmON=0\r\nAlarmOFF=1\r\n");
        c.start();
        EXPECT_TRUE(hasLine(remoteStatus(*c.app), "next ring: off"));
    }
}

TEST(RemoteStatus, FromTheFilesWhenNoClockRunsWritesNothing) {
    RunningClock c("Hour=07\r\nMinute=30\r\nN24Hour=1\r\n");
    const std::string before = c.folder.get("Kelvaro.ini");
    const std::string s = statusFromFiles(c.platform(), LocaleInfo::enUS(), c.dir()).text;
    EXPECT_TRUE(hasLine(s, "alarm: 07:30")) << s;
    EXPECT_TRUE(hasLine(s, "state: not running")) << s;
    EXPECT_TRUE(hasLine(s, "next ring: 2026-12-07T07:30:00")) << s;
    EXPECT_EQ(c.folder.get("Kelvaro.ini"), before);
    EXPECT_FALSE(c.fakes.autostart.hasEntry("Alarm Clock"));
}

TEST(RemoteAnswers, SnoozeAndStopActOnlyOnAnAlarmInProgress) {
    RunningClock c(k24);
    c.start();
    EXPECT_EQ(c.ask("snooze").outcome, RemoteOutcome::NotDone);
    EXPECT_EQ(c.ask("stop").outcome, RemoteOutcome::NotDone);
    c.tick(2);
    ASSERT_TRUE(c.app->ctl("ButtonStopAlarm").enabled);
    EXPECT_TRUE(hasLine(remoteStatus(*c.app), "state: sounding"));
    const RemoteAnswer snoozed = c.ask("snooze");
    EXPECT_EQ(snoozed.outcome, RemoteOutcome::Done);
    EXPECT_EQ(snoozed.text, "snoozing until 07:05");
    EXPECT_TRUE(c.app->ctl("LightCheckSnooze").checked);
    // The snooze ends at 07:05 (the snooze box starts at 5 minutes).
    EXPECT_TRUE(hasLine(remoteStatus(*c.app), "next ring: 2026-12-07T07:05:00")) << remoteStatus(*c.app);
    EXPECT_EQ(c.ask("stop").outcome, RemoteOutcome::Done);
    EXPECT_FALSE(c.app->ctl("ButtonStopAlarm").enabled);
    EXPECT_TRUE(hasLine(remoteStatus(*c.app), "next ring: 2026-12-08T07:00:00"));
}

TEST(RemoteAnswers, SwitchAndTimeGoThroughTheLockAndTheConfirmation) {
    RunningClock c(k24);
    Application& app = c.start();
    EXPECT_EQ(c.ask("alarm off").text, "alarm off");
    EXPECT_FALSE(app.ctl("ON1").checked);
    EXPECT_NE(c.folder.get("Kelvaro.ini").find("AlarmON=0"), std::string::npos);
    EXPECT_EQ(c.ask("alarm off").outcome, RemoteOutcome::Done) << "already off";
    EXPECT_EQ(c.ask("set-alarm 6:45").text, "alarm at 06:45");
    EXPECT_NE(c.folder.get("Kelvaro.ini").find("Minute=45"), std::string::npos);

    // "Are you sure ...?" is asked at the clock once the asker has its answer.
    app.setChecked("CheckBoxWarnifChangingSettings1", true);
    for (const Answer at : {Answer::Cancel, Answer::Yes}) {
        const std::size_t boxes = c.fakes.dialogs.boxes().size();
        EXPECT_EQ(c.ask("alarm on").text, "asked at the clock");
        EXPECT_EQ(c.fakes.dialogs.boxes().size(), boxes);
        EXPECT_FALSE(app.ctl("ON1").checked);
        c.fakes.dialogs.queueAnswer(at);
        finishRemoteRequest(app);
        EXPECT_EQ(app.ctl("ON1").checked, at == Answer::Yes);
    }

    app.userClick("CheckBoxLock");
    const RemoteAnswer locked = c.ask("alarm off");
    EXPECT_EQ(locked.outcome, RemoteOutcome::Locked);
    EXPECT_EQ(locked.text, "locked");
    EXPECT_EQ(c.ask("set-alarm 05:00").outcome, RemoteOutcome::Locked);
    EXPECT_TRUE(app.ctl("ON1").checked);
    EXPECT_EQ(app.ctl("LabelAlarmTime").caption, "06:45");
}

TEST(RemoteAnswers, SetAlarmInTheTwelveHourForm) {
    RunningClock c("Hour=07\r\nMinute=00\r\nN24Hour=0\r\n");
    Application& app = c.start();
    EXPECT_EQ(c.ask("set-alarm 18:05").outcome, RemoteOutcome::Done);
    EXPECT_EQ(app.ctl("LabelAlarmTime").caption, "6:05 PM");
    EXPECT_EQ(c.ask("set-alarm 0:30").outcome, RemoteOutcome::Done);
    EXPECT_EQ(app.ctl("LabelAlarmTime").caption, "12:30 AM");
}

// A remote request never waits on a box: what "Alarm Once" shows after the stop, and the
// question of "Warn if Changing Settings", come once the answer has gone out.
TEST(RemoteAnswers, StopWithAlarmOnceAnswersBeforeItsBoxes) {
    for (const bool warn : {false, true}) {
        RunningClock c(std::string(k24) + "AlarmOnce=1\r\nWarnChange=" + (warn ? "1" : "0") + "\r\n");
        Application& app = c.start();
        c.tick(2);
        ASSERT_TRUE(app.ctl("ButtonStopAlarm").enabled);
        const std::size_t boxes = c.fakes.dialogs.boxes().size();
        EXPECT_EQ(c.ask("stop").text, "stopped") << warn;
        EXPECT_EQ(c.fakes.dialogs.boxes().size(), boxes) << warn;
        EXPECT_FALSE(app.ctl("ButtonStopAlarm").enabled);
        EXPECT_EQ(app.ctl("ON1").checked, warn) << "switched off at once unless a question must come first";
        if (warn) c.fakes.dialogs.queueAnswer(Answer::Yes);
        finishRemoteRequest(app);
        EXPECT_FALSE(app.ctl("ON1").checked) << warn;
        EXPECT_EQ(c.fakes.dialogs.boxes().back().text, "You have turned your alarm off. It will be silent.");
        const std::size_t shown = c.fakes.dialogs.boxes().size();
        finishRemoteRequest(app); // nothing is left to show twice
        EXPECT_EQ(c.fakes.dialogs.boxes().size(), shown);
    }
}
