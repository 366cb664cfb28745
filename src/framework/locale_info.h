#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// The regional settings every date, time and number conversion reads. Formats are written in the
// date-time format language of formatDateTime (datetime.h). Texts are UTF-8.
struct LocaleInfo {
    std::string timeSeparator = ":";
    std::string dateSeparator = "/";
    std::string decimalSeparator = ".";
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
    std::string shortDateFormat = "m/d/yyyy";
    std::string longDateFormat = "dddd, mmmm d, yyyy";
    std::string shortTimeFormat = "h:mm AMPM";
    std::string longTimeFormat = "h:mm:ss AMPM";
    std::array<std::string, 7> longDayNames;  // [0] = Sunday
    std::array<std::string, 7> shortDayNames; // [0] = Sunday
    std::array<std::string, 12> longMonthNames;
    std::array<std::string, 12> shortMonthNames;

    static LocaleInfo enUS();
    static LocaleInfo deDE();
    // "en_US" or "de_DE" (also with '-'); nullopt for any other name.
    static std::optional<LocaleInfo> preset(std::string_view name);
};

} // namespace kelvaro
