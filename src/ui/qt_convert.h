#pragma once
// Conversions between the window state's plain types and Qt's.
#include <QColor>
#include <QString>

#include <string>

namespace kelvaro {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string stdString(const QString& text) {
    return text.toStdString();
}

// Framework colour numbers keep blue in the high byte (0x00BBGGRR); negative
// numbers (transparent, system colours) give an invalid colour.
inline QColor frameworkColor(int value) {
    if (value < 0) return {};
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace kelvaro
