// Reading the Time Protocol's four bytes, across the 2036 wrap of its counter.
#include "framework/datetime.h"
#include "webtime/time_protocol.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {
double at(int y, int mo, int d, int h, int mi, int s) {
    return encodeDate(y, mo, d) + encodeTime(h, mi, s);
}
} // namespace

TEST(TimeProtocol, OnlyExactlyFourBytesAreAReply) {
    EXPECT_EQ(timeProtocolSeconds({0xE8, 0x22, 0x5E, 0x40}), 3'894'566'464u);
    EXPECT_EQ(timeProtocolSeconds({0xFF, 0xFF, 0xFF, 0xFF}), 0xFFFF'FFFFu);
    EXPECT_FALSE(timeProtocolSeconds({}));
    EXPECT_FALSE(timeProtocolSeconds({0xE8, 0x22, 0x5E}));
    EXPECT_FALSE(timeProtocolSeconds({0xE8, 0x22, 0x5E, 0x40, 0, 0, 0, 0}));
}

TEST(TimeProtocol, SecondsBecomeUtcDateTimesInTheRightEra) {
    EXPECT_NEAR(timeProtocolDateTime(3'894'566'464u), at(2023, 6, 1, 0, 1, 4), 1e-9);
    EXPECT_NEAR(timeProtocolDateTime(0x8000'0000u), at(1968, 1, 20, 3, 14, 8), 1e-9);
    EXPECT_NEAR(timeProtocolDateTime(0xFFFF'FFFFu), at(2036, 2, 7, 6, 28, 15), 1e-9);
    // After the wrap the counter starts again from 0 on 7 February 2036 06:28:16.
    EXPECT_NEAR(timeProtocolDateTime(0u), at(2036, 2, 7, 6, 28, 16), 1e-9);
    EXPECT_NEAR(timeProtocolDateTime(64u), at(2036, 2, 7, 6, 29, 20), 1e-9);
    EXPECT_NEAR(timeProtocolDateTime(0x7FFF'FFFFu), at(2104, 2, 26, 9, 42, 23), 1e-9);
}
