#include "framework/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace kelvaro {

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
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

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Significant decimal digits of |value| (17 of them) and the exponent of the first one.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// "d.ddde+X" as printed in scientific form.
Decimal fromScientific(const char* p) {
    Decimal d;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.digits += *p;
    d.exponent = *p ? std::atoi(p + 1) : 0;
    return d;
}

Decimal toDecimal(double magnitude, int significant) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, magnitude);
    return fromScientific(buf);
}

// The fewest digits that read back as exactly `magnitude`.
Decimal shortestDecimal(double magnitude) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf - 1, magnitude, std::chars_format::scientific).ptr;
    *end = '\0';
    return fromScientific(buf);
}

// Rounding to fewer digits can carry past the largest double (DBL_MAX to 1.79769313486232E308).
bool readsBackFinite(const Decimal& d) {
    const std::string text =
        d.digits + "e" + std::to_string(d.exponent - static_cast<int>(d.digits.size()) + 1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && std::isfinite(value);
}

// |value| rounded half away from zero to `decimals` places, as the digits of value * 10^decimals.
std::string roundedDigits(double magnitude, int decimals) {
    if (magnitude == 0) return "0";
    const Decimal d = toDecimal(magnitude, 17);
    const int keep = d.exponent + 1 + decimals; // digits kept of the 17
    if (keep < 0) return "0";
    std::string kept = keep == 0 ? std::string() : d.digits.substr(0, static_cast<std::size_t>(keep));
    kept.resize(static_cast<std::size_t>(keep), '0');
    const bool roundUp = keep < static_cast<int>(d.digits.size()) && d.digits[keep] >= '5';
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0 && kept[i] == '9'; --i)
            kept[i] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i];
    }
    const std::size_t nonZero = kept.find_first_not_of('0');
    return nonZero == std::string::npos ? "0" : kept.substr(nonZero);
}

std::string groupThousands(const std::string& digits) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

} // namespace

std::string intToStr(long long value) {
    return std::to_string(value);
}

std::optional<int> tryStrToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    bool hex = false;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size()) return std::nullopt;
    std::uint64_t n = 0;
    for (; i < text.size(); ++i) {
        const int digit = hex ? hexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0) return std::nullopt;
        n = n * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (n > 0xFFFFFFFFULL) return std::nullopt;
    }
    if (hex) {
        const auto bits = static_cast<std::uint32_t>(negative ? 0U - static_cast<std::uint32_t>(n) : n);
        return static_cast<int>(static_cast<std::int32_t>(bits));
    }
    const long long signedValue = negative ? -static_cast<long long>(n) : static_cast<long long>(n);
    if (signedValue < INT32_MIN || signedValue > INT32_MAX) return std::nullopt;
    return static_cast<int>(signedValue);
}

int strToInt(std::string_view text) {
    if (auto v = tryStrToInt(text)) return *v;
    throw ConvertError(quoted(text) + " is not a valid integer value");
}

int strToIntDef(std::string_view text, int fallback) {
    return tryStrToInt(text).value_or(fallback);
}

std::optional<double> tryStrToFloat(std::string_view text, const LocaleInfo& locale) {
    std::size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    std::string plain; // the number rewritten with '.' for from_chars
    if (i < end && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    int mantissaDigits = 0;
    auto digits = [&](int& count) {
        while (i < end && text[i] >= '0' && text[i] <= '9') {
            plain += text[i++];
            ++count;
        }
    };
    digits(mantissaDigits);
    const std::string_view sep = locale.decimalSeparator;
    if (!sep.empty() && text.substr(i, sep.size()) == sep && i < end) {
        plain += '.';
        i += sep.size();
        digits(mantissaDigits);
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '-' || text[i] == '+')) plain += text[i++];
        int exponentDigits = 0;
        digits(exponentDigits);
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != end) return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

double strToFloat(std::string_view text, const LocaleInfo& locale) {
    if (auto v = tryStrToFloat(text, locale)) return *v;
    throw ConvertError(quoted(text) + " is not a valid floating point value");
}

