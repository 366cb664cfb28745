#include "ui/text_cursor.h"

#include <QLineEdit>

#include <algorithm>

namespace kelvaro {

namespace {

// UTF-16 position of a byte offset into the model's text (-1: the end).
int toWidget(const std::string& text, int bytes) {
    if (bytes < 0 || static_cast<size_t>(bytes) >= text.size())
        return static_cast<int>(QString::fromStdString(text).size());
    return static_cast<int>(QString::fromUtf8(text.data(), bytes).size());
}

int toModel(const QString& text, int position) {
    return static_cast<int>(text.left(position).toUtf8().size());
}

} // namespace

void showCursor(const Control& c, QLineEdit* edit) {
    if (edit->text() != QString::fromStdString(c.text)) return; // the text is written first
    const int start = toWidget(c.text, c.cursor);
    const int length =
        c.cursor >= 0 && c.selLength > 0 ? toWidget(c.text, c.cursor + c.selLength) - start : 0;
    if (length > 0) {
        if (edit->selectionStart() != start || edit->selectionLength() != length)
            edit->setSelection(start, length);
    } else if (edit->hasSelectedText() || edit->cursorPosition() != start) {
        edit->setCursorPosition(start);
    }
}

void takeCursor(Control& c, const QLineEdit* edit) {
    const QString text = edit->text();
    if (text != QString::fromStdString(c.text)) return; // mid-edit: the text arrives next
    if (edit->hasSelectedText()) {
        const int start = edit->selectionStart();
        c.cursor = toModel(text, start);
        c.selLength = toModel(text, start + edit->selectionLength()) - c.cursor;
        return;
    }
    const int at = edit->cursorPosition();
    c.cursor = at >= text.size() ? -1 : toModel(text, at);
    c.selLength = 0;
}

} // namespace kelvaro
