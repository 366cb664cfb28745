#pragma once
// Words of one script line: blanks separate them, double quotes hold blanks and escapes.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro::scenario {

struct LexError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// True for a blank line or a comment (first non-blank character '#').
bool isIgnorable(std::string_view line);

// Splits a line into words; throws LexError for an unterminated quote or a bad escape.
std::vector<std::string> splitWords(std::string_view line);

// The text in double quotes with the script's escapes, so a report shows every byte
// unambiguously on one line.
std::string quoteText(std::string_view text);

// The characters of UTF-8 text, each as its byte sequence (a stray byte stands alone).
std::vector<std::string> utf8Characters(std::string_view text);

} // namespace kelvaro::scenario
