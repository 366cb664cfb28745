#include "ui/qt_font.h"

namespace kelvaro {

QFont qtFont(const FontSpec& font) {
    QFont f(QString::fromStdString(font.name));
    f.setPointSize(font.pointSize > 0 ? font.pointSize : 8);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

FontSpec fontSpec(const QFont& font, const FontSpec& colorFrom) {
    FontSpec spec;
    spec.name = font.family().toStdString();
    spec.pointSize = font.pointSize() > 0 ? font.pointSize() : (font.pixelSize() * 3 + 3) / 4;
    spec.bold = font.bold();
    spec.italic = font.italic();
    spec.underline = font.underline();
    spec.color = colorFrom.color;
    return spec;
}

} // namespace kelvaro
