#include "city_clock/font_file.h"

#include "settings/text_file.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace kelvaro {

namespace {

// The file's \u escapes reach 16 bits only: a code point past them reads as U+FFFD.
void appendBmp(std::string& out, std::uint32_t cp) {
    appendUtf8(out, cp > 0xFFFF ? U'\uFFFD' : static_cast<char32_t>(cp));
}

// Code points of UTF-8 text; a broken sequence gives U+FFFD for its first byte.
std::vector<std::uint32_t> codePoints(std::string_view s) {
    std::vector<std::uint32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : -1;
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < s.size();
        std::uint32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1Fu) : (b & 0x0Fu);
        for (int k = 1; ok && k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            ok = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if (!ok) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

// Plain ASCII goes as it is; RTF's own characters are escaped, the rest as \uN?.
std::string escapeText(std::string_view text) {
    std::string out;
    for (std::uint32_t cp : codePoints(text)) {
        if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == ';') {
            out += "\\'3b"; // a bare one ends the font's name
        } else if (cp >= 0x20 && cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp >= 0x80) {
            out += "\\u" + std::to_string(static_cast<std::int16_t>(cp)) + "?";
        }
    }
    return out;
}

enum class Dest { Body, FontTable, ColorTable, Skip };

struct Format {
    int font = -1;
    int halfPoints = -1;
    bool bold = false, italic = false, underline = false;
    int colorIndex = 0;
};

struct Group {
    Dest dest = Dest::Body;
    Format format;
    int unicodeSkip = 1;
};

constexpr int kMaxDepth = 256; // deeper groups are read as if flat; nothing real nests so far

class Reader {
  public:
    explicit Reader(std::string_view rtf) : s_(rtf) {}

    std::optional<FontChoice> read(const FontChoice& fallback) {
        if (s_.substr(0, 5) != "{\\rtf") return std::nullopt;
        while (pos_ < s_.size() && !firstChar_)
            step();
        return fontOf(firstChar_ ? *firstChar_ : groups_.back().format, fallback);
    }

  private:
    Group& top() { return groups_.back(); }

    void step() {
        const char c = s_[pos_++];
        if (c == '{') {
            if (static_cast<int>(groups_.size()) < kMaxDepth) groups_.push_back(top());
            groupStart_ = true;
            return;
        }
        if (c == '}') {
            if (groups_.size() > 1) groups_.pop_back();
            finishEntry();
            groupStart_ = false;
            return;
        }
        const bool atStart = std::exchange(groupStart_, false);
        if (c == '\\') return controlWord(atStart);
        if (c == '\r' || c == '\n') return;
        text(static_cast<unsigned char>(c));
    }

    void controlWord(bool atStart) {
        if (pos_ >= s_.size()) return;
        const char c = s_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            if (c == '*') top().dest = Dest::Skip;
            if (c == '\\' || c == '{' || c == '}') text(static_cast<unsigned char>(c));
            if (c == '\'') hexChar();
            return;
        }
        std::string word;
        while (pos_ < s_.size() && std::isalpha(static_cast<unsigned char>(s_[pos_])) && word.size() < 32)
            word += s_[pos_++];
        std::optional<long> param;
        const std::size_t numberStart = pos_;
        if (pos_ < s_.size() && s_[pos_] == '-') ++pos_;
        long value = 0;
        int digits = 0;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) {
            if (digits++ < 9) value = value * 10 + (s_[pos_] - '0');
            ++pos_;
        }
        if (digits > 0)
            param = s_[numberStart] == '-' ? -value : value;
        else
            pos_ = numberStart;
        if (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
        apply(word, param, atStart);
    }

    void apply(const std::string& w, std::optional<long> p, bool atStart) {
        Group& g = top();
        if (atStart && (w == "fonttbl"))
            g.dest = Dest::FontTable;
        else if (atStart && w == "colortbl")
            g.dest = Dest::ColorTable;
        else if (atStart && (w == "info" || w == "stylesheet" || w == "pict" || w == "object" ||
                             w == "header" || w == "footer" || w == "listtable" || w == "falt"))
            g.dest = Dest::Skip;
        if (g.dest == Dest::Skip) return;
        const int n = p ? static_cast<int>(*p) : 0;
        if (w == "uc") g.unicodeSkip = std::max(0, std::min(n, 8));
        if (w == "u") return unicode(n);
        if (g.dest == Dest::FontTable) {
            if (w == "f") entryFont_ = n;
            return;
        }
        if (g.dest == Dest::ColorTable) {
            const int v = std::max(0, std::min(n, 255));
            if (w == "red") rgb_[0] = v;
            if (w == "green") rgb_[1] = v;
            if (w == "blue") rgb_[2] = v;
            return;
        }
        Format& f = g.format;
        if (w == "deff")
            defaultFont_ = n;
        else if (w == "plain")
            f = Format{};
        else if (w == "f")
            f.font = n;
        else if (w == "fs")
            f.halfPoints = p ? n : -1;
        else if (w == "b")
            f.bold = !p || n != 0;
        else if (w == "i")
            f.italic = !p || n != 0;
        else if (w == "ul")
            f.underline = !p || n != 0;
        else if (w == "ulnone")
            f.underline = false;
        else if (w == "cf")
            f.colorIndex = n;
    }

