#include "platform/fake_autostart.h"
#include "platform/fake_clock.h"
#include "platform/fake_shell.h"
#include "platform/fake_speaker.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvaro;

TEST(FakeClock, StepsLandExactlyOnWholeSecondsAcrossMidnight) {
    FakeClock clock(37257.0 + 23.0 / 24.0); // 1 Jan 2002, 23:00
    for (int i = 0; i < 3600; ++i)
        clock.advanceSeconds(1);
    EXPECT_EQ(clock.now(), 37258.0); // exactly midnight, no drift from 3600 additions
    clock.advanceSeconds(-0.5);
    EXPECT_DOUBLE_EQ(clock.now(), 37258.0 - 0.5 / 86400.0);
    clock.set(40000.25);
    clock.setUtcOffsetMinutes(-330);
    EXPECT_EQ(clock.now(), 40000.25);
    EXPECT_EQ(clock.utcOffsetMinutes(), -330);
}

TEST(FakeSpeaker, RecordsSoundsAsText) {
    FakeSpeaker speaker;
    EXPECT_EQ(speaker.last(), "");
    speaker.tone(523, 100);
    EXPECT_EQ(speaker.last(), "523/100");
    speaker.ding();
    EXPECT_EQ(speaker.last(), "ding");
    EXPECT_EQ(speaker.count(), 2);
}

TEST(FakeShell, RecordsRequestsAndAnswersFromItsSettings) {
    FakeShell shell;
    EXPECT_TRUE(shell.startProgram("/opt/app/CleanUp", {}));
    EXPECT_EQ(shell.last(), "/opt/app/CleanUp");
    EXPECT_TRUE(shell.startProgram("/usr/bin/player", {"-q", "song.mp3"}));
    EXPECT_EQ(shell.last(), "/usr/bin/player -q song.mp3");

    shell.markMissing("/usr/bin/gone");
    EXPECT_FALSE(shell.startProgram("/usr/bin/gone", {"x"}));
    EXPECT_EQ(shell.last(), "/usr/bin/gone x"); // failed attempts are recorded too

    EXPECT_TRUE(shell.open("http://example.invalid/b1.htm"));
    shell.setOpenFails(true);
    EXPECT_FALSE(shell.open("/tmp/a.mp3"));
    EXPECT_EQ(shell.requests().size(), 5u);

    EXPECT_FALSE(shell.isExecutable("/opt/app/CleanUp"));
    shell.addExecutable("/opt/app/CleanUp");
    EXPECT_TRUE(shell.isExecutable("/opt/app/CleanUp"));
}

TEST(FakeAutostart, KeepsOneEntryPerName) {
    FakeAutostart autostart;
    autostart.writeEntry("Alarm Clock", "/opt/kelvaro/kelvaro", {"auto"});
    autostart.writeEntry("Alarm Clock", "/usr/bin/kelvaro", {"auto"});
    EXPECT_EQ(autostart.entry("Alarm Clock"), "/usr/bin/kelvaro auto");
    EXPECT_EQ(autostart.entries().size(), 1u);
    autostart.removeEntry("Alarm Clock");
    EXPECT_FALSE(autostart.hasEntry("Alarm Clock"));
}
