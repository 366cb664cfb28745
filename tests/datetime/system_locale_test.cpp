#include "framework/datetime.h"
#include "platform/linux/system_locale.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

TEST(SystemLocale, GermanSettingsFormatAndReadBack) {
    const LocaleInfo info = localeInfoFrom(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(info.timeSeparator, ":");
    EXPECT_EQ(info.dateSeparator, ".");
    EXPECT_EQ(info.decimalSeparator, ",");
    EXPECT_EQ(info.longDayNames[1], "Montag");
    EXPECT_EQ(info.longMonthNames[0], "Januar");
    const DateTime t = encodeDate(2024, 3, 5) + encodeTime(14, 7, 3);
    EXPECT_EQ(formatDateTime("tt", t, info), "14:07:03");
    EXPECT_EQ(formatDateTime("ddddd", t, info), "05.03.24");
    EXPECT_EQ(toMilliseconds(*strToDateTime(dateTimeToStr(t, info), info, 2024)), toMilliseconds(t));
}

TEST(SystemLocale, AmericanTimesUseTheTwelveHourClock) {
    const LocaleInfo info = localeInfoFrom(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(info.amDesignator, "AM");
    EXPECT_EQ(info.longDayNames[0], "Sunday");
    const DateTime t = encodeTime(0, 10, 0);
    const std::string text = formatDateTime("tt", t, info);
    EXPECT_NE(text.find("12:10:00"), std::string::npos) << text;
    EXPECT_NE(text.find("AM"), std::string::npos) << text;
    EXPECT_EQ(toMilliseconds(*strToTime(text, info)), toMilliseconds(t));
}

TEST(SystemLocale, EveryLocaleReadsBackTheClockFormats) {
    const char* formats[] = {"h:mm AMPM", "hh:mm AMPM", "h:mm:ss", "tt"};
    int checked = 0;
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const LocaleInfo info = localeInfoFrom(locale);
        if (info.timeSeparator != ":" && info.timeSeparator != ".")
            continue; // other digit systems are out of reach of the framework's conversions too
        for (const char* format : formats) {
            // Long time formats with words in them ("H:mm:ss 'ч'.") do not read back, as in the framework.
            if (std::string_view(format) == "tt" && info.longTimeFormat.find('"') != std::string::npos)
                continue;
            for (DateTime t : {encodeTime(0, 10, 5), encodeTime(12, 0, 0), encodeTime(19, 45, 30)}) {
                const std::string text = formatDateTime(format, t, info);
                const auto back = strToTime(text, info);
                ASSERT_TRUE(back) << locale.name().toStdString() << " " << text;
                EXPECT_EQ(formatDateTime(format, *back, info), text) << locale.name().toStdString();
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

} // namespace
