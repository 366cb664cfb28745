#pragma once
// How an expected value from a script meets the actual one.
#include <optional>
#include <string>
#include <string_view>

namespace kelvaro::scenario {

// What a value is, which decides how it compares.
enum class ValueKind {
    Text,    // bytes compared exactly (captions, cells, files)
    Boolean, // true/false/1/0
    Colour,  // decimal or 0x hexadecimal colour number
    Number,  // compared numerically
    Loose,   // unknown type (states, results): numbers numerically, booleans by truth, else text
    Stored,  // a value in a file: text, but an expected true/false also matches 1/0
};

std::optional<bool> parseBoolean(std::string_view text);
// Decimal (optionally signed, with a fraction) or 0x hexadecimal; the whole text must be a number.
std::optional<double> parseNumber(std::string_view text);

// False when `expected` cannot be read as a value of that kind (a script error).
bool isValidExpectation(ValueKind kind, std::string_view expected);

bool valuesMatch(ValueKind kind, std::string_view expected, std::string_view actual);

} // namespace kelvaro::scenario
