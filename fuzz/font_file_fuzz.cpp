// Feeds arbitrary bytes to the city clock's font file reader and checks that a font it reads
// is written and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "city_clock/font_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto font = kelvaro::readFontRtf(bytes);
    if (!font) return 0;
    if (font->pointSize < 1 || font->pointSize > 1638 || (font->color & ~0xFFFFFF) != 0) std::abort();
    if (kelvaro::readFontRtf(kelvaro::writeFontRtf(*font)) != font) std::abort();
    return 0;
}
