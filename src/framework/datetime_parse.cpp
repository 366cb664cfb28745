// Reading dates and times back from text with the locale's separators and designators.
#include "framework/datetime.h"

#include <cctype>
#include <vector>

namespace kelvaro {

namespace {

// Blanks include the no-break spaces that system locales put before designators.
std::size_t blankLength(std::string_view s, std::size_t pos) {
    if (pos >= s.size()) return 0;
    if (s[pos] == ' ' || s[pos] == '\t') return 1;
    if (s.substr(pos, 2) == "\xC2\xA0") return 2;
    if (s.substr(pos, 3) == "\xE2\x80\xAF") return 3;
    return 0;
}

// A designator compares without case, blanks or dots: "a. m." matches "A.M." and "am".
std::string designatorKey(std::string_view s) {
    std::string key;
    for (std::size_t i = 0; i < s.size();) {
        if (const std::size_t n = blankLength(s, i)) {
            i += n;
            continue;
        }
        if (s[i] != '.') key += static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
        ++i;
    }
    return key;
}

class Scanner {
  public:
    explicit Scanner(std::string_view text) : s_(text) {}

    void skipBlanks() {
        while (const std::size_t n = blankLength(s_, pos_))
            pos_ += n;
    }
    bool atEnd() {
        skipBlanks();
        return pos_ >= s_.size();
    }
    bool symbol(std::string_view sym) {
        skipBlanks();
        if (sym.empty() || s_.substr(pos_, sym.size()) != sym) return false;
        pos_ += sym.size();
        return true;
    }
    bool number(int& value, int* digits = nullptr) {
        skipBlanks();
        const std::size_t start = pos_;
        long long n = 0;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) {
            if (n < 1'000'000) n = n * 10 + (s_[pos_] - '0');
            ++pos_;
        }
        if (pos_ == start) return false;
        value = static_cast<int>(n);
        if (digits) *digits = static_cast<int>(pos_ - start);
        return true;
    }
    std::string_view rest() const { return s_.substr(pos_); }
    void advance(std::size_t n) { pos_ += n; }

