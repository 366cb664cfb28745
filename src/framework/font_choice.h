#pragma once
// A font as the user picks it: family, size in points, style and colour.
#include <string>

namespace kelvaro {

struct FontChoice {
    std::string name = "Tahoma";
    int pointSize = 8; // 11 pixels at 96 dots per inch
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0; // framework colour number (blue in the high byte)
    bool operator==(const FontChoice&) const = default;
};

} // namespace kelvaro
