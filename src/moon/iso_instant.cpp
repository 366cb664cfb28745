#include "moon/iso_instant.h"

#include "moon/moon_time.h"

#include <cctype>

namespace kelvaro::moon {
namespace {

// Reads exactly `digits` decimal digits.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    bool Accept(char c) {
        if (Peek() != c) return false;
        ++pos_;
        return true;
    }
    std::optional<int> Number(int digits) {
        int value = 0;
        for (int i = 0; i < digits; ++i) {
            if (AtEnd() || !std::isdigit(static_cast<unsigned char>(text_[pos_]))) return std::nullopt;
            value = value * 10 + (text_[pos_++] - '0');
        }
        return value;
    }
    // Digits after a decimal sign, as a fraction of one.
    std::optional<double> Fraction() {
        double value = 0.0;
        double scale = 0.1;
        const std::size_t start = pos_;
        while (!AtEnd() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            value += (text_[pos_++] - '0') * scale;
            scale /= 10.0;
        }
        if (pos_ == start) return std::nullopt;
        return value;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Zone designator: minutes east of Greenwich; nothing when malformed.
std::optional<int> ZoneOffsetMinutes(Reader& in) {
    if (in.AtEnd() || in.Accept('Z') || in.Accept('z')) return 0;
    const int sign = in.Accept('+') ? 1 : (in.Accept('-') ? -1 : 0);
    if (sign == 0) return std::nullopt;
    const auto hours = in.Number(2);
    if (!hours || *hours > 23) return std::nullopt;
    int minutes = 0;
    if (!in.AtEnd()) {
        in.Accept(':');
        const auto read = in.Number(2);
        if (!read || *read > 59) return std::nullopt;
        minutes = *read;
    }
    return sign * (*hours * 60 + minutes);
}

} // namespace

std::optional<double> ParseIsoInstant(std::string_view text) {
    Reader in(text);
    const auto year = in.Number(4);
    if (!year || !in.Accept('-')) return std::nullopt;
    const auto month = in.Number(2);
    if (!month || *month < 1 || *month > 12 || !in.Accept('-')) return std::nullopt;
    const auto day = in.Number(2);
    if (!day || *day < 1 || *day > DaysInMonth(*year, *month)) return std::nullopt;

    if (in.AtEnd()) return EncodeMoonDateTime(*year, *month, *day);
    if (!in.Accept('T') && !in.Accept('t')) return std::nullopt;

    const auto hour = in.Number(2);
    if (!hour || *hour > 23 || !in.Accept(':')) return std::nullopt;
    const auto minute = in.Number(2);
    if (!minute || *minute > 59) return std::nullopt;
    double second = 0.0;
    if (in.Accept(':')) {
        const auto whole = in.Number(2);
        if (!whole || *whole > 59) return std::nullopt;
        second = *whole;
        if (in.Accept('.') || in.Accept(',')) {
            const auto fraction = in.Fraction();
            if (!fraction) return std::nullopt;
            second += *fraction;
        }
    }
    const auto offset = ZoneOffsetMinutes(in);
    if (!offset || !in.AtEnd()) return std::nullopt;
    return EncodeMoonDateTime(*year, *month, *day, *hour, *minute, second) - *offset / 1440.0;
}

} // namespace kelvaro::moon
