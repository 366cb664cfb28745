#pragma once
// What a screen reader hears of a form's controls. Qt names buttons and check
// boxes by their captions; the rest (boxes, sliders, lamps, pictures) are named by
// their hint, else by the label a sighted user reads beside or above them.
#include "framework/control.h"

#include <QString>

class QWidget;

namespace kelvaro {

// Names the control's widget from its hint when its kind shows no caption of its own.
void nameForScreenReader(const Control& control, QWidget* widget);

// Gives every still nameless control under `root` the text of its nearest label: on the
// same row to its left or right, else just above. Run when the window is first shown,
// once every control is there.
void nameByNeighbours(QWidget* root);

// Roles for the widgets that paint themselves: lamps, pictures and the moon are
// graphics, the about box's flames an animation, its triangles a decoration, the
// night screen a window.
// Once, before the first window is shown.
void installScreenReaderRoles();

// A hint as a name: its first sentence, without the long explanation after it.
QString nameFromHint(const QString& hint);

} // namespace kelvaro
