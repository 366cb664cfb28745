#include "ui/key_names.h"

namespace kelvaro {

std::optional<std::string> modelKeyName(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return "Enter";
    case Qt::Key_Escape:
        return "Escape";
    case Qt::Key_Backspace:
        return "Backspace";
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return "Tab";
    case Qt::Key_Insert:
        return "Insert";
    case Qt::Key_Delete:
        return "Delete";
    case Qt::Key_Up:
        return "Up";
    case Qt::Key_Down:
        return "Down";
    case Qt::Key_Left:
        return "Left";
    case Qt::Key_Right:
        return "Right";
    case Qt::Key_Space:
        return "Space";
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() == 1 && text[0].unicode() > 0x20 && text[0].unicode() < 0x7F)
        return std::string(1, static_cast<char>(text[0].unicode()));
    return std::nullopt; // other keys (and non-ASCII text) stay with the widget
}

} // namespace kelvaro
