#include "framework/locale_info.h"

namespace kelvaro {

LocaleInfo LocaleInfo::enUS()
{
    LocaleInfo l;
    l.longDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    l.shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    l.longMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                        "July",    "August",   "September", "October", "November", "December"};
    l.shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return l;
}

LocaleInfo LocaleInfo::deDE()
{
    LocaleInfo l;
    l.timeSeparator = ":";
    l.dateSeparator = ".";
    l.decimalSeparator = ",";
    l.amDesignator = "AM";
    l.pmDesignator = "PM";
    l.shortDateFormat = "dd.mm.yyyy";
    l.longDateFormat = "dddd, d. mmmm yyyy";
    l.shortTimeFormat = "hh:mm";
    l.longTimeFormat = "hh:mm:ss";
    l.longDayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    l.shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    l.longMonthNames = {"Januar", "Februar", "M\u00e4rz",    "April",   "Mai",      "Juni",
                        "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    l.shortMonthNames = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                         "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    return l;
}

std::optional<LocaleInfo> LocaleInfo::preset(std::string_view name)
{
    if (name == "en_US" || name == "en-US")
        return enUS();
    if (name == "de_DE" || name == "de-DE")
        return deDE();
    return std::nullopt;
}

} // namespace kelvaro
