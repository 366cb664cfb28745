#include "compare.h"

#include <cctype>
#include <charconv>
#include <cstdint>

namespace kelvaro::scenario {

namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

std::optional<bool> parseBoolean(std::string_view text) {
    const std::string word = lower(text);
    if (word == "true" || word == "1") return true;
    if (word == "false" || word == "0") return false;
    return std::nullopt;
}

std::optional<double> parseNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    bool negative = false;
    std::string_view digits = text;
    if (digits.front() == '-' || digits.front() == '+') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        std::uint64_t value = 0;
        auto hex = digits.substr(2);
        auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
        if (ec != std::errc() || end != hex.data() + hex.size()) return std::nullopt;
        return negative ? -static_cast<double>(value) : static_cast<double>(value);
    }
    // Plain decimal only: no exponent, no blanks, no "inf".
    bool seenDigit = false, seenPoint = false;
    for (char c : digits) {
        if (c >= '0' && c <= '9') {
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return negative ? -value : value;
}

bool isValidExpectation(ValueKind kind, std::string_view expected) {
    switch (kind) {
    case ValueKind::Boolean:
        return parseBoolean(expected).has_value();
    case ValueKind::Colour:
    case ValueKind::Number:
        return parseNumber(expected).has_value();
    default:
        return true;
    }
}

bool valuesMatch(ValueKind kind, std::string_view expected, std::string_view actual) {
    switch (kind) {
    case ValueKind::Text:
        return expected == actual;
    case ValueKind::Boolean: {
        auto e = parseBoolean(expected), a = parseBoolean(actual);
        return e && a && *e == *a;
    }
    case ValueKind::Colour:
    case ValueKind::Number: {
        auto e = parseNumber(expected), a = parseNumber(actual);
        return e && a && *e == *a;
    }
    case ValueKind::Loose: {
        if (expected == actual) return true;
        auto en = parseNumber(expected), an = parseNumber(actual);
        if (en && an) return *en == *an;
        auto eb = parseBoolean(expected), ab = parseBoolean(actual);
        return eb && ab && *eb == *ab;
    }
    case ValueKind::Stored: {
        if (expected == actual) return true;
        const std::string word = lower(expected);
        if (word == "true") return actual == "1";
        if (word == "false") return actual == "0";
        return false;
    }
    }
    return false;
}

} // namespace kelvaro::scenario
