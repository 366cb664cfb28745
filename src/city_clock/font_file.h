#pragma once
// The city clock's font file, "KVFont.RFT": a one-line rich-text document whose
// character format is the font. The program writes a small document; reading
// takes the format of the first character of any rich text, and anything that
// is not rich text gives no font.
#include "framework/font_choice.h"

#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

inline constexpr const char* kCityClockFontFile = "KVFont.RFT";

// One line of text ("RichEditFont") in the font.
std::string writeFontRtf(const FontChoice& font, std::string_view text = "RichEditFont");
// The format of the document's first character; nullopt when the bytes are not rich text.
// What the document leaves out or gets wrong comes from `fallback`.
std::optional<FontChoice> readFontRtf(std::string_view rtf, const FontChoice& fallback = {});

} // namespace kelvaro