    void unicode(int n) {
        text(static_cast<std::uint32_t>(n < 0 ? n + 65536 : n), true);
        // The stand-ins for readers without Unicode follow; skip them.
        for (int k = 0; k < top().unicodeSkip && pos_ < s_.size(); ++k) {
            if (s_[pos_] == '\\' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'')
                pos_ += std::min<std::size_t>(4, s_.size() - pos_);
            else if (s_[pos_] == '{' || s_[pos_] == '}' || s_[pos_] == '\\')
                break;
            else
                ++pos_;
        }
    }

    void hexChar() {
        int v = 0;
        for (int k = 0; k < 2 && pos_ < s_.size(); ++k) {
            const char c = s_[pos_];
            const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                          : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                                                                      : -1;
            if (d < 0) break;
            v = v * 16 + d;
            ++pos_;
        }
        text(static_cast<std::uint32_t>(v), true); // the code page is taken as Latin-1
    }

    // `escaped`: written as a code, so never the table's separator.
    void text(std::uint32_t cp, bool escaped = false) {
        Group& g = top();
        if (g.dest == Dest::FontTable) {
            if (cp == ';' && !escaped) return finishEntry();
            if (cp >= 0x20 && name_.size() < 256) appendBmp(name_, cp);
        } else if (g.dest == Dest::ColorTable) {
            if (cp == ';') {
                colors_.push_back(rgbSeen() ? rgb() : -1);
                rgb_[0] = rgb_[1] = rgb_[2] = -1;
            }
        } else if (g.dest == Dest::Body && groups_.size() > 1) {
            firstChar_ = g.format;
        }
    }

    bool rgbSeen() const { return rgb_[0] >= 0 || rgb_[1] >= 0 || rgb_[2] >= 0; }
    int rgb() const {
        return std::max(0, rgb_[0]) | (std::max(0, rgb_[1]) << 8) | (std::max(0, rgb_[2]) << 16);
    }

    void finishEntry() {
        if (entryFont_ < 0) return;
        std::string name = name_;
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        while (!name.empty() && name.front() == ' ')
            name.erase(name.begin());
        if (!fonts_.count(entryFont_)) fonts_[entryFont_] = name;
        entryFont_ = -1;
        name_.clear();
    }

    FontChoice fontOf(const Format& f, const FontChoice& fallback) const {
        FontChoice font = fallback;
        const int index = f.font >= 0 ? f.font : defaultFont_;
        if (auto it = fonts_.find(index); it != fonts_.end() && !it->second.empty()) font.name = it->second;
        if (f.halfPoints >= 2 && f.halfPoints <= 3276) font.pointSize = (f.halfPoints + 1) / 2;
        font.bold = f.bold;
        font.italic = f.italic;
        font.underline = f.underline;
        if (f.colorIndex > 0 && static_cast<std::size_t>(f.colorIndex) < colors_.size()) {
            const int c = colors_[static_cast<std::size_t>(f.colorIndex)];
            if (c >= 0) font.color = c & 0xFFFFFF;
        }
        return font;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::vector<Group> groups_{Group{}};
    bool groupStart_ = false;
    std::optional<Format> firstChar_;
    std::map<int, std::string> fonts_;
    int defaultFont_ = 0;
    int entryFont_ = -1;
    std::string name_;
    std::vector<int> colors_;
    int rgb_[3] = {-1, -1, -1};
};

} // namespace

std::string writeFontRtf(const FontChoice& font, std::string_view text) {
    const int color = font.color & 0xFFFFFF;
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 " +
                      escapeText(font.name) + ";}}\r\n";
    out += "{\\colortbl ;\\red" + std::to_string(color & 0xFF) + "\\green" +
           std::to_string((color >> 8) & 0xFF) + "\\blue" + std::to_string((color >> 16) & 0xFF) + ";}\r\n";
    out += "\\viewkind4\\uc1\\pard\\cf1";
    if (font.bold) out += "\\b";
    if (font.italic) out += "\\i";
    if (font.underline) out += "\\ul";
    out += "\\f0\\fs" + std::to_string(std::max(1, std::min(font.pointSize, 1638)) * 2) + " " +
           escapeText(text) + "\\par\r\n}\r\n";
    return out;
}

std::optional<FontChoice> readFontRtf(std::string_view rtf, const FontChoice& fallback) {
    return Reader(rtf).read(fallback);
}

} // namespace kelvaro
