#include "framework/datetime.h"
#include "platform/fake/fake_autostart.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_speaker.h"
#include "platform/fake/fake_zone_database.h"

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

// Minutes of a local date-time, to compare without the error of the days held as a double.
long minutes(double localDateTime) {
    return std::lround(localDateTime * 1440.0);
}

TEST(FakeClock, InAZoneLocalTimeJumpsAtItsChangesWhileTimeRunsOn) {
    FakeZoneDatabase zones;
    FakeClock clock;
    const double day = *tryEncodeDate(2027, 3, 28);
    clock.set(day + 1.0 / 24 + 59.0 / 1440); // 01:59 UTC
    clock.followZone(zones, "Europe/Paris");
    EXPECT_EQ(minutes(clock.now()), minutes(day + 3.0 / 24 + 59.0 / 1440)) << "the instant stays";
    EXPECT_EQ(clock.utcOffsetMinutes(), 60 + 60);
    EXPECT_EQ(clock.zoneId(), "Europe/Paris");
    clock.set(day + 1.0 / 24 + 59.0 / 1440); // 01:59 local, before the change
    EXPECT_EQ(clock.utcOffsetMinutes(), 60);
    clock.advanceSeconds(60);
    EXPECT_EQ(minutes(clock.now()), minutes(day + 3.0 / 24)) << "02:00 does not exist";
    // Autumn: the hour from 02:00 to 03:00 is shown twice.
    const double autumn = *tryEncodeDate(2027, 10, 31);
    clock.set(autumn + 2.0 / 24 + 30.0 / 1440);
    EXPECT_EQ(clock.utcOffsetMinutes(), 60) << "a repeated time is taken as the later one";
    clock.set(autumn + 1.0 / 24 + 30.0 / 1440);
    clock.advanceSeconds(90 * 60);
    EXPECT_EQ(minutes(clock.now()), minutes(autumn + 2.0 / 24));
    EXPECT_EQ(clock.utcOffsetMinutes(), 60);
    clock.setUtcOffsetMinutes(-300);
    EXPECT_EQ(minutes(clock.now()), minutes(autumn + 2.0 / 24)) << "a fixed offset keeps the local time";
    EXPECT_EQ(clock.zoneId(), "");
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
