// Which alarm minutes and snooze ends a gap in the ticking passed over, which of
// them still sounds, and the next one for the wake-up.
#include "alarm/missed_alarms.h"
#include "alarm_plan_builders.h"
#include "sound/gentle_start.h"

#include <gtest/gtest.h>

using namespace kelvaro;
using namespace kelvaro::testing;

TEST(MissedAlarms, AGapOverTheAlarmMinuteFindsItOnceAndTheEdgesAreExact) {
    const AlarmPlan plan = everyDayAt(7, 0);
    // Asleep from 23:00 to 07:00: the alarm minute is the last one of the gap.
    EXPECT_EQ(dueMoments(plan, at(7, 23, 0), at(8, 7, 0)), (std::vector<DueMoment>{{at(8, 7, 0), false}}));
    // The last tick's own minute was already tested by the program.
    EXPECT_TRUE(dueMoments(plan, at(8, 7, 0), at(8, 9, 0)).empty());
    EXPECT_TRUE(dueMoments(plan, at(7, 23, 0), at(8, 6, 59)).empty());
    // Two nights asleep: two alarms.
    EXPECT_EQ(dueMoments(plan, at(7, 23, 0), at(9, 8, 0)).size(), 2u);
}

TEST(MissedAlarms, SwitchedOffAlarmsAndDaysOffAreNotMissedButASnoozeIs) {
    AlarmPlan plan = everyDayAt(7, 0);
    plan.days[2] = false; // Tuesday
    EXPECT_TRUE(dueMoments(plan, at(7, 23, 0), at(8, 8, 0)).empty());
    plan.on = false;
    plan.snoozeMinute = 7 * 60 + 5; // a running snooze comes back whatever the switch says
    EXPECT_EQ(dueMoments(plan, at(8, 7, 1), at(8, 9, 0)), (std::vector<DueMoment>{{at(8, 7, 5), true}}));
}

TEST(MissedAlarms, TheSundayTimeCountsOnSundaysAndASnoozeAcrossMidnightEndsNextDay) {
    AlarmPlan plan = everyDayAt(7, 0);
    plan.sundayMinute = 9 * 60 + 30;
    EXPECT_EQ(dueMoments(plan, at(12, 23, 0), at(13, 12, 0)),
              (std::vector<DueMoment>{{at(13, 9, 30), false}})); // the 13th is a Sunday
    AlarmPlan snooze;
    snooze.snoozeMinute = 3; // started 23:58 with five minutes
    EXPECT_EQ(dueMoments(snooze, at(7, 23, 58), at(8, 1, 0)), (std::vector<DueMoment>{{at(8, 0, 3), true}}));
}

TEST(MissedAlarms, OnlyTheLatestWithinTheLimitSoundsTheRestAreReported) {
    const std::vector<DueMoment> missed = {{at(8, 7, 0), false}, {at(8, 7, 5), true}};
    MissedVerdict v = judgeMissed(missed, at(8, 8, 5), 60);
    ASSERT_TRUE(v.sound.has_value());
    EXPECT_EQ(v.sound->minute, at(8, 7, 5));
    EXPECT_EQ(v.reported, (std::vector<DueMoment>{{at(8, 7, 0), false}}));
    // 60 minutes late is still within a limit of 60; 61 is not.
    EXPECT_TRUE(judgeMissed({{at(8, 7, 0), false}}, at(8, 8, 0), 60).sound.has_value());
    v = judgeMissed(missed, at(8, 9, 30), 60);
    EXPECT_FALSE(v.sound.has_value());
    EXPECT_EQ(v.reported.size(), 2u);
}

TEST(MissedAlarms, NextDueIsStrictlyAfterNowAndNothingWhenNoDayIsOn) {
    AlarmPlan plan = everyDayAt(7, 0);
    EXPECT_EQ(nextDue(plan, at(7, 7, 0))->minute, at(8, 7, 0)); // the alarm of this minute has rung
    EXPECT_EQ(nextDue(plan, at(7, 6, 59))->minute, at(7, 7, 0));
    plan.days.fill(false);
    EXPECT_FALSE(nextDue(plan, at(7, 6, 0)).has_value());
    plan.snoozeMinute = 7 * 60 + 10;
    EXPECT_TRUE(nextDue(plan, at(7, 7, 1))->snooze);
}

TEST(GentleStart, ClimbsFromAQuietLevelToTheAlarmLevelAndStaysThere) {
    EXPECT_EQ(gentleLevelAt(65534, 0, 10), 3276);
    EXPECT_EQ(gentleLevelAt(65534, 5000, 10), 3276 + (65534 - 3276) / 2);
    EXPECT_EQ(gentleLevelAt(65534, 10000, 10), 65534);
    EXPECT_EQ(gentleLevelAt(65534, 99999, 10), 65534);
    EXPECT_EQ(gentleLevelAt(65534, 0, 0), 65534); // off: at once
    EXPECT_EQ(gentleLevelAt(10, 0, 10), 1);       // never silent at the start
    EXPECT_EQ(gentleLevelAt(0, 500, 10), 0);
}
