#include "framework/locale_info.h"

namespace kelvaro {

LocaleInfo LocaleInfo::enUS() {
    LocaleInfo l;
    l.longDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    l.shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    l.longMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                        "July",    "August",   "September", "October", "November", "December"};
    l.shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return l;
}

// Built in one initialisation: assigning the short texts one by one trips GCC 12's false
// -Wrestrict at -O2 and above.
LocaleInfo LocaleInfo::deDE() {
    return LocaleInfo{
        .timeSeparator = ":",
        .dateSeparator = ".",
        .decimalSeparator = ",",
        .amDesignator = "AM",
        .pmDesignator = "PM",
        .shortDateFormat = "dd.mm.yyyy",
        .longDateFormat = "dddd, d. mmmm yyyy",
        .shortTimeFormat = "hh:mm",
        .longTimeFormat = "hh:mm:ss",
        .longDayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
        .shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"},
        .longMonthNames = {"Januar", "Februar", "M\u00e4rz", "April", "Mai", "Juni", "Juli", "August",
                           "September", "Oktober", "November", "Dezember"},
        .shortMonthNames = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov",
                            "Dez"},
    };
}

std::optional<LocaleInfo> LocaleInfo::preset(std::string_view name) {
    if (name == "en_US" || name == "en-US") return enUS();
    if (name == "de_DE" || name == "de-DE") return deDE();
    return std::nullopt;
}

} // namespace kelvaro
