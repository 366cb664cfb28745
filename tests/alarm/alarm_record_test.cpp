// The alarm record: its text survives a write and a read, anything less than a whole
// record is refused, and the look back from it finds what a start must ring or report.
#include "alarm/alarm_record.h"
#include "alarm_plan_builders.h"

#include <gtest/gtest.h>

using namespace kelvaro;
using namespace kelvaro::testing;

TEST(AlarmRecordFile, WrittenRecordsReadBackTheSame) {
    const AlarmRecord plain{at(7, 23, 0), std::nullopt};
    EXPECT_EQ(writeAlarmRecord(plain), "[AlarmRecord]\nDealtUpTo=2026-12-07 23:00\n");
    EXPECT_EQ(readAlarmRecord(writeAlarmRecord(plain)), plain);
    const AlarmRecord snoozing{at(8, 7, 0), at(8, 7, 5)};
    EXPECT_EQ(readAlarmRecord(writeAlarmRecord(snoozing)), snoozing);
    // Edited on another system: CR LF and no last line end.
    EXPECT_EQ(readAlarmRecord("[AlarmRecord]\r\nDealtUpTo=2026-12-07 23:00"), plain);
}

TEST(AlarmRecordFile, AnythingButAWholeRecordIsRefused) {
    for (const char* text : {
             "",
             "DealtUpTo=2026-12-07 23:00\n",                                // no section
             "[AlarmRecord]\n",                                             // no time
             "[AlarmRecord]\nDealtUpTo=2026-12-07 23:0",                    // torn
             "[AlarmRecord]\nDealtUpTo=2026-02-30 07:00\n",                 // no such day
             "[AlarmRecord]\nDealtUpTo=2026-12-07 24:00\n",                 // no such hour
             "[AlarmRecord]\nDealtUpTo=1899-12-31 07:00\n",                 // before 1900
             "[AlarmRecord]\nDealtUpTo=2026-12-07 +7:00\n",                 // not digits
             "[AlarmRecord]\nDealtUpTo=2026-12-07 23:00\nSnoozeEnd=soon\n", // a broken snooze
             "[AlarmRecord]\nDealtUpTo=2026-12-07 23:00\nDealtUpTo=2026-12-08 23:00\n",
             "[AlarmRecord]\nDealtUpTo=2026-12-07 23:00\n\x01\xff garbage\n",
         })
        EXPECT_FALSE(readAlarmRecord(text)) << text;
}

TEST(AlarmRecordLookBack, FindsTheAlarmsSinceTheRecordOnTheCityClock) {
    const AlarmPlan plan = everyDayAt(7, 0);
    // Closed at 23:00 UTC, started at 06:30 UTC; the city is an hour ahead: its 07:00 passed.
    EXPECT_EQ(missedSinceRecord(plan, {at(7, 23, 0), std::nullopt}, at(8, 6, 30), 60),
              (std::vector<DueMoment>{{at(8, 7, 0), false}}));
    EXPECT_TRUE(missedSinceRecord(plan, {at(7, 23, 0), std::nullopt}, at(8, 5, 30), 60).empty());
    // The record's own minute rang already.
    EXPECT_TRUE(missedSinceRecord(plan, {at(8, 7, 0), std::nullopt}, at(8, 7, 30), 0).empty());
    // The clock was set back behind the record: nothing.
    EXPECT_TRUE(missedSinceRecord(plan, {at(9, 8, 0), std::nullopt}, at(8, 7, 30), 0).empty());
}

TEST(AlarmRecordLookBack, TheRecordedSnoozeEndCountsOnceAndInOrder) {
    AlarmPlan plan = everyDayAt(7, 0);
    plan.snoozeMinute = 9 * 60; // the plan's own snooze is not running at a start
    const AlarmRecord record{at(7, 7, 0), at(7, 7, 5)};
    EXPECT_EQ(missedSinceRecord(plan, record, at(8, 7, 30), 0),
              (std::vector<DueMoment>{{at(7, 7, 5), true}, {at(8, 7, 0), false}}));
    // Not yet ended, or ended before the record: not missed.
    EXPECT_TRUE(missedSinceRecord(plan, record, at(7, 7, 4), 0).empty());
    EXPECT_EQ(missedSinceRecord(plan, {at(7, 7, 6), at(7, 7, 5)}, at(7, 8, 0), 0).size(), 0u);
    plan.on = false; // a snooze comes back whatever the switch says
    EXPECT_EQ(missedSinceRecord(plan, record, at(7, 7, 30), 0),
              (std::vector<DueMoment>{{at(7, 7, 5), true}}));
}
