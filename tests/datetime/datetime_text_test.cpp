#include "framework/datetime.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvaro;

namespace {

const LocaleInfo us = LocaleInfo::enUS();
const LocaleInfo de = LocaleInfo::deDE();

DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return encodeDate(y, mo, d) + encodeTime(h, mi, s, ms);
}

struct FormatCase {
    const char* format;
    DateTime value;
    const char* enUS;
    const char* deDE;
};

class FormatDateTime : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDateTime, InBothLocales) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatDateTime(c.format, c.value, us), c.enUS);
    EXPECT_EQ(formatDateTime(c.format, c.value, de), c.deDE);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramFormats, FormatDateTime,
    ::testing::Values(FormatCase{"hh:mm", at(2024, 3, 5, 7, 5), "07:05", "07:05"},
                      FormatCase{"h:mm AMPM", at(2024, 3, 5, 0, 10), "12:10 AM", "12:10 AM"},
                      FormatCase{"h:mm AMPM", at(2024, 3, 5, 12, 0), "12:00 PM", "12:00 PM"},
                      FormatCase{"h:mm AMPM", at(2024, 3, 5, 19, 45), "7:45 PM", "7:45 PM"},
                      FormatCase{"hh:mm AMPM", at(2024, 3, 5, 7, 5), "07:05 AM", "07:05 AM"},
                      FormatCase{"hh:mm", encodeTime(0, 30, 0), "00:30", "00:30"},
                      FormatCase{"dddd, dd mmmm yyyy", at(2024, 3, 4), "Monday, 04 March 2024",
                                 "Montag, 04 M\u00e4rz 2024"},
                      FormatCase{"dddd, dd mmmm yyyy", at(2002, 1, 6), "Sunday, 06 January 2002",
                                 "Sonntag, 06 Januar 2002"},
                      FormatCase{"hh:mm:ss", encodeTime(0, 4, 9), "00:04:09", "00:04:09"},
                      FormatCase{"h:mm:ss", at(2024, 3, 5, 7, 5, 9), "7:05:09", "7:05:09"},
                      FormatCase{"hh:mm:00", 780.0 / 86400.0, "00:13:00", "00:13:00"},
                      FormatCase{"h:mm:ss AMPM dddd, dd mmmm yyyy", at(2024, 12, 31, 23, 59, 58),
                                 "11:59:58 PM Tuesday, 31 December 2024",
                                 "11:59:58 PM Dienstag, 31 Dezember 2024"},
                      FormatCase{"c", at(2024, 3, 5, 14, 7, 3), "3/5/2024 2:07:03 PM", "05.03.2024 14:07:03"},
                      FormatCase{"c", at(2024, 3, 5), "3/5/2024", "05.03.2024"},
                      FormatCase{"ddd d mmm yy", at(2024, 3, 5), "Tue 5 Mar 24", "Di 5 Mrz 24"},
                      FormatCase{"hh:nn:ss.zzz", encodeTime(1, 2, 3, 45), "01:02:03.045", "01:02:03.045"},
                      FormatCase{"h am/pm 'at' a/p", encodeTime(13, 0, 0), "1 pm at p", "1 pm at p"},
                      FormatCase{"\"h\" hh", encodeTime(9, 0, 0), "h 09", "h 09"},
                      // Past one day: only the time of day shows; a bare time is on 30 December 1899.
                      FormatCase{"hh:mm", 1.5, "12:00", "12:00"},
                      FormatCase{"yyyy-mm-dd hh:nn", 0.25, "1899-12-30 06:00", "1899-12-30 06:00"},
                      FormatCase{"yyyy-mm-dd hh:nn", -1.25, "1899-12-29 06:00", "1899-12-29 06:00"},
                      // Rounded to the millisecond before splitting.
                      FormatCase{"hh:mm", encodeTime(8, 0, 0) - 111.0 / 1440.0, "06:09", "06:09"},
                      FormatCase{"hh:mm:ss", encodeTime(10, 0, 0) - 1e-10, "10:00:00", "10:00:00"}));

TEST(DateTimeToStr, ShortDateThenLongTimeUnlessMidnight) {
    EXPECT_EQ(dateTimeToStr(at(2002, 1, 1), us), "1/1/2002");
    EXPECT_EQ(dateTimeToStr(at(2002, 1, 1, 0, 0, 1), de), "01.01.2002 00:00:01");
    EXPECT_EQ(dateToStr(at(2002, 11, 9, 8), de), "09.11.2002");
    EXPECT_EQ(timeToStr(encodeTime(0, 10, 0), us), "12:10:00 AM");
    EXPECT_EQ(timeToStr(encodeTime(0, 10, 0), de), "00:10:00");
}

struct ParseCase {
    const char* text;
    std::optional<TimeParts> expected;
};

class StrToTimeUS : public ::testing::TestWithParam<ParseCase> {};

