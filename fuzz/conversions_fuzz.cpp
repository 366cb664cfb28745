// Feeds arbitrary text to the date-time and number conversions of both locales: reading must
// never crash or throw anything but the framework's conversion error, and a time or number it
// reads must be written and read back to the same value.
#include "framework/conversions.h"
#include "framework/datetime.h"
#include "framework/locale_info.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace kelvaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    static const LocaleInfo locales[] = {LocaleInfo::enUS(), LocaleInfo::deDE()};
    const LocaleInfo& locale = locales[data[0] & 1];
    double value = 0; // the next eight bytes: a date-time to format
    std::memcpy(&value, data + 1, sizeof value);
    const std::string text(reinterpret_cast<const char*>(data + 9), size - 9);

    (void)tryStrToInt(text);
    (void)strToIntDef(text, 0);
    (void)strToDateTime(text, locale, 1950 + data[0] % 100);
    (void)strToDate(text, locale);
    (void)upperCaseUtf8(text);
    (void)lowerCaseUtf8(text);
    (void)trim(text);
    try {
        (void)strToDateTimeOrThrow(text, locale);
    } catch (const ConvertError&) {
    }

    if (const auto time = strToTime(text, locale)) {
        // The milliseconds follow the locale's decimal separator.
        const std::string written = formatDateTime("hh:nn:ss", *time, locale) + locale.decimalSeparator +
                                    formatDateTime("zzz", *time, locale);
        const auto back = strToTime(written, locale);
        if (!back || std::fabs(*back - *time) > 0.5 / 86400000.0) std::abort();
    }
    if (const auto number = tryStrToFloat(text, locale); number && std::isfinite(*number)) {
        const auto back = tryStrToFloat(floatToStr(*number, locale), locale);
        if (!back || (*back != *number && std::fabs(*back - *number) > std::fabs(*number) * 1e-14))
            std::abort();
        (void)formatFloat(text, *number, locale);
    }
    // Formatting any date-time the tick or a file could hold, in any format text.
    if (std::isfinite(value) && std::fabs(value) < 3e6) {
        (void)formatDateTime(text, value, locale);
        (void)dateTimeToStr(value, locale);
    }
    return 0;
}
