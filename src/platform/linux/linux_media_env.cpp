#include "platform/linux/linux_media_env.h"

#include <cstdlib>

namespace kelvaro {

void preferGStreamerBackend() {
    const char* chosen = std::getenv("QT_MEDIA_BACKEND");
    if (chosen == nullptr || *chosen == '\0') setenv("QT_MEDIA_BACKEND", "gstreamer", 1);
}

} // namespace kelvaro
