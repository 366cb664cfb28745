#include "moon/iso_instant.h"
#include "moon/moon_time.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvaro::moon {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

TEST(IsoInstant, ReadsDatesTimesFractionsAndZones) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"1992-04-12", EncodeMoonDateTime(1992, 4, 12)},
        {"1992-04-12T06:30", EncodeMoonDateTime(1992, 4, 12, 6, 30)},
        {"1992-04-12t06:30:15", EncodeMoonDateTime(1992, 4, 12, 6, 30, 15)},
        {"1992-04-12T06:30:15.25", EncodeMoonDateTime(1992, 4, 12, 6, 30, 15.25)},
        {"1992-04-12T06:30:15,5Z", EncodeMoonDateTime(1992, 4, 12, 6, 30, 15.5)},
        {"1992-04-12T06:30+02:00", EncodeMoonDateTime(1992, 4, 12, 4, 30)},
        {"1992-04-12T01:00+0530", EncodeMoonDateTime(1992, 4, 11, 19, 30)},
        {"1992-04-12T23:00-03", EncodeMoonDateTime(1992, 4, 13, 2, 0)},
        {"2000-02-29T00:00Z", EncodeMoonDateTime(2000, 2, 29)},
        {"1850-01-01", EncodeMoonDateTime(1850, 1, 1)},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseIsoInstant(c.text);
        ASSERT_TRUE(parsed.has_value()) << c.text;
        EXPECT_NEAR(*parsed, c.expected, 0.001 * kSecond) << c.text;
    }
}

TEST(IsoInstant, RejectsMalformedOrImpossibleInstants) {
    for (const char* text : {"",
                             "bogus",
                             "1992-4-12",
                             "92-04-12",
                             "1992/04/12",
                             "1992-13-01",
                             "1992-00-10",
                             "1900-02-29",
                             "1992-04-31",
                             "1992-04-12T24:00",
                             "1992-04-12T12:60",
                             "1992-04-12T12:00:60",
                             "1992-04-12T12",
                             "1992-04-12T12:00:00.",
                             "1992-04-12 12:00",
                             "1992-04-12Z",
                             "1992-04-12T12:00+25:00",
                             "1992-04-12T12:00+02:",
                             "1992-04-12T12:00 ",
                             "1992-04-12T12:00Zulu"}) {
        EXPECT_FALSE(ParseIsoInstant(text).has_value()) << '"' << text << '"';
    }
}

} // namespace
} // namespace kelvaro::moon
