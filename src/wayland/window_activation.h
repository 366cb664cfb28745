#pragma once
// Focus handed over by the desktop: a window may take the focus from another program only
// with the launcher's token (Wayland's xdg-activation, X11's startup notification).
#include <QString>

namespace kelvaro {

// The token this process was launched with. Read before the QApplication is made: the
// X11 back end takes DESKTOP_STARTUP_ID out of the environment as it starts.
QString launchActivationToken();

// Makes `token` the one the next window brought to the front activates with. Does nothing
// for an empty token or on a back end without tokens.
void useActivationToken(const QString& token);

} // namespace kelvaro
