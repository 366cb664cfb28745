#pragma once
// Where a form's window stands and how big it is. Only the program's own changes of
// place and size are applied, so a window the user moved or resized stays; a window
// opens whole on the screen's free area; the user's moves go back to the model.
#include "ui/form_view.h"

#include <QMargins>

namespace kelvaro {

class WindowPlacement {
  public:
    // The window's size below its menu bar, and its place, as the form gives them.
    void place(Form& form, FormView& view, bool force);
    // Before a show: where the program put it when that fits, else centred.
    void keepOnScreen(Form& form, FormView& view);
    // The user (or the window manager) moved the window: the model takes the new place.
    void moved(Form& form, FormView& view);

  private:
    QMargins frameOf(const QWidget* window) const;

    QMargins knownFrame_{1, 24, 1, 1}; // a title bar and thin borders until a window manager tells
};

} // namespace kelvaro