TEST_P(StrToTimeUS, ReadsOrRefuses) {
    const ParseCase& c = GetParam();
    const auto t = strToTime(c.text, us);
    ASSERT_EQ(t.has_value(), c.expected.has_value()) << c.text;
    if (t) {
        EXPECT_EQ(decodeTime(*t), *c.expected) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToTimeUS,
    ::testing::Values(
        ParseCase{"07:05", TimeParts{7, 5, 0, 0}}, ParseCase{"7:05:09", TimeParts{7, 5, 9, 0}},
        ParseCase{"23:59:59.999", TimeParts{23, 59, 59, 999}}, ParseCase{"12:00 AM", TimeParts{0, 0, 0, 0}},
        ParseCase{"12:00 PM", TimeParts{12, 0, 0, 0}}, ParseCase{"12:30 am", TimeParts{0, 30, 0, 0}},
        ParseCase{"7:45PM", TimeParts{19, 45, 0, 0}}, ParseCase{"PM 7:45", TimeParts{19, 45, 0, 0}},
        ParseCase{" 7 pm ", TimeParts{19, 0, 0, 0}}, ParseCase{"05:30", TimeParts{5, 30, 0, 0}},
        ParseCase{"0:00:00", TimeParts{0, 0, 0, 0}}, ParseCase{"00:10 AM", std::nullopt},
        ParseCase{"13:00 PM", std::nullopt}, ParseCase{"24:00", std::nullopt},
        ParseCase{"7:60", std::nullopt}, ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt},
        ParseCase{"abc", std::nullopt}, ParseCase{"7:", std::nullopt}, ParseCase{"7:00 XM", std::nullopt},
        ParseCase{"7:00 AM PM", std::nullopt}, ParseCase{"AM 7:00 PM", std::nullopt},
        ParseCase{"7.00", std::nullopt}));

TEST(StrToTime, DesignatorsWithDotsAndBlanksMatchAtTheEnd) {
    LocaleInfo es = LocaleInfo::enUS();
    es.amDesignator = "a. m.";
    es.pmDesignator = "p. m.";
    EXPECT_EQ(toMilliseconds(*strToTime("7:15 p. m.", es)), toMilliseconds(encodeTime(19, 15, 0)));
    EXPECT_EQ(toMilliseconds(*strToTime("12:15 A.M.", es)), toMilliseconds(encodeTime(0, 15, 0)));
    EXPECT_EQ(toMilliseconds(*strToTime("7:15 PM", es)), toMilliseconds(encodeTime(19, 15, 0)));
    // A narrow no-break space before the designator, as some system formats have.
    EXPECT_TRUE(strToTime("7:15\u202fp. m.", es));
    EXPECT_FALSE(strToTime("7:15 p. x.", es));

    LocaleInfo lower = LocaleInfo::enUS();
    lower.amDesignator = "am";
    lower.pmDesignator = "pm";
    EXPECT_EQ(formatDateTime("h:mm AMPM", encodeTime(15, 0, 0), lower), "3:00 pm");
    EXPECT_EQ(toMilliseconds(*strToTime("3:00 PM", lower)), toMilliseconds(encodeTime(15, 0, 0)));
}

TEST(StrToTime, UsesTheLocaleSeparators) {
    LocaleInfo dotted = LocaleInfo::deDE();
    dotted.timeSeparator = ".";
    EXPECT_EQ(toMilliseconds(*strToTime("7.05", dotted)), toMilliseconds(encodeTime(7, 5, 0)));
    EXPECT_FALSE(strToTime("7:05", dotted));
    EXPECT_EQ(decodeTime(*strToTime("1:02:03,5", de)), (TimeParts{1, 2, 3, 5}));
    EXPECT_THROW(strToTimeOrThrow("x", de), ConvertError);
    try {
        strToTimeOrThrow("25:00", us);
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'25:00' is not a valid time");
    }
}

TEST(RoundTrip, FormatThenParseGivesTheSameMillisecond) {
    const char* formats[] = {"hh:mm", "h:mm AMPM", "hh:mm AMPM", "hh:mm:ss", "h:mm:ss", "tt", "t"};
    for (const LocaleInfo* locale : {&us, &de}) {
        for (int minute = 0; minute < 24 * 60; minute += 7) {
            const DateTime t = minute / 1440.0 + (minute % 3) / 86400.0;
            for (const char* format : formats) {
                const std::string text = formatDateTime(format, t, *locale);
                const auto back = strToTime(text, *locale);
                ASSERT_TRUE(back) << text;
                const std::string again = formatDateTime(format, *back, *locale);
                EXPECT_EQ(again, text) << format;
            }
        }
    }
}

TEST(StrToDateTime, ReadsTheShortDateOrderThenTheTime) {
    EXPECT_EQ(toMilliseconds(*strToDateTime("01/01/2002 00:00:00", us)), toMilliseconds(37257.0));
    EXPECT_EQ(toMilliseconds(*strToDateTime("3/5/2024 2:07:03 PM", us)),
              toMilliseconds(at(2024, 3, 5, 14, 7, 3)));
    EXPECT_EQ(toMilliseconds(*strToDateTime("05.03.2024 14:07", de)), toMilliseconds(at(2024, 3, 5, 14, 7)));
    EXPECT_EQ(toMilliseconds(*strToDateTime("5.3.24", de)), toMilliseconds(at(2024, 3, 5)));
    EXPECT_EQ(toMilliseconds(*strToDateTime("5.3.70", de)), toMilliseconds(at(1970, 3, 5)));
    EXPECT_EQ(toMilliseconds(*strToDateTime("7:30", de)), toMilliseconds(encodeTime(7, 30, 0)));
    EXPECT_EQ(toMilliseconds(*strToDate("31.12.2002", de)), toMilliseconds(at(2002, 12, 31)));
    EXPECT_FALSE(strToDateTime("31.02.2002", de));
    EXPECT_FALSE(strToDateTime("01/01/2002 25:00", us));
    EXPECT_FALSE(strToDateTime("", us));
    for (DateTime v : {at(2024, 3, 5, 14, 7, 3), at(1999, 12, 31, 23, 59, 59), at(2030, 1, 1, 0, 0, 1)})
        for (const LocaleInfo* locale : {&us, &de})
            EXPECT_EQ(toMilliseconds(*strToDateTime(dateTimeToStr(v, *locale), *locale)), toMilliseconds(v));
}

} // namespace