  private:
    std::string_view s_;
    std::size_t pos_ = 0;
};

// Base hour of the designator the text is made of (0 for AM, 12 for PM), or -1.
int designatorBase(std::string_view text, const LocaleInfo& locale) {
    const std::string key = designatorKey(text);
    if (key.empty()) return -1;
    for (std::string_view am : {std::string_view(locale.amDesignator), std::string_view("AM")})
        if (designatorKey(am) == key) return 0;
    for (std::string_view pm : {std::string_view(locale.pmDesignator), std::string_view("PM")})
        if (designatorKey(pm) == key) return 12;
    return -1;
}

// A designator in front of the numbers: the longest one the text starts with.
int leadingDesignator(Scanner& scan, const LocaleInfo& locale) {
    scan.skipBlanks();
    const std::string_view rest = scan.rest();
    struct Candidate {
        std::string_view text;
        int base;
    };
    const Candidate candidates[] = {
        {locale.amDesignator, 0}, {"AM", 0}, {locale.pmDesignator, 12}, {"PM", 12}};
    const Candidate* best = nullptr;
    for (const Candidate& c : candidates) {
        if (c.text.empty() || rest.size() < c.text.size() || !sameText(rest.substr(0, c.text.size()), c.text))
            continue;
        if (std::isdigit(static_cast<unsigned char>(c.text.front()))) continue;
        if (!best || c.text.size() > best->text.size()) best = &c;
    }
    if (!best) return -1;
    scan.advance(best->text.size());
    return best->base;
}

std::optional<DateTime> scanTime(Scanner& scan, const LocaleInfo& locale) {
    int base = leadingDesignator(scan, locale);
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    if (!scan.number(hour)) return std::nullopt;
    if (scan.symbol(locale.timeSeparator)) {
        if (!scan.number(minute)) return std::nullopt;
        if (scan.symbol(locale.timeSeparator)) {
            if (!scan.number(second)) return std::nullopt;
            // The framework reads the digits after the separator as a plain millisecond count.
            if (scan.symbol(locale.decimalSeparator) && !scan.number(millisecond)) return std::nullopt;
        }
    }
    if (!scan.atEnd()) {
        if (base >= 0) return std::nullopt;
        base = designatorBase(scan.rest(), locale);
        if (base < 0) return std::nullopt;
    }
    if (base >= 0) {
        if (hour == 0 || hour > 12) return std::nullopt;
        hour = (hour == 12 ? 0 : hour) + base;
    }
    return tryEncodeTime(hour, minute, second, millisecond);
}

enum class DateOrder { MDY, DMY, YMD };

DateOrder dateOrder(std::string_view shortDateFormat) {
    for (char c : shortDateFormat) {
        switch (std::toupper(static_cast<unsigned char>(c))) {
        case 'Y':
            return DateOrder::YMD;
        case 'M':
            return DateOrder::MDY;
        case 'D':
            return DateOrder::DMY;
        }
    }
    return DateOrder::MDY;
}

std::optional<DateTime> scanDate(Scanner& scan, const LocaleInfo& locale, int referenceYear) {
    int n1 = 0, n2 = 0, n3 = 0, len1 = 0, len3 = 0;
    if (!scan.number(n1, &len1) || !scan.symbol(locale.dateSeparator) || !scan.number(n2))
        return std::nullopt;
    const DateOrder order = dateOrder(locale.shortDateFormat);
    int year = referenceYear, month = 0, day = 0, yearDigits = 4;
    if (scan.symbol(locale.dateSeparator)) {
        if (!scan.number(n3, &len3)) return std::nullopt;
        switch (order) {
        case DateOrder::MDY:
            year = n3, month = n1, day = n2, yearDigits = len3;
            break;
        case DateOrder::DMY:
            year = n3, month = n2, day = n1, yearDigits = len3;
            break;
        case DateOrder::YMD:
            year = n1, month = n2, day = n3, yearDigits = len1;
            break;
        }
        if (yearDigits <= 2) {
            const int centuryBase = referenceYear - 50;
            year += centuryBase / 100 * 100;
            if (year < centuryBase) year += 100;
        }
    } else if (order == DateOrder::DMY) {
        day = n1, month = n2;
    } else {
        month = n1, day = n2;
    }
    scan.symbol(locale.dateSeparator); // "31.12.2002." is still a date
    return tryEncodeDate(year, month, day);
}

// Built by appends: GCC 12 at -O2 warns falsely (-Wrestrict) about "'" + std::string + "'".
std::string quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '\'';
    out.append(text);
    out += '\'';
    return out;
}

} // namespace

std::optional<DateTime> strToTime(std::string_view text, const LocaleInfo& locale) {
    Scanner scan(text);
    return scanTime(scan, locale);
}

std::optional<DateTime> strToDate(std::string_view text, const LocaleInfo& locale, int referenceYear) {
    Scanner scan(text);
    auto date = scanDate(scan, locale, referenceYear);
    if (!date || !scan.atEnd()) return std::nullopt;
    return date;
}

std::optional<DateTime> strToDateTime(std::string_view text, const LocaleInfo& locale, int referenceYear) {
    Scanner scan(text);
    auto date = scanDate(scan, locale, referenceYear);
    if (!date) return strToTime(text, locale);
    if (scan.atEnd()) return date;
    auto time = scanTime(scan, locale);
    if (!time) return strToTime(text, locale);
    return combineDateTime(*date, *time);
}

DateTime strToTimeOrThrow(std::string_view text, const LocaleInfo& locale) {
    if (auto t = strToTime(text, locale)) return *t;
    throw ConvertError(quoted(text) + " is not a valid time");
}

DateTime strToDateTimeOrThrow(std::string_view text, const LocaleInfo& locale, int referenceYear) {
    if (auto t = strToDateTime(text, locale, referenceYear)) return *t;
    throw ConvertError(quoted(text) + " is not a valid date and time");
}

} // namespace kelvaro
