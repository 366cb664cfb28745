// A build without X11 (KELVARO_X11=OFF), as on a Wayland-only system: no pictures
// on the server, so the view paints the seconds, and no DPMS, so the night screen
// leaves the monitor on (the screen saver is still held off over D-Bus).
#include "platform/linux/linux_power_inhibitor.h"
#include "platform/server_pictures.h"

namespace kelvaro {

ServerPictures::Batch::Batch() = default;
ServerPictures::Batch::~Batch() = default;

bool displayKeepsPictures() {
    return false;
}

std::unique_ptr<ServerPictures> openServerPictures(std::uintptr_t) {
    return nullptr;
}

bool setDpmsLevel(MonitorPower) {
    return false;
}

} // namespace kelvaro
