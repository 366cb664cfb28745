// Compiles: reading a field out by value or by reference.
#include "framework/control.h"

#include <string>

std::string readOut(const kelvaro::Control& c) {
    std::string caption = c.caption;
    const auto& text = c.text;
    const int width = c.width;
    return caption + text + std::to_string(width);
}
