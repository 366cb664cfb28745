#include "lexer.h"

namespace kelvaro::scenario {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a quoted word starting at the opening quote; `pos` ends after the closing one.
std::string quotedWord(std::string_view line, std::size_t& pos) {
    std::string word;
    ++pos;
    while (pos < line.size()) {
        char c = line[pos++];
        if (c == '"') {
            if (pos < line.size() && !isBlank(line[pos]))
                throw LexError("text directly after a closing quote");
            return word;
        }
        if (c != '\\') {
            word += c;
            continue;
        }
        if (pos >= line.size()) break;
        char e = line[pos++];
        switch (e) {
        case '"':
            word += '"';
            break;
        case '\\':
            word += '\\';
            break;
        case 'n':
            word += '\n';
            break;
        case 'r':
            word += '\r';
            break;
        case 't':
            word += '\t';
            break;
        case 'x': {
            int high = pos < line.size() ? hexDigit(line[pos]) : -1;
            int low = pos + 1 < line.size() ? hexDigit(line[pos + 1]) : -1;
            if (high < 0 || low < 0) throw LexError("\\x needs two hex digits");
            word += static_cast<char>(high * 16 + low);
            pos += 2;
            break;
        }
        default:
            throw LexError(std::string("unknown escape \\") + e);
        }
    }
    throw LexError("missing closing quote");
}

} // namespace

bool isIgnorable(std::string_view line) {
    for (char c : line) {
        if (isBlank(c) || c == '\r') continue;
        return c == '#';
    }
    return true;
}

std::vector<std::string> splitWords(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        if (isBlank(line[pos])) {
            ++pos;
            continue;
        }
        if (line[pos] == '"') {
            words.push_back(quotedWord(line, pos));
            continue;
        }
        std::size_t end = pos;
        while (end < line.size() && !isBlank(line[end]))
            ++end;
        words.emplace_back(line.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

std::string quoteText(std::string_view text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out = "\"";
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\x";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

std::vector<std::string> utf8Characters(std::string_view text) {
    std::vector<std::string> chars;
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto lead = static_cast<unsigned char>(text[pos]);
        std::size_t len = lead < 0x80         ? 1
                          : (lead >> 5) == 6  ? 2
                          : (lead >> 4) == 14 ? 3
                          : (lead >> 3) == 30 ? 4
                                              : 1;
        if (pos + len > text.size()) len = 1;
        for (std::size_t i = 1; i < len; ++i)
            if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) len = 1;
        chars.emplace_back(text.substr(pos, len));
        pos += len;
    }
    return chars;
}

} // namespace kelvaro::scenario
