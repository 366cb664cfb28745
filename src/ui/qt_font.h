#pragma once
// A chosen font as a QFont and back; the colour is not part of a QFont.
#include "framework/font_choice.h"

#include <QFont>

namespace kelvaro {

QFont qtFont(const FontChoice& font);
// The colour comes from `colorFrom`, which a QFont does not carry.
FontChoice fontChoice(const QFont& font, const FontChoice& colorFrom = {});

} // namespace kelvaro
