#pragma once
// Creating the widget of one control and writing the control's state into it.
// Nothing here talks back to the model; the view binds the user's signals.
#include "framework/control.h"

#include <QWidget>

namespace kelvaro {

// The widget for the control's kind, or nullptr for kinds without one (timers,
// menus, tab sheets: those are built by their owners).
QWidget* createControlWidget(const Control& control, QWidget* parent);

// What every widget shares: place, size, visibility, enabled state, hint, font.
void syncCommon(const Control& control, QWidget* widget);
// The kind's own state: text, check mark, items, colours, cells.
void syncContent(const Control& control, QWidget* widget);

// True when `now` would look like `shown` on screen: every field but the
// control's identity and its handlers, which no widget shows.
bool looksSame(const Control& shown, const Control& now);
bool looksSameBesideCells(const Control& shown, const Control& now);
// True when a grid made by createControlWidget holds the control's cells as last written.
bool gridHolds(QWidget* grid, const Control& control);
// True when what syncCommon writes is the same for both.
bool placeAndLookSame(const Control& shown, const Control& now);
// True when a widget made by createControlWidget shows the same for both: the
// fields syncCommon and syncContent read for the kind. The tick asks this of
// every shown control each second; a custom widget may read more (looksSame).
bool widgetShowsSame(const Control& shown, const Control& now);
// True when a label made by createControlWidget differs from `shown` in its caption alone.
bool captionAloneChanged(const Control& shown, const Control& now);
// Writes a label's caption alone, its colours as they were: the seconds' path.
void syncCaption(const Control& label, QWidget* widget);
// True when a lamp made by createControlWidget differs from `shown` in being on or off alone.
bool lampStateAloneChanged(const Control& shown, const Control& now);

// The widget's font for the control, starting from the application's font.
QFont controlFont(const Control& control);

} // namespace kelvaro
