#pragma once
// A chosen font as a QFont and back; the colour is not part of a QFont.
#include "framework/font_spec.h"

#include <QFont>

namespace kelvaro {

QFont qtFont(const FontSpec& font);
// The colour comes from `colorFrom`, which a QFont does not carry.
FontSpec fontSpec(const QFont& font, const FontSpec& colorFrom = {});

} // namespace kelvaro
