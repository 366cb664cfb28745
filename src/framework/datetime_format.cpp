// formatDateTime and the text forms built on it.
#include "framework/datetime.h"

#include <cctype>
#include <cstdio>

namespace kelvaro {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && sameText(text.substr(0, prefix.size()), prefix);
}

class DateTimeFormatter {
  public:
    DateTimeFormatter(DateTime value, const LocaleInfo& locale)
        : locale_(locale), date_(decodeDate(value)), time_(decodeTime(value)), weekday_(dayOfWeek(value)) {}

    std::string run(std::string_view format) {
        append(format.empty() ? std::string_view("C") : format, 0);
        return std::move(out_);
    }

  private:
    void number(int value, int digits) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%0*d", digits, value);
        out_ += buf;
    }

    // Nested formats (c, ddddd, t, ...) expand at most two levels deep, like the framework.
    void append(std::string_view format, int level) {
        if (level >= 2) return;
        char lastToken = ' ';
        bool use12Hour = false;
        std::size_t i = 0;
        while (i < format.size()) {
            const char starter = format[i++];
            std::size_t count = 1;
            auto takeCount = [&] {
                while (i < format.size() && format[i] == starter) {
                    ++i;
                    ++count;
                }
            };
            char token = static_cast<char>(std::toupper(static_cast<unsigned char>(starter)));
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && lastToken == 'H') token = 'N';
                lastToken = token;
            }
            switch (token) {
            case 'Y':
                takeCount();
                if (count <= 2)
                    number(date_.year % 100, 2);
                else
                    number(date_.year, 4);
                break;
            case 'M':
                takeCount();
                if (count <= 2)
                    number(date_.month, static_cast<int>(count));
                else if (count == 3)
                    out_ += locale_.shortMonthNames[date_.month - 1];
                else
                    out_ += locale_.longMonthNames[date_.month - 1];
                break;
            case 'D':
                takeCount();
                if (count <= 2)
                    number(date_.day, static_cast<int>(count));
                else if (count == 3)
                    out_ += locale_.shortDayNames[weekday_ - 1];
                else if (count == 4)
                    out_ += locale_.longDayNames[weekday_ - 1];
                else if (count == 5)
                    append(locale_.shortDateFormat, level + 1);
                else
                    append(locale_.longDateFormat, level + 1);
                break;
            case 'H':
                takeCount();
                hour(format.substr(i), count, use12Hour);
                break;
            case 'N':
                takeCount();
                number(time_.minute, count > 2 ? 2 : static_cast<int>(count));
                break;
            case 'S':
                takeCount();
                number(time_.second, count > 2 ? 2 : static_cast<int>(count));
                break;
            case 'Z':
                takeCount();
                number(time_.millisecond, count == 1 ? 1 : 3);
                break;
            case 'T':
                takeCount();
                append(count == 1 ? locale_.shortTimeFormat : locale_.longTimeFormat, level + 1);
                break;
            case 'C':
                takeCount();
                append(locale_.shortDateFormat, level + 1);
                if (time_.hour != 0 || time_.minute != 0 || time_.second != 0) {
                    out_ += ' ';
                    append(locale_.longTimeFormat, level + 1);
                }
                break;
            case 'A':
                i += designator(format.substr(i - 1), use12Hour);
                break;
            case '/':
                out_ += locale_.dateSeparator;
                break;
            case ':':
                out_ += locale_.timeSeparator;
                break;
            case '\'':
            case '"': {
                const std::size_t end = format.find(starter, i);
                out_ += format.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i);
                i = end == std::string_view::npos ? format.size() : end + 1;
                break;
            }
            default:
                out_ += starter;
            }
        }
    }

    // The hour is on the 12-hour clock when an AM/PM specifier follows before the next hour.
    void hour(std::string_view rest, std::size_t count, bool& use12Hour) {
        bool quoted = false;
        for (std::size_t p = 0; p < rest.size(); ++p) {
            const char c = rest[p];
            if ((c == 'a' || c == 'A') && !quoted) {
                const std::string_view at = rest.substr(p);
                if (startsWithNoCase(at, "AM/PM") || startsWithNoCase(at, "A/P") ||
                    startsWithNoCase(at, "AMPM"))
                    use12Hour = true;
                break;
            }
            if (c == 'h' || c == 'H') break;
            if (c == '\'' || c == '"') quoted = !quoted;
        }
        int h = time_.hour;
        if (use12Hour) h = h == 0 ? 12 : (h > 12 ? h - 12 : h);
        number(h, count > 2 ? 2 : static_cast<int>(count));
    }

    // Returns how many characters after the 'a' were consumed.
    std::size_t designator(std::string_view at, bool& use12Hour) {
        const bool pm = time_.hour >= 12;
        if (startsWithNoCase(at, "AM/PM")) {
            out_ += at.substr(pm ? 3 : 0, 2); // the case written in the format
            use12Hour = true;
            return 4;
        }
        if (startsWithNoCase(at, "A/P")) {
            out_ += at.substr(pm ? 2 : 0, 1);
            use12Hour = true;
            return 2;
        }
        if (startsWithNoCase(at, "AMPM")) {
            out_ += pm ? locale_.pmDesignator : locale_.amDesignator;
            use12Hour = true;
            return 3;
        }
        out_ += at[0];
        return 0;
    }

    const LocaleInfo& locale_;
    DateParts date_;
    TimeParts time_;
    int weekday_;
    std::string out_;
};

} // namespace

std::string formatDateTime(std::string_view format, DateTime value, const LocaleInfo& locale) {
    return DateTimeFormatter(value, locale).run(format);
}

std::string dateTimeToStr(DateTime value, const LocaleInfo& locale) {
    return formatDateTime("c", value, locale);
}

std::string dateToStr(DateTime value, const LocaleInfo& locale) {
    return formatDateTime("ddddd", value, locale);
}

std::string timeToStr(DateTime value, const LocaleInfo& locale) {
    return formatDateTime("tt", value, locale);
}

} // namespace kelvaro
