// The city clock's font file: what the program writes reads back whole, and
// rich text from elsewhere, or no rich text at all, never breaks the reader.
#include "city_clock/font_file.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(FontFile, EveryPartOfTheFontReadsBack) {
    const FontChoice fonts[] = {
        FontChoice{},
        {"DejaVu Serif", 14, true, true, true, 0x000080},
        {"Noto Sans CJK JP", 1638, false, true, false, 0xFFFFFF},
        {"Brace {and} back\\slash; semi", 1, true, false, true, 0x123456},
        {"Ärial Ünicode", 9, false, false, false, 0},
    };
    for (const FontChoice& font : fonts) {
        const std::string rtf = writeFontRtf(font);
        EXPECT_EQ(readFontRtf(rtf), font) << rtf;
    }
}

TEST(FontFile, TheFormatOfTheFirstCharacterCountsAndTheRestComesFromTheFallback) {
    // As a word processor writes it: a style sheet, an info group, another font later.
    const std::string rtf =
        "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times;}{\\f1\\fswiss\\fcharset0 Ver\\'e4 Sans;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\title \\b Bold title}}"
        "{\\*\\generator Writer;}\\pard\\plain\\fs24\\i\\cf2 First{\\b\\f0 later}\\par}";
    FontChoice fallback;
    fallback.bold = true;
    const auto font = readFontRtf(rtf, fallback);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->name, "Ver\xc3\xa4 Sans"); // \deff1, Latin-1 escapes as UTF-8
    EXPECT_EQ(font->pointSize, 12);
    EXPECT_TRUE(font->italic);
    EXPECT_FALSE(font->bold) << "\\plain resets the format; the info group's \\b is not the text's";
    EXPECT_EQ(font->color, 0xFF0000) << "\\cf2 is blue, colour numbers keep blue in the high byte";
}

TEST(FontFile, BrokenOrForeignFilesGiveTheFallbackWhereTheyFail) {
    FontChoice fallback{"Fallback", 10, false, false, false, 0x80};
    EXPECT_FALSE(readFontRtf("", fallback));
    EXPECT_FALSE(readFontRtf("Arial 12", fallback));
    EXPECT_FALSE(readFontRtf("\xef\xbb\xbf{\\rtf1}", fallback)) << "rich text starts with its group";
    const auto cut = readFontRtf("{\\rtf1{\\fonttbl{\\f0 Bro", fallback);
    ASSERT_TRUE(cut);
    EXPECT_EQ(*cut, fallback);
    // Sizes out of range, a colour that is not in the table, unknown words: the fallback's values.
    const auto odd = readFontRtf("{\\rtf1\\fs0\\cf9\\foo99999999999\\u-4000? x}", fallback);
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->pointSize, 10);
    EXPECT_EQ(odd->color, 0x80);
    EXPECT_EQ(odd->name, "Fallback");
    // Unbalanced closing braces and very deep nesting.
    EXPECT_TRUE(readFontRtf("{\\rtf1}}}}}}\\b x", fallback));
    EXPECT_TRUE(readFontRtf("{\\rtf1" + std::string(100000, '{') + "\\i x", fallback));
}

} // namespace
} // namespace kelvaro
