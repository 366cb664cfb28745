// The city's hours.minutes offset, held in a single float, as a shift of the clock.
#include "app/main_tick.h"
#include "framework/datetime.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

struct ShiftCase {
    float offset;
    int hours, minutes;
};

class CityShift : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(CityShift, GivesExactHoursAndMinutes) {
    const ShiftCase c = GetParam();
    for (const LocaleInfo& loc : {LocaleInfo::enUS(), LocaleInfo::deDE()}) {
        const DateTime shift = cityShift(c.offset, loc);
        EXPECT_EQ(toMilliseconds(shift), (c.hours * 60 + c.minutes) * 60000LL) << c.offset;
    }
}

INSTANTIATE_TEST_SUITE_P(Offsets, CityShift,
                         ::testing::Values(ShiftCase{5.30f, 5, 30}, ShiftCase{-3.30f, 3, 30},
                                           ShiftCase{0.0f, 0, 0}, ShiftCase{5.45f, 5, 45},
                                           ShiftCase{3.30f, 3, 30}, ShiftCase{-0.30f, 0, 30},
                                           ShiftCase{0.45f, 0, 45}, ShiftCase{-0.45f, 0, 45},
                                           ShiftCase{5.5f, 5, 50}, ShiftCase{-23.59f, 23, 59},
                                           ShiftCase{12.01f, 12, 1}));

TEST(CityTime, NegativeOffsetGoesBackAcrossMidnight) {
    const LocaleInfo loc = LocaleInfo::enUS();
    const DateTime monday2am = encodeDate(2026, 12, 7) + encodeTime(2, 0, 0);
    const DateTime t = cityTime(monday2am, -3.30f, loc);
    EXPECT_EQ(formatDateTime("dddd hh:nn", t, loc), "Sunday 22:30");
    const DateTime ahead = cityTime(encodeDate(2026, 12, 7) + encodeTime(22, 45, 0), 5.30f, loc);
    EXPECT_EQ(formatDateTime("dddd hh:nn", ahead, loc), "Tuesday 04:15");
}

} // namespace
