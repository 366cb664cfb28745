#pragma once
// Writes into each widget what changed in its control since it was last written:
// the tick's path, where a second costs a few labels. Forced, it compares every
// widget, which also puts back what a widget changed on its own.
#include "ui/form_view.h"

namespace kelvaro {

class BoundWidgets;

void writeChangedControls(const FormView& view, bool force);
// The tab sheets of each page control: captions, shown, enabled, and the active one.
void writePages(const Form& form, const FormView& view, BoundWidgets& widgets);

} // namespace kelvaro
