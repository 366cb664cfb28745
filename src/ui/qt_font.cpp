#include "ui/qt_font.h"

namespace kelvaro {

QFont qtFont(const FontChoice& font) {
    QFont f(QString::fromStdString(font.name));
    f.setPointSize(font.pointSize > 0 ? font.pointSize : 8);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

FontChoice fontChoice(const QFont& font, const FontChoice& colorFrom) {
    FontChoice choice;
    choice.name = font.family().toStdString();
    choice.pointSize = font.pointSize() > 0 ? font.pointSize() : (font.pixelSize() * 3 + 3) / 4;
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.color = colorFrom.color;
    return choice;
}

} // namespace kelvaro