std::string floatToStr(double value, const LocaleInfo& locale) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";
    Decimal d = toDecimal(std::fabs(value), 15);
    if (!readsBackFinite(d)) d = shortestDecimal(std::fabs(value));
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    std::string out = value < 0 ? "-" : "";
    if (d.exponent >= 15 || d.exponent < -5) {
        out += d.digits[0];
        if (d.digits.size() > 1) out += locale.decimalSeparator + d.digits.substr(1);
        out += 'E' + std::to_string(d.exponent);
        return out;
    }
    if (d.exponent < 0)
        return out + "0" + locale.decimalSeparator +
               std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    const auto intDigits = static_cast<std::size_t>(d.exponent + 1);
    if (d.digits.size() <= intDigits) return out + d.digits + std::string(intDigits - d.digits.size(), '0');
    return out + d.digits.substr(0, intDigits) + locale.decimalSeparator + d.digits.substr(intDigits);
}

std::string formatFloat(std::string_view pattern, double value, const LocaleInfo& locale) {
    const std::size_t first = pattern.find_first_of("0#");
    if (first == std::string_view::npos || !std::isfinite(value)) return std::string(pattern);
    std::size_t last = pattern.find_last_of("0#.,");
    const std::string_view prefix = pattern.substr(0, first);
    const std::string_view body = pattern.substr(first, last - first + 1);
    const std::string_view suffix = pattern.substr(last + 1);

    const std::size_t point = body.find('.');
    const std::string_view intPart = body.substr(0, point);
    const std::string_view fracPart =
        point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
    const auto minIntDigits = static_cast<std::size_t>(std::count(intPart.begin(), intPart.end(), '0'));
    const bool thousands = intPart.find(',') != std::string_view::npos;
    const auto maxDecimals = static_cast<int>(fracPart.find_last_of("0#") + 1);
    const auto minDecimals = static_cast<int>(fracPart.find_last_of('0') + 1);

    std::string digits = roundedDigits(std::fabs(value), maxDecimals);
    if (digits.size() < static_cast<std::size_t>(maxDecimals) + 1)
        digits.insert(0, static_cast<std::size_t>(maxDecimals) + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(maxDecimals));
    std::string fraction = digits.substr(whole.size());
    while (static_cast<int>(fraction.size()) > minDecimals && fraction.back() == '0')
        fraction.pop_back();
    if (whole == "0") whole.clear();
    if (whole.size() < minIntDigits) whole.insert(0, minIntDigits - whole.size(), '0');
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;

    std::string out = value < 0 && !isZero ? "-" : "";
    out += prefix;
    out += thousands ? groupThousands(whole) : whole;
    if (!fraction.empty()) out += locale.decimalSeparator + fraction;
    out += suffix;
    return out;
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string lowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

namespace {

// Latin-1 letters U+00C0..U+00DE and U+00E0..U+00FE differ by 0x20 (except the signs × and ÷),
// which in UTF-8 is the second byte of a C3 pair.
std::string mapLatin1(std::string out, bool toUpper) {
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (static_cast<unsigned char>(out[i]) != 0xC3) continue;
        const auto second = static_cast<unsigned char>(out[i + 1]);
        if (toUpper && second >= 0xA0 && second <= 0xBE && second != 0xB7)
            out[i + 1] = static_cast<char>(second - 0x20);
        else if (!toUpper && second >= 0x80 && second <= 0x9E && second != 0x97)
            out[i + 1] = static_cast<char>(second + 0x20);
        ++i;
    }
    return out;
}

} // namespace

std::string upperCaseUtf8(std::string_view text) {
    return mapLatin1(upperCase(text), true);
}

std::string lowerCaseUtf8(std::string_view text) {
    return mapLatin1(lowerCase(text), false);
}

bool sameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && upperCase(a) == upperCase(b);
}

std::string trimLeft(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return std::string(text.substr(i));
}

std::string trimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(0, end));
}

std::string trim(std::string_view text) {
    return trimLeft(trimRight(text));
}

} // namespace kelvaro
