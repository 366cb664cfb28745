#include "framework/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kelvaro;

namespace {

const LocaleInfo us = LocaleInfo::enUS();
const LocaleInfo de = LocaleInfo::deDE();

TEST(StrToInt, DecimalAndHexadecimalForms) {
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {{"0", 0},
                 {"42", 42},
                 {"-7", -7},
                 {"+7", 7},
                 {"  12", 12},
                 {"0x1", 1},
                 {"0X1F", 31},
                 {"$ff", 255},
                 {"-$10", -16},
                 {"0xFFFFFFFF", -1},
                 {"2147483647", INT32_MAX},
                 {"-2147483648", INT32_MIN},
                 {"2147483648", std::nullopt},
                 {"12 ", std::nullopt},
                 {"", std::nullopt},
                 {"0x", std::nullopt},
                 {"1.5", std::nullopt},
                 {"abc", std::nullopt},
                 {"0x1G", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(tryStrToInt(c.text), c.value) << c.text;
    EXPECT_THROW(strToInt("x"), ConvertError);
    EXPECT_EQ(strToIntDef("nope", 5), 5);
}

TEST(StrToFloat, UsesTheLocaleDecimalSeparator) {
    EXPECT_DOUBLE_EQ(*tryStrToFloat("5.30", us), 5.30);
    EXPECT_DOUBLE_EQ(*tryStrToFloat("-3,30", de), -3.30);
    EXPECT_DOUBLE_EQ(*tryStrToFloat(" 1E3 ", us), 1000.0);
    EXPECT_DOUBLE_EQ(*tryStrToFloat(".5", us), 0.5);
    EXPECT_FALSE(tryStrToFloat("5,30", us));
    EXPECT_FALSE(tryStrToFloat("5.30", de));
    EXPECT_FALSE(tryStrToFloat("", us));
    EXPECT_FALSE(tryStrToFloat("-", us));
    EXPECT_FALSE(tryStrToFloat("1e", us));
    try {
        strToFloat("x1", us);
        FAIL();
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'x1' is not a valid floating point value");
    }
}

TEST(FloatToStr, ShortestGeneralForm) {
    const struct {
        double value;
        const char* enUS;
    } cases[] = {{0, "0"},           {5.5, "5.5"},       {-3.3, "-3.3"},
                 {12, "12"},         {0.1 + 0.2, "0.3"}, {1e20, "1E20"},
                 {1.5e-7, "1.5E-7"}, {0.0001, "0.0001"}, {123456789012345.0, "123456789012345"}};
    for (const auto& c : cases)
        EXPECT_EQ(floatToStr(c.value, us), c.enUS) << c.value;
    EXPECT_EQ(floatToStr(5.3, de), "5,3");
}

TEST(FloatToStr, EveryFiniteValueReadsBack) {
    const double max = std::numeric_limits<double>::max();
    // Fifteen digits of the largest double round past it; those two need all their digits.
    EXPECT_EQ(floatToStr(max, us), "1.7976931348623157E308");
    EXPECT_EQ(floatToStr(-max, de), "-1,7976931348623157E308");
    EXPECT_EQ(strToFloat(floatToStr(max, us), us), max);
    EXPECT_EQ(strToFloat(floatToStr(-max, de), de), -max);
    EXPECT_EQ(floatToStr(1.79769313486231e308, us), "1.79769313486231E308"); // just below: 15 digits
    const double smallest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(floatToStr(smallest, us), "4.94065645841247E-324");
    for (const double tiny : {smallest, -smallest, 1e-310, std::numeric_limits<double>::min() / 3}) {
        const auto back = tryStrToFloat(floatToStr(tiny, us), us);
        ASSERT_TRUE(back.has_value()) << floatToStr(tiny, us);
        EXPECT_NEAR(*back, tiny, std::fabs(tiny) * 1e-14) << floatToStr(tiny, us);
    }
}

TEST(FloatToStr, NotANumberAndInfinitiesAreNamedButNeverReadAsNumbers) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(floatToStr(std::nan(""), us), "NAN");
    EXPECT_EQ(floatToStr(inf, us), "INF");
    EXPECT_EQ(floatToStr(-inf, us), "-INF");
    for (const char* text : {"NAN", "INF", "-INF", "1E309"})
        EXPECT_FALSE(tryStrToFloat(text, us).has_value()) << text;
}

TEST(FormatFloat, RoundsHalfAwayFromZero) {
    const float offset = 5.45f;
    // The single's true value times 100 (as the framework's wider arithmetic keeps it): 44.99998.
    const double minutes = static_cast<double>(offset) * 100 - 500;
    ASSERT_LT(minutes, 45.0);
    EXPECT_EQ(formatFloat("0", minutes, us), "45");
    const double negative = static_cast<double>(-3.30f) * 100 + 300;
    ASSERT_GT(negative, -30.0);
    EXPECT_EQ(formatFloat("0", negative, us), "-30");

    const struct {
        const char* pattern;
        double value;
        const char* enUS;
    } cases[] = {{"0", 2.5, "3"},
                 {"0", -2.5, "-3"},
                 {"0", 0.4, "0"},
                 {"0", -0.4, "0"},
                 {"0.0", 0.05, "0.1"},
                 {"0.00", 0.125, "0.13"},
                 {"0.00", 1.0, "1.00"},
                 {"0.00", 9.999, "10.00"},
                 {"00", 7, "07"},
                 {"#.##", 0.5, ".5"},
                 {"#,##0", 1234567, "1,234,567"},
                 {"0 min", 3.2, "3 min"},
                 {"0", 1e15 + 0.5, "1000000000000001"}};
    for (const auto& c : cases)
        EXPECT_EQ(formatFloat(c.pattern, c.value, us), c.enUS) << c.pattern << " " << c.value;
    EXPECT_EQ(formatFloat("0.00", 1.5, de), "1,50");
}

TEST(TextCase, AsciiAndLatin1) {
    EXPECT_EQ(upperCase("am/pm \u00e4"), "AM/PM \u00e4");
    EXPECT_EQ(lowerCase("AM \u00c4"), "am \u00c4");
    EXPECT_EQ(upperCaseUtf8("m\u00e4rz \u00f7 \u00ff"), "M\u00c4RZ \u00f7 \u00ff");
    EXPECT_EQ(lowerCaseUtf8("M\u00c4RZ \u00d7"), "m\u00e4rz \u00d7");
    EXPECT_TRUE(sameText("Auto", "AUTO"));
    EXPECT_FALSE(sameText("Auto", "AUTOS"));
    EXPECT_EQ(trim("\t  7:00 \r\n"), "7:00");
}

} // namespace
