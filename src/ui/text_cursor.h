#pragma once
// The model keeps a text box's cursor and selection as byte offsets into its
// UTF-8 text; a QLineEdit keeps them in UTF-16 units. These copy one to the other.
#include "framework/control.h"

class QLineEdit;

namespace kelvaro {

// Model to widget; writes only when they differ, so the user's own cursor stays put.
void showCursor(const Control& control, QLineEdit* edit);
// Widget to model, after the user moved the cursor or the selection.
void takeCursor(Control& control, const QLineEdit* edit);

} // namespace kelvaro
