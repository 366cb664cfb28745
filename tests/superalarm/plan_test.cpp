// The plan's arithmetic: results across midnight, the day-long limits, the
// numbers the fields may hold and the order of the steps.
#include "superalarm/plan.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

PlanInput initialPlan() {
    PlanInput in;
    in.minutes = {25, 20, 20, 10, 25, 0, 0, 1, 10};
    in.target = 8 * 60;
    in.sleepHours = 8;
    return in;
}

TEST(Plan, ResultsWrapIntoThePreviousEvening) {
    PlanInput in = initialPlan();
    in.target = *minuteOfDay12(12, 30, false); // half past midnight
    in.minutes = {60, 0, 0, 0, 0, 0, 0, 0, 0};
    const PlanTimes t = computePlan(in);
    EXPECT_EQ(t.alarm, 23 * 60 + 30);
    EXPECT_EQ(t.bed, 15 * 60 + 30);
    EXPECT_EQ(t.shower, 30);
    EXPECT_EQ(t.drive, 30);
}

TEST(Plan, TheLastMinuteOfADayFitsAndAWholeDayDoesNot) {
    PlanInput in = initialPlan();
    in.minutes = {1439, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(checkPlan(in), PlanProblem::None);
    EXPECT_EQ(computePlan(in).alarm, 8 * 60 + 1);
    in.minutes[8] = 1;
    EXPECT_EQ(checkPlan(in), PlanProblem::StepsFillADay);
    in = initialPlan();
    in.sleepHours = 23;
    EXPECT_EQ(checkPlan(in), PlanProblem::None);
    EXPECT_EQ(computePlan(in).bed, 7 * 60 + 9);
    in.sleepHours = 24;
    EXPECT_EQ(checkPlan(in), PlanProblem::SleepFillsADay);
}

TEST(Plan, TwelveHourTimesAndFieldNumbers) {
    EXPECT_EQ(minuteOfDay12(12, 0, false), 0);
    EXPECT_EQ(minuteOfDay12(12, 0, true), 12 * 60);
    EXPECT_EQ(minuteOfDay12(11, 59, true), 23 * 60 + 59);
    EXPECT_FALSE(minuteOfDay12(0, 0, false));
    EXPECT_FALSE(minuteOfDay12(13, 0, false));
    EXPECT_FALSE(minuteOfDay12(8, 60, false));
    EXPECT_EQ(planNumber("007"), 7);
    EXPECT_FALSE(planNumber(""));
    EXPECT_FALSE(planNumber("-5"));
    EXPECT_FALSE(planNumber("+5"));
    EXPECT_FALSE(planNumber("1 "));
    EXPECT_FALSE(planNumber("9999999")); // would overflow a sum long before a day is full
}

TEST(Plan, StagesFollowTheStepStartsAndSkipAStepOfNoMinutes) {
    EXPECT_EQ(milestoneStage(393, 394, 414, 434, 444), 0);
    EXPECT_EQ(milestoneStage(394, 394, 414, 434, 444), 1);
    EXPECT_EQ(milestoneStage(433, 394, 414, 434, 444), 2);
    EXPECT_EQ(milestoneStage(444, 394, 414, 434, 444), 4);
    // a shower of 0 minutes: dressing starts with it and the shower is never current
    EXPECT_EQ(milestoneStage(394, 394, 394, 434, 444), 2);
}

} // namespace
