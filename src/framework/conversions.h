#pragma once

#include "framework/locale_info.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvaro {

// The framework's conversion error; what() is its message text.
class ConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::string intToStr(long long value);
// Decimal with optional sign and leading blanks; "$", "x" or "0x" prefix for hexadecimal
// ("-$FF" is -255; hexadecimal up to FFFFFFFF wraps into the negative range as a 32-bit value).
std::optional<int> tryStrToInt(std::string_view text);
int strToInt(std::string_view text); // throws ConvertError "'x' is not a valid integer value"
int strToIntDef(std::string_view text, int fallback);

// [sign] digits [decimal separator digits] [E [sign] digits], blanks around allowed.
std::optional<double> tryStrToFloat(std::string_view text, const LocaleInfo& locale);
double strToFloat(std::string_view text,
                  const LocaleInfo& locale); // "'x' is not a valid floating point value"
// Shortest general form of up to 15 significant digits ("0.5", "12", "1E20", "1E-7"); more digits
// only where 15 would round past the largest double, so every finite value reads back with
// strToFloat. NaN and infinities give "NAN", "INF" and "-INF", which strToFloat refuses.
std::string floatToStr(double value, const LocaleInfo& locale);
// Patterns of '0' (digit), '#' (optional digit), '.' (decimal separator), ',' (thousands),
// other characters copied. Rounds half away from zero on the decimal value ("0" of 2.5 is "3").
std::string formatFloat(std::string_view pattern, double value, const LocaleInfo& locale);

std::string upperCase(std::string_view text); // ASCII letters only; other bytes untouched
std::string lowerCase(std::string_view text);
std::string upperCaseUtf8(std::string_view text); // also Latin-1 letters (ä -> Ä)
std::string lowerCaseUtf8(std::string_view text);
bool sameText(std::string_view a, std::string_view b); // ASCII case-insensitive equality
std::string trim(std::string_view text);               // drops control characters and blanks at both ends
std::string trimLeft(std::string_view text);
std::string trimRight(std::string_view text);

} // namespace kelvaro
